#include "look.h"

#include "accessibility.h"
#include "captions.h"
#include "geometry.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPalette>
#include <QPixmap>
#include <QResource>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolTip>
#include <QWidget>

namespace vorn {

namespace {

struct Face
{
    QString family;
    bool installed;
};

// The designed face where it is installed; otherwise the free face whose widths at the designed
// sizes come closest to it (docs/FONTS.md), asked for by name: a missing family sends
// fontconfig searching for a stand-in for every font, and what it finds differs between
// desktops. Decided once, from the installed families.
Face installedOr(const QString &designed, const QString &standIn)
{
    static const QStringList families = QFontDatabase::families();
    if (families.contains(designed))
        return {designed, true};
    return {standIn, families.contains(standIn)};
}

// The face of a role: Verdana's or the dialog face's, each decided once.
const Face &faceOf(FontRole role)
{
    static const Face verdana
        = installedOr(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    static const Face dialog
        = installedOr(QStringLiteral("MS Sans Serif"), QStringLiteral("Carlito"));
    return role >= FontRole::Dialog ? dialog : verdana;
}

} // namespace

bool isFaceInstalled(FontRole role)
{
    return faceOf(role).installed;
}

QFont designFont(FontRole role)
{
    struct Size
    {
        qreal points;
        bool bold;
        bool underline;
    };
    static constexpr Size Sizes[] = {
        {8.25, false, false}, // Text
        {8.25, true, false}, // Bold
        {8.25, false, true}, // Link
        {8.25, true, true}, // BoldLink
        {9, false, true}, // Banner
        {9, false, false}, // Panel
        {9, true, true}, // PanelLink
        {9.75, true, false}, // Heading
        {14.25, true, false}, // Number
        {14.25, false, false}, // LargeLink
        {8.25, false, false}, // Dialog
        {18, false, false}, // DialogTitle
    };
    const Size &size = Sizes[static_cast<int>(role)];
    QFont font(faceOf(role).family);
    font.setPointSizeF(size.points);
    font.setBold(size.bold);
    font.setUnderline(size.underline);
    return font;
}

QIcon programIcon()
{
    // The program's 32-pixel picture, as designed; launchers and docks take the larger sizes from
    // the installed icon theme. On X each picture of a window icon goes to the server for every
    // window, and a 256-pixel one held each first paint up by milliseconds. Kept as bare RGBA
    // bytes: decoding a PNG looks through every image format plugin first, which cost each start
    // more than the window's fonts. Made once and shared by every window; never freed, as no
    // pixmap may outlive the application.
    static const QIcon *icon = [] {
        const QByteArray rgba
            = QResource(QStringLiteral(":/icons/vorn-color-numerology-32.rgba")).uncompressedData();
        const QImage picture(reinterpret_cast<const uchar *>(rgba.constData()), 32, 32,
                             QImage::Format_RGBA8888);
        return new QIcon(QPixmap::fromImage(picture));
    }();
    return *icon;
}

QPalette designPalette()
{
    const QColor face(239, 239, 239);
    QPalette palette(Qt::black, face, face.lighter(150), face.darker(150), face.darker(130),
                     Qt::black, Qt::white);
    palette.setColor(QPalette::Midlight, face.darker(130).lighter(110));
    palette.setColor(QPalette::Shadow, face.darker(150).darker(135));
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    for (const QPalette::ColorRole role :
         {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(190, 190, 190));
    QColor placeholder(Qt::black);
    placeholder.setAlpha(128);
    palette.setColor(QPalette::PlaceholderText, placeholder);
    return palette;
}

namespace {

// Menus and message boxes are windows of their own: they take nothing from the window they belong
// to, and class palettes do not outlast a desktop's palette. Each takes the design's palette as it
// is readied to be shown. A pick list's open list takes a menu's palette.
class DialogPalettes : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish
            && (qobject_cast<QMenu *>(watched) || qobject_cast<QMessageBox *>(watched)))
            static_cast<QWidget *>(watched)->setPalette(designPalette());
        return false;
    }
};

} // namespace

void setUpApplicationLook()
{
    QApplication::setFont(designFont(FontRole::Dialog));
    QToolTip::setPalette(designPalette());
    static DialogPalettes *palettes = nullptr;
    if (!palettes) {
        palettes = new DialogPalettes(qApp);
        qApp->installEventFilter(palettes);
    }
}

void drawTextFocus(QLabel *label)
{
    if (!label->hasFocus())
        return;
    QStylePainter painter(label);
    QStyleOptionFocusRect option;
    option.initFrom(label);
    const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    option.rect = label->fontMetrics()
                      .boundingRect(label->contentsRect(), flags, label->text())
                      .adjusted(-2, -1, 2, 1)
                      .intersected(label->rect());
    option.backgroundColor = label->palette().color(label->backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void setUpWindow(QWidget *window, const char *name, FontRole font)
{
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(windowCaption());
    window->setWindowIcon(programIcon());
    // Without CustomizeWindowHint the platform puts minimize and maximize back.
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setFont(designFont(font));
    window->setPalette(designPalette());
    menuOnShiftF10(window);
    centerWhenFirstShown(window);
}

void setTextColor(QWidget *widget, const QColor &color)
{
    // The window-text role only: it is what labels, frames and check boxes draw with, and a
    // frame hands its roles down to the buttons inside it.
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void setInputColors(QWidget *widget, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text); // a pick list draws its choice as a button
    palette.setColor(QPalette::Base, designPalette().color(QPalette::Button));
    widget->setPalette(palette);
}

void fitFontToWidth(QWidget *widget, const QString &text)
{
    QFont font = widget->font();
    while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(text) > widget->width())
        font.setPointSizeF(font.pointSizeF() - 0.25);
    widget->setFont(font);
}

} // namespace vorn
