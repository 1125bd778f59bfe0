// The built program as a real process: a second copy is turned away, a copy killed without
// warning does not lock the next one out, and the program starts whatever its settings hold.

#include "programcopy.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using vorn::testing::ProgramCopy;

namespace {

const QString AlreadyRunning
    = u"probe: message 1|Vorn Color Numerology|Application is already running"_s;

} // namespace

class TestProcesses : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void secondCopyIsTurnedAwayAndAKilledCopyLocksNoOneOut();
    void copiesStartedTogetherLeaveExactlyOne();
    void leavingThroughTheSupportWindowEndsWithStatusZero_data();
    void leavingThroughTheSupportWindowEndsWithStatusZero();
    void startsTheWindowsWithQtsOptionsAndRefusesStrayArguments_data();
    void startsTheWindowsWithQtsOptionsAndRefusesStrayArguments();

private:
    std::unique_ptr<QTemporaryDir> m_home;
    QString m_runtime;
};

void TestProcesses::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    m_runtime = m_home->filePath(u"runtime"_s);
    QVERIFY(QDir().mkpath(m_runtime));
    QFile::setPermissions(m_runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestProcesses::secondCopyIsTurnedAwayAndAKilledCopyLocksNoOneOut()
{
    ProgramCopy first(m_home->path(), m_runtime);
    first.start();
    QVERIFY(first.started());
    QVERIFY2(first.waitFor(u"probe: shown frmMain"_s), qPrintable(first.output()));
    // The first start keeps today's date where the settings of every later start are read.
    QFile settings(m_home->filePath(u"config/vorn-color-numerology.conf"_s));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QCOMPARE(settings.readAll(),
             "[Settings]\nDuration=" + QDate::currentDate().toString(Qt::ISODate).toLatin1()
                 + '\n');

    ProgramCopy second(m_home->path(), m_runtime);
    second.start();
    QVERIFY(second.started());
    QVERIFY2(second.endsBy(10000), "the second copy ends by itself");
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY2(second.output().contains(AlreadyRunning), qPrintable(second.output()));
    QVERIFY(!second.output().contains(u"shown frmMain"));
    QCOMPARE(second.output().count(u"probe: message"), 1);
    QVERIFY(first.running());
    QVERIFY(!first.output().contains(u"probe: message"));

    first.killHard();
    QVERIFY(first.endsBy(5000));

    ProgramCopy third(m_home->path(), m_runtime);
    third.start();
    QVERIFY(third.started());
    QVERIFY2(third.waitFor(u"probe: shown frmMain"_s), qPrintable(third.output()));
    QVERIFY(!third.output().contains(u"probe: message"));
    QVERIFY(third.running());
}

void TestProcesses::copiesStartedTogetherLeaveExactlyOne()
{
    std::vector<std::unique_ptr<ProgramCopy>> copies;
    for (int i = 0; i < 10; ++i)
        copies.push_back(std::make_unique<ProgramCopy>(m_home->path(), m_runtime));
    for (auto &copy : copies)
        copy->start();
    for (auto &copy : copies)
        QVERIFY(copy->started());

    auto ended = [&copies] {
        return std::count_if(copies.begin(), copies.end(),
                             [](const auto &copy) { return !copy->running(); });
    };
    QTRY_VERIFY_WITH_TIMEOUT(ended() >= 9, 15000);
    // The one left has passed the guard and shown its window: it has no reason to end.
    for (auto &copy : copies)
        QVERIFY(!copy->running() || copy->waitFor(u"probe: idle"_s));

    int turnedAway = 0;
    for (auto &copy : copies) {
        if (!copy->running()) {
            QCOMPARE(copy->exitCode(), 0);
            QVERIFY2(copy->output().contains(AlreadyRunning), qPrintable(copy->output()));
            ++turnedAway;
        }
    }
    QCOMPARE(turnedAway, 9);
    int survivors = 0;
    for (auto &copy : copies) {
        if (copy->running()) {
            ++survivors;
            QVERIFY2(copy->waitFor(u"probe: shown frmMain"_s), qPrintable(copy->output()));
        }
    }
    QCOMPARE(survivors, 1);
}

void TestProcesses::leavingThroughTheSupportWindowEndsWithStatusZero_data()
{
    QTest::addColumn<QString>("steps");
    QTest::newRow("File > Exit, then Exit") << "mnuExit,cmdClose";
    QTest::newRow("close box, then close box") << "close:frmMain,close:frmNagScreen2";
    QTest::newRow("a refused Next, then File > Exit, then its close box")
        << "cmdNext,mnuExit,close:frmNagScreen2";
}

void TestProcesses::leavingThroughTheSupportWindowEndsWithStatusZero()
{
    QFETCH(QString, steps);
    ProgramCopy copy(m_home->path(), m_runtime);
    copy.environment().insert(u"VORN_PROBE_CLICK"_s, steps);
    copy.start();
    QVERIFY(copy.started());
    QVERIFY2(copy.endsBy(15000), qPrintable(copy.output()));
    QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
    QCOMPARE(copy.exitCode(), 0);
    const QString output = copy.output();
    QVERIFY2(output.contains(u"probe: shown frmNagScreen2"), qPrintable(output));
    QVERIFY(!output.contains(u"probe: no control"));
    // Leaving the input window alone never ends the program: the support window came first.
    QVERIFY(output.indexOf(u"probe: shown frmNagScreen2") < output.lastIndexOf(u"probe: c"));
    if (steps.startsWith(u"cmdNext"))
        QVERIFY(output.contains(
            u"probe: message 1|Vorn Color Numerology|Please Enter Your First Name"));
}

void TestProcesses::startsTheWindowsWithQtsOptionsAndRefusesStrayArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("refusal"); // empty: the windows start

    QTest::newRow("a style") << QStringList{u"-platform"_s, u"offscreen"_s, u"-style"_s,
                                            u"Fusion"_s}
                             << QString();
    QTest::newRow("a session to restore, a geometry, right to left")
        << QStringList{u"-session"_s, u"1234abcd_5678"_s, u"-qwindowgeometry"_s, u"497x300+10+10"_s,
                       u"-reverse"_s}
        << QString();
    QTest::newRow("Qt's options with two dashes") << QStringList{u"--style=Fusion"_s} << QString();
    QTest::newRow("a file") << QStringList{u"reading.txt"_s}
                            << u"vorn-color-numerology: unexpected argument 'reading.txt'"_s;
    QTest::newRow("a Qt option and a file")
        << QStringList{u"-style"_s, u"Fusion"_s, u"somefile"_s}
        << u"vorn-color-numerology: unexpected argument 'somefile'"_s;
    QTest::newRow("a misspelled option") << QStringList{u"--frist"_s, u"john"_s}
                                         << u"vorn-color-numerology: unknown option '--frist'"_s;
    QTest::newRow("a misspelled option with its value")
        << QStringList{u"--colour=red"_s} << u"vorn-color-numerology: unknown option '--colour'"_s;
    QTest::newRow("a long option with one dash")
        << QStringList{u"-first"_s, u"john"_s}
        << u"vorn-color-numerology: unknown option '-first' (did you mean '--first'?)"_s;
}

void TestProcesses::startsTheWindowsWithQtsOptionsAndRefusesStrayArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, refusal);
    ProgramCopy copy(m_home->path(), m_runtime);
    copy.start(arguments);
    QVERIFY(copy.started());
    if (refusal.isEmpty()) {
        QVERIFY2(copy.waitFor(u"probe: shown frmMain"_s), qPrintable(copy.output()));
        QVERIFY(copy.running());
        return;
    }
    QVERIFY2(copy.endsBy(10000), qPrintable(copy.output()));
    QCOMPARE(copy.exitCode(), 2);
    const QStringList said = copy.output().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(said.value(0), refusal);
    QCOMPARE(said.value(1), u"Try 'vorn-color-numerology --help' for more information."_s);
    QVERIFY(!copy.output().contains(u"probe: shown"));
    // Nothing was written: no settings, no lock.
    QCOMPARE(QDir(m_home->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{u"runtime"_s});
    QVERIFY(QDir(m_runtime).isEmpty());
}

QTEST_GUILESS_MAIN(TestProcesses)
#include "tst_processes.moc"
