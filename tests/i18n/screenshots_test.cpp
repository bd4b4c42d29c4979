// The windows in every language the program ships: pictures to look at in
// build/screenshots/<language>/, and a check that no label or button of a fixed-size window cuts
// its text short (German and French run longest).
#include "app/language.h"
#include "app/program.h"
#include "platform/messagebox.h"
#include "platform/opener.h"
#include "platform/sound.h"
#include "table/shell.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

void unloadTranslations()
{
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly))
        delete translator;
}

// Labels and buttons on one line whose text needs more room than they have.
QStringList cutShort(QWidget& window)
{
    QStringList cut;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        // The screen readers' one-pixel announcer is not there to be read.
        if (!widget->isVisibleTo(&window) || widget->width() <= 1)
            continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap() && label->pixmap().isNull())
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            text = button->text();
        if (text.trimmed().isEmpty() || Qt::mightBeRichText(text))
            continue;
        // The text itself, not the style's least width for a button; a button keeps room for its frame.
        const int room = qobject_cast<QAbstractButton*>(widget) ? widget->width() - 8 : widget->contentsRect().width();
        const int needed = widget->fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&')));
        if (needed > room)
            cut.append(QStringLiteral("%1/%2 \"%3\": %4 wide, needs %5")
                           .arg(window.objectName(), widget->objectName(), text)
                           .arg(room)
                           .arg(needed));
    }
    return cut;
}

QString saveShot(QWidget& window, const QString& language, const char* name)
{
    const QString folder = QStringLiteral(TILVARO_SCREENSHOT_DIR) + QLatin1Char('/') + language;
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QString::fromLatin1(name));
    EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
    return path;
}

} // namespace

TEST(Screenshots, EveryLanguageFitsItsWindowsAndIsPicturedPlayingASoloGame)
{
    QStringList languages = availableTranslations();
    languages.prepend(QStringLiteral("en"));
    for (const QString& language : languages) {
        SCOPED_TRACE(language.toStdString());
        installTranslations(*QCoreApplication::instance(), language == QLatin1String("en") ? QString() : language);
        {
            RecordingSoundPlayer sounds;
            RecordingMessageBoxes boxes;
            RecordingOpener opener;
            QTemporaryDir folder;
            Program program{sounds, boxes, folder.path(), &opener};
            Tchat& chat = program.chat;
            program.server.Sock1.setPortName("0");
            program.server.setTimer1Interval(1);
            chat.shell().setCommandLine({});
            chat.show();
            ASSERT_TRUE(QTest::qWaitFor([&] { return chat.seatCaption(1) == QStringLiteral("You"); }, 20000));
            program.server.botSpeedProvider = [] { return 1; };
            program.download->hide();

            program.gamestart->show();
            saveShot(*program.gamestart, language, "gamestart.png");
            program.help->show();
            for (QPushButton* page : program.help->findChildren<QPushButton*>())
                if (page->objectName() == QStringLiteral("SelButton3"))
                    program.help->SelButton1Click(page);
            saveShot(*program.help, language, "help.png");
            QStringList cut;
            for (QWidget* window : std::initializer_list<QWidget*>{program.gamestart.get(), program.help.get(), program.about.get(),
                                                                   program.tallylist.get(), program.phrases.get(), program.download.get()}) {
                window->show();
                cut += cutShort(*window);
            }
            saveShot(*program.tallylist, language, "tally.png");
            saveShot(*program.about, language, "about.png");
            saveShot(*program.download, language, "download.png");
            saveShot(*program.phrases, language, "phrases.png");
            for (QWidget* window : std::initializer_list<QWidget*>{program.gamestart.get(), program.help.get(), program.about.get(),
                                                                   program.tallylist.get(), program.phrases.get(), program.download.get()})
                window->hide();

            chat.shell().startGame({QStringLiteral("You"), QStringLiteral("3"), QStringLiteral("1"), QString()});
            chat.findChild<QAction*>(QStringLiteral("JustWatch1"))->trigger();
            ASSERT_TRUE(QTest::qWaitFor([&] { return chat.scoreSheet().current() && chat.scoreSheet().current()->over(); }, 120000));
            cut += cutShort(chat);
            saveShot(chat, language, "table.png");
            program.scoresheet->show();
            QTest::qWait(50);
            saveShot(*program.scoresheet, language, "scoresheet.png");
            EXPECT_TRUE(cut.isEmpty()) << cut.join(QLatin1Char('\n')).toStdString();
        }
        unloadTranslations();
    }
}
