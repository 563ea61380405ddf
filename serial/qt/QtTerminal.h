#pragma once

// A QPlainTextEdit used as a serial component's terminal:
//
//   serial::QtTerminal terminal(edit);
//   comm.setTerminal(&terminal);
//   comm.setTerminalUsage(serial::tuBoth);
//
// While attached, a Latin-1 character typed into the edit goes to the component
// (TscBaseIO::TerminalKeyTyped), which sends it and says whether the edit shows it. A received
// byte is typed into the edit (a backspace deletes, a carriage return or line feed starts a new
// line), received text is inserted at the caret with CR LF, CR and LF each ending a line. Main
// thread only. Destroying the terminal, or the edit, detaches it from its component.

#include <QObject>
#include <QPlainTextEdit>
#include <QPointer>

#include "serial/TscAttachments.h"

namespace serial {

class QtTerminal final : public QObject, public TscTerminal {
    Q_OBJECT
  public:
    explicit QtTerminal(QPlainTextEdit* edit);
    ~QtTerminal() override;

    QPlainTextEdit* edit() const { return m_edit; }

    void TerminalAttached(TscBaseIO* component) override;
    void TypeChar(std::uint8_t ch) override;
    void InsertText(std::string_view text) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void detach();

    QPointer<QPlainTextEdit> m_edit;
    TscBaseIO* m_component = nullptr;
    bool m_lastWasCr = false;  // a line feed right after a carriage return ends no second line
};

}  // namespace serial
