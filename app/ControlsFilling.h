#pragma once
#include <exception>

namespace orvane {

// Filling the controls is no change the player made: detection is off
// meanwhile, and afterwards as asked, unless an error stopped the filling
// halfway, which leaves it off.
class ControlsFilling {
public:
    ControlsFilling(bool& detecting, bool afterwards)
        : detecting_(detecting),
          afterwards_(afterwards),
          errorsBefore_(std::uncaught_exceptions())
    {
        detecting_ = false;
    }
    ~ControlsFilling() { detecting_ = std::uncaught_exceptions() == errorsBefore_ && afterwards_; }
    ControlsFilling(const ControlsFilling&) = delete;
    ControlsFilling& operator=(const ControlsFilling&) = delete;

private:
    bool& detecting_;
    const bool afterwards_;
    const int errorsBefore_;
};

} // namespace orvane
