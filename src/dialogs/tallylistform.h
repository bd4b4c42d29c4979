#pragma once
// Ttallylist: the record of finished games and of wins against the chosen opponents. Made
// hidden at start and shown from the table's View menu.

#include <QDialog>

class Ttallylist : public QDialog {
    Q_OBJECT
public:
    explicit Ttallylist(QWidget* parent = nullptr);
};
