#pragma once
// What both table benchmarks share: the host listening on a free loopback port, tables that log
// in to it, and waiting on the event loop without sleeping.
#include "host/serverform.h"
#include "table/chatform.h"
#include "table/link.h"
#include "table/menus.h"
#include "table/shell.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>

// Runs the event loop until done() holds; false after the time-out.
inline bool runUntil(const std::function<bool()>& done, int milliseconds = 30000)
{
    QTimer wake; // only so that the time-out is noticed when nothing else happens
    wake.start(100);
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.hasExpired(milliseconds))
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

inline void require(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "bench failed: %s\n", what);
        std::exit(1);
    }
}

// Connects a table to the host and waits until the host has seated it and has nothing left to
// handle: a login still queued at the host would hold up whatever the benchmark sends next by the
// host's dispatch interval per line.
inline void join(Tchat& table, TServer& server, const char* name)
{
    table.shell().setPlayerName(QString::fromLatin1(name));
    table.show();
    table.link().connectToHost(QStringLiteral("127.0.0.1"), server.port());
    require(runUntil([&] {
                const mirror::TableState& state = table.mirror().state();
                return state.loggedIn && mirror::isSeat(state.ownSeat) &&
                       table.mirror().seat(state.ownSeat).name == name && server.engine().queuedLines() == 0 &&
                       table.link().queuedMessages() == 0;
            }),
            "login");
}
