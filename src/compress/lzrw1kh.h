#pragma once
// LZRW1-KH, one block at a time: the coder and decoder behind the tally file.
//
// A chunk of at most 32768 bytes codes into one block: a kind byte (0x40 compressed, 0x80 stored)
// and, for a compressed block, groups of a 16-bit control word (high byte first) and up to 16
// items: literals (bit 0), copy items of offset 1-4095 and length 3-18, run items of length 16 and
// more (bit 1). The coder's output is fixed byte for byte, so files written by other copies of the
// game read back the same.
//
// Contract of the decoder: it never reads outside the block it is given and never writes outside
// the output room below, whatever the block holds; a block that is not well formed throws
// ELzrw1Exception.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace lzrw1 {

// Every error of the codec and of the file component; what() is the text shown to the player.
class ELzrw1Exception : public std::runtime_error {
public:
    explicit ELzrw1Exception(const std::string& text) : std::runtime_error(text) {}
};

// Memory ran out: the data may be sound, so a caller must not treat it as damaged.
class ELzrw1NoMemory : public ELzrw1Exception {
public:
    using ELzrw1Exception::ELzrw1Exception;
};

constexpr std::size_t kChunkSize = 32768;
// The longest block: a kind byte and a stored chunk.
constexpr std::size_t kMaxBlockSize = kChunkSize + 1;
// The coder may run a few bytes past the chunk size before it gives up and stores the chunk.
constexpr std::size_t kEncodeRoom = kChunkSize + 16;
// The decoder copies in wide steps and may scribble up to this many bytes past the data it
// decodes (never past the room); the bytes it returns are always exact.
constexpr std::size_t kDecodeSlack = 64;
constexpr std::size_t kDecodeRoom = kChunkSize + kDecodeSlack;

constexpr std::uint8_t kCompressedBlock = 0x40;
constexpr std::uint8_t kStoredBlock = 0x80;

// Codes n bytes (n <= kChunkSize) into one block at out, which must hold kEncodeRoom bytes.
// Returns the block length, 1 to n + 1.
std::size_t encodeBlock(const std::uint8_t* in, std::size_t n, std::uint8_t* out);

// What decoding one block gave: the number of bytes decoded, or, for a malformed block, what is
// wrong with it (a short English phrase; the decoded bytes are then meaningless).
struct BlockResult {
    std::size_t size = 0;
    const char* fault = nullptr;
};

// Decodes a block of length bytes into out, which must hold kDecodeRoom bytes. Never throws.
BlockResult tryDecodeBlock(const std::uint8_t* block, std::size_t length, std::uint8_t* out) noexcept;

// Decodes a block of length bytes into out, which must hold kDecodeRoom bytes. Returns the number
// of bytes decoded, at most kChunkSize. Throws ELzrw1Exception when the block is longer than
// kMaxBlockSize or is malformed: a missing control word, an item cut short, a copy reaching
// before the start of the output, or more than kChunkSize bytes of output.
std::size_t decodeBlock(const std::uint8_t* block, std::size_t length, std::uint8_t* out);

} // namespace lzrw1
