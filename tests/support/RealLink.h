#pragma once

// The link engine in real time on a real serial component, against the hartsim program on a
// pseudo-terminal: what the driver runs, without its window. Used by the engine's integration
// test and its transaction benchmark. Needs a running QCoreApplication.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "driver/app/PreciseClock.h"
#include "driver/app/QtEngineTimer.h"
#include "driver/app/QtMessagePump.h"
#include "driver/app/SerialDriverPort.h"
#include "driver/command/CommandLine.h"
#include "driver/engine/LinkEngine.h"

namespace testsupport {

// hartsim on a new pseudo-terminal, stopped when this object goes.
class HartsimProcess {
  public:
    HartsimProcess(const std::string& program, const QStringList& arguments) {
        m_process.setProgram(QString::fromStdString(program));
        m_process.setArguments(arguments);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (!m_process.waitForStarted(10'000)) throw std::runtime_error("hartsim did not start");
        QElapsedTimer waited;
        waited.start();
        while (!m_process.canReadLine()) {
            if (waited.elapsed() > 10'000 || !m_process.waitForReadyRead(10'000)) {
                throw std::runtime_error("hartsim printed no device path");
            }
        }
        m_path = QString::fromLocal8Bit(m_process.readLine()).trimmed().toStdString();
    }
    ~HartsimProcess() {
        m_process.terminate();
        if (!m_process.waitForFinished(5'000)) m_process.kill(), m_process.waitForFinished(5'000);
    }
    const std::string& path() const { return m_path; }

  private:
    QProcess m_process;
    std::string m_path;
};

class RealLink : public driver::LinkPort, public driver::LinkView {
  public:
    // settingsFolder receives a ZODUVIR.INI that pins COM1 to the pseudo-terminal.
    RealLink(const std::filesystem::path& settingsFolder, const std::string& ptyPath,
             const std::filesystem::path& tableFile)
        : m_settings(writeSettings(settingsFolder, ptyPath)),
          m_port(m_settings),
          m_tables(tableFile),
          m_engine({m_clock, m_timer1, m_pump, *this, *this}, m_tables) {
        m_port.onReceived = [this](std::span<const std::uint8_t> bytes) {
            receivedBytes += bytes.size();
            m_engine.scComm1AfterReceive(bytes);
        };
        m_port.onLineError = [this] { m_engine.scComm1CommError(); };
        m_port.open(1);
        m_port.SetStateDTR(true);
        m_port.SetStateRTS(false);
        m_engine.msg.mt = hart::mtPrimary;
    }

    driver::LinkEngine& engine() { return m_engine; }

    // Runs one command line to its end; returns the item's lines (one entry for error texts).
    // Waits by processing events, not in a nested event loop, which would return at once once
    // anything in the process has asked the application to quit.
    std::vector<std::string> transact(const std::string& commandLine, int limitMs = 30'000) {
        m_engine.Busy = true;
        driver::RunCommandLine(m_engine, commandLine);
        firstTickMs = m_timer1.interval();
        QTimer heartbeat;  // bounds each wait for events
        heartbeat.start(50);
        QElapsedTimer waited;
        waited.start();
        while ((m_engine.Busy || m_engine.msg.DataToSend) && waited.elapsed() < limitMs) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        return item;
    }

    // LinkPort
    bool portSelected() const override { return m_port.isOpen(); }
    void SendString(std::span<const std::uint8_t> bytes) override { m_port.SendString(bytes); }
    void SetStateRTS(bool on) override { m_port.SetStateRTS(on); }
    void ClearDeviceInput() override { m_port.ClearDeviceInput(); }
    // LinkView
    void setListLines(const std::vector<std::string>&) override {}
    void addListLines(const std::vector<std::string>&) override {}
    void setItemText(const std::string& text) override { item = {text}; }
    void setItemLines(const std::vector<std::string>& lines) override { item = lines; }

    std::vector<std::string> item;
    int firstTickMs = 0;  // the send tick's period when the last transaction started
    std::size_t receivedBytes = 0;

  private:
    static std::filesystem::path writeSettings(const std::filesystem::path& folder,
                                               const std::string& ptyPath) {
        const auto file = folder / "ZODUVIR.INI";
        std::ofstream(file) << "[Ports]\nCOM1=" << ptyPath << "\n";
        return file;
    }

    std::filesystem::path m_settings;
    driver::SerialDriverPort m_port;
    hart::CodeTables m_tables;
    driver::PreciseClock m_clock;
    driver::QtEngineTimer m_timer1;
    driver::QtMessagePump m_pump;
    driver::LinkEngine m_engine;
};

}  // namespace testsupport
