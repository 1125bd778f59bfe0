#include "uitesting.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

QString Str(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

namespace vorn::testing {

QStringList ControlsCrossedByFrameLines(const QWidget *window)
{
    QStringList crossed;
    for (QGroupBox *frame : window->findChildren<QGroupBox *>()) {
        QImage drawn(frame->size(), QImage::Format_ARGB32);
        drawn.fill(Qt::transparent);
        frame->render(&drawn, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        for (QWidget *control : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            // Inside the frame's own edges: a control may reach over them, as designed.
            const QRect place = control->geometry() & frame->rect().adjusted(2, 2, -2, -2);
            if (!control->isVisibleTo(frame) || place.isEmpty())
                continue;
            const QRgb plain = drawn.pixel(place.topLeft());
            bool clear = true;
            for (int y = place.top(); clear && y <= place.bottom(); ++y)
                for (int x = place.left(); clear && x <= place.right(); ++x)
                    clear = drawn.pixel(x, y) == plain;
            if (!clear)
                crossed << control->objectName();
        }
    }
    return crossed;
}

void addDesignedRow(const char *name, int left, int top, int width, int height)
{
    QTest::newRow(name) << QString::fromLatin1(name) << QRect(left, top, width, height);
}

QRect TwipsToPixels(const QRect &twips)
{
    auto pixels = [](int t) { return qRound(t / 15.0); };
    return {pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())};
}

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton answer, QObject *parent)
    : QObject(parent)
    , m_answer(answer)
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxAnswerer::poll);
    m_timer.start();
}

QStringList MessageBoxAnswerer::texts() const
{
    QStringList result;
    for (const SeenMessage &m : seen)
        result << m.text;
    return result;
}

void MessageBoxAnswerer::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->property("answered").toBool())
        return;
    box->setProperty("answered", true);
    SeenMessage message;
    message.title = box->windowTitle();
    message.text = box->text();
    message.icon = box->icon();
    message.buttons = box->standardButtons();
    message.defaultButton = box->standardButton(box->defaultButton());
    if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        message.shownLines = qRound(double(label->height()) / label->fontMetrics().lineSpacing());
    message.width = box->width();
    message.windowIcon = !box->windowIcon().isNull();
    seen << message;
    QAbstractButton *button = box->button(m_answer);
    if (!button)
        button = box->buttons().value(0);
    if (button)
        button->click();
}

LinkRecorder::LinkRecorder(QObject *parent)
    : QObject(parent)
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
}

LinkRecorder::~LinkRecorder()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void LinkRecorder::open(const QUrl &url)
{
    opened << url;
    if (onOpen)
        onOpen(url);
}

} // namespace vorn::testing
