#include "app/fontsahead.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

FontConfigAhead::FontConfigAhead() : reader_([] { FcInit(); }) {}

FontConfigAhead::~FontConfigAhead() { wait(); }

void FontConfigAhead::wait()
{
    if (reader_.joinable())
        reader_.join();
}

FontListAhead::FontListAhead(FontConfigAhead& configuration)
{
    configuration.wait();
    // Every QFontDatabase function is thread-safe; the table's first measurement simply waits
    // for the list if it comes before the list is done.
    reader_ = std::thread([] { QFontDatabase::families(); });
}

FontListAhead::~FontListAhead()
{
    if (reader_.joinable())
        reader_.join();
}
