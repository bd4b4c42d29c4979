// Fuzzes the tally codec. Every input is used three ways:
//  - as a whole tally file: decoding ends in the data or in ELzrw1Exception, nothing else;
//  - as one bare block: the quick decoder must agree with the byte-by-byte one, byte for byte or
//    in refusing it, and stay inside its room (the room is an exact heap block, so AddressSanitizer
//    sees any overrun);
//  - as data to compress: the first chunk must code as the byte-by-byte coder codes it, and the
//    whole container must decode back to the input.

#include "compress/container.h"
#include "compress/lzrw1kh.h"
#include "compress/reference_codec.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

using namespace lzrw1;

namespace {

// A block decoded the slow, obvious way, one byte at a time; nothing for a block the format does
// not allow (or that would pass 32768 bytes of output).
std::optional<reference::Bytes> slowDecode(const reference::Bytes& block)
{
    const std::size_t length = block.size();
    if (length > 32769)
        return std::nullopt;
    if (length <= 1)
        return reference::Bytes{};
    if (block[0] == 0x80)
        return reference::Bytes(block.begin() + 1, block.end());
    if (length < 3)
        return std::nullopt;
    reference::Bytes out;
    std::uint32_t control = block[1] * 256u + block[2];
    int left = 16;
    std::size_t r = 3;
    while (r < length) {
        if (left == 0) {
            if (r + 2 > length)
                return std::nullopt;
            control = block[r] * 256u + block[r + 1], r += 2, left = 16;
        }
        if ((control & 0x8000) == 0) {
            if (r >= length)
                return std::nullopt;
            out.push_back(block[r++]);
        } else {
            if (r + 2 > length)
                return std::nullopt;
            const std::size_t offset = block[r] * 16u + (block[r + 1] >> 4);
            if (offset == 0) {
                if (r + 4 > length)
                    return std::nullopt;
                out.insert(out.end(), block[r + 1] * 256u + block[r + 2] + 16, block[r + 3]);
                r += 4;
            } else {
                if (offset > out.size())
                    return std::nullopt;
                for (std::size_t i = 0; i < (block[r + 1] & 15u) + 3; ++i)
                    out.push_back(out[out.size() - offset]);
                r += 2;
            }
        }
        if (out.size() > 32768)
            return std::nullopt;
        control = control << 1 & 0xFFFF, --left;
    }
    return out;
}


} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input(data, size);
    try {
        const auto decoded = decompressBuffer(input);
        if (size < kHeaderSize || decoded.size() != (data[4] | data[5] << 8 | data[6] << 16 | std::size_t{data[7]} << 24))
            std::abort();
    } catch (const ELzrw1Exception&) {
    }

    const std::size_t blockLength = std::min(size, kMaxBlockSize + 1);
    const auto room = std::make_unique<std::uint8_t[]>(kDecodeRoom);
    const BlockResult quick = tryDecodeBlock(data, blockLength, room.get());
    const auto slow = slowDecode(reference::Bytes(data, data + blockLength));
    if (quick.fault ? slow.has_value()
                    : !slow || slow->size() != quick.size || !std::equal(slow->begin(), slow->end(), room.get()))
        std::abort();

    const std::size_t chunk = std::min(size, kChunkSize);
    const auto block = std::make_unique<std::uint8_t[]>(kEncodeRoom);
    const std::size_t length = encodeBlock(data, chunk, block.get());
    if (reference::encode(reference::Bytes(data, data + chunk)) != reference::Bytes(block.get(), block.get() + length))
        std::abort();
    if (decompressBuffer(compressBuffer(input)) != std::vector<std::uint8_t>(data, data + size))
        std::abort();
    return 0;
}
