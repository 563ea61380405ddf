// The processing of a settled reply (ZpracujData): is it the answer to the command sent, and
// then the identity of a device (command 0) or one reading (command 3) into the record, the
// device header and the charts; it also advances the polling sequence.

#include "logger/core/Monitor.h"
#include "logger/core/OneByteText.h"
#include "logger/core/RecordLines.h"
#include "logger/core/ReplyText.h"

namespace logger {

namespace {

// Per quantity: the lines a reply needs for its record field, the lines of its unit and value,
// and the line count above which it gets a chart point.
constexpr std::size_t kLinesNeeded[kQuantityCount] = {5, 7, 9, 11, 13};
constexpr std::size_t kUnitLine[kQuantityCount] = {0, 6, 8, 10, 12};
constexpr std::size_t kValueLine[kQuantityCount] = {5, 7, 9, 11, 13};
constexpr std::size_t kChartThreshold[kQuantityCount] = {6, 6, 8, 10, 12};

}  // namespace

const std::string& Monitor::line(std::size_t number) const {
    if (number == 0 || number > ReplyLines.size())
        throw ReplyFailure{m_context.texts.replyLineMissing.arg(number)};
    return ReplyLines[number - 1];
}

double Monitor::value(std::size_t number) const {
    const char separator = m_context.locale.decimalSeparator;
    const std::string& text = line(number);
    const std::optional<double> parsed =
        TextToFloat(NormalizeDecimalSeparator(text, separator), separator);
    if (!parsed)
        throw ReplyFailure{
            m_context.texts.replyLineNotNumber.arg(number).arg(fromOneByteText(text))};
    return *parsed;
}

bool Monitor::ZpracujData() {
    const std::string address = std::to_string(MultidropIdx);
    const std::size_t count = ReplyLines.size();
    const bool identification =
        !Multidrop[MultidropIdx] && count >= 10 && ReplyLines[0] == "0" && ReplyLines[1] == address;
    try {
        if (identification)
            identify();
        else if (count >= 7 && ReplyLines[0] == "3" && ReplyLines[1] == address)
            read();
        else if (!endErrorReply())
            m_timers.poll.setEnabled(true);  // not the answer: request again
        return true;
    } catch (const ReplyFailure& failure) {
        // Nothing would ever be sent after a failed identification: stop as a time-out does.
        // After a failed reading, automatic reading goes on at the next interval tick.
        if (identification) {
            interrupt(failure.reason, QString::fromLatin1(address));
        } else {
            addErrorLines(failure.reason, QString::fromLatin1(address));
            m_views.status.ShowStatus(failure.reason);
        }
        return false;
    }
}

void Monitor::identify() {
    const MonitorTexts& texts = m_context.texts;
    m_timers.timeOut.setEnabled(false);
    Multidrop[MultidropIdx] = true;
    MultidropIdx = nextPollingAddress(MultidropIdx, highestAddress());
    setCommand(Multidrop[MultidropIdx] ? 3 : 0);

    m_views.header.setCaptionsVisible(true);
    const QString distributor = m_context.names.distributorName(line(5));
    m_record.AddRecordLine(labelledLine(texts.distributor, distributor));
    m_views.header.setDistributor(distributor);
    const QString model = m_context.names.instrumentName(line(6));
    m_record.AddRecordLine(labelledLine(texts.model, model));
    m_views.header.setModel(model);
    const QString identifier = fromOneByteText(line(13));
    m_record.AddRecordLine(labelledLine(texts.identifier, identifier));
    m_views.header.setIdentifier(identifier);
    m_record.AddRecordLine(labelledLine(texts.pollingAddress, fromOneByteText(line(2))));
    m_record.AddRecordLine(separatorLine());

    m_timers.interval.setEnabled(false);
    m_timers.interval.setInterval(readingIntervalMs(m_context.settings.interval));
    m_timers.interval.setEnabled(true);
    tLoggerTimer();
}

void Monitor::read() {
    const MonitorSettings& settings = m_context.settings;
    const char userSeparator = m_context.locale.decimalSeparator;
    m_timers.timeOut.setEnabled(false);
    MultidropIdx = nextPollingAddress(MultidropIdx, highestAddress());
    setCommand(3);

    ReadingLine reading(m_context.texts, fromOneByteText(line(2)));
    for (int q = 0; q < kQuantityCount; ++q) {
        ChartWindow& chart = *m_views.charts[q];
        if (settings.logQuantity[q] && ReplyLines.size() >= kLinesNeeded[q]) {
            const QString unit = q == kCurrent
                                     ? QStringLiteral("mA")
                                     : m_context.names.units().UnitText(line(kUnitLine[q]));
            reading.addQuantity(static_cast<Quantity>(q), value(kValueLine[q]),
                                settings.decimals[q], unit, userSeparator);
            const QString caption = m_context.texts.units + unit;
            if (chart.unitCaption() != caption) chart.setUnitCaption(caption);
        } else if (!chart.unitCaption().isEmpty()) {
            chart.setUnitCaption({});
        }
    }
    m_record.AddRecordLine(reading.complete({settings.separator, userSeparator, settings.errorLevel,
                                             fromOneByteText(line(4)), fromOneByteText(line(3)),
                                             settings.timeStampFormat, RequestTime}));
    plotReading();
}

void Monitor::plotReading() {
    const int target = seriesOfAddress(ReplyLines[1]);
    for (int q = 0; q < kQuantityCount; ++q) {
        ChartWindow& chart = *m_views.charts[q];
        const int max = chart.maxPoints();
        for (int s = 0; s < kSeriesCount; ++s) {
            if (chart.pointCount(s) >= max) chart.deleteOldestPoint(s);
            if (s != target || ReplyLines.size() <= kChartThreshold[q]) continue;
            if (s > 0 && !chart.isActive(s)) chart.setActive(s, true);
            chart.addPoint(s, RequestTime, value(kValueLine[q]));
        }
    }
}

// A failed transaction ("Communication Error!" or "Command Error!" for the polling address)
// ends the poll loop instead of being requested again and again. It is recorded at the error
// levels that report time-outs. Automatic reading sends again at the next interval tick; before
// the first identification there is none, so the monitor stops as at a time-out.
bool Monitor::endErrorReply() {
    const std::string address = std::to_string(MultidropIdx);
    if (ReplyLines.size() != 4 || ReplyLines[1] != address) return false;
    QString error;
    if (ReplyLines[2] == DriverTexts::kCommunicationError)
        error = m_context.texts.communicationError;
    else if (ReplyLines[2] == DriverTexts::kCommandError)
        error = m_context.texts.commandError;
    else
        return false;
    m_views.status.ShowStatus(error);
    const MonitorSettings& settings = m_context.settings;
    if (settings.reading == ReadingMode::Automatic && !m_timers.interval.enabled()) {
        interrupt(error, QString::fromLatin1(address));
    } else if (settings.errorLevel == ErrorLevel::TimeoutOnly ||
               settings.errorLevel == ErrorLevel::AllErrors) {
        addErrorLines(error, QString::fromLatin1(address));
    }
    return true;
}

}  // namespace logger
