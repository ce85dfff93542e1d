// The registry access contract, run against every store this build has.
#include "files/TextEncoding.h"
#include "registry/HistoryStore.h"
#include "registry/RegistryAccess.h"
#include "registry/RegistryErrors.h"

#ifdef _WIN32
#include "registry/WindowsRegistryStore.h"
#else
#include "registry/OverlayStore.h"
#include "tests/support/TempPrefix.h"
#include "wine/WinePrefixStore.h"
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace orvane {
namespace {

// Every case works below this key, which the fixture removes again.
constexpr std::string_view Base = "Software\\OrvaneContractTest";

// Makes, for one test, stores that all see the same keys and values.
using StoreMaker = std::function<std::unique_ptr<RegistryStore>()>;

struct StoreKind {
    const char* name;
    std::function<StoreMaker()> forOneTest;
    // Each store made is one of its own, as two programs' are, not one handed out again.
    bool apart = true;
};

class RegistryContract : public ::testing::TestWithParam<StoreKind> {
protected:
    void SetUp() override
    {
        make = GetParam().forOneTest();
        registry = std::make_unique<RegistryAccess>(make());
        registry->deleteKey(Base);
    }
    void TearDown() override { registry->deleteKey(Base); }
    static std::string path(std::string_view below) { return std::string(Base) + "\\" + std::string(below); }
    void expectError(const std::function<void()>& operation, std::string_view messageTemplate, std::string_view name)
    {
        try {
            operation();
            ADD_FAILURE() << "no error raised for " << name;
        } catch (const RegistryError& error) {
            EXPECT_EQ(error.what(), formatMessage({messageTemplate, {std::string(name)}}));
        }
    }

    StoreMaker make;
    std::unique_ptr<RegistryAccess> registry;
};

TEST_P(RegistryContract, AMissingKeyOpensAsNoKeyAndCreatesNothing)
{
    registry->createKey(path("Present")).writeInteger("n", 1);
    RegistryKey missing = registry->openKey(path("Missing"));
    EXPECT_FALSE(missing.isOpen());
    EXPECT_EQ(missing.path(), "");
    EXPECT_FALSE(missing.hasValue("n"));
    EXPECT_EQ(missing.readString("n"), "");
    EXPECT_TRUE(missing.valueNames().empty());
    EXPECT_FALSE(missing.deleteValue("n"));
    EXPECT_FALSE(missing.deleteSubkey("Sub"));
    expectError([&] { missing.writeInteger("n", 5); }, messages::WriteFailed, "n");
    expectError([&] { missing.writeString("s", "x"); }, messages::WriteFailed, "s");
    expectError([&] { missing.writeBool("b", true); }, messages::WriteFailed, "b");
    expectError([&] { missing.readInteger("n"); }, messages::ReadFailed, "n");
    EXPECT_FALSE(registry->keyExists(path("Missing")));
    EXPECT_EQ(registry->openKey(path("Present")).readInteger("n"), 1);
}

TEST_P(RegistryContract, CreatingAKeyMakesEveryMissingParent)
{
    const RegistryKey created = registry->createKey(path("A\\B\\C"));
    ASSERT_TRUE(created.isOpen());
    EXPECT_TRUE(registry->keyExists(path("A")));
    EXPECT_TRUE(registry->keyExists(path("A\\B")));
    EXPECT_TRUE(registry->keyExists(path("A\\B\\C")));
    EXPECT_EQ(created.path(), path("A\\B\\C"));
    EXPECT_EQ(registry->createKey(path("A\\B")).path(), path("A\\B")); // an existing key opens as it is
}

TEST_P(RegistryContract, BackslashesAndCaseNameTheSameKeyAndValue)
{
    registry->createKey(path("Game\\")).writeInteger("Allow Local Files", 7);
    const std::string leadingBackslash = std::string("\\").append(path("GAME"));
    RegistryKey game = registry->openKey(leadingBackslash);
    ASSERT_TRUE(game.isOpen());
    EXPECT_EQ(game.path(), path("GAME"));
    EXPECT_EQ(game.readInteger("allow local files"), 7);
    EXPECT_TRUE(game.hasValue("ALLOW LOCAL FILES"));
    game.writeInteger("ALLOW Local FILES", 8);
    EXPECT_EQ(game.valueNames().size(), 1u);
    EXPECT_TRUE(registry->keyExists(std::string(Base) + "\\\\game\\"));
}

TEST_P(RegistryContract, KeysOpenAtOnceKeepTheirOwnValues)
{
    RegistryKey first = registry->createKey(path("First"));
    RegistryKey second = registry->createKey(path("Second"));
    first.writeInteger("n", 1);
    second.writeInteger("n", 2);
    EXPECT_FALSE(registry->keyExists(path("Other")));
    EXPECT_EQ(first.readInteger("n"), 1);
    EXPECT_EQ(second.readInteger("n"), 2);
}

TEST_P(RegistryContract, ReadStringReturnsTextAndRefusesOtherData)
{
    RegistryKey key = registry->createKey(path("Text"));
    key.writeString("name", "Jürgen \"x\" \\y");
    EXPECT_EQ(key.readString("NAME"), "Jürgen \"x\" \\y");
    EXPECT_EQ(key.readString("missing"), "");
    key.writeInteger("number", 1);
    expectError([&] { key.readString("number"); }, messages::InvalidType, "number");
}

TEST_P(RegistryContract, ReadIntegerRefusesTextAndMissingValues)
{
    RegistryKey key = registry->createKey(path("Numbers"));
    key.writeString("text", "1");
    expectError([&] { key.readInteger("text"); }, messages::InvalidType, "text");
    // Text counts one byte a character, as the ANSI interface reports it.
    key.writeString("four", "6112");
    expectError([&] { key.readInteger("four"); }, messages::ReadFailed, "four");
    key.writeString("three", "611");
    expectError([&] { key.readInteger("three"); }, messages::InvalidType, "three");
    expectError([&] { key.readBool("text"); }, messages::InvalidType, "text");
    expectError([&] { key.readInteger("missing"); }, messages::ReadFailed, "missing");
    key.writeInteger("negative", -6112);
    EXPECT_EQ(key.readInteger("negative"), -6112);
    key.writeInteger("max", INT32_MAX);
    EXPECT_EQ(key.readInteger("max"), INT32_MAX);
}

TEST_P(RegistryContract, WriteBoolStoresOneAndZero)
{
    RegistryKey key = registry->createKey(path("Flags"));
    key.writeBool("on", true);
    key.writeBool("off", false);
    EXPECT_EQ(key.readInteger("on"), 1);
    EXPECT_EQ(key.readInteger("off"), 0);
    EXPECT_TRUE(key.readBool("on"));
    EXPECT_FALSE(key.readBool("off"));
}

TEST_P(RegistryContract, WriteStringReplacesAValueOfAnotherType)
{
    RegistryKey key = registry->createKey(path("Replace"));
    key.writeInteger("v", 3);
    key.writeString("v", "three");
    EXPECT_EQ(key.readString("v"), "three");
    key.writeString("v", "");
    EXPECT_TRUE(key.hasValue("v"));
    EXPECT_EQ(key.readString("v"), "");
    expectError([&] { key.readInteger("v"); }, messages::InvalidType, "v");
}

TEST_P(RegistryContract, NonAsciiTextSurvivesWriteAndReread)
{
    const std::string text = "ü é 漢 \xF0\x9F\x8E\xAE";
    registry->createKey(path("Wörter")).writeString("Näme", text);
    RegistryAccess second(make());
    EXPECT_EQ(second.openKey(path("WÖRTER")).readString("NÄME"), text);
}

TEST_P(RegistryContract, DeleteValueRemovesOnlyThatValue)
{
    RegistryKey key = registry->createKey(path("Del"));
    key.writeInteger("a", 1);
    key.writeInteger("b", 2);
    EXPECT_TRUE(key.deleteValue("A"));
    EXPECT_FALSE(key.deleteValue("a"));
    EXPECT_FALSE(key.hasValue("a"));
    EXPECT_EQ(key.readInteger("b"), 2);
}

TEST_P(RegistryContract, DeletingAKeyRemovesTheWholeTreeButNeverTheRoot)
{
    registry->createKey(path("Tree\\Sub\\Deep")).writeString("x", "1");
    registry->openKey(path("Tree\\Sub")).writeString("y", "2");
    RegistryKey tree = registry->openKey(path("Tree"));
    EXPECT_TRUE(tree.deleteSubkey("Sub"));
    EXPECT_FALSE(registry->keyExists(path("Tree\\Sub\\Deep")));
    EXPECT_FALSE(registry->keyExists(path("Tree\\Sub")));
    EXPECT_TRUE(registry->keyExists(path("Tree")));
    EXPECT_FALSE(tree.deleteSubkey("Sub"));
    EXPECT_TRUE(registry->deleteKey(path("Tree") + "\\"));
    EXPECT_FALSE(registry->keyExists(path("Tree")));
    EXPECT_TRUE(registry->keyExists(Base));
    EXPECT_FALSE(registry->deleteKey(""));
    EXPECT_FALSE(registry->deleteKey("\\"));
    EXPECT_FALSE(registry->openKey("").deleteSubkey(""));
    EXPECT_TRUE(registry->keyExists(Base));
}

TEST_P(RegistryContract, ValueNamesListsEveryValueOfTheKey)
{
    RegistryKey key = registry->createKey(path("Names"));
    for (const char* name : {"BnetName0", "BnetName1", "other"})
        key.writeString(name, name);
    std::vector<std::string> names = key.valueNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"BnetName0", "BnetName1", "other"}));
}

