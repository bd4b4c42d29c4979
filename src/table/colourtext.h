#pragma once
// Colours as chat messages carry them: the name of one of sixteen standard colours ("clBlack"),
// or "$" and hexadecimal digits, or a decimal number. The value's lowest byte is red, then green,
// then blue.

#include <cstdint>
#include <optional>
#include <string_view>

// The colour a text names; nothing when it names none (any letter case is accepted for names).
std::optional<std::uint32_t> readColourText(std::string_view text);
