#include "platform/WindowsArguments.h"

namespace orvane {

std::vector<std::string> splitParameters(const std::string& parameters)
{
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (size_t i = 0; i < parameters.size(); ++i) {
        const char c = parameters[i];
        if (c == '\\') {
            size_t backslashes = 0;
            while (i < parameters.size() && parameters[i] == '\\') {
                ++backslashes;
                ++i;
            }
            if (i < parameters.size() && parameters[i] == '"') {
                current.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1)
                    current += '"';
                else
                    quoted = !quoted;
            } else {
                current.append(backslashes, '\\');
                --i;
            }
            inArgument = true;
        } else if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inArgument)
                arguments.push_back(current);
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.push_back(current);
    return arguments;
}

} // namespace orvane
