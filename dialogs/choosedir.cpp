#include "dialogs/choosedir.h"

namespace orvane {

TCDForm::TCDForm() : DialogFrame("CDForm", "Choose Directory", 241, 305) {}

} // namespace orvane
