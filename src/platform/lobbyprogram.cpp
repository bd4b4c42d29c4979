#include "platform/lobbyprogram.h"

#include <QProcess>
#include <QStandardPaths>

QString findLobbyProgram() { return QStandardPaths::findExecutable(QStringLiteral("brisko-lobby")); }

bool startLobbyProgram()
{
    const QString program = findLobbyProgram();
    return !program.isEmpty() && QProcess::startDetached(program, {});
}
