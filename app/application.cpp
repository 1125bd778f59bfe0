#include "application.h"

#include "cobrand.h"
#include "singleinstance.h"

#include <QCoreApplication>
#include <QSettings>
#include <chrono>
#include <engine/numerology.h>
#include <web/pages.h>
#include <web/updatereminder.h>
#include <windows/aboutwindow.h>
#include <windows/mainwindow.h>
#include <windows/messages.h>
#include <windows/resultswindow.h>
#include <windows/supportwindow.h>

namespace vorn {

namespace {

// Keeps the UTF-8 bytes of a text alive for as long as the engine reads them.
struct Utf8
{
    explicit Utf8(const QString &text)
        : bytes(text.toUtf8())
    {
    }
    std::string_view view() const
    {
        return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
    }
    QByteArray bytes;
};

} // namespace

Application::Application(Environment environment, QObject *parent)
    : QObject(parent)
    , m_env(std::move(environment))
{
}

Application::~Application()
{
    for (const QPointer<QWidget> &window : m_loaded)
        delete window.data();
}

MainWindow *Application::mainWindow() const
{
    return m_main;
}

ResultsWindow *Application::resultsWindow() const
{
    return m_results;
}

SupportWindow *Application::supportWindow() const
{
    return m_support;
}

bool Application::StartUpSequence()
{
    m_instance = std::make_unique<SingleInstance>(m_env.lockPath);
    if (m_instance->anotherCopyIsRunning()) {
        ShowMessage(nullptr, QStringLiteral("Application is already running"),
                    QMessageBox::Information);
        QuitApplication();
        return false;
    }

    m_random.seed(static_cast<std::mt19937::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count()));

    RunUpdateReminder();

    MainWindow *main = loadMainWindow();
    main->show();
    CoBrand_Randomize();
    return true;
}

void Application::RunUpdateReminder()
{
    if (!m_env.settings)
        return;
    const QDate today = m_env.today.isValid() ? m_env.today : QDate::currentDate();
    UpdateReminder(
        *m_env.settings, today,
        [] { return AskYesNo(nullptr, UpdateQuestion(), QMessageBox::Information); },
        [] { OpenLink(Page::DownloadPage); });
}

void Application::CoBrand_Randomize()
{
    switch (CoBrandChoice(CoBrandDraw(uniform()))) {
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

MainWindow *Application::loadMainWindow()
{
    if (m_main)
        return m_main;
    m_main = new MainWindow;
    track(m_main);
    connect(m_main, &MainWindow::nextRequested, this, &Application::FillResultsWindow);
    connect(m_main, &MainWindow::linkRequested, this, [](Page page) { OpenLink(page); });
    connect(m_main, &MainWindow::aboutRequested, this, &Application::ShowAbout);
    connect(m_main, &MainWindow::leaving, this, [this] { ExitToSupportWindow(m_main); });
    return m_main;
}

ResultsWindow *Application::loadResultsWindow()
{
    if (m_results)
        return m_results;
    m_results = new ResultsWindow;
    track(m_results);
    connect(m_results, &ResultsWindow::backRequested, this, &Application::Back);
    connect(m_results, &ResultsWindow::linkRequested, this, [](Page page) { OpenLink(page); });
    connect(m_results, &ResultsWindow::leaving, this, [this] {
        if (m_goingBack)
            loadSupportWindow(); // Back keeps the support window loaded, out of sight
        else
            ExitToSupportWindow(m_results);
    });
    return m_results;
}

SupportWindow *Application::loadSupportWindow()
{
    if (m_support)
        return m_support;
    m_support = new SupportWindow(SupportMessageIndex(static_cast<float>(uniform())));
    track(m_support);
    connect(m_support, &SupportWindow::linkRequested, this, [](Page page) { OpenLink(page); });
    connect(m_support, &SupportWindow::quitRequested, this, &Application::QuitApplication);
    connect(m_support, &SupportWindow::tellAFriendRequested, this,
            [this](const ReferralValues &values) {
                SendTellAFriend(
                    values,
                    [this](const QString &message) {
                        ShowMessage(m_support, message, QMessageBox::Critical);
                    },
                    [](const QUrl &url) { OpenLink(url); });
            });
    return m_support;
}

void Application::track(QWidget *window)
{
    std::erase_if(m_loaded, [](const QPointer<QWidget> &w) { return w.isNull(); });
    m_loaded.emplace_back(window);
}

double Application::uniform()
{
    if (m_env.uniform)
        return m_env.uniform();
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_random);
}

void Application::FillResultsWindow()
{
    if (!m_main)
        return;
    if (m_results) {
        // Every reading starts from a freshly made window.
        m_goingBack = true;
        m_results->close();
        m_goingBack = false;
    }
    const ReadingEntries entries = m_main->entries();
    const Utf8 first(entries.firstName), middle(entries.middleName), last(entries.lastName);
    const Utf8 day(entries.day), month(entries.month), year(entries.year);
    const ImageList &images = m_main->imgColor();

    const EngineNumber lifeJourney
        = ComputeLifeJourneyNumber(day.view(), month.view(), year.view());
    ResultsWindow *results = loadResultsWindow();
    results->ApplyCatalogueRecord(ReadingCategory::LifeJourney, lifeJourney, images);

    const EngineNumber soul = ComputeSoulNumber(first.view(), middle.view(), last.view());
    results->ApplyCatalogueRecord(ReadingCategory::Soul, soul, images);

    const EngineNumber personality
        = ComputePersonalityNumber(first.view(), middle.view(), last.view());
    results->ApplyCatalogueRecord(ReadingCategory::Personality, personality, images);

    m_main->hide();
    results->show();
    loadSupportWindow()->hide();
}

void Application::Back()
{
    if (m_results) {
        m_goingBack = true;
        m_results->close();
        m_goingBack = false;
    }
    if (m_main)
        m_main->show();
    loadSupportWindow()->hide();
}

void Application::ShowAbout()
{
    AboutWindow about;
    track(&about);
    connect(&about, &AboutWindow::linkRequested, this, [](Page page) { OpenLink(page); });
    about.exec();
}

void Application::ExitToSupportWindow(QWidget *window)
{
    if (m_quitting)
        return;
    SupportWindow *support = loadSupportWindow();
    support->show();
    support->raise();
    support->activateWindow();
    if (window && window == m_main) {
        m_main->hide();
        m_main->deleteLater();
    } else if (window && window->isVisible()) {
        window->close();
    }
}

void Application::QuitApplication()
{
    if (m_quitting)
        return;
    m_quitting = true;
    for (const QPointer<QWidget> &window : m_loaded) {
        if (!window)
            continue;
        window->close();
        window->deleteLater();
    }
    m_ended = true;
    if (m_env.exit)
        m_env.exit(0);
    else
        QCoreApplication::exit(0);
}

} // namespace vorn
