#pragma once
#include "controls/Window.h"

namespace orvane {

// A window system: it builds the native windows from their layout data,
// shows what the program changes and reports what the user does.
class Toolkit {
public:
    virtual ~Toolkit() = default;
    // Creates the native window and its controls, hidden, bound to the model.
    virtual void realise(Window& window) = 0;
    // Asks the event loop to end; no effect once it has ended.
    virtual void quit() = 0;
};

} // namespace orvane
