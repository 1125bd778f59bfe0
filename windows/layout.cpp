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

void setFocusChain(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
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

class OnFirstShow : public QObject
{
public:
    OnFirstShow(QWidget *window, std::function<void()> work)
        : QObject(window)
        , m_work(std::move(work))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            deleteLater();
            m_work();
        }
        return false;
    }

private:
    std::function<void()> m_work;
};

} // namespace

void whenFirstShown(QWidget *window, std::function<void()> work)
{
    window->installEventFilter(new OnFirstShow(window, std::move(work)));
}

void centreWhenFirstShown(QWidget *window)
{
    whenFirstShown(window, [window] { centreOnScreen(window); });
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
    setTextColor(widget, text);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    widget->setPalette(palette);
}

QIcon ProgramIcon()
{
    // The program's 32-pixel picture, as designed; launchers and docks take the larger sizes from
    // the installed icon theme. On X each picture of a window icon goes to the server for every
    // window, and a 256-pixel one held each first paint up by milliseconds. Read once and shared
    // by every window; never freed, as no pixmap may outlive the application.
    static const QIcon *icon = new QIcon(QStringLiteral(":/icons/vorn-color-numerology-32.png"));
    return *icon;
}

} // namespace vorn
