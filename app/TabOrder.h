#pragma once
// The keyboard order of a window whose controls are numbered within their
// container, as in the layout tables; containers take their place in the
// order of their own container.
#include <QWidget>

#include <map>
#include <vector>

namespace orvane {

class TabOrder {
public:
    void add(QWidget* widget, int tab) { slots_[widget->parentWidget()].push_back({tab, widget}); }
    // Chains every registered control below root in that order.
    void apply(QWidget* root) const;

private:
    struct Slot {
        int tab;
        QWidget* widget;
    };
    void collect(QWidget* container, std::vector<QWidget*>& out) const;
    std::map<QWidget*, std::vector<Slot>> slots_;
};

} // namespace orvane
