#pragma once

// Keeping the driver on the device the user chose: COMn is pinned in [Ports] of the settings
// file to the stable /dev/serial/by-id link of the device it opened, so that an adapter plugged
// in later (which may take the device name or the place in the automatic order) never moves the
// driver to another device.

#include <filesystem>

#include "platform/ini/IniFile.h"

namespace driver {

// Pins COMn to the stable link of `openedDevice` (the path the port was opened by) when COMn is
// not pinned yet and the device has such a link. A pin already there, the user's or an earlier
// one, stays. True when a pin was written.
bool PinToStableLink(platform::IniFile& settings, int number,
                     const std::filesystem::path& openedDevice,
                     const std::filesystem::path& devFolder = "/dev");

}  // namespace driver
