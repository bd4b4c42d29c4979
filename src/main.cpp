// Program entry: one copy per user and session, then the nine windows, then the event loop until
// the table window closes.

#include "app/application.h"
#include "app/program.h"
#include "platform/messagebox.h"
#include "platform/singleinstance.h"
#include "platform/sound.h"

#include <QStringList>

#include <cstdio>
#include <optional>
#include <string>

namespace {

// A port given in the environment by the tests, which run beside a game the player may have
// open; nothing else sets these.
std::optional<int> testPort(const char* variable)
{
    bool ok = false;
    const int port = qEnvironmentVariableIntValue(variable, &ok);
    if (!ok || port < 1 || port > 65535)
        return std::nullopt;
    return port;
}

} // namespace

int main(int argc, char** argv)
{
    // The command line belongs to the lobby: Qt gets only the program's name, so a player called
    // "-platform" or "-reverse" is just a name.
    QStringList parameters;
    for (int i = 1; i < argc; ++i)
        parameters.append(QString::fromLocal8Bit(argv[i]));
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};

    TilvaroApplication app(qtArgc, qtArgv);
    SingleInstance instance(QStringLiteral("oksirb"));
    if (instance.anotherInstanceRuns())
        return 0;

    QtMessageBoxes boxes;
    SoundPlayer* sounds = createSystemSoundPlayer(&app);
    Program program(*sounds, boxes);
    instance.setBringForward([&program] { bringWindowForward(&program.chat); });
    program.chat.onClosed = [] { QCoreApplication::quit(); };
    // Test aids: the seat captions on stdout whenever they change, and ports of the test's choosing.
    if (qEnvironmentVariableIsSet("TILVARO_TEST_PRINT_SEATS"))
        program.reportSeatsTo(stdout);
    if (const auto port = testPort("TILVARO_TEST_GAME_PORT")) {
        program.server.Sock1.setPortName(std::to_string(*port));
        program.chat.setGamePort(*port);
    }
    if (const auto port = testPort("TILVARO_TEST_LOBBY_PORT"))
        program.chat.Sock11.setPortName(std::to_string(*port));

    program.chat.setCommandLine(parameters);
    program.chat.show();
    return app.exec();
}
