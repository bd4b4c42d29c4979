// Records the table fuzzer's seeds: what the real host engine sends to one connection over a few
// typical evenings (a whole game, a spectator, a late arrival, chat and comings and goings, a
// full table). Each seed is the fuzzer's mode byte (the cuts and the table's own connection
// number) followed by the bytes that connection received, exactly as on the wire.
//
//   build-fuzz/table_record_seeds fuzz/table/seeds_table

#include "host/simulatedio.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

class RecordingIo : public host::SimulatedIo {
public:
    std::string received[host::kRefused + 1];

    void send(int n, const std::string& wire) override
    {
        if (n >= 1 && n <= host::kRefused)
            received[n] += wire;
    }
    void close(int n) override
    {
        if (engine && n >= 1 && n <= host::kConnections)
            engine->connectionLost(n);
    }

    host::Engine* engine = nullptr;
};

class Evening {
public:
    explicit Evening(std::uint32_t seed) : engine(io, seed) { io.engine = &engine; }

    int join(const std::string& name, const std::string& version = "1.0.4")
    {
        const int n = engine.numberForNewConnection();
        engine.connectionAccepted(n);
        if (n <= host::kConnections)
            say(n, "CMD_logininfo+" + std::to_string(n) + "+" + version + "+" + name);
        return n;
    }
    void say(int n, const std::string& message) { host::say(engine, n, message); }
    // Lets the computer and the pauses play on until the game ends or `steps` moves were made.
    void play(int steps)
    {
        for (int step = 0; step < steps && engine.state().gameRunning; ++step)
            if (!host::fireDueTimer(engine, io))
                break;
    }

    RecordingIo io;
    host::Engine engine;
};

void write(const std::string& folder, const std::string& name, int cutting, int ownSeat, const std::string& bytes)
{
    const int mode = cutting | (ownSeat - 1) << 2;
    std::ofstream out(folder + "/" + name, std::ios::binary);
    out << static_cast<char>(mode) << bytes;
    if (!out) {
        std::fprintf(stderr, "cannot write %s/%s\n", folder.c_str(), name.c_str());
        std::exit(1);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];

    {
        // A whole three-round game for two players and the computer, the players just watching
        // so the computer plays every seat; one refused play on the way.
        Evening evening(7);
        evening.join("Ann");
        evening.join("Bob");
        evening.say(1, "CMD_startgame+Ann+3+1+");
        evening.say(2, "CMD_justwatch+2+1");
        evening.say(1, "CMD_playbone+1+1+1+1+");
        evening.say(1, "CMD_justwatch+1+1");
        evening.play(2000);
        write(folder, "game_seat1", 0, 1, evening.io.received[1]);
        write(folder, "game_seat2_split", 2, 2, evening.io.received[2]);
    }
    {
        // A spectator and a late arrival while a game runs; the newcomer starts next round with
        // the average total.
        Evening evening(11);
        evening.join("Ann");
        evening.say(1, "CMD_startgame+Ann+3+3+");
        evening.say(1, "CMD_justwatch+1+1");
        evening.play(25);
        evening.join("Cy");
        evening.join("Dee");
        evening.join("Eve");
        for (int n = 5; n <= 7; ++n)
            evening.join("Spy" + std::to_string(n));
        for (int seat = 2; seat <= 6; ++seat)
            evening.say(seat, "CMD_justwatch+" + std::to_string(seat) + "+1");
        evening.play(40);
        write(folder, "late_arrival", 3, 3, evening.io.received[3]);
        write(folder, "spectator", 0, 7, evening.io.received[7]);
    }
    {
        // Chat, actions, chatter sounds, Just Watch, a wrong version, players leaving.
        Evening evening(3);
        evening.join("Ann");
        evening.join("Bob");
        evening.join("Cy", "1.0.3");
        evening.join("Spy");
        evening.say(2, "CMD_chat+2+hello all|clBlue");
        evening.say(1, "CMD_chat+1+hi Bob|16711680");
        evening.say(2, "CMD_action+2+waves|$FF00");
        evening.say(1, "CMD_chat+1+no colour");
        evening.say(2, "CMD_playasound+2+wave4+");
        evening.say(2, "CMD_justwatch+2+1");
        evening.say(2, "CMD_justwatch+2+2");
        evening.say(1, "CMD_kickhim+1+3+");
        evening.engine.connectionLost(4);
        evening.engine.connectionLost(2);
        write(folder, "chat_and_seats", 3, 1, evening.io.received[1]);
        write(folder, "wrong_version", 1, 3, evening.io.received[3]);
    }
    {
        // A tenth connection is turned away.
        Evening evening(5);
        for (int n = 1; n <= host::kConnections; ++n)
            evening.join("P" + std::to_string(n));
        evening.engine.connectionAccepted(evening.engine.numberForNewConnection());
        write(folder, "full", 0, 4, evening.io.received[host::kRefused]);
    }
    return 0;
}
