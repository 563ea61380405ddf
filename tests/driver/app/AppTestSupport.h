#pragma once

// Fakes for the driver program's tests: a port whose devices a test lays out (which numbers
// open, which have a modem whose DSR follows DTR), message boxes answered from a script, and a
// pump whose waits take no time.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cerrno>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "driver/app/DriverPort.h"
#include "driver/app/QtMessagePump.h"
#include "driver/app/UserDialogs.h"
#include "serial/SerialError.h"

namespace apptest {

class FakeDriverPort : public driver::DriverPort {
  public:
    struct Device {
        int openError = 0;   // errno of a failed open; 0 opens
        bool modem = false;  // DSR follows DTR
    };
    std::map<int, Device> devices;  // a number without an entry does not exist (ENOENT)
    std::vector<int> opened;        // every open attempt, in order
    std::vector<bool> dtr;          // every DTR switch, in order
    std::vector<bool> rts;          // every RTS switch, in order
    std::vector<std::vector<std::uint8_t>> sent;
    std::function<void(int)> beforeOpen;  // runs at each open attempt
    int closes = 0;

    void open(int number) override {
        m_open = false;
        m_number = number;
        m_dtrOn = false;
        m_rtsOn = true;  // the serial component raises RTS when it opens a port
        opened.push_back(number);
        if (beforeOpen) beforeOpen(number);
        auto it = devices.find(number);
        const int error = it == devices.end() ? ENOENT : it->second.openError;
        if (error != 0) throw serial::PortError("Device open error", 1, 0, error);
        m_open = true;
    }
    void close() override {
        ++closes;
        m_open = false;
    }
    bool isOpen() const override { return m_open; }
    int number() const override { return m_number; }
    std::string devicePath() const override {
        return devices.count(m_number) ? "/dev/ttyFAKE" + std::to_string(m_number) : "";
    }
    void SetStateDTR(bool on) override {
        dtr.push_back(on);
        if (m_open) m_dtrOn = on;
    }
    void SetStateRTS(bool on) override {
        rts.push_back(on);
        m_rtsOn = on;
    }
    // RTS is on: an RQ-20 modem keys its carrier.
    bool rtsOn() const { return m_open && m_rtsOn; }
    bool dsr() const override {
        auto it = devices.find(m_number);
        return m_open && it != devices.end() && it->second.modem && m_dtrOn;
    }
    void SendString(std::span<const std::uint8_t> bytes) override {
        sent.emplace_back(bytes.begin(), bytes.end());
    }
    void ClearDeviceInput() override {}

  private:
    int m_number = 0;
    bool m_open = false;
    bool m_dtrOn = false;
    bool m_rtsOn = false;
};

class ScriptedDialogs : public driver::UserDialogs {
  public:
    std::vector<std::string> errors;
    std::vector<std::string> questions;
    std::deque<driver::Answer> answers;  // taken by the questions in order

    void errorMessage(const std::string& text) override { errors.push_back(text); }
    driver::Answer askYesNo(const std::string& text) override { return answer(text); }
    driver::Answer askYesNoCancel(const std::string& text) override { return answer(text); }

  private:
    driver::Answer answer(const std::string& text) {
        questions.push_back(text);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return driver::Answer::Cancel;
        }
        const driver::Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

// Waits take no time but still let pending events run.
class InstantPump : public driver::QtMessagePump {
  public:
    int waits = 0;
    bool WaitPumping(int) override {
        ++waits;
        if (!terminating()) QCoreApplication::processEvents();
        return terminating();
    }
};

}  // namespace apptest
