#pragma once

// The conversation with the real driver over the conversation channel. When no driver answers
// the open, the driver program is started (it starts hidden, behind its notification-area icon)
// and the open is tried once more: the program file Halvane beside the logger's own, else
// Halvane on the PATH.

#include <filesystem>
#include <memory>
#include <string>

#include "logger/core/DriverConversation.h"
#include "platform/channel/ConversationClient.h"

namespace logger {

// The driver program to start: beside the logger's program file when it is there and can be
// run, otherwise the bare name (found on the PATH when it is started).
std::string driverProgramPath(const std::filesystem::path& programFolder);

class ClientConversation final : public DriverConversation {
  public:
    explicit ClientConversation(std::filesystem::path programFolder);
    ~ClientConversation() override;

    std::string serviceApplication() const override { return "Halvane"; }
    void setLink(const std::string& service, const std::string& topic) override;
    bool openLink() override;
    bool execute(const std::string& text) override;
    std::string request(const std::string& item) override;
    void closeLink() override;

    // Why the last operation failed, for the program's error stream.
    std::string errorString() const;
    // The driver process the open started, if it started one.
    std::optional<qint64> startedDriver() const;

  private:
    std::filesystem::path m_programFolder;
    std::unique_ptr<platform::channel::ConversationClient> m_client;
};

}  // namespace logger
