#pragma once

// Every message box and question of the logger goes through this interface, so that tests
// answer them without a person and a run without a display reports them on its error stream.

#include <QString>

namespace logger {

enum class MessageKind { Plain, Information, Warning, Error, Confirmation };
enum class MessageButtons { Ok, YesNoCancel, AbortRetry };
enum class MessageAnswer { Ok, Yes, No, Cancel, Abort, Retry };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box and returns the button chosen ("\r\n" in the text is a line break).
    // A box closed without a button gives Cancel (Yes/No/Cancel), Abort (Abort/Retry) or Ok.
    virtual MessageAnswer show(MessageKind kind, const QString& text, MessageButtons buttons) = 0;
};

}  // namespace logger
