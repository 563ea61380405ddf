#include "logger/app/QtUserDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <cstdio>

namespace logger {

namespace {

QString boxText(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString title() {
    return QLatin1String(kApplicationTitle);
}

QMessageBox::Icon iconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information:
            return QMessageBox::Information;
        case MessageKind::Warning:
            return QMessageBox::Warning;
        case MessageKind::Error:
            return QMessageBox::Critical;
        case MessageKind::Confirmation:
            return QMessageBox::Question;
        case MessageKind::Plain:
            break;
    }
    return QMessageBox::NoIcon;
}

void printUnanswered(const QString& text, const QString& outcome) {
    std::fprintf(stderr, "%s: %s%s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(boxText(text)), qPrintable(outcome));
    std::fflush(stderr);
}

}  // namespace

bool isHeadlessPlatform() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

QtUserDialogs::QtUserDialogs() : m_interactive(!isHeadlessPlatform()) {}

MessageAnswer QtUserDialogs::show(MessageKind kind, const QString& text, MessageButtons buttons) {
    if (!m_interactive) return m_unanswered.show(kind, text, buttons);
    QMessageBox box(iconOf(kind), title(), boxText(text));
    switch (buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Yes);
            break;
        case MessageButtons::AbortRetry:
            box.setStandardButtons(QMessageBox::Abort | QMessageBox::Retry);
            box.setDefaultButton(QMessageBox::Retry);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Retry:
            return MessageAnswer::Retry;
        case QMessageBox::Abort:
            return MessageAnswer::Abort;
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        default:
            break;
    }
    // Closed with the title bar or Escape.
    switch (buttons) {
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Cancel;
        case MessageButtons::AbortRetry:
            return MessageAnswer::Abort;
        case MessageButtons::Ok:
            break;
    }
    return MessageAnswer::Ok;
}

std::optional<QString> QtUserDialogs::InputQuery(const QString& caption, const QString& prompt,
                                                 const QString& text) {
    if (!m_interactive) {
        printUnanswered(prompt, QStringLiteral(" [cancelled: no display]"));
        return std::nullopt;
    }
    bool ok = false;
    const QString entered =
        QInputDialog::getText(nullptr, caption, prompt, QLineEdit::Normal, text, &ok);
    if (!ok) return std::nullopt;
    return entered;
}

std::optional<QString> QtUserDialogs::saveFileName(const SaveFileQuestion& question) {
    if (!m_interactive) {
        printUnanswered(question.title, QStringLiteral(" [cancelled: no display]"));
        return std::nullopt;
    }
    QFileDialog dialog(nullptr, question.title, question.folder, question.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(question.defaultSuffix);
    if (!question.fileName.isEmpty()) dialog.selectFile(question.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

}  // namespace logger
