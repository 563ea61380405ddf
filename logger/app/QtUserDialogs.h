#pragma once

// The message boxes as modal QMessageBox windows and the input box as a QInputDialog, titled
// with the application's title "LOOPSCRIBE". Without a display (the offscreen or minimal platform)
// nobody could answer them: the texts go to the standard error stream and each box takes the answer
// that changes least (OK, No, Abort, Cancel).

#include "logger/app/UserDialogs.h"
#include "logger/core/Headless.h"

namespace logger {

// The application's title, which the message boxes carry.
inline constexpr char kApplicationTitle[] = "LOOPSCRIBE";

class QtUserDialogs final : public UserDialogs {
  public:
    QtUserDialogs();

    MessageAnswer show(MessageKind kind, const QString& text, MessageButtons buttons) override;
    std::optional<QString> InputQuery(const QString& caption, const QString& prompt,
                                      const QString& text) override;
    std::optional<QString> saveFileName(const SaveFileQuestion& question) override;

    // A person can answer (a real display).
    bool interactive() const { return m_interactive; }

  private:
    bool m_interactive = true;
    StreamMessageBoxes m_unanswered{stderr};
};

// True on the platforms that show nothing to anyone (offscreen, minimal).
bool isHeadlessPlatform();

}  // namespace logger
