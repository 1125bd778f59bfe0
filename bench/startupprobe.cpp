// Preloaded (LD_PRELOAD) into the program or into the floor program by bench/startup.py; nothing
// of it is linked into either. It watches every event through an application-wide filter and
// reports, on one line of standard error:
//
//   vorn-bench: first_paint_ms=.. painted_ms=.. rss_kib=.. hwm_kib=.. click_ms=.. ...
//
// first_paint_ms: process launch to the first paint event of a widget of frmMain.
// painted_ms: process launch to the end of that first frame (the event loop's next turn after
//   the first paint event, when the window's backing store has been painted and flushed).
// rss_kib, hwm_kib: VmRSS and VmHWM at painted_ms.
// click_ms: a click on cmdNext (txtFirstName and txtLastName filled first) to the end of the
//   first frame of frmDisplay; click_handler_ms: until the click handler returned;
//   click_first_paint_ms: until the first paint event of frmDisplay; results_rss_kib,
//   results_hwm_kib: VmRSS and VmHWM at the end of the frame.
//
// The launch time is VORN_BENCH_LAUNCH_NS, CLOCK_MONOTONIC in nanoseconds taken by the driver
// just before it started the process. VORN_BENCH_STAGE=paint ends the process at the first
// frame of frmMain (for instruction counts); otherwise it goes on to the click,
// VORN_BENCH_SETTLE_MS (100 ms) after the first frame. With VORN_BENCH_COLLECT_CLICK=1 the probe
// toggles callgrind's collection on at the click and off at the results' first frame (run callgrind
// with
// --collect-atstart=no). The process ends with _exit, so that no clean-up is counted.

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif

