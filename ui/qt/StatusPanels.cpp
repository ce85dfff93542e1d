#include "ui/qt/StatusPanels.h"

#include <QLabel>
#include <QLayout>

#include <algorithm>

namespace orvane {

StatusPanels::StatusPanels(const std::vector<int>& widths, int height, QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    for (size_t i = 0; i < widths.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QString("StatusPanel%1").arg(i));
        label->setFixedWidth(widths[i]);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        addWidget(label);
        panels_.push_back({label, widths[i], {}});
        laidOutWidth_ += widths[i];
    }
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    besidePanels_ = QStatusBar::sizeHint().width() - laidOutWidth_;
    setFixedHeight(std::max(height, QStatusBar::sizeHint().height()));
}

QSize StatusPanels::sizeHint() const
{
    return {0, QStatusBar::sizeHint().height()};
}

QSize StatusPanels::minimumSizeHint() const
{
    return {0, QStatusBar::minimumSizeHint().height()};
}

void StatusPanels::showText(size_t panel, const QString& text, const QString& hint)
{
    Panel& shown = panels_.at(panel);
    shown.text = text;
    shown.label->setToolTip(hint.isEmpty() ? text : hint);
    elide(shown);
}

void StatusPanels::resizeEvent(QResizeEvent* event)
{
    QStatusBar::resizeEvent(event);
    const double share = std::min(1.0, static_cast<double>(width() - besidePanels_) / laidOutWidth_);
    for (Panel& panel : panels_) {
        panel.label->setFixedWidth(static_cast<int>(panel.width * share));
        elide(panel);
    }
}

void StatusPanels::elide(Panel& panel)
{
    QLabel& label = *panel.label;
    const int room = label.contentsRect().width() - 2 * label.margin() - 4;
    label.setText(label.fontMetrics().elidedText(panel.text, Qt::ElideMiddle, room));
}

} // namespace orvane
