#pragma once

// A device manager whose ttys a test lays out (see serial/UdevSource.h); it has no monitor.

#include <memory>
#include <vector>

#include "serial/UdevSource.h"

namespace serialtest {

class FakeUdevSource final : public serial::UdevSource {
  public:
    std::vector<serial::UdevTty> devices;
    std::vector<serial::UdevTty> ttys() override { return devices; }
    std::unique_ptr<serial::DeviceMonitor> monitor() override { return nullptr; }
};

}  // namespace serialtest
