// The player's language as the desktop gives it, and the translation it picks.
#include "app/language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

QStringList languagesFor(std::map<std::string, QString> environment)
{
    return desktopLanguages([&](const char* name) { return environment[name]; });
}

void unloadTranslations()
{
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly))
        delete translator;
}

} // namespace

TEST(Language, TheDesktopsSettingsArePrecedentAsGettextReadsThem)
{
    EXPECT_EQ(languagesFor({}), QStringList());
    EXPECT_EQ(languagesFor({{"LANG", "de_DE.UTF-8"}}), QStringList{"de_DE"});
    // LC_ALL over LC_MESSAGES over LANG; encoding and modifier dropped.
    EXPECT_EQ(languagesFor({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR@euro"}}), QStringList{"fr_FR"});
    EXPECT_EQ(languagesFor({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR"}, {"LC_ALL", "es_MX.UTF-8"}}),
              QStringList{"es_MX"});
    // LANGUAGE comes first, in its own order, then the locale; empty entries are skipped.
    EXPECT_EQ(languagesFor({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "pt_BR::fr"}}), (QStringList{"pt_BR", "fr", "de_DE"}));
    // ...but not under the C or POSIX locale, where everything stays as written.
    EXPECT_EQ(languagesFor({{"LANG", "C"}, {"LANGUAGE", "de"}}), QStringList());
    EXPECT_EQ(languagesFor({{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "POSIX"}, {"LANGUAGE", "de"}}), QStringList());
    EXPECT_EQ(languagesFor({{"LC_ALL", "C.UTF-8"}}), QStringList());
}

TEST(Language, TheFirstLanguageWithATranslationIsTakenAndEnglishStopsTheSearch)
{
    const QStringList available{"de", "es", "fr", "pt_BR"};
    EXPECT_EQ(chooseTranslation({"de_AT"}, available), "de");
    EXPECT_EQ(chooseTranslation({"pt_BR"}, available), "pt_BR");
    // European Portuguese is not Brazilian: no translation rather than the wrong one.
    EXPECT_EQ(chooseTranslation({"pt_PT"}, available), QString());
    EXPECT_EQ(chooseTranslation({"nl_NL", "fr_CA", "de"}, available), "fr");
    EXPECT_EQ(chooseTranslation({"en_GB", "de"}, available), QString());
    EXPECT_EQ(chooseTranslation({"ja_JP"}, available), QString());
    // Every language the program ships is embedded.
    const QStringList shipped = availableTranslations();
    for (const QString& language : available)
        EXPECT_TRUE(shipped.contains(language)) << language.toStdString();
}

TEST(Language, GermanIsLoadedFromTheProgramAndEnglishOrNoneLeavesEveryTextAsWritten)
{
    QCoreApplication& app = *QCoreApplication::instance();
    const auto status = [] { return QCoreApplication::translate("StatusLine", "Your Turn."); };
    EXPECT_EQ(installTranslations(app, QString()), QString());
    EXPECT_EQ(installTranslations(app, "xx"), QString());
    EXPECT_EQ(status(), "Your Turn.");
    EXPECT_EQ(installTranslations(app, "de"), "de");
    EXPECT_EQ(status(), QString::fromUtf8("Du bist dran."));
    // Qt's own buttons follow, when the system has Qt's German texts.
    unloadTranslations();
    EXPECT_EQ(status(), "Your Turn.");
}
