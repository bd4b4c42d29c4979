#pragma once
// Colours as chat messages carry them and the settings file keeps them: the name of one of
// sixteen standard colours ("clBlack"), or "$" and hexadecimal digits, or a decimal number. The
// value's lowest byte is red, then green, then blue.

#include <QColor>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The colour a text names; nothing when it names none (any letter case is accepted for names).
std::optional<std::uint32_t> readColourText(std::string_view text);
// The text of a colour: its standard name when it has one, otherwise "$" and eight upper-case
// hexadecimal digits ("$0080FF00").
std::string writeColourText(std::uint32_t value);

// Between that value and a QColor (alpha is not kept).
std::uint32_t colourValue(const QColor& colour);
QColor colourFromValue(std::uint32_t value);
