#pragma once
// The player's language, read from the desktop's settings the way gettext reads them, and the
// translations that follow it: the game's own texts and Qt's (standard buttons, file dialog).

#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

// The languages the player asked for, best first, as gettext would try them: LANGUAGE (a colon
// list) when the locale is not C or POSIX, then the locale from LC_ALL, LC_MESSAGES or LANG, the
// first that is set. Each entry is a bare language tag ("de_DE", "pt_BR", "fr"), without the
// encoding or modifier. Empty for C, POSIX or nothing set: the game's own English.
QStringList desktopLanguages(const std::function<QString(const char*)>& environment);
QStringList desktopLanguages();

// The first of `wanted` that `available` holds, trying each tag whole and then its language alone
// ("pt_BR", then "pt"). English ends the search: it is the texts as written. Empty for none.
QString chooseTranslation(const QStringList& wanted, const QStringList& available);

// Languages the program carries a translation for ("de", "pt_BR", ...).
QStringList availableTranslations();

// Loads the game's and Qt's translations for `language` into `app` (their owner). An empty or
// unknown language loads nothing and leaves every text as written. Returns the language loaded.
QString installTranslations(QCoreApplication& app, const QString& language);
// The same for the desktop's language.
QString installDesktopTranslations(QCoreApplication& app);
