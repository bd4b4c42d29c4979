#include "platform/messagebox.h"

#include <QApplication>
#include <QMessageBox>

void QtMessageBoxes::inform(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, QApplication::applicationName(), text);
}

bool QtMessageBoxes::confirm(QWidget* parent, const QString& text)
{
    return QMessageBox::question(parent, QApplication::applicationName(), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtMessageBoxes::error(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, QApplication::applicationName(), text);
}
