#include "driver/app/CoalescedRefresh.h"

#include <utility>

namespace driver {

CoalescedRefresh::CoalescedRefresh(EngineTimer& timer, int periodMs, std::function<void()> show)
    : m_timer(timer), m_show(std::move(show)) {
    m_timer.setEnabled(false);
    m_timer.setInterval(periodMs);
    m_timer.setHandler([this] { showNow(); });
}

void CoalescedRefresh::changed() {
    m_timer.setEnabled(true);  // an enabled timer keeps its count
}

void CoalescedRefresh::showNow() {
    m_timer.setEnabled(false);
    m_show();
}

}  // namespace driver
