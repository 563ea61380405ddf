#pragma once

// A program started in the background inherits the standard streams of the process that starts
// it. A driver started by halvane-cmd outlives it, so it would hold the caller's pipes open: a
// script's `reply=$(halvane-cmd --start 3 0)` would never return. While an object of this class
// lives, standard input reads from /dev/null and standard output and error go to a log file
// (or /dev/null when it cannot be made); the destructor puts the streams back.
//
// Changes process-wide state: use on the main thread of a single-threaded program only.

#include <array>
#include <filesystem>

namespace halvanecmd {

class BackgroundStreams {
  public:
    explicit BackgroundStreams(const std::filesystem::path& logFile);
    ~BackgroundStreams();
    BackgroundStreams(const BackgroundStreams&) = delete;
    BackgroundStreams& operator=(const BackgroundStreams&) = delete;

    // True when the output goes to the log file.
    bool logging() const { return m_logging; }

  private:
    std::array<int, 3> m_saved{-1, -1, -1};
    bool m_logging = false;
};

}  // namespace halvanecmd
