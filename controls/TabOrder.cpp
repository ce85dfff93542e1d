#include "controls/TabOrder.h"

#include <algorithm>

namespace orvane {
namespace {

void collect(const WindowSpec& window, const std::string& container, std::vector<const ControlSpec*>& chain)
{
    std::vector<const ControlSpec*> children;
    for (const ControlSpec& row : window.controls)
        if (row.parent == container && row.tab >= 0)
            children.push_back(&row);
    std::stable_sort(children.begin(), children.end(),
                     [](const ControlSpec* a, const ControlSpec* b) { return a->tab < b->tab; });
    for (const ControlSpec* child : children) {
        if (child->kind == ControlKind::GroupBox)
            collect(window, child->name, chain);
        else
            chain.push_back(child);
    }
}

} // namespace

std::vector<const ControlSpec*> tabChain(const WindowSpec& window)
{
    std::vector<const ControlSpec*> chain;
    collect(window, "", chain);
    return chain;
}

} // namespace orvane
