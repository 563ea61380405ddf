#pragma once

// The notification-area icon of Loopscribe: hidden at start-up, shown while a monitor runs in the
// background, with the popup menu "Show Loopscribe" / "Close Loopscribe", and animated every
// 100 ms while a reading is in progress. Without a system tray it is never shown, and the
// program keeps working.

#include <QIcon>
#include <QList>
#include <QObject>
#include <QTimer>

#include "logger/core/Views.h"

class QMenu;
class QSystemTrayIcon;

namespace logger {

class TrayIcon final : public QObject, public TrayAnimation {
    Q_OBJECT

  public:
    static constexpr int kFrameInterval = 100;

    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    // TrayAnimation
    void start() override;
    void stop() override;

    bool animating() const { return m_frameTimer.isActive(); }
    // The frame on show (0 when still).
    int frame() const { return m_frame; }

    void setHint(const QString& hint);
    QString hint() const;
    void setMenu(QMenu* menu);
    void setVisible(bool visible);
    bool isVisible() const;

  signals:
    // The icon was clicked or double-clicked (not for its menu).
    void clicked();

  private:
    void nextFrame();

    QSystemTrayIcon* m_icon = nullptr;
    QIcon m_still;
    QList<QIcon> m_frames;
    QTimer m_frameTimer;
    int m_frame = 0;
};

}  // namespace logger
