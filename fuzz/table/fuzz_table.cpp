// Arbitrary bytes from the host into a table window: through the socket's framer, the receive
// queue and the dispatcher into every handler, offscreen, with the window painted after each
// input. The sanitizers catch memory and arithmetic faults; the checks below catch a hand whose
// row and pictures disagree, a tick that handles nothing, and a message that opens a box other
// than "Game is full".
//
// Input: byte 0 chooses how the rest is cut into reads and who this table is; the rest is the
// stream (messages end with 0xFF). Bits 0-1: one read, single bytes, pseudo-random pieces of 1 to
// 64 bytes, or one message per read. Bits 2-5: the table's own connection number (1 to 9, given
// by a login at the start). Bit 6: chatter sounds on. Bit 7: the "New" turn sound.
//
// One window serves many inputs, since making one draws all its pictures. Before each input it is
// brought back to a fresh start by messages (its login, every seat left, a new game) and its chat
// and spectator list emptied. Every few hundred inputs, and after "CMD_full" closed it, it is made
// anew, so what a fresh start cannot reset does not pile up.

#include "game/random.h"
#include "net/tsock.h"
#include "platform/messagebox.h"
#include "platform/sound.h"
#include "table/chatform.h"
#include "table/link.h"
#include "table/shell.h"
#include "table/sounds.h"
#include "table/chatpanel.h"
#include "table/tablewidgets.h"
#include "../readcuts.h"

#include <QApplication>
#include <QStringListModel>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

constexpr int kInputsPerWindow = 500;

struct Fixture {
    RecordingSoundPlayer sounds;
    RecordingMessageBoxes boxes;
    std::unique_ptr<Tchat> table;
    int inputs = 0;
};

Fixture* fixture = nullptr;

// One tick, as the application runs it: an error of our socket component (sending the login on a
// table that has no connection) is shown in a box and the program goes on. Anything else thrown
// is a fault and ends the run.
void tick(Tchat& table)
{
    try {
        table.link().Timer1Timer();
    } catch (const ESockException&) {
    }
}

void drain(Tchat& table)
{
    // A handler never queues messages itself, so the queue only shrinks.
    for (std::size_t left = table.link().queuedMessages(); left > 0; left = table.link().queuedMessages()) {
        tick(table);
        if (table.link().queuedMessages() >= left)
            std::abort(); // a tick that handled nothing while messages wait
    }
}

void feed(Tchat& table, const std::string& message)
{
    table.link().queueReceived(message + '\xFF');
    drain(table);
}

void freshStart(Fixture& f, int ownSeat, bool chatterSounds, bool newTurnSound)
{
    if (!f.table || f.inputs % kInputsPerWindow == 0 || !f.table->isVisible()) {
        f.table.reset();
        f.table = std::make_unique<Tchat>(f.sounds, f.boxes);
        f.table->shell().setPlayerName(QStringLiteral("Ann"));
        f.table->show();
    }
    ++f.inputs;
    Tchat& table = *f.table;
    table.sounds().setPlayChatterSounds(chatterSounds);
    table.sounds().setTurnSound(newTurnSound ? 1 : 0);

    // Whatever the last input left half received is not part of this one.
    table.link().queueReceived(std::string(1, '\xFF'));
    drain(table);
    feed(table, "CMD_sendlogininfo+" + std::to_string(ownSeat));
    for (int seat = 1; seat <= mirror::kSeatCount; ++seat)
        feed(table, "CMD_playerdisconnected+" + std::to_string(seat) + "+x");
    feed(table, "CMD_startgame+Ann+10+");
    table.spectators()->setStringList({});
    table.chatPanel().ClearMainChat1Click();
    f.sounds.played.clear();
    f.boxes.shown.clear();
}

// The hand's places are filled from the left without gaps, each holding a different slot, and
// each shows exactly one picture of its bone.
void checkHand(Tchat& table)
{
    int held = 0;
    bool seen[mirror::kHandPlaces + 1] = {};
    for (int place = 1; place <= mirror::kHandPlaces; ++place) {
        const int slot = table.mirror().state().hand.place(place).slot;
        if (slot == -1)
            continue;
        if (slot < 1 || slot > mirror::kHandPlaces || seen[slot] || place != held + 1)
            std::abort();
        seen[slot] = true;
        ++held;
        if (table.findChildren<BoneImage*>(QStringLiteral("bone%1").arg(slot)).size() != 1)
            std::abort();
    }
    if (table.findChildren<BoneImage*>().size() != held)
        std::abort();
}

// Qt's warnings (the offscreen platform's, a dropped overlong message) would flood the output;
// only its fatal errors matter.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qInstallMessageHandler(quietMessages);
    // Qt keeps the arguments for the application's life.
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    (void)argc;
    new QApplication(qtArgc, qtArgv);
    fixture = new Fixture;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int mode = data[0];
    const int cutting = mode & 3;
    const int ownSeat = 1 + ((mode >> 2) & 15) % mirror::kMaxConnection;
    std::string_view stream(reinterpret_cast<const char*>(data + 1), size - 1);

    freshStart(*fixture, ownSeat, (mode & 64) != 0, (mode & 128) != 0);
    Tchat& table = *fixture->table;
    game::Random chance(static_cast<std::uint32_t>(size) * 2654435761u + static_cast<std::uint32_t>(mode));

    while (!stream.empty()) {
        const std::size_t length = nextReadLength(stream, cutting, chance);
        table.link().queueReceived(stream.substr(0, length));
        stream.remove_prefix(length);
        // Reads and ticks interleave as the event loop delivers them.
        for (int ticks = static_cast<int>(chance.random(4)); ticks > 0 && table.link().queuedMessages() > 0; --ticks)
            tick(table);
    }
    drain(table);
    checkHand(table);
    // "Game is full" is the only box a message may open; nothing else reaches the player's screen
    // as a dialog (an escaped error would).
    for (const QString& box : fixture->boxes.shown)
        if (box != QStringLiteral("Game is full"))
            std::abort();
    // Paint what the messages changed: the board, the hand, the chat.
    QCoreApplication::processEvents();
    return 0;
}
