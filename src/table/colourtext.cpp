#include "table/colourtext.h"

#include "game/message.h"

#include <array>

namespace {

struct NamedColour {
    std::string_view name;
    std::uint32_t value;
};

constexpr std::array<NamedColour, 16> kNamed{{
    {"clBlack", 0x000000},  {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000},   {"clPurple", 0x800080}, {"clTeal", 0x808000},  {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},    {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
}};

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

} // namespace

std::optional<std::uint32_t> readColourText(std::string_view text)
{
    for (const NamedColour& named : kNamed)
        if (equalsIgnoringCase(text, named.name))
            return named.value;
    std::uint64_t value = 0;
    if (!text.empty() && text.front() == '$') {
        const std::string_view digits = text.substr(1);
        if (digits.empty() || digits.size() > 8)
            return std::nullopt;
        for (char c : digits) {
            int digit;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else
                return std::nullopt;
            value = value * 16 + static_cast<std::uint64_t>(digit);
        }
    } else {
        const auto number = game::parseInt(text);
        if (!number || *number < 0)
            return std::nullopt;
        value = static_cast<std::uint64_t>(*number);
    }
    // Only plain red, green and blue; the high byte would name a system colour.
    if (value > 0xFFFFFF)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::string writeColourText(std::uint32_t value)
{
    for (const NamedColour& named : kNamed)
        if (named.value == value)
            return std::string(named.name);
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "$";
    for (int shift = 28; shift >= 0; shift -= 4)
        text += digits[(value >> shift) & 0xF];
    return text;
}

std::uint32_t colourValue(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return static_cast<std::uint32_t>(rgb.red()) | static_cast<std::uint32_t>(rgb.green()) << 8 |
           static_cast<std::uint32_t>(rgb.blue()) << 16;
}

QColor colourFromValue(std::uint32_t value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}
