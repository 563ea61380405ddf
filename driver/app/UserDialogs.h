#pragma once

// Every message box of the driver goes through this interface, so that tests answer them
// without a person and without a display. Texts are UTF-8 (translated texts, file paths); lines
// may end with CR LF.

#include <string>

namespace driver {

enum class Answer { Yes, No, Cancel };

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;
    // An error with an OK button; returns when it has been dismissed.
    virtual void errorMessage(const std::string& text) = 0;
    // A question with Yes and No (No when the box is closed otherwise).
    virtual Answer askYesNo(const std::string& text) = 0;
    // A question with Yes, No and Cancel (Cancel when the box is closed otherwise).
    virtual Answer askYesNoCancel(const std::string& text) = 0;
};

}  // namespace driver
