#include "app/startup_options.h"

#include <algorithm>

namespace velmado::app {

namespace {

const std::wstring& ArgumentOrEmpty(Arguments arguments, std::size_t index) {
    static const std::wstring empty;
    return index < arguments.size() ? arguments[index] : empty;
}

bool ExistsWithExtension(const std::wstring& path, const FileExists& fileExists,
                         bool (*hasExtension)(const std::wstring&)) {
    return hasExtension(path) && fileExists(path);
}

} // namespace

bool IsNonResident(Arguments arguments) {
    return ArgumentOrEmpty(arguments, 0) == kNonResidentSwitch;
}

bool IsDebug(Arguments arguments) {
    return ArgumentOrEmpty(arguments, 0) == kDebugSwitch;
}

std::wstring LowerExtension(const std::wstring& path) {
    const auto nameStart = path.find_last_of(L"\\/:");
    const auto dot = path.rfind(L'.');
    if (dot == std::wstring::npos || (nameStart != std::wstring::npos && dot < nameStart)) {
        return {};
    }
    std::wstring extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(), [](wchar_t c) {
        return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
    });
    return extension;
}

bool IsRuleFilePath(const std::wstring& path) {
    return LowerExtension(path) == L".ibk";
}

bool IsProfilePath(const std::wstring& path) {
    return LowerExtension(path) == L".pwm";
}

std::wstring FileArgument(Arguments arguments, const FileExists& fileExists) {
    const std::wstring& first = ArgumentOrEmpty(arguments, 0);
    if (!first.empty() && (IsRuleFilePath(first) || IsProfilePath(first)) && fileExists(first)) {
        return first;
    }
    return {};
}

CommandLineCheck CheckCommandLine(Arguments arguments, const FileExists& fileExists) {
    switch (arguments.size()) {
    case 0:
        return {true, std::nullopt};
    case 1: {
        const std::wstring& first = arguments[0];
        if (first == kNonResidentSwitch || first == kDebugSwitch) {
            return {true, std::nullopt};
        }
        if (ExistsWithExtension(first, fileExists, IsRuleFilePath)) {
            return {true, first};
        }
        if (ExistsWithExtension(first, fileExists, IsProfilePath)) {
            return {true, std::wstring()};
        }
        return {};
    }
    case 2:
        if (arguments[0] == kNonResidentSwitch &&
            ExistsWithExtension(arguments[1], fileExists, IsRuleFilePath)) {
            return {true, arguments[1]};
        }
        return {};
    default:
        return {};
    }
}

std::wstring InvalidOptionMessage(Arguments arguments) {
    return L"不正なオプションです。\r\n" + ArgumentOrEmpty(arguments, 0) + L"\r\n" +
           ArgumentOrEmpty(arguments, 1) + L"\r\n" + L"終了します。";
}

} // namespace velmado::app
