#include "compress/container.h"

#include "compress/errortexts.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

namespace compress {

namespace {

constexpr std::uint64_t kMaxSize = 0xFFFFFFFFu;

std::unique_ptr<std::uint8_t[]> buffer(std::size_t size)
{
    std::unique_ptr<std::uint8_t[]> memory(new (std::nothrow) std::uint8_t[size]);
    if (!memory)
        throw ELzrw1Exception(texts::noMemory());
    return memory;
}

void readExactly(ByteSource& source, std::uint8_t* to, std::size_t count, const std::string& inputName)
{
    if (source.read(to, count) != count)
        throw ELzrw1Exception(texts::cannotRead(inputName));
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
    const auto block = buffer(kMaxBlockSize);
    const auto out = buffer(kDecodeRoom);

    std::uint8_t header[kHeaderSize];
    readExactly(source, header, 4, inputName);
    // "!HZL" files come from the LZH coder, which this program does not have.
    if (std::memcmp(header, kFastIdentifier, 4) != 0)
        throw ELzrw1Exception(texts::noHeader(inputName));
    readExactly(source, header + 4, 4, inputName);
    const std::uint64_t size = header[4] | header[5] << 8 | header[6] << 16 | std::uint64_t{header[7]} << 24;

    std::uint64_t written = 0;
    for (;;) {
        std::uint8_t prefix[2];
        readExactly(source, prefix, 2, inputName);
        const std::size_t length = prefix[0] | prefix[1] << 8;
        // Checked before the read: the block buffer holds no more.
        if (length > kMaxBlockSize)
            throw ELzrw1Exception(texts::damagedBlock(inputName, "block longer than 32769 bytes"));
        readExactly(source, block.get(), length, inputName);
        const BlockResult result = tryDecodeBlock(block.get(), length, out.get());
        if (result.fault)
            throw ELzrw1Exception(texts::damagedBlock(inputName, result.fault));
        // More data than the header announced can never end well; stop before writing it.
        if (written + result.size > size)
            throw ELzrw1Exception(texts::sizeMismatch());
        sink.write(out.get(), result.size);
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
    BufferSource source(container);
    VectorSink sink(out);
    decompressStream(source, sink, name);
    return out;
}

} // namespace compress
