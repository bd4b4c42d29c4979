#pragma once
// The host's journal: the state of a running game as versioned plain text with a checksum, written
// after every change the host announces, so that a game outlives a crash of the hosting program.
//
// Contract: a journal is read as hostile input. readJournal() never reads outside its text, never
// throws, and accepts a journal only when every value in it is one a live game could hold (the
// deal matches the deck, the board matches the rules, the totals add up to a plausible game);
// anything else is refused with a reason and nothing of it is used.

#include "host/engine.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// Everything needed to continue a game exactly where it stopped.
struct JournalState {
    HostState state;  // seats 1..6 and the game; connections and names of the moment are not kept
    std::uint32_t random = 0;    // the generator's state
    std::uint32_t gameSeed = 0;  // the generator's state when the game started
    // How many moves the strong computer has chosen for each seat this game: its play-outs are
    // seeded with the count, so a resumed game decides as the uninterrupted one would.
    std::array<std::uint64_t, kSeats + 1> strongDecisions{};
};

std::string writeJournal(const JournalState& journal);
// The body with its checksum line after it.
std::string sealJournal(std::string body);
// The state, or nothing with the reason in `why`.
std::optional<JournalState> readJournal(std::string_view text, std::string* why = nullptr);

// The players of a journaled game, in seat order: the seats kept for someone.
std::vector<std::string> journalPlayers(const HostState& state);

// The journal on disk: written through a temporary file and a rename, so it is whole or absent.
class JournalFile : public JournalSink {
public:
    explicit JournalFile(std::filesystem::path path) : path_(std::move(path)) {}
    const std::filesystem::path& path() const { return path_; }

    void save(const std::string& text) override;
    void finished() override { remove(); }

    // The text, or nothing when there is no journal (or it cannot be read at all).
    std::optional<std::string> load() const;
    // How long ago it was last written; nothing when there is none.
    std::optional<std::chrono::seconds> age() const;
    void remove();
    // Renames it to "<name>.<suffix>" (".<suffix>.1", ... when taken); the new path, or empty.
    std::filesystem::path setAside(const std::string& suffix);
    // False once a write has failed; the game goes on without a journal.
    bool healthy() const { return healthy_; }

private:
    std::filesystem::path path_;
    bool healthy_ = true;
};

} // namespace host
