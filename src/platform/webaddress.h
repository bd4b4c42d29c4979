#pragma once
// What counts as a web address, for the chat's links and for the desktop opener alike: "http://"
// or "https://" in any letter case, or no scheme at all ("www.example.com",
// "www.example.com:8080/x"). Never a path of this machine ("/tmp/x", "~/x", "./x", "\\server\x")
// nor another scheme ("file:", "javascript:", "smb:"), which a player could use to make another
// player's table open something of its own.

#include <QString>
#include <QUrl>

namespace web {

// The scheme a text starts with ("mailto" for "mailto:a@b"), empty when it has none. A scheme is
// a letter followed by letters, digits, "+" or "-" before the first colon; it has no dot, so
// "www.example.com:8080" is a host and its port.
QString schemeOf(const QString& text);

// The address to hand to the desktop: the text itself when it starts with "http://" or
// "https://", "http://" put in front when it has no scheme. Invalid when the text is no web
// address or names no host.
QUrl webAddressUrl(const QString& text);

inline bool isWebAddress(const QString& text) { return webAddressUrl(text).isValid(); }

} // namespace web
