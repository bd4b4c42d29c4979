#pragma once
// Tphrases: the editor of the nine phrase buttons' texts. Made hidden at start and shown
// from the table's View menu.

#include <QDialog>

class Tphrases : public QDialog {
    Q_OBJECT
public:
    explicit Tphrases(QWidget* parent = nullptr);
};
