#pragma once
// Texts, images and timings of the main tray icon and its menu that follow from the program's
// state alone.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "common/geometry.h"

namespace velmado::app {

// The tray images, as icon resources kTrayIconResourceBase + index.
inline constexpr int kTrayImageCount = 17;
inline constexpr int kTrayIconResourceBase = 100;

// Indexes of the tray images.
enum TrayImage : int {
    kTrayImageNormal = 0,
    kTrayImageRuleApplied = 1,
    kTrayImageWorkAreaApplied = 2,
    kTrayImageRulesOff = 3,
    kTrayImageWorkAreasOff = 4,
    kTrayImageAllOff = 5,
    kTrayImageDualDeskTop = 8, // also stands in for a program without an icon
    kTrayImageSnap = 13,
    kTrayImageShade = 14,
};

// The main icon's tooltip. workAreaEnabled holds one entry per monitor; the monitor block is
// shown only with more than one.
std::wstring TrayHint(std::wstring_view ruleFile, const std::vector<bool>& workAreaEnabled,
                      bool mouseHookInstalled);

// The caption of recent-file entry `index`: the file's base name with each "&" doubled, so that
// the menu shows it as written, then the entry's accelerator.
std::wstring RecentFileCaption(std::wstring_view path, int index);

// The caption of the command that saves the desktop layout into its current file.
std::wstring DesktopLayoutSaveCaption(std::wstring_view layoutFile);

// The caption of the entry of monitor `index` with its work-area rectangle.
std::wstring MonitorEntryCaption(int index, const common::Rect& workArea);

// The main icon's image for the two main switches; tablet mode stops everything.
int TrayImageIndex(bool tabletMode, bool rulesEnabled, bool workAreasEnabled);

// How long a left click waits for a second one before it counts as a single click.
unsigned SingleClickDelay(unsigned doubleClickTimeMs);

// The four display-switch entries, named as the given Windows major version names them.
std::array<std::wstring, 4> DisplayChangeCaptions(unsigned majorVersion);

} // namespace velmado::app
