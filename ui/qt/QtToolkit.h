#pragma once
// The Qt toolkit: builds every window from its layout data and reports the
// user's acts to the logic's controls. It outlives the windows' logic.
#include "controls/Toolkit.h"

#include <QApplication>

#include <map>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace orvane {

class QtWindow;

class QtToolkit : public Toolkit {
public:
    QtToolkit();
    ~QtToolkit() override;
    void realise(Window& window) override;
    void quit() override;

    // The native window of a realised window, for tests and benchmarks.
    QWidget* widget(const Window& window) const;

private:
    std::vector<std::unique_ptr<QtWindow>> windows_;
};

} // namespace orvane
