#include "compress/container.h"

#include "compress/errortexts.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

namespace lzrw1 {

namespace {

constexpr std::uint64_t kMaxSize = 0xFFFFFFFFu;

std::unique_ptr<std::uint8_t[]> buffer(std::size_t size)
{
    std::unique_ptr<std::uint8_t[]> memory(new (std::nothrow) std::uint8_t[size]);
    if (!memory)
        throw ELzrw1NoMemory(texts::noMemory());
    return memory;
}

// Where decoding takes its bytes from: take(count) gives the next count bytes (at most
// kMaxBlockSize), or nullptr when fewer are left.
class StreamInput {
public:
    explicit StreamInput(ByteSource& source) : source_(source), block_(buffer(kMaxBlockSize)) {}
    const std::uint8_t* take(std::size_t count)
    {
        return source_.read(block_.get(), count) == count ? block_.get() : nullptr;
    }

private:
    ByteSource& source_;
    std::unique_ptr<std::uint8_t[]> block_;
};

// A container already in memory is read where it lies.
class MemoryInput {
public:
    explicit MemoryInput(std::span<const std::uint8_t> data) : rest_(data) {}
    const std::uint8_t* take(std::size_t count)
    {
        if (rest_.size() < count)
            return nullptr;
        const std::uint8_t* at = rest_.data();
        rest_ = rest_.subspan(count);
        return at;
    }

private:
    std::span<const std::uint8_t> rest_;
};

// Where the coder and decoder put their bytes: each block is made in room(count), then keep(size)
// keeps the first size bytes of it.
constexpr std::size_t kRoom = std::max(kDecodeRoom, 2 + kEncodeRoom);

class StreamOutput {
public:
    explicit StreamOutput(ByteSink& sink) : sink_(sink), room_(buffer(kRoom)) {}
    void expect(std::uint64_t) {}
    std::uint8_t* room(std::size_t) { return room_.get(); }
    void keep(std::size_t count) { sink_.write(room_.get(), count); }

private:
    ByteSink& sink_;
    std::unique_ptr<std::uint8_t[]> room_;
};

// Makes each block straight into the result, with no copy and (usually) one allocation.
class VectorOutput {
public:
    VectorOutput(std::vector<std::uint8_t>& out, std::size_t inputSize) : out_(out), inputSize_(inputSize) {}
    // A size read from a file is trusted only as far as the input could make it.
    void expect(std::uint64_t size)
    {
        out_.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(size, std::uint64_t{64} * inputSize_)) + kRoom);
    }
    std::uint8_t* room(std::size_t count)
    {
        out_.resize(used_ + count);
        return out_.data() + used_;
    }
    void keep(std::size_t count) { used_ += count; }
    void finish() { out_.resize(used_); }

private:
    std::vector<std::uint8_t>& out_;
    std::size_t inputSize_;
    std::size_t used_ = 0;
};

// Where the coder takes its chunks from: next(chunk) points chunk at up to kChunkSize bytes and
// returns how many; fewer only at the end.
class StreamChunks {
public:
    explicit StreamChunks(ByteSource& source) : source_(source), chunk_(buffer(kChunkSize)) {}
    std::size_t next(const std::uint8_t*& chunk)
    {
        chunk = chunk_.get();
        return source_.read(chunk_.get(), kChunkSize);
    }

private:
    ByteSource& source_;
    std::unique_ptr<std::uint8_t[]> chunk_;
};

class MemoryChunks {
public:
    explicit MemoryChunks(std::span<const std::uint8_t> data) : rest_(data) {}
    std::size_t next(const std::uint8_t*& chunk)
    {
        const std::size_t count = std::min(kChunkSize, rest_.size());
        chunk = rest_.data();
        rest_ = rest_.subspan(count);
        return count;
    }

private:
    std::span<const std::uint8_t> rest_;
};

