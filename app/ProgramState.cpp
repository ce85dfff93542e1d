#include "app/ProgramState.h"

namespace orvane {
namespace {
ProgramState state;
}

ProgramState& programState()
{
    return state;
}

void resetProgramState()
{
    state = ProgramState{};
}

} // namespace orvane
