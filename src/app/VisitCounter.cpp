#include "app/VisitCounter.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace pelmora {

namespace {

// The whole text as a double: blanks around it and a leading '+' allowed, nothing else.
std::optional<double> ParseNumber(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-')
            return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Fifteen significant digits, fixed notation from 1E-04 up to below 1E+15, else an exponent in
// upper case (1E+20, 6.103515625E-05), as the platform's number-to-text conversion writes them.
std::string GeneralFormat(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return buffer;
}

}  // namespace

std::string NextVisitCount(const std::string& stored)
{
    const std::optional<double> count = ParseNumber(stored);
    return count ? GeneralFormat(*count + 1) : stored;
}

std::string RegisterVisit(SettingsStore& settings, const std::string& application)
{
    const std::string shown = NextVisitCount(settings.GetSetting(application, "Run", "Run", "0"));
    settings.SaveSetting(application, "Run", "Run", shown);
    return shown;
}

}  // namespace pelmora
