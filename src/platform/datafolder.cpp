#include "platform/datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

QString chooseDataFolder(const QString& programFolder)
{
    if (!isSystemProgramFolder(programFolder) && canCreateFilesIn(programFolder))
        return programFolder;
    const QString folder = userDataFolder();
    // Should this fail too, writing the settings will report it when it happens.
    QDir().mkpath(folder);
    return folder;
}

QString dataFolder() { return chooseDataFolder(QCoreApplication::applicationDirPath()); }

QString userDataFolder()
{
    // Not the application's own data location: that one depends on names the shell may set
    // later, and the folder must be the same in every run.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Tilvaro"));
}

bool isSystemProgramFolder(const QString& folder)
{
    // The superuser can write anywhere, yet a file left in /usr/games would outlive the package.
    // A folder reached through a link (/bin -> /usr/bin) counts by where it leads.
    static const QStringList system = {QStringLiteral("/usr/bin"), QStringLiteral("/usr/games"),
                                       QStringLiteral("/usr/local/bin"), QStringLiteral("/usr/local/games"),
                                       QStringLiteral("/bin"), QStringLiteral("/usr/sbin"),
                                       QStringLiteral("/sbin")};
    const QString clean = QDir::cleanPath(folder);
    const QString real = QFileInfo(folder).canonicalFilePath();
    return system.contains(clean) || (!real.isEmpty() && system.contains(real));
}

bool canCreateFilesIn(const QString& folder)
{
    if (folder.isEmpty() || !QDir(folder).exists())
        return false;
    // Permission bits do not tell the whole story (read-only mounts, access lists, root).
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".tilvaro-probe-XXXXXX")));
    return probe.open();
}
