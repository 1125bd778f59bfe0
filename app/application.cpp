#include "application.h"

#include "cobrand.h"
#include "printing.h"
#include "singleinstance.h"
#include "updatereminder.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QWindow>
#include <chrono>
#include <reading/document.h>
#include <reading/entries.h>
#include <reading/text.h>
#include <reading/texts.h>
#include <web/pages.h>
#include <windows/aboutwindow.h>
#include <windows/accessibility.h>
#include <windows/look.h>
#include <windows/mainwindow.h>
#include <windows/messages.h>
#include <windows/resultswindow.h>
#include <windows/supportwindow.h>

namespace vorn {

Application::Application(Environment environment, QObject *parent)
    : QObject(parent)
    , m_env(std::move(environment))
{
}

Application::~Application() = default;

bool Application::startUpSequence()
{
    installAccessibleInterfaces();
    setUpApplicationLook();
    m_instance = std::make_unique<SingleInstance>(m_env.lockPath);
    if (m_instance->anotherCopyIsRunning()) {
        showMessage(nullptr, QStringLiteral("Application is already running"),
                    QMessageBox::Information);
        quitApplication();
        return false;
    }

    m_random.seed(static_cast<std::mt19937::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    runUpdateReminder();
    loadMainWindow().show();
    m_state = State::Input;
    randomizeOffer();
    return true;
}

void Application::runUpdateReminder()
{
#if VORN_UPDATE_REMINDER
    const QDate today = m_env.today.isValid() ? m_env.today : QDate::currentDate();
    updateReminder(
        *m_env.settings, today,
        [] { return askYesNo(nullptr, updateQuestion(), QMessageBox::Information); },
        [] { openLink(Page::DownloadPage); });
#endif
}

void Application::randomizeOffer()
{
    switch (coBrandChoice(coBrandDraw(uniform()))) {
    case OfferInFront::CoBrand:
        m_main->bringCobrandToFront();
        break;
    case OfferInFront::FullBrand:
        m_main->bringFullBrandToFront();
        break;
    case OfferInFront::AsDesigned:
        break;
    }
}

void Application::showReading()
{
    if (m_state != State::Input)
        return;
    m_reading = makeReading(m_main->entries());
    ResultsWindow &results = loadResultsWindow();
    results.setReading(m_reading);

    m_main->hide();
    results.show();
    loadSupportWindow().hide();
    m_state = State::Results;
}

void Application::goBack()
{
    if (m_state != State::Results)
        return;
    // The support window stays loaded, out of sight: Back leaves it as the exit step and the
    // hide that follow it would, without showing it for an instant.
    unload(m_results);
    m_main->show();
    loadSupportWindow().hide();
    m_state = State::Input;
}

void Application::exitToSupportWindow()
{
    if (m_state != State::Input && m_state != State::Results)
        return;
    SupportWindow &support = loadSupportWindow();
    support.show();
    support.raise();
    support.activateWindow();
    if (m_state == State::Input)
        unload(m_main);
    else
        unload(m_results); // the input window stays loaded, out of sight
    m_state = State::Leaving;
}

void Application::quitApplication()
{
    if (m_state == State::Ended)
        return;
    m_state = State::Ended;
    // Every window still loaded, in the order in which it was loaded.
    for (const QWidget *window : QList<QWidget *>(m_loadOrder)) {
        if (window == m_main.get())
            unload(m_main);
        else if (window == m_results.get())
            unload(m_results);
        else if (window == m_support.get())
            unload(m_support);
    }
    if (m_env.exit)
        m_env.exit(0);
    else
        QCoreApplication::exit(0);
}

void Application::showAbout()
{
    // Owned by the input window, so that it stays above it; modal, and looking as on its own.
    AboutWindow about(m_main.get());
    connect(&about, &AboutWindow::linkRequested, this, [](Page page) { openLink(page); });
    about.exec();
}

void Application::saveReading()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QFileDialog dialog(m_results.get(), QStringLiteral("Save Reading as PDF"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setMimeTypeFilters({QStringLiteral("application/pdf")});
    dialog.setDefaultSuffix(QStringLiteral("pdf")); // "myreading" is saved as myreading.pdf
    dialog.selectFile(readingFileName(m_reading));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    // Written beside the chosen name and moved over it when complete: a failed save leaves
    // nothing half-written under that name.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && writeReadingPdf(m_reading, file) && file.commit())
        return;
    showMessage(m_results.get(), QStringLiteral("Could not save the reading as a PDF."),
                QMessageBox::Critical,
                QDir::toNativeSeparators(path) + QStringLiteral(": ") + file.errorString());
}

void Application::printReading()
{
    QString error;
    const QString here = m_env.programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                       : m_env.programFolder;
    PrinterChooser *printing = printerChooser(here, &error);
    if (!printing) {
        showMessage(m_results.get(),
                    QStringLiteral("Printing is not available: the print plugin could not be "
                                   "loaded."),
                    QMessageBox::Critical, error);
        return;
    }
    // Named as a saved reading is, which the dialog offers when printing to a file.
    if (const std::unique_ptr<QPagedPaintDevice> printer
        = printing->choosePrinter(m_results.get(), readingFileName(m_reading), localePageSize()))
        paintReading(m_reading, *printer);
}

void Application::copyReading()
{
    QGuiApplication::clipboard()->setText(readingText(m_reading));
}

MainWindow &Application::loadMainWindow()
{
    m_main = std::make_unique<MainWindow>();
    m_loadOrder << m_main.get();
    connect(m_main.get(), &MainWindow::nextRequested, this, &Application::showReading);
    connect(m_main.get(), &MainWindow::linkRequested, this, [](Page page) { openLink(page); });
    connect(m_main.get(), &MainWindow::aboutRequested, this, &Application::showAbout);
    connect(m_main.get(), &MainWindow::exitRequested, this, &Application::exitToSupportWindow);
    connect(m_main.get(), &MainWindow::closeRequested, this, &Application::exitToSupportWindow);
    return *m_main;
}

ResultsWindow &Application::loadResultsWindow()
{
    // Every reading starts from a freshly made window.
    unload(m_results);
    m_results = std::make_unique<ResultsWindow>();
    m_loadOrder << m_results.get();
    connect(m_results.get(), &ResultsWindow::backRequested, this, &Application::goBack);
    connect(m_results.get(), &ResultsWindow::linkRequested, this,
            [](Page page) { openLink(page); });
    connect(m_results.get(), &ResultsWindow::closeRequested, this,
            &Application::exitToSupportWindow);
    connect(m_results.get(), &ResultsWindow::saveRequested, this, &Application::saveReading);
    connect(m_results.get(), &ResultsWindow::printRequested, this, &Application::printReading);
    connect(m_results.get(), &ResultsWindow::copyRequested, this, &Application::copyReading);
    return *m_results;
}

SupportWindow &Application::loadSupportWindow()
{
    if (m_support)
        return *m_support;
    m_support = std::make_unique<SupportWindow>(supportMessageIndex(static_cast<float>(uniform())));
    m_loadOrder << m_support.get();
    connect(m_support.get(), &SupportWindow::linkRequested, this,
            [](Page page) { openLink(page); });
    connect(m_support.get(), &SupportWindow::tellAFriendRequested, this,
            [](const ReferralValues &values) { openLink(tellAFriendUrl(values)); });
    connect(m_support.get(), &SupportWindow::exitRequested, this, &Application::quitApplication);
    connect(m_support.get(), &SupportWindow::closeRequested, this, &Application::quitApplication);
    return *m_support;
}

template<typename Window>
void Application::unload(std::unique_ptr<Window> &window)
{
    if (!window)
        return;
    m_loadOrder.removeOne(window.get());
    window->hide();
    // The window's own handler may be what brought us here: it goes when the loop next turns,
    // and nothing refers to it from now on.
    window.release()->deleteLater();
}

double Application::uniform()
{
    if (m_env.uniform)
        return m_env.uniform();
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_random);
}

} // namespace vorn
