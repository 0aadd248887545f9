#pragma once
// The system settings the main configuration starts from or follows: the screen saver, the
// start button, the desktop icon text and the X-Mouse values.
#include "app/config/main_config.h"

namespace velmado::app {

SystemSnapshot ReadSystemSnapshot();
XMouseSystem ReadXMouseSystem();

} // namespace velmado::app
