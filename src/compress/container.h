#pragma once
// The tally file's container around LZRW1-KH blocks: the identifier "WRZL", the uncompressed size
// (32-bit little-endian), then one block per 32768-byte chunk, each behind its 16-bit
// little-endian length. When the size is a multiple of 32768 (0 included) a last, empty chunk
// follows as the stored block 80, so a reader always knows where the data ends.
//
// Contract: decompressStream reads and writes only through its source and sink and never outside
// its own buffers, whatever the input holds; anything it cannot decode throws ELzrw1Exception.

#include "compress/lzrw1kh.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace lzrw1 {

constexpr std::uint8_t kFastIdentifier[4] = {'W', 'R', 'Z', 'L'};
constexpr std::uint8_t kGoodIdentifier[4] = {'!', 'H', 'Z', 'L'};
constexpr std::size_t kHeaderSize = 8;

// Where the container's bytes come from. read fills up to count bytes and returns how many it
// gave; fewer than count only at the end of the input. Failures throw ELzrw1Exception.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::size_t read(std::uint8_t* to, std::size_t count) = 0;
};

// Where they go. write takes all count bytes or throws ELzrw1Exception.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void write(const std::uint8_t* from, std::size_t count) = 0;
};

// Called after each block is written, so the window that owns a long job keeps its user
// interface alive. It may throw to abandon the job.
using BlockHook = std::function<void()>;

// Codes everything the source gives into a container. size goes into the header and must be what
// the source gives (else ELzrw1Exception, and the sink has had a partial container). inputName is
// for the error texts. Returns the number of bytes written, header included.
std::uint64_t compressStream(ByteSource& source, std::uint64_t size, ByteSink& sink, const std::string& inputName,
                             const BlockHook& hook = {});

// Decodes a container. The sink may have had part of the data when it throws. Returns the number
// of bytes written.
std::uint64_t decompressStream(ByteSource& source, ByteSink& sink, const std::string& inputName,
                               const BlockHook& hook = {});

// The same on whole buffers in memory (the file name in error texts is name).
std::vector<std::uint8_t> compressBuffer(std::span<const std::uint8_t> data, const std::string& name = {});
std::vector<std::uint8_t> decompressBuffer(std::span<const std::uint8_t> container, const std::string& name = {});

} // namespace lzrw1
