// The yardstick for the program's start: a Qt main window of the table's size with a menu bar
// and a label showing one line of text, so that it loads and draws fonts as the table does, with
// nothing else made before it is shown. "bare_window --empty" leaves out the menu bar and the
// label: a window that never loads a font, the yardstick the earlier figures were taken against.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include <cstring>

int main(int argc, char** argv)
{
    const bool empty = argc > 1 && std::strcmp(argv[1], "--empty") == 0;
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(790, 578);
    if (!empty) {
        for (const char* title : {"&File", "&Options", "&View", "&Help"})
            window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
        auto* label = new QLabel(QStringLiteral("Waiting for the other players to join the table."), &window);
        label->setAlignment(Qt::AlignCenter);
        window.setCentralWidget(label);
    }
    window.show();
    return app.exec();
}
