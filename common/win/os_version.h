#pragma once
// The version of the running system, for the tests in common/windows_version.h.
#include "common/windows_version.h"

namespace velmado::win {

// Read once from the kernel, which reports the true version whatever the manifest declares.
const common::WindowsVersion& SystemVersion();

} // namespace velmado::win
