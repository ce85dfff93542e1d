#pragma once
// The Windows registry through advapi32, below HKEY_CURRENT_USER. A key
// read from stays open for the store's life, as each open and close is a
// round trip to the registry's server that a start pays for every value.
// Each command holds the user's turn (registry/UserRegistryLock.h) from its
// first look at the registry until its end; a write outside a command holds
// one of its own.
#include "registry/RegistryStore.h"
#include "registry/UserRegistryLock.h"

#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <string>

namespace orvane {

class WindowsRegistryStore : public RegistryStore {
public:
    WindowsRegistryStore() = default;
    ~WindowsRegistryStore() override;
    WindowsRegistryStore(const WindowsRegistryStore&) = delete;
    WindowsRegistryStore& operator=(const WindowsRegistryStore&) = delete;

    bool keyExists(std::string_view path) override;
    bool createKey(std::string_view path) override;
    std::optional<RegValue> queryValue(std::string_view path, std::string_view name) override;
    bool setValue(std::string_view path, std::string_view name, const RegValue& value) override;
    bool deleteValue(std::string_view path, std::string_view name) override;
    bool deleteTree(std::string_view path) override;
    std::vector<std::string> valueNames(std::string_view path) override;

    void beginCommand() override { ++depth_; }
    void endCommand() override;

private:
    // The turn for a look: a command's from its first look on.
    void lookInTurn();
    // write's answer, given in the turn.
    bool writeInTurn(const std::function<bool()>& write);
    // use's answer on the key opened for reading; a key another program
    // removed (and perhaps made again) since it was opened is opened afresh.
    LSTATUS withReadable(std::string_view path, const std::function<LSTATUS(HKEY)>& use);
    // Closes the keys kept open at path and below it.
    void forget(std::string_view path);

    std::map<std::string, HKEY> readable_; // by path in lower case
    std::optional<UserRegistryLock> turn_;
    int depth_ = 0;
};

} // namespace orvane
