#include "platform/savefailure.h"

#include "platform/messagebox.h"

#include <cstdio>

void SaveFailureReporter::report(QWidget* parent, const QString& text)
{
    if (!reported_) {
        reported_ = true;
        boxes_.error(parent, text);
    } else {
        std::fprintf(stderr, "tilvaro: %s\n", text.toLocal8Bit().constData());
    }
}
