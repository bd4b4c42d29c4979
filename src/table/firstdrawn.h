#pragma once
// Work that waits until a window is on the screen: started from the event loop once the window
// has first been exposed (after the map), so the start draws only what the first frame shows.

#include <functional>

class QWidget;

// Calls `then` once, from the event loop, after `window` is first exposed (at once when it is
// on screen already). Nothing is called if the window goes before that.
void whenFirstDrawn(QWidget& window, std::function<void()> then);

// Draws the printable ASCII characters in every font the window's widgets use into a scratch
// picture, one font per pass of the event loop, so the glyphs are rasterised and cached before
// the first play needs them, not during it.
void warmGlyphCaches(const QWidget& window);
