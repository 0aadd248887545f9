#pragma once
// Error.log: every reported error as a dated line, appended in the system's ANSI code page; with
// "/debug" each one is also shown.
#include <string>

namespace velmado::app {

class ErrorLog {
public:
    ErrorLog(std::wstring path, bool showEachError);
    // Appends "<short date> <long time> : <message>"; a log held open by another program loses
    // the line, the message box still appears.
    void Report(const std::wstring& message) const;

private:
    std::wstring path_;
    bool showEachError_;
};

} // namespace velmado::app
