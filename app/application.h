#pragma once

#include <QDate>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <random>
#include <vector>

class QSettings;
class QWidget;

namespace vorn {

class MainWindow;
class ResultsWindow;
class SingleInstance;
class SupportWindow;

// The life of the program: start-up, which window is shown when, the flow of a reading, and
// the way out through the support window to the end of the process. The windows only say
// what the user asked for; every decision about what happens next is made here.
class Application : public QObject
{
    Q_OBJECT

public:
    struct Environment
    {
        QSettings *settings = nullptr; // the settings store; required
        QString lockPath; // empty: the single-instance lock's default place
        QDate today; // invalid: the current date
        std::function<double()> uniform; // empty: draws from a generator seeded by the clock
        std::function<void(int)> exit; // empty: QCoreApplication::exit
    };

    explicit Application(Environment environment, QObject *parent = nullptr);
    ~Application() override;

    // Runs once when the process starts. False when another copy is running: the user has
    // been told and the process must end.
    bool StartUpSequence();

    // The common way out of the input and results windows: the support window is shown and
    // window is closed.
    void ExitToSupportWindow(QWidget *window);

    // Closes every loaded window in the order they were loaded and ends the process.
    void QuitApplication();

    MainWindow *mainWindow() const;
    ResultsWindow *resultsWindow() const;
    SupportWindow *supportWindow() const;
    bool hasEnded() const { return m_ended; }

private:
    void FillResultsWindow();
    void Back();
    void ShowAbout();
    void CoBrand_Randomize();
    void RunUpdateReminder();

    MainWindow *loadMainWindow();
    ResultsWindow *loadResultsWindow();
    SupportWindow *loadSupportWindow();
    void track(QWidget *window);
    double uniform();

    Environment m_env;
    std::unique_ptr<SingleInstance> m_instance; // held for the life of the process
    std::mt19937 m_random;
    QPointer<MainWindow> m_main;
    QPointer<ResultsWindow> m_results;
    QPointer<SupportWindow> m_support;
    std::vector<QPointer<QWidget>> m_loaded; // in load order
    bool m_goingBack = false;
    bool m_quitting = false;
    bool m_ended = false;
};

} // namespace vorn
