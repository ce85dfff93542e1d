#include "bench/LargeUserReg.h"

#include "registry/RegistryStore.h"
#include "settings/Schema.h"
#include "files/TextEncoding.h"
#include "wine/WineRegFile.h"
#include "wine/WineValueCodec.h"

#include <cstdio>
#include <random>
#include <variant>

namespace orvane::bench {

std::string largeUserReg(size_t bytes)
{
    std::mt19937 random(42);
    std::string text = "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win64\n\n";
    const auto dword = [](uint32_t n) { return RegValue{REG_DWORD_TYPE, {uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), uint8_t(n >> 24)}}; };
    const auto sz = [](const std::string& s) { return RegValue{REG_SZ_TYPE, utf16leBytes(utf8ToUtf16(s + '\0'))}; };
    for (std::string_view key : schema::settingsKeys()) {
        if (!key.starts_with(schema::GameKey) || key == schema::GameKey)
            continue;
        std::string path;
        for (char c : key)
            path += c == '\\' ? std::string("\\\\") : std::string(1, c);
        text += "[" + path + "] 1796739014\n#time=1dd871dd88b947e\n";
        for (const schema::StoredValue& value : schema::storedValues())
            if (value.key == key)
                text += formatWineValue(value.name, std::holds_alternative<schema::IntegerField>(value.field) ? dword(1) : sz("x"));
        text += "\n";
    }
    for (int n = 0; text.size() < bytes; ++n) {
        char path[160];
        std::snprintf(path, sizeof path, "[Software\\\\Classes\\\\CLSID\\\\{%08x-%04x-4000-8000-%012x}\\\\InprocServer32] 1796739014\n",
                      static_cast<unsigned>(random()), n & 0xffff, static_cast<unsigned>(n));
        text += path;
        text += "#time=1dd871dd88b947e\n";
        text += formatWineValue("", sz("C:\\windows\\system32\\component" + std::to_string(n) + ".dll"));
        text += formatWineValue("ThreadingModel", sz("Both"));
        text += formatWineValue("Flags", dword(random()));
        RegValue blob{REG_BINARY_TYPE, std::vector<uint8_t>(200 + random() % 400)};
        for (auto& b : blob.data)
            b = static_cast<uint8_t>(random());
        text += formatWineValue("Data", blob);
        text += "\n";
    }
    return text;
}

} // namespace orvane::bench
