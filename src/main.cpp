// Program entry: one copy per user and session, then the nine windows, then the event loop until
// the table window closes.

#include "app/application.h"
#include "app/fontsahead.h"
#include "app/language.h"
#include "app/program.h"
#include "game/version.h"
#include "platform/messagebox.h"
#include "platform/opener.h"
#include "platform/singleinstance.h"
#include "platform/sound.h"
#include "table/artwork.h"
#include "table/chatinput.h"
#include "table/chatpanel.h"
#include "table/shell.h"

#include <QAction>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QResource>
#include <QSocketNotifier>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include <unistd.h>

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

// TILVARO_SEED: a decimal number from 0 to 4294967295 that seeds the program's random generator
// instead of the clock, so a game can be dealt and played again. Only digits are taken: a sign,
// a blank or a number out of range is an error, not quietly some other seed.
enum class SeedSetting { Unset, Valid, Invalid };
SeedSetting seedFromEnvironment(std::uint32_t& seed)
{
    const char* text = std::getenv("TILVARO_SEED");
    if (!text || !*text)
        return SeedSetting::Unset;
    std::uint64_t value = 0;
    for (const char* c = text; *c; ++c) {
        if (*c < '0' || *c > '9')
            return SeedSetting::Invalid;
        value = value * 10 + static_cast<std::uint64_t>(*c - '0');
        if (value > 0xFFFFFFFFull)
            return SeedSetting::Invalid;
    }
    seed = static_cast<std::uint32_t>(value);
    return SeedSetting::Valid;
}

// Test aid: with TILVARO_TEST_COMMANDS set, lines on standard input act for the table's player:
// "start <rounds>" starts a game as the game start dialog would, "watch" clicks Just Watch,
// "say <text>" types the text (UTF-8) into the chat input and presses Enter.
void followTestCommands(Program& program, QObject* owner)
{
    auto* input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, owner);
    auto* pending = new std::string;
    QObject::connect(input, &QObject::destroyed, [pending] { delete pending; });
    QObject::connect(input, &QSocketNotifier::activated, owner, [&program, input, pending] {
        char buffer[256];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) {
            input->setEnabled(false);
            return;
        }
        pending->append(buffer, static_cast<std::size_t>(count));
        for (std::size_t end; (end = pending->find('\n')) != std::string::npos; pending->erase(0, end + 1)) {
            const QString line = QString::fromLocal8Bit(pending->substr(0, end)).trimmed();
            if (line.startsWith(QStringLiteral("start ")))
                program.chat.shell().startGame({program.chat.shell().playerName(), line.mid(6), QStringLiteral("1"), QString()});
            else if (line == QStringLiteral("watch"))
                program.chat.findChild<QAction*>(QStringLiteral("JustWatch1"))->trigger();
            else if (line.startsWith(QStringLiteral("say "))) {
                program.chat.chatPanel().input()->setText(line.mid(4));
                program.chat.chatPanel().chatInput().sendit();
            }
        }
    });
}

// Answers --help and --version, given as the only argument, before anything needs a display.
// Returns false for every other command line, which belongs to the lobby.
bool answeredInformationRequest(int argc, char** argv)
{
    if (argc != 2)
        return false;
    const std::string argument = argv[1];
    if (argument == "--version") {
        std::printf("tilvaro %s\n", game::version());
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
    std::uint32_t seed = 0;
    const SeedSetting seedSetting = seedFromEnvironment(seed);
    if (seedSetting == SeedSetting::Invalid) {
        std::fprintf(stderr, "tilvaro: TILVARO_SEED must be a whole number from 0 to 4294967295, not \"%s\"\n",
                     std::getenv("TILVARO_SEED"));
        return 2;
    }
    // The command line belongs to the lobby: Qt gets only the program's name, so a player called
    // "-platform" or "-reverse" is just a name.
    QStringList parameters;
    for (int i = 1; i < argc; ++i)
        parameters.append(QString::fromLocal8Bit(argv[i]));
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};

    FontConfigAhead fontConfig;
    TilvaroApplication app(qtArgc, qtArgv);
    const FontListAhead fontList(fontConfig);
    installDesktopTranslations(app);
    // The desktop entry's name, so Wayland and X11 docks match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tilvaro.Tilvaro"));
    // The title bar, task bar and window switcher use the small sizes; the menu and larger views
    // take the installed icon. Every size given here is sent to the display at start, so they
    // are embedded as plain pixels: decoding a PNG would load every picture format plugin first.
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(textureFromBytes(
            QResource(QStringLiteral(":/textures/icon%1.texture").arg(size)).uncompressedData())));
    QGuiApplication::setWindowIcon(icon);
    SingleInstance instance(QStringLiteral("oksirb"));
    if (instance.anotherInstanceRuns())
        return 0;

    QtMessageBoxes boxes;
    SoundPlayer* sounds = createSystemSoundPlayer(&app);
    QtOpener opener;
    Program program(*sounds, boxes, dataFolder(), &opener);
    // The table seeded the generator from the clock when it was made; nothing has drawn from it yet.
    if (seedSetting == SeedSetting::Valid)
        program.chat.shell().random().seed(seed);
    instance.setBringForward([&program] { bringWindowForward(&program.chat); });
    program.chat.hooks.onClosed = [] { QCoreApplication::quit(); };
    // Test aids: the seat captions on stdout whenever they change, and ports of the test's choosing.
    if (qEnvironmentVariableIsSet("TILVARO_TEST_PRINT_SEATS"))
        program.reportSeatsTo(stdout);
    if (const auto port = testPort("TILVARO_TEST_GAME_PORT")) {
        program.server.Sock1.setPortName(std::to_string(*port));
        program.chat.shell().setGamePort(*port);
    }
    if (const auto port = testPort("TILVARO_TEST_LOBBY_PORT"))
        program.chat.shell().Sock11.setPortName(std::to_string(*port));
    if (qEnvironmentVariableIsSet("TILVARO_TEST_COMMANDS"))
        followTestCommands(program, &app);
    // Test aid: each second of the hosting table's turn time limit lasts this many milliseconds.
    if (bool ok = false; qEnvironmentVariableIntValue("TILVARO_TEST_TURN_SECOND", &ok) > 0 && ok)
        program.server.setTurnLimitSecond(qEnvironmentVariableIntValue("TILVARO_TEST_TURN_SECOND"));

    program.chat.shell().setCommandLine(parameters);
    program.chat.show();
    return app.exec();
}
