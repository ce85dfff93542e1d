#include "app/AccountNames.h"

#include <QCollator>

#include <algorithm>

namespace orvane {
namespace {

int compareAccountNames(const std::string& a, const std::string& b)
{
    static const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator.compare(QString::fromStdString(a), QString::fromStdString(b));
}

} // namespace

void addAccountName(std::vector<std::string>& list, const std::string& name)
{
    const auto at = std::lower_bound(list.begin(), list.end(), name,
                                     [](const std::string& a, const std::string& b) { return compareAccountNames(a, b) < 0; });
    if (at != list.end() && compareAccountNames(*at, name) == 0)
        return;
    list.insert(at, name);
}

} // namespace orvane
