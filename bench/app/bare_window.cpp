// The yardstick for the program's start: an empty Qt main window of the table's size, with
// nothing else made before it is shown.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(790, 578);
    window.show();
    return app.exec();
}
