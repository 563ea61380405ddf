#pragma once

// Printing a reply of the driver: its lines as served, "name: value" lines named from the command
// table (a value and its unit on one line: "PV: 101.668 kPa"), or one JSON object per reply
// (command, address, response, status, the fields by name and the lines themselves).

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "hart/CodeTables.h"
#include "tools/halvane-cmd/Arguments.h"

namespace halvanecmd {

using Lines = std::vector<std::string>;

// What the response text of a delivered reply says: success (code 0, an empty text), a warning
// (codes 8 and 14) or an error. The code is found from the table's texts, as the driver wrote
// them; a text that none of them matches counts as an error, with no code.
struct ResponseClass {
    enum class Kind { Success, Warning, Error };
    Kind kind = Kind::Success;
    std::optional<int> code;
};
ResponseClass classifyResponse(std::string_view responseText, const hart::CodeTables& tables);

struct PrintedReply {
    const Lines& lines;         // the reply as the driver served it
    std::string_view executed;  // the text executed, which names the command sent
    std::string time;           // when it arrived: ISO 8601 with milliseconds and offset
    std::string refusal = {};   // why halvane-cmd refused the line without sending it
};

class ReplyPrinter {
  public:
    // timeStamps: each reply is headed by its time (text styles; JSON always has it).
    ReplyPrinter(std::ostream& out, OutputStyle style, bool timeStamps,
                 const hart::CodeTables& tables);

    void print(const PrintedReply& reply);

  private:
    std::ostream& m_out;
    OutputStyle m_style;
    bool m_timeStamps;
    const hart::CodeTables& m_tables;
    int m_printed = 0;
};

// The time now, as PrintedReply::time wants it.
std::string currentTimeStamp();

}  // namespace halvanecmd
