#include "compress/container.h"

#include "compress/samples.h"

#include <gtest/gtest.h>

using namespace compress;
using samples::Bytes;

namespace {

// The blocks of a container, as (length, kind) pairs.
std::vector<std::pair<std::size_t, int>> blocksOf(const Bytes& container)
{
    std::vector<std::pair<std::size_t, int>> blocks;
    for (std::size_t at = kHeaderSize; at + 2 <= container.size();) {
        const std::size_t length = container[at] | container[at + 1] << 8;
        blocks.emplace_back(length, length ? container[at + 2] : -1);
        at += 2 + length;
    }
    return blocks;
}

std::string failure(const Bytes& container)
{
    try {
        decompressBuffer(container, "Chickenfoottally.tld");
    } catch (const ELzrw1Exception& error) {
        return error.what();
    }
    return "accepted";
}

const std::string kReadError = "Lzrw1 : Error reading from input file : Chickenfoottally.tld";
const std::string kSizeError = "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";

} // namespace

TEST(Container, EveryKindAndSizeOfDataComesBack)
{
    for (std::size_t size : {0, 1, 2, 3, 32767, 32768, 32769, 100000}) {
        const std::vector<std::pair<int, Bytes>> kinds = {{0x40, samples::mixed(size, 11)},
                                                          {0x80, samples::randomBytes(size, 12)},
                                                          {0x40, Bytes(size, 0xEE)}};
        for (const auto& [kind, data] : kinds) {
            const Bytes container = compressBuffer(data);
            ASSERT_GE(container.size(), kHeaderSize);
            EXPECT_EQ(Bytes(container.begin(), container.begin() + 8),
                      (Bytes{'W', 'R', 'Z', 'L', static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                             static_cast<std::uint8_t>(size >> 16), 0}));
            const auto blocks = blocksOf(container);
            ASSERT_EQ(blocks.size(), size / kChunkSize + 1) << size;
            for (std::size_t i = 0; i < blocks.size(); ++i) {
                const std::size_t chunk = std::min(kChunkSize, size - i * kChunkSize);
                EXPECT_LE(blocks[i].first, chunk + 1);
                // Up to 3 bytes can never come out shorter, so they are stored.
                EXPECT_EQ(blocks[i].second, chunk <= 3 ? 0x80 : kind) << size << " block " << i;
            }
            EXPECT_EQ(decompressBuffer(container), data) << size;
        }
    }
    EXPECT_EQ(compressBuffer({}), (Bytes{'W', 'R', 'Z', 'L', 0, 0, 0, 0, 0x01, 0x00, 0x80}));
    const Bytes full = compressBuffer(Bytes(kChunkSize, 'q'));
    EXPECT_EQ(Bytes(full.end() - 3, full.end()), (Bytes{0x01, 0x00, 0x80}));
}

TEST(Container, TallyTextComesBackLineEndsIncluded)
{
    for (int opponents : {0, 1, 30}) {
        const Bytes text = samples::tallyText(opponents);
        const Bytes container = compressBuffer(text);
        EXPECT_EQ(decompressBuffer(container), text);
        if (opponents == 30) {
            EXPECT_LT(container.size(), text.size() / 2);
        }
    }
}

TEST(Container, RefusesWhatIsNotAWholeContainer)
{
    const std::string noHeader = "Chickenfoottally.tld : Lzrw1 decompression : this file has no valid header !";
    EXPECT_EQ(failure({}), kReadError);
    EXPECT_EQ(failure(samples::bytesOf("WRZ")), kReadError);
    EXPECT_EQ(failure(samples::raw("!HZL\0\0\0\0\x01\0\x80")), noHeader);
    EXPECT_EQ(failure(samples::raw("MZ\x90\0\0\0\0\0\x01\0\x80")), noHeader);

    // Cut anywhere, a container ends in the read error.
    const Bytes good = compressBuffer(samples::mixed(70000, 5));
    for (std::size_t length = 4; length < good.size(); length += length < 64 ? 1 : 997)
        ASSERT_EQ(failure(Bytes(good.begin(), good.begin() + length)), kReadError) << length;

    // A wrong size, too big or too small, is the size error, also when the data passes it early.
    for (std::uint8_t low : {0x71, 0x6F, 0x00}) {
        Bytes resized = good;
        resized[4] = low;
        EXPECT_EQ(failure(resized), kSizeError);
    }

    const Bytes tooLong = samples::raw("WRZL\x10\0\0\0\x02\x80");
    EXPECT_EQ(failure(tooLong), "Lzrw1 (decompression LZRW1/KH) : damaged block in input file : "
                                "Chickenfoottally.tld (block longer than 32769 bytes)");
    const Bytes badCopy = samples::raw("WRZL\x03\0\0\0\x05\0\x40\x80\0\0\x10");
    EXPECT_EQ(failure(badCopy), "Lzrw1 (decompression LZRW1/KH) : damaged block in input file : "
                                "Chickenfoottally.tld (copy reaches before the start of the output)");
}
