// Takes the screenshots of docs/screenshots: starts the program's windows with a sample reading
// and saves a picture of each. Run it through "make screenshots", which gives it an X server.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <app/application.h>
#include <cstdio>
#include <windows/mainwindow.h>
#include <windows/resultswindow.h>
#include <windows/supportwindow.h>

namespace {

void Settle()
{
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool Save(QWidget *window, const QString &path)
{
    Settle();
    const bool saved = window->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    QTemporaryDir home;
    QSettings settings(home.filePath(QStringLiteral("settings.conf")), QSettings::IniFormat);
    vorn::Application::Environment env;
    env.settings = &settings;
    env.lockPath = home.filePath(QStringLiteral("lock"));
    env.uniform = [] { return 0.99; };
    env.exit = [](int) {};
    vorn::Application app(env);
    if (!app.startUpSequence())
        return 1;

    bool ok = true;
    vorn::MainWindow *main = app.mainWindow();
    main->findChild<QLineEdit *>(QStringLiteral("txtFirstName"))->setText(QStringLiteral("JOHN"));
    main->findChild<QLineEdit *>(QStringLiteral("txtLastName"))->setText(QStringLiteral("SMITH"));
    main->findChild<QComboBox *>(QStringLiteral("cboDate"))->setCurrentIndex(28);
    main->findChild<QComboBox *>(QStringLiteral("cboMonth"))->setCurrentIndex(10);
    main->findChild<QComboBox *>(QStringLiteral("cboYear"))->setCurrentIndex(99);
    ok &= Save(main, out + QStringLiteral("/main-window.png"));

    main->findChild<QPushButton *>(QStringLiteral("cmdNext"))->click();
    vorn::ResultsWindow *results = app.resultsWindow();
    auto *tabs = results->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    const char *names[]
        = {"results-life-journey.png", "results-soul.png", "results-personality.png"};
    for (int tab : {2, 0, 1}) {
        tabs->setCurrentIndex(tab);
        ok &= Save(results, out + u'/' + QLatin1String(names[tab]));
    }
    // The tooltip of the Personality Number: how it was found.
    auto *number = results->findChild<QLabel *>(QStringLiteral("lblPersonalityNumber"));
    QToolTip::showText(number->mapToGlobal(number->rect().center()), number->toolTip(), number);
    Settle();
    bool tipSaved = false;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QTipLabel") && widget->isVisible())
            tipSaved = Save(widget, out + QStringLiteral("/results-working-tooltip.png"));
    }
    ok &= tipSaved;
    QToolTip::hideText();
    results->findChild<QPushButton *>(QStringLiteral("cmdback"))->click();
    Settle();

    QTimer::singleShot(300, &qapp, [&] {
        if (auto *about = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            ok &= Save(about, out + QStringLiteral("/about-window.png"));
            about->accept();
        } else {
            ok = false;
        }
    });
    main->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();

    main->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
    ok &= Save(app.supportWindow(), out + QStringLiteral("/support-window.png"));
    return ok ? 0 : 1;
}
