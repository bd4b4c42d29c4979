#include "dialogs/phrasesform.h"

#include "dialogs/background.h"

#include <QEvent>
#include <QShowEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

Tphrases::Tphrases(QWidget* table, const QPixmap& background)
    : QDialog(table, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), table_(table)
{
    setObjectName(QStringLiteral("Tphrases"));
    // The blank at the end belongs to the caption.
    setWindowTitle(tr("Tilvaro - Phrase Buttons "));
    setFixedSize(kClientSize);
    setBackground(background);
    // The table's small type, so the labels and the note fit their places.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    for (int n = 1; n <= kPhraseCount; ++n) {
        const int top = 12 + (n - 1) * 24;
        auto* label = new QLabel(tr("Phrase Button %1:").arg(n), this);
        label->setObjectName(QStringLiteral("label%1").arg(n));
        label->setGeometry(8, top, 116, 21);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("phrase%1").arg(n));
        field->setGeometry(130, top, 226, 21);
        field->setMaxLength(kMaxPhraseLength);
        phrase_[static_cast<std::size_t>(n - 1)] = field;
    }

    auto* note = new QLabel(tr("Buttons can only be used once every 2 seconds"), this);
    note->setObjectName(QStringLiteral("label_note"));
    note->setGeometry(8, 232, 272, 21);
    note->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));

    button_done = new QPushButton(tr("Done"), this);
    button_done->setObjectName(QStringLiteral("button_done"));
    button_done->setGeometry(286, 230, 70, 25);
    // A longer word in another language grows the button to the left, into the note's spare room.
    if (const int more = button_done->fontMetrics().horizontalAdvance(button_done->text()) + 16 - button_done->width(); more > 0)
        button_done->setGeometry(button_done->geometry().adjusted(-more, 0, 0, 0));
    button_done->setAutoDefault(false);
    connect(button_done, &QPushButton::clicked, this, [this] { button_doneClick(); });
}

void Tphrases::setBackground(const QPixmap& background)
{
    background_ = background;
    setTiledBackground(this, background_);
}

void Tphrases::setPhrases(const QStringList& phrases)
{
    for (std::size_t n = 0; n < phrase_.size(); ++n) {
        given_[n] = phrases.value(static_cast<qsizetype>(n));
        const auto length = static_cast<int>(std::min<qsizetype>(given_[n].size(), kMaxFieldLength));
        phrase_[n]->setMaxLength(std::max(kMaxPhraseLength, length));
        phrase_[n]->setText(given_[n]);
    }
}

QStringList Tphrases::phrases() const
{
    QStringList texts;
    for (std::size_t n = 0; n < phrase_.size(); ++n) {
        const QString text = phrase_[n]->text();
        // Untouched, a field stands for all it was given, even past what it can hold.
        texts.append(text == given_[n].left(phrase_[n]->maxLength()) ? given_[n] : text);
    }
    return texts;
}

void Tphrases::button_doneClick()
{
    if (done_)
        done_(phrases());
    close();
}

void Tphrases::showEvent(QShowEvent* event)
{
    if (table_ && !event->spontaneous()) {
        QRect place = frameGeometry();
        place.moveCenter(table_->frameGeometry().center());
        move(place.topLeft());
    }
    QDialog::showEvent(event);
}

void Tphrases::changeEvent(QEvent* event)
{
    // The table's picture is laid again whenever the editor comes to the front.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        setTiledBackground(this, background_);
    QDialog::changeEvent(event);
}
