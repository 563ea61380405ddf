// halvane-cmd --list-ports: the table it prints, and the program listing a port pinned to a
// pseudo-terminal without any driver running.

#include "tools/halvane-cmd/PortList.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "support/PtyPair.h"
#include "support/TempDir.h"

namespace halvanecmd {
namespace {

TEST(PortList, OneAlignedLinePerPortUnderAHeading) {
    const std::vector<serial::PortListing> ports = {
        {1, "COM1", "/dev/ttyUSB0", "FT232R USB UART", "FTDI",
         "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0"},
        {12, "COM12", "/dev/pts/4", "", "", ""},
    };
    std::ostringstream out, err;
    printPortList(ports, out, err);
    EXPECT_EQ(out.str(),
              "PORT   DEVICE        DESCRIPTION             STABLE PATH\n"
              "COM1   /dev/ttyUSB0  FT232R USB UART (FTDI)  "
              "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0\n"
              "COM12  /dev/pts/4    -                       -\n");
    EXPECT_EQ(err.str(), "");

    std::ostringstream none, note;
    printPortList({}, none, note);
    EXPECT_EQ(none.str(), "");
    EXPECT_NE(note.str().find("no serial port found"), std::string::npos);
}

TEST(PortList, TheProgramListsPortsWithoutADriver) {
    testsupport::TempDir home;
    serialtest::PtyPair pty;
    const auto folder = home / "Orvel Software" / "Pelmora";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "ZODUVIR.INI") << "[Ports]\nCOM7=" << pty.slavePath() << "\n";

    // No runtime folder with a driver in it: nothing to connect to, and nothing needed.
    const std::string command = "APPDATA='" + home.path().string() + "' XDG_RUNTIME_DIR='" +
                                home.path().string() + "' " + HALVANE_CMD_PROGRAM +
                                " --list-ports 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[512];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, n);
    const int status = ::pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << out;
    const std::string device = std::filesystem::canonical(pty.slavePath()).string();
    EXPECT_NE(out.find("\nCOM7 "), std::string::npos) << out;
    EXPECT_NE(out.find(device), std::string::npos) << out;
}

}  // namespace
}  // namespace halvanecmd
