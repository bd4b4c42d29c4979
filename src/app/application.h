#pragma once
// The application object. An error that escapes a window event (a send on a socket that is not
// connected, for one) is shown in one error box with its own message, and the program goes on.

#include "platform/messagebox.h"

#include <QApplication>

class TilvaroApplication : public QApplication {
public:
    // The title is "Tilvaro" (the task bar's name and the message boxes' caption).
    TilvaroApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Where the error boxes go: real boxes unless a test records them. Not owned.
    void setErrorBoxes(MessageBoxes* boxes) { boxes_ = boxes ? boxes : &qtBoxes_; }

private:
    void showError(const QString& text);

    QtMessageBoxes qtBoxes_;
    MessageBoxes* boxes_ = &qtBoxes_;
    bool showingError_ = false;
};
