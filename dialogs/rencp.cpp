#include "dialogs/rencp.h"

namespace orvane {

TRenCPForm::TRenCPForm() : DialogFrame("RenCPForm", "Rename Campaign Profile", 355, 104) {}

} // namespace orvane
