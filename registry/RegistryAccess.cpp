#include "registry/RegistryAccess.h"

#include "registry/RegistryErrors.h"
#include "files/TextEncoding.h"
#include "registry/KeyPaths.h"

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

} // namespace

RegistryKey RegistryAccess::openKey(std::string_view path)
{
    std::string normalized = normalizeKeyPath(path);
    if (!store_->keyExists(normalized))
        return RegistryKey(*store_, std::nullopt);
    return RegistryKey(*store_, std::move(normalized));
}

RegistryKey RegistryAccess::createKey(std::string_view path)
{
    std::string normalized = normalizeKeyPath(path);
    if (!store_->keyExists(normalized) && !store_->createKey(normalized))
        return RegistryKey(*store_, std::nullopt);
    return RegistryKey(*store_, std::move(normalized));
}

bool RegistryAccess::keyExists(std::string_view path)
{
    return store_->keyExists(normalizeKeyPath(path));
}

bool RegistryAccess::deleteKey(std::string_view path)
{
    const std::string normalized = normalizeKeyPath(path);
    if (normalized.empty())
        return false;
    return store_->deleteTree(normalized);
}

bool RegistryKey::hasValue(std::string_view name) const
{
    return path_ && store_->queryValue(*path_, name).has_value();
}

std::string RegistryKey::readString(std::string_view name) const
{
    if (!path_)
        return {};
    const auto value = store_->queryValue(*path_, name);
    if (!value || value->data.empty())
        return {};
    if (!isTextType(value->type))
        throw RegistryError(MessageText{messages::InvalidType, {std::string(name)}});
    return textUpToNul(value->data);
}

int32_t RegistryKey::readInteger(std::string_view name) const
{
    const auto value = path_ ? store_->queryValue(*path_, name) : std::nullopt;
    // Sized as the ANSI interface reports text: one byte a character.
    const size_t size = value && isTextType(value->type) ? value->data.size() / 2 : value ? value->data.size() : 0;
    if (!value || size > 4)
        throw RegistryError(MessageText{messages::ReadFailed, {std::string(name)}});
    if (value->type != REG_DWORD_TYPE)
        throw RegistryError(MessageText{messages::InvalidType, {std::string(name)}});
    uint32_t n = 0;
    for (size_t i = 0; i < value->data.size(); ++i)
        n |= uint32_t(value->data[i]) << (8 * i);
    return static_cast<int32_t>(n);
}

bool RegistryKey::readBool(std::string_view name) const
{
    return readInteger(name) != 0;
}

std::vector<std::string> RegistryKey::valueNames() const
{
    return path_ ? store_->valueNames(*path_) : std::vector<std::string>{};
}

std::optional<RegValue> RegistryKey::readValue(std::string_view name) const
{
    return path_ ? store_->queryValue(*path_, name) : std::nullopt;
}

void RegistryKey::writeValue(std::string_view name, const RegValue& value)
{
    if (!path_ || !store_->setValue(*path_, name, value))
        throw RegistryError(MessageText{messages::WriteFailed, {std::string(name)}});
}

void RegistryKey::writeString(std::string_view name, std::string_view text)
{
    std::u16string units = utf8ToUtf16(text);
    units.push_back(u'\0');
    writeValue(name, RegValue{REG_SZ_TYPE, utf16leBytes(units)});
}

void RegistryKey::writeInteger(std::string_view name, int32_t n)
{
    const auto u = static_cast<uint32_t>(n);
    writeValue(name, RegValue{REG_DWORD_TYPE, {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)}});
}

void RegistryKey::writeBool(std::string_view name, bool b)
{
    writeInteger(name, b ? 1 : 0);
}

bool RegistryKey::deleteValue(std::string_view name)
{
    return path_ && store_->deleteValue(*path_, name);
}

bool RegistryKey::deleteSubkey(std::string_view name)
{
    if (!path_)
        return false;
    const std::string path = joinKeyPath(*path_, name);
    return !path.empty() && store_->deleteTree(path); // never HKEY_CURRENT_USER itself
}

} // namespace orvane
