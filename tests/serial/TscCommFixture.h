#pragma once

// The serial component on a pseudo-terminal pair, with the driver's line settings: the component
// opens COM5, pinned to the pty's slave, and the test plays the far side on the master. Events
// run on the test thread (the "main thread") through a ManualDispatcher.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ManualDispatcher.h"
#include "serial/TscComm.h"
#include "support/FakeLineControl.h"
#include "support/PtyPair.h"
#include "support/TempDir.h"

namespace serial {

using serialtest::FakeLineControl;
using serialtest::ManualDispatcher;
using serialtest::PtyPair;

// Waits for something another thread does (not for time to pass); false after a generous limit.
template <typename Done>
bool waitFor(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

class TscCommTest : public ::testing::Test {
  protected:
    TscCommTest() {
        std::filesystem::create_directories(m_dir / "dev");
        std::filesystem::create_directories(m_dir / "sys");
        pin({{5, m_pty.slavePath()}});
        m_comm.setDispatcher(m_dispatcher);
        m_comm.setExceptionPresenter([this](const std::string& text) { m_shown.push_back(text); });
        // The driver's line settings.
        m_comm.setBaudRate(1200);
        m_comm.setParity(pOdd);
        m_comm.setByteSize(8);
        m_comm.setStopBits(sbOne);
        m_comm.setStreamProtocol(spNone);
        m_comm.setComPortNo(5);
        m_comm.OnAfterReceive = [this](TscBaseIO&, const std::uint8_t* bytes, std::uint32_t n) {
            EXPECT_GE(n, 1u);
            m_received.append(reinterpret_cast<const char*>(bytes), n);
            m_receiveThreads.push_back(std::this_thread::get_id());
        };
        m_comm.OnTraceState = [this](TscBaseIO&, TTraceStates s) { m_traces.push_back(s); };
        m_comm.OnClose = [this](TscBaseIO&) { ++m_closes; };
        m_comm.NotifyAdd(this, [this](TscBaseIO&, int code) { m_codes.push_back(code); });
        m_codes.clear();
    }

    // Pins COMn to paths; no other serial device exists for this resolver.
    void pin(const std::vector<std::pair<int, std::string>>& pins) {
        std::string text = "[Ports]\n";
        for (const auto& [n, path] : pins)
            text += "COM" + std::to_string(n) + "=" + path + "\n";
        const auto settings = m_dir.write("ZODUVIR.INI", text);
        m_resolver =
            std::make_shared<PortNameResolver>(settings, DeviceRoots{m_dir / "dev", m_dir / "sys"});
        m_comm.setPortNameResolver(m_resolver);
    }

    bool runUntil(const std::function<bool()>& done) { return m_dispatcher->runUntil(done); }

    testsupport::TempDir m_dir;
    PtyPair m_pty;
    std::shared_ptr<ManualDispatcher> m_dispatcher = std::make_shared<ManualDispatcher>();
    std::shared_ptr<PortNameResolver> m_resolver;
    std::string m_received;
    std::vector<std::thread::id> m_receiveThreads;
    std::vector<TTraceStates> m_traces;
    std::vector<int> m_codes;
    std::vector<std::string> m_shown;
    int m_closes = 0;
    TscComm m_comm;  // last: closed before what its handlers record into goes
};

class TscCommLinesTest : public TscCommTest {
  protected:
    TscCommLinesTest() { m_comm.setLineControl(m_lines); }
    std::shared_ptr<FakeLineControl> m_lines = std::make_shared<FakeLineControl>();
};

}  // namespace serial
