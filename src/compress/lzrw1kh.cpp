#include "compress/lzrw1kh.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace lzrw1 {

namespace {

constexpr std::uint16_t kEmptySlot = 0xFFFF;
constexpr std::size_t kHashSize = 4096;
constexpr std::size_t kMinCopy = 3;
constexpr std::size_t kMaxCopy = 18;
constexpr std::size_t kMinRun = 16;
constexpr std::size_t kMaxRun = 4095;
constexpr std::size_t kMaxOffset = 4095;
constexpr unsigned kGroupItems = 16;
constexpr std::ptrdiff_t kMaxGroupOutput = 2 + 4 * kGroupItems;

std::uint64_t load64(const std::uint8_t* at)
{
    std::uint64_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// The value, hidden from the optimiser: a select stays a conditional move and is not turned back
// into a branch.
template <class T>
T opaque(T value)
{
#if defined(__GNUC__)
    asm("" : "+r"(value));
#endif
    return value;
}

// The index of the first differing byte of two words whose XOR is diff (8 when they are equal).
std::size_t firstDifference(std::uint64_t diff)
{
    if constexpr (std::endian::native == std::endian::little)
        return static_cast<unsigned>(std::countr_zero(diff)) / 8;
    else
        return static_cast<unsigned>(std::countl_zero(diff)) / 8;
}

unsigned hashOf(const std::uint8_t* at)
{
    const std::uint32_t mixed = ((std::uint32_t{at[0]} << 4 ^ at[1]) << 4) ^ at[2];
    return (mixed * 40543u >> 4) & (kHashSize - 1);
}

// The hash of every position with 3 bytes left. It depends on the input alone, so it is worked
// out for the whole chunk first, 8 positions at a time. The hash keeps bits 4 to 15 of the
// product, which 16-bit multiplication gives exactly.
void hashAll(const std::uint8_t* in, std::size_t n, std::uint16_t* hashes)
{
    std::size_t i = 0;
#if defined(__GNUC__)
    using Bytes8 = std::uint8_t __attribute__((vector_size(8)));
    using Lanes8 = std::uint16_t __attribute__((vector_size(16)));
    for (; i + 10 <= n; i += 8) {
        Bytes8 c0, c1, c2;
        std::memcpy(&c0, in + i, 8);
        std::memcpy(&c1, in + i + 1, 8);
        std::memcpy(&c2, in + i + 2, 8);
        const Lanes8 mixed = __builtin_convertvector(c0, Lanes8) << 8 ^ __builtin_convertvector(c1, Lanes8) << 4 ^
                             __builtin_convertvector(c2, Lanes8);
        const Lanes8 hash = mixed * 40543 >> 4;
        std::memcpy(hashes + i, &hash, sizeof hash);
    }
#endif
    for (; i + 2 < n; ++i)
        hashes[i] = static_cast<std::uint16_t>(hashOf(in + i));
}

// Equal bytes at a and b, at most 18, when 18 bytes can be read from both. b is before a; the
// ranges may overlap. The first 8 bytes are already compared: diff is their XOR.
std::size_t matchLength(const std::uint8_t* a, const std::uint8_t* b, std::uint64_t diff)
{
    std::size_t length = firstDifference(diff);
    if (length == 8) {
        length += firstDifference(load64(a + 8) ^ load64(b + 8));
        if (length == 16)
            length = a[16] != b[16] ? 16 : a[17] != b[17] ? 17 : 18;
    }
    return length;
}

// The same near the end of the chunk: at most limit bytes, one at a time.
std::size_t matchLengthNearEnd(const std::uint8_t* a, const std::uint8_t* b, std::size_t limit)
{
    std::size_t length = 0;
    while (length < limit && a[length] == b[length])
        ++length;
    return length;
}

// Bytes equal to at[0] from at on, at most limit.
std::size_t runLength(const std::uint8_t* at, std::size_t limit)
{
    const std::uint64_t pattern = at[0] * 0x0101010101010101ull;
    std::size_t length = 1;
    while (length + 8 <= limit) {
        const std::size_t same = firstDifference(load64(at + length) ^ pattern);
        length += same;
        if (same < 8)
            return length;
    }
    while (length < limit && at[length] == at[0])
        ++length;
    return length;
}

void put16(std::uint8_t* at, unsigned value)
{
    at[0] = static_cast<std::uint8_t>(value >> 8);
    at[1] = static_cast<std::uint8_t>(value);
}

// A run item: 00, the length less 16 in two bytes, the byte. Returns the place after it.
std::uint8_t* putRun(std::uint8_t* op, std::size_t run, std::uint8_t value)
{
    op[0] = 0;
    put16(op + 1, static_cast<unsigned>(run - kMinRun));
    op[3] = value;
    return op + 4;
}

// A copy item: the offset in 12 bits and the length less 3 in 4 bits, high byte first.
std::uint8_t* putCopy(std::uint8_t* op, std::size_t offset, std::size_t length)
{
    put16(op, static_cast<unsigned>(offset << 4 | (length - kMinCopy)));
    return op + 2;
}

void copy8(std::uint8_t* to, const std::uint8_t* from)
{
    std::uint64_t word;
    std::memcpy(&word, from, sizeof word);
    std::memcpy(to, &word, sizeof word);
}

// A copy item's bytes at op. Offsets of 8 or more go in three words (24 bytes, the room's slack
// takes the excess); each word reads only bytes already written, so a short offset still repeats
// its pattern. Shorter offsets go byte by byte.
void copyMatch(std::uint8_t* op, std::size_t offset, std::size_t length)
{
    const std::uint8_t* from = op - offset;
    if (offset >= 8) {
        copy8(op, from);
        copy8(op + 8, from + 8);
        copy8(op + 16, from + 16);
        return;
    }
    for (std::size_t i = 0; i < length; ++i)
        op[i] = from[i];
}

constexpr const char* kFaultTooLong = "block longer than 32769 bytes";
constexpr const char* kFaultNoControl = "missing control word";
constexpr const char* kFaultCutShort = "item cut short";
constexpr const char* kFaultBeforeStart = "copy reaches before the start of the output";
constexpr const char* kFaultTooMuch = "more than 32768 bytes of output";

// With this much input left at the start of a group, none of its items (4 bytes at most, or a
// 16-byte burst of literals) can read past the block, so the group is decoded without input checks.
constexpr std::ptrdiff_t kFastGroupInput = 2 + 4 * kGroupItems + 16;

} // namespace

std::size_t encodeBlock(const std::uint8_t* in, std::size_t n, std::uint8_t* out)
{
    // Kept on the stack: the table is private to this call, which lets the compiler keep it close.
    std::uint16_t table[kHashSize];
    std::memset(table, 0xFF, sizeof table);
    std::uint16_t hashes[kChunkSize];
    hashAll(in, n, hashes);

    out[0] = kCompressedBlock;
    std::uint8_t* control = out + 1;
    std::uint8_t* op = out + 3;
    // The coder gives up as soon as its output passes n bytes; the chunk is then stored.
    const std::uint8_t* const opLimit = out + n;
    unsigned bits = 0;
    unsigned items = 0;
    std::size_t p = 0;

    // A full group's control word is written only when another item follows.
    auto startGroupIfFull = [&] {
        if (items == kGroupItems) {
            put16(control, bits);
            control = op;
            op += 2;
            bits = 0;
            items = 0;
        }
    };

    // Away from the end of the chunk every item may read 18 bytes ahead without a check. A group
    // adds at most 2 + 16 x 4 bytes, so with that much room left the output limit cannot be
    // reached inside it and is checked once per group.
    while (p + kMaxCopy <= n && opLimit - op >= kMaxGroupOutput) {
        startGroupIfFull();
        do {
            const std::uint8_t* const at = in + p;
            const std::uint64_t word = load64(at);
            unsigned bit = 1;
            // Only a run of 16 or more becomes an item, so shorter ones are not measured: 16
            // equal bytes means the first word repeats its own first byte and the second equals it.
            const bool run16 = (word ^ (word << 8)) >> 8 == 0 && load64(at + 8) == word;
            const std::size_t run = run16 ? runLength(at, std::min(n - p, kMaxRun)) : 1;
            if (run >= kMinRun) {
                op = putRun(op, run, at[0]);
                p += run;
            } else {
                const unsigned h = hashes[p];
                const std::size_t q = table[h];
                table[h] = static_cast<std::uint16_t>(p);
                const std::size_t offset = p - q;
                // Whether an old position is in reach is a coin toss the branch predictor loses,
                // so it is a select (out of reach: compare with itself, and force a difference).
                const bool reachable = offset <= kMaxOffset;
                const std::uint8_t* const candidate = in + opaque(reachable ? q : p);
                const std::uint64_t diff = (word ^ load64(candidate)) | opaque(std::uint64_t{!reachable});
                const std::size_t length = matchLength(at, candidate, diff);
                if (length >= kMinCopy) {
                    op = putCopy(op, offset, length);
                    p += length;
                } else {
                    *op++ = at[0];
                    ++p;
                    bit = 0;
                }
            }
            bits = bits << 1 | bit;
            ++items;
        } while (items < kGroupItems && p + kMaxCopy <= n);
    }

    // The last bytes of the chunk, every limit checked.
    while (p < n && op <= opLimit) {
        startGroupIfFull();
        const std::uint8_t c = in[p];
        const std::size_t left = n - p;
        unsigned bit = 1;
        const std::size_t run = left > 1 && in[p + 1] == c ? runLength(in + p, std::min(left, kMaxRun)) : 1;
        if (run >= kMinRun) {
            op = putRun(op, run, c);
            p += run;
        } else {
            std::size_t length = 0;
            std::size_t offset = 0;
            // Fewer than 3 bytes left can never match, so their hash is not needed.
            if (left >= kMinCopy) {
                const unsigned h = hashes[p];
                const std::size_t q = table[h];
                table[h] = static_cast<std::uint16_t>(p);
                offset = p - q;
                if (q != kEmptySlot && offset <= kMaxOffset)
                    length = matchLengthNearEnd(in + p, in + q, std::min(left, kMaxCopy));
            }
            if (length >= kMinCopy) {
                op = putCopy(op, offset, length);
                p += length;
            } else {
                *op++ = c;
                ++p;
                bit = 0;
            }
        }
        bits = bits << 1 | bit;
        ++items;
    }
    put16(control, bits << (kGroupItems - items));

    if (op > opLimit) {
        out[0] = kStoredBlock;
        // An empty chunk may come with no buffer at all, and memcpy must never see a null pointer.
        if (n > 0)
            std::memcpy(out + 1, in, n);
        return n + 1;
    }
    return static_cast<std::size_t>(op - out);
}

BlockResult tryDecodeBlock(const std::uint8_t* block, std::size_t length, std::uint8_t* out) noexcept
{
    if (length > kMaxBlockSize)
        return {0, kFaultTooLong};
    if (length <= 1)
        return {};
    if (block[0] == kStoredBlock) {
        std::memcpy(out, block + 1, length - 1);
        return {length - 1, nullptr};
    }
    if (length < 3)
        return {0, kFaultNoControl};

    const std::uint8_t* ip = block + 3;
    const std::uint8_t* const end = block + length;
    std::uint8_t* op = out;
    std::uint8_t* const opEnd = out + kChunkSize;
    unsigned control = block[1] << 8 | block[2];
    unsigned left = kGroupItems;

    // Whole groups while the input cannot run out under them. The output is still checked item
    // by item, exactly; only the slack past it takes the wide copies' excess.
    for (;;) {
        if (left == 0) {
            if (end - ip < kFastGroupInput)
                break;
            control = ip[0] << 8 | ip[1];
            ip += 2;
            left = kGroupItems;
        } else if (end - ip < kFastGroupInput - 2) {
            break;
        }
        while (left != 0) {
            if ((control & 0x8000) == 0) {
                // A burst of literals: as many as there are 0 bits at the top of the word.
                const unsigned zeros = static_cast<unsigned>(std::countl_zero(static_cast<std::uint16_t>(control)));
                const unsigned count = std::min(zeros, left);
                if (static_cast<std::size_t>(opEnd - op) < count)
                    return {0, kFaultTooMuch};
                std::memcpy(op, ip, 16);
                op += count;
                ip += count;
                control = (control << count) & 0xFFFF;
                left -= count;
                continue;
            }
            const unsigned b1 = ip[1];
            const std::size_t offset = std::size_t{ip[0]} << 4 | b1 >> 4;
            if (offset == 0) {
                const std::size_t run = (b1 << 8 | ip[2]) + kMinRun;
                if (static_cast<std::size_t>(opEnd - op) < run)
                    return {0, kFaultTooMuch};
                std::memset(op, ip[3], run);
                op += run;
                ip += 4;
            } else {
                const std::size_t copy = (b1 & 15) + kMinCopy;
                if (offset > static_cast<std::size_t>(op - out))
                    return {0, kFaultBeforeStart};
                if (static_cast<std::size_t>(opEnd - op) < copy)
                    return {0, kFaultTooMuch};
                copyMatch(op, offset, copy);
                op += copy;
                ip += 2;
            }
            control = (control << 1) & 0xFFFF;
            --left;
        }
    }

    // The last groups, every byte checked. A group's unused low bits are 0 and the block simply
    // ends: the loop stops at the block's length, not at the control word.
    while (ip < end) {
        if (left == 0) {
            if (end - ip < 2)
                return {0, kFaultNoControl};
            control = ip[0] << 8 | ip[1];
            ip += 2;
            left = kGroupItems;
        }
        if ((control & 0x8000) == 0) {
            if (ip == end)
                return {0, kFaultCutShort};
            if (op == opEnd)
                return {0, kFaultTooMuch};
            *op++ = *ip++;
        } else {
            if (end - ip < 2)
                return {0, kFaultCutShort};
            const unsigned b1 = ip[1];
            const std::size_t offset = std::size_t{ip[0]} << 4 | b1 >> 4;
            if (offset == 0) {
                if (end - ip < 4)
                    return {0, kFaultCutShort};
                const std::size_t run = (b1 << 8 | ip[2]) + kMinRun;
                if (static_cast<std::size_t>(opEnd - op) < run)
                    return {0, kFaultTooMuch};
                std::memset(op, ip[3], run);
                op += run;
                ip += 4;
            } else {
                const std::size_t copy = (b1 & 15) + kMinCopy;
                if (offset > static_cast<std::size_t>(op - out))
                    return {0, kFaultBeforeStart};
                if (static_cast<std::size_t>(opEnd - op) < copy)
                    return {0, kFaultTooMuch};
                const std::uint8_t* from = op - offset;
                for (std::size_t i = 0; i < copy; ++i)
                    op[i] = from[i];
                op += copy;
                ip += 2;
            }
        }
        control = (control << 1) & 0xFFFF;
        --left;
    }
    return {static_cast<std::size_t>(op - out), nullptr};
}

std::size_t decodeBlock(const std::uint8_t* block, std::size_t length, std::uint8_t* out)
{
    const BlockResult result = tryDecodeBlock(block, length, out);
    if (result.fault)
        throw ELzrw1Exception(std::string("Lzrw1 (decompression LZRW1/KH) : damaged block : ") + result.fault);
    return result.size;
}

} // namespace lzrw1
