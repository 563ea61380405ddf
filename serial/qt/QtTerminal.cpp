#include "serial/qt/QtTerminal.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>

#include "serial/TscBaseIO.h"

namespace serial {

QtTerminal::QtTerminal(QPlainTextEdit* edit) : m_edit(edit) {
    // The edit going away (its window closed) detaches the terminal too. It is no edit any
    // more by then (only a QObject is left of it): it is forgotten before anything else.
    connect(edit, &QObject::destroyed, this, [this] {
        m_edit = nullptr;
        detach();
    });
}

QtTerminal::~QtTerminal() {
    detach();
}

void QtTerminal::detach() {
    if (m_component) m_component->setTerminal(nullptr);  // calls TerminalAttached(nullptr)
}

void QtTerminal::TerminalAttached(TscBaseIO* component) {
    if (m_edit && m_component) m_edit->removeEventFilter(this);
    m_component = component;
    if (m_edit && m_component) m_edit->installEventFilter(this);
}

bool QtTerminal::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_edit || event->type() != QEvent::KeyPress || !m_component) return false;
    const QString text = static_cast<QKeyEvent*>(event)->text();
    // Only what one byte can carry goes to the port; other keys work as usual.
    if (text.size() != 1 || text[0].unicode() > 0xFF) return false;
    const bool show = m_component->TerminalKeyTyped(static_cast<std::uint8_t>(text[0].unicode()));
    return !show;
}

void QtTerminal::TypeChar(std::uint8_t ch) {
    if (!m_edit) return;
    const bool crlf = m_lastWasCr && ch == '\n';
    m_lastWasCr = ch == '\r';
    if (crlf) return;
    int key = Qt::Key_unknown;
    switch (ch) {
        case 0x08:
            key = Qt::Key_Backspace;
            break;
        case '\t':
            key = Qt::Key_Tab;
            break;
        case '\r':
        case '\n':
            key = Qt::Key_Return;
            break;
        default:
            break;
    }
    const QString text(QChar(static_cast<char16_t>(ch)));
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(m_edit, &press);
}

void QtTerminal::InsertText(std::string_view text) {
    if (!m_edit || text.empty()) return;
    QString lines = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    if (m_lastWasCr && lines.startsWith(u'\n')) lines.remove(0, 1);
    m_lastWasCr = lines.endsWith(u'\r');
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    m_edit->insertPlainText(lines);
}

}  // namespace serial
