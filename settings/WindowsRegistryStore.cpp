#include "settings/WindowsRegistryStore.h"

#include "settings/WideText.h"

#include <windows.h>

namespace orvane {
namespace {

std::string narrow(const wchar_t* text, size_t length)
{
    return utf8(std::wstring_view(text, length));
}

class Key {
public:
    Key(std::string_view path, REGSAM access)
    {
        if (RegOpenKeyExW(HKEY_CURRENT_USER, wide(path).c_str(), 0, access, &handle_) != ERROR_SUCCESS)
            handle_ = nullptr;
    }
    ~Key()
    {
        if (handle_)
            RegCloseKey(handle_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    explicit operator bool() const { return handle_ != nullptr; }
    HKEY get() const { return handle_; }

private:
    HKEY handle_ = nullptr;
};

} // namespace

bool WindowsRegistryStore::keyExists(std::string_view path)
{
    return static_cast<bool>(Key(path, KEY_READ));
}

bool WindowsRegistryStore::createKey(std::string_view path)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, wide(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

std::optional<RegValue> WindowsRegistryStore::queryValue(std::string_view path, std::string_view name)
{
    Key key(path, KEY_READ);
    if (!key)
        return std::nullopt;
    const std::wstring valueName = wide(name);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    RegValue value{type, std::vector<uint8_t>(size)};
    if (size > 0 &&
        RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, value.data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

bool WindowsRegistryStore::setValue(std::string_view path, std::string_view name, const RegValue& value)
{
    Key key(path, KEY_READ | KEY_WRITE);
    return key && RegSetValueExW(key.get(), wide(name).c_str(), 0, value.type, value.data.data(),
                                 static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

bool WindowsRegistryStore::deleteValue(std::string_view path, std::string_view name)
{
    Key key(path, KEY_READ | KEY_WRITE);
    return key && RegDeleteValueW(key.get(), wide(name).c_str()) == ERROR_SUCCESS;
}

bool WindowsRegistryStore::deleteTree(std::string_view path)
{
    // Whether RegDeleteTreeW removes the named key too differs between versions: remove it in any case.
    const std::wstring widePath = wide(path);
    if (RegDeleteTreeW(HKEY_CURRENT_USER, widePath.c_str()) != ERROR_SUCCESS)
        return false;
    RegDeleteKeyW(HKEY_CURRENT_USER, widePath.c_str());
    return true;
}

std::vector<std::string> WindowsRegistryStore::valueNames(std::string_view path)
{
    std::vector<std::string> names;
    Key key(path, KEY_READ);
    if (!key)
        return names;
    DWORD count = 0;
    DWORD longest = 0;
    if (RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &longest, nullptr,
                         nullptr, nullptr) != ERROR_SUCCESS)
        return names;
    std::wstring buffer(longest + 1, L'\0');
    for (DWORD i = 0; i < count; ++i) {
        DWORD length = static_cast<DWORD>(buffer.size());
        if (RegEnumValueW(key.get(), i, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
            names.push_back(narrow(buffer.data(), length));
    }
    return names;
}

} // namespace orvane
