#pragma once
// The texts of ELzrw1Exception. Players have seen these in error boxes for years, odd spacing and
// all, so they are kept exactly; the ones for damaged or oversized files are ours.

#include <string>
#include <string_view>

namespace lzrw1::texts {

inline std::string noMemory() { return "Lzrw1 (de)compression : Failed to get memory for I/O buffers !"; }

inline std::string noSize(std::string_view input)
{
    return "Lzrw1 compression : Failed to obtain the size of : " + std::string(input);
}

inline std::string cannotOpenInput(std::string_view input)
{
    return "Lzrw1 (de)compression : Failed to open input file : " + std::string(input);
}

inline std::string cannotOpenOutput(std::string_view output)
{
    return "Lzrw1 (de)compression : Failed to open output file : " + std::string(output);
}

inline std::string cannotWrite(std::string_view output)
{
    return "Lzrw1 : Error writing to output file : " + std::string(output);
}

// A read that failed while compressing.
inline std::string cannotReadForCompress(std::string_view input)
{
    return "Lzrw1 : Error reading from input file : " + std::string(input) + " (LZRW1/KH)";
}

// Fewer bytes than asked while decompressing: the file is cut short.
inline std::string cannotRead(std::string_view input)
{
    return "Lzrw1 : Error reading from input file : " + std::string(input);
}

inline std::string noHeader(std::string_view input)
{
    return std::string(input) + " : Lzrw1 decompression : this file has no valid header !";
}

inline std::string sizeMismatch() { return "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !"; }

inline std::string damagedBlock(std::string_view input, std::string_view fault)
{
    return "Lzrw1 (decompression LZRW1/KH) : damaged block in input file : " + std::string(input) + " (" +
           std::string(fault) + ")";
}

// The header holds the size in 32 bits; a larger file could never be read back.
inline std::string tooLarge(std::string_view input)
{
    return "Lzrw1 compression : File too large (4 GiB or more) : " + std::string(input);
}

// The header already holds the size found at the start; a file that grows or shrinks meanwhile
// would give a container that fails its own size check.
inline std::string inputChanged(std::string_view input)
{
    return "Lzrw1 compression : The input file changed size while being compressed : " + std::string(input);
}

} // namespace lzrw1::texts
