#pragma once
#include "storage/text_codec.h"

namespace velmado::storage {

// The system's ANSI code page (CP_ACP), e.g. 932 on Japanese Windows.
const AnsiCodePage& SystemAnsiCodePage();

} // namespace velmado::storage
