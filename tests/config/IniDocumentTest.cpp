// The INI text rules: reading, looking up, the value kinds, changing and
// writing, and what other encodings become.
#include "config/IniDocument.h"
#include "config/TextFiles.h"
#include "files/Errors.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

namespace orvane {
namespace {

TEST(IniReading, LinesAreCutAtEveryLineEndTrimmedAndCommentsDropped)
{
    const IniDocument doc = IniDocument::parse("before=x\r\n[ A ]\r\n  k1 = v1 \rk2=v2\n; note\n\n\tplain line\t\r\n[B]\nk=1");
    ASSERT_EQ(doc.sections().size(), 2u);
    EXPECT_EQ(doc.sections()[0].name, "A");
    EXPECT_EQ(doc.sections()[0].lines, (std::vector<std::string>{"k1=v1", "k2=v2", "plain line"}));
    EXPECT_EQ(doc.readString("b", "K", "none"), "1");
}

TEST(IniReading, ANulEndsTheText)
{
    const IniDocument doc = IniDocument::parse(std::string("[A]\nk=v\0[B]\nx=y\n", 17));
    EXPECT_EQ(doc.sections().size(), 1u);
    EXPECT_EQ(doc.readString("A", "k", ""), "v");
}

TEST(IniLookup, TheLaterSectionAndTheLaterKeyAreFoundWithoutRegardToCase)
{
    const IniDocument doc = IniDocument::parse("[S]\nk=first\nK=second\n[s]\nother=1\n");
    EXPECT_EQ(doc.sections().size(), 2u); // not merged
    EXPECT_EQ(doc.readString("S", "k", "default"), "default"); // the later section has no such key
    EXPECT_EQ(doc.readString("S", "other", ""), "1");
    const IniDocument keys = IniDocument::parse("[Sound]\nUnits=0\nunits=1\n");
    EXPECT_EQ(keys.readInteger("sound", "UNITS", 7), 1);
}

TEST(IniValues, TextKeepsEverythingAfterTheFirstEqualsAndAnEmptyValueIsNoDefault)
{
    const IniDocument doc = IniDocument::parse("[S]\npath= C:\\a=b \nempty=\n");
    EXPECT_EQ(doc.readString("S", "path", ""), "C:\\a=b");
    EXPECT_EQ(doc.readString("S", "empty", "default"), "");
    EXPECT_EQ(doc.readString("S", "missing", "default"), "default");
    EXPECT_EQ(doc.readString("Missing", "path", "default"), "default");
}

TEST(IniValues, IntegersInDecimalAndHexadecimalElseTheDefault)
{
    const IniDocument doc = IniDocument::parse(
        "[N]\na=42\nb=-7\nc=+5\nd=0x1F\ne=$FFFFFFFF\nf=X10\ng=0x123456789\nh=2147483648\ni=12a\nj=\nk=+-1\nl= 3\n");
    EXPECT_EQ(doc.readInteger("N", "a", 0), 42);
    EXPECT_EQ(doc.readInteger("N", "b", 0), -7);
    EXPECT_EQ(doc.readInteger("N", "c", 0), 5);
    EXPECT_EQ(doc.readInteger("N", "d", 0), 31);
    EXPECT_EQ(doc.readInteger("N", "e", 0), -1); // the 32-bit pattern
    EXPECT_EQ(doc.readInteger("N", "f", 0), 16);
    for (const char* key : {"g", "h", "i", "j", "k", "missing"})
        EXPECT_EQ(doc.readInteger("N", key, 99), 99) << key;
    EXPECT_EQ(doc.readInteger("N", "l", 0), 3); // trimmed on reading
}

TEST(IniValues, BooleansAreAnyNumberButZero)
{
    const IniDocument doc = IniDocument::parse("[V]\nzero=0\ntwo=2\nword=yes\n");
    EXPECT_FALSE(doc.readBool("V", "zero", true));
    EXPECT_TRUE(doc.readBool("V", "two", false));
    EXPECT_TRUE(doc.readBool("V", "word", true));
    EXPECT_FALSE(doc.readBool("V", "word", false));
}

TEST(IniWriting, KeysAreReplacedInPlaceOrAddedAtTheEndAndSectionsAfterTheLast)
{
    IniDocument doc = IniDocument::parse("; gone\nloose\n[A]\nx = 1\ny=2\nline without\n\n[B]\n");
    doc.writeString("a", "X", "10");
    doc.writeInteger("A", "z", -3);
    doc.writeBool("C", "flag", true);
    EXPECT_EQ(doc.serialize(), "[A]\r\nX=10\r\ny=2\r\nline without\r\nz=-3\r\n\r\n[B]\r\n\r\n[C]\r\nflag=1\r\n\r\n");
}

TEST(IniEncodings, Utf8Windows1252AndUtf16AllReadAsTheSameText)
{
    const std::string utf8 = "[String]\nuserbnet=J\xC3\xBCrgen\n";
    const std::string latin = "[String]\nuserbnet=J\xFCrgen\n";
    const std::string bom = "\xEF\xBB\xBF" + utf8;
    std::string utf16 = "\xFF\xFE";
    for (char16_t unit : std::u16string(u"[String]\nuserbnet=J\u00FCrgen\n"))
        utf16 += std::string{static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    for (const std::string& bytes : {utf8, latin, bom, utf16})
        EXPECT_EQ(IniDocument::parse(bytes).readString("String", "userbnet", ""), "J\xC3\xBCrgen");
    EXPECT_EQ(IniDocument::parse("[S]\nk=\x80\n").readString("S", "k", ""), "\xE2\x82\xAC"); // the euro sign
    EXPECT_TRUE(looksLikeText(utf16));
    EXPECT_TRUE(looksLikeText(latin));
    EXPECT_FALSE(looksLikeText(std::string("W3\0\x01\x02", 5)));
    // Reading trims control characters at a line's ends: a file that ends
    // with Ctrl+Z, as DOS editors end text, is text; one inside a line is not.
    const std::string dos = "[Video]\r\ngamma=40\r\n\x1A";
    EXPECT_TRUE(looksLikeText(dos));
    EXPECT_EQ(IniDocument::parse(dos).readInteger("Video", "gamma", 0), 40);
    EXPECT_TRUE(looksLikeText("[Video]\x1A\ngamma=40\x1B\n"));
    EXPECT_FALSE(looksLikeText("[Video]\ngam\x1A" "ma=40\n"));
}

TEST(IniEncodings, AFileIsDecodedAsOneEncodingAndWrittenBackInIt)
{
    // A byte order mark and one byte that is not UTF-8: the whole file is
    // Windows-1252, and the bytes it was read from come back as they were.
    const std::string marked = "\xEF\xBB\xBF[String]\r\nwho=J\xC3\xB6rg\r\nbad=\xFF\r\n\r\n";
    const IniDocument document = IniDocument::parse(marked);
    EXPECT_EQ(document.encoding(), (FileEncoding{Charset::Windows1252, true}));
    EXPECT_EQ(encodeText(document.serialize(), document.encoding()), marked);
    // Read, written and read again: the same text, whatever it was read as.
    for (const std::string& bytes : {marked, std::string("[S]\nk=J\xFCrgen\n"), std::string("\xFF\xFE[\0S\0]\0")}) {
        const DecodedText first = decodeText(bytes);
        EXPECT_EQ(decodeText(encodeText(first.text, first.encoding)).text, first.text);
    }
}

TEST(IniEncodings, ATextWindows1252CannotHoldIsWrittenAsMarkedUtf8)
{
    IniDocument document = IniDocument::parse("[Campaign]\r\nPlayerName=J\xF6rg\r\n");
    EXPECT_EQ(encodeText(document.serialize(), document.encoding()), "[Campaign]\r\nPlayerName=J\xF6rg\r\n\r\n");
    document.writeString("Campaign", "PlayerName", "\xC5\x81ukasz"); // Łukasz
    const std::string written = encodeText(document.serialize(), document.encoding());
    EXPECT_EQ(written, "\xEF\xBB\xBF[Campaign]\r\nPlayerName=\xC5\x81ukasz\r\n\r\n");
    EXPECT_EQ(IniDocument::parse(written).readString("Campaign", "PlayerName", ""), "\xC5\x81ukasz");
    // The euro sign has a Windows-1252 byte of its own.
    document.writeString("Campaign", "PlayerName", "\xE2\x82\xAC");
    EXPECT_EQ(encodeText(document.serialize(), document.encoding()), "[Campaign]\r\nPlayerName=\x80\r\n\r\n");
}

TEST(IniWriting, AValueWithALineBreakIsRefusedAndTheDocumentKeepsItsValue)
{
    IniDocument document = IniDocument::parse("[Misc]\nstartparams=-window\n");
    for (const char* broken : {"-window\n[Video]\ngamma=99", "a\rb"}) {
        try {
            document.writeString("Misc", "startparams", broken);
            ADD_FAILURE() << "accepted a line break";
        } catch (const OrvaneError& error) {
            EXPECT_NE(std::string(error.what()).find("\"startparams\""), std::string::npos) << error.what();
        }
    }
    EXPECT_EQ(document.readString("Misc", "startparams", ""), "-window");
}

// Random documents and random bytes: whatever is read writes back to text
// that reads as the same document.
TEST(IniFuzz, ReadWriteReadGivesTheSameDocument)
{
    std::mt19937 random(20261208);
    const std::string alphabet = "[]=; \t\r\nabcXYZ019\xC3\xBC\x80\xFF$x-+";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    int rounds = 0;
    while (std::chrono::steady_clock::now() < deadline && rounds < 200000) {
        std::string bytes(random() % 200, ' ');
        for (char& c : bytes)
            c = alphabet[random() % alphabet.size()];
        const IniDocument first = IniDocument::parse(bytes);
        const IniDocument second = IniDocument::parse(first.serialize());
        ASSERT_EQ(first, second) << "input: " << bytes;
        ASSERT_EQ(first.serialize(), second.serialize());
        ++rounds;
    }
    EXPECT_GT(rounds, 1000);
}

} // namespace
} // namespace orvane
