#pragma once

// One driver per user: a lock file in the runtime folder, held while the driver runs. A lock
// left by a driver that crashed is taken over (its process no longer runs).

#include <QLockFile>
#include <filesystem>
#include <memory>
#include <string>

namespace driver {

class SingleInstance {
  public:
    enum class Outcome { Acquired, AlreadyRunning, Failed };

    explicit SingleInstance(const std::filesystem::path& lockFile);

    Outcome acquire();
    // Why acquire() failed (Failed only).
    const std::string& errorString() const { return m_error; }

    // The lock file of the driver in platform::runtimeFolder().
    static std::filesystem::path defaultLockFile();

  private:
    std::filesystem::path m_path;
    std::unique_ptr<QLockFile> m_lock;
    std::string m_error;
};

}  // namespace driver
