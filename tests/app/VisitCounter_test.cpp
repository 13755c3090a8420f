#include "app/VisitCounter.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(VisitCounter, NextCountInGeneralNumberFormat)
{
    struct Case {
        std::string stored;
        std::string next;
    };
    const Case cases[] = {
        {"0", "1"},
        {"1", "2"},
        {"41", "42"},
        {"41.0", "42"},
        {"1.5", "2.5"},
        {" 7 ", "8"},
        {"+7", "8"},
        {"-1", "0"},
        {"-3", "-2"},
        {"1e3", "1001"},
        {"999999999999999", "1e+15"},
        // Not a number: shown and saved as it stands.
        {"letters", "letters"},
        {"12abc", "12abc"},
        {"", ""},
        {"   ", "   "},
        {"inf", "inf"},
        {"nan", "nan"},
        {"1e999", "1e999"},
        {"+-1", "+-1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NextVisitCount(c.stored), c.next) << '"' << c.stored << '"';
}

}  // namespace
}  // namespace pelmora
