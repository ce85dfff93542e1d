#include "controls/TabOrder.h"

#include <algorithm>

namespace orvane {
namespace {

void collect(const WindowLayout& window, const std::string& container, std::vector<const LayoutRow*>& chain)
{
    std::vector<const LayoutRow*> children;
    for (const LayoutRow& row : window.controls)
        if (row.parent == container && row.tab >= 0)
            children.push_back(&row);
    std::stable_sort(children.begin(), children.end(),
                     [](const LayoutRow* a, const LayoutRow* b) { return a->tab < b->tab; });
    for (const LayoutRow* child : children) {
        if (child->kind == ControlKind::GroupBox)
            collect(window, child->name, chain);
        else
            chain.push_back(child);
    }
}

} // namespace

std::vector<const LayoutRow*> tabChain(const WindowLayout& window)
{
    std::vector<const LayoutRow*> chain;
    collect(window, "", chain);
    return chain;
}

} // namespace orvane
