#include "serial/TscNotifyList.h"

#include <algorithm>

namespace serial {

bool TscNotifyList::add(const void* key, TscNotifyEvent event) {
    auto listed = [key](const auto& item) { return item.first == key; };
    if (std::any_of(m_items.begin(), m_items.end(), listed)) return false;
    m_items.emplace_back(key, std::move(event));
    return true;
}

bool TscNotifyList::remove(const void* key) {
    auto listed = [key](const auto& item) { return item.first == key; };
    auto it = std::find_if(m_items.begin(), m_items.end(), listed);
    if (it == m_items.end()) return false;
    m_items.erase(it);
    return true;
}

void TscNotifyList::notify(TscBaseIO& sender, int code) {
    std::vector<const void*> keys;
    keys.reserve(m_items.size());
    for (const auto& item : m_items)
        keys.push_back(item.first);
    for (const void* key : keys) {
        auto it = std::find_if(m_items.begin(), m_items.end(),
                               [key](const auto& item) { return item.first == key; });
        if (it == m_items.end()) continue;
        TscNotifyEvent event = it->second;  // the subscriber may remove itself while called
        if (event) event(sender, code);
    }
}

}  // namespace serial
