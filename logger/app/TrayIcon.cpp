#include "logger/app/TrayIcon.h"

#include <QSystemTrayIcon>

#include "logger/app/LoggerIcon.h"

namespace logger {

TrayIcon::TrayIcon(QObject* parent)
    : QObject(parent),
      m_icon(new QSystemTrayIcon(this)),
      m_still(loggerIcon()),
      m_frames(trayAnimationFrames()) {
    m_icon->setIcon(m_still);
    m_frameTimer.setInterval(kFrameInterval);
    connect(&m_frameTimer, &QTimer::timeout, this, &TrayIcon::nextFrame);
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick)
                    emit clicked();
            });
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::start() {
    if (!m_frameTimer.isActive()) m_frameTimer.start();
}

void TrayIcon::stop() {
    m_frameTimer.stop();
    m_frame = 0;
    m_icon->setIcon(m_still);
}

void TrayIcon::nextFrame() {
    m_frame = (m_frame + 1) % static_cast<int>(m_frames.size());
    // Nobody sees a hidden icon; its frame still advances so that it shows where it is.
    if (m_icon->isVisible()) m_icon->setIcon(m_frames[m_frame]);
}

void TrayIcon::setHint(const QString& hint) {
    m_icon->setToolTip(hint);
}

QString TrayIcon::hint() const {
    return m_icon->toolTip();
}

void TrayIcon::setMenu(QMenu* menu) {
    m_icon->setContextMenu(menu);
}

void TrayIcon::setVisible(bool visible) {
    if (visible) m_icon->setIcon(m_frameTimer.isActive() ? m_frames[m_frame] : m_still);
    m_icon->setVisible(visible);
}

bool TrayIcon::isVisible() const {
    return m_icon->isVisible();
}

}  // namespace logger
