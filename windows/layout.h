// Window layouts are written in twips, as they were designed; this is the one place where a
// twip becomes a logical pixel (15 twips to the pixel at 96 dots per inch).
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>
#include <functional>
#include <initializer_list>

class QWidget;

namespace vorn {

constexpr int Twips(int twips)
{
    return (twips * 2 + 15) / 30; // twips / 15, rounded to the nearest pixel
}

// Gives widget its designed rectangle inside its container.
void place(QWidget *widget, int left, int top, int width, int height);

// Places widget at its designed corner and lets it take the size of its contents.
void placeAt(QWidget *widget, int left, int top);

// Fixes the client area of a top-level window to its designed size.
void setClientSize(QWidget *window, int width, int height);

// A window with a close box and a system menu but without minimize and maximize buttons.
void setCloseOnlyFrame(QWidget *window);

// Chains the keyboard focus through widgets in the order given.
void setFocusChain(std::initializer_list<QWidget *> widgets);

// Moves a window to the centre of its screen's available area.
void centreOnScreen(QWidget *window);

// Runs work once, when window is shown for the first time: for work that only a window on the
// screen needs, so that a window loaded out of sight does not pay for it.
void whenFirstShown(QWidget *window, std::function<void()> work);

// Centres window on its screen when it is shown for the first time.
void centreWhenFirstShown(QWidget *window);

// The caption every window carries, and the title of every message box.
QString WindowCaption();
QString ApplicationTitle();

// Verdana in a designed size; fontconfig stands in a near face where Verdana is missing.
QFont Verdana(qreal pointSize, bool bold = false, bool underline = false);
QFont DialogFont(qreal pointSize = 8.25, bool bold = false); // the classic dialog face

inline const QColor Red{255, 0, 0};
inline const QColor Blue{0, 0, 255};

// Where a stand-in face is wider than the designed one, steps a one-line caption's font down
// until the text fits its designed width, so that it is never cut.
void fitFontToWidth(QWidget *widget, const QString &text);

// Sets the colour that labels, frames and captions draw their text in.
void setTextColor(QWidget *widget, const QColor &color);

// Red text on the button-face colour: the look of the input boxes and pick lists.
void setInputColors(QWidget *widget, const QColor &text);

// The program's icon.
QIcon ProgramIcon();

} // namespace vorn
