#include "controls/AccessibleNames.h"

#include <algorithm>

namespace orvane {

const LayoutRow* namingRow(const WindowLayout& window, const LayoutRow& row)
{
    if (!row.caption.empty())
        return nullptr;
    const auto at = std::find_if(window.controls.begin(), window.controls.end(),
                                 [&row](const LayoutRow& other) { return &other == &row; });
    for (auto before = std::make_reverse_iterator(at); before != window.controls.rend(); ++before)
        if (before->parent == row.parent && !before->caption.empty() &&
            (before->kind == ControlKind::Label || before->kind == ControlKind::CheckBox))
            return &*before;
    const auto box = std::find_if(window.controls.begin(), window.controls.end(),
                                  [&row](const LayoutRow& other) { return other.name == row.parent; });
    return box != window.controls.end() && !box->caption.empty() ? &*box : nullptr;
}

std::string accessibleName(const WindowLayout& window, const LayoutRow& row)
{
    if (!row.caption.empty())
        return row.caption;
    const LayoutRow* naming = namingRow(window, row);
    return naming ? naming->caption : window.caption;
}

} // namespace orvane
