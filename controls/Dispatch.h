#pragma once
#include <functional>

namespace orvane {

// Runs a user's event as one command: the one place that catches the
// layers' errors and reports them, before control returns into the toolkit.
class EventDispatcher {
public:
    virtual ~EventDispatcher() = default;
    virtual void dispatch(const std::function<void()>& handler) = 0;
};

} // namespace orvane
