#pragma once

// halvane-cmd --list-ports: the machine's serial ports as the driver would see them, without a
// driver. The port names resolve through the [Ports] pins of the shared settings file (the one
// a driver started without --settings-dir reads), then the devices present.

#include <ostream>

#include "serial/PortListing.h"

namespace halvanecmd {

// One line per port: the name, the device it opens, what the device is and its stable path
// ("-" where nothing is known), under a heading. Nothing but a note on err when there is none.
void printPortList(const std::vector<serial::PortListing>& ports, std::ostream& out,
                   std::ostream& err);

// Lists this machine's ports; the exit code (0).
int listPorts(std::ostream& out, std::ostream& err);

}  // namespace halvanecmd
