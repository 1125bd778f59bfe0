// Helpers for tests that drive the real windows: answering message boxes as a user would and
// catching the pages the program hands to the browser.
#pragma once

#include <QAnyStringView>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QRect>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <string_view>

// The text of a catalogue string.
QString Str(std::string_view text);

// The widget or action called name below parent; a warning when there is none.
template<typename T = QWidget>
T *child(const QObject *parent, QAnyStringView name)
{
    T *found = parent ? parent->findChild<T *>(name.toString()) : nullptr;
    if (!found)
        qWarning("no child %s", qPrintable(name.toString()));
    return found;
}

namespace vorn::testing {

struct SeenMessage
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    int shownLines = 0; // lines of text the box shows, as laid out on the screen
    int width = 0;
    bool windowIcon = false;
};

// The controls of window across which one of its frames draws a line of its own: each frame
// is drawn without its children and must leave the place of every child plain.
QStringList ControlsCrossedByFrameLines(const QWidget *window);

// Layout tables: a data row named after the control, with columns "name" (QString) and
// "twips" (QRect) holding the designed rectangle; TwipsToPixels gives what the window shows.
void addDesignedRow(const char *name, int left, int top, int width, int height);
QRect TwipsToPixels(const QRect &twips);

// While it lives, answers every message box that opens with answer, and records it.
class MessageBoxAnswerer : public QObject
{
    Q_OBJECT

public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok,
                                QObject *parent = nullptr);

    void setAnswer(QMessageBox::StandardButton answer) { m_answer = answer; }
    QList<SeenMessage> seen;
    QStringList texts() const;

private:
    void poll();

    QTimer m_timer;
    QMessageBox::StandardButton m_answer;
};

// While it lives, catches every http and https address opened through QDesktopServices.
class LinkRecorder : public QObject
{
    Q_OBJECT

public:
    explicit LinkRecorder(QObject *parent = nullptr);
    ~LinkRecorder() override;

    QList<QUrl> opened;
    std::function<void(const QUrl &)> onOpen; // runs as each address is opened

public Q_SLOTS:
    void open(const QUrl &url);
};

} // namespace vorn::testing
