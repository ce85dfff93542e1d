#include "app/TabOrder.h"

#include <algorithm>

namespace orvane {

void TabOrder::collect(QWidget* container, std::vector<QWidget*>& out) const
{
    const auto found = slots_.find(container);
    if (found == slots_.end())
        return;
    std::vector<Slot> ordered = found->second;
    std::stable_sort(ordered.begin(), ordered.end(), [](const Slot& a, const Slot& b) { return a.tab < b.tab; });
    for (const Slot& slot : ordered) {
        if (slots_.count(slot.widget))
            collect(slot.widget, out);
        else
            out.push_back(slot.widget);
    }
}

void TabOrder::apply(QWidget* root) const
{
    std::vector<QWidget*> chain;
    collect(root, chain);
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

} // namespace orvane
