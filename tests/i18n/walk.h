#pragma once
// Every text a window shows or hands to a screen reader, with where it was found.

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTextEdit>
#include <QWidget>

#include "table/chatview.h"

#include <map>

using FoundTexts = std::map<QString, QString>; // text -> where it was first seen

inline void note(FoundTexts& found, const QString& text, const QString& where)
{
    const QString shown = text.trimmed();
    if (!shown.isEmpty())
        found.emplace(shown, where);
}

inline void walkWindow(QWidget& window, FoundTexts& found)
{
    const QString name = window.objectName();
    note(found, window.windowTitle(), name + QStringLiteral(" title"));
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        const QString where = name + QLatin1Char('/') + widget->objectName() + QLatin1Char(' ') +
                              QString::fromLatin1(widget->metaObject()->className());
        if (widget != &window && !widget->isVisibleTo(&window) && !qobject_cast<QMenu*>(widget))
            continue;
        note(found, widget->toolTip(), where + QStringLiteral(" tooltip"));
        if (QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget)) {
            note(found, spoken->text(QAccessible::Name), where + QStringLiteral(" accessible name"));
            note(found, spoken->text(QAccessible::Description), where + QStringLiteral(" accessible description"));
        }
        if (auto* label = qobject_cast<QLabel*>(widget))
            note(found, label->text(), where);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            note(found, button->text(), where);
        else if (auto* line = qobject_cast<QLineEdit*>(widget))
            note(found, line->text(), where);
        else if (auto* edit = qobject_cast<QTextEdit*>(widget))
            note(found, edit->toPlainText(), where);
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                note(found, combo->itemText(i), where);
        else if (auto* grid = qobject_cast<QTableWidget*>(widget))
            for (int column = 0; column < grid->columnCount(); ++column) {
                if (const QTableWidgetItem* header = grid->horizontalHeaderItem(column))
                    note(found, header->text(), where + QStringLiteral(" header"));
                for (int row = 0; row < grid->rowCount(); ++row)
                    if (const QTableWidgetItem* cell = grid->item(row, column)) {
                        note(found, cell->text(), where + QStringLiteral(" cell"));
                        note(found, cell->toolTip(), where + QStringLiteral(" cell tooltip"));
                    }
            }
        else if (auto* chat = qobject_cast<ChatView*>(widget))
            for (int line = 0; line < chat->lineCount(); ++line)
                note(found, chat->lineText(line), where + QStringLiteral(" line"));
    }
    for (QAction* action : window.findChildren<QAction*>())
        note(found, action->text(), name + QStringLiteral(" action ") + action->objectName());
}
