#include "platform/inifile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ini {

namespace {

struct Line {
    qsizetype begin = 0;
    qsizetype contentEnd = 0; // before the line end ("\n" or "\r\n")
    qsizetype end = 0;        // after the line end; the file's size for a last line without one
};

struct Parsed {
    enum Kind { Other, Header, Key } kind = Other;
    QByteArray name;             // the section's name or the key, without the blanks around it
    qsizetype valueBegin = 0;    // after "=" and the blanks that follow it
    qsizetype valueEnd = 0;      // before the blanks at the end of the line
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<Line> splitLines(const QByteArray& file)
{
    std::vector<Line> lines;
    qsizetype pos = 0;
    while (pos < file.size()) {
        Line line;
        line.begin = pos;
        const qsizetype newline = file.indexOf('\n', pos);
        line.end = newline < 0 ? file.size() : newline + 1;
        line.contentEnd = newline < 0 ? file.size() : newline;
        if (line.contentEnd > line.begin && file[line.contentEnd - 1] == '\r')
            --line.contentEnd;
        lines.push_back(line);
        pos = line.end;
    }
    return lines;
}

QByteArray trimmed(const QByteArray& file, qsizetype begin, qsizetype end)
{
    while (begin < end && isBlank(file[begin]))
        ++begin;
    while (end > begin && isBlank(file[end - 1]))
        --end;
    return file.mid(begin, end - begin);
}

Parsed parseLine(const QByteArray& file, const Line& line)
{
    Parsed parsed;
    qsizetype begin = line.begin;
    // A byte order mark written by an editor is not part of the first line.
    if (begin == 0 && file.startsWith("\xEF\xBB\xBF"))
        begin = std::min<qsizetype>(3, line.contentEnd);
    while (begin < line.contentEnd && isBlank(file[begin]))
        ++begin;
    if (begin == line.contentEnd)
        return parsed;
    const char first = file[begin];
    if (first == '[') {
        qsizetype close = file.indexOf(']', begin);
        if (close < 0 || close > line.contentEnd)
            close = line.contentEnd;
        parsed.kind = Parsed::Header;
        parsed.name = trimmed(file, begin + 1, close);
        return parsed;
    }
    if (first == ';' || first == '#')
        return parsed;
    const qsizetype equals = file.indexOf('=', begin);
    if (equals < 0 || equals >= line.contentEnd)
        return parsed;
    parsed.name = trimmed(file, begin, equals);
    if (parsed.name.isEmpty())
        return parsed;
    parsed.kind = Parsed::Key;
    parsed.valueBegin = equals + 1;
    while (parsed.valueBegin < line.contentEnd && isBlank(file[parsed.valueBegin]))
        ++parsed.valueBegin;
    parsed.valueEnd = line.contentEnd;
    while (parsed.valueEnd > parsed.valueBegin && isBlank(file[parsed.valueEnd - 1]))
        --parsed.valueEnd;
    return parsed;
}

bool sameName(const QByteArray& bytes, const QString& name)
{
    return QString::fromUtf8(bytes).compare(name, Qt::CaseInsensitive) == 0;
}

// The section's lines: its header's index and the index past its last line, or nothing.
struct SectionSpan {
    std::size_t header = 0;
    std::size_t end = 0;
};

std::optional<SectionSpan> findSection(const QByteArray& file, const std::vector<Line>& lines,
                                       const QString& section)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Parsed parsed = parseLine(file, lines[i]);
        if (parsed.kind != Parsed::Header || !sameName(parsed.name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines.size() && parseLine(file, lines[end]).kind != Parsed::Header)
            ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

QByteArray valueBytes(const QString& value)
{
    QByteArray bytes = value.toUtf8();
    bytes.replace('\r', ' ');
    bytes.replace('\n', ' ');
    return bytes;
}

QByteArray lineEndOf(const QByteArray& file)
{
    const qsizetype newline = file.indexOf('\n');
    return newline > 0 && file[newline - 1] == '\r' ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
}

QByteArray joinLines(const QList<QByteArray>& lines, const QByteArray& lineEnd, bool finalLineEnd)
{
    QByteArray text = lines.join(lineEnd);
    if (finalLineEnd)
        text += lineEnd;
    return text;
}

} // namespace

std::optional<QString> SectionValues::value(const QString& key) const
{
    for (const auto& [name, value] : entries_)
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            return value;
    return std::nullopt;
}

SectionValues parseSection(const QByteArray& file, const QString& section)
{
    const std::vector<Line> lines = splitLines(file);
    const auto span = findSection(file, lines, section);
    if (!span)
        return {};
    KeyValues entries;
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        const Parsed parsed = parseLine(file, lines[i]);
        if (parsed.kind == Parsed::Key)
            entries.append({QString::fromUtf8(parsed.name),
                            QString::fromUtf8(file.mid(parsed.valueBegin, parsed.valueEnd - parsed.valueBegin))});
    }
    return SectionValues(std::move(entries));
}

QByteArray replaceSection(const QByteArray& file, const QString& section, const KeyValues& values)
{
    const QByteArray lineEnd = lineEndOf(file);
    // A file that ended without a line end still does, wherever our lines go.
    const bool finalLineEnd = file.isEmpty() || file.endsWith('\n');
    const std::vector<Line> lines = splitLines(file);
    const auto span = findSection(file, lines, section);

    if (!span) {
        QList<QByteArray> added{'[' + section.toUtf8() + ']'};
        for (const auto& [key, value] : values)
            added.append(key.toUtf8() + '=' + valueBytes(value));
        QByteArray text = file;
        if (!finalLineEnd)
            text += lineEnd;
        return text + joinLines(added, lineEnd, finalLineEnd);
    }

    struct Edit {
        qsizetype begin, end;
        QByteArray text;
    };
    std::vector<Edit> edits;
    std::vector<Parsed> keys(span->end);
    std::size_t lastKey = span->header;
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        keys[i] = parseLine(file, lines[i]);
        if (keys[i].kind == Parsed::Key)
            lastKey = i;
    }
    QList<QByteArray> missing;
    for (const auto& [key, value] : values) {
        std::size_t found = 0;
        for (std::size_t i = span->header + 1; i < span->end && !found; ++i)
            if (keys[i].kind == Parsed::Key && sameName(keys[i].name, key))
                found = i;
        if (found)
            edits.push_back({keys[found].valueBegin, lines[found].contentEnd, valueBytes(value)});
        else
            missing.append(key.toUtf8() + '=' + valueBytes(value));
    }

