#include "layout.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace vorn {

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(Twips(left), Twips(top), Twips(width), Twips(height));
}

void placeAt(QWidget *widget, int left, int top)
{
    widget->move(Twips(left), Twips(top));
    widget->adjustSize();
}

void setClientSize(QWidget *window, int width, int height)
{
    window->setFixedSize(Twips(width), Twips(height));
}

void setCloseOnlyFrame(QWidget *window)
{
    // Without CustomizeWindowHint the platform puts minimize and maximize back.
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

namespace {

class CentreOnFirstShow : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            centreOnScreen(static_cast<QWidget *>(watched));
            deleteLater();
            watched->removeEventFilter(this);
        }
        return false;
    }
};

} // namespace

void centreWhenFirstShown(QWidget *window)
{
    window->installEventFilter(new CentreOnFirstShow(window));
}

QString WindowCaption()
{
    return QStringLiteral("Vorn Color Numerology v1.0");
}

QString ApplicationTitle()
{
    return QStringLiteral("Vorn Color Numerology");
}

QFont Verdana(qreal pointSize, bool bold, bool underline)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont DialogFont(qreal pointSize, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void fitFontToWidth(QWidget *widget, const QString &text)
{
    QFont font = widget->font();
    while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(text) > widget->width())
        font.setPointSizeF(font.pointSizeF() - 0.25);
    widget->setFont(font);
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

void setInputColors(QWidget *widget, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    widget->setPalette(palette);
}

QIcon ProgramIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/vorn-color-numerology-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/vorn-color-numerology-256.png"), QSize(256, 256));
    return icon;
}

} // namespace vorn
