#include "driver/app/QtUserDialogs.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>

namespace driver {

namespace {

QString boxText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

void printUnanswered(const std::string& text, const char* outcome) {
    std::fprintf(stderr, "%s: %s%s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(boxText(text)), outcome);
    std::fflush(stderr);
}

Answer toAnswer(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

}  // namespace

bool isHeadlessPlatform() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

QtUserDialogs::QtUserDialogs() : m_interactive(!isHeadlessPlatform()) {}

void QtUserDialogs::errorMessage(const std::string& text) {
    if (!m_interactive) {
        printUnanswered(text, "");
        return;
    }
    QMessageBox::critical(nullptr, QCoreApplication::applicationName(), boxText(text),
                          QMessageBox::Ok);
}

Answer QtUserDialogs::askYesNo(const std::string& text) {
    if (!m_interactive) {
        printUnanswered(text, " [answered No: no display]");
        return Answer::No;
    }
    const auto button =
        QMessageBox::question(nullptr, QCoreApplication::applicationName(), boxText(text),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Answer QtUserDialogs::askYesNoCancel(const std::string& text) {
    if (!m_interactive) {
        printUnanswered(text, " [answered Cancel: no display]");
        return Answer::Cancel;
    }
    return toAnswer(QMessageBox::question(
        nullptr, QCoreApplication::applicationName(), boxText(text),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel));
}

}  // namespace driver
