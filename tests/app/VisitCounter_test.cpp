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
        // Fifteen significant digits; beyond them, and for very small numbers, an exponent in
        // upper case with at least two digits.
        {"999999999999998", "999999999999999"},
        {"999999999999999", "1E+15"},
        {"1e20", "1E+20"},
        {"-1e20", "-1E+20"},
        {"123456789012345678", "1.23456789012346E+17"},
        {"1e200", "1E+200"},
        {"-0.9998779296875", "0.0001220703125"},   // 1 - 2^-13: 2^-13, fixed notation still
        {"-0.99993896484375", "6.103515625E-05"},  // 1 - 2^-14: 2^-14, too small for it
        {"0.1", "1.1"},
        {"0.25", "1.25"},
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
