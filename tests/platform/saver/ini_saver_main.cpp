// Saves the settings section in a loop, for the tests that kill it mid-save or run two at once.
// Arguments: the file, a key prefix, and how many saves (0: until killed). Every save sets the
// keys <prefix>1 to <prefix>12 to the save's number, beside a long <prefix>Pad, and then prints
// "saved <number>".
#include "platform/inifile.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: ini_saver FILE PREFIX SAVES\n");
        return 2;
    }
    ini::IniFile file(QString::fromLocal8Bit(argv[1]));
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const int saves = std::atoi(argv[3]);
    const QString pad(20000, QLatin1Char('x'));
    for (int save = 0; saves == 0 || save < saves; ++save) {
        ini::KeyValues values;
        for (int key = 1; key <= 12; ++key)
            values.append({prefix + QString::number(key), QString::number(save)});
        values.append({prefix + QStringLiteral("Pad"), pad});
        if (!file.writeSection(QStringLiteral("Chickenfoot"), values)) {
            std::fprintf(stderr, "%s\n", file.errorString().toLocal8Bit().constData());
            return 1;
        }
        std::printf("saved %d\n", save);
        std::fflush(stdout);
    }
    return 0;
}
