#include "compress/lzrw1kh.h"

#include "compress/reference_codec.h"
#include "compress/samples.h"

#include <gtest/gtest.h>

using namespace lzrw1;
using samples::Bytes;

namespace {

// Both sides work in a room followed by a guard, which must come out untouched.
constexpr std::size_t kGuard = 64;

void expectGuardIntact(const Bytes& out, std::size_t room)
{
    EXPECT_EQ(Bytes(out.begin() + room, out.end()), Bytes(kGuard, 0xA5)) << "written past the room";
}

Bytes encoded(const Bytes& in)
{
    Bytes out(kEncodeRoom + kGuard, 0xA5);
    const std::size_t size = encodeBlock(in.data(), in.size(), out.data());
    expectGuardIntact(out, kEncodeRoom);
    out.resize(size);
    return out;
}

Bytes decoded(const Bytes& block)
{
    Bytes out(kDecodeRoom + kGuard, 0xA5);
    std::size_t size = 0;
    try {
        size = decodeBlock(block.data(), block.size(), out.data());
    } catch (const ELzrw1Exception&) {
        expectGuardIntact(out, kDecodeRoom);
        throw;
    }
    expectGuardIntact(out, kDecodeRoom);
    out.resize(size);
    return out;
}

Bytes repeated(const std::string& text, std::size_t times)
{
    Bytes out;
    while (times-- > 0)
        out.insert(out.end(), text.begin(), text.end());
    return out;
}

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(Block, EdgeChunksCodeToTheirExactBytes)
{
    EXPECT_EQ(encoded({}), Bytes{0x80});
    EXPECT_EQ(encoded({'a', 'b'}), (Bytes{0x80, 'a', 'b'}));
    EXPECT_EQ(encoded(Bytes(100, 'x')), (Bytes{0x40, 0x80, 0x00, 0x00, 0x00, 0x54, 'x'}));
    EXPECT_EQ(encoded(repeated("abc", 6)), (Bytes{0x40, 0x10, 0x00, 'a', 'b', 'c', 0x00, 0x3C}));
    // A coded form of exactly n bytes stays compressed; one byte more and the chunk is stored.
    EXPECT_EQ(encoded(repeated("xyz", 2) + Bytes{'x', 'y'}), (Bytes{0x40, 0x10, 0x00, 'x', 'y', 'z', 0x00, 0x32}));
    EXPECT_EQ(encoded(repeated("xyz", 2) + Bytes{'x'}), samples::bytesOf("\x80xyzxyzx"));
}

TEST(Block, CoderGivesTheByteByByteCodingAndDecodesBack)
{
    std::vector<Bytes> inputs = {samples::randomBytes(32768, 3), samples::tallyText(40)};
    for (std::size_t n : {3, 4, 17, 18, 19, 33, 100, 4097, 20000, 32767, 32768})
        inputs.push_back(samples::mixed(n, static_cast<std::uint32_t>(n)));
    // Runs just under, at and over the item's limits, ending at or one byte before the chunk's end.
    for (std::size_t run : {15, 16, 17, 4095, 4096, 4111, 9000})
        for (const Bytes& tail : {Bytes{}, Bytes{'t'}})
            inputs.push_back(samples::bytesOf("head") + Bytes(run, 'z') + tail);
    // Every short period, so copies overlap their own output.
    for (std::size_t period = 1; period <= 20; ++period)
        inputs.push_back(repeated(std::string("0123456789abcdefghij").substr(0, period), 700 / period));
    // A copy at the farthest offset and one past it (the run between them leaves the slot alone).
    for (std::size_t gap : {4095 - 20, 4096 - 20}) {
        const Bytes head = samples::randomBytes(20, 1);
        inputs.push_back(head + Bytes(gap, static_cast<std::uint8_t>(head[19] ^ 0x55)) + head);
    }
    for (const Bytes& in : inputs) {
        const Bytes block = encoded(in);
        ASSERT_EQ(block, reference::encode(in)) << "input of " << in.size() << " bytes";
        EXPECT_EQ(decoded(block), in);
    }
}

TEST(Block, DamagedBlocksAreRefusedWithoutOverrun)
{
    const Bytes sixteenLiterals = Bytes{0x40, 0x00, 0x00} + Bytes(16, 'a');
    Bytes runs = {0x40, 0xFF, 0x80}; // 7 runs of 4111 bytes, then the item under test
    for (int i = 0; i < 7; ++i)
        runs = runs + Bytes{0x00, 0x0F, 0xFF, 'r'};
    const Bytes overflowByCopy = runs + Bytes{0x00, 0x0F, 0x7F, 'r', 0x00, 0x1F}; // to 32760, then 18
    const Bytes more(200, 0);                                                       // the quick path too

    const std::vector<std::pair<Bytes, std::string>> cases = {
        {Bytes(kMaxBlockSize + 1, 0x80), "block longer than 32769 bytes"},
        {{0x40, 0x00}, "missing control word"},
        {sixteenLiterals + Bytes{0x00}, "missing control word"},
        {sixteenLiterals + Bytes{0x00, 0x00}, "item cut short"},
        {{0x40, 0x80, 0x00, 0x01}, "item cut short"},
        {{0x40, 0x80, 0x00, 0x00, 0x00, 0x05}, "item cut short"},
        {{0x40, 0x80, 0x00, 0x00, 0x10}, "copy reaches before the start of the output"},
        {Bytes{0x40, 0x40, 0x00, 'a', 0x00, 0x20} + more, "copy reaches before the start of the output"},
        {overflowByCopy, "more than 32768 bytes of output"},
        {overflowByCopy + more, "more than 32768 bytes of output"},
        {runs + Bytes{0x00, 0x0F, 0xFF, 'r'} + more, "more than 32768 bytes of output"},
    };
    for (const auto& [block, fault] : cases) {
        try {
            decoded(block);
            ADD_FAILURE() << "accepted a block with " << fault;
        } catch (const ELzrw1Exception& error) {
            EXPECT_EQ(error.what(), "Lzrw1 (decompression LZRW1/KH) : damaged block : " + fault);
        }
    }
}

// Runs (4 bytes of output each) right where the output passes the chunk size: the coder must stop
// within its room, wherever a group starts.
TEST(Block, CodingThatOutgrowsTheChunkStopsInsideItsRoom)
{
    const Bytes noise = samples::randomBytes(kChunkSize, 9);
    for (std::size_t start = 28900; start < 29300; ++start) {
        Bytes in(noise.begin(), noise.begin() + start);
        for (std::uint8_t value = 0; value < 20; ++value)
            in.insert(in.end(), 16, value);
        in.insert(in.end(), noise.begin() + in.size(), noise.end());
        ASSERT_EQ(encoded(in), Bytes{0x80} + in) << start;
    }
}
