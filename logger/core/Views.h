#pragma once

// What the core shows, as small interfaces the windows implement (and the tests and a run
// without a display implement otherwise). Texts are Unicode; "\r\n" in a text is a line break.

#include <QString>

namespace logger {

// The monitor record pane of the main window.
class RecordPane {
  public:
    virtual ~RecordPane() = default;
    virtual int lineCount() const = 0;
    virtual void deleteFirstLine() = 0;
    // Adds the line at the end, puts the caret at its start and scrolls it into view.
    virtual void appendLine(const QString& line) = 0;
    virtual void clear() = 0;
};

// The first panel of the main window's status bar.
class StatusBar {
  public:
    virtual ~StatusBar() = default;
    virtual void ShowStatus(const QString& text) = 0;
};

// The identity of the device last identified, at the top of the main window.
class DeviceHeader {
  public:
    virtual ~DeviceHeader() = default;
    // The captions "Distributor", "Model" and "Identifier".
    virtual void setCaptionsVisible(bool visible) = 0;
    virtual void setDistributor(const QString& text) = 0;
    virtual void setModel(const QString& text) = 0;
    virtual void setIdentifier(const QString& text) = 0;
};

// The animation of the notification-area icon while a reading is in progress.
class TrayAnimation {
  public:
    virtual ~TrayAnimation() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
};

// The Start and Stop buttons of the main window.
class MonitorButtons {
  public:
    virtual ~MonitorButtons() = default;
    virtual void setStartEnabled(bool enabled) = 0;
    virtual void setStopEnabled(bool enabled) = 0;
};

}  // namespace logger