namespace {

std::int64_t NowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

std::int64_t LaunchNs()
{
    if (const char *launch = std::getenv("VORN_BENCH_LAUNCH_NS"))
        return std::strtoll(launch, nullptr, 10);
    // Without the driver: the kernel's start time of the process, in clock ticks since boot.
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return NowNs();
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const std::int64_t ticks = fields.value(19).toLongLong(); // field 22 of the whole line
    timespec boot{}, mono{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    clock_gettime(CLOCK_MONOTONIC, &mono);
    const std::int64_t bootNs = std::int64_t(boot.tv_sec) * 1'000'000'000 + boot.tv_nsec;
    const std::int64_t monoNs = std::int64_t(mono.tv_sec) * 1'000'000'000 + mono.tv_nsec;
    return ticks * (1'000'000'000 / sysconf(_SC_CLK_TCK)) - bootNs + monoNs;
}

// VmRSS and VmHWM in KiB.
std::pair<long, long> Memory()
{
    long rss = -1, hwm = -1;
    if (FILE *status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status)) {
            std::sscanf(line, "VmRSS: %ld", &rss);
            std::sscanf(line, "VmHWM: %ld", &hwm);
        }
        std::fclose(status);
    }
    return {rss, hwm};
}

double Ms(std::int64_t ns)
{
    return double(ns) / 1e6;
}

class Probe : public QObject
{
public:
    explicit Probe(QObject *parent)
        : QObject(parent)
        , m_launch(LaunchNs())
        , m_paintOnly(qgetenv("VORN_BENCH_STAGE") == "paint")
        , m_settleMs(qEnvironmentVariableIntValue("VORN_BENCH_SETTLE_MS"))
        , m_collectClick(qgetenv("VORN_BENCH_COLLECT_CLICK") == "1")
    {
        if (!qEnvironmentVariableIsSet("VORN_BENCH_SETTLE_MS"))
            m_settleMs = 100;
        // Whatever goes wrong (a message box waiting for a user, a missing control), the run
        // ends and says so instead of hanging the driver.
        const int timeoutMs = qEnvironmentVariableIntValue("VORN_BENCH_TIMEOUT_MS");
        QTimer::singleShot(timeoutMs > 0 ? timeoutMs : 20000, this, [this] { fail("timeout"); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        const QString window = static_cast<QWidget *>(watched)->window()->objectName();
        if (m_stage == Stage::WaitMain && window == u"frmMain") {
            m_firstPaint = NowNs();
            m_stage = Stage::MainPainting;
            QMetaObject::invokeMethod(this, &Probe::mainPainted, Qt::QueuedConnection);
        } else if (m_stage == Stage::WaitResults && window == u"frmDisplay") {
            m_resultsFirstPaint = NowNs();
            m_stage = Stage::ResultsPainting;
            QMetaObject::invokeMethod(this, &Probe::resultsPainted, Qt::QueuedConnection);
        }
        return false;
    }

private:
    enum class Stage { WaitMain, MainPainting, Settling, WaitResults, ResultsPainting };

    void mainPainted()
    {
        m_painted = NowNs();
        m_memory = Memory();
        if (m_paintOnly) {
            report(QString());
            return;
        }
        m_stage = Stage::Settling;
        // A user clicks long after start-up: let the toolkit's own start-up traffic end first.
        QTimer::singleShot(m_settleMs, this, &Probe::click);
    }

    void click()
    {
        QWidget *main = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == u"frmMain")
                main = w;
        auto *first = main ? main->findChild<QLineEdit *>(QStringLiteral("txtFirstName")) : nullptr;
        auto *last = main ? main->findChild<QLineEdit *>(QStringLiteral("txtLastName")) : nullptr;
        auto *next = main ? main->findChild<QAbstractButton *>(QStringLiteral("cmdNext")) : nullptr;
        if (!first || !last || !next)
            return fail("controls of frmMain not found");
        first->setText(QStringLiteral("JOHN"));
        last->setText(QStringLiteral("SMITH"));
        m_stage = Stage::WaitResults;
        if (m_collectClick)
            CALLGRIND_TOGGLE_COLLECT;
        m_click = NowNs();
        next->click();
        m_clickReturned = NowNs();
    }

    void resultsPainted()
    {
        const std::int64_t painted = NowNs();
        if (m_collectClick)
            CALLGRIND_TOGGLE_COLLECT;
        const auto memory = Memory();
        report(QStringLiteral(" click_ms=%1 click_handler_ms=%2 click_first_paint_ms=%3 "
                              "results_rss_kib=%4 results_hwm_kib=%5")
                   .arg(Ms(painted - m_click), 0, 'f', 3)
                   .arg(Ms(m_clickReturned - m_click), 0, 'f', 3)
                   .arg(Ms(m_resultsFirstPaint - m_click), 0, 'f', 3)
                   .arg(memory.first)
                   .arg(memory.second));
    }

    void report(const QString &more)
    {
        const QString line
            = QStringLiteral("vorn-bench: first_paint_ms=%1 painted_ms=%2 rss_kib=%3 hwm_kib=%4")
                  .arg(Ms(m_firstPaint - m_launch), 0, 'f', 3)
                  .arg(Ms(m_painted - m_launch), 0, 'f', 3)
                  .arg(m_memory.first)
                  .arg(m_memory.second)
            + more;
        std::fprintf(stderr, "%s\n", line.toUtf8().constData());
        std::fflush(stderr);
        _exit(0);
    }

    void fail(const char *why)
    {
        std::fprintf(stderr, "vorn-bench: error=%s\n", why);
        std::fflush(stderr);
        _exit(3);
    }

    const std::int64_t m_launch;
    const bool m_paintOnly;
    int m_settleMs;
    const bool m_collectClick;
    Stage m_stage = Stage::WaitMain;
    std::int64_t m_firstPaint = 0;
    std::int64_t m_painted = 0;
    std::int64_t m_click = 0;
    std::int64_t m_clickReturned = 0;
    std::int64_t m_resultsFirstPaint = 0;
    std::pair<long, long> m_memory{-1, -1};
};

void StartProbe()
{
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new Probe(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartProbe)
