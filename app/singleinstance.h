#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace vorn {

// Keeps a second copy of the program from running: the first copy holds a lock file in the
// user's runtime folder for as long as it runs. A lock left by a copy that died is taken over.
class SingleInstance
{
public:
    // lockPath empty: defaultLockPath().
    explicit SingleInstance(const QString &lockPath = QString());

    // Tries to take the lock, once; true only when another living copy holds it. A lock that cannot
    // be written at all (a read-only folder, say) does not keep the user from the program.
    bool anotherCopyIsRunning();

    // "<runtime folder>/<program name>.lock"; falls back to the temporary folder when the
    // runtime folder cannot be had.
    static QString defaultLockPath();

private:
    bool isDamaged() const;

    QString m_lockPath;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace vorn
