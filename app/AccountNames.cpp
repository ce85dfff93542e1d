#include "app/AccountNames.h"

#include "platform/TextCompare.h"

#include <algorithm>

namespace orvane {

void addAccountName(std::vector<std::string>& list, const std::string& name)
{
    const auto at = std::lower_bound(list.begin(), list.end(), name, [](const std::string& a, const std::string& b) {
        return compareIgnoringCase(a, b) < 0;
    });
    if (at != list.end() && compareIgnoringCase(*at, name) == 0)
        return;
    list.insert(at, name);
}

} // namespace orvane
