#pragma once
// What RegistryAccess needs of the place where keys and values are kept.
// Paths are below HKEY_CURRENT_USER, components separated by one backslash,
// without a leading or trailing one; "" is the root. Names compare without
// regard to case. Text data is UTF-16LE with its terminating NUL, as Windows
// and Wine keep it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

enum RegType : uint32_t {
    REG_NONE_TYPE = 0,
    REG_SZ_TYPE = 1,
    REG_EXPAND_SZ_TYPE = 2,
    REG_BINARY_TYPE = 3,
    REG_DWORD_TYPE = 4,
    REG_MULTI_SZ_TYPE = 7,
};

struct RegValue {
    uint32_t type = REG_NONE_TYPE;
    std::vector<uint8_t> data;
    bool operator==(const RegValue&) const = default;
};

class RegistryStore {
public:
    virtual ~RegistryStore() = default;

    virtual bool keyExists(std::string_view path) = 0;
    // Creates the key with every missing parent; false when refused.
    virtual bool createKey(std::string_view path) = 0;
    virtual std::optional<RegValue> queryValue(std::string_view path, std::string_view name) = 0;
    // False when the key does not exist or the store refuses the write.
    virtual bool setValue(std::string_view path, std::string_view name, const RegValue& value) = 0;
    virtual bool deleteValue(std::string_view path, std::string_view name) = 0;
    // Deletes the key and every key below it; false when it did not exist.
    virtual bool deleteTree(std::string_view path) = 0;
    // In the store's enumeration order; empty when the key does not exist.
    virtual std::vector<std::string> valueNames(std::string_view path) = 0;

    // A command (one event handler) groups registry work; stores that keep
    // a file write it once at the end of the outermost command.
    virtual void beginCommand() {}
    virtual void endCommand() {}
    // Writes what the running command changed so far now, not at its end;
    // a store that writes at once has nothing to do.
    virtual void flush() {}
    // Nothing is written through this store from here on. A store that
    // would finish an interrupted save of its file before reading it leaves
    // the file as it stands, and reads what that save was to leave.
    virtual void onlyRead() {}
};

} // namespace orvane
