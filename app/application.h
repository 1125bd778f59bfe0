#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <functional>
#include <memory>
#include <random>
#include <reading/reading.h>

class QSettings;

namespace vorn {

class MainWindow;
class ResultsWindow;
class SingleInstance;
class SupportWindow;

// The life of the program: start-up, which window is shown when, the flow of a reading, and
// the way out through the support window to the end of the process. This is the one owner of
// the top-level windows: the windows only say what the user did, and every decision about
// what happens next is made here, as a move from one state to the next.
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
        QString programFolder; // where the print plugin is looked for; empty: the program's own
    };

    enum class State {
        Starting, // the single-instance guard and the update reminder; no window yet
        Input, // the input window shown
        Results, // the results window shown; the input window loaded, out of sight
        Leaving, // the support window shown; the working windows gone or out of sight
        Ended, // every window unloaded; the process is ending
    };

    explicit Application(Environment environment, QObject *parent = nullptr);
    ~Application() override;

    // Runs once when the process starts. False when another copy is running: the user has
    // been told and the process must end.
    bool startUpSequence();

    State state() const { return m_state; }
    MainWindow *mainWindow() const { return m_main.get(); }
    ResultsWindow *resultsWindow() const { return m_results.get(); }
    SupportWindow *supportWindow() const { return m_support.get(); }

private:
    // The moves of the flow; each does nothing outside the states it leaves from.
    void showReading(); // Input -> Results: Next with entries that passed the checks
    void goBack(); // Results -> Input: Back
    void exitToSupportWindow(); // Input or Results -> Leaving: Exit or a close box
    void quitApplication(); // -> Ended: the support window's Exit or close box

    void showAbout();
    void saveReading();
    void printReading();
    void copyReading();
    void randomizeOffer();
    void runUpdateReminder();

    MainWindow &loadMainWindow();
    ResultsWindow &loadResultsWindow();
    SupportWindow &loadSupportWindow();
    template<typename Window>
    void unload(std::unique_ptr<Window> &window);
    double uniform();

    Environment m_env;
    State m_state = State::Starting;
    std::unique_ptr<SingleInstance> m_instance; // held for the life of the process
    std::mt19937 m_random;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<ResultsWindow> m_results;
    std::unique_ptr<SupportWindow> m_support;
    QList<QWidget *> m_loadOrder; // the windows loaded now, in the order they were loaded
    Reading m_reading; // the reading the results window shows
};

} // namespace vorn
