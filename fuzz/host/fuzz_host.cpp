// Arbitrary bytes from the network into the host engine: through each connection's framer, the
// receive queue and the dispatcher, with connections coming and going and the game's timers
// firing in between. The sanitizers catch memory and arithmetic faults; the checks below catch a
// message sent to a connection that is not there, a broken message, or a bone in two places.
//
// Input: byte 0 chooses how the rest is cut into reads and whom they come from; the rest is the
// stream (messages end with 0xFF). Bits 0-1: one read, single bytes, pseudo-random pieces of 1 to
// 64 bytes, or one message per read. Bits 2-3: each read comes from the connection its first field
// names (an honest table), from connection 1, from a pseudo-random connection, or honest with a
// few lies. Bits 4-7: how many connections are there at the start (1 to 9). Now and then a
// connection is lost (what it queued is still handled), stops reading, or reaches its login
// deadline; nothing may then be sent to it.

#include "host/simulatedio.h"
#include "../readcuts.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

namespace {

class FuzzIo : public host::SimulatedIo {
public:
    host::Engine* engine = nullptr;
    std::array<bool, host::kRefused + 1> gone{};           // closed or lost, until accepted again
    std::array<std::size_t, host::kRefused + 1> backlog{};  // what each connection leaves unread

    void send(int n, const std::string& wire) override
    {
        const bool refusing = n == host::kRefused;
        if (n < 1 || n > host::kRefused || (!refusing && (!engine->state().records[n].open || gone[n])))
            std::abort();  // sent to a connection that is not there
        if (wire.empty() || wire.find('\xFF') != wire.size() - 1 || wire.size() > 4097)
            std::abort();  // a table could not read it as one message
    }
    void close(int n) override
    {
        if (n >= 1 && n <= host::kConnections) {
            gone[n] = true;
            engine->connectionLost(n);
        }
    }
    std::size_t unsent(int n) override { return n >= 0 && n <= host::kRefused ? backlog[n] : 0; }
    // A player coming back to their own seat: the connection goes on under its new number.
    void renumber(int from, int to) override
    {
        if (from < 1 || from > host::kConnections || to < 1 || to > host::kConnections || gone[from])
            std::abort();
        gone[to] = false;
        gone[from] = true;
        backlog[to] = std::exchange(backlog[from], 0);
    }
};

// No bone may be in two hands, or in a hand and on the board, at once.
void checkBones(const host::HostState& state)
{
    bool seen[game::kBoneCount + 1] = {};
    const auto mark = [&seen](int bone) {
        if (bone < 0 || bone > game::kBoneCount || (bone != 0 && seen[bone]))
            std::abort();
        if (bone != 0)
            seen[bone] = true;
    };
    for (int seat = 1; seat <= host::kSeats; ++seat)
        for (int bone : state.seat(seat).hand)
            mark(bone);
    for (int toe = 1; toe <= game::kToes; ++toe)
        for (int position = 1; position <= game::kToePositions; ++position)
            mark(state.board.cell(toe, position).bone);
    if (state.turnSeat < 0 || state.turnSeat > host::kSeats)
        std::abort();
}

int firstField(std::string_view read)
{
    const auto plus = read.find('+');
    if (plus == std::string_view::npos)
        return 1;
    const auto field = read.substr(plus + 1, read.find('+', plus + 1) - plus - 1);
    const auto number = game::parseInt(field);
    return number && *number >= 1 && *number <= host::kConnections ? *number : 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int mode = data[0];
    const int cutting = mode & 3;
    const int routing = (mode >> 2) & 3;
    std::string_view stream(reinterpret_cast<const char*>(data + 1), size - 1);

    FuzzIo io;
    host::Engine engine(io, mode);
    io.engine = &engine;
    game::Random chance(static_cast<std::uint32_t>(size) * 2654435761u + static_cast<std::uint32_t>(mode));
    const int connections = 1 + (mode >> 4) % host::kConnections;
    const auto accept = [&] {
        const int n = engine.numberForNewConnection();
        if (n <= host::kConnections) {
            io.gone[n] = false;
            io.backlog[n] = 0;
        }
        engine.connectionAccepted(n);
    };
    for (int i = 0; i < connections; ++i)
        accept();

    while (!stream.empty()) {
        const std::size_t length = nextReadLength(stream, cutting, chance);
        const auto read = stream.substr(0, length);
        stream.remove_prefix(length);

        int from = 1;
        if (routing == 0 || (routing == 3 && chance.random(10) != 0))
            from = firstField(read);
        else if (routing == 2 || routing == 3)
            from = 1 + static_cast<int>(chance.random(host::kConnections));
        engine.Sock1Read(from, read);

        // Connections come and go now and then, stop reading, or miss their login deadline.
        if (chance.random(16) == 0) {
            const int n = 2 + static_cast<int>(chance.random(host::kConnections - 1));
            io.gone[n] = true;
            engine.connectionLost(n);
            accept();
        }
        if (chance.random(32) == 0)
            io.backlog[1 + chance.random(host::kConnections)] = host::Engine::kMaxUnsentBytes + 1;
        if (chance.random(16) == 0)
            engine.loginTimerTimer(1 + static_cast<int>(chance.random(host::kConnections)));
        for (int tick = 0; tick < 200 && engine.queuedLines() > 0; ++tick)
            engine.socktimerTimer();
        // Let the computer and the pauses move the game on a little between reads.
        for (int tick = 0, ticks = static_cast<int>(chance.random(8)); tick < ticks; ++tick)
            host::fireDueTimer(engine, io);
        checkBones(engine.state());
    }
    return 0;
}
