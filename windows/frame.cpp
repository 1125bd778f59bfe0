#include "frame.h"

#include "geometry.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace vorn {

Frame::Frame(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QString caption = title();
    const int captionHeight = fontMetrics().height();
    const QRect captionRect(twips(90), 0, fontMetrics().horizontalAdvance(caption) + 4,
                            captionHeight);

    // The etched border of the classic frame, broken where the caption stands.
    painter.save();
    if (!caption.isEmpty())
        painter.setClipRegion(QRegion(rect()) - captionRect);
    qDrawShadeRect(&painter, rect().adjusted(0, caption.isEmpty() ? 0 : captionHeight / 2, 0, 0),
                   palette(), true, 1, 0);
    painter.restore();
    style()->drawItemText(&painter, captionRect, Qt::AlignCenter, palette(), isEnabled(), caption,
                          QPalette::WindowText);
}

Frame *makeFrame(QWidget *parent, const char *name, const QString &caption)
{
    auto *frame = new Frame(caption, parent);
    frame->setObjectName(QLatin1String(name));
    return frame;
}

} // namespace vorn
