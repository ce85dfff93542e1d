#pragma once
// The in-memory toolkit: windows without a window system. The logic's
// controls hold the whole state, so a test acts on them as a player would.
#include "controls/Toolkit.h"

#include <vector>

namespace orvane::test {

class MemoryToolkit : public Toolkit {
public:
    void realise(Window& window) override { realised.push_back(&window); }
    void quit() override { ++quitRequests; }

    std::vector<Window*> realised;
    int quitRequests = 0;
};

} // namespace orvane::test
