#pragma once
// Tlzrw1: the file-to-file compressor the tally window keeps hidden. Set InputFile and
// OutputFile, then Compress or Decompress; both return the number of bytes written and throw
// ELzrw1Exception with the player-facing text on any failure.
//
// The output is written to a temporary file beside OutputFile and renamed over it only when
// complete, so a failure never leaves a partial output file, and never spoils an existing one.
// The input file is never changed (unless it is also the output, which then works as expected).
//
// Compress also takes its input from memory, so a caller needs no scratch file of its own.

#include "compress/container.h"
#include "compress/lzrw1kh.h"

#include <cstdint>
#include <span>
#include <string>

namespace lzrw1 {

// Only Fast (LZRW1-KH) is built; Good (LZH) and Auto refuse with the header error.
enum class TCompressMode { Good = 0, Fast = 1, Auto = 2 };

class Tlzrw1 {
public:
    std::string InputFile;
    std::string OutputFile;
    TCompressMode CompressMode = TCompressMode::Good;
    // Runs after each block; the owning window lets its pending events run here.
    BlockHook onBlock;

    // Writes InputFile as a "WRZL" container to OutputFile; returns the container's size.
    std::uint64_t Compress();
    // Writes `data` as a "WRZL" container to OutputFile (InputFile is not used).
    std::uint64_t Compress(std::span<const std::uint8_t> data);
    // Writes the data of the container InputFile to OutputFile; returns its size.
    std::uint64_t Decompress();
};

} // namespace lzrw1
