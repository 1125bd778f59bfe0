// Preloaded into the real program by process-level tests (LD_PRELOAD): answers every message
// box with its default button and reports on standard error what the user would have seen,
// so that a test can follow a copy of the program that has no one in front of it.
//
//   probe: message <icon>|<title>|<text>
//   probe: shown <objectName of a top-level window that became visible>

#include <QApplication>
#include <QMessageBox>
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

void Poll()
{
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
