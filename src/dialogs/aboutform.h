#pragma once
// Tabout: the about box. Its label `version` holds the game's version that the table sends when
// it logs in and the host compares with its own; the ".2" after it is the build.
// Its URL1 holds the maker's web site, which the link label and the table's banner open.

#include "platform/clock.h"
#include "platform/turl.h"

#include <QDialog>
#include <QPixmap>

class Opener;
class QLabel;
class QLayout;
class QVBoxLayout;

class Tabout : public QDialog {
    Q_OBJECT

public:
    // `background` is the table's picture, tiled; `year` gives the copyright's closing year
    // (the system clock's unless given).
    explicit Tabout(QWidget* parent = nullptr, const QPixmap& background = QPixmap(), YearClock year = {});

    // The text of `version`, as the table and the host read it.
    QString versionText() const;

    // Where URL1 opens its address: the desktop's unless set. Not owned.
    void setOpener(Opener& opener) { URL1.setOpener(opener); }
    TURL URL1;

    void Button1Click();  // "Done"
    void Image1Click();   // the logo: hides the box as Done does
    void Label7Click();   // the link label: opens URL1; nothing shows when no browser takes it

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The logo and the game's name.
    QLayout* buildHead();
    QLayout* buildVersionLine();
    // The copyright, the maker's name twice and the link to its site.
    void addMaker(QVBoxLayout* layout, const YearClock& year);
    QLayout* buildDoneLine();

    QLabel* Image1;
    QLabel* version;
    QLabel* label_year;
    QLabel* Label7;
};
