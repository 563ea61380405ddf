#pragma once

// The logger's only way to the driver: a conversation with the five operations its polling
// cycle uses. Texts are one-byte text.

#include <string>

namespace logger {

class DriverConversation {
  public:
    virtual ~DriverConversation() = default;
    // The name of the driver program, started when no server answers the open.
    virtual std::string serviceApplication() const = 0;
    // Names the service and topic of the next open.
    virtual void setLink(const std::string& service, const std::string& topic) = 0;
    // Connects, starting the driver program once when no server answers; true when open.
    virtual bool openLink() = 0;
    // Hands a text to the driver and returns at once: true when it was handed over, false when
    // there is no open conversation or it could not be sent.
    virtual bool execute(const std::string& text) = 0;
    // The item's text; empty on any failure. Waits at most 10 s for a hanging driver, and not
    // at all for one that is gone.
    virtual std::string request(const std::string& item) = 0;
    virtual void closeLink() = 0;
};

}  // namespace logger
