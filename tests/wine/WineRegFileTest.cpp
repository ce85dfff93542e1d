// Reading and writing Wine's user.reg text: every syntax Wine 8 writes, and
// nothing changed that Orvane did not change.
#include "registry/RegistryErrors.h"
#include "files/TextEncoding.h"
#include "wine/WineRegExcerpt.h"
#include "wine/WineRegFile.h"
#include "wine/WineValueCodec.h"
#include "tests/support/TempPrefix.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

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
    "\n"
    "[Software\\\\Wine\\\\Link] 1796739014\n"
    "#time=1dd871dd88b9ec6\n"
    "#link\n"
    "\"SymbolicLinkValue\"=hex(6):5c,00,52,00\n"
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
    EXPECT_EQ(file.keyCount(), 4u);

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

void expectUnreadable(const std::string& content, const std::string& lineWanted)
{
    try {
        WineRegFile::parse(content, "/p/user.reg");
        ADD_FAILURE() << "accepted: " << content;
    } catch (const RegistryStoreError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("/p/user.reg"), std::string::npos) << message;
        EXPECT_NE(message.find(lineWanted), std::string::npos) << message;
    }
}

// Read for Orvane's own tree, the file carries every other block as it
// stands, whatever it holds: an odd line there refuses nothing until that
// key itself is asked for. A line Orvane cannot read in its own tree is
// refused as before.
TEST(WineRegFile, OtherProgramsBlocksAreCarriedByteForByteAndReadOnlyWhenAskedFor)
{
    constexpr std::string_view Own[] = {"Software\\Blizzard Entertainment\\Warcraft III"};
    const std::string others = "[Software\\\\Odd] 1\n"
                               "garbage line\n"
                               "\"x\"=hex:00,\\\n"
                               "  [not a key\n"
                               "\"bytes\"=\"\xff\xfe\x01\"\n"
                               "[Software\\\\Odd] 2\n"
                               "\"y\"=dword:zz\n"
                               "\n";
    const std::string video = "Software\\Blizzard Entertainment\\Warcraft III\\Video";
    const std::string game = "[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Video] 1\n\"gamma\"=dword:00000019\n\n";
    WineRegFile file = WineRegFile::parse(FileText(std::string(WineHeader) + others + game), "user.reg", Own);
    EXPECT_EQ(file.queryValue(video, "gamma")->data[0], 0x19);
    file.setValue(video, "gamma", RegValue{REG_DWORD_TYPE, {0x1e, 0, 0, 0}});
    file.setValue("Software\\Orvane", "opengl", RegValue{REG_DWORD_TYPE, {1, 0, 0, 0}});
    const std::string written = file.serialize();
    EXPECT_TRUE(written.starts_with(std::string(WineHeader) + others)) << written;
    EXPECT_NE(written.find("\"gamma\"=dword:0000001e"), std::string::npos);
    EXPECT_TRUE(file.keyExists("Software\\Odd"));
    try {
        file.valueNames("Software\\Odd");
        ADD_FAILURE() << "the odd key was read";
    } catch (const RegistryStoreError& error) {
        EXPECT_NE(std::string(error.what()).find("line 6: a line Orvane does not understand"), std::string::npos)
            << error.what();
    }
    EXPECT_THROW(WineRegFile::parse(FileText(std::string(WineHeader) + game + "garbage\n"), "user.reg", Own),
                 RegistryStoreError);
}

