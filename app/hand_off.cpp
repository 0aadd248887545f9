#include "app/hand_off.h"

#include "app/startup_options.h"

namespace velmado::app {

std::vector<std::uint8_t> HandOffPayload(const std::wstring& path) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve((path.size() + 2) * 2);
    auto put = [&](std::uint32_t unit) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((unit >> 8) & 0xFF));
    };
    for (wchar_t unit : path) {
        put(static_cast<std::uint32_t>(unit));
    }
    put(0);
    put(0);
    return bytes;
}

std::optional<std::wstring> ReadHandOffText(const void* data, std::size_t size) {
    if (data == nullptr) {
        return std::nullopt;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::wstring text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const auto unit = static_cast<wchar_t>(bytes[i] | (bytes[i + 1] << 8));
        if (unit == 0) {
            return text;
        }
        text.push_back(unit);
    }
    return std::nullopt;
}

HandOffCommand ClassifyHandOff(const std::wstring& text,
                               const std::function<bool(const std::wstring&)>& fileExists) {
    if (text == L"TrayIconVisible") {
        return HandOffCommand::TrayIconVisible;
    }
    if (text == L"MouseHookDisable") {
        return HandOffCommand::MouseHookDisable;
    }
    if (text.empty() || !fileExists(text)) {
        return HandOffCommand::Ignore;
    }
    if (IsRuleFilePath(text)) {
        return HandOffCommand::RuleFile;
    }
    if (IsProfilePath(text)) {
        return HandOffCommand::Profile;
    }
    return HandOffCommand::Ignore;
}

} // namespace velmado::app
