#include "logger/core/Monitor.h"

#include <algorithm>

#include "logger/core/OneByteText.h"
#include "logger/core/RecordLines.h"
#include "logger/core/ReplyText.h"

namespace logger {

namespace {

constexpr const char* kDriverProgram = "Halvane";
constexpr const char* kDriverTopic = "DdeHartServer";
constexpr const char* kReplyItem = "DdeHartCommand";

}  // namespace

Monitor::Monitor(DriverConversation& conversation, const MonitorTimers& timers, LocalClock& clock,
                 RandomSource& random, MonitorRecord& record, const MonitorViews& views,
                 const MonitorContext& context)
    : m_conversation(conversation),
      m_timers(timers),
      m_clock(clock),
      m_random(random),
      m_record(record),
      m_views(views),
      m_context(context) {
    const std::pair<WindowTimer*, int> intervals[] = {{&m_timers.send, kSendInterval},
                                                      {&m_timers.poll, kPollInterval},
                                                      {&m_timers.timeOut, kReplyTimeOut},
                                                      {&m_timers.interval, kFirstIntervalTick}};
    for (const auto& [timer, interval] : intervals) {
        timer->setEnabled(false);
        timer->setInterval(interval);
    }
    m_timers.send.setHandler([this] { tKomunikaceTimer(); });
    m_timers.poll.setHandler([this] { Timer4Timer(); });
    m_timers.timeOut.setHandler([this] { TimeOutTimerTimer(); });
    m_timers.interval.setHandler([this] { tLoggerTimer(); });
}

void Monitor::connectToDriver() {
    DoNewLink();
    SmazHlavickuCmd0();
    setButtons(LinkOk, false);
}

void Monitor::DoNewLink() {
    const std::string application = m_conversation.serviceApplication();
    if (application == kDriverProgram)
        m_conversation.setLink(kDriverProgram, kDriverTopic);
    else
        m_conversation.setLink(application, "HART$");
    if (!m_conversation.openLink()) {
        LinkOk = false;
        m_views.messages.show(MessageKind::Error, m_context.texts.driverNotFound,
                              MessageButtons::Ok);
    }
}

void Monitor::bbStartClick() {
    if (!m_startEnabled) return;
    Multidrop.fill(false);
    MultidropIdx = highestAddress();
    if (!m_record.PrepareLogFile()) return;
    // A run begins knowing nothing of the driver: a Stop while it was busy must not keep this
    // run from sending.
    busy = false;
    setButtons(false, true);
    m_views.tray.start();
    m_record.AddRecordLine(separatorLine());
    m_record.AddRecordLine(
        runLine(m_context.texts.monitorStarted, m_clock.now(), m_context.locale));
    ReplyLines.clear();
    DdeBufferNew.clear();
    DdeBufferOld.clear();
    setCommand(0);
    m_timers.send.setEnabled(true);
}

void Monitor::bbStopClick() {
    setButtons(m_startEnabled, false);
    for (WindowTimer* timer :
         {&m_timers.send, &m_timers.timeOut, &m_timers.poll, &m_timers.interval})
        timer->setEnabled(false);
    m_record.AddRecordLine(separatorLine());
    m_record.AddRecordLine(
        runLine(m_context.texts.monitorStopped, m_clock.now(), m_context.locale));
    m_record.AddRecordLine(separatorLine());
    m_record.AddRecordLine(QString());
    m_record.AddRecordLine(QString());
    ReplyLines.clear();
    m_views.tray.stop();
    SmazHlavickuCmd0();
    m_views.status.ShowStatus(m_context.texts.monitorFinished);
    setButtons(true, false);
}

void Monitor::BBVymazClick() {
    if (m_views.messages.show(MessageKind::Confirmation, m_context.texts.clearScreen,
                              MessageButtons::YesNoCancel) != MessageAnswer::Yes)
        return;
    m_record.clearPane();
    for (ChartWindow* chart : m_views.charts)
        clearChart(*chart, true);
}

bool Monitor::startFromCommandLine(const std::vector<std::string>& parameters) {
    if (parameters.empty() || !LinkOk) return false;
    QString joined;
    for (const std::string& parameter : parameters)
        joined += QString::fromLocal8Bit(parameter) + QLatin1Char(' ');
    if (joined.trimmed().toUpper() != QLatin1String("START")) return false;
    bbStartClick();
    return true;
}

void Monitor::closeDriverLink(bool terminateDriver) {
    if (terminateDriver) {
        try {
            if (m_conversation.execute("terminate")) m_conversation.closeLink();
        } catch (const std::exception&) {
            m_views.messages.show(MessageKind::Plain, m_context.texts.cannotTerminateDriver,
                                  MessageButtons::Ok);
        }
    }
    m_conversation.closeLink();
}

void Monitor::tKomunikaceTimer() {
    const MonitorTexts& texts = m_context.texts;
    RequestTime = m_clock.now();
    m_timers.send.setEnabled(false);
    if (Counter > 100) {
        m_views.messages.show(MessageKind::Plain, texts.commandNotPerformed, MessageButtons::Ok);
        Counter = 0;
    }
    if (Counter > 50) m_timers.poll.setInterval(m_timers.poll.interval() + 20);
    if (busy) {
        m_timers.send.setEnabled(true);
        m_timers.timeOut.setEnabled(true);
        return;
    }
    // Only a reply whose processing failed is still here.
    if (ReplyLines.size() >= 3) {
        const std::string& third = ReplyLines[2];
        QString warning;
        if (third.find(DriverTexts::kCommunicationError) != std::string::npos)
            warning = texts.communicationError;
        else if (third.find(DriverTexts::kCommandError) != std::string::npos)
            warning = texts.commandError;
        if (!warning.isEmpty() &&
            m_views.messages.show(MessageKind::Warning, warning, MessageButtons::AbortRetry) !=
                MessageAnswer::Retry) {
            // Stopped: sending now would only end in a time-out after the user's Stop.
            bbStopClick();
            return;
        }
    }
    m_timers.send.setInterval(kSendInterval + m_random.random(200));
    try {
        if (m_conversation.execute(CommandText)) {
            m_timers.poll.setEnabled(true);
            m_views.status.ShowStatus(texts.sendingCommand + QString::number(CommandNumber));
        } else {
            m_timers.send.setEnabled(true);
            m_timers.poll.setEnabled(false);
            ++Counter;
            m_views.status.ShowStatus(texts.sendingFailed);
        }
    } catch (const std::exception&) {
        m_views.messages.show(MessageKind::Information, texts.exceptInDoMacro, MessageButtons::Ok);
    }
    m_timers.timeOut.setEnabled(true);
}

void Monitor::Timer4Timer() {
    m_timers.poll.setEnabled(false);
    DdeBufferNew = m_conversation.request(kReplyItem);
    if (DdeBufferNew == DdeBufferOld) {
        m_timers.poll.setEnabled(true);
        return;
    }
    DdeBufferOld = DdeBufferNew;
    ReplyLines = splitReply(DdeBufferNew);
    // Nothing more is requested in this reading: it ends by the time-out.
    if (ReplyLines.front() == DriverTexts::kBusy) {
        busy = true;
        return;
    }
    busy = false;
    if (ReplyLines.size() == 3) m_views.status.ShowStatus(fromOneByteText(ReplyLines[2]));
    m_timers.timeOut.setEnabled(true);
    if (ReplyLines.size() > 3) {
        m_timers.timeOut.setEnabled(false);
        m_views.status.ShowStatus(m_context.texts.commandReady);
    }
    if (!ZpracujData()) return;  // the failed reply stays in ReplyLines for the next send tick
    ReplyLines.clear();
    DdeBufferOld.clear();
    m_views.tray.stop();
    if (m_context.settings.reading == ReadingMode::Manual) setButtons(true, m_stopEnabled);
}

void Monitor::TimeOutTimerTimer() {
    const MonitorTexts& texts = m_context.texts;
    m_timers.timeOut.setEnabled(false);
    busy = false;
    m_record.AddRecordLine(
        timeStampedLine(m_context.settings.timeStampFormat, m_clock.now(), texts.timeOut));
    m_record.AddRecordLine(texts.transmitterNotFound);
    m_record.AddRecordLine(labelledLine(texts.pollingAddress, QString::number(MultidropIdx)));
    bbStopClick();
    m_views.messages.show(
        MessageKind::Warning,
        texts.transmitterNotFound + QStringLiteral("\r\n") + texts.monitorInterrupted,
        MessageButtons::Ok);
}

void Monitor::tLoggerTimer() {
    if (m_context.settings.reading == ReadingMode::Manual) m_timers.interval.setEnabled(false);
    m_views.tray.start();
    m_timers.send.setEnabled(true);
}

void Monitor::interrupt(const QString& reason, const QString& address) {
    addErrorLines(reason, address);
    bbStopClick();
    m_views.messages.show(MessageKind::Warning,
                          reason + QStringLiteral("\r\n") + m_context.texts.monitorInterrupted,
                          MessageButtons::Ok);
}

void Monitor::addErrorLines(const QString& error, const QString& address) {
    m_record.AddRecordLine(
        timeStampedLine(m_context.settings.timeStampFormat, m_clock.now(), error));
    m_record.AddRecordLine(labelledLine(m_context.texts.pollingAddress, address));
}

int Monitor::highestAddress() const {
    return std::clamp(m_context.settings.highestAddress, 0, kHighestPollingAddress);
}

void Monitor::setCommand(int command) {
    CommandNumber = command;
    CommandText = commandLine(command, MultidropIdx);
}

void Monitor::SmazHlavickuCmd0() {
    m_views.header.setCaptionsVisible(false);
    m_views.header.setDistributor({});
    m_views.header.setModel({});
    m_views.header.setIdentifier({});
}

void Monitor::setButtons(bool start, bool stop) {
    m_startEnabled = start;
    m_stopEnabled = stop;
    m_views.buttons.setStartEnabled(start);
    m_views.buttons.setStopEnabled(stop);
}

}  // namespace logger
