#include "compress/lzrw1kh.h"

#include "compress/reference_codec.h"
#include "compress/samples.h"

#include <gtest/gtest.h>

using namespace compress;
using samples::Bytes;

namespace {

Bytes encoded(const Bytes& in)
{
    Bytes out(kEncodeRoom);
    out.resize(encodeBlock(in.data(), in.size(), out.data()));
    return out;
}

// Decodes into a room followed by a guard, which must come out untouched.
Bytes decoded(const Bytes& block)
{
    Bytes out(kDecodeRoom + 64, 0xA5);
    const std::size_t size = decodeBlock(block.data(), block.size(), out.data());
    for (std::size_t i = kDecodeRoom; i < out.size(); ++i)
        EXPECT_EQ(out[i], 0xA5) << "written past the room at " << i;
    out.resize(size);
    return out;
}

Bytes repeated(const std::string& text, int times)
{
    Bytes out;
    for (int i = 0; i < times; ++i)
        out.insert(out.end(), text.begin(), text.end());
    return out;
}

} // namespace

TEST(Block, EdgeChunksCodeToTheirExactBytes)
{
    EXPECT_EQ(encoded({}), Bytes{0x80});
    EXPECT_EQ(encoded({'a'}), (Bytes{0x80, 'a'}));
    EXPECT_EQ(encoded({'a', 'b'}), (Bytes{0x80, 'a', 'b'}));
    EXPECT_EQ(encoded(Bytes(100, 'x')), (Bytes{0x40, 0x80, 0x00, 0x00, 0x00, 0x54, 'x'}));
    EXPECT_EQ(encoded(repeated("abc", 6)), (Bytes{0x40, 0x10, 0x00, 'a', 'b', 'c', 0x00, 0x3C}));
    // A coded form of exactly n bytes stays compressed; one byte more and the chunk is stored.
    EXPECT_EQ(encoded(samples::bytesOf("xyzxyzxy")), (Bytes{0x40, 0x10, 0x00, 'x', 'y', 'z', 0x00, 0x32}));
    EXPECT_EQ(encoded(samples::bytesOf("xyzxyzx")), samples::bytesOf("\x80xyzxyzx"));
}

TEST(Block, CoderGivesTheByteByByteCodingAndDecodesBack)
{
    std::vector<Bytes> inputs;
    for (std::size_t n : {3, 4, 17, 18, 19, 33, 100, 4095, 4097, 20000, 32767, 32768})
        inputs.push_back(samples::mixed(n, static_cast<std::uint32_t>(n)));
    for (std::size_t run : {15, 16, 17, 4095, 4096, 4111, 9000}) {
        Bytes in = samples::bytesOf("head");
        in.insert(in.end(), run, 'z');
        inputs.push_back(in);
        in.push_back('t'); // a run that stops one byte before the end
        inputs.push_back(in);
    }
    for (int period = 1; period <= 20; ++period)
        inputs.push_back(repeated(std::string("0123456789abcdefghij").substr(0, period), 700 / period));
    // A copy at the farthest offset and one past it (a run between them leaves the hash slot alone).
    for (std::size_t gap : {4095 - 20, 4096 - 20}) {
        Bytes in = samples::randomBytes(20, 1);
        in.insert(in.end(), gap, static_cast<std::uint8_t>(in[19] ^ 0x55));
        in.insert(in.end(), in.begin(), in.begin() + 20);
        inputs.push_back(in);
    }
    inputs.push_back(samples::randomBytes(32768, 3));
    inputs.push_back(samples::tallyText(40));

    for (const Bytes& in : inputs) {
        const Bytes block = encoded(in);
        ASSERT_EQ(block, reference::encode(in)) << "input of " << in.size() << " bytes";
        EXPECT_EQ(decoded(block), in);
    }
}

