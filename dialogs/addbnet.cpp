#include "dialogs/addbnet.h"

namespace orvane {

TAddBnetForm::TAddBnetForm() : DialogFrame("AddBnetForm", "Add a Battle.net account name to the list", 330, 72) {}

} // namespace orvane
