#include "wine/WineRegLexer.h"

#include <limits>

namespace orvane {
namespace {

char at(std::string_view text, size_t pos)
{
    return pos < text.size() ? text[pos] : '\0';
}

// How many continuation bytes follow a UTF-8 lead byte; 0 for a byte that
// leads nothing Wine decodes.
int continuationBytes(unsigned char lead)
{
    if (lead >= 0xc2 && lead <= 0xdf)
        return 1;
    if (lead >= 0xe0 && lead <= 0xef)
        return 2;
    if (lead >= 0xf0 && lead <= 0xf4)
        return 3;
    return 0;
}

class UnitSink {
public:
    explicit UnitSink(std::u16string* out) : out_(out) {}
    void push(char32_t unit)
    {
        if (out_)
            out_->push_back(static_cast<char16_t>(unit));
        ++count;
    }
    size_t count = 0;

private:
    std::u16string* out_;
};

// One UTF-8 character whose lead byte was just read; an invalid sequence
// yields nothing, and its bytes after the first bad one are read again.
void decodeUtf8(std::string_view text, size_t& pos, unsigned char lead, UnitSink& sink)
{
    static constexpr unsigned char LeadMask[] = {0x7f, 0x1f, 0x0f, 0x07};
    static constexpr char32_t Smallest[] = {0, 0x80, 0x800, 0x10000};
    const int follow = continuationBytes(lead);
    if (follow == 0)
        return;
    char32_t code = lead & LeadMask[follow];
    for (int k = 0; k < follow; ++k) {
        const unsigned char bits = static_cast<unsigned char>(at(text, pos)) ^ 0x80;
        if (bits >= 0x40)
            return;
        code = code << 6 | bits;
        ++pos;
    }
    if (code < Smallest[follow] || code > 0x10ffff)
        return;
    if (code <= 0xffff) {
        sink.push(code);
        return;
    }
    code -= 0x10000;
    sink.push(0xd800 | code >> 10);
    sink.push(0xdc00 | (code & 0x3ff));
}

// The escape after a backslash at pos; false for one Wine takes as the
// character itself.
bool decodeEscape(std::string_view text, size_t& pos, UnitSink& sink)
{
    static constexpr std::string_view Letters = "abefnrtv";
    static constexpr char Controls[] = {7, 8, 27, 12, 10, 13, 9, 11};
    const char c = at(text, pos);
    if (const size_t letter = Letters.find(c); letter != std::string_view::npos) {
        sink.push(static_cast<char32_t>(Controls[letter]));
        ++pos;
        return true;
    }
    if (c == 'x') {
        ++pos;
        char32_t unit = 0;
        int digits = 0;
        for (; digits < 4 && hexDigitValue(at(text, pos)) >= 0; ++digits)
            unit = unit * 16 + static_cast<char32_t>(hexDigitValue(text[pos++]));
        sink.push(digits ? unit : U'x');
        return true;
    }
    if (c < '0' || c > '7')
        return false;
    char32_t unit = 0;
    for (int digits = 0; digits < 3 && at(text, pos) >= '0' && at(text, pos) <= '7'; ++digits)
        unit = unit * 8 + static_cast<char32_t>(text[pos++] - '0');
    sink.push(unit);
    return true;
}

} // namespace

size_t skipWineBlanks(std::string_view text, size_t pos)
{
    while (pos < text.size() && isWineBlank(text[pos]))
        ++pos;
    return pos;
}

WineLine wineLineAt(std::string_view text, size_t begin)
{
    const size_t newline = text.find('\n', begin);
    if (newline == std::string_view::npos)
        return {text.size(), text.size()};
    const bool cr = newline > begin && text[newline - 1] == '\r';
    return {newline - cr, newline + 1};
}

WineNumber readWineNumber(std::string_view text, size_t start)
{
    size_t pos = skipWineBlanks(text, start);
    const bool negative = at(text, pos) == '-';
    if (negative || at(text, pos) == '+')
        ++pos;
    if (at(text, pos) == '0' && (at(text, pos + 1) | 0x20) == 'x' && hexDigitValue(at(text, pos + 2)) >= 0)
        pos += 2;
    const size_t digits = pos;
    constexpr uint64_t Largest = std::numeric_limits<uint64_t>::max();
    uint64_t value = 0;
    bool overflow = false;
    for (; hexDigitValue(at(text, pos)) >= 0; ++pos) {
        const auto digit = static_cast<uint64_t>(hexDigitValue(text[pos]));
        overflow = overflow || value > (Largest - digit) / 16;
        value = value * 16 + digit;
    }
    if (pos == digits)
        return {0, start};
    if (overflow)
        return {Largest, pos};
    return {negative ? 0 - value : value, pos};
}

WineText readWineText(std::string_view text, size_t pos, char end, std::u16string* out)
{
    UnitSink sink(out);
    while (pos < text.size() && text[pos] != end) {
        if (text[pos] == '\\') {
            if (++pos == text.size())
                break;
            if (decodeEscape(text, pos, sink))
                continue;
        }
        const auto c = static_cast<unsigned char>(text[pos++]);
        if (c < 0x80)
            sink.push(c);
        else
            decodeUtf8(text, pos, c, sink);
    }
    return {pos < text.size() ? pos + 1 : std::string_view::npos, sink.count};
}

} // namespace orvane
