#include "programcopy.h"

#include <QElapsedTimer>
#include <csignal>

using namespace Qt::StringLiterals;

namespace vorn::testing {

ProgramCopy::ProgramCopy(const QString &home, const QString &runtime)
    : m_env(QProcessEnvironment::systemEnvironment())
{
    const QString probe = QStringLiteral(VORN_PROBE);
    m_env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    // A sanitized build preloads its runtime first; the probe comes after it.
    const QString preload = m_env.value(u"LD_PRELOAD"_s);
    m_env.insert(u"LD_PRELOAD"_s, preload.isEmpty() ? probe : preload + u' ' + probe);
    m_env.insert(u"HOME"_s, home);
    m_env.insert(u"XDG_CONFIG_HOME"_s, home + u"/config");
    m_env.insert(u"XDG_RUNTIME_DIR"_s, runtime);
    m_process.setProgram(QStringLiteral(VORN_PROGRAM));
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
}

ProgramCopy::~ProgramCopy()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

void ProgramCopy::start(const QStringList &arguments)
{
    m_process.setProcessEnvironment(m_env);
    m_process.setArguments(arguments);
    m_process.start();
}

bool ProgramCopy::started()
{
    return m_process.waitForStarted(5000);
}

bool ProgramCopy::waitFor(const QString &line, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        if (output().contains(line))
            return true;
        if (m_process.state() == QProcess::NotRunning)
            return output().contains(line);
        m_process.waitForReadyRead(50);
    }
    return false;
}

QString ProgramCopy::output()
{
    m_output += QString::fromUtf8(m_process.readAllStandardError());
    return m_output;
}

bool ProgramCopy::endsBy(int ms)
{
    return m_process.waitForFinished(ms);
}

bool ProgramCopy::running() const
{
    return m_process.state() == QProcess::Running;
}

int ProgramCopy::exitCode() const
{
    return m_process.exitCode();
}

QProcess::ExitStatus ProgramCopy::exitStatus() const
{
    return m_process.exitStatus();
}

void ProgramCopy::killHard()
{
    ::kill(static_cast<pid_t>(m_process.processId()), SIGKILL);
}

} // namespace vorn::testing
