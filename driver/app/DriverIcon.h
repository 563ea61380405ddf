#pragma once

// The driver's icon (window and notification area), drawn at run time so that the program needs
// no resource files: a loop symbol with an "H".

#include <QIcon>

namespace driver {

QIcon driverIcon();

}  // namespace driver
