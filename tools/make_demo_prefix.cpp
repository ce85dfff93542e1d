// Creates the demo prefix that "make run" starts Orvane on.
#include "tools/DemoPrefix.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PREFIX-FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path prefix = std::filesystem::absolute(argv[1]);
    try {
        orvane::createDemoPrefix(prefix);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "Cannot create the demo prefix %s: %s\n", prefix.c_str(), error.what());
        return 1;
    }
    return 0;
}
