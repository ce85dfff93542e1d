#pragma once
// The one way in which the program touches the registry: a root key and at
// most one open (current) key, on which every value operation works.
#include "settings/RegistryStore.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

enum class RootKey { CurrentUser };

class RegistryAccess {
public:
    explicit RegistryAccess(std::unique_ptr<RegistryStore> store);
    ~RegistryAccess();
    RegistryAccess(const RegistryAccess&) = delete;
    RegistryAccess& operator=(const RegistryAccess&) = delete;

    void SetRootKey(RootKey root);
    bool OpenKey(std::string_view path, bool canCreate);
    void CloseKey();
    bool KeyExists(std::string_view path);
    bool ValueExists(std::string_view name);
    std::string ReadString(std::string_view name);
    int32_t ReadInteger(std::string_view name);
    bool ReadBool(std::string_view name);
    void WriteString(std::string_view name, std::string_view text);
    void WriteInteger(std::string_view name, int32_t value);
    void WriteBool(std::string_view name, bool value);
    bool DeleteValue(std::string_view name);
    bool DeleteKey(std::string_view name);
    void GetValueNames(std::vector<std::string>& list);

    // The path of the current key, if one is open.
    const std::optional<std::string>& CurrentPath() const { return current_; }

    void beginCommand() { store_->beginCommand(); }
    void endCommand() { store_->endCommand(); }
    // The changes made so far reach the registry now: a refusal (Wine
    // running) throws here, before a command goes on to touch other files.
    void flush() { store_->flush(); }

private:
    void write(std::string_view name, const RegValue& value);

    std::unique_ptr<RegistryStore> store_;
    RootKey root_ = RootKey::CurrentUser;
    std::optional<std::string> current_;
};

// Groups the registry work of one command, so that a store writes it once.
class RegistryCommand {
public:
    explicit RegistryCommand(RegistryAccess& registry) : registry_(registry) { registry_.beginCommand(); }
    // Ends the command and writes its changes; may throw the store's error.
    void finish()
    {
        finished_ = true;
        registry_.endCommand();
    }
    ~RegistryCommand()
    {
        if (!finished_) {
            try { registry_.endCommand(); } catch (...) { }
        }
    }
    RegistryCommand(const RegistryCommand&) = delete;
    RegistryCommand& operator=(const RegistryCommand&) = delete;

private:
    RegistryAccess& registry_;
    bool finished_ = false;
};

// "A\B\" and "A\B" name the same key; a leading backslash is dropped too.
std::string normalizeKeyPath(std::string_view path);

} // namespace orvane
