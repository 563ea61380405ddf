#include "logger/qt/ClientConversation.h"

#include <unistd.h>

namespace logger {

std::string driverProgramPath(const std::filesystem::path& programFolder) {
    const std::filesystem::path beside = programFolder / "Halvane";
    std::error_code ec;
    if (std::filesystem::is_regular_file(beside, ec) && ::access(beside.c_str(), X_OK) == 0)
        return beside.string();
    return "Halvane";
}

ClientConversation::ClientConversation(std::filesystem::path programFolder)
    : m_programFolder(std::move(programFolder)),
      m_client(std::make_unique<platform::channel::ConversationClient>()) {}

ClientConversation::~ClientConversation() = default;

void ClientConversation::setLink(const std::string& service, const std::string& topic) {
    m_client = std::make_unique<platform::channel::ConversationClient>(service, topic);
}

bool ClientConversation::openLink() {
    platform::channel::ConversationClient::ServerProgram program;
    program.program = QString::fromStdString(driverProgramPath(m_programFolder));
    return m_client->open(program);
}

bool ClientConversation::execute(const std::string& text) {
    return m_client->execute(text);
}

std::string ClientConversation::request(const std::string& item) {
    return m_client->request(item).value_or(std::string());
}

void ClientConversation::closeLink() {
    m_client->close();
}

std::string ClientConversation::errorString() const {
    return m_client->errorString();
}

std::optional<qint64> ClientConversation::startedDriver() const {
    return m_client->startedProcessId();
}

}  // namespace logger
