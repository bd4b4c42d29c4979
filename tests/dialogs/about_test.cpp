#include "dialogs/aboutform.h"

#include <QLabel>
#include <gtest/gtest.h>

TEST(AboutBox, VersionReads1042WithNothingCutOffOrOverlapping)
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
    // The table logs in with this text: a peer with another text is told it has another version.
    // It is the version the build gives the project, not one written again somewhere.
    EXPECT_EQ(about.versionText(), TILVARO_PROJECT_VERSION);
    EXPECT_EQ(QString(TILVARO_PROJECT_VERSION).count('.'), 2);

    // The three pieces read as one line, "Version 1.0.4.2", in whatever font the desktop gives:
    // each wide enough for its text, in order on one line, none covering the next, all inside the box.
    QLabel* pieces[] = {before, version, build};
    for (QLabel* piece : pieces) {
        EXPECT_GE(piece->width(), piece->fontMetrics().horizontalAdvance(piece->text())) << piece->text().toStdString();
        EXPECT_TRUE(about.rect().contains(piece->geometry())) << piece->text().toStdString();
        EXPECT_TRUE(piece->isVisible());
    }
    EXPECT_LE(before->geometry().right(), version->x());
    EXPECT_LE(version->geometry().right(), build->x());
    EXPECT_EQ(before->y(), version->y());
    EXPECT_EQ(version->y(), build->y());
    EXPECT_LE(build->x() - before->geometry().right(), version->width() + 2) << "no gap inside the line";
}
