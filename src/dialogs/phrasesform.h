#pragma once
// Tphrases: the editor of the nine phrase buttons' texts. Made hidden at start and shown from the
// table's View menu without blocking the table. "Done" hands the nine texts over (the table
// applies and saves them); closing it any other way changes nothing.

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
    static constexpr int kPhraseCount = 9;
    static constexpr int kMaxPhraseLength = 50;
    static constexpr QSize kClientSize{368, 266};

    // `table` is the table window: the editor belongs to it and is centred on it whenever it is
    // shown. `background` is the table's background picture, tiled, laid again on activation.
    explicit Tphrases(QWidget* table = nullptr, const QPixmap& background = QPixmap());

    // The buttons' phrases into the fields (1 to 9 in order), before the editor is shown.
    void setPhrases(const QStringList& phrases);
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
    QPushButton* button_done = nullptr;
    std::function<void(const QStringList&)> done_;
};