// Valid blocks the coder would never write (copies shorter than they could be, runs up to 4111,
// offsets below the length) still decode as the slow decoding does.
TEST(Block, DecoderAgreesWithTheSlowDecodingOnAnyValidBlock)
{
    std::mt19937 generator(7);
    for (int round = 0; round < 300; ++round) {
        Bytes block{0x40}, items;
        std::size_t produced = 0;
        unsigned bits = 0, count = 0;
        const std::size_t target = generator() % 32768;
        while (produced < target) {
            if (count == 16) {
                block.push_back(static_cast<std::uint8_t>(bits >> 8)), block.push_back(static_cast<std::uint8_t>(bits));
                block.insert(block.end(), items.begin(), items.end());
                items.clear(), bits = 0, count = 0;
            }
            const unsigned kind = generator() % 4, room = static_cast<unsigned>(32768 - produced);
            const unsigned offset = 1 + generator() % std::min<std::size_t>(produced + 1, 4095);
            const unsigned length = 3 + generator() % 16, run = 16 + generator() % 4096;
            bits <<= 1, ++count;
            if (kind == 0 || produced == 0 || offset > produced || room < length) {
                items.push_back(static_cast<std::uint8_t>(generator())), produced += 1;
            } else if (kind == 1 && run <= room) {
                items.insert(items.end(), {0, static_cast<std::uint8_t>((run - 16) >> 8), static_cast<std::uint8_t>(run - 16), 'r'});
                bits |= 1, produced += run;
            } else {
                const unsigned item = offset << 4 | (length - 3);
                items.insert(items.end(), {static_cast<std::uint8_t>(item >> 8), static_cast<std::uint8_t>(item)});
                bits |= 1, produced += length;
            }
        }
        bits <<= 16 - count;
        block.push_back(static_cast<std::uint8_t>(bits >> 8)), block.push_back(static_cast<std::uint8_t>(bits));
        block.insert(block.end(), items.begin(), items.end());
        if (block.size() > kMaxBlockSize)
            continue;
        const auto slow = reference::decode(block);
        ASSERT_TRUE(slow.has_value());
        ASSERT_EQ(decoded(block), *slow) << "round " << round;
    }
}

TEST(Block, DamagedBlocksAreRefusedWithoutOverrun)
{
    const Bytes literals16(16, 'a');
    auto join = [](std::initializer_list<Bytes> parts) {
        Bytes out;
        for (const Bytes& part : parts)
            out.insert(out.end(), part.begin(), part.end());
        return out;
    };
    Bytes runs = {0x40, 0xFF, 0x80};
    for (int i = 0; i < 7; ++i)
        runs.insert(runs.end(), {0x00, 0x0F, 0xFF, 'r'}); // 7 x 4111 bytes
    Bytes overflowByCopy = join({runs, {0x00, 0x0F, 0x7F, 'r', 0x00, 0x1F}}); // to 32760, then 18 more
    Bytes overflowByRun = join({runs, {0x00, 0x0F, 0xFF, 'r'}});
    const Bytes padding(200, 0); // more items after the fault, so the quick path meets it too

    const std::vector<std::pair<Bytes, std::string>> cases = {
        {Bytes(kMaxBlockSize + 1, 0x80), "block longer than 32769 bytes"},
        {{0x40, 0x00}, "missing control word"},
        {join({{0x40, 0x00, 0x00}, literals16, {0x00}}), "missing control word"},
        {join({{0x40, 0x00, 0x00}, literals16, {0x00, 0x00}}), "item cut short"},
        {{0x40, 0x80, 0x00, 0x01}, "item cut short"},
        {{0x40, 0x80, 0x00, 0x00, 0x00, 0x05}, "item cut short"},
        {{0x40, 0x80, 0x00, 0x00, 0x10}, "copy reaches before the start of the output"},
        {join({{0x40, 0x40, 0x00, 'a', 0x00, 0x20}, padding}), "copy reaches before the start of the output"},
        {overflowByCopy, "more than 32768 bytes of output"},
        {join({overflowByCopy, padding}), "more than 32768 bytes of output"},
        {join({overflowByRun, padding}), "more than 32768 bytes of output"},
    };
    for (const auto& [block, fault] : cases) {
        EXPECT_FALSE(reference::decode(block).has_value());
        try {
            decoded(block);
            ADD_FAILURE() << "accepted a block with " << fault;
        } catch (const ELzrw1Exception& error) {
            EXPECT_EQ(error.what(), "Lzrw1 (decompression LZRW1/KH) : damaged block : " + fault);
        }
    }
}
