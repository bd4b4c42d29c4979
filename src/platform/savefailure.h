#pragma once
// A file the player owns that could not be saved: the player is told once a run, in the error
// box, and later failures of the same file go to stderr only, since every later save (each option
// chosen, each game) would say the same again. One reporter per file.

#include <QString>

class MessageBoxes;
class QWidget;

class SaveFailureReporter {
public:
    // The boxes must outlive the reporter.
    explicit SaveFailureReporter(MessageBoxes& boxes) : boxes_(boxes) {}

    // The first time: the error box with `text` over `parent`; then a line on stderr.
    void report(QWidget* parent, const QString& text);
    bool reported() const { return reported_; }

private:
    MessageBoxes& boxes_;
    bool reported_ = false;
};
