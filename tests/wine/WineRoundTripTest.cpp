// Orvane's Wine store against Wine itself: what Wine's reg writes, Orvane
// reads; what Orvane writes, Wine reports and keeps; and no write while a
// wineserver holds the registry.
#include "registry/RegistryErrors.h"
#include "settings/Schema.h"
#include "files/TextEncoding.h"
#include "tests/support/TempPrefix.h"
#include "tests/wine/WinePrefixFixture.h"
#include "tools/GameDefaults.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>

namespace orvane::test {
namespace {

const std::string Tricky = "Jürgen \"x\" \\y 漢";

class WineRoundTrip : public WinePrefixTest {
protected:
    // reg export's file, UTF-16 with a byte-order mark, as UTF-8.
    std::string exported(const std::string& key) const
    {
        const std::filesystem::path file = prefix().parent_path() / "orvane-export.reg";
        std::filesystem::remove(file);
        std::string windowsPath = "Z:" + file.string();
        std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
        std::string output;
        EXPECT_EQ(wine({"reg", "export", key, windowsPath, "/y"}, &output), 0) << output;
        const std::string bytes = readFile(file);
        std::filesystem::remove(file);
        const std::u16string units = utf16leUnits(std::vector<uint8_t>(bytes.begin(), bytes.end()));
        return utf16ToUtf8(units.substr(units.empty() || units[0] != 0xFEFF ? 0 : 1));
    }
};

TEST_F(WineRoundTrip, WhatRegAddWritesOrvaneReadsExactly)
{
    const std::string key = std::string(WineKey);
    std::string output;
    ASSERT_EQ(wine({"reg", "add", key, "/v", "Text", "/t", "REG_SZ", "/d", Tricky, "/f"}, &output), 0) << output;
    ASSERT_EQ(wine({"reg", "add", key, "/v", "Expand", "/t", "REG_EXPAND_SZ", "/d", "%SystemRoot%\\fonts", "/f"}), 0);
    ASSERT_EQ(wine({"reg", "add", key, "/v", "Number", "/t", "REG_DWORD", "/d", "42", "/f"}), 0);
    ASSERT_EQ(wine({"reg", "add", key, "/v", "Blob", "/t", "REG_BINARY", "/d", "0a0b0c0d0e", "/f"}), 0);
    ASSERT_EQ(wine({"reg", "add", key + "\\A\\B\\C\\D", "/v", "Deep", "/t", "REG_SZ", "/d", "deep", "/f"}), 0);

    WinePrefixStore store(prefix());
    const auto blob = store.queryValue(Key, "Blob");
    ASSERT_TRUE(blob);
    EXPECT_EQ(*blob, (RegValue{REG_BINARY_TYPE, {0x0a, 0x0b, 0x0c, 0x0d, 0x0e}}));
    auto registry = orvane();
    RegistryKey opened = registry->openKey(Key);
    ASSERT_TRUE(opened.isOpen());
    EXPECT_EQ(opened.readString("Text"), Tricky);
    EXPECT_EQ(opened.readString("Expand"), "%SystemRoot%\\fonts");
    EXPECT_EQ(opened.readInteger("Number"), 42);
    opened = registry->openKey(std::string(Key) + "\\a\\b\\c\\d");
    ASSERT_TRUE(opened.isOpen());
    EXPECT_EQ(opened.readString("deep"), "deep");
    EXPECT_TRUE(registry->keyExists(std::string(Key) + "\\A\\B"));
}

TEST_F(WineRoundTrip, WhatOrvaneWritesAndDeletesWineReports)
{
    {
        auto registry = orvane();
        RegistryCommand command(*registry);
        RegistryKey key = registry->createKey(std::string(Key) + "\\Kept");
        key.writeString("Text", Tricky);
        key.writeInteger("Number", 42);
        key.writeBool("Flag", true);
        key.writeString("Empty", "");
        key.writeString("Gone", "x");
        key.deleteValue("Gone");
        key = registry->createKey(std::string(Key) + "\\Tree\\Sub");
        key.writeString("v", "1");
        registry->deleteKey(std::string(Key) + "\\Tree");
        command.finish();
    }
    const std::string text = exported(WineKey);
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\OrvaneRoundTrip\\Kept]"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Text\"=\"Jürgen \\\"x\\\" \\\\y 漢\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"Number\"=dword:0000002a"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Flag\"=dword:00000001"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Empty\"=\"\""), std::string::npos) << text;
    EXPECT_EQ(text.find("Gone"), std::string::npos) << text;
    EXPECT_EQ(text.find("Tree"), std::string::npos) << text;

    std::string output;
    EXPECT_EQ(wine({"reg", "query", std::string(WineKey) + "\\Kept", "/v", "Number"}, &output), 0);
    EXPECT_NE(output.find("0x2a"), std::string::npos) << output;
}

