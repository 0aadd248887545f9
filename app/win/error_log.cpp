#include "app/win/error_log.h"

#include <windows.h>

#include "storage/win/text_files.h"

namespace velmado::app {

namespace {

// The user's short date and long time, as the system formats them.
std::wstring NowText() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    wchar_t date[128] = {};
    wchar_t time[128] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, 128);
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &now, nullptr, time, 128);
    return std::wstring(date) + L" " + time;
}

} // namespace

ErrorLog::ErrorLog(std::wstring path, bool showEachError)
    : path_(std::move(path)), showEachError_(showEachError) {}

void ErrorLog::Report(const std::wstring& message) const {
    const std::wstring line = NowText() + L" : " + message;
    std::vector<std::wstring> lines = storage::LoadListFromFile(path_, storage::Encoding::Ansi);
    lines.push_back(line);
    storage::SaveListToFile(lines, path_, storage::Encoding::Ansi);
    if (showEachError_) {
        MessageBoxW(nullptr, line.c_str(), L"Velmado", MB_OK | MB_ICONERROR);
    }
}

} // namespace velmado::app
