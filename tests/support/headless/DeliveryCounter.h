#pragma once
// Counts the messages the headless backend hands to windows, through its one
// delivery observer, from construction (after any Reset) to destruction.
#include <map>
#include <utility>

#include "tests/support/headless/HeadlessControl.h"

namespace fw::test {

class DeliveryCounter {
public:
    DeliveryCounter() {
        headless::SetDeliveryObserver([this](HWND hWnd, UINT message, WPARAM, LPARAM) {
            ++m_perWindow[{hWnd, message}];
            ++m_perMessage[message];
        });
    }
    ~DeliveryCounter() { headless::SetDeliveryObserver(nullptr); }
    DeliveryCounter(const DeliveryCounter&) = delete;
    DeliveryCounter& operator=(const DeliveryCounter&) = delete;

    std::size_t Count(HWND hWnd, UINT message) const { return Of(m_perWindow, std::make_pair(hWnd, message)); }
    std::size_t Count(UINT message) const { return Of(m_perMessage, message); }

private:
    template <typename Map, typename Key>
    static std::size_t Of(const Map& counts, const Key& key) {
        const auto found = counts.find(key);
        return found == counts.end() ? 0 : found->second;
    }

    std::map<std::pair<HWND, UINT>, std::size_t> m_perWindow;
    std::map<UINT, std::size_t> m_perMessage;
};

}  // namespace fw::test
