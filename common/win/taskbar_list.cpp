#include "common/win/taskbar_list.h"

#include <shobjidl.h>

#include "common/win/com_ptr.h"

namespace velmado::win {

namespace {

struct TaskbarState {
    ComPtr<ITaskbarList> list;
    bool buttonShown = false;
};

// Kept for the whole run: releasing the object from a static destructor would come after COM
// has been shut down. ReleaseTaskbarList releases it.
TaskbarState& State() {
    static auto* state = new TaskbarState;
    return *state;
}

} // namespace

void CreateTaskbarList() {
    ITaskbarList* list = nullptr;
    if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList,
                                reinterpret_cast<void**>(&list)))) {
        list = nullptr;
    }
    State().list.reset(list);
    State().buttonShown = false;
}

void ReleaseTaskbarList() {
    State().list.reset();
    State().buttonShown = false;
}

bool TaskbarListCreated() {
    return static_cast<bool>(State().list);
}

void AddTaskbarButton(HWND window) {
    TaskbarState& state = State();
    if (!state.list || state.buttonShown) {
        return;
    }
    ITaskbarList* list = state.list.get();
    if (SUCCEEDED(list->HrInit()) && SUCCEEDED(list->AddTab(window))) {
        list->ActivateTab(window);
        state.buttonShown = true;
    }
}

void RemoveTaskbarButton(HWND window) {
    TaskbarState& state = State();
    if (!state.list) {
        return;
    }
    ITaskbarList* list = state.list.get();
    if (SUCCEEDED(list->HrInit())) {
        list->DeleteTab(window);
    }
    state.buttonShown = false;
}

bool TaskbarButtonShown() {
    return State().buttonShown;
}

} // namespace velmado::win
