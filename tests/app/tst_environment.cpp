// The built program against a hostile environment: whatever its settings file, runtime folder
// or browser set-up, it starts into its window without a word beyond its own messages.

#include "programcopy.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;
using vorn::testing::ProgramCopy;

namespace {

const QString Shown = u"probe: shown frmMain"_s;
const QString Idle = u"probe: idle"_s;
const QString AnyMessage = u"probe: message"_s;

} // namespace

class TestEnvironment : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startsWhateverTheSettingsHold_data();
    void startsWhateverTheSettingsHold();
    void linksWithoutABrowserDoNothingVisible();
    void startsWithoutItsRuntimeFolder();
    void aDamagedLockFileDoesNotLockTheUserOut_data();
    void aDamagedLockFileDoesNotLockTheUserOut();

private:
    QString home() const { return m_dir->path(); }
    QString config() const { return m_dir->filePath(u"config"_s); }
    QString runtime() const { return m_dir->filePath(u"runtime"_s); }
    QString settingsFile() const { return config() + u"/vorn-color-numerology.conf"_s; }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestEnvironment::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(config()));
    QVERIFY(QDir().mkpath(runtime()));
    QFile::setPermissions(runtime(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestEnvironment::cleanup()
{
    // Give write access back so that the temporary folder can be removed.
    for (const QString &path : {config(), settingsFile()})
        QFile::setPermissions(path,
                              QFile::permissions(path) | QFileDevice::WriteOwner
                                  | QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    m_dir.reset();
}

void TestEnvironment::startsWhateverTheSettingsHold_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("garbage in the file") << "garbage";
    QTest::newRow("a date that is no date") << "not a date";
    QTest::newRow("the file unreadable") << "unreadable";
    QTest::newRow("a folder where the file should be") << "folder";
    QTest::newRow("the config folder not writable") << "read-only folder";
    QTest::newRow("a file where the config folder should be") << "file for folder";
}

void TestEnvironment::startsWhateverTheSettingsHold()
{
    QFETCH(QString, fault);
    ProgramCopy copy(home(), runtime());
    if (fault == u"garbage") {
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray bytes(64 * 1024, '\0');
        QRandomGenerator random(20261207);
        for (char &b : bytes)
            b = static_cast<char>(random.bounded(256));
        bytes.prepend("[Settings]\nDuration=\xff\xfe\x00\n[");
        file.write(bytes);
    } else if (fault == u"not a date") {
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\nDuration=31/02/2026 or so\n");
    } else if (fault == u"unreadable") {
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\nDuration=2001-01-01\n");
        file.close();
        QVERIFY(QFile::setPermissions(settingsFile(), {}));
    } else if (fault == u"folder") {
        QVERIFY(QDir().mkpath(settingsFile()));
    } else if (fault == u"read-only folder") {
        QVERIFY(QFile::setPermissions(config(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    } else {
        const QString notAFolder = m_dir->filePath(u"plain-file"_s);
        QFile file(notAFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
        copy.environment().insert(u"XDG_CONFIG_HOME"_s, notAFolder);
    }

    // The superuser still reads the unreadable file: then its stored date is more than fifteen
    // days old and the update question, one of the program's own messages, comes.
    const bool asks = fault == u"unreadable" && QFile(settingsFile()).open(QIODevice::ReadOnly);
    copy.start();
    QVERIFY(copy.started());
    QVERIFY2(copy.waitFor(Idle), qPrintable(copy.output()));
    QVERIFY(copy.running());
    const QString output = copy.output();
    QCOMPARE(output.count(AnyMessage), asks ? 1 : 0);
    QCOMPARE(output.contains(u"Do you want to check for an update?"), asks);
    QVERIFY(!output.contains(u"ERROR: AddressSanitizer"));
}

void TestEnvironment::linksWithoutABrowserDoNothingVisible()
{
    ProgramCopy copy(home(), runtime());
    copy.environment().insert(u"PATH"_s, m_dir->filePath(u"empty-path"_s));
    copy.environment().insert(u"BROWSER"_s, QString());
    copy.environment().insert(u"VORN_PROBE_CLICK"_s,
                              u"Label61,mnuVisit,mnuOnline,lblFullBrand,Label2,mnuDonate"_s);
    copy.start();
    QVERIFY(copy.started());
    QVERIFY2(copy.waitFor(Idle), qPrintable(copy.output()));
    QVERIFY(copy.running());
    const QString output = copy.output();
    QCOMPARE(output.count(u"probe: clicked"), 6);
    QVERIFY2(!output.contains(AnyMessage), qPrintable(output));
    QVERIFY(!output.contains(u"probe: no control"));
}

void TestEnvironment::startsWithoutItsRuntimeFolder()
{
    const QString missing = m_dir->filePath(u"no/such/runtime"_s);
    ProgramCopy first(home(), missing);
    first.start();
    QVERIFY(first.started());
    QVERIFY2(first.waitFor(Shown), qPrintable(first.output()));

    // The guard still works: a second copy with the same environment is turned away.
    ProgramCopy second(home(), missing);
    second.start();
    QVERIFY(second.started());
    QVERIFY(second.endsBy(10000));
    QCOMPARE(second.exitCode(), 0);
    QVERIFY2(second.output().contains(u"Application is already running"),
             qPrintable(second.output()));
    QVERIFY(first.running());
}

void TestEnvironment::aDamagedLockFileDoesNotLockTheUserOut_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\x01\xff garbage\n\n\n");
    QTest::newRow("a process that is gone") << QByteArray("999999\nvorn-color-numerology\nvm\n");
}

void TestEnvironment::aDamagedLockFileDoesNotLockTheUserOut()
{
    QFETCH(QByteArray, content);
    QFile lock(runtime() + u"/vorn-color-numerology.lock"_s);
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(content);
    lock.close();
    // Old enough not to be a copy that is writing its lock this very moment.
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                             QFileDevice::FileModificationTime));
    lock.close();

    ProgramCopy copy(home(), runtime());
    copy.start();
    QVERIFY(copy.started());
    QVERIFY2(copy.waitFor(Shown), qPrintable(copy.output()));
    QVERIFY(!copy.output().contains(AnyMessage));
}

QTEST_GUILESS_MAIN(TestEnvironment)
#include "tst_environment.moc"
