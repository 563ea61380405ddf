#include "tools/halvane-cmd/PortList.h"

#include <algorithm>
#include <array>
#include <string>

#include "serial/TscComm.h"
#include "tools/halvane-cmd/Arguments.h"

namespace halvanecmd {

namespace {

std::string orDash(const std::string& text) {
    return text.empty() ? "-" : text;
}

}  // namespace

void printPortList(const std::vector<serial::PortListing>& ports, std::ostream& out,
                   std::ostream& err) {
    if (ports.empty()) {
        err << "halvane-cmd: no serial port found (a USB serial adapter or modem shows up here "
               "once plugged in; see docs/serial-ports.md)\n";
        return;
    }
    using Row = std::array<std::string, 4>;
    std::vector<Row> rows = {{"PORT", "DEVICE", "DESCRIPTION", "STABLE PATH"}};
    for (const serial::PortListing& p : ports)
        rows.push_back({p.portName, orDash(p.devicePath), orDash(serial::PortDescription(p)),
                        orDash(p.stablePath)});
    std::array<std::size_t, 3> widths{};
    for (const Row& row : rows) {
        for (std::size_t c = 0; c < widths.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    }
    for (const Row& row : rows) {
        for (std::size_t c = 0; c < widths.size(); ++c)
            out << row[c] << std::string(widths[c] - row[c].size() + 2, ' ');
        out << row[3] << "\n";
    }
}

int listPorts(std::ostream& out, std::ostream& err) {
    serial::TscComm comm;  // never opened: it only lists
    comm.setEnumPorts(serial::epFullInfo);
    printPortList(serial::ListPorts(comm), out, err);
    return kDelivered;
}

}  // namespace halvanecmd
