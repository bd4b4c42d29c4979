#include "app/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString kResourceFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("tilvaro_");

// "de_DE.UTF-8@euro" -> "de_DE"
QString bareTag(QString locale)
{
    const auto cut = [&locale](QChar mark) {
        const qsizetype at = locale.indexOf(mark);
        if (at >= 0)
            locale.truncate(at);
    };
    cut(QLatin1Char('@'));
    cut(QLatin1Char('.'));
    return locale.trimmed();
}

bool isPlainLocale(const QString& tag)
{
    return tag.isEmpty() || tag == QLatin1String("C") || tag == QLatin1String("POSIX");
}

} // namespace

QStringList desktopLanguages(const std::function<QString(const char*)>& environment)
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.isEmpty())
            break;
    }
    const QString localeTag = bareTag(locale);
    // gettext ignores LANGUAGE under the C locale, so "LANG=C" stays English whatever else is set.
    if (isPlainLocale(localeTag))
        return {};
    QStringList languages;
    for (const QString& entry : environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString tag = bareTag(entry);
        if (!isPlainLocale(tag) && !languages.contains(tag))
            languages.append(tag);
    }
    if (!languages.contains(localeTag))
        languages.append(localeTag);
    return languages;
}

QStringList desktopLanguages()
{
    // QLocale::system() reads LC_ALL, LC_MESSAGES and LANG but not LANGUAGE, so the environment is read here.
    return desktopLanguages([](const char* name) { return qEnvironmentVariable(name); });
}

QString chooseTranslation(const QStringList& wanted, const QStringList& available)
{
    for (const QString& tag : wanted) {
        const QString language = tag.section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en"))
            return {};
        if (available.contains(tag))
            return tag;
        if (available.contains(language))
            return language;
    }
    return {};
}

QStringList availableTranslations()
{
    QStringList languages;
    const QStringList files = QDir(kResourceFolder).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files);
    for (const QString& file : files)
        languages.append(file.mid(kPrefix.size()).chopped(3));
    return languages;
}

QString installTranslations(QCoreApplication& app, const QString& language)
{
    if (language.isEmpty())
        return {};
    auto* own = new QTranslator(&app);
    if (!own->load(kPrefix + language, kResourceFolder)) {
        delete own;
        return {};
    }
    app.installTranslator(own);
    // Qt's own texts (standard buttons, the file dialog) when the system has them; "pt_BR" falls
    // back to "pt" by the translator's own search.
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    else
        delete qt;
    return language;
}

QString installDesktopTranslations(QCoreApplication& app)
{
    // Under the C locale no translation is looked at, not even the list of them.
    const QStringList wanted = desktopLanguages();
    if (wanted.isEmpty())
        return {};
    return installTranslations(app, chooseTranslation(wanted, availableTranslations()));
}
