// libFuzzer target for the INI reader and the text decoding of players'
// files: whatever a file holds, saving what was read and reading it again
// gives the same sections and values, in the encoding it was read in.
#include "config/IniDocument.h"
#include "config/TextFiles.h"

#include <cstdlib>
#include <string>

namespace {

using namespace orvane;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The text as decoded comes back from its own encoding unchanged.
    const DecodedText decoded = decodeText(bytes);
    const std::string encoded = encodeText(decoded.text, decoded.encoding);
    const DecodedText again = decodeText(encoded);
    check(again.text == decoded.text);
    check(encodeText(again.text, again.encoding) == encoded);

    // Load, save, load again: the same document, every value read the same.
    const IniDocument first = IniDocument::parse(bytes);
    const IniDocument second = IniDocument::parse(encodeText(first.serialize(), first.encoding()));
    check(first == second);
    for (const IniDocument::Section& section : first.sections())
        for (const std::string& line : section.lines)
            if (const auto key = lineKey(line))
                check(second.readString(section.name, *key, "\n") == first.readString(section.name, *key, "\n"));
    return 0;
}
