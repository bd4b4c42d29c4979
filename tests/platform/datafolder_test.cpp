#include "platform/datafolder.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

TEST(DataFolder, BesideTheProgramWhenWritableElseInTheCreatedUserFolder)
{
    QTemporaryDir scratch;
    const QString dataHome = scratch.filePath("share/not/yet/made");
    auto restore = qScopeGuard([old = qgetenv("XDG_DATA_HOME")] { qputenv("XDG_DATA_HOME", old); });
    qputenv("XDG_DATA_HOME", dataHome.toLocal8Bit());
    const QString userFolder = dataHome + "/Tilvaro";

    QDir(scratch.path()).mkdir("program");
    const QString program = scratch.filePath("program");
    EXPECT_EQ(chooseDataFolder(program), program);
    // Neither the probe file nor an unused user folder is left behind.
    EXPECT_TRUE(QDir(program).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_FALSE(QDir(userFolder).exists());

    // A program folder that has gone away takes no file either.
    EXPECT_EQ(chooseDataFolder(scratch.filePath("gone")), userFolder);
    EXPECT_TRUE(canCreateFilesIn(userFolder));

    // An installed copy, in a folder without write permission (which the superuser ignores).
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(chooseDataFolder(program), geteuid() == 0 ? program : userFolder);
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(DataFolder, AProgramInASystemFolderKeepsItsFilesInTheUserFolderEvenForTheSuperuser)
{
    QTemporaryDir scratch;
    auto restore = qScopeGuard([old = qgetenv("XDG_DATA_HOME")] { qputenv("XDG_DATA_HOME", old); });
    qputenv("XDG_DATA_HOME", scratch.filePath("data").toLocal8Bit());
    const QString userFolder = scratch.filePath("data/Tilvaro");

    for (const char* folder : {"/usr/games", "/usr/games/", "/usr/bin", "/usr/local/bin", "/usr/local/games", "/bin"}) {
        EXPECT_TRUE(isSystemProgramFolder(folder)) << folder;
        EXPECT_EQ(chooseDataFolder(folder), userFolder) << folder;
    }
    // A link to a system folder leads there; folders merely inside or beside them do not count.
    ASSERT_TRUE(QFile::link("/usr/games", scratch.filePath("games-link")));
    EXPECT_TRUE(isSystemProgramFolder(scratch.filePath("games-link")));
    for (const QString& folder : {QStringLiteral("/usr/games/tilvaro"), QStringLiteral("/usr/share/games"),
                                  QStringLiteral("/opt/tilvaro/bin"), scratch.path(), QString()})
        EXPECT_FALSE(isSystemProgramFolder(folder)) << folder.toStdString();
    EXPECT_EQ(chooseDataFolder(scratch.path()), scratch.path());
}
