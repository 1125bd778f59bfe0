#include "singleinstance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vorn {

SingleInstance::SingleInstance(const QString &lockPath)
    : m_lockPath(lockPath.isEmpty() ? defaultLockPath() : lockPath)
{
}

bool SingleInstance::anotherCopyIsRunning()
{
    QDir().mkpath(QFileInfo(m_lockPath).absolutePath());
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // A lock is stale only when the process that wrote it is gone (QLockFile checks the process
    // id and name kept in the file), never because of its age.
    m_lock->setStaleLockTime(0);
    bool held = m_lock->tryLock(0);
    if (!held && m_lock->error() == QLockFile::LockFailedError && isDamaged()) {
        m_lock->removeStaleLockFile();
        held = m_lock->tryLock(0);
    }
    return !held && m_lock->error() == QLockFile::LockFailedError;
}

bool SingleInstance::isDamaged() const
{
    // A lock that names no process was cut short (a crash while writing it, a full disk):
    // it would otherwise keep every later copy out. A lock a few seconds old cannot be one
    // that another copy is still writing.
    qint64 pid = 0;
    QString host;
    QString application;
    if (m_lock->getLockInfo(&pid, &host, &application) && pid > 0)
        return false;
    const QDateTime written = QFileInfo(m_lockPath).lastModified();
    return written.isValid() && qAbs(written.secsTo(QDateTime::currentDateTime())) > 5;
}

QString SingleInstance::defaultLockPath()
{
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        folder = QDir::tempPath();
    return folder + u'/' + (name.isEmpty() ? QStringLiteral("vorn-color-numerology") : name)
        + QStringLiteral(".lock");
}

} // namespace vorn
