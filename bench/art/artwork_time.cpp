// How long the table's pictures take to make: the whole Artwork (as the table window makes it at
// start), and for each texture, drawing it against loading the embedded copy. Median of N runs:
//   build/bench/art/artwork_time [runs]        (default 15)
#include "table/artwork.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const int runs = std::max(1, argc > 1 ? std::atoi(argv[1]) : 15);

    // The first one also pays for loading fonts, as the program's start does.
    QElapsedTimer first;
    first.start();
    { const Artwork art; }
    std::printf("artwork_first_ms %.2f\n", first.nsecsElapsed() / 1e6);
    std::printf("artwork_ms %.2f\n", medianMs(runs, [] { const Artwork art; }));
    for (const ArtworkTexture* texture : kArtworkTextures) {
        std::printf("%s_draw_ms %.2f\n", texture->name, medianMs(runs, [&] { texture->draw(); }));
        std::printf("%s_load_ms %.3f\n", texture->name, medianMs(runs, [&] { embeddedTexture(*texture); }));
    }
    return 0;
}
