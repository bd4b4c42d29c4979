#pragma once
// Reading the machine's fonts ahead, on a second thread. The first text the table measures makes
// Qt read the system's font configuration and list every installed font, a third of the work
// before the window can show. Fontconfig's half of that needs no display, so it runs while the
// application connects to the display; Qt's half (its font list, guarded by its own lock) runs
// while the table draws its bones. The main thread only ever waits where it would have done the
// same work itself.

#include <thread>

// Starts reading the font configuration at once (before the application object exists).
class FontConfigAhead {
public:
    FontConfigAhead();
    ~FontConfigAhead();
    FontConfigAhead(const FontConfigAhead&) = delete;
    FontConfigAhead& operator=(const FontConfigAhead&) = delete;

    // Waits until the configuration is read. Two readers at once would each read it whole.
    void wait();

private:
    std::thread reader_;
};

// Made once the application object exists: waits for the configuration, then has Qt list the
// fonts on another thread. Its end waits for that thread, so it must end before the application.
class FontListAhead {
public:
    explicit FontListAhead(FontConfigAhead& configuration);
    ~FontListAhead();
    FontListAhead(const FontListAhead&) = delete;
    FontListAhead& operator=(const FontListAhead&) = delete;

private:
    std::thread reader_;
};
