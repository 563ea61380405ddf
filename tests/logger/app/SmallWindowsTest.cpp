// The about box, the notification-area icon's animation and the message boxes where nobody can
// answer them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "logger/app/LoggerIcon.h"
#include "logger/app/QtUserDialogs.h"
#include "logger/app/TfOprogramu.h"
#include "logger/app/TrayIcon.h"

namespace logger {
namespace {

TEST(AboutBoxTest, BlocksTheMainWindowUntilClosedByOkOrTheTitleBar) {
    QWidget main;
    main.show();
    TfOprogramu about(&main);
    EXPECT_EQ(about.LProgram->text(), "Loopscribe for Linux");
    EXPECT_EQ(about.size(), QSize(315, 174));

    for (const char* way : {"title bar", "OK", "Escape"}) {
        about.FormShow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        EXPECT_EQ(QApplication::activeModalWidget(), &about) << way;
        if (way == std::string("OK")) {
            about.bbOK->click();
        } else if (way == std::string("Escape")) {
            QTest::keyClick(&about, Qt::Key_Escape);
        } else {
            about.close();
        }
        EXPECT_FALSE(about.isVisible()) << way;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << way;
    }
}

TEST(TrayIconTest, AnimatesEveryHundredMillisecondsUntilStopped) {
    EXPECT_EQ(trayAnimationFrames().size(), kTrayFrameCount);
    EXPECT_FALSE(loggerIcon().pixmap(16).isNull());

    TrayIcon tray;
    tray.start();
    tray.start();  // a second start does not restart the count
    EXPECT_TRUE(tray.animating());
    QTest::qWait(5 * TrayIcon::kFrameInterval + TrayIcon::kFrameInterval / 2);
    EXPECT_GE(tray.frame(), 3);
    tray.stop();
    EXPECT_FALSE(tray.animating());
    EXPECT_EQ(tray.frame(), 0);
}

TEST(QtUserDialogsTest, WithoutADisplayEveryBoxTakesTheAnswerThatChangesLeast) {
    QtUserDialogs dialogs;
    ASSERT_FALSE(dialogs.interactive());
    EXPECT_EQ(dialogs.show(MessageKind::Information, "text", MessageButtons::Ok),
              MessageAnswer::Ok);
    EXPECT_EQ(dialogs.show(MessageKind::Confirmation, "Rewrite?", MessageButtons::YesNoCancel),
              MessageAnswer::No);
    EXPECT_EQ(
        dialogs.show(MessageKind::Warning, "Communication Error!", MessageButtons::AbortRetry),
        MessageAnswer::Abort);
    EXPECT_EQ(dialogs.InputQuery("Submit", "Max Point", ""), std::nullopt);
}

}  // namespace
}  // namespace logger
