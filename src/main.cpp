// Program entry: one copy per user and session, then the nine windows, then the event loop until
// the table window closes.

#include "app/application.h"
#include "app/program.h"
#include "platform/messagebox.h"
#include "platform/singleinstance.h"
#include "platform/sound.h"

#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    // Taken before Qt removes the options it knows, so a player called "-reverse" keeps the name.
    QStringList parameters;
    for (int i = 1; i < argc; ++i)
        parameters.append(QString::fromLocal8Bit(argv[i]));

    TilvaroApplication app(argc, argv);
    SingleInstance instance(QStringLiteral("oksirb"));
    if (instance.anotherInstanceRuns())
        return 0;

    QtMessageBoxes boxes;
    SoundPlayer* sounds = createSystemSoundPlayer(&app);
    Program program(*sounds, boxes);
    instance.setBringForward([&program] { bringWindowForward(&program.chat); });
    program.chat.onClosed = [] { QCoreApplication::quit(); };
    // A test aid: the seat captions on stdout whenever they change.
    if (qEnvironmentVariableIsSet("TILVARO_TEST_PRINT_SEATS"))
        program.reportSeatsTo(stdout);

    program.chat.setCommandLine(parameters);
    program.chat.show();
    return app.exec();
}
