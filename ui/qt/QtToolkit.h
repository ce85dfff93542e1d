#pragma once
// The Qt toolkit: builds every window from its layout data and reports the
// user's acts to the logic's controls. It outlives the windows' logic.
#include "controls/Toolkit.h"
#include "ui/qt/GroupBoxStyle.h"

#include <QApplication>
#include <QFont>

#include <map>
#include <memory>
#include <optional>
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

    // What every window is drawn with, made once.
    const QFont& font() const;
    GroupBoxStyle& groupBoxStyle() const { return groupBoxStyle_; }

private:
    mutable std::optional<QFont> font_;
    mutable GroupBoxStyle groupBoxStyle_;
    std::vector<std::unique_ptr<QtWindow>> windows_;
};

} // namespace orvane
