// A button's property entries as a design stores them: lines that read as a bag are written
// back byte for byte, and so is every single value that reads.
#include "FuzzCheck.h"

#include "controls/PropertyBagText.h"

#include <algorithm>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace pelmora;
    const std::string_view text = fuzz::Text(data, size);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }

    const PropertyBagResult read = ReadPropertyLines(lines);
    if (read.error.empty()) {
        const PropertyLinesResult written = WritePropertyLines(read.bag);
        PELMORA_FUZZ_CHECK(written.error.empty());
        PELMORA_FUZZ_CHECK(written.lines == lines);
    }
    for (const std::string& line : lines) {
        const auto equals = line.find(" = ");
        const std::string_view value = equals == std::string::npos ? line : std::string_view(line).substr(equals + 3);
        if (const auto parsed = ParsePropertyValue(value)) {
            const auto formatted = FormatPropertyValue(*parsed);
            PELMORA_FUZZ_CHECK(formatted.has_value());
            PELMORA_FUZZ_CHECK(*formatted == value);
        }
    }
    return 0;
}
