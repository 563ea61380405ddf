#pragma once

// A log sink that keeps what the component writes: plain lines as "level text", formatted ones
// as "level format | arg, arg".

#include <string>
#include <variant>
#include <vector>

#include "serial/TscAttachments.h"

namespace serialtest {

class RecordingLog final : public serial::TscCustomLogFile {
  public:
    std::vector<std::string> lines;

    void Save() override {}
    void Clear() override { lines.clear(); }
    void Add(const std::string& text) override { lines.push_back(text); }
    void AddSysInfo() override { lines.push_back("sysinfo"); }
    void AddLog(int level, const std::string& text) override {
        lines.push_back(std::to_string(level) + " " + text);
    }
    void AddFmt(const std::string& format, const std::vector<serial::TscLogArg>& args) override {
        lines.push_back(format + " |" + joined(args));
    }
    void AddLogFmt(int level, const std::string& format,
                   const std::vector<serial::TscLogArg>& args) override {
        lines.push_back(std::to_string(level) + " " + format + " |" + joined(args));
    }

    bool has(const std::string& line) const {
        for (const std::string& l : lines) {
            if (l == line) return true;
        }
        return false;
    }

  private:
    static std::string joined(const std::vector<serial::TscLogArg>& args) {
        std::string out;
        for (const serial::TscLogArg& a : args) {
            out += " ";
            std::visit(
                [&](const auto& v) {
                    if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::string>) {
                        out += v;
                    } else {
                        out += std::to_string(v);
                    }
                },
                a);
        }
        return out;
    }
};

}  // namespace serialtest
