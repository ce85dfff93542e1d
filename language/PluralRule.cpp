#include "language/PluralRule.h"

#include "language/CatalogueError.h"

#include <cctype>

namespace orvane {
namespace {

// Evaluates the expression for one n by recursive descent, with C's
// operators and precedence as gettext's own reader has them.
class Evaluation {
public:
    Evaluation(std::string_view expression, unsigned long n) : text_(expression), n_(n) {}

    unsigned long value()
    {
        const unsigned long result = conditional();
        skipSpace();
        if (at_ != text_.size())
            fail();
        return result;
    }

private:
    [[noreturn]] void fail() const
    {
        throw CatalogueError("the plural rule \"" + std::string(text_) + "\" cannot be read at character " +
                             std::to_string(at_ + 1));
    }

    void skipSpace()
    {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_])))
            ++at_;
    }

    bool take(std::string_view token)
    {
        skipSpace();
        if (text_.substr(at_, token.size()) != token)
            return false;
        // "<" is not the start of "<=", nor "!" of "!=".
        if (token.size() == 1 && at_ + 1 < text_.size() && text_[at_ + 1] == '=' &&
            std::string_view("<>!=").find(token[0]) != std::string_view::npos)
            return false;
        at_ += token.size();
        return true;
    }

    unsigned long conditional()
    {
        const unsigned long condition = either();
        if (!take("?"))
            return condition;
        const unsigned long whenTrue = conditional();
        if (!take(":"))
            fail();
        const unsigned long whenFalse = conditional();
        return condition ? whenTrue : whenFalse;
    }

    unsigned long either()
    {
        unsigned long result = both();
        while (take("||"))
            result = both() || result;
        return result;
    }

    unsigned long both()
    {
        unsigned long result = equality();
        while (take("&&"))
            result = equality() && result;
        return result;
    }

    unsigned long equality()
    {
        unsigned long result = comparison();
        for (;;) {
            if (take("=="))
                result = result == comparison();
            else if (take("!="))
                result = result != comparison();
            else
                return result;
        }
    }

    unsigned long comparison()
    {
        unsigned long result = sum();
        for (;;) {
            if (take("<="))
                result = result <= sum();
            else if (take(">="))
                result = result >= sum();
            else if (take("<"))
                result = result < sum();
            else if (take(">"))
                result = result > sum();
            else
                return result;
        }
    }

    unsigned long sum()
    {
        unsigned long result = product();
        for (;;) {
            if (take("+"))
                result += product();
            else if (take("-"))
                result -= product();
            else
                return result;
        }
    }

    unsigned long product()
    {
        unsigned long result = negation();
        for (;;) {
            if (take("*")) {
                result *= negation();
            } else if (take("/") || take("%")) {
                const bool remainder = text_[at_ - 1] == '%';
                const unsigned long divisor = negation();
                if (divisor == 0)
                    fail();
                result = remainder ? result % divisor : result / divisor;
            } else {
                return result;
            }
        }
    }

    unsigned long negation()
    {
        if (take("!"))
            return !negation();
        return operand();
    }

    unsigned long operand()
    {
        if (take("(")) {
            const unsigned long result = conditional();
            if (!take(")"))
                fail();
            return result;
        }
        if (take("n"))
            return n_;
        skipSpace();
        const size_t start = at_;
        unsigned long number = 0;
        while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])))
            number = number * 10 + static_cast<unsigned long>(text_[at_++] - '0');
        if (at_ == start)
            fail();
        return number;
    }

    std::string_view text_;
    unsigned long n_;
    size_t at_ = 0;
};

} // namespace

PluralRule::PluralRule(std::string expression) : expression_(std::move(expression))
{
    // Read once now, so that a broken rule is the catalogue's error, not a count's.
    for (unsigned long n : {0UL, 1UL, 2UL, 5UL, 11UL, 22UL, 101UL})
        Evaluation(expression_, n).value();
}

PluralRule PluralRule::fromHeader(std::string_view header)
{
    const size_t line = header.find("Plural-Forms:");
    if (line == std::string_view::npos)
        return {};
    const size_t start = header.find("plural=", line);
    const size_t end = header.find_first_of(";\n", start);
    if (start == std::string_view::npos || end == std::string_view::npos)
        throw CatalogueError("the header's Plural-Forms has no plural=...;");
    return PluralRule(std::string(header.substr(start + 7, end - start - 7)));
}

unsigned long PluralRule::formFor(unsigned long n) const
{
    return Evaluation(expression_, n).value();
}

} // namespace orvane
