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
        throw ELzrw1Exception(texts::noMemory());
    return memory;
}

class BufferSource : public ByteSource {
public:
    explicit BufferSource(std::span<const std::uint8_t> data) : rest_(data) {}

    std::size_t read(std::uint8_t* to, std::size_t count) override
    {
        const std::size_t taken = std::min(count, rest_.size());
        if (taken != 0)
            std::memcpy(to, rest_.data(), taken);
        rest_ = rest_.subspan(taken);
        return taken;
    }

private:
    std::span<const std::uint8_t> rest_;
};

class VectorSink : public ByteSink {
public:
    explicit VectorSink(std::vector<std::uint8_t>& out) : out_(out) {}

    void write(const std::uint8_t* from, std::size_t count) override { out_.insert(out_.end(), from, from + count); }

private:
    std::vector<std::uint8_t>& out_;
};

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

// Where it puts them: each block is decoded into room() (kDecodeRoom bytes), then keep(count)
// keeps the first count bytes of it.
class StreamOutput {
public:
    explicit StreamOutput(ByteSink& sink) : sink_(sink), room_(buffer(kDecodeRoom)) {}
    void expect(std::uint64_t) {}
    std::uint8_t* room() { return room_.get(); }
    void keep(std::size_t count) { sink_.write(room_.get(), count); }

private:
    ByteSink& sink_;
    std::unique_ptr<std::uint8_t[]> room_;
};

// Decodes straight into the result, with no copy and (usually) one allocation.
class VectorOutput {
public:
    VectorOutput(std::vector<std::uint8_t>& out, std::size_t inputSize) : out_(out), inputSize_(inputSize) {}
    // The size comes from the file, so it is trusted only as far as the input could make it.
    void expect(std::uint64_t size)
    {
        out_.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(size, std::uint64_t{64} * inputSize_)) + kDecodeRoom);
    }
    std::uint8_t* room()
    {
        out_.resize(used_ + kDecodeRoom);
        return out_.data() + used_;
    }
    void keep(std::size_t count) { used_ += count; }
    void finish() { out_.resize(used_); }

private:
    std::vector<std::uint8_t>& out_;
    std::size_t inputSize_;
    std::size_t used_ = 0;
};

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
        const BlockResult result = tryDecodeBlock(at, length, output.room());
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
    if (size > kMaxSize)
        throw ELzrw1Exception(texts::tooLarge(inputName));
    const auto chunk = buffer(kChunkSize);
    // Room for the block and its length in front, so each block goes out in one write.
    const auto block = buffer(2 + kEncodeRoom);

    std::uint8_t header[kHeaderSize];
    std::memcpy(header, kFastIdentifier, 4);
    for (int i = 0; i < 4; ++i)
        header[4 + i] = static_cast<std::uint8_t>(size >> (8 * i));
    sink.write(header, kHeaderSize);
    std::uint64_t written = kHeaderSize;

    std::uint64_t taken = 0;
    for (;;) {
        const std::size_t n = source.read(chunk.get(), kChunkSize);
        taken += n;
        if (taken > size)
            throw ELzrw1Exception(texts::inputChanged(inputName));
        const std::size_t length = encodeBlock(chunk.get(), n, block.get() + 2);
        block[0] = static_cast<std::uint8_t>(length);
        block[1] = static_cast<std::uint8_t>(length >> 8);
        sink.write(block.get(), length + 2);
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

std::uint64_t decompressStream(ByteSource& source, ByteSink& sink, const std::string& inputName, const BlockHook& hook)
{
    StreamInput input(source);
    StreamOutput output(sink);
    return decodeContainer(input, output, inputName, hook);
}

std::vector<std::uint8_t> compressBuffer(std::span<const std::uint8_t> data, const std::string& name)
{
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderSize + data.size() + data.size() / kChunkSize * 3 + 3);
    BufferSource source(data);
    VectorSink sink(out);
    compressStream(source, data.size(), sink, name);
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
        throw ELzrw1Exception(texts::noMemory());
    }
    output.finish();
    return out;
}

} // namespace lzrw1
