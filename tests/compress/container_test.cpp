#include "compress/container.h"

#include "compress/samples.h"

#include <gtest/gtest.h>

using namespace lzrw1;
using samples::Bytes;

namespace {

// The kind byte of each block of a container, in order.
std::vector<int> blockKinds(const Bytes& container)
{
    std::vector<int> kinds;
    for (std::size_t at = kHeaderSize; at + 3 <= container.size(); at += 2 + (container[at] | container[at + 1] << 8))
        kinds.push_back(container[at + 2]);
    return kinds;
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

} // namespace

TEST(Container, EveryKindAndSizeOfDataComesBack)
{
    for (std::size_t size : {0, 1, 2, 3, 32767, 32768, 32769, 100000}) {
        // Tally-like text compresses, random bytes are stored, long runs compress.
        const Bytes tally = samples::tallyText(3000);
        const std::vector<std::pair<int, Bytes>> kinds = {{0x40, Bytes(tally.begin(), tally.begin() + size)},
                                                          {0x80, samples::randomBytes(size, 12)},
                                                          {0x40, Bytes(size, 0xEE)}};
        for (const auto& [kind, data] : kinds) {
            const Bytes container = compressBuffer(data);
            const Bytes header = {'W', 'R', 'Z', 'L', static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                                  static_cast<std::uint8_t>(size >> 16), 0};
            EXPECT_EQ(Bytes(container.begin(), container.begin() + 8), header);
            // One block a chunk, and a last empty one after a whole number of chunks; up to 3
            // bytes can never come out shorter, so they are stored.
            std::vector<int> expected(size / kChunkSize + 1, kind);
            if (size % kChunkSize <= 3)
                expected.back() = 0x80;
            EXPECT_EQ(blockKinds(container), expected) << size;
            EXPECT_EQ(decompressBuffer(container), data) << size;
        }
    }
    EXPECT_EQ(compressBuffer({}), (Bytes{'W', 'R', 'Z', 'L', 0, 0, 0, 0, 0x01, 0x00, 0x80}));
    const Bytes full = compressBuffer(Bytes(kChunkSize, 'q'));
    EXPECT_EQ(Bytes(full.end() - 3, full.end()), (Bytes{0x01, 0x00, 0x80}));
    const Bytes text = samples::tallyText(30);
    EXPECT_LT(compressBuffer(text).size(), text.size() / 2);
}

TEST(Container, RefusesWhatIsNotAWholeContainer)
{
    const std::string readError = "Lzrw1 : Error reading from input file : Chickenfoottally.tld";
    const std::string noHeader = "Chickenfoottally.tld : Lzrw1 decompression : this file has no valid header !";
    EXPECT_EQ(failure({}), readError);
    EXPECT_EQ(failure(samples::bytesOf("WRZ")), readError);
    EXPECT_EQ(failure(samples::raw("!HZL\0\0\0\0\x01\0\x80")), noHeader);
    EXPECT_EQ(failure(samples::raw("MZ\x90\0\0\0\0\0\x01\0\x80")), noHeader);

    // Cut anywhere, a container ends in the read error.
    const Bytes good = compressBuffer(samples::mixed(70000, 5));
    for (std::size_t length = 4; length < good.size(); length += length < 64 ? 1 : 997)
        ASSERT_EQ(failure(Bytes(good.begin(), good.begin() + length)), readError) << length;

    // A wrong size, too big or too small, is the size error, also when the data passes it early.
    for (std::uint8_t low : {0x71, 0x6F, 0x00}) {
        Bytes resized = good;
        resized[4] = low;
        EXPECT_EQ(failure(resized), "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");
    }
    const std::string damaged = "Lzrw1 (decompression LZRW1/KH) : damaged block in input file : Chickenfoottally.tld (";
    EXPECT_EQ(failure(samples::raw("WRZL\x10\0\0\0\x02\x80")), damaged + "block longer than 32769 bytes)");
    EXPECT_EQ(failure(samples::raw("WRZL\x03\0\0\0\x05\0\x40\x80\0\0\x10")),
              damaged + "copy reaches before the start of the output)");
}
