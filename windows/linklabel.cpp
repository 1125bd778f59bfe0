#include "linklabel.h"

#include "look.h"

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
