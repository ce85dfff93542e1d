#include "dialogs/info.h"

namespace orvane {

TProginfo::TProginfo() : DialogFrame("Proginfo", "Info about Orvane", 273, 120) {}

} // namespace orvane
