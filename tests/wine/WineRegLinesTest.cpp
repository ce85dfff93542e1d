// Crafted user.reg lines read as wineserver's loader reads them: which
// line is a key line and which key it opens, which lines a value's hex
// data continues onto, and which value each line gives. Each expectation
// is what Wine 8's `reg export` showed for the same file.
#include "files/TextEncoding.h"
#include "registry/RegistryErrors.h"
#include "settings/Schema.h"
#include "wine/WineRegFile.h"
#include "tests/support/TempPrefix.h"

#include <gtest/gtest.h>

#include <optional>

namespace orvane {
namespace {

using test::WineHeader;

RegValue dword(uint32_t n)
{
    return {REG_DWORD_TYPE, {uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), uint8_t(n >> 24)}};
}

RegValue text(std::u16string_view units, uint32_t type = REG_SZ_TYPE)
{
    return {type, utf16leBytes(std::u16string(units) + u'\0')};
}

RegValue bytes(std::vector<uint8_t> data, uint32_t type = REG_BINARY_TYPE)
{
    return {type, std::move(data)};
}

// What Wine gives a value whose data it cannot read.
const RegValue Unreadable{REG_NONE_TYPE, {}};

struct Expected {
    const char* file;              // in the corpus
    const char* key;               // below the game's key when relative
    const char* name;
    std::optional<RegValue> value; // nothing: Wine has no such value
};

std::string keyPath(const char* key)
{
    const std::string path = key;
    if (path.starts_with("Software\\") || path.empty())
        return path;
    return std::string(schema::GameKey) + "\\" + path;
}

// clang-format off
const Expected Readings[] = {
    {"hex-value-continued-into-a-game-key-line", "Gameplay", "keyscroll", dword(0x32)},
    {"hex-value-continued-into-a-game-key-line", "Software\\OrvaneCorpus\\One", "keyscroll", dword(7)},
    {"hex-value-continued-into-a-game-key-line", "Software\\OrvaneCorpus\\One", "bin", Unreadable},
    {"game-hex-value-continued-into-a-key-line", "Video", "gamma", dword(5)},
    {"game-hex-value-continued-into-a-key-line", "Video", "bin", Unreadable},
    {"form-feed-before-a-key-line", "Gameplay", "keyscroll", dword(7)},
    {"vertical-tab-before-a-key-line", "Gameplay", "keyscroll", dword(7)},
    {"carriage-return-before-a-key-line", "Gameplay", "keyscroll", dword(7)},
    {"carriage-return-inside-a-line", "Gameplay", "keyscroll", dword(0x32)},
    {"carriage-return-inside-a-line", "Software\\OrvaneCorpus\\Five", "note", text(u"a")},
    {"doubled-separator-in-a-key-path", "Gameplay", "keyscroll", dword(7)},
    {"leading-and-trailing-separators", "Video", "gamma", dword(0x1e)},
    {"text-after-the-time-stamp", "Gameplay", "keyscroll", dword(7)},
    {"escapes-in-key-paths", "Gameplay", "keyscroll", dword(7)},
    {"escapes-in-key-paths", "Sound", "sfxvolume", dword(0x40)},
    {"escapes-in-key-paths", "Misc]x", "x", dword(1)},
    {"escapes-in-key-paths", "String", "userbnet", text(u"escaped")},
    {"key-line-without-its-closing-bracket", "Gameplay", "keyscroll", dword(0x32)},
    {"values-without-a-key", "Gameplay", "keyscroll", dword(7)},
    {"key-name-over-256-characters", "Gameplay", "keyscroll", dword(7)},
    {"key-name-over-256-characters", "Video", "gamma", std::nullopt},
    {"value-name-over-16383-characters", "Sound", "sfxvolume", dword(0x40)},
    {"malformed-values-replace-earlier-ones", "Gameplay", "keyscroll", Unreadable},
    {"malformed-values-replace-earlier-ones", "Gameplay", "mousescroll", Unreadable},
    {"duplicate-keys-and-values", "Gameplay", "keyscroll", dword(0xb)},
    {"duplicate-keys-and-values", "Gameplay", "mousescroll", dword(3)},
    {"crlf-line-ends", "Gameplay", "keyscroll", dword(8)},
    {"crlf-line-ends", "Video", "cr", text(u"a\rb")},
    {"crlf-line-ends", "Video", "hexcr", bytes({1, 2})},
    {"comments-options-and-unknown-lines", "Gameplay", "keyscroll", dword(8)},
    {"continuation-variants", "Gameplay", "a", bytes({0, 1})},
    {"continuation-variants", "Gameplay", "b", Unreadable},
    {"continuation-variants", "Gameplay", "c", bytes({0})},
    {"continuation-variants", "Gameplay", "d", bytes({0x41, 0, 0, 0}, REG_EXPAND_SZ_TYPE)},
    {"continuation-variants", "Gameplay", "e", Unreadable},
    {"continuation-variants", "Gameplay", "keyscroll", dword(0x32)},
    {"root-key-values", "Gameplay", "keyscroll", dword(0x32)},
    {"root-key-values", "", "keyscroll", dword(7)},
    {"root-key-values", "", "mousescroll", dword(7)},
    {"text-encodings-in-strings", "String", "userbnet", text(u"J\u00fcrgen \u6f22")},
    {"text-encodings-in-strings", "String", "userlocal", text(u"ab(cde")},
    {"text-encodings-in-strings", "String", "emoji", text(u"\U0001f600")},
    {"text-encodings-in-strings", "String", "escapes", text(u"ABAqxxg\x1b")},
    {"text-encodings-in-strings", "String", "J\u00fcrgen", text(u"name in UTF-8")},
    {"value-syntax-wine-accepts", "Video", "sp1", dword(1)},
    {"value-syntax-wine-accepts", "Video", "sp2", text(u"tab")},
    {"value-syntax-wine-accepts", "Video", "junk", text(u"b")},
    {"value-syntax-wine-accepts", "Video", "", text(u"default")},
    {"value-syntax-wine-accepts", "Video", "d2", dword(7)},
    {"value-syntax-wine-accepts", "Video", "d4", dword(0x23456789)},
    {"value-syntax-wine-accepts", "Video", "d5", dword(0)},
    {"value-syntax-wine-accepts", "Video", "d6", dword(0xffffffff)},
    {"value-syntax-wine-accepts", "Video", "d8", dword(0xffffffff)},
    {"value-syntax-wine-accepts", "Video", "d9", dword(0x10)},
    {"value-syntax-wine-accepts", "Video", "d10", dword(0x1f)},
    {"value-syntax-wine-accepts", "Video", "d11", dword(0)},
    {"value-syntax-wine-accepts", "Video", "h1", bytes({1, 2})},
    {"value-syntax-wine-accepts", "Video", "h2", bytes({1})},
    {"value-syntax-wine-accepts", "Video", "h3", bytes({0, 1, 2})},
    {"value-syntax-wine-accepts", "Video", "h4", Unreadable},
    {"value-syntax-wine-accepts", "Video", "h5", bytes({0x12, 0x34})},
    {"value-syntax-wine-accepts", "Video", "h7", Unreadable},
    {"value-syntax-wine-accepts", "Video", "h8", Unreadable},
    {"value-syntax-wine-accepts", "Video", "h11", bytes({1}, REG_NONE_TYPE)},
    {"value-syntax-wine-accepts", "Video", "h12", bytes({0x41, 0, 0, 0}, REG_EXPAND_SZ_TYPE)},
    {"value-syntax-wine-accepts", "Video", "h14", bytes({0x41, 0, 0, 0}, REG_EXPAND_SZ_TYPE)},
    {"value-syntax-wine-accepts", "Video", "h15", bytes({0}, 0xffffffff)},
    {"value-syntax-wine-accepts", "Video", "h17", bytes({0, 1, 2, 3})},
    {"value-syntax-wine-accepts", "Video", "h18", bytes({0, 1, 2})},
    {"value-syntax-wine-accepts", "Video", "h19", bytes({0, 1, 0xf})},
    {"value-syntax-wine-accepts", "Video", "h20", bytes({0, 1, 2})},
    {"value-syntax-wine-accepts", "Video", "h21", bytes({0xab, 0xcd})},
    {"value-syntax-wine-accepts", "Video", "s1", Unreadable},
    {"value-syntax-wine-accepts", "Video", "s2", text(u"x", REG_EXPAND_SZ_TYPE)},
    {"value-syntax-wine-accepts", "Video", "s4", Unreadable},
    {"value-syntax-wine-accepts", "Video", "s6", text(std::u16string_view(u"embedded\0nul", 12))},
    {"value-syntax-wine-accepts", "Video", "bad", Unreadable},
};
// clang-format on

std::string crafted(const std::string& name)
{
    return std::string(WineHeader) + test::readFile(std::string(ORVANE_WINE_CORPUS) + "/" + name + ".reg");
}

constexpr std::string_view Own[] = {schema::GameKey, schema::OrvaneKey};

TEST(WineRegLines, CraftedFilesReadAsWinesLoaderReadsThem)
{
    for (const Expected& expected : Readings) {
        const std::string file = crafted(expected.file);
        try {
            const WineRegFile whole = WineRegFile::parse(file, "user.reg");
            const WineRegFile trees = WineRegFile::parse(FileText(file), "user.reg", Own);
            EXPECT_EQ(whole.queryValue(keyPath(expected.key), expected.name), expected.value)
                << expected.file << ": " << expected.key << " " << expected.name;
            EXPECT_EQ(trees.queryValue(keyPath(expected.key), expected.name), expected.value)
                << expected.file << ", its trees alone: " << expected.key << " " << expected.name;
        } catch (const RegistryStoreError& error) {
            ADD_FAILURE() << expected.file << ": " << error.what();
        }
    }
}

TEST(WineRegLines, KeyLinesOpenTheKeysWineOpens)
{
    const WineRegFile swallowed = WineRegFile::parse(crafted("game-hex-value-continued-into-a-key-line"), "user.reg");
    EXPECT_FALSE(swallowed.keyExists("Software\\OrvaneCorpus\\Six"));
    EXPECT_EQ(swallowed.valueNames(keyPath("Video")), (std::vector<std::string>{"gamma", "bin"}));

    // Wine creates the keys above a name over 256 characters, and drops the block's values.
    const WineRegFile longName = WineRegFile::parse(crafted("key-name-over-256-characters"), "user.reg");
    EXPECT_TRUE(longName.keyExists(keyPath("Video")));
    EXPECT_TRUE(longName.valueNames(keyPath("Video")).empty());
    EXPECT_EQ(longName.queryValue(keyPath("Sound") + "\\" + std::string(256, 's'), "x"), dword(1));

    const WineRegFile unclosed = WineRegFile::parse(crafted("key-line-without-its-closing-bracket"), "user.reg");
    EXPECT_EQ(unclosed.valueNames(keyPath("Gameplay")), (std::vector<std::string>{"keyscroll", "mousescroll"}));

    // A value before any key is dropped, and its hex data continues onto no line.
    const WineRegFile header = WineRegFile::parse(
        std::string(WineHeader) + "\"x\"=hex:00,\\\n[Software\\\\A] 1\n\"y\"=dword:00000001\n", "user.reg");
    EXPECT_EQ(header.queryValue("Software\\A", "y"), dword(1));
    EXPECT_FALSE(header.hasValue("", "x"));
}

} // namespace
} // namespace orvane