RegValue utf16Data(uint32_t type, std::u16string_view units)
{
    return RegValue{type, utf16leBytes(units)};
}

TEST_P(RegistryContract, ReadsValuesOfEveryShapeAsStored)
{
    const std::string raw = path("Raw");
    {
        auto store = make();
        ASSERT_TRUE(store->createKey(raw));
        ASSERT_TRUE(store->setValue(raw, "expand",
                                    utf16Data(REG_EXPAND_SZ_TYPE, std::u16string_view(u"%SystemRoot%\\x\0", 15))));
        ASSERT_TRUE(store->setValue(raw, "twoTexts", utf16Data(REG_SZ_TYPE, std::u16string_view(u"ab\0cd\0", 6))));
        ASSERT_TRUE(store->setValue(raw, "long", RegValue{REG_BINARY_TYPE, {1, 2, 3, 4, 5, 6, 7, 8}}));
        ASSERT_TRUE(store->setValue(raw, "four", RegValue{REG_BINARY_TYPE, {1, 0, 0, 0}}));
        ASSERT_TRUE(store->setValue(raw, "nothing", RegValue{REG_BINARY_TYPE, {}}));
        ASSERT_TRUE(store->setValue(raw, "short", RegValue{REG_DWORD_TYPE, {0x2a}}));
    }
    const RegistryKey key = registry->openKey(raw);
    ASSERT_TRUE(key.isOpen());
    EXPECT_EQ(key.readString("expand"), "%SystemRoot%\\x");
    EXPECT_EQ(key.readString("twoTexts"), "ab");
    expectError([&] { key.readInteger("long"); }, messages::ReadFailed, "long");
    expectError([&] { key.readInteger("four"); }, messages::InvalidType, "four");
    expectError([&] { key.readString("four"); }, messages::InvalidType, "four");
    EXPECT_EQ(key.readString("nothing"), "");
    EXPECT_TRUE(key.hasValue("nothing"));
    EXPECT_EQ(key.readInteger("short"), 0x2a);
}

