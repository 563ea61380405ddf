#pragma once

// Every message box, input box and file dialog of the program goes through this interface, so that
// tests answer them without a person and a run without a display reports them instead of waiting.

#include <QString>
#include <optional>

#include "logger/core/MessageBoxes.h"

namespace logger {

class UserDialogs : public MessageBoxes {
  public:
    // The one-line input box: a caption, a prompt and the field's starting text. The text
    // entered on OK, nothing on Cancel or when the box is closed otherwise.
    virtual std::optional<QString> InputQuery(const QString& caption, const QString& prompt,
                                              const QString& text) = 0;

    struct SaveFileQuestion {
        QString title;
        QString folder;         // where the dialog opens
        QString fileName;       // the name it proposes
        QString filter;         // "Logs (*.log);;All Files (*)"
        QString defaultSuffix;  // added to a name typed without one
    };
    // The save dialog: the chosen file, nothing on Cancel.
    virtual std::optional<QString> saveFileName(const SaveFileQuestion& question) = 0;
};

}  // namespace logger
