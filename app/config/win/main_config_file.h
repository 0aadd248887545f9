#pragma once
// Config.ini on disk for the main configuration.
#include "app/config/main_config.h"
#include "storage/win/file_io.h"

#include <string>

namespace velmado::app {

// The encoding comes from the byte-order mark (none: the system ANSI code page); a missing or
// unreadable file gives the defaults.
LoadedMainConfig LoadMainConfig(const std::wstring& path, const SystemSnapshot& system,
                                const RuleFileLookup& ruleFile);

// Reads the whole file, writes the main form's keys into it and replaces it as UTF-16LE. A file
// that exists but cannot be read is left alone (the other forms' sections would be lost).
storage::FileStatus SaveMainConfig(const std::wstring& path, const MainConfig& config,
                                   int argumentCount, const std::wstring& ruleFile);

} // namespace velmado::app
