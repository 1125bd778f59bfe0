// Window layouts are written in twips, as they were designed; this is the one place where a
// twip becomes a logical pixel (15 twips to the pixel at 96 dots per inch).
#pragma once

#include <functional>
#include <initializer_list>

class QWidget;

namespace vorn {

// twips / 15, rounded to the nearest pixel, halves away from zero, whatever the sign.
constexpr int twips(int twips)
{
    return twips < 0 ? -((-twips * 2 + 15) / 30) : (twips * 2 + 15) / 30;
}

// Gives widget its designed rectangle inside its container.
void place(QWidget *widget, int left, int top, int width, int height);

// Places widget at its designed corner and lets it take the size of its contents.
void placeAt(QWidget *widget, int left, int top);

// Fixes the client area of a top-level window to its designed size.
void setClientSize(QWidget *window, int width, int height);

// Chains the keyboard focus through widgets in the order given.
void setFocusChain(std::initializer_list<QWidget *> widgets);

// Runs work once, when window is shown for the first time: for work that only a window on the
// screen needs, so that a window loaded out of sight does not pay for it.
void whenFirstShown(QWidget *window, std::function<void()> work);

// Centers window on its screen when it is shown for the first time.
void centerWhenFirstShown(QWidget *window);

} // namespace vorn
