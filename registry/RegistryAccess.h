#pragma once
// The one way in which the program touches the registry: keys below
// HKEY_CURRENT_USER, opened by path, and the values in them.
#include "registry/RegistryStore.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// A key as an open returned it. A key that could not be opened reads as
// empty: its strings are "", its integers fail to read, writes fail.
// Valid while the RegistryAccess that opened it lives.
class RegistryKey {
public:
    bool isOpen() const { return path_.has_value(); }
    explicit operator bool() const { return isOpen(); }
    // The normalized path below HKEY_CURRENT_USER; empty when not open.
    std::string path() const { return path_.value_or(std::string()); }

    bool hasValue(std::string_view name) const;
    std::string readString(std::string_view name) const;
    int32_t readInteger(std::string_view name) const;
    bool readBool(std::string_view name) const;
    std::vector<std::string> valueNames() const;
    // The value as stored, of whatever kind; nothing when there is none.
    std::optional<RegValue> readValue(std::string_view name) const;

    void writeString(std::string_view name, std::string_view text);
    void writeInteger(std::string_view name, int32_t value);
    void writeBool(std::string_view name, bool value);
    void writeValue(std::string_view name, const RegValue& value);
    bool deleteValue(std::string_view name);
    // The subkey and everything below it; "" is the key itself.
    bool deleteSubkey(std::string_view name);

private:
    friend class RegistryAccess;
    RegistryKey(RegistryStore& store, std::optional<std::string> path) : store_(&store), path_(std::move(path)) {}

    RegistryStore* store_;
    std::optional<std::string> path_;
};

class RegistryAccess {
public:
    explicit RegistryAccess(std::unique_ptr<RegistryStore> store) : store_(std::move(store)) {}
    RegistryAccess(const RegistryAccess&) = delete;
    RegistryAccess& operator=(const RegistryAccess&) = delete;

    // "A\B\", "\A\B" and "A\\B" name the key "A\B".
    RegistryKey openKey(std::string_view path);
    // Opens the key, creating it and its parents when missing.
    RegistryKey createKey(std::string_view path);
    bool keyExists(std::string_view path);
    // The key and everything below it; never HKEY_CURRENT_USER itself.
    bool deleteKey(std::string_view path);

    void beginCommand() { store_->beginCommand(); }
    void endCommand() { store_->endCommand(); }
    // The changes made so far reach the registry now: a refusal (Wine
    // running) throws here, before a command goes on to touch other files.
    void flush() { store_->flush(); }

private:
    std::unique_ptr<RegistryStore> store_;
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
            try {
                registry_.endCommand();
            } catch (...) {}
        }
    }
    RegistryCommand(const RegistryCommand&) = delete;
    RegistryCommand& operator=(const RegistryCommand&) = delete;

private:
    RegistryAccess& registry_;
    bool finished_ = false;
};

} // namespace orvane
