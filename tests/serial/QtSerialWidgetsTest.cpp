// The serial component's Qt side: the terminal on a QPlainTextEdit, the port configuration
// dialog, and device changes from a monitor's descriptor in the event loop.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "serial/TscComm.h"
#include "serial/qt/DeviceChangeNotifier.h"
#include "serial/qt/QtMainThreadDispatcher.h"
#include "serial/qt/QtPortConfigDialog.h"
#include "serial/qt/QtTerminal.h"
#include "support/PtyPair.h"
#include "support/TempDir.h"

namespace serial {
namespace {

class QtSerialWidgetsTest : public ::testing::Test {
  protected:
    QtSerialWidgetsTest() {
        const auto settings =
            m_dir.write("ZODUVIR.INI", "[Ports]\nCOM1=" + m_pty.slavePath() + "\n");
        m_comm.setPortNameResolver(std::make_shared<PortNameResolver>(
            settings, DeviceRoots{m_dir / "dev", m_dir / "sys"}));
        m_comm.setDispatcher(std::make_shared<QtMainThreadDispatcher>());
    }

    // Runs the event loop until done() holds; false after a generous limit.
    template <typename Done>
    bool processUntil(Done done) {
        QElapsedTimer timer;
        timer.start();
        while (!done()) {
            if (timer.elapsed() > 5000) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return true;
    }

    static void type(QWidget* widget, const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(widget, &press);
        }
    }

