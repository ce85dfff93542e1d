#include "dialogs/opt.h"

namespace orvane {

TOptForm::TOptForm() : DialogFrame("OptForm", "Options", 440, 166) {}

} // namespace orvane
