// Preloaded into the real program by process-level tests (LD_PRELOAD): answers every message
// box with its default button and reports on standard error what the user would have seen,
// so that a test can follow a copy of the program that has no one in front of it.
//
//   probe: message <icon>|<title>|<text>
//   probe: shown <objectName of a top-level window that became visible>
//   probe: clicked <objectName>
//   probe: idle (once: a window is on the screen and every step asked for has been taken)
//   probe: desktop file <QGuiApplication::desktopFileName()> (once, with the first window shown)
//
// VORN_PROBE_CLICK=<name>,<name>,... clicks those controls (or triggers those menu actions),
// in order, one every few polls, each once it stands in a window on the screen;
// "close:<window>" closes that window as its close box would.

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <set>
#include <utility>

namespace {

void Report(const QString &line)
{
    std::fprintf(stderr, "probe: %s\n", line.toUtf8().constData());
    std::fflush(stderr);
}

// The control or menu action called name in a window on the screen, or nullptr.
QObject *Find(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        if (auto *action = top->findChild<QAction *>(name))
            return action;
        if (auto *widget = top->findChild<QWidget *>(name))
            return widget;
    }
    return nullptr;
}

bool Act(const QString &step)
{
    if (step.startsWith(QLatin1String("close:"))) {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && top->objectName() == step.mid(6)) {
                Report(QStringLiteral("closing ") + top->objectName());
                QTimer::singleShot(0, top, [top] { top->close(); });
                return true;
            }
        }
        return false;
    }
    QObject *target = Find(step);
    if (!target)
        return false;
    Report(QStringLiteral("clicked ") + step);
    // Outside the polling timer: a click may open a modal box, which the timer must answer.
    QTimer::singleShot(0, target, [target] {
        if (auto *action = qobject_cast<QAction *>(target)) {
            action->trigger();
            return;
        }
        auto *widget = static_cast<QWidget *>(target);
        const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
        const QPointF global = widget->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    });
    return true;
}

// False once every step has been taken.
bool ClickNext()
{
    static QStringList pending
        = qEnvironmentVariable("VORN_PROBE_CLICK").split(u',', Qt::SkipEmptyParts);
    static int wait = 0;
    if (pending.isEmpty())
        return false;
    if (++wait % 5 != 0)
        return true;
    const QString step = pending.first();
    if (Act(step))
        pending.removeFirst();
    else if (wait > 500)
        Report(QStringLiteral("no control ") + pending.takeFirst());
    return true;
}

void Poll()
{
    const bool stepsLeft = ClickNext();
    static bool idle = false;
    static std::set<QString> shown;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !w->objectName().isEmpty() && shown.insert(w->objectName()).second) {
            Report(QStringLiteral("shown ") + w->objectName());
            static bool named = false;
            if (!std::exchange(named, true))
                Report(QStringLiteral("desktop file ") + QGuiApplication::desktopFileName());
        }
        if (!w->isVisible())
            shown.erase(w->objectName());
    }
    if (!idle && !stepsLeft && !shown.empty() && !QApplication::activeModalWidget()) {
        idle = true;
        Report(QStringLiteral("idle"));
    }
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->property("probed").toBool())
        return;
    box->setProperty("probed", true);
    Report(QStringLiteral("message %1|%2|%3")
               .arg(int(box->icon()))
               .arg(box->windowTitle(),
                    QString(box->text()).replace(QStringLiteral("\n"), QStringLiteral("\\n"))));
    QAbstractButton *button = box->defaultButton();
    if (!button)
        button = box->buttons().value(0);
    if (button)
        QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
}

void StartProbe()
{
    auto *timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, timer, &Poll);
    timer->start(20);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartProbe)