TEST_P(RegistryContract, AKeyAnotherWriterRemovesAndMakesAgainIsReadAsItNowIs)
{
    const std::string shared = path("Shared");
    const auto dword = [](uint8_t n) { return RegValue{REG_DWORD_TYPE, {n, 0, 0, 0}}; };
    auto reader = make();
    auto writer = make();
    const auto inCommand = [](RegistryStore& store, const std::function<void()>& work) {
        store.beginCommand();
        work();
        store.endCommand();
    };
    inCommand(*writer, [&] { ASSERT_TRUE(writer->createKey(shared) && writer->setValue(shared, "v", dword(1))); });
    inCommand(*reader, [&] {
        ASSERT_TRUE(reader->keyExists(shared));
        EXPECT_EQ(reader->queryValue(shared, "v"), dword(1));
    });
    inCommand(*writer, [&] { ASSERT_TRUE(writer->deleteTree(shared)); });
    inCommand(*reader, [&] {
        EXPECT_FALSE(reader->keyExists(shared));
        EXPECT_EQ(reader->queryValue(shared, "v"), std::nullopt);
        EXPECT_TRUE(reader->valueNames(shared).empty());
    });
    inCommand(*writer, [&] { ASSERT_TRUE(writer->createKey(shared) && writer->setValue(shared, "w", dword(2))); });
    inCommand(*reader, [&] {
        EXPECT_TRUE(reader->keyExists(shared));
        EXPECT_EQ(reader->queryValue(shared, "v"), std::nullopt);
        EXPECT_EQ(reader->queryValue(shared, "w"), dword(2));
        EXPECT_EQ(reader->valueNames(shared), std::vector<std::string>{"w"});
    });
}

TEST_P(RegistryContract, AValueOfAnySizeIsReadWhole)
{
    const std::string raw = path("Sizes");
    auto store = make();
    ASSERT_TRUE(store->createKey(raw));
    for (size_t size : {0u, 255u, 256u, 257u, 5000u}) {
        RegValue value{REG_BINARY_TYPE, std::vector<uint8_t>(size)};
        for (size_t i = 0; i < size; ++i)
            value.data[i] = static_cast<uint8_t>(i * 7);
        ASSERT_TRUE(store->setValue(raw, "blob", value));
        EXPECT_EQ(store->queryValue(raw, "blob"), value) << size << " bytes";
    }
}