    QByteArray text = file;
    // New keys follow the last key, so comments and blank lines before the next section stay
    // where they are. Inserted first: it lies after every value that changes.
    if (!missing.isEmpty()) {
        const Line& after = lines[lastKey];
        const bool atUnendedEnd = after.end == file.size() && !finalLineEnd;
        text.insert(after.end, atUnendedEnd ? lineEnd + joinLines(missing, lineEnd, false)
                                            : joinLines(missing, lineEnd, true));
    }
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.begin > b.begin; });
    for (const Edit& edit : edits)
        text.replace(edit.begin, edit.end - edit.begin, edit.text);
    return text;
}

SectionValues IniFile::readSection(const QString& section) const
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseSection(file.readAll(), section);
}

bool IniFile::writeSection(const QString& section, const KeyValues& values)
{
    error_.clear();
    const auto fail = [this](const QString& what) {
        error_ = QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    };

    // A settings file that is a link to another place stays a link; the file it names changes.
    QString target = QFileInfo(path_).absoluteFilePath();
    if (QFileInfo(target).isSymLink() && !QFileInfo(target).symLinkTarget().isEmpty())
        target = QFileInfo(target).symLinkTarget();
    const QFileInfo targetInfo(target);
    const QString folder = targetInfo.absolutePath();
    const QString hiddenStem = folder + QStringLiteral("/.") + targetInfo.fileName();
    const QByteArray targetName = QFile::encodeName(target);

    // flock, not a lock file that is created and deleted: the kernel lets go of it when a writer
    // dies, so a killed copy never leaves the settings locked.
    const QByteArray lockName = QFile::encodeName(hiddenStem + QStringLiteral(".tilvaro-lock"));
    const int lock = ::open(lockName.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (lock < 0)
        return fail(QStringLiteral("Cannot create %1").arg(QFile::decodeName(lockName)));
    const auto unlock = qScopeGuard([lock] { ::close(lock); });
    QElapsedTimer waited;
    waited.start();
    while (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        // Another copy is saving, which takes milliseconds; a writer that hangs is given up on.
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited.elapsed() > kLockWaitMs)
            return fail(QStringLiteral("Cannot lock %1").arg(target));
        const timespec pause{0, 5'000'000};
        ::nanosleep(&pause, nullptr);
    }

    struct stat status {};
    const bool exists = ::stat(targetName.constData(), &status) == 0;
    if (!exists && errno != ENOENT)
        return fail(QStringLiteral("Cannot read %1").arg(target));
    QByteArray old;
    if (exists) {
        // Not readable means not replaceable: whatever is in it must not be lost.
        QFile current(target);
        if (!current.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("Cannot read %1").arg(target));
        old = current.readAll();
        if (current.error() != QFileDevice::NoError)
            return fail(QStringLiteral("Cannot read %1").arg(target));
    }
    const QByteArray text = replaceSection(old, section, values);

    // Under the lock no writer of ours has a file in progress: what is left was a killed one's.
    const QString tempPrefix = QStringLiteral(".") + targetInfo.fileName() + QStringLiteral(".tilvaro-new-");
    for (const QString& leftover :
         QDir(folder).entryList({tempPrefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(folder + QLatin1Char('/') + leftover);

    if (exists && text == old)
        return true;

    QByteArray tempName = QFile::encodeName(folder + QLatin1Char('/') + tempPrefix + QStringLiteral("XXXXXX"));
    const int temp = ::mkostemp(tempName.data(), O_CLOEXEC);
    if (temp < 0)
        return fail(QStringLiteral("Cannot create a file in %1").arg(folder));
    bool renamed = false;
    bool tempOpen = true;
    const auto cleanUp = qScopeGuard([&] {
        if (tempOpen)
            ::close(temp);
        if (!renamed)
            ::unlink(tempName.constData());
    });

    mode_t mode = status.st_mode & 07777;
    if (!exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(temp, mode) != 0)
        return fail(QStringLiteral("Cannot write %1").arg(QFile::decodeName(tempName)));
    for (qsizetype written = 0; written < text.size();) {
        const ssize_t n = ::write(temp, text.constData() + written, static_cast<size_t>(text.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(QStringLiteral("Cannot write %1").arg(QFile::decodeName(tempName)));
        written += n;
    }
    if (::fsync(temp) != 0)
        return fail(QStringLiteral("Cannot write %1").arg(QFile::decodeName(tempName)));
    tempOpen = false;
    if (::close(temp) != 0)
        return fail(QStringLiteral("Cannot write %1").arg(QFile::decodeName(tempName)));
    if (::rename(tempName.constData(), targetName.constData()) != 0)
        return fail(QStringLiteral("Cannot replace %1").arg(target));
    renamed = true;

    // The rename itself lives in the folder: flush it too, or a power cut may bring back the old file.
    const int directory = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
    return true;
}

} // namespace ini
