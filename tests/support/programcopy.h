// One copy of the built program run as a real process, offscreen, with the probe preloaded
// (see processprobe.cpp), in a home of its own.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

namespace vorn::testing {

class ProgramCopy
{
public:
    // The built program with the probe; home: HOME and, below it, the config folder;
    // runtime: XDG_RUNTIME_DIR.
    ProgramCopy(const QString &home, const QString &runtime);
    ~ProgramCopy();

    QProcessEnvironment &environment() { return m_env; }

    void start(const QStringList &arguments = {});
    bool started();

    // Waits until the probe has reported line, or the copy has ended; true when it has.
    bool waitFor(const QString &line, int ms = 10000);
    // Everything the copy has written on standard error so far.
    QString output();

    bool endsBy(int ms);
    bool running() const;
    int exitCode() const;
    QProcess::ExitStatus exitStatus() const;
    void killHard();

private:
    QProcess m_process;
    QProcessEnvironment m_env;
    QString m_output;
};

} // namespace vorn::testing
