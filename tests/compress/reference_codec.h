#pragma once
// The coding done the slow, obvious way, one byte at a time, to check the tuned coder against:
// the same chunk must give the same block.

#include <cstdint>
#include <vector>

namespace reference {

using Bytes = std::vector<std::uint8_t>;

inline Bytes encode(const Bytes& in)
{
    const std::size_t n = in.size();
    Bytes out(n + 16, 0);
    std::vector<std::uint32_t> table(4096, 0xFFFF);
    // Bytes past the chunk only ever feed hashes that cannot lead to a copy.
    auto at = [&](std::size_t i) -> std::uint32_t { return i < n ? in[i] : 0; };
    out[0] = 0x40;
    std::size_t control = 1, w = 3, p = 0, items = 0;
    std::uint32_t bits = 0;
    while (p < n && w <= n) {
        if (items == 16) {
            out[control] = bits >> 8 & 255, out[control + 1] = bits & 255;
            control = w, w += 2, items = 0;
        }
        std::size_t r = 1;
        while (p + r < n && r < 4095 && in[p + r] == in[p])
            ++r;
        std::uint32_t bit = 1;
        if (r >= 16) {
            out[w] = 0, out[w + 1] = (r - 16) >> 8, out[w + 2] = (r - 16) & 255, out[w + 3] = in[p];
            w += 4, p += r;
        } else {
            const std::uint32_t h = (((at(p) * 16) ^ at(p + 1)) * 16 ^ at(p + 2)) * 40543u >> 4 & 4095;
            const std::size_t q = table[h];
            table[h] = static_cast<std::uint32_t>(p);
            std::size_t length = 0;
            if (q != 0xFFFF && p - q < 4096)
                while (length < 18 && length < n - p && in[p + length] == in[q + length])
                    ++length;
            if (length >= 3) {
                const std::size_t item = (p - q) * 16 + (length - 3);
                out[w] = item >> 8 & 255, out[w + 1] = item & 255;
                w += 2, p += length;
            } else {
                out[w++] = in[p++];
                bit = 0;
            }
        }
        bits = bits * 2 + bit;
        ++items;
    }
    bits <<= 16 - items;
    out[control] = bits >> 8 & 255, out[control + 1] = bits & 255;
    if (w > n) {
        Bytes stored{0x80};
        stored.insert(stored.end(), in.begin(), in.end());
        return stored;
    }
    out.resize(w);
    return out;
}

} // namespace reference
