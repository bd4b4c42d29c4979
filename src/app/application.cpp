#include "app/application.h"

#include <QWidget>

#include <cstdio>
#include <exception>

TilvaroApplication::TilvaroApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Tilvaro"));
}

bool TilvaroApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        showError(QCoreApplication::translate("TilvaroApplication", "An unknown error occurred."));
    }
    return false;
}

void TilvaroApplication::showError(const QString& text)
{
    // An error while its box is open (the box runs events of its own) would stack box upon box.
    if (showingError_) {
        std::fprintf(stderr, "Tilvaro: %s\n", qPrintable(text));
        return;
    }
    showingError_ = true;
    try {
        boxes_->error(activeWindow(), text);
    } catch (...) {
    }
    showingError_ = false;
}
