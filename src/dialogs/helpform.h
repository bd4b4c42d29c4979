#pragma once
// Thelp: the help pages (overview, connecting, game play, scoring, history, licence, the
// lobby), chosen with the buttons down its left side. Made hidden at start and shown from the
// table's Help menu.

#include "platform/clock.h"

#include <QDialog>
#include <QPixmap>

#include <functional>
#include <map>

class QLabel;
class QPushButton;
class QStackedWidget;
class QTextEdit;

class Thelp : public QDialog {
    Q_OBJECT
public:
    // `background` is the table's picture, tiled; `year` gives the copyright's closing year
    // (the system clock's unless given).
    explicit Thelp(QWidget* parent = nullptr, const QPixmap& background = QPixmap(), YearClock year = {});

    // What Help's "About" button does: show the about box.
    void setShowAbout(std::function<void()> show) { showAbout_ = std::move(show); }

    // A page button: brings "memo" + its tag to the front, with its caption as the page title.
    void SelButton1Click(QPushButton* button);
    void button_aboutClick();

    // The page in front.
    QTextEdit* currentPage() const;

private:
    QLabel* label_caption;
    QLabel* label_year;
    QStackedWidget* pages_;
    std::map<int, QTextEdit*> memos_;
    std::function<void()> showAbout_;
};
