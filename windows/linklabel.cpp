#include "linklabel.h"

#include "layout.h"

#include <QMouseEvent>

namespace vorn {

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
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
    auto *label = new LinkLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(Verdana(8.25, true, true));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    setTextColor(label, Red);
    return label;
}

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent)
    : LinkLabel(text, parent)
{
    unsetCursor();
}

} // namespace vorn
