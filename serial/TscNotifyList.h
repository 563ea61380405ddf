#pragma once

// The subscribers of a component, told of open (code 2), close (code 1) and a change of port
// selection or device list (code 3). Each subscriber is known by a key of its choosing (usually
// its own address), so it can be removed again; a key is listed once.

#include <functional>
#include <utility>
#include <vector>

namespace serial {

class TscBaseIO;

using TscNotifyEvent = std::function<void(TscBaseIO& Sender, int Code)>;

class TscNotifyList {
  public:
    // False when the key is listed already (the list is unchanged).
    bool add(const void* key, TscNotifyEvent event);
    bool remove(const void* key);
    std::size_t size() const { return m_items.size(); }

    // Calls every subscriber listed when the call begins, in the order they were added; one that
    // is removed meanwhile is not called.
    void notify(TscBaseIO& sender, int code);

  private:
    std::vector<std::pair<const void*, TscNotifyEvent>> m_items;
};

}  // namespace serial