// Two Orvanes on one registry take turns: a command that has looked at the
// settings keeps another's command waiting until it ends, so that what the
// other reads, decides and writes comes after it.
TEST_P(RegistryContract, ACommandKeepsAnotherStoresCommandWaitingUntilItEnds)
{
    if (!GetParam().apart)
        GTEST_SKIP() << "its stores are one store handed out again";
    registry->createKey(path("Turns")).writeInteger("n", 1);
    RegistryAccess mine(make());
    RegistryCommand command(mine);
    ASSERT_EQ(mine.openKey(path("Turns")).readInteger("n"), 1);
    std::atomic<bool> theirsDone = false;
    std::thread other([&] {
        RegistryAccess theirs(make());
        RegistryCommand theirCommand(theirs);
        RegistryKey key = theirs.openKey(path("Turns"));
        key.writeInteger("n", key.readInteger("n") * 10);
        theirCommand.finish();
        theirsDone = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(theirsDone) << "another command went ahead while this one held the turn";
    mine.openKey(path("Turns")).writeInteger("n", 2);
    command.finish();
    other.join();
    EXPECT_EQ(registry->openKey(path("Turns")).readInteger("n"), 20);
}

#ifndef _WIN32
// Hands one store out again and again, so that an overlay, which keeps its
// changes in memory, is seen by the second store a case opens.
class SharedStore : public RegistryStore {
public:
    explicit SharedStore(std::shared_ptr<RegistryStore> store) : store_(std::move(store)) {}
    bool keyExists(std::string_view path) override { return store_->keyExists(path); }
    bool createKey(std::string_view path) override { return store_->createKey(path); }
    std::optional<RegValue> queryValue(std::string_view path, std::string_view name) override
    {
        return store_->queryValue(path, name);
    }
    bool setValue(std::string_view path, std::string_view name, const RegValue& value) override
    {
        return store_->setValue(path, name, value);
    }
    bool deleteValue(std::string_view path, std::string_view name) override { return store_->deleteValue(path, name); }
    bool deleteTree(std::string_view path) override { return store_->deleteTree(path); }
    std::vector<std::string> valueNames(std::string_view path) override { return store_->valueNames(path); }
    void beginCommand() override { store_->beginCommand(); }
    void endCommand() override { store_->endCommand(); }

private:
    std::shared_ptr<RegistryStore> store_;
};

// Keys and values of the cases' own names already stored underneath, so
// that the overlay must hide what the fixture deletes.
std::shared_ptr<RegistryStore> overlayOnStoredKeys(const std::filesystem::path& prefix)
{
    auto underneath = std::make_unique<WinePrefixStore>(prefix);
    for (const char* key : {"Names", "Tree\\Sub\\Deep", "Missing", "Numbers"}) {
        const std::string path = std::string(Base) + "\\" + key;
        underneath->createKey(path);
        underneath->setValue(path, "stale", RegValue{REG_DWORD_TYPE, {9, 0, 0, 0}});
    }
    return std::make_shared<OverlayStore>(std::move(underneath));
}
#endif

// The store of this build keeping a history of the cases' key: it must
// answer every case as the store underneath does.
StoreKind historyOver(std::function<std::unique_ptr<RegistryStore>()> underneath)
{
    static ChangeHistory history(std::filesystem::temp_directory_path() / "orvane-contract-history");
    return {"History", [underneath] {
                return StoreMaker([underneath] {
                    return std::make_unique<HistoryStore>(
                        underneath(), history, RecordedKeys{{std::string(Base)}, {std::string(Base) + "\\Tree\\Sub"}});
                });
            }};
}

std::vector<StoreKind> storeKinds()
{
#ifdef _WIN32
    return {{"Windows", [] { return StoreMaker([] { return std::make_unique<WindowsRegistryStore>(); }); }},
            historyOver([] { return std::make_unique<WindowsRegistryStore>(); })};
#else
    static test::TempPrefix prefix;
    static test::TempPrefix underOverlay;
    static test::TempPrefix underHistory;
    return {historyOver([] { return std::make_unique<WinePrefixStore>(underHistory.path()); }),
            {"WinePrefix", [] { return StoreMaker([] { return std::make_unique<WinePrefixStore>(prefix.path()); }); }},
            {"Overlay",
             [] {
                 std::shared_ptr<RegistryStore> overlay = overlayOnStoredKeys(underOverlay.path());
                 return StoreMaker([overlay] { return std::make_unique<SharedStore>(overlay); });
             },
             false}};
#endif
}

INSTANTIATE_TEST_SUITE_P(Stores, RegistryContract, ::testing::ValuesIn(storeKinds()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace orvane
