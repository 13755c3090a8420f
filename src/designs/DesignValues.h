#pragma once

#include "designs/WindowDesign.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

// The value texts of a design file, each with its reader and writer. Readers take the text
// after "Name = " and give nothing when it is not in the expected form.
namespace pelmora::designs::values {

// "text" with a doubled quote for a quote inside.
std::string QuoteText(std::string_view text);
std::optional<std::string> UnquoteText(std::string_view value);

std::string IntText(int value);
std::optional<int> ReadInt(std::string_view value);

std::string BoolText(bool value);
std::optional<bool> ReadBool(std::string_view value);

// "120, 4800"
std::string PairText(int first, int second);
std::optional<std::pair<int, int>> ReadPair(std::string_view value);

// rgb(255, 0, 0) or system(6)
std::string ColourText(Colour colour);
std::optional<Colour> ReadColour(std::string_view value);

// "Arial", 20.25, bold [, italic] [, underline] [, strikeout] [, weight 600] [, charset 2]
std::string FontText(const ButtonFont& font);
std::optional<ButtonFont> ReadFont(std::string_view value);

std::string_view KindText(ControlKind kind);
std::optional<ControlKind> ReadKind(std::string_view value);

std::string_view BorderText(BorderStyle style);
std::optional<BorderStyle> ReadBorder(std::string_view value);

std::string_view StartUpText(StartUpPosition position);
std::optional<StartUpPosition> ReadStartUp(std::string_view value);

std::string_view AlignmentText(Alignment alignment);
std::optional<Alignment> ReadAlignment(std::string_view value);

}  // namespace pelmora::designs::values
