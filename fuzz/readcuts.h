#pragma once
// How the fuzz targets cut their input into socket reads, so split and joined messages are
// exercised the same way on the host and on the table. `cutting` comes from the input's first
// byte: 0 the whole rest at once, 1 byte by byte, 2 pieces of 1 to 64 bytes, 3 one message a read.

#include "game/random.h"

#include <cstddef>
#include <string_view>

inline std::size_t nextReadLength(std::string_view stream, int cutting, game::Random& chance)
{
    std::size_t length = stream.size();
    if (cutting == 1)
        length = 1;
    else if (cutting == 2)
        length = 1 + chance.random(64);
    else if (cutting == 3)
        length = stream.find('\xFF') == std::string_view::npos ? stream.size() : stream.find('\xFF') + 1;
    return length > stream.size() ? stream.size() : length;
}
