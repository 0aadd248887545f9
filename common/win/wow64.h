#pragma once
// A 32-bit build on 64-bit Windows sees "system32" redirected to the 32-bit system folder. Checks
// and starts of other programs' files switch that off, so that such paths mean the native files.
// In a 64-bit build, and on 32-bit Windows, every function here does nothing.
namespace velmado::win {

// Whether this process is a 32-bit process on 64-bit Windows; DetectWow64 also remembers it for
// the redirection switch.
bool IsWow64();
bool DetectWow64();
// Called once at start-up.
void InitWow64Redirection();

// Redirection off for this thread / back as it was. Calls may nest: only the outermost pair
// switches, so an inner revert never switches redirection on under an outer caller.
void DisableRedirection();
void RevertRedirection();

// DisableRedirection for the lifetime of the object.
class RedirectionOff {
public:
    RedirectionOff() { DisableRedirection(); }
    ~RedirectionOff() { RevertRedirection(); }
    RedirectionOff(const RedirectionOff&) = delete;
    RedirectionOff& operator=(const RedirectionOff&) = delete;
};

} // namespace velmado::win