TEST_F(WineRoundTrip, AUserRegThatWineRewroteLosesNothingOrvaneWrote)
{
    {
        auto registry = orvane();
        RegistryCommand command(*registry);
        RegistryKey key = registry->createKey(std::string(Key) + "\\Orvane");
        key.writeString("Text", Tricky);
        key.writeInteger("Negative", -6112);
        key.writeString("Empty", "");
        key = registry->createKey(std::string(Key) + "\\Orvane\\BnetUsers");
        command.finish();
    }
    const std::string before = readFile(prefix() / "user.reg");
    ASSERT_EQ(wine({"reg", "add", std::string(WineKey) + "\\Other", "/v", "x", "/d", "y", "/f"}), 0);
    const std::string after = readFile(prefix() / "user.reg");
    ASSERT_NE(after, before); // Wine wrote the file itself
    ASSERT_NE(after.find("[Software\\\\OrvaneRoundTrip\\\\Other]"), std::string::npos);

    auto registry = orvane();
    RegistryKey key = registry->openKey(std::string(Key) + "\\Orvane");
    ASSERT_TRUE(key.isOpen());
    EXPECT_EQ(key.readString("Text"), Tricky);
    EXPECT_EQ(key.readInteger("Negative"), -6112);
    EXPECT_TRUE(key.hasValue("Empty"));
    EXPECT_TRUE(registry->keyExists(std::string(Key) + "\\Orvane\\BnetUsers"));
}

// Another program's blocks with lines neither Orvane nor Wine can read, an
// odd continuation, a second block of one key and bytes outside the
// encoding: Orvane's write keeps them as they are, and Wine reads past them.
TEST_F(WineRoundTrip, OddBlocksOfOtherProgramsStayAsTheyAreAndWineStillReadsTheGamesValue)
{
    const std::string odd = "\n[Software\\\\OrvaneRoundTrip\\\\Odd] 1796739014\n"
                            "garbage line\n"
                            "\"x\"=hex:00,\\\n"
                            "  [not a key\n"
                            "\"bytes\"=\"\xff\xfe\"\n"
                            "[Software\\\\OrvaneRoundTrip\\\\Odd] 1796739015\n"
                            "\"y\"=dword:0000002a\n";
    std::ofstream(prefix() / "user.reg", std::ios::app | std::ios::binary) << odd;
    {
        auto registry = orvane();
        RegistryCommand command(*registry);
        RegistryKey key = registry->createKey(std::string(schema::VideoKey));
        ASSERT_TRUE(key.isOpen());
        key.writeInteger("gamma", 33);
        command.finish();
    }
    EXPECT_NE(readFile(prefix() / "user.reg").find(odd), std::string::npos);
    std::string output;
    EXPECT_EQ(wine({"reg", "query", "HKCU\\" + std::string(schema::VideoKey), "/v", "gamma"}, &output), 0) << output;
    EXPECT_NE(output.find("0x21"), std::string::npos) << output;
}