template <class Chunks, class Output>
std::uint64_t encodeContainer(Chunks& chunks, std::uint64_t size, Output& output, const std::string& inputName,
                              const BlockHook& hook)
{
    if (size > kMaxSize)
        throw ELzrw1Exception(texts::tooLarge(inputName));
    output.expect(size);
    std::uint8_t* header = output.room(kHeaderSize);
    std::memcpy(header, kFastIdentifier, 4);
    for (int i = 0; i < 4; ++i)
        header[4 + i] = static_cast<std::uint8_t>(size >> (8 * i));
    output.keep(kHeaderSize);
    std::uint64_t written = kHeaderSize;

    std::uint64_t taken = 0;
    for (;;) {
        const std::uint8_t* chunk = nullptr;
        const std::size_t n = chunks.next(chunk);
        taken += n;
        if (taken > size)
            throw ELzrw1Exception(texts::inputChanged(inputName));
        // The length goes in front, so each block goes out in one write.
        std::uint8_t* block = output.room(2 + kEncodeRoom);
        const std::size_t length = encodeBlock(chunk, n, block + 2);
        block[0] = static_cast<std::uint8_t>(length);
        block[1] = static_cast<std::uint8_t>(length >> 8);
        output.keep(length + 2);
        written += length + 2;
        if (hook)
            hook();
        if (n < kChunkSize)
            break;
    }
    if (taken != size)
        throw ELzrw1Exception(texts::inputChanged(inputName));
    return written;
}

template <class Input>
const std::uint8_t* takeOrFail(Input& input, std::size_t count, const std::string& inputName)
{
    const std::uint8_t* at = input.take(count);
    if (!at)
        throw ELzrw1Exception(texts::cannotRead(inputName));
    return at;
}

template <class Input, class Output>
std::uint64_t decodeContainer(Input& input, Output& output, const std::string& inputName, const BlockHook& hook)
{
    // "!HZL" files come from the LZH coder, which this program does not have.
    if (std::memcmp(takeOrFail(input, 4, inputName), kFastIdentifier, 4) != 0)
        throw ELzrw1Exception(texts::noHeader(inputName));
    const std::uint8_t* at = takeOrFail(input, 4, inputName);
    const std::uint64_t size = at[0] | at[1] << 8 | at[2] << 16 | std::uint64_t{at[3]} << 24;
    output.expect(size);

    std::uint64_t written = 0;
    for (;;) {
        at = takeOrFail(input, 2, inputName);
        const std::size_t length = at[0] | at[1] << 8;
        // Checked before the read: the block buffer holds no more.
        if (length > kMaxBlockSize)
            throw ELzrw1Exception(texts::damagedBlock(inputName, "block longer than 32769 bytes"));
        at = takeOrFail(input, length, inputName);
        const BlockResult result = tryDecodeBlock(at, length, output.room(kDecodeRoom));
        if (result.fault)
            throw ELzrw1Exception(texts::damagedBlock(inputName, result.fault));
        // More data than the header announced can never end well; stop before writing it.
        if (written + result.size > size)
            throw ELzrw1Exception(texts::sizeMismatch());
        output.keep(result.size);
        written += result.size;
        if (hook)
            hook();
        if (result.size != kChunkSize)
            break;
    }
    if (written != size)
        throw ELzrw1Exception(texts::sizeMismatch());
    return written;
}

} // namespace

std::uint64_t compressStream(ByteSource& source, std::uint64_t size, ByteSink& sink, const std::string& inputName,
                             const BlockHook& hook)
{
    StreamChunks chunks(source);
    StreamOutput output(sink);
    return encodeContainer(chunks, size, output, inputName, hook);
}

std::uint64_t decompressStream(ByteSource& source, ByteSink& sink, const std::string& inputName, const BlockHook& hook)
{
    StreamInput input(source);
    StreamOutput output(sink);
    return decodeContainer(input, output, inputName, hook);
}

std::vector<std::uint8_t> compressBuffer(std::span<const std::uint8_t> data, const std::string& name)
{
    std::vector<std::uint8_t> out;
    MemoryChunks chunks(data);
    VectorOutput output(out, data.size());
    try {
        encodeContainer(chunks, data.size(), output, name, {});
    } catch (const std::bad_alloc&) {
        throw ELzrw1NoMemory(texts::noMemory());
    }
    output.finish();
    return out;
}

std::vector<std::uint8_t> decompressBuffer(std::span<const std::uint8_t> container, const std::string& name)
{
    std::vector<std::uint8_t> out;
    MemoryInput input(container);
    VectorOutput output(out, container.size());
    try {
        decodeContainer(input, output, name, {});
    } catch (const std::bad_alloc&) {
        throw ELzrw1NoMemory(texts::noMemory());
    }
    output.finish();
    return out;
}

} // namespace lzrw1
