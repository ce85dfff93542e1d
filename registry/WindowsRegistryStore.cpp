#include "registry/WindowsRegistryStore.h"

#include "files/TextEncoding.h"
#include "files/WideText.h"
#include "registry/KeyPaths.h"

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

// A value's data; most fit the first guess, so one round trip reads them.
LSTATUS readValue(HKEY key, const std::wstring& name, RegValue& value)
{
    value.data.resize(256);
    LSTATUS status = ERROR_MORE_DATA;
    for (int attempt = 0; attempt < 4 && status == ERROR_MORE_DATA; ++attempt) {
        auto size = static_cast<DWORD>(value.data.size());
        DWORD type = 0;
        status = RegQueryValueExW(key, name.c_str(), nullptr, &type, value.data.data(), &size);
        value.type = type;
        if (status == ERROR_SUCCESS || status == ERROR_MORE_DATA)
            value.data.resize(size); // the whole size when it did not fit
    }
    return status;
}

} // namespace

WindowsRegistryStore::~WindowsRegistryStore()
{
    for (const auto& [path, key] : readable_)
        RegCloseKey(key);
}

void WindowsRegistryStore::endCommand()
{
    if (depth_ > 0 && --depth_ == 0)
        turn_.reset();
}

void WindowsRegistryStore::lookInTurn()
{
    if (depth_ > 0 && !turn_)
        turn_.emplace();
}

bool WindowsRegistryStore::writeInTurn(const std::function<bool()>& write)
{
    if (!turn_)
        turn_.emplace();
    struct LetGo {
        WindowsRegistryStore& store;
        ~LetGo()
        {
            if (store.depth_ == 0)
                store.turn_.reset();
        }
    } letGo{*this};
    return write();
}

LSTATUS WindowsRegistryStore::withReadable(std::string_view path, const std::function<LSTATUS(HKEY)>& use)
{
    const std::string name = foldCase(path);
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto found = readable_.find(name);
        if (found == readable_.end()) {
            HKEY key = nullptr;
            const LSTATUS opened = RegOpenKeyExW(HKEY_CURRENT_USER, wide(path).c_str(), 0, KEY_READ, &key);
            if (opened != ERROR_SUCCESS)
                return opened;
            found = readable_.emplace(name, key).first;
        }
        const LSTATUS status = use(found->second);
        if (status != ERROR_KEY_DELETED)
            return status;
        RegCloseKey(found->second);
        readable_.erase(found);
    }
    return ERROR_KEY_DELETED;
}

void WindowsRegistryStore::forget(std::string_view path)
{
    const std::string name = foldCase(path);
    for (auto it = readable_.begin(); it != readable_.end();) {
        if (isInTree(it->first, name)) {
            RegCloseKey(it->second);
            it = readable_.erase(it);
        } else {
            ++it;
        }
    }
}

bool WindowsRegistryStore::keyExists(std::string_view path)
{
    lookInTurn();
    return withReadable(path, [](HKEY key) {
               return RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                       nullptr, nullptr, nullptr);
           }) == ERROR_SUCCESS;
}

bool WindowsRegistryStore::createKey(std::string_view path)
{
    return writeInTurn([&] {
        HKEY handle = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, wide(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_READ | KEY_WRITE, nullptr, &handle, nullptr) != ERROR_SUCCESS)
            return false;
        RegCloseKey(handle);
        return true;
    });
}

std::optional<RegValue> WindowsRegistryStore::queryValue(std::string_view path, std::string_view name)
{
    lookInTurn();
    const std::wstring valueName = wide(name);
    RegValue value;
    if (withReadable(path, [&](HKEY key) { return readValue(key, valueName, value); }) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

bool WindowsRegistryStore::setValue(std::string_view path, std::string_view name, const RegValue& value)
{
    return writeInTurn([&] {
        Key key(path, KEY_READ | KEY_WRITE);
        return key && RegSetValueExW(key.get(), wide(name).c_str(), 0, value.type, value.data.data(),
                                     static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
    });
}

bool WindowsRegistryStore::deleteValue(std::string_view path, std::string_view name)
{
    return writeInTurn([&] {
        Key key(path, KEY_READ | KEY_WRITE);
        return key && RegDeleteValueW(key.get(), wide(name).c_str()) == ERROR_SUCCESS;
    });
}

bool WindowsRegistryStore::deleteTree(std::string_view path)
{
    // Whether RegDeleteTreeW removes the named key too differs between versions: remove it in any case.
    return writeInTurn([&] {
        forget(path);
        const std::wstring widePath = wide(path);
        if (RegDeleteTreeW(HKEY_CURRENT_USER, widePath.c_str()) != ERROR_SUCCESS)
            return false;
        RegDeleteKeyW(HKEY_CURRENT_USER, widePath.c_str());
        return true;
    });
}

std::vector<std::string> WindowsRegistryStore::valueNames(std::string_view path)
{
    lookInTurn();
    std::vector<std::string> names;
    withReadable(path, [&names](HKEY key) {
        names.clear();
        DWORD count = 0;
        DWORD longest = 0;
        const LSTATUS status = RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                                                &longest, nullptr, nullptr, nullptr);
        std::wstring buffer(longest + 1, L'\0');
        for (DWORD i = 0; status == ERROR_SUCCESS && i < count; ++i) {
            DWORD length = static_cast<DWORD>(buffer.size());
            if (RegEnumValueW(key, i, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
                names.push_back(narrow(buffer.data(), length));
        }
        return status;
    });
    return names;
}

} // namespace orvane
