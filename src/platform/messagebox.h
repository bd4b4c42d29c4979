#pragma once
// Message boxes. Windows ask through MessageBoxes, so tests swap in a recorder and nothing in a
// test ever blocks on a dialog.

#include <QString>
#include <QStringList>

class QWidget;

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A plain box with an OK button; returns when the player has closed it.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // A question with the buttons Yes and No; true for Yes.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
    // The application's error box: an error's own message, with the error sign.
    virtual void error(QWidget* parent, const QString& text) { inform(parent, text); }
};

// Real, modal boxes titled with the application's name.
class QtMessageBoxes : public MessageBoxes {
public:
    void inform(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
};

// Remembers every text; confirm() answers with `answer`. For tests.
class RecordingMessageBoxes : public MessageBoxes {
public:
    void inform(QWidget*, const QString& text) override { shown.append(text); }
    bool confirm(QWidget*, const QString& text) override
    {
        shown.append(text);
        return answer;
    }
    QStringList shown;
    bool answer = true;
};
