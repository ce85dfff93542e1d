#include "settings/RegistryAccess.h"

#include "settings/Errors.h"
#include "settings/TextEncoding.h"

#include <cstring>

namespace orvane {
namespace {

bool isTextType(uint32_t type)
{
    return type == REG_SZ_TYPE || type == REG_EXPAND_SZ_TYPE;
}

std::string textUpToNul(const std::vector<uint8_t>& data)
{
    const std::u16string units = utf16leUnits(data);
    return utf16ToUtf8(std::u16string_view(units).substr(0, units.find(u'\0')));
}

std::string joinPath(std::string_view parent, std::string_view child)
{
    std::string normalizedChild = normalizeKeyPath(child);
    if (parent.empty())
        return normalizedChild;
    if (normalizedChild.empty())
        return std::string(parent);
    return std::string(parent) + '\\' + normalizedChild;
}

} // namespace

std::string normalizeKeyPath(std::string_view path)
{
    while (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    std::string result;
    result.reserve(path.size());
    for (char c : path) {
        if (c == '\\' && !result.empty() && result.back() == '\\')
            continue;
        result += c;
    }
    return result;
}

RegistryAccess::RegistryAccess(std::unique_ptr<RegistryStore> store) : store_(std::move(store)) {}

RegistryAccess::~RegistryAccess()
{
    CloseKey();
}

void RegistryAccess::SetRootKey(RootKey root)
{
    if (root != root_)
        CloseKey();
    root_ = root;
}

bool RegistryAccess::OpenKey(std::string_view path, bool canCreate)
{
    CloseKey();
    const std::string normalized = normalizeKeyPath(path);
    if (!store_->keyExists(normalized) && !(canCreate && store_->createKey(normalized)))
        return false;
    current_ = normalized;
    return true;
}

void RegistryAccess::CloseKey()
{
    current_.reset();
}

bool RegistryAccess::KeyExists(std::string_view path)
{
    return store_->keyExists(normalizeKeyPath(path));
}

bool RegistryAccess::ValueExists(std::string_view name)
{
    return current_ && store_->queryValue(*current_, name).has_value();
}

std::string RegistryAccess::ReadString(std::string_view name)
{
    if (!current_)
        return {};
    const auto value = store_->queryValue(*current_, name);
    if (!value || value->data.empty())
        return {};
    if (!isTextType(value->type))
        throw RegistryError(formatMessage(messages::InvalidType, name));
    return textUpToNul(value->data);
}

int32_t RegistryAccess::ReadInteger(std::string_view name)
{
    const auto value = current_ ? store_->queryValue(*current_, name) : std::nullopt;
    // Sized as the ANSI interface reports text: one byte a character.
    const size_t size = value && isTextType(value->type) ? value->data.size() / 2 : value ? value->data.size() : 0;
    if (!value || size > 4)
        throw RegistryError(formatMessage(messages::ReadFailed, name));
    if (value->type != REG_DWORD_TYPE)
        throw RegistryError(formatMessage(messages::InvalidType, name));
    uint32_t n = 0;
    for (size_t i = 0; i < value->data.size(); ++i)
        n |= uint32_t(value->data[i]) << (8 * i);
    return static_cast<int32_t>(n);
}

bool RegistryAccess::ReadBool(std::string_view name)
{
    return ReadInteger(name) != 0;
}

void RegistryAccess::write(std::string_view name, const RegValue& value)
{
    if (!current_ || !store_->setValue(*current_, name, value))
        throw RegistryError(formatMessage(messages::WriteFailed, name));
}

void RegistryAccess::WriteString(std::string_view name, std::string_view text)
{
    std::u16string units = utf8ToUtf16(text);
    units.push_back(u'\0');
    const RegValue value{REG_SZ_TYPE, utf16leBytes(units)};
    write(name, value);
}

void RegistryAccess::WriteInteger(std::string_view name, int32_t n)
{
    const auto u = static_cast<uint32_t>(n);
    write(name, RegValue{REG_DWORD_TYPE,
                         {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)}});
}

void RegistryAccess::WriteBool(std::string_view name, bool b)
{
    WriteInteger(name, b ? 1 : 0);
}

bool RegistryAccess::DeleteValue(std::string_view name)
{
    return current_ && store_->deleteValue(*current_, name);
}

bool RegistryAccess::DeleteKey(std::string_view name)
{
    const std::string path = joinPath(current_ ? *current_ : std::string(), name);
    if (path.empty())
        return false; // never the root itself
    return store_->deleteTree(path);
}

void RegistryAccess::GetValueNames(std::vector<std::string>& list)
{
    list = current_ ? store_->valueNames(*current_) : std::vector<std::string>{};
}

} // namespace orvane
