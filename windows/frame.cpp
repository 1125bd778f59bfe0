#include "frame.h"

#include "geometry.h"

#include <QPainter>

namespace vorn {

Frame::Frame(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
}

void Frame::setCaptionFont(const QFont &font)
{
    m_captionFont = font;
    update();
}

QFont Frame::captionFont() const
{
    return m_captionFont.value_or(font());
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(captionFont());
    const QString caption = title();
    QRect captionRect; // the caption with a blank on either side
    int top = 0;
    if (!caption.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect().adjusted(twips(90) + 2, 0, 0, 0),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption, &captionRect);
        captionRect.adjust(-2, 0, 2, 0);
        top = captionRect.height() / 2;
    }
    // The etched border of the classic frame: a dark rectangle, a light one a pixel further in,
    // the top line broken where the caption stands.
    auto rectangle = [&](int offset, const QColor &color) {
        const int left = offset, right = width() - 2 + offset;
        const int upper = top + offset, lower = height() - 2 + offset;
        if (caption.isEmpty()) {
            painter.fillRect(left, upper, right - left + 1, 1, color);
        } else {
            painter.fillRect(left, upper, captionRect.left() - left, 1, color);
            painter.fillRect(captionRect.right() + 1, upper, right - captionRect.right(), 1, color);
        }
        painter.fillRect(left, upper, 1, lower - upper + 1, color);
        painter.fillRect(right, upper, 1, lower - upper + 1, color);
        painter.fillRect(left, lower, right - left + 1, 1, color);
    };
    rectangle(1, palette().color(QPalette::Light));
    rectangle(0, palette().color(QPalette::Dark));
}

Frame *makeFrame(QWidget *parent, const char *name, const QString &caption)
{
    auto *frame = new Frame(caption, parent);
    frame->setObjectName(QLatin1String(name));
    // Said as written: a frame inside another would otherwise be named by the outer caption.
    frame->setAccessibleName(caption);
    return frame;
}

} // namespace vorn
