#pragma once
// The hand-off message: a second instance, or any other program, sends the running instance a
// text with WM_COPYDATA: a rule file or profile to use, or one of two commands.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmado::app {

// The path as UTF-16LE followed by two U+0000, as the receiver and other senders expect.
std::vector<std::uint8_t> HandOffPayload(const std::wstring& path);

// The text of a received payload: UTF-16LE up to its first U+0000. Nothing is read beyond `size`
// bytes; a payload without a terminating U+0000 inside them is malformed and gives nothing.
std::optional<std::wstring> ReadHandOffText(const void* data, std::size_t size);

enum class HandOffCommand {
    Ignore,
    TrayIconVisible,  // take the tray icon away and back, and re-read the monitors
    MouseHookDisable, // switch the mouse hook off
    RuleFile,         // make an existing ".ibk" file the current rule file
    Profile,          // load an existing ".pwm" profile
};

HandOffCommand ClassifyHandOff(const std::wstring& text,
                               const std::function<bool(const std::wstring&)>& fileExists);

} // namespace velmado::app
