#pragma once

// The message boxes as modal QMessageBox windows, titled after the application. Without a
// display to show them on (the offscreen or minimal platform, used for automation) nobody could
// answer a modal box and the driver would hang: the texts then go to the standard error stream,
// errors count as dismissed and questions take their safe answer (No, Cancel).

#include "driver/app/UserDialogs.h"

namespace driver {

class QtUserDialogs final : public UserDialogs {
  public:
    QtUserDialogs();

    void errorMessage(const std::string& text) override;
    Answer askYesNo(const std::string& text) override;
    Answer askYesNoCancel(const std::string& text) override;

    // A person can answer (a real display).
    bool interactive() const { return m_interactive; }

  private:
    bool m_interactive = true;
};

// True on the platforms that show nothing to anyone (offscreen, minimal).
bool isHeadlessPlatform();

}  // namespace driver
