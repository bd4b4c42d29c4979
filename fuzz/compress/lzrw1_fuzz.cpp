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
#include <vector>

using namespace compress;

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
    const auto slow = reference::decode(reference::Bytes(data, data + blockLength));
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
