#include "dialogs/aboutform.h"

#include <QLabel>
#include <gtest/gtest.h>

TEST(AboutBox, VersionIs104WithTheBuildRightAfterItReadingVersion1042)
{
    Tabout about;
    about.show();
    auto labelReading = [&](const QString& text) -> QLabel* {
        for (QLabel* label : about.findChildren<QLabel*>())
            if (label->text() == text)
                return label;
        return nullptr;
    };
    QLabel* version = about.findChild<QLabel*>("version");
    QLabel* before = labelReading("Version ");
    QLabel* build = labelReading(".2");
    ASSERT_TRUE(version && before && build);
    EXPECT_EQ(about.versionText(), "1.0.4");
    EXPECT_EQ(before->geometry().right() + 1, version->x());
    EXPECT_EQ(build->x(), version->geometry().right() + 1);
}
