// Reading and writing Wine's user.reg text: every syntax Wine 8 writes, and
// nothing changed that Orvane did not change.
#include "registry/RegistryErrors.h"
#include "files/TextEncoding.h"
#include "wine/WineRegFile.h"
#include "wine/WineValueCodec.h"
#include "tests/support/TempPrefix.h"

#include <gtest/gtest.h>

#include <span>


using namespace std::string_literals;

namespace orvane {
namespace {

using test::WineHeader;

const std::string Sample = std::string(WineHeader) +
    "\n"
    "[Software\\\\Blizzard Entertainment\\\\Warcraft III] 1796739014\n"
    "#time=1dd871dd88b947e\n"
    "\"Allow Local Files\"=dword:00000000\n"
    "\"InstallPath\"=\"C:\\\\Program Files\\\\Warcraft III\"\n"
    "\n"
    "[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\String] 1796739014\n"
    "#time=1dd871dd88b9ec4\n"
    "\"userbnet\"=\"J\\xfcrgen \\\"x\\\" \\\\y\"\n"
    "\"userlocal\"=\"\\x6f22\\x5b57a\\0b\\tc\"\n"
    "\n"
    "[Software\\\\Wine\\\\Fonts] 1796739014\n"
    "#time=1dd871dd88b9ec5\n"
    "#class=\"Font class\"\n"
    "@=\"default text\"\n"
    "\"Expand\"=str(2):\"%SystemRoot%\\\\fonts\"\n"
    "\"Multi\"=str(7):\"one\\0two\\0\"\n"
    "\"Blob\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,\\\n"
    "  17,18,19,1a,1b,1c,1d,1e,1f\n"
    "\"QWord\"=hex(b):2a,00,00,00,00,00,00,00\n"
    "\"Empty\"=hex:\n"
    "\n";

std::u16string textOf(const RegValue& value)
{
    return utf16leUnits(value.data);
}

WineRegFile parseSample()
{
    return WineRegFile::parse(Sample, "user.reg");
}

TEST(WineRegFile, ReadsEverySyntaxThatWineWrites)
{
    const WineRegFile file = parseSample();
    EXPECT_EQ(file.keyCount(), 3u);

    auto userbnet = file.queryValue("Software\\Blizzard Entertainment\\Warcraft III\\String", "userbnet");
    ASSERT_TRUE(userbnet);
    EXPECT_EQ(userbnet->type, REG_SZ_TYPE);
    EXPECT_EQ(textOf(*userbnet), std::u16string(u"J\u00fcrgen \"x\" \\y") + u'\0');

    // \x takes up to four hex digits; a fifth is an ordinary character.
    auto userlocal = file.queryValue("Software\\Blizzard Entertainment\\Warcraft III\\String", "userlocal");
    ASSERT_TRUE(userlocal);
    EXPECT_EQ(textOf(*userlocal), std::u16string(u"\u6f22\u5b57a\0b\tc\0", 8));

    const std::string fonts = "Software\\Wine\\Fonts";
    EXPECT_EQ(textOf(*file.queryValue(fonts, "")), std::u16string(u"default text") + u'\0');
    EXPECT_EQ(file.queryValue(fonts, "expand")->type, REG_EXPAND_SZ_TYPE);
    EXPECT_EQ(file.queryValue(fonts, "Multi")->type, REG_MULTI_SZ_TYPE);
    EXPECT_EQ(textOf(*file.queryValue(fonts, "Multi")), std::u16string(u"one\0two\0\0", 9));
    const auto blob = file.queryValue(fonts, "Blob");
    ASSERT_EQ(blob->data.size(), 32u);
    EXPECT_EQ(blob->data[31], 0x1f);
    EXPECT_EQ(blob->type, REG_BINARY_TYPE);
    EXPECT_EQ(file.queryValue(fonts, "QWord")->type, 0xbu);
    EXPECT_TRUE(file.queryValue(fonts, "Empty")->data.empty());
    EXPECT_EQ(file.queryValue("Software\\Blizzard Entertainment\\Warcraft III", "allow local files")->data,
              (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST(WineRegFile, ParentsOfWrittenKeysExistImplicitly)
{
    const WineRegFile file = parseSample();
    EXPECT_TRUE(file.keyExists("Software"));
    EXPECT_TRUE(file.keyExists("software\\blizzard entertainment"));
    EXPECT_TRUE(file.keyExists(""));
    EXPECT_FALSE(file.keyExists("Software\\Blizzard"));
    EXPECT_TRUE(file.valueNames("Software\\Blizzard Entertainment").empty());
}

TEST(WineRegFile, UnchangedFileIsWrittenBackByteForByte)
{
    EXPECT_EQ(parseSample().serialize(), Sample);
    const std::string crlf = std::string(WineHeader) + "[A] 1\r\n\"x\"=dword:00000001\r\n";
    EXPECT_EQ(WineRegFile::parse(crlf, "user.reg").serialize(), crlf);
}

TEST(WineRegFile, ChangingOneValueRewritesOnlyItsLine)
{
    WineRegFile file = parseSample();
    file.setValue("Software\\Blizzard Entertainment\\Warcraft III", "ALLOW LOCAL FILES",
                  RegValue{REG_DWORD_TYPE, {1, 0, 0, 0}});
    std::string expected = Sample;
    const std::string oldLine = "\"Allow Local Files\"=dword:00000000";
    expected.replace(expected.find(oldLine), oldLine.size(), "\"Allow Local Files\"=dword:00000001");
    EXPECT_EQ(file.serialize(), expected);
}

TEST(WineRegFile, NewValuesFollowTheKeysLastValue)
{
    WineRegFile file = parseSample();
    file.setValue("Software\\Blizzard Entertainment\\Warcraft III\\String", "zeta", RegValue{REG_DWORD_TYPE, {5, 0, 0, 0}});
    const std::string text = file.serialize();
    EXPECT_NE(text.find("\"userlocal\"=\"\\x6f22\\x5b57a\\0b\\tc\"\n\"zeta\"=dword:00000005\n\n[Software\\\\Wine"),
              std::string::npos);
    const auto names = file.valueNames("Software\\Blizzard Entertainment\\Warcraft III\\String");
    EXPECT_EQ(names, (std::vector<std::string>{"userbnet", "userlocal", "zeta"}));
}

TEST(WineRegFile, NewKeysAreWrittenInWinesBlockFormat)
{
    WineRegFile file = parseSample();
    file.createKey("Software\\Orvane\\BnetUsers");
    file.setValue("Software\\Orvane", "startparams", RegValue{REG_SZ_TYPE, {'-', 0, 'w', 0, 0, 0}});
    const std::string text = file.serialize();
    EXPECT_EQ(text.substr(0, Sample.size()), Sample);
    const std::string added = text.substr(Sample.size());
    EXPECT_TRUE(added.starts_with("[Software\\\\Orvane\\\\BnetUsers] ")) << added;
    EXPECT_NE(added.find("\n#time="), std::string::npos);
    EXPECT_NE(added.find("[Software\\\\Orvane] "), std::string::npos);
    EXPECT_NE(added.find("\"startparams\"=\"-w\"\n"), std::string::npos);
    // And Orvane reads back what it wrote.
    const WineRegFile again = WineRegFile::parse(text, "user.reg");
    EXPECT_TRUE(again.keyExists("Software\\Orvane\\BnetUsers"));
    EXPECT_EQ(again.queryValue("Software\\Orvane", "startparams")->data, (std::vector<uint8_t>{'-', 0, 'w', 0, 0, 0}));
}

TEST(WineRegFile, WritesValuesAsWineDoes)
{
    EXPECT_EQ(formatWineValue("n", RegValue{REG_DWORD_TYPE, {0x2a, 0, 0, 0}}), "\"n\"=dword:0000002a\n");
    const std::u16string text = utf8ToUtf16("Jürgen \"x\" \\y\t漢a");
    RegValue sz{REG_SZ_TYPE, utf16leBytes(text + u'\0')};
    EXPECT_EQ(formatWineValue("", sz), "@=\"J\\xfcrgen \\\"x\\\" \\\\y\\t\\x6f22a\"\n");
    sz.type = REG_EXPAND_SZ_TYPE;
    EXPECT_TRUE(formatWineValue("e", sz).starts_with("\"e\"=str(2):\""));
    RegValue blob{REG_BINARY_TYPE, std::vector<uint8_t>(40, 0xab)};
    const std::string wrapped = formatWineValue("Blob", blob);
    EXPECT_NE(wrapped.find(",\\\n  ab"), std::string::npos);
    const WineRegFile reread = WineRegFile::parse(std::string(WineHeader) + "[K] 1\n" + wrapped, "user.reg");
    EXPECT_EQ(reread.queryValue("K", "blob"), blob);
}

// Each escape the writer makes, beside every character the reader could
// take as more of it, reads back as the text written.
TEST(WineRegFile, EveryEscapeTheWriterMakesReadsBackAsTheTextWritten)
{
    const std::u16string units{0,    1,    7,    8,    0x1b,  0x1f,   u'"',   u'\\', u']',
                               0x7f, 0x80, 0xe9, 0xff, 0x100, 0xfff, 0x1000, 0x6f22, 0xffff};
    const std::u16string nexts{u'0', u'1', u'7', u'8', u'9', u'a', u'f', u'A', u'F', u'g', u'x', u'\\', 0xe9, 1};
    const auto roundTrip = [](const std::u16string& text) {
        const RegValue value{REG_SZ_TYPE, utf16leBytes(text + u'\0')};
        const std::string line = formatWineValue("v", value);
        const WineRegFile file = WineRegFile::parse(std::string(WineHeader) + "[K] 1\n" + line, "user.reg");
        EXPECT_EQ(file.queryValue("K", "v"), value) << line;
    };
    for (const char16_t unit : units) {
        roundTrip({unit});
        for (const char16_t next : nexts)
            roundTrip({unit, next});
    }
    // Wine's own octal escape takes up to three digits.
    const WineRegFile file = WineRegFile::parse(std::string(WineHeader) + "[K] 1\n\"o\"=\"\\101\\0011\\18\"\n", "user.reg");
    EXPECT_EQ(textOf(*file.queryValue("K", "o")), std::u16string(u"A\x01" u"1\x01" u"8") + u'\0');
}

TEST(WineRegFile, DeletingATreeKeepsItsParent)
{
    WineRegFile file = WineRegFile::parse(std::string(WineHeader) + "[A\\\\B\\\\C] 1\n\"v\"=dword:00000001\n\n"
                                                                    "[A\\\\B\\\\C\\\\D] 1\n\n[A\\\\BB] 1\n\n",
                                          "user.reg");
    EXPECT_TRUE(file.deleteTree("a\\b\\c"));
    EXPECT_FALSE(file.keyExists("A\\B\\C\\D"));
    EXPECT_FALSE(file.keyExists("A\\B\\C"));
    EXPECT_TRUE(file.keyExists("A\\B"));
    EXPECT_TRUE(file.keyExists("A\\BB"));
    EXPECT_TRUE(WineRegFile::parse(file.serialize(), "user.reg").keyExists("A\\B"));
    EXPECT_FALSE(file.deleteTree("A\\B\\C"));
}

TEST(WineRegFile, ReadsDuplicatesAsWineDoesAndWritesTheOneWineReads)
{
    // A key block twice, and a value name twice within a block.
    const std::string twice = std::string(WineHeader) +
                              "[A] 1\n\"x\"=dword:00000001\n\"only\"=dword:00000005\n\n"
                              "[a] 2\n\"X\"=dword:00000002\n\"x\"=dword:00000003\n\n";
    WineRegFile file = WineRegFile::parse(twice, "user.reg");
    EXPECT_EQ(file.queryValue("A", "x")->data[0], 3);
    EXPECT_EQ(file.queryValue("A", "only")->data[0], 5);
    EXPECT_EQ(file.valueNames("A"), (std::vector<std::string>{"x", "only"}));

    file.setValue("A", "x", RegValue{REG_DWORD_TYPE, {9, 0, 0, 0}});
    const std::string written = file.serialize();
    EXPECT_NE(written.find("\"X\"=dword:00000002\n\"x\"=dword:00000009\n"), std::string::npos) << written;
    EXPECT_EQ(WineRegFile::parse(written, "user.reg").queryValue("A", "x")->data[0], 9);

    // Deleting removes every copy, or Wine would read an earlier one.
    EXPECT_TRUE(file.deleteValue("a", "X"));
    EXPECT_FALSE(file.hasValue("A", "x"));
    EXPECT_FALSE(WineRegFile::parse(file.serialize(), "user.reg").hasValue("A", "x"));
    EXPECT_TRUE(file.hasValue("A", "only"));
}

TEST(WineRegFile, NewLinesTakeTheFilesOwnLineEnds)
{
    const std::string crlf = "WINE REGISTRY Version 2\r\n\r\n[A] 1\r\n\"x\"=dword:00000001\r\n\r\n";
    WineRegFile file = WineRegFile::parse(crlf, "user.reg");
    file.setValue("A", "y", RegValue{REG_BINARY_TYPE, std::vector<uint8_t>(40, 1)});
    file.setValue("B\\C", "z", RegValue{REG_DWORD_TYPE, {1, 0, 0, 0}});
    const std::string written = file.serialize();
    for (size_t at = written.find('\n'); at != std::string::npos; at = written.find('\n', at + 1))
        ASSERT_EQ(written[at - 1], '\r') << written;
    EXPECT_TRUE(WineRegFile::parse(written, "user.reg").keyExists("B\\C"));
}

TEST(WineRegFile, AfterASaveTheSavedTextIsTheFilesOwnAndReadsTheSame)
{
    WineRegFile file = parseSample();
    EXPECT_TRUE(file.matchesText());
    const std::string fonts = "Software\\Wine\\Fonts";
    file.setValue(fonts, "", RegValue{REG_SZ_TYPE, {'n', 0, 0, 0}});
    file.setValue(fonts, "Blob", RegValue{REG_DWORD_TYPE, {1, 0, 0, 0}});
    file.setValue("Software\\Orvane", "new", RegValue{REG_DWORD_TYPE, {2, 0, 0, 0}});
    EXPECT_FALSE(file.matchesText());

    const std::string saved = file.serialize();
    file.rebase(file.serializedText());
    EXPECT_TRUE(file.matchesText());
    EXPECT_EQ(file.serialize(), saved);
    EXPECT_EQ(file.queryValue(fonts, "")->data, (std::vector<uint8_t>{'n', 0, 0, 0}));
    EXPECT_EQ(file.queryValue(fonts, "blob")->type, REG_DWORD_TYPE);
    EXPECT_EQ(file.queryValue(fonts, "Expand")->type, REG_EXPAND_SZ_TYPE);
    EXPECT_EQ(file.queryValue("Software\\Blizzard Entertainment\\Warcraft III\\String", "userbnet")->data.size(), 28u);
    EXPECT_EQ(file.queryValue("Software\\Orvane", "NEW")->data[0], 2);

    // Writing a value as it already is changes nothing.
    file.setValue(fonts, "Expand", *file.queryValue(fonts, "Expand"));
    EXPECT_TRUE(file.matchesText());
    file.deleteValue(fonts, "Multi");
    EXPECT_FALSE(file.matchesText());
}

void expectUnreadable(const std::string& content, const std::string& lineWanted,
                      std::span<const std::string_view> trees = {})
{
    try {
        WineRegFile::parse(FileText(content), "/p/user.reg", trees);
        ADD_FAILURE() << "accepted: " << content;
    } catch (const RegistryStoreError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("/p/user.reg"), std::string::npos) << message;
        EXPECT_NE(message.find(lineWanted), std::string::npos) << message;
    }
}

constexpr std::string_view Own[] = {"Software\\Blizzard Entertainment\\Warcraft III"};

// Read for Orvane's own tree, the file carries every other block as it
// stands, and reads it as Wine does when asked for it: lines Wine ignores
// are ignored, and a line another value continues onto is no key line.
TEST(WineRegFile, OtherProgramsBlocksAreCarriedByteForByteAndReadAsWineReadsThem)
{
    const std::string others = "[Software\\\\Odd] 1\n"
                               "garbage line\n"
                               "\"x\"=hex:00,\\\n"
                               "[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Video] 1\n"
                               "\"bytes\"=\"\xff\xfe\x01\"\n"
                               "[Software\\\\Odd] 2\n"
                               "\"y\"=dword:zz\n"
                               "\n";
    const std::string video = "Software\\Blizzard Entertainment\\Warcraft III\\Video";
    const std::string game = "[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Video] 1\n\"gamma\"=dword:00000019\n\n";
    WineRegFile file = WineRegFile::parse(FileText(std::string(WineHeader) + others + game), "user.reg", Own);
    EXPECT_EQ(file.queryValue(video, "gamma")->data[0], 0x19);
    EXPECT_FALSE(file.hasValue(video, "bytes"));
    file.setValue(video, "gamma", RegValue{REG_DWORD_TYPE, {0x1e, 0, 0, 0}});
    file.setValue("Software\\Orvane", "opengl", RegValue{REG_DWORD_TYPE, {1, 0, 0, 0}});
    const std::string written = file.serialize();
    EXPECT_TRUE(written.starts_with(std::string(WineHeader) + others)) << written;
    EXPECT_NE(written.find("\"gamma\"=dword:0000001e"), std::string::npos);
    EXPECT_EQ(file.valueNames("Software\\Odd"), (std::vector<std::string>{"x", "bytes", "y"}));
    EXPECT_EQ(file.queryValue("Software\\Odd", "x"), (RegValue{REG_NONE_TYPE, {}}));
    // Bytes that are no UTF-8 are dropped.
    EXPECT_EQ(file.queryValue("Software\\Odd", "bytes"), (RegValue{REG_SZ_TYPE, {1, 0, 0, 0}}));
    EXPECT_EQ(file.queryValue("Software\\Odd", "y"), (RegValue{REG_DWORD_TYPE, {0, 0, 0, 0}}));
}

// A write lands on the line Wine reads for the value, though another
// value's hex data swallowed a key line before it, and leaves every other
// byte as it was.
TEST(WineRegFile, AWriteChangesTheLineWineReads)
{
    const std::string head = std::string(WineHeader) + "\n"
                             "[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Gameplay] 1\n"
                             "\"keyscroll\"=dword:00000032\n";
    const std::string tail = "\n[Software\\\\Other] 1\n"
                             "\"bin\"=hex:00,01,\\\n"
                             "[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Gameplay] 1\n"
                             "\"keyscroll\"=dword:00000007\n";
    const std::string gameplay = "Software\\Blizzard Entertainment\\Warcraft III\\Gameplay";
    WineRegFile file = WineRegFile::parse(FileText(head + tail), "user.reg", Own);
    file.setValue(gameplay, "keyscroll", RegValue{REG_DWORD_TYPE, {9, 0, 0, 0}});
    file.setValue(gameplay, "mousescroll", RegValue{REG_DWORD_TYPE, {8, 0, 0, 0}});
    EXPECT_EQ(file.serialize(), std::string(WineHeader) + "\n"
                                "[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Gameplay] 1\n"
                                "\"keyscroll\"=dword:00000009\n"
                                "\"mousescroll\"=dword:00000008\n" + tail);

    // The swallowed key line is part of the value Wine reads: writing that
    // value replaces it, and the lines after it stay in the same key.
    const std::string swallowing = std::string(WineHeader) + "[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Video] 1\n"
                                   "\"bin\"=hex:00,\\\n"
                                   "[Software\\\\Other] 1\n"
                                   "\"gamma\"=dword:00000005\n";
    const std::string video = "Software\\Blizzard Entertainment\\Warcraft III\\Video";
    file = WineRegFile::parse(FileText(swallowing), "user.reg", Own);
    file.setValue(video, "bin", RegValue{REG_BINARY_TYPE, {1}});
    file.setValue(video, "gamma", RegValue{REG_DWORD_TYPE, {6, 0, 0, 0}});
    EXPECT_EQ(file.serialize(), std::string(WineHeader) + "[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Video] 1\n"
                                "\"bin\"=hex:01\n"
                                "\"gamma\"=dword:00000006\n");
}

TEST(WineRegFile, RefusesWhatItCannotRead)
{
    expectUnreadable("", "line 1: the file is empty");
    expectUnreadable("REGEDIT4\n[A]\n", "line 1: this is not a Wine registry file");
    expectUnreadable("WINE REGISTRY Version 3\n", "line 1");
    // Cut short: Wine always ends the file after a complete line.
    const std::string cutShort = "the file ends in the middle of a line, so it may have been cut short";
    expectUnreadable(std::string(WineHeader) + "[A] 1\n\"x\"=\"abc", "line 6: " + cutShort);
    expectUnreadable(std::string(WineHeader) + "[Software\\\\Bliz", "line 5: " + cutShort);
    expectUnreadable(std::string(WineHeader) + "[A] 1\n\"x\"=dword:00000001", "line 6: " + cutShort);
    expectUnreadable(std::string(WineHeader) + "[A] 1\n\"x\"=hex:00,01,\\ ...\n",
                     "line 6: the file ends where a value's hex data goes on to a next line");
    expectUnreadable(std::string(WineHeader) + "[A] 1\n\"x\"=\"a\"\x00\x01\x02\n"s, "line 6: the file holds binary data");
    // Where Wine stops reading the file, or looks for a key elsewhere.
    expectUnreadable(std::string(WineHeader) + "#arch=win32\n", "line 5: a second architecture");
    expectUnreadable(std::string(WineHeader) + "[A\n#arch=x86\n", "line 6: an architecture that Wine does not know");
    const std::string link = "line 6: a symbolic link (#link) on a key that Orvane reads, or above one";
    expectUnreadable(std::string(WineHeader) + "[Software\\\\Blizzard Entertainment] 1\n #link\n", link, Own);
    expectUnreadable(std::string(WineHeader) + "[A] 1\n#link\n", link);
    expectUnreadable(std::string(WineHeader) + "[A] 1\n#link\n\n[a\\\\\\\\B] 1\n", "line 8: a key at or below a symbolic link",
                     Own);
}

} // namespace
} // namespace orvane
