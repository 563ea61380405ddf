#include "driver/app/SingleInstance.h"

#include "platform/folders/Folders.h"

namespace driver {

SingleInstance::SingleInstance(const std::filesystem::path& lockFile)
    : m_path(lockFile),
      m_lock(std::make_unique<QLockFile>(QString::fromStdString(lockFile.string()))) {
    // Never stale by age: the driver runs for days. A dead owner makes it stale.
    m_lock->setStaleLockTime(0);
}

SingleInstance::Outcome SingleInstance::acquire() {
    if (m_lock->tryLock(0)) return Outcome::Acquired;
    switch (m_lock->error()) {
        case QLockFile::LockFailedError:
            return Outcome::AlreadyRunning;
        case QLockFile::PermissionError:
            m_error = "Cannot create the lock file " + m_path.string() + ": permission denied.";
            return Outcome::Failed;
        default:
            m_error = "Cannot create the lock file " + m_path.string() + ".";
            return Outcome::Failed;
    }
}

std::filesystem::path SingleInstance::defaultLockFile() {
    return platform::runtimeFolder() / "halvane.instance.lock";
}

}  // namespace driver
