#include "table/phrasebuttons.h"

#include "table/tablewidgets.h"
#include "table/wiretext.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

const std::array<const char*, PhraseButtons::kCount> PhraseButtons::kDefaults{
    // The player's own words once sent, so the defaults come in the player's language.
    QT_TRANSLATE_NOOP("PhraseButtons", "Way To Go!"),        QT_TRANSLATE_NOOP("PhraseButtons", "Good One!"),
    QT_TRANSLATE_NOOP("PhraseButtons", "Nice Try!"),         QT_TRANSLATE_NOOP("PhraseButtons", "Excellent!"),
    QT_TRANSLATE_NOOP("PhraseButtons", "Brilliant!"),        QT_TRANSLATE_NOOP("PhraseButtons", "Wow, WTG!"),
    QT_TRANSLATE_NOOP("PhraseButtons", "Thanks!"),           QT_TRANSLATE_NOOP("PhraseButtons", "Way To Go Teamie!"),
    QT_TRANSLATE_NOOP("PhraseButtons", "Good Game Everyone!"),
};

PhraseButtons::PhraseButtons(QWidget& panel, const QPixmap& picture, QPoint origin, int longest)
    : QObject(&panel), longest_(longest)
{
    // Two rows left of the input: 1 to 5 above, 6 to 9 below (the chatter button ends that row).
    const int columns[5] = {292, 318, 344, 370, 396};
    for (int n = 1; n <= kCount; ++n) {
        auto* button = new ClickImage(&panel);
        button->setObjectName(QStringLiteral("b_phrase%1").arg(n));
        button->setPixmap(picture);
        button->setGeometry(QRect(QPoint(columns[(n - 1) % 5], n <= 5 ? 488 : 508) - origin, QSize(25, 19)));
        button->setToolTip(QCoreApplication::translate("PhraseButtons", kDefaults[static_cast<std::size_t>(n - 1)]));
        button->tag = n;
        connect(button, &ClickImage::clicked, this, [this, n] { b_phrase1Click(n); });
        buttons_[static_cast<std::size_t>(n)] = button;
    }

    // One phrase at most per pause; the editor tells players it is two seconds.
    pause_ = new QTimer(this);
    pause_->setObjectName(QStringLiteral("phrasepause"));
    pause_->setSingleShot(true);
    pause_->setInterval(kPauseMs);
    connect(pause_, &QTimer::timeout, this, &PhraseButtons::phrasePauseTimer);
}

QString PhraseButtons::phrase(int n) const
{
    return n >= 1 && n <= kCount ? buttons_[static_cast<std::size_t>(n)]->toolTip() : QString();
}

void PhraseButtons::setPhrase(int n, const QString& text)
{
    if (n >= 1 && n <= kCount)
        buttons_[static_cast<std::size_t>(n)]->setToolTip(cutForWire(text, longest_));
}

QStringList PhraseButtons::phrases() const
{
    QStringList all;
    for (int n = 1; n <= kCount; ++n)
        all.append(phrase(n));
    return all;
}

void PhraseButtons::b_phrase1Click(int n)
{
    const QString said = phrase(n);
    if (!ready_)
        return;
    if (say) {
        if (said.left(4) == QLatin1String("/me "))
            say("CMD_action", said.mid(4));
        else
            say("CMD_action", QStringLiteral("says: ") + said);
    }
    // Not reached when the send failed: the buttons stay ready.
    startPause();
}

void PhraseButtons::startPause()
{
    ready_ = false;
    pause_->start();
}

void PhraseButtons::phrasePauseTimer()
{
    pause_->stop();
    ready_ = true;
}
