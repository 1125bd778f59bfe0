#include "linklabel.h"

#include "look.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace vorn {

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::activate()
{
    Q_EMIT clicked();
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!(event->modifiers() & ~Qt::KeypadModifier)) {
            event->accept();
            Q_EMIT clicked();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    drawTextFocus(this);
}

LinkLabel *makeOfferLabel(const char *name, const QString &caption, QWidget *parent)
{
    auto *label = makeLabel<LinkLabel>(parent, name, caption, FontRole::BoldLink, Red);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    return label;
}

bool LinkCheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent)
    : LinkLabel(text, parent)
{
    unsetCursor();
}

} // namespace vorn
