// The look of the windows: their fonts, colors and icon, and the set-up every window shares.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QLabel>

namespace vorn {

// The faces of the design. Verdana serves the windows; the classic dialog face, MS Sans Serif,
// the name captions and the support window's form. Where they are not installed, DejaVu Sans
// and Carlito stand in for them.
enum class FontRole {
    Text, // Verdana 8.25: every window's own font, the boxes and the pick lists
    Bold, // Verdana 8.25 bold: frame captions, the results' captions and values, buttons
    Link, // Verdana 8.25 underlined: the About window's links
    BoldLink, // Verdana 8.25 bold underlined: the offers, the results window's banner
    Banner, // Verdana 9 underlined: the input window's banner
    Panel, // Verdana 9: the catalogue paragraph of the support window
    PanelLink, // Verdana 9 bold underlined: its link
    Heading, // Verdana 9.75 bold: the About title, the support message, the panel captions
    Number, // Verdana 14.25 bold: the three numbers of a reading
    LargeLink, // Verdana 14.25: the support window's check box
    Dialog, // MS Sans Serif 8.25
    DialogTitle, // MS Sans Serif 18: the support window's title
};
QFont designFont(FontRole role);

// Whether the face of a role, designed or stand-in, is installed. Where neither is, fontconfig
// stands in a face of its choosing, and captions must make room for its widths.
bool isFaceInstalled(FontRole role);

inline const QColor Red{255, 0, 0};
inline const QColor Blue{0, 0, 255};
inline const QColor Navy{0, 0, 128};
inline const QColor LinkBlue{0, 0, 192};
inline const QColor White{255, 255, 255};
inline const QColor Yellow{255, 255, 0};
inline const QColor Salmon{255, 128, 128};

// The light faces the design's colors are drawn for: window and button faces, black text,
// white text boxes. Every window takes it, whatever the desktop's theme.
QPalette designPalette();

// The program's icon.
QIcon programIcon();

// For what the windows' own set-up cannot reach: menus, message boxes, tooltips and the lists
// that pick lists open are windows of their own. They take the dialog face and the design's
// palette here, for the whole program and whatever the desktop's theme; only the platform's own
// file and print dialogs follow the desktop. Once, at start-up, before any window.
void setUpApplicationLook();

// Draws the style's focus frame around the text of a label that has the keyboard focus.
void drawTextFocus(QLabel *label);

// Names a top-level window, gives it the program's caption and icon, a close box without
// minimize and maximize buttons, the design's palette and font, and a place in the middle of
// the screen when first shown.
void setUpWindow(QWidget *window, const char *name, FontRole font);

// Sets the color that labels, frames and captions draw their text in.
void setTextColor(QWidget *widget, const QColor &color);

// Colored text on the button-face color: the look of the input boxes and pick lists.
void setInputColors(QWidget *widget, const QColor &text);

// Where a stand-in face is wider than the designed one, steps a one-line caption's font down
// until the text fits its designed width, so that it is never cut.
void fitFontToWidth(QWidget *widget, const QString &text);

// A plain-text label (or a label of a class derived from QLabel) with its design name, font
// and text color (none given: the ordinary one), its text at the top left.
template<typename Label = QLabel>
Label *makeLabel(QWidget *parent, const char *name, const QString &text, FontRole font,
                 const QColor &color = QColor())
{
    auto *label = new Label(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(designFont(font));
    if (color.isValid())
        setTextColor(label, color);
    return label;
}

} // namespace vorn
