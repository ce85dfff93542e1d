#pragma once
// The Windows registry through advapi32, below HKEY_CURRENT_USER.
#include "settings/RegistryStore.h"

namespace orvane {

class WindowsRegistryStore : public RegistryStore {
public:
    bool keyExists(std::string_view path) override;
    bool createKey(std::string_view path) override;
    std::optional<RegValue> queryValue(std::string_view path, std::string_view name) override;
    bool setValue(std::string_view path, std::string_view name, const RegValue& value) override;
    bool deleteValue(std::string_view path, std::string_view name) override;
    bool deleteTree(std::string_view path) override;
    std::vector<std::string> valueNames(std::string_view path) override;
};

} // namespace orvane