TEST_F(WineRoundTrip, OrvaneRefusesToWriteWhileAWineserverRuns)
{
    ASSERT_EQ(runProgram({"wineserver", "-p"}), 0);
    const std::string before = readFile(prefix() / "user.reg");
    std::string message;
    try {
        orvane()->createKey(std::string(Key) + "\\WhileRunning");
    } catch (const RegistryStoreError& error) {
        message = error.what();
    }
    runProgram({"wineserver", "-k"});
    waitForWineserver();
    EXPECT_NE(message.find("Wine is running for the prefix " + prefix().string()), std::string::npos) << message;
    EXPECT_EQ(readFile(prefix() / "user.reg"), before);
    EXPECT_TRUE(orvane()->createKey(std::string(Key) + "\\AfterIt").isOpen());
}

// A value as `reg export` writes it: its name, "=", and its data, with the
// hex data of one value on one line.
std::string exportEscaped(std::u16string_view units)
{
    std::u16string out;
    for (const char16_t unit : units) {
        if (unit == 0)
            break;
        if (unit == u'\r' || unit == u'\n' || unit == u'\\' || unit == u'"')
            out += u'\\';
        out += unit == u'\r' ? u'r' : unit == u'\n' ? u'n' : unit;
    }
    return utf16ToUtf8(out);
}

std::string exportLine(const std::string& name, const RegValue& value)
{
    std::string line = name.empty() ? "@=" : "\"" + exportEscaped(utf8ToUtf16(name)) + "\"=";
    const auto& data = value.data;
    char text[32];
    if (value.type == REG_SZ_TYPE) {
        const std::u16string units = utf16leUnits(data);
        return line + "\"" + exportEscaped(std::u16string_view(units).substr(0, data.empty() ? 0 : data.size() / 2 - 1)) +
               "\"";
    }
    if (value.type == REG_DWORD_TYPE && data.size() == 4) {
        std::snprintf(text, sizeof text, "dword:%02x%02x%02x%02x", data[3], data[2], data[1], data[0]);
        return line + text;
    }
    std::snprintf(text, sizeof text, value.type == REG_BINARY_TYPE ? "hex:" : "hex(%x):", value.type);
    line += text;
    for (size_t i = 0; i < data.size(); ++i) {
        std::snprintf(text, sizeof text, i ? ",%02x" : "%02x", data[i]);
        line += text;
    }
    return line;
}

// Every key of a `reg export` below HKEY_CURRENT_USER: its path as Wine
// names it, and its value lines, sorted; by folded path.
struct ExportedKey {
    std::string path;
    std::vector<std::string> values;
    bool operator==(const ExportedKey&) const = default;
};
using ExportedKeys = std::map<std::string, ExportedKey>;

ExportedKeys parseExport(const std::string& text)
{
    ExportedKeys keys;
    ExportedKey* key = nullptr;
    std::string line;
    std::string pending;
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find("\r\n", at);
        end = end == std::string::npos ? text.size() : end;
        line = pending + text.substr(at, end - at);
        at = end + 2;
        if (line.ends_with('\\')) { // hex data continues, after two blanks
            pending = line.substr(0, line.size() - 1);
            at += 2;
            continue;
        }
        pending.clear();
        constexpr std::string_view Root = "[HKEY_CURRENT_USER\\";
        if (line.starts_with(Root)) {
            const std::string path = line.substr(Root.size(), line.rfind(']') - Root.size());
            key = &keys[foldCase(path)];
            key->path = path;
        } else if (key && (line.starts_with('"') || line.starts_with('@'))) {
            key->values.push_back(line);
        }
    }
    for (auto& [folded, exported] : keys)
        std::sort(exported.values.begin(), exported.values.end());
    return keys;
}

// Crafted lines appended to the prefix's user.reg: Wine's loader and
// Orvane read the same values in the game's keys, and after Orvane writes
// one of them, Wine reads the value written and every other value as before.
class WineCorpus : public WineRoundTrip {
protected:
    static constexpr uint8_t Written = 90;

