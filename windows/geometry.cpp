#include "geometry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <utility>

namespace vorn {

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

void placeAt(QWidget *widget, int left, int top)
{
    widget->move(twips(left), twips(top));
    widget->adjustSize();
}

void setClientSize(QWidget *window, int width, int height)
{
    window->setFixedSize(twips(width), twips(height));
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
            std::exchange(m_work, {})();
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

void centerWhenFirstShown(QWidget *window)
{
    whenFirstShown(window, [window] {
        const QScreen *screen
            = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    });
}

} // namespace vorn
