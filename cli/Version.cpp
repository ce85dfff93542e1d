// --version.
#include "cli/Verbs.h"
#include "context/ProgramInfo.h"

namespace orvane {

int printVersion(std::ostream& out)
{
    out << ProductVersion << '\n';
    return 0;
}

} // namespace orvane
