#pragma once
// One section of a profile (INI) file, read and written the way the desktop's profile functions
// do it, but without touching anything else: the settings file is shared with the lobby program,
// which owns every other section. Writing keeps every byte outside our section as it was
// (comments, blank lines, letter case, CR LF or LF line ends, a missing final line end), and inside
// it changes only the values of our keys and adds the keys that are missing.
//
// File format as read here: a header line "[name]" (blanks around it ignored) opens a section;
// up to the next header, each line "key=value" is a key. Section names and keys match without
// regard to letter case; the first section and the first key of a name count. Blanks around keys
// and values are not part of them. Lines starting with ";" or "#", and lines without "=", are kept
// but mean nothing. Names and values are read as game::decodeText reads text (UTF-8 when valid,
// else Latin-1, as the lobby may write them); new values are written as UTF-8, and a value that
// reads as the one given keeps its bytes.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <optional>

namespace ini {

using KeyValues = QList<QPair<QString, QString>>;

// The keys of one section as read.
class SectionValues {
public:
    SectionValues() = default;
    explicit SectionValues(KeyValues entries) : entries_(std::move(entries)) {}
    // Nothing when the key is missing; an empty text when it is there without a value.
    std::optional<QString> value(const QString& key) const;
    QString value(const QString& key, const QString& missing) const { return value(key).value_or(missing); }
    const KeyValues& entries() const { return entries_; }

private:
    KeyValues entries_;
};

// The section of that name in the file's text; empty when it is not there.
SectionValues parseSection(const QByteArray& file, const QString& section);

// The file's text with the section's keys set to these values: existing keys get the new value
// in place (the key keeps its spelling), missing keys are added after the section's last key,
// in the order given, and a missing section is added at the end of the file. A key whose value
// already reads as the one given keeps its bytes. Line breaks in a value become blanks, so a value
// cannot start a key or a section of its own.
QByteArray replaceSection(const QByteArray& file, const QString& section, const KeyValues& values);

// The settings file on disk.
class IniFile {
public:
    explicit IniFile(QString path) : path_(std::move(path)) {}
    const QString& path() const { return path_; }

    // The section as the file holds it now; empty when the file or the section is missing or
    // the file cannot be read.
    SectionValues readSection(const QString& section) const;

    // Sets the section's keys (see replaceSection) and replaces the file in one step: the new
    // text goes to a file of our own beside it, is flushed to the disk and renamed over the old
    // one, so a crash leaves either the old file or the new one, never a part. Writers using this
    // class take turns through a lock file beside the settings, so two running copies never lose
    // each other's changes. A file without write permission (for the superuser too: none for
    // anybody) is left as it is. False, with errorString() saying why, when the file was not
    // written; true when nothing needed to change.
    bool writeSection(const QString& section, const KeyValues& values);
    const QString& errorString() const { return error_; }

    // How long a writer waits for another one to finish before giving up.
    static constexpr int kLockWaitMs = 10000;

private:
    QString path_;
    QString error_;
};

} // namespace ini
