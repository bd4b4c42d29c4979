// Program entry: one copy per user and session, then the nine windows, then the event loop until
// the table window closes.

#include "app/application.h"
#include "app/program.h"
#include "platform/messagebox.h"
#include "platform/opener.h"
#include "platform/singleinstance.h"
#include "platform/sound.h"

#include <QIcon>
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

// Answers --help and --version, given as the only argument, before anything needs a display.
// Returns false for every other command line, which belongs to the lobby.
bool answeredInformationRequest(int argc, char** argv)
{
    if (argc != 2)
        return false;
    const std::string argument = argv[1];
    if (argument == "--version") {
        std::printf("tilvaro %s\n", TILVARO_VERSION);
        return true;
    }
    if (argument == "--help") {
        std::printf("Usage: tilvaro                       a solo game against the computer\n"
                    "       tilvaro NAME HOST true        host a table as NAME (HOST is not used)\n"
                    "       tilvaro NAME HOST false       join the table at HOST as NAME\n"
                    "       tilvaro --help | --version\n"
                    "\n"
                    "Chicken Foot dominoes for up to six players. Games use TCP port 7772;\n"
                    "anything but exactly \"true\" joins. See tilvaro(6) for the files it keeps.\n");
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (answeredInformationRequest(argc, argv))
        return 0;
    // The command line belongs to the lobby: Qt gets only the program's name, so a player called
    // "-platform" or "-reverse" is just a name.
    QStringList parameters;
    for (int i = 1; i < argc; ++i)
        parameters.append(QString::fromLocal8Bit(argv[i]));
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};

    TilvaroApplication app(qtArgc, qtArgv);
    // The desktop entry's name, so Wayland and X11 docks match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tilvaro.Tilvaro"));
    // The title bar, task bar and window switcher use the small sizes; the menu and larger views
    // take the installed icon. Every size given here is decoded and sent to the display at start.
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icon/%1.png").arg(size), QSize(size, size));
    QGuiApplication::setWindowIcon(icon);
    SingleInstance instance(QStringLiteral("oksirb"));
    if (instance.anotherInstanceRuns())
        return 0;

    QtMessageBoxes boxes;
    SoundPlayer* sounds = createSystemSoundPlayer(&app);
    QtOpener opener;
    Program program(*sounds, boxes, dataFolder(), &opener);
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
