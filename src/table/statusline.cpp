#include "table/statusline.h"

#include "table/accessibility.h"
#include "table/artwork.h"
#include "table/seatrows.h"
#include "table/tablewidgets.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>

#include <type_traits>

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

StatusLine::StatusLine(const mirror::TableMirror& mirror, const Artwork& artwork, QWidget* board)
    : QObject(board), mirror_(mirror), artwork_(artwork)
{
    label_round = makeLabel(board, "label_round", QCoreApplication::translate("StatusLine", "Round: 0 of 10"), {5, 4, 120, 16}, true);
    button_start = new ClickImage(board);
    button_start->setObjectName(QStringLiteral("button_start"));
    button_start->setPixmap(artwork_.startButton);
    button_start->setGeometry(10, 26, 102, 28);
    button_start->hide();
    connect(button_start, &ClickImage::clicked, this, [this] {
        if (onStart)
            onStart();
    });

    panel_winner = new QFrame(board);
    panel_winner->setObjectName(QStringLiteral("panel_winner"));
    panel_winner->setGeometry(144, 11, 585, 41);
    panel_winner->setFrameShape(QFrame::Box);
    panel_winner->setStyleSheet(QStringLiteral("QFrame#panel_winner { background: rgb(250, 244, 214); border: 1px solid rgb(90, 70, 30); }"));
    label_winner2 = makeLabel(panel_winner, "label_winner2", QCoreApplication::translate("StatusLine", "Winner!"), {2, 11, 580, 19}, true);
    label_winner1 = makeLabel(panel_winner, "label_winner1", QCoreApplication::translate("StatusLine", "Winner!"), {1, 12, 580, 19}, true);
    for (QLabel* text : {label_winner1, label_winner2}) {
        text->setAlignment(Qt::AlignCenter);
        QFont font = text->font();
        font.setPointSize(11);
        text->setFont(font);
    }
    label_winner2->setStyleSheet(QStringLiteral("color: rgb(128, 128, 128);"));
    label_winner1->setStyleSheet(QStringLiteral("color: rgb(0, 100, 0);"));
    panel_winner->hide();
}

void StatusLine::buildStatus(QWidget* panel)
{
    label_status = makeLabel(panel, "label_status", QCoreApplication::translate("StatusLine", "Welcome to Tilvaro"), {5, 376, 356, 17}, true);
    label_status->setAlignment(Qt::AlignCenter);
    button_pass = new ClickImage(panel);
    button_pass->setObjectName(QStringLiteral("button_pass"));
    button_pass->setPixmap(artwork_.passButton);
    button_pass->setGeometry(358, 368, 65, 28);
    button_pass->hide();
    connect(button_pass, &ClickImage::clicked, this, [this] {
        if (onPass)
            onPass();
    });
}

QString StatusLine::text() const { return label_status->text(); }

QString StatusLine::roundText() const
{
    return QCoreApplication::translate("StatusLine", "Round: %1 of %2").arg(mirror_.state().round).arg(shown(mirror_.state().rounds));
}

void StatusLine::setStatus(const QString& text)
{
    if (text == label_status->text())
        return;
    label_status->setText(text);
    a11y::noteRaisedByQt(label_status, QAccessible::NameChanged);
}

void StatusLine::syncPass() { button_pass->setVisible(mirror_.state().passShown); }

void StatusLine::showStart(bool shown) { button_start->setVisible(shown); }

void StatusLine::showCountdown(int secondsLeft, const QString& hint)
{
    // A hint asked for in the last seconds stays in view beside the time left.
    if (!hint.isEmpty()) {
        setStatus(secondsLeft == 1 ? QCoreApplication::translate("StatusLine", "%1. 1 second left").arg(hint)
                                   : QCoreApplication::translate("StatusLine", "%1. %2 seconds left").arg(hint).arg(secondsLeft));
        return;
    }
    setStatus(secondsLeft == 1 ? QCoreApplication::translate("StatusLine", "Your Turn. 1 second left")
                               : QCoreApplication::translate("StatusLine", "Your Turn. %1 seconds left").arg(secondsLeft));
}

void StatusLine::react(const mirror::Event& event, bool hosting)
{
    const int own = mirror_.state().ownSeat;
    std::visit(
        [&](const auto& happened) {
            using E = std::decay_t<decltype(happened)>;
            if constexpr (std::is_same_v<E, mirror::GameStarted>) {
                button_start->hide();
                panel_winner->hide();
            } else if constexpr (std::is_same_v<E, mirror::RoundStarted> || std::is_same_v<E, mirror::GameInProgress>) {
                label_round->setText(roundText());
                if constexpr (std::is_same_v<E, mirror::GameInProgress>)
                    if (happened.ownTurn)
                        setStatus(QCoreApplication::translate("StatusLine", "Your Turn"));
            } else if constexpr (std::is_same_v<E, mirror::SpinnerReloaded>) {
                setStatus(QCoreApplication::translate("StatusLine", "New Spinner Loaded!"));
                label_round->update();
            } else if constexpr (std::is_same_v<E, mirror::TurnChanged>) {
                setStatus(happened.seat == own ? QCoreApplication::translate("StatusLine", "Your Turn.")
                                               : QCoreApplication::translate("StatusLine", "%1's turn.").arg(shown(mirror_.seat(happened.seat).name)));
            } else if constexpr (std::is_same_v<E, mirror::Played>) {
                if (happened.isDouble)
                    setStatus(QCoreApplication::translate("StatusLine", "New Spinner Loaded!"));
            } else if constexpr (std::is_same_v<E, mirror::Passed>) {
                setStatus(happened.seat == own ? QCoreApplication::translate("StatusLine", "You passed.")
                                               : QCoreApplication::translate("StatusLine", "%1 passed.").arg(shown(mirror_.seat(happened.seat).name)));
            } else if constexpr (std::is_same_v<E, mirror::Refused>) {
                setStatus(QCoreApplication::translate("StatusLine", "That is not a valid play"));
            } else if constexpr (std::is_same_v<E, mirror::RoundEnded>) {
                setStatus(QCoreApplication::translate("StatusLine", "Posting Scores, Please Wait.."));
            } else if constexpr (std::is_same_v<E, mirror::GameWon>) {
                const QString banner = winnerBanner(happened);
                label_winner1->setText(banner);
                label_winner2->setText(banner);
                setStatus(QCoreApplication::translate("StatusLine", "Game Over!"));
                label_round->raise();
                panel_winner->show();
                panel_winner->raise();
                if (hosting)
                    button_start->show();
            }
        },
        event);
}

QString winnerBanner(const mirror::GameWon& won)
{
    return won.ownWin ? QCoreApplication::translate("StatusLine", "You have Won the Game!") : QCoreApplication::translate("StatusLine", "%1 has Won the Game!").arg(shown(won.name));
}
