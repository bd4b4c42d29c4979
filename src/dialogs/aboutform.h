#pragma once
// Tabout: the about box. Its label `version` holds the game version ("1.0.4") that the table
// sends when it logs in and the host compares with its own; the ".2" after it is the build.

#include <QDialog>

class QLabel;

class Tabout : public QDialog {
    Q_OBJECT
public:
    explicit Tabout(QWidget* parent = nullptr);

    // The text of `version`, as the table and the host read it.
    QString versionText() const;

private:
    QLabel* version;
};
