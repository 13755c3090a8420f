#include "NearestName.h"

#include <algorithm>
#include <vector>

namespace pelmora::cli {

namespace {

// Edits between two words, a swap of two neighbouring letters counting as one.
std::size_t Distance(std::string_view a, std::string_view b)
{
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

}  // namespace

std::string NearestName(std::string_view typed, std::span<const std::string_view> names)
{
    // Two edits turn "reg" into most three-letter words: short words get one.
    const std::size_t allowed = typed.size() <= 4 ? 1 : 2;
    std::string_view best;
    std::size_t bestDistance = allowed + 1;
    for (const std::string_view name : names) {
        const std::size_t distance = Distance(typed, name);
        if (distance < bestDistance) {
            best = name;
            bestDistance = distance;
        }
    }
    return std::string(best);
}

}  // namespace pelmora::cli
