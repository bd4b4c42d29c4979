#pragma once
// Tdownload: offered on a solo start, it leads on to the solo game, to installing the Brisko
// Lobby or to a lobby already installed. It stays above the other windows.

#include <QDialog>

class QPushButton;

class Tdownload : public QDialog {
    Q_OBJECT
public:
    explicit Tdownload(QWidget* parent = nullptr);

    // "Play Solo Game": hides the window; the solo game prepared at start goes on.
    void Button1Click();

private:
    QPushButton* Button1;
};