    // What Orvane reads differently from Wine in the game's keys, if anything.
    std::string readingDifferences(const ExportedKeys& wine) const
    {
        std::string differences;
        WinePrefixStore store(prefix());
        const std::string game = foldCase(schema::GameKey);
        for (const auto& [folded, key] : wine) {
            if (folded != game && !folded.starts_with(game + "\\"))
                continue;
            ExportedKey orvane{.path = key.path, .values = {}};
            if (!store.keyExists(key.path))
                differences += "no key " + key.path + " for Orvane\n";
            for (const std::string& name : store.valueNames(key.path))
                orvane.values.push_back(exportLine(name, *store.queryValue(key.path, name)));
            std::sort(orvane.values.begin(), orvane.values.end());
            for (const std::string& line : key.values)
                if (!std::binary_search(orvane.values.begin(), orvane.values.end(), line))
                    differences += key.path + ": Wine reads " + line + "\n";
            for (const std::string& line : orvane.values)
                if (!std::binary_search(key.values.begin(), key.values.end(), line))
                    differences += key.path + ": Orvane reads " + line + "\n";
        }
        for (const std::string_view path : schema::settingsKeys())
            if (!wine.count(foldCase(path)) && store.keyExists(path))
                differences += "Orvane finds " + std::string(path) + ", which Wine does not\n";
        return differences;
    }

    // Wine's reading after Orvane wrote keyscroll, beside Wine's reading before with that one value changed.
    std::string writingDifferences(ExportedKeys before)
    {
        {
            auto registry = orvane();
            RegistryCommand command(*registry);
            registry->createKey(std::string(schema::GameplayKey)).writeInteger("keyscroll", Written);
            command.finish();
        }
        ExportedKey& gameplay = before[foldCase(schema::GameplayKey)];
        std::string name = "keyscroll";
        std::erase_if(gameplay.values, [&name](const std::string& line) {
            if (foldCase(line).starts_with("\"keyscroll\"="))
                name = line.substr(1, 9); // Wine keeps the name as it first read it
            return foldCase(line).starts_with("\"keyscroll\"=");
        });
        gameplay.values.push_back(exportLine(name, RegValue{REG_DWORD_TYPE, {Written, 0, 0, 0}}));
        std::sort(gameplay.values.begin(), gameplay.values.end());
        const ExportedKeys after = parseExport(exported("HKCU\\Software"));
        std::string differences;
        for (const auto& [folded, key] : after)
            if (!before.count(folded) || !(before.at(folded) == key))
                differences += "after the write, Wine reads " + key.path + " differently\n";
        for (const auto& [folded, key] : before)
            if (!after.count(folded))
                differences += "after the write, Wine lost " + key.path + "\n";
        return differences;
    }
};

TEST_F(WineCorpus, WineAndOrvaneReadTheGamesKeysAlikeAndWineReadsWhatOrvaneWrites)
{
    const std::string base = readFile(prefix() / "user.reg");
    std::vector<std::filesystem::path> corpus;
    for (const auto& entry : std::filesystem::directory_iterator(ORVANE_WINE_CORPUS))
        corpus.push_back(entry.path());
    std::sort(corpus.begin(), corpus.end());
    int readDifferently = 0;
    int writtenDifferently = 0;
    for (const std::filesystem::path& fragment : corpus) {
        const std::string crafted = base + readFile(fragment);
        writeFile(prefix() / "user.reg", crafted);
        const ExportedKeys wine = parseExport(exported("HKCU\\Software"));
        // Wine saved the registry as it read it: Orvane reads the crafted file.
        writeFile(prefix() / "user.reg", crafted);
        std::string differences;
        try {
            differences = readingDifferences(wine);
            if (differences.empty()) {
                const std::string written = writingDifferences(wine);
                writtenDifferently += !written.empty();
                differences = written;
            } else {
                ++readDifferently;
            }
        } catch (const RegistryStoreError& error) {
            ++readDifferently;
            differences = std::string("Orvane refused it: ") + error.what();
        }
        EXPECT_EQ(differences, "") << fragment.filename().string();
    }
    writeFile(prefix() / "user.reg", base);
    EXPECT_EQ(readDifferently, 0) << readDifferently << " of " << corpus.size() << " corpus files read differently";
    EXPECT_EQ(writtenDifferently, 0) << writtenDifferently << " of " << corpus.size()
                                     << " corpus files read differently after Orvane wrote one value";
}

} // namespace
} // namespace orvane::test
