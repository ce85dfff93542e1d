#pragma once
// The main window's status bar: framed panels side by side, as wide as the
// layout says. In a window narrower than they need (a high scale on a small
// screen) each gives up its share. A text longer than its panel keeps both
// ends, a path its file name among them, and is whole in the tool tip.
#include <QStatusBar>

#include <vector>

class QLabel;

namespace orvane {

class StatusPanels : public QStatusBar {
public:
    // height: the least; the panels' text may need more at a larger font or scale.
    StatusPanels(const std::vector<int>& widths, int height, QWidget* parent);
    // hint: the tool tip; empty for the whole text.
    void showText(size_t panel, const QString& text, const QString& hint);
    // As wide as the window, which the client area decides.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Panel {
        QLabel* label;
        int width;    // as laid out
        QString text; // whole
    };
    static void elide(Panel& panel);

    std::vector<Panel> panels_;
    int laidOutWidth_ = 0;
    int besidePanels_ = 0; // the bar's own margins and spacing
};

} // namespace orvane
