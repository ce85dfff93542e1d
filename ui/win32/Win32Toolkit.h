#pragma once
// The native Windows toolkit: user32 and comctl32 windows built from the
// layout data, reporting the user's acts to the logic's controls. It
// outlives the windows' logic.
#include "controls/Toolkit.h"
#include "ui/win32/LayoutFont.h"
#include "ui/win32/TextMeasure.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace orvane {

class Win32Window;
class Window;

class Win32Toolkit : public Toolkit {
public:
    Win32Toolkit();
    ~Win32Toolkit() override;
    void realise(Window& window) override;
    void quit() override;
    // Runs the event loop until quit is asked for.
    void run();

private:
    HWND handle(const Window& window) const;

    class Realised;
    std::vector<std::unique_ptr<Realised>> windows_;
    TextMeasure measure_;
    LayoutFonts fonts_{measure_};
    bool closing_ = false;
};

} // namespace orvane
