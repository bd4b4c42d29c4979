#pragma once
// Text on the wire is single-byte: names and chat travel as Latin-1. The byte 0xFF ends a
// message, so it never leaves this table inside a text (it becomes "?").

#include <QString>

#include <string>
#include <string_view>

inline std::string toWire(const QString& text)
{
    std::string bytes = text.toLatin1().toStdString();
    for (char& c : bytes)
        if (c == '\xFF')
            c = '?';
    return bytes;
}

inline QString fromWire(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
