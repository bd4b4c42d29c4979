// How fast the host engine takes lines through the framer and the dispatcher, with no sockets:
// nine logged-in connections send a mix of chat, action, sound, bot speed and unknown lines in
// reads of about one TCP segment; every line is handled and every relay built and "sent".
//
//   build/bench/host/host_dispatch [lines]        (default 2,000,000)

#include "host/simulatedio.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

class CountingIo : public host::SimulatedIo {
public:
    long long messages = 0;
    long long bytes = 0;
    void send(int, const std::string& wire) override
    {
        ++messages;
        bytes += static_cast<long long>(wire.size());
    }
    int botSpeed() override { return 1000; }
};

} // namespace

int main(int argc, char** argv)
{
    const long long wanted = argc > 1 ? std::atoll(argv[1]) : 2000000;
    CountingIo io;
    host::Engine engine(io, 1);
    for (int n = 1; n <= host::kConnections; ++n) {
        engine.connectionAccepted(engine.numberForNewConnection());
        engine.Sock1Read(n, "CMD_logininfo+" + std::to_string(n) + "+1.0.4+Player" + std::to_string(n) + "\xFF");
        while (engine.queuedLines() > 0)
            engine.socktimerTimer();
    }

    // One stream per connection, cut into reads of 1448 bytes (a loopback-sized TCP segment).
    std::vector<std::vector<std::string>> reads(host::kConnections + 1);
    long long linesPerRound = 0;
    for (int n = 1; n <= host::kConnections; ++n) {
        const std::string k = std::to_string(n);
        std::string stream;
        for (int i = 0; i < 40; ++i) {
            stream += "CMD_chat+" + k + "+good game, well played\xFF";
            stream += "CMD_action+" + k + "+waves\xFF";
            stream += "CMD_playasound+" + k + "+wave3+\xFF";
            stream += "CMD_botspeed+" + k + "+500+\xFF";
            stream += "CMD_whatever+" + k + "+\xFF";
            linesPerRound += 5;
        }
        for (std::size_t at = 0; at < stream.size(); at += 1448)
            reads[n].push_back(stream.substr(at, 1448));
    }

    const auto begin = std::chrono::steady_clock::now();
    long long lines = 0;
    long long bytesIn = 0;
    while (lines < wanted) {
        for (int n = 1; n <= host::kConnections; ++n)
            for (const auto& read : reads[n]) {
                engine.Sock1Read(n, read);
                bytesIn += static_cast<long long>(read.size());
                while (engine.queuedLines() > 0)
                    engine.socktimerTimer();
            }
        lines += linesPerRound;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    std::printf("host dispatch: %lld lines in %.3f s: %.0f lines/s, %.1f MB/s in, %.0f messages/s out (%.1f MB/s)\n",
                lines, seconds, lines / seconds, bytesIn / seconds / 1e6, io.messages / seconds, io.bytes / seconds / 1e6);
    return 0;
}
