#pragma once
// Tphrases: the editor of the nine phrase buttons' texts. Made hidden at start and shown from the
// table's View menu without blocking the table. "Done" hands the nine texts over (the table
// applies and saves them); closing it any other way changes nothing.

#include "game/phrases.h"

#include <QDialog>
#include <QPixmap>
#include <QStringList>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

class Tphrases : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPhraseCount = game::kPhraseCount;
    // What the player may type; a longer phrase stored by others is shown and kept whole.
    static constexpr int kMaxPhraseLength = 50;
    static constexpr QSize kClientSize{368, 266};
    // A line edit holds no more than this.
    static constexpr int kMaxFieldLength = 32767;

    // `table` is the table window: the editor belongs to it and is centred on it whenever it is
    // shown. `background` is the table's background picture, tiled, laid again on activation.
    explicit Tphrases(QWidget* table = nullptr, const QPixmap& background = QPixmap());

    // The buttons' phrases into the fields (1 to 9 in order), before the editor is shown.
    void setPhrases(const QStringList& phrases);
    // The fields' texts; a phrase not edited is exactly the one given.
    QStringList phrases() const;
    // Called by "Done" with the nine texts, empty ones included, before the editor closes.
    void setDone(std::function<void(const QStringList& phrases)> done) { done_ = std::move(done); }
    void setBackground(const QPixmap& background);

    void button_doneClick();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* table_;
    QPixmap background_;
    std::array<QLineEdit*, kPhraseCount> phrase_{};
    std::array<QString, kPhraseCount> given_{};
    QPushButton* button_done = nullptr;
    std::function<void(const QStringList&)> done_;
};
