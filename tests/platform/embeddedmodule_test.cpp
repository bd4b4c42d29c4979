#include "platform/embeddedmodule.h"
#include "platform/httpget.h"
#include "platform/soundoutput.h"

#include <gtest/gtest.h>

TEST(EmbeddedModule, EachModuleIsItsOwnWhicheverLoadsFirstAndLoadsOnce)
{
    // The second module's in-memory file may get the number the first one's had; the loader must
    // still see two modules.
    QString why;
    void* sound = embeddedModuleSymbol(QStringLiteral(":/modules/soundoutput.so"), TILVARO_SOUND_OUTPUT_ENTRY, &why);
    ASSERT_NE(sound, nullptr) << qPrintable(why);
    void* http = embeddedModuleSymbol(QStringLiteral(":/modules/httpget.so"), TILVARO_HTTP_CLIENT_ENTRY, &why);
    ASSERT_NE(http, nullptr) << qPrintable(why);
    EXPECT_NE(sound, http);
    EXPECT_EQ(embeddedModuleSymbol(QStringLiteral(":/modules/soundoutput.so"), TILVARO_SOUND_OUTPUT_ENTRY, &why), sound);
    // Asked for a name it does not have, a loaded module says so.
    EXPECT_EQ(embeddedModuleSymbol(QStringLiteral(":/modules/soundoutput.so"), TILVARO_HTTP_CLIENT_ENTRY, &why), nullptr);
    EXPECT_TRUE(why.contains(QLatin1String(TILVARO_HTTP_CLIENT_ENTRY))) << qPrintable(why);
}

TEST(EmbeddedModule, WhatIsNotAnEmbeddedModuleIsRefusedWithAReason)
{
    QString why;
    EXPECT_EQ(embeddedModuleSymbol(QStringLiteral(":/modules/missing.so"), "entry", &why), nullptr);
    EXPECT_TRUE(why.contains(QLatin1String("not embedded"))) << qPrintable(why);
    why.clear();
    EXPECT_EQ(embeddedModuleSymbol(QStringLiteral(":/sounds/pass.wav"), "entry", &why), nullptr);
    EXPECT_FALSE(why.isEmpty());
    EXPECT_EQ(embeddedModuleSymbol(QStringLiteral(":/sounds/pass.wav"), "entry", nullptr), nullptr);
}
