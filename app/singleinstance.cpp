#include "singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vorn {

SingleInstance::SingleInstance(const QString &lockPath)
    : m_lockPath(lockPath.isEmpty() ? DefaultLockPath() : lockPath)
{
}

bool SingleInstance::anotherCopyIsRunning()
{
    if (m_held)
        return false;
    QDir().mkpath(QFileInfo(m_lockPath).absolutePath());
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // A lock is stale only when the process that wrote it is gone (QLockFile checks the process
    // id and name kept in the file), never because of its age.
    m_lock->setStaleLockTime(0);
    m_held = m_lock->tryLock(0);
    return !m_held && m_lock->error() == QLockFile::LockFailedError;
}

QString SingleInstance::DefaultLockPath()
{
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        folder = QDir::tempPath();
    return folder + u'/' + (name.isEmpty() ? QStringLiteral("vorn-color-numerology") : name)
        + QStringLiteral(".lock");
}

} // namespace vorn
