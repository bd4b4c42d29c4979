#pragma once
// Thelp: the help pages (overview, connecting, game play, scoring, history, licence, the
// lobby). Made hidden at start and shown from the table's Help menu.

#include <QDialog>

class Thelp : public QDialog {
    Q_OBJECT
public:
    explicit Thelp(QWidget* parent = nullptr);
};
