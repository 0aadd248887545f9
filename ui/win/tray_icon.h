#pragma once
// An icon in the notification area: image, hint, Visible, Enabled (false ignores the mouse) and
// the mouse events. All icons share one hidden window and differ by id; every visible icon is
// added again when the shell's taskbar is re-created, so the program stays reachable.
// The HICON is not owned: the caller keeps it alive while the icon shows it.
#include <windows.h>

#include <functional>
#include <string>

namespace velmado::ui {

enum class MouseButton { Left, Right, Middle };

class TrayIcon {
public:
    // Longest hint the notification area takes.
    static constexpr std::size_t kMaxHintLength = 127;

    TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon();

    HICON Icon() const { return icon_; }
    void SetIcon(HICON icon);
    const std::wstring& Hint() const { return hint_; }
    // Longer hints are cut to kMaxHintLength code units (never inside a surrogate pair).
    void SetHint(std::wstring hint);
    bool Visible() const { return visible_; }
    // False when the shell refused the icon; it is added again when the taskbar comes back.
    bool SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    // Position in screen coordinates as the notification area reports it. A double click sends
    // OnMouseDown for its second press, then OnDblClick; set OnDblClick to nullptr to detach it.
    std::function<void(MouseButton button, int x, int y)> OnMouseDown;
    std::function<void(MouseButton button, int x, int y)> OnMouseUp;
    std::function<void(int x, int y)> OnMouseMove;
    std::function<void()> OnDblClick;

    // The shared window and this icon's id, as the shell knows them.
    static HWND CallbackWindow();
    UINT Id() const { return id_; }
    // The class of CallbackWindow, so that tests and tools can find it.
    static constexpr wchar_t kCallbackWindowClass[] = L"VelmadoTrayIcons";
    // The message the shell sends to CallbackWindow for every icon.
    static constexpr UINT kCallbackMessage = WM_APP + 1;

private:
    friend struct TrayIconHost;
    bool Notify(DWORD action, UINT flags);
    bool Add();
    void HandleCallback(UINT event, int x, int y);

    UINT id_;
    HICON icon_ = nullptr;
    std::wstring hint_;
    bool visible_ = false;
    bool added_ = false;
    bool enabled_ = true;
};

} // namespace velmado::ui
