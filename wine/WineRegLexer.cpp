#include "wine/WineRegLexer.h"

#include <array>

namespace orvane {
namespace {

constexpr std::array<int8_t, 256> HexDigits = [] {
    std::array<int8_t, 256> table{};
    table.fill(-1);
    for (int c = '0'; c <= '9'; ++c)
        table[c] = static_cast<int8_t>(c - '0');
    for (int c = 'a'; c <= 'f'; ++c)
        table[c] = static_cast<int8_t>(c - 'a' + 10);
    for (int c = 'A'; c <= 'F'; ++c)
        table[c] = static_cast<int8_t>(c - 'A' + 10);
    return table;
}();

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

constexpr const char* Unclosed = "the text is not closed (is the file truncated?)";

} // namespace

int hexDigitValue(char c)
{
    return HexDigits[static_cast<unsigned char>(c)];
}

bool WineRegCursor::consume(std::string_view word)
{
    if (text_.substr(pos_, word.size()) != word)
        return false;
    pos_ += word.size();
    return true;
}

void WineRegCursor::expect(char c, const char* what)
{
    if (peek() != c)
        fail(what);
    ++pos_;
}

void WineRegCursor::skipBlanks()
{
    while (pos_ < text_.size() && isBlank(text_[pos_]))
        ++pos_;
}

bool WineRegCursor::nextLine()
{
    const size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) {
        pos_ = text_.size();
        return false;
    }
    pos_ = end + 1;
    ++line_;
    return true;
}

void WineRegCursor::expectLineEnd()
{
    skipBlanks();
    if (!atLineEnd())
        fail("unexpected text after the value");
}

void WineRegCursor::fail(std::string what) const
{
    throw WineRegParseFailure{line_, std::move(what)};
}

char16_t WineRegCursor::escapedUnit()
{
    if (atLineEnd())
        fail(Unclosed);
    const char e = text_[pos_++];
    switch (e) {
    case 'a': return 7;
    case 'b': return 8;
    case 'e': return 27;
    case 'f': return 12;
    case 'n': return 10;
    case 'r': return 13;
    case 't': return 9;
    case 'v': return 11;
    case 'x': {
        char16_t unit = 0;
        int digits = 0;
        while (digits < 4 && pos_ < text_.size() && hexDigitValue(text_[pos_]) >= 0) {
            unit = static_cast<char16_t>(unit * 16 + hexDigitValue(text_[pos_++]));
            ++digits;
        }
        if (digits == 0)
            fail("\\x without hex digits");
        return unit;
    }
    default:
        if (e < '0' || e > '7')
            return static_cast<unsigned char>(e);
        auto unit = static_cast<char16_t>(e - '0');
        for (int k = 0; k < 2 && pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '7'; ++k)
            unit = static_cast<char16_t>(unit * 8 + (text_[pos_++] - '0'));
        return unit;
    }
}

void WineRegCursor::escapedText(char end, std::u16string* out)
{
    while (true) {
        if (atLineEnd())
            fail(Unclosed);
        const char c = text_[pos_];
        if (c == end)
            return;
        ++pos_;
        const char16_t unit = c == '\\' ? escapedUnit() : static_cast<unsigned char>(c);
        if (out)
            out->push_back(unit);
    }
}

uint32_t WineRegCursor::hexNumber(int maxDigits, const char* what)
{
    uint32_t n = 0;
    int digits = 0;
    while (digits < maxDigits && hexDigitValue(peek()) >= 0) {
        n = n * 16 + static_cast<uint32_t>(hexDigitValue(text_[pos_++]));
        ++digits;
    }
    if (digits == 0)
        fail(what);
    return n;
}

void WineRegCursor::hexBytes(std::vector<uint8_t>* out)
{
    while (true) {
        // Wine's own layout first: "xx," without blanks.
        while (pos_ + 2 < text_.size() && text_[pos_ + 2] == ',') {
            const int high = hexDigitValue(text_[pos_]);
            const int low = hexDigitValue(text_[pos_ + 1]);
            if ((high | low) < 0)
                break;
            if (out)
                out->push_back(static_cast<uint8_t>(high * 16 + low));
            pos_ += 3;
        }
        skipBlanks();
        if (atLineEnd())
            return;
        if (peek() == '\\') {
            ++pos_;
            skipBlanks();
            if (!atLineEnd())
                fail("unexpected text after a line continuation");
            const size_t continued = line_;
            if (!nextLine() || pos_ >= text_.size()) {
                line_ = continued;
                fail("the value continues past the end of the file (is the file truncated?)");
            }
            continue;
        }
        const int high = hexDigitValue(peek());
        const int low = pos_ + 1 < text_.size() ? hexDigitValue(text_[pos_ + 1]) : -1;
        if (high < 0 || low < 0)
            fail("bad hex data");
        pos_ += 2;
        if (out)
            out->push_back(static_cast<uint8_t>(high * 16 + low));
        skipBlanks();
        if (peek() == ',')
            ++pos_;
        else if (!atLineEnd() && peek() != '\\')
            fail("bad hex data");
    }
}

} // namespace orvane
