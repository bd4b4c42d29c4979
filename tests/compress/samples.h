#pragma once
// Data for the codec tests: tally text, random bytes, runs and a mixture of all kinds of items.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace samples {

using Bytes = std::vector<std::uint8_t>;

inline Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

// A literal's bytes, zero bytes included.
template <std::size_t N>
Bytes raw(const char (&text)[N])
{
    return Bytes(text, text + N - 1);
}

// The tally grid as the tally window writes it: "9", the row count, then every cell column by
// column, each line ended by CR LF.
inline Bytes tallyText(int opponents)
{
    std::string text = "9\r\n" + std::to_string(opponents + 1) + "\r\n";
    for (int column = 0; column < 9; ++column)
        for (int row = 0; row <= opponents; ++row)
            text += (column == 0 && row > 0 ? "Player" + std::to_string(row) : std::to_string(row * column % 13)) + "\r\n";
    return bytesOf(text);
}

inline Bytes randomBytes(std::size_t n, std::uint32_t seed)
{
    std::mt19937 generator(seed);
    Bytes out(n);
    for (auto& byte : out)
        byte = static_cast<std::uint8_t>(generator());
    return out;
}

// Pieces of tally text, random stretches and runs of every length, so every kind of item turns up.
inline Bytes mixed(std::size_t n, std::uint32_t seed)
{
    static const Bytes text = tallyText(50);
    std::mt19937 generator(seed);
    Bytes out;
    while (out.size() < n) {
        const std::size_t at = generator() % (text.size() - 40);
        out.insert(out.end(), text.begin() + at, text.begin() + at + generator() % 40);
        for (unsigned i = generator() % 20; i > 0; --i)
            out.push_back(static_cast<std::uint8_t>(generator()));
        if (generator() % 4 == 0)
            out.insert(out.end(), generator() % 8 == 0 ? generator() % 6000 : generator() % 300, static_cast<std::uint8_t>(generator()));
    }
    out.resize(n);
    return out;
}

} // namespace samples
