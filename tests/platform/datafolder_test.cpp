#include "platform/datafolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// The player's desktop keeps its data under `folder` while this lives.
class DataHomeAt {
public:
    explicit DataHomeAt(const QString& folder)
        : hadOld_(qEnvironmentVariableIsSet("XDG_DATA_HOME")), old_(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
    }
    ~DataHomeAt()
    {
        if (hadOld_)
            qputenv("XDG_DATA_HOME", old_);
        else
            qunsetenv("XDG_DATA_HOME");
    }

private:
    bool hadOld_;
    QByteArray old_;
};

} // namespace

TEST(DataFolder, ACopyInAWritableFolderKeepsItsFilesBesideItself)
{
    QTemporaryDir program;
    QTemporaryDir home;
    DataHomeAt desktop(home.path());

    EXPECT_EQ(chooseDataFolder(program.path()), program.path());
    // Neither the probe nor an unused user folder is left behind.
    EXPECT_TRUE(QDir(program.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_FALSE(QDir(home.filePath("Tilvaro")).exists());
}

TEST(DataFolder, ACopyWhereNothingCanBeWrittenUsesTheCreatedUserFolder)
{
    QTemporaryDir scratch;
    const QString dataHome = scratch.filePath("share/not/yet/made");
    DataHomeAt desktop(dataHome);
    const QString userFolder = dataHome + "/Tilvaro";
    EXPECT_EQ(userDataFolder(), userFolder);

    // A program folder that has gone away cannot take a file either.
    EXPECT_EQ(chooseDataFolder(scratch.filePath("gone")), userFolder);
    EXPECT_TRUE(canCreateFilesIn(userFolder));

    // An installed copy: a folder without write permission. The superuser writes anywhere, so
    // for root the folder stays the program's own.
    QDir(scratch.path()).mkdir("installed");
    const QString installed = scratch.filePath("installed");
    QFile::setPermissions(installed, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                         QFile::ExeOther);
    EXPECT_EQ(chooseDataFolder(installed), geteuid() == 0 ? installed : userFolder);
    QFile::setPermissions(installed, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
