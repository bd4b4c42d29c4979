#include "platform/inifile.h"

#include "game/text.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <utility>
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

// The lobby may write a one-byte encoding: see game/text.h.
QString decoded(const QByteArray& bytes)
{
    const std::string text = game::decodeText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool sameName(const QByteArray& bytes, const QString& name)
{
    return decoded(bytes).compare(name, Qt::CaseInsensitive) == 0;
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

QByteArray valueOf(const QByteArray& file, const Parsed& key)
{
    return file.mid(key.valueBegin, key.valueEnd - key.valueBegin);
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


// ---- Saving ---------------------------------------------------------------------------------------

QString systemError(const QString& what)
{
    return QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
}

// The file a save changes, and where its helpers live: hidden, beside it.
struct SaveTarget {
    QString path;
    QString folder;
    QString fileName;

    QByteArray encodedPath() const { return QFile::encodeName(path); }
    QString hiddenPrefix() const { return QStringLiteral(".") + fileName; }
};

SaveTarget saveTargetOf(const QString& path)
{
    // A settings file that is a link to another place stays a link; the file it names changes.
    QString target = QFileInfo(path).absoluteFilePath();
    if (QFileInfo(target).isSymLink() && !QFileInfo(target).symLinkTarget().isEmpty())
        target = QFileInfo(target).symLinkTarget();
    const QFileInfo info(target);
    return {target, info.absolutePath(), info.fileName()};
}

// Writers take turns through flock, not a lock file that is created and deleted: the kernel lets
// go of it when a writer dies, so a killed copy never leaves the settings locked.
class WriterLock {
public:
    WriterLock() = default;
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;
    ~WriterLock()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }

    bool acquire(const SaveTarget& target, QString& error)
    {
        const QString lockPath = target.folder + QLatin1Char('/') + target.hiddenPrefix() + QStringLiteral(".tilvaro-lock");
        fd_ = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0) {
            error = systemError(QStringLiteral("Cannot create %1").arg(lockPath));
            return false;
        }
        QElapsedTimer waited;
        waited.start();
        while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            // Another copy is saving, which takes milliseconds; a writer that hangs is given up on.
            if ((errno != EWOULDBLOCK && errno != EINTR) || waited.elapsed() > IniFile::kLockWaitMs) {
                error = systemError(QStringLiteral("Cannot lock %1").arg(target.path));
                return false;
            }
            const timespec pause{0, 5'000'000};
            ::nanosleep(&pause, nullptr);
        }
        return true;
    }

private:
    int fd_ = -1;
};

struct CurrentFile {
    bool exists = false;
    bool writable = true;
    mode_t mode = 0;
    QByteArray text;
};

// The file as it is now, read under the lock. Nothing, with the reason in `error`, when it is
// there but cannot be read: whatever is in it must not be lost.
std::optional<CurrentFile> readCurrent(const SaveTarget& target, QString& error)
{
    CurrentFile current;
    const QByteArray name = target.encodedPath();
    struct stat status {};
    current.exists = ::stat(name.constData(), &status) == 0;
    if (!current.exists) {
        if (errno == ENOENT)
            return current;
        error = systemError(QStringLiteral("Cannot read %1").arg(target.path));
        return std::nullopt;
    }
    current.mode = status.st_mode & 07777;
    // A file without any write permission was made read-only on purpose, and the superuser, who
    // may write it anyway, leaves it alone too: the rename would replace it without asking.
    current.writable = (current.mode & 0222) != 0 && ::access(name.constData(), W_OK) == 0;
    QFile file(target.path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = systemError(QStringLiteral("Cannot read %1").arg(target.path));
        return std::nullopt;
    }
    current.text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = systemError(QStringLiteral("Cannot read %1").arg(target.path));
        return std::nullopt;
    }
    return current;
}

QString temporaryPrefix(const SaveTarget& target) { return target.hiddenPrefix() + QStringLiteral(".tilvaro-new-"); }

// Under the lock no writer of ours has a file in progress: what is left was a killed one's.
void removeLeftovers(const SaveTarget& target)
{
    const QString prefix = temporaryPrefix(target);
    for (const QString& leftover :
         QDir(target.folder).entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(target.folder + QLatin1Char('/') + leftover);
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The new text in a file of our own beside the target, flushed to the disk and renamed over it,
// so a crash leaves either the old file or the new one, never a part. Removed again unless renamed.
class TemporaryFile {
public:
    explicit TemporaryFile(const SaveTarget& target)
        : folder_(target.folder), name_(QFile::encodeName(target.folder + QLatin1Char('/') + temporaryPrefix(target) + QStringLiteral("XXXXXX")))
    {
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (created_ && !renamed_)
            ::unlink(name_.constData());
    }

    bool create(QString& error)
    {
        fd_ = ::mkostemp(name_.data(), O_CLOEXEC);
        created_ = fd_ >= 0;
        if (!created_)
            error = systemError(QStringLiteral("Cannot create a file in %1").arg(folder_));
        return created_;
    }

    bool write(const QByteArray& text, mode_t mode, QString& error)
    {
        if (::fchmod(fd_, mode) != 0)
            return failed(error);
        for (qsizetype written = 0; written < text.size();) {
            const ssize_t n = ::write(fd_, text.constData() + written, static_cast<size_t>(text.size() - written));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return failed(error);
            written += n;
        }
        return true;
    }

    bool flushAndClose(QString& error)
    {
        if (::fsync(fd_) != 0)
            return failed(error);
        const int fd = std::exchange(fd_, -1);
        return ::close(fd) == 0 || failed(error);
    }

    bool renameOver(const SaveTarget& target, QString& error)
    {
        if (::rename(name_.constData(), target.encodedPath().constData()) != 0) {
            error = systemError(QStringLiteral("Cannot replace %1").arg(target.path));
            return false;
        }
        renamed_ = true;
        // The rename itself lives in the folder: flush it too, or a power cut may bring back the old file.
        const int folder = ::open(QFile::encodeName(target.folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder);
            ::close(folder);
        }
        return true;
    }

private:
    bool failed(QString& error) const
    {
        error = systemError(QStringLiteral("Cannot write %1").arg(QFile::decodeName(name_)));
        return false;
    }

    QString folder_;
    QByteArray name_;
    int fd_ = -1;
    bool created_ = false;
    bool renamed_ = false;
};

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
            entries.append({decoded(parsed.name), decoded(valueOf(file, parsed))});
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
        // A value that reads as the one given keeps its bytes, whatever their encoding.
        if (found && decoded(valueOf(file, keys[found])) == value)
            continue;
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
    const SaveTarget target = saveTargetOf(path_);
    WriterLock lock;
    if (!lock.acquire(target, error_))
        return false;
    const std::optional<CurrentFile> current = readCurrent(target, error_);
    if (!current)
        return false;
    removeLeftovers(target);

    const QByteArray text = replaceSection(current->text, section, values);
    if (current->exists && text == current->text)
        return true;
    if (current->exists && !current->writable) {
        error_ = QStringLiteral("Cannot write %1: the file is read-only").arg(target.path);
        return false;
    }

    TemporaryFile temp(target);
    return temp.create(error_) && temp.write(text, current->exists ? current->mode : newFileMode(), error_) &&
           temp.flushAndClose(error_) && temp.renameOver(target, error_);
}

} // namespace ini
