// What the host's journal costs: whole computer-played games for 2 to 6 seats, the journal written
// after every announced change into a folder on disk, as the hosting program writes it. Prints the
// median, 90th percentile and worst time of a write (state to text, then the temporary file and the
// rename), and of the text alone.
//
//   build/bench/host/journal_write [games per seat count] [folder]      (default 20, the temp folder)

#include "host/journal.h"
#include "host/simulatedio.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class QuietIo : public host::SimulatedIo {
public:
    void send(int, const std::string&) override {}
};

class TimedSink : public host::JournalSink {
public:
    explicit TimedSink(const std::filesystem::path& path) : file(path) {}
    host::JournalFile file;
    const host::Engine* engine = nullptr;
    std::vector<double> writes, texts;  // microseconds
    void save(const std::string&) override
    {
        // The engine hands over its text; time making it too, as the host does both.
        const auto begin = Clock::now();
        const std::string text = host::writeJournal(engine->journalState());
        const auto made = Clock::now();
        file.save(text);
        const auto end = Clock::now();
        texts.push_back(std::chrono::duration<double, std::micro>(made - begin).count());
        writes.push_back(std::chrono::duration<double, std::micro>(end - begin).count());
    }
    void finished() override { file.remove(); }
};

double at(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[std::min(values.size() - 1, static_cast<std::size_t>(share * values.size()))];
}

} // namespace

int main(int argc, char** argv)
{
    const int games = argc > 1 ? std::atoi(argv[1]) : 20;
    const std::filesystem::path folder = argc > 2 ? std::filesystem::path(argv[2])
                                                  : std::filesystem::temp_directory_path() /
                                                        ("tilvaro-journal-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    TimedSink sink(folder / "game.journal");
    std::size_t bytes = 0;
    for (int seats = 2; seats <= 6; ++seats)
        for (int g = 0; g < games; ++g) {
            QuietIo io;
            host::Engine engine(io, static_cast<std::uint32_t>(g * 7919 + seats));
            sink.engine = &engine;
            for (int n = 1; n <= seats; ++n) {
                engine.connectionAccepted(engine.numberForNewConnection());
                host::say(engine, n, "CMD_logininfo+" + std::to_string(n) + "+1.0.4+P" + std::to_string(n));
            }
            engine.setJournal(&sink);
            host::say(engine, 1, "CMD_startgame+P1+10+1+");
            for (int s = seats; s >= 1; --s)
                host::say(engine, 1, "CMD_justwatch+" + std::to_string(s) + "+1");
            bytes = std::max(bytes, host::writeJournal(engine.journalState()).size());
            while (engine.state().gameRunning && host::fireDueTimer(engine, io)) {
            }
        }
    std::filesystem::remove_all(folder);
    if (!sink.file.healthy()) {
        std::fprintf(stderr, "the journal could not be written\n");
        return 1;
    }
    std::printf("%zu writes of up to %zu bytes to %s\n", sink.writes.size(), bytes, folder.c_str());
    std::printf("write (text, temporary file, rename): median %.1f us, 90th percentile %.1f us, worst %.1f us\n",
                at(sink.writes, 0.5), at(sink.writes, 0.9), at(sink.writes, 1.0));
    std::printf("text alone: median %.1f us\n", at(sink.texts, 0.5));
    return 0;
}
