// The chat at length: 100,000 lines from nine seats in ever-changing colours, with links and
// smileys, each added to the view and painted at once, as a table shows a line when it arrives.
// Prints the mean time per line over the first and the last thousand lines (with every line
// the seat's colour changes, so each line also recolours every earlier line of that seat), the
// one-off cost of a new text size over all lines, and the memory the process holds.
#include "platform/messagebox.h"
#include "table/chatpanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key)
        if (key == "VmRSS:" && status >> value)
            return value;
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(2000, std::atoi(argv[1])) : 100000;

    RecordingMessageBoxes boxes;
    QPixmap button(25, 19);
    button.fill(Qt::white);
    QWidget table;
    table.resize(780, 531);
    ChatPanel panel(boxes, button, &table);
    table.show();
    ChatView* view = panel.view();

    std::vector<double> microseconds;
    microseconds.reserve(static_cast<std::size_t>(count));
    QElapsedTimer clock;
    for (int i = 0; i < count; ++i) {
        const int seat = i % 9 + 1;
        const QColor colour = QColor::fromHsv((i * 37) % 360, 200, 150);
        QString line = QStringLiteral("%1+Player%1 chats: line %2 ").arg(seat).arg(i);
        switch (i % 4) {
        case 0: line += QStringLiteral("see www.example%1.org for the rules :)#1%2").arg(i).arg(i % 8); break;
        case 1: line += QStringLiteral(":)#2%1 good game http://example.org/g/%2 :)#11").arg(i % 8).arg(i); break;
        case 2: line += QStringLiteral("no links here, just some chatter about the last round"); break;
        default: line += QStringLiteral("ha :)#12:)#13 that double was a surprise"); break;
        }
        clock.start();
        panel.addlinetochat(line, colour);
        view->viewport()->repaint();
        microseconds.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
    }
    if (view->lineCount() != count || view->verticalScrollBar()->value() != view->verticalScrollBar()->maximum()) {
        std::fprintf(stderr, "bench failed: the view does not hold every line at its end\n");
        return 1;
    }

    const auto mean = [&](int from) {
        double sum = 0;
        for (int i = from; i < from + 1000; ++i)
            sum += microseconds[static_cast<std::size_t>(i)];
        return sum / 1000;
    };
    clock.start();
    panel.applyTextSize(12);
    view->viewport()->repaint();
    const double resize = static_cast<double>(clock.nsecsElapsed()) / 1e6;

    std::printf("chat_lines %d\n", count);
    std::printf("chat_first_1000_us_per_line %.1f\n", mean(0));
    std::printf("chat_last_1000_us_per_line %.1f\n", mean(count - 1000));
    std::printf("chat_links %d\n", view->linkCount());
    std::printf("chat_text_size_change_ms %.1f\n", resize);
    std::printf("chat_resident_mb %.1f\n", residentKilobytes() / 1024.0);
    return 0;
}
