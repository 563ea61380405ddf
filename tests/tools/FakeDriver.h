#pragma once

// A stand-in for the driver's command interface on a ConversationServer, answering executes the
// way the driver does: a command line makes the driver busy, the item shows "Busy!" 1 ms later
// and the result after a short delay; a control command is answered with the status text 1 ms
// later; an execute while busy is dropped, except the exact line "terminate"/"TERMINATE".
//
// Results of a command line "C;;A" (or C CR LF A ...): address 7 stays silent
// ("Communication Error!"), address 8 stays silent through its re-identification (reported as
// command 0), an unreadable number or an address above 64 is refused ("Command Error!"); any
// other gets a reply with an empty middle line and a byte above 127 in its last line.
//
// Used on the server's thread only.

#include <chrono>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/channel/ConversationServer.h"

namespace fakedriver {

using Lines = std::vector<std::string>;

class FakeDriver {
  public:
    void execute(platform::channel::ConversationServer& server, const Lines& lines);

    // The result the fake gives a command line.
    static Lines resultFor(const Lines& lines);
    std::string statusText() const;

    std::string port = "COM3";
    std::set<int> unusablePorts;  // SET COMn leaves the port on "none"
    bool primary = true;
    bool rq20 = true;
    int precision = 6;
    std::chrono::milliseconds replyDelay{20};
    bool answers = true;  // false: takes command lines and never ends them
    bool busy = false;
    // Just before the next execute is handled, another client's command line is taken (so the
    // next execute is dropped) and later answered with these lines.
    std::optional<Lines> foreignTakenFirst;
    // Just before the next execute is handled, a transaction taken earlier ends with these lines.
    std::optional<Lines> foreignEndsFirst;
    std::function<void()> onTerminate;
    // Replaces the response text (line 3) of delivered replies when not empty.
    std::string responseText;
    // Called with every execute, before it is handled.
    std::function<void(const Lines&)> onExecute;

  private:
    void startCommandLine(platform::channel::ConversationServer& server, Lines result);
};

}  // namespace fakedriver