// Read for the trees alone, the file streams through a small buffer: at
// every buffer size the trees' blocks and the header are kept whole and
// nothing else, whatever lies at the buffer's edge. What only the whole
// file can tell is left to reading it whole.
TEST(WineRegFile, TheTreesExcerptKeepsTheirBlocksAtEveryBufferSize)
{
    constexpr std::string_view Own[] = {"Software\\Blizzard Entertainment\\Warcraft III", "Software\\Orvane"};
    const std::string gameplay = "[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Gameplay] 1\n"
                                 "\"keyscroll\"=dword:00000032\n\n";
    const std::string orvane = " \t[software\\\\ORVANE] 2\r\n\"opengl\"=dword:00000001\r\n";
    const std::string others = "[Software\\\\Blizzard Entertainment\\\\Warcraft III Demo] 1\n"
                               "\"x\"=\"" + std::string(300, 'y') + "\"\n"
                               "   \n"
                               "  \t [Software\\\\Classes\\\\.txt] 3\n"
                               "\"[no key\"=hex:00,\\\n  [01\n\n";
    const std::string text = std::string(WineHeader) + "\n" + others + gameplay + others + orvane + others;
    const auto excerptOf = [&](std::string_view content, size_t size, size_t chunk) {
        const int fd = ::memfd_create("user.reg", 0);
        EXPECT_EQ(::write(fd, content.data(), content.size()), static_cast<ssize_t>(content.size()));
        ::lseek(fd, 0, SEEK_SET);
        std::optional<std::string> excerpt = treesExcerpt(fd, size, Own, chunk);
        ::close(fd);
        return excerpt;
    };
    const std::string expected = std::string(WineHeader) + "\n" + gameplay + orvane;
    for (size_t chunk = 1; chunk <= text.size() + 1; ++chunk)
        ASSERT_EQ(excerptOf(text, text.size(), chunk), expected) << "a buffer of " << chunk << " bytes";

    EXPECT_EQ(excerptOf(text, text.size() + 1, 64), std::nullopt) << "shorter than its size said";
    for (const std::string& end : {"[Software\\\\Other] 1\n\"x\"=\"\0\"\n"s, "[Software\\\\Other] 1\n\"x\"=\"ab"s,
                                   "[Software\\\\Other] 1\n\"x\"=hex:00,\\\r\n"s}) {
        const std::string refused = text + end;
        EXPECT_EQ(excerptOf(refused, refused.size(), 64), std::nullopt) << end;
    }

    // A file that grows while it is read is read a byte past its size, and no further.
    const int grown = ::memfd_create("user.reg", 0);
    ASSERT_EQ(::write(grown, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    ::lseek(grown, 0, SEEK_SET);
    EXPECT_EQ(treesExcerpt(grown, 100, Own, 64), std::nullopt);
    EXPECT_EQ(::lseek(grown, 0, SEEK_CUR), 101);
    ::close(grown);
}

TEST(WineRegFile, RefusesWhatItCannotRead)
{
    expectUnreadable("", "line 1: the file is empty");
    expectUnreadable("REGEDIT4\n[A]\n", "line 1: this is not a Wine registry file");
    expectUnreadable("WINE REGISTRY Version 3\n", "line 1");
    expectUnreadable(std::string(WineHeader) + "[A] 1\n\"x\"=\"abc\n", "line 6: the text is not closed");
    // Cut short: Wine always ends the file after a complete line.
    const std::string cutShort = "the file ends in the middle of a line, so it may have been cut short";
    expectUnreadable(std::string(WineHeader) + "[A] 1\n\"x\"=\"abc", "line 6: " + cutShort);
    expectUnreadable(std::string(WineHeader) + "[A] 1\n\"x\"=hex:00,01,\\\n", "line 6: " + cutShort);
    expectUnreadable(std::string(WineHeader) + "[Software\\\\Bliz", "line 5: " + cutShort);
    expectUnreadable(std::string(WineHeader) + "[A] 1\n\"x\"=dword:00000001", "line 6: " + cutShort);
    expectUnreadable(std::string(WineHeader) + "[A] 1\n\"x\"=dword:zz\n", "line 6: bad dword data");
    expectUnreadable(std::string(WineHeader) + "[A] 1\n\"x\"=hex:0g\n", "line 6: bad hex data");
    expectUnreadable(std::string(WineHeader) + "\"x\"=dword:00000001\n", "line 5: a value before the first key");
    expectUnreadable(std::string(WineHeader) + "[A] 1\ngarbage\n", "line 6: a line Orvane does not understand");
    expectUnreadable(std::string(WineHeader) + "[A] 1\n\"x\"=\"a\"\x00\x01\x02\n"s, "line 6: the file holds binary data");
}

} // namespace
} // namespace orvane
