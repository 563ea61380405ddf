#pragma once

// A main-thread dispatcher for tests: posted tasks wait in a queue until the test thread (the
// "main thread") runs them in runUntil.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "serial/MainThreadDispatcher.h"

namespace serialtest {

class ManualDispatcher final : public serial::MainThreadDispatcher {
  public:
    void post(std::function<void()> task) override {
        {
            std::lock_guard lock(m_mutex);
            m_tasks.push_back(std::move(task));
        }
        m_posted.notify_all();
    }

    // Runs posted tasks on the calling thread until done() holds; false when it still does not
    // after a generous limit (a failing test, not a timing assumption).
    template <typename Done>
    bool runUntil(Done done, std::chrono::milliseconds limit = std::chrono::seconds(5)) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!done()) {
            std::function<void()> task;
            {
                std::unique_lock lock(m_mutex);
                if (!m_posted.wait_until(lock, deadline, [this] { return !m_tasks.empty(); })) {
                    return done();
                }
                task = std::move(m_tasks.front());
                m_tasks.pop_front();
            }
            task();
        }
        return true;
    }

    // Runs the tasks posted so far; returns how many ran.
    std::size_t runPending() {
        std::deque<std::function<void()>> tasks;
        {
            std::lock_guard lock(m_mutex);
            tasks.swap(m_tasks);
        }
        for (auto& task : tasks)
            task();
        return tasks.size();
    }

    void processPending() override { runPending(); }

    std::size_t pending() {
        std::lock_guard lock(m_mutex);
        return m_tasks.size();
    }

  private:
    std::mutex m_mutex;
    std::condition_variable m_posted;
    std::deque<std::function<void()>> m_tasks;
};

}  // namespace serialtest