    // The runtime folder is the test's own, made before the application asks for it.
    testsupport::TempDir m_dir;
    bool m_runtimeSet = ::setenv("XDG_RUNTIME_DIR", m_dir.path().c_str(), 1) == 0;
    int m_argc = 1;
    char m_name[16] = "serial_qt_tests";
    char* m_argv[2] = {m_name, nullptr};
    QApplication m_app{m_argc, m_argv};
    serialtest::PtyPair m_pty;
    TscComm m_comm;
};

TEST_F(QtSerialWidgetsTest, TheTerminalSendsTypingAndShowsWhatArrives) {
    QPlainTextEdit edit;
    auto terminal = std::make_unique<QtTerminal>(&edit);
    m_comm.setTerminal(terminal.get());
    m_comm.setTerminalUsage(tuBoth);
    m_comm.setActive(true);

    type(&edit, "hi");  // sent, and without the echo not shown
    EXPECT_EQ(m_pty.read(2), "hi");
    EXPECT_EQ(edit.toPlainText(), "");
    m_comm.setTerminalEcho(true);
    type(&edit, "!");
    EXPECT_EQ(m_pty.read(1), "!");
    EXPECT_EQ(edit.toPlainText(), "!");

    // Text arrives at the caret; a single byte is typed: a backspace deletes.
    m_pty.write("abc\r\ndef");
    ASSERT_TRUE(processUntil([&] { return edit.toPlainText() == "!abc\ndef"; }))
        << edit.toPlainText().toStdString();
    m_pty.write("\x08");
    ASSERT_TRUE(processUntil([&] { return edit.toPlainText() == "!abc\nde"; }))
        << edit.toPlainText().toStdString();
    EXPECT_EQ(m_pty.readAvailable(), "");  // what arrives is not sent back

    // Detached: the edit is an edit again.
    terminal.reset();
    EXPECT_EQ(m_comm.Terminal(), nullptr);
    type(&edit, "z");
    EXPECT_EQ(edit.toPlainText(), "!abc\ndez");
    EXPECT_EQ(m_pty.readAvailable(), "");

    // An edit that goes away takes its terminal off the component.
    auto other = std::make_unique<QPlainTextEdit>();
    QtTerminal second(other.get());
    m_comm.setTerminal(&second);
    other.reset();
    EXPECT_EQ(m_comm.Terminal(), nullptr);
}

TEST_F(QtSerialWidgetsTest, TheDialogOffersWhatAPortCanTake) {
    PortConfigDialogWindow dialog("COM3", {1200, 8, pOdd, sbTwo, spHardware});
    EXPECT_EQ(dialog.windowTitle(), "COM3 Port Settings");
    EXPECT_EQ(dialog.settings(), (PortLineSettings{1200, 8, pOdd, sbTwo, spHardware}));

    auto stopChoices = [&] {
        QStringList items;
        for (int i = 0; i < dialog.stopBitsBox()->count(); ++i)
            items << dialog.stopBitsBox()->itemText(i);
        return items;
    };
    EXPECT_EQ(stopChoices(), (QStringList{"1", "2"}));
    dialog.dataBitsBox()->setCurrentIndex(dialog.dataBitsBox()->findData(5));
    EXPECT_EQ(stopChoices(), (QStringList{"1", "1.5"}));
    EXPECT_EQ(dialog.settings()->stopBits, sbOne);  // 2 stop bits went with the 8 data bits

    auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    dialog.baudRateBox()->setEditText("");
    EXPECT_FALSE(dialog.settings());
    EXPECT_FALSE(ok->isEnabled());
    dialog.baudRateBox()->setEditText("31250");  // any rate
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(dialog.settings()->baudRate, 31250u);

    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::RestoreDefaults)->click();
    EXPECT_EQ(dialog.settings(), (PortLineSettings{9600, 8, pNone, sbOne, spNone}));
}

TEST_F(QtSerialWidgetsTest, ConfigDialogOfTheComponentTakesTheChoiceOnOk) {
    m_comm.setConfigDialog(QtPortConfigDialog());
    m_comm.setBaudRate(1200);
    m_comm.setParity(pOdd);
    m_comm.setStreamProtocol(spNone);
    for (bool accept : {false, true}) {
        QTimer::singleShot(0, [accept] {
            auto* dialog = qobject_cast<PortConfigDialogWindow*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->baudRateBox()->setEditText("9600");
            dialog->flowControlBox()->setCurrentIndex(
                dialog->flowControlBox()->findData(spXonXoff));
            if (accept) {
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
        EXPECT_EQ(m_comm.ConfigDialog(), accept);
        EXPECT_EQ(m_comm.BaudRate(), accept ? 9600u : 1200u);
        EXPECT_EQ(m_comm.StreamProtocol(), accept ? spXonXoff : spNone);
        EXPECT_EQ(m_comm.Parity(), pOdd);
    }
}

// A monitor whose changes a test queues; its descriptor is a pipe.
class PipeMonitor final : public DeviceMonitor {
  public:
    PipeMonitor() {
        if (::pipe(m_fds) != 0) throw std::runtime_error("pipe");
    }
    ~PipeMonitor() override {
        ::close(m_fds[0]);
        ::close(m_fds[1]);
    }
    int fd() const override { return m_fds[0]; }
    std::vector<DeviceChange> receive() override {
        char byte;
        std::vector<DeviceChange> changes;
        while (!m_queued.empty() && ::read(m_fds[0], &byte, 1) == 1) {
            changes.push_back(m_queued.front());
            m_queued.erase(m_queued.begin());
        }
        return changes;
    }
    void queue(DeviceChange change) {
        m_queued.push_back(change);
        (void)!::write(m_fds[1], "x", 1);
    }

  private:
    int m_fds[2] = {-1, -1};
    std::vector<DeviceChange> m_queued;
};

TEST_F(QtSerialWidgetsTest, DeviceChangesComeFromTheEventLoop) {
    EXPECT_FALSE(DeviceChangeNotifier(nullptr).watching());

    auto monitor = std::make_unique<PipeMonitor>();
    PipeMonitor* pipe = monitor.get();
    DeviceChangeNotifier notifier(std::move(monitor));
    ASSERT_TRUE(notifier.watching());
    std::vector<int> codes;
    m_comm.NotifyAdd(this, [&](TscBaseIO&, int code) { codes.push_back(code); });
    std::vector<bool> reloaded;
    QObject::connect(&notifier, &DeviceChangeNotifier::deviceChanged,
                     [&](quint32 event, quint32 type) {
                         reloaded.push_back(m_comm.WMDeviceChange(event, type));
                     });

    pipe->queue({kDeviceArrived, kDeviceTypePort});
    pipe->queue({kDeviceRemoved, 0});
    ASSERT_TRUE(processUntil([&] { return reloaded.size() == 2; }));
    EXPECT_EQ(reloaded, (std::vector<bool>{true, false}));
    EXPECT_EQ(codes, std::vector<int>{kNotifyChanged});
}

}  // namespace
}  // namespace serial
