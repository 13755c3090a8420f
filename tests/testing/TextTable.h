#pragma once

#include <string>
#include <vector>

namespace pelmora::testing {

// Texts from several scripts, each run through every place that keeps text.
struct TableText {
    const char* what;
    std::string text;  // UTF-8
    bool western;      // every character is in Windows-1252
};

inline const std::vector<TableText>& TextTable()
{
    static const std::vector<TableText> texts = {
        {"ASCII", "Quillon Works", true},
        {"Latin-1", "Caf\xc3\xa9", true},
        {"Central European", "\xc5\x81\xc3\xb3" "d\xc5\xba Ra\xc4\x8dunalniki", false},
        {"Greek", "\xce\xa9mega", false},
        {"Japanese", "\xe6\x97\xa5\xe6\x9c\xac\xe9\x9b\xbb\xe6\xb0\x97", false},
        {"beyond the BMP", "Smile \xf0\x9f\x98\x80", false},
    };
    return texts;
}

}  // namespace pelmora::testing
