// Preloaded into the real program by process-level tests (LD_PRELOAD): answers every message
// box with its default button and reports on standard error what the user would have seen,
// so that a test can follow a copy of the program that has no one in front of it.
//
//   probe: message <icon>|<title>|<text>
//   probe: shown <objectName of a top-level window that became visible>
//   probe: clicked <objectName>
//
// VORN_PROBE_CLICK=<name>,<name>,... clicks those controls (or triggers those menu actions)
// once the input window is shown, one every few polls.

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <set>

namespace {

void Report(const QString &line)
{
    std::fprintf(stderr, "probe: %s\n", line.toUtf8().constData());
    std::fflush(stderr);
}

void Click(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *action = top->findChild<QAction *>(name)) {
            action->trigger();
            Report(QStringLiteral("clicked ") + name);
            return;
        }
        if (auto *widget = top->findChild<QWidget *>(name)) {
            const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
            const QPointF global = widget->mapToGlobal(at);
            QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(widget, &press);
            QApplication::sendEvent(widget, &release);
            Report(QStringLiteral("clicked ") + name);
            return;
        }
    }
    Report(QStringLiteral("no control ") + name);
}

void ClickNext()
{
    static QStringList pending
        = qEnvironmentVariable("VORN_PROBE_CLICK").split(u',', Qt::SkipEmptyParts);
    static int wait = 0;
    if (pending.isEmpty() || ++wait % 5 != 0)
        return;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("frmMain") && w->isVisible()) {
            Click(pending.takeFirst());
            return;
        }
    }
}

void Poll()
{
    ClickNext();
    static std::set<QString> shown;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !w->objectName().isEmpty() && shown.insert(w->objectName()).second)
            Report(QStringLiteral("shown ") + w->objectName());
        if (!w->isVisible())
            shown.erase(w->objectName());
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
