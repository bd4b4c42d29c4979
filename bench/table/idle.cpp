// Idle CPU of a solo game: the host and the player's table in one process, the computer seat
// played, the game waiting for the player's move. Prints the CPU time used over the window as a
// percentage of one core, and how often the process woke.
#include "benchsetup.h"

#include "platform/messagebox.h"
#include "platform/sound.h"

#include <QApplication>
#include <QWidget>

#include <fstream>
#include <string>

#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Voluntary context switches of the whole process: each is a sleep that ended in a wake-up.
long wakeups()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key)
        if (key == "voluntary_ctxt_switches:") {
            status >> value;
            return value;
        }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;

    SoundPlayer* sounds = createSystemSoundPlayer(&app);
    QtMessageBoxes boxes;
    TServer server;
    server.Sock1.setPortName("0");
    server.startListening();
    Tchat table(*sounds, boxes);
    server.botSpeedProvider = [&] { return table.menus().botSpeed(); };
    table.setHosting(true);
    join(table, server, "You");
    table.link().sock.Send(std::string("CMD_startgame+You+10+1+") + '\xFF');
    auto* pass = table.findChild<QWidget*>(QStringLiteral("button_pass"));
    require(runUntil([&] { return table.mirror().state().turnSeat == table.mirror().state().ownSeat && pass->isVisible(); }), "the player's turn");
    // Let the last sounds and repaints settle; then only the event loop runs, with no timer of ours.
    QTimer::singleShot(500, &app, &QCoreApplication::quit);
    app.exec();

    const double cpuBefore = cpuSeconds();
    const long wakesBefore = wakeups();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    const double elapsed = wall.nsecsElapsed() / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;
    std::printf("idle_seconds %.1f\n", elapsed);
    std::printf("idle_cpu_percent %.3f\n", 100.0 * cpu / elapsed);
    std::printf("idle_wakeups_per_second %.1f\n", (wakeups() - wakesBefore) / elapsed);
    require(table.mirror().state().turnSeat == table.mirror().state().ownSeat, "still the player's turn");
    return 0;
}
