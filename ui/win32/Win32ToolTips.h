#pragma once
// Tool tips of a window's one tip control: a control's hint, and each
// status panel's hint or whole text. The tip control learns of the pointer
// from the message loop rather than by subclassing each control, which
// would cost every message to those controls a lookup in the window server.
#include "controls/Controls.h"

#include <windows.h>

#include <string>

namespace orvane {

// added: whether the control has its tip already; it is made when it first has text.
void showControlTip(HWND tips, HWND topLevel, HWND control, const std::string& hint, bool& added);
// The panel may show its text shortened; the tip shows it whole.
void showPanelTips(HWND tips, HWND bar, const StatusBarControl& model, bool& added);
// Tells the tip control of a mouse message for one of its window's controls.
void relayToTips(HWND tips, const MSG& message);

} // namespace orvane
