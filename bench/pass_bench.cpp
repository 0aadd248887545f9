// The window pass of a one-shot run over 200 windows with 1000 rules, against a bare walk that
// only reads every window's caption, class and program path.
#include <chrono>
#include <memory>

#include "bench/bench.h"
#include "common/win/window_identity.h"
#include "rules/rule.h"
#include "rules/win/rule_engine.h"
#include "rules/window_pass.h"
#include "tests/e2e/harness.h"

namespace velmado::bench {
namespace {

BOOL CALLBACK ReadIdentity(HWND window, LPARAM count) {
    const win::WindowIdentity identity = win::GetWindowIdentity(window);
    *reinterpret_cast<std::size_t*>(count) += identity.programPath.size();
    return TRUE;
}

template <typename F> double Milliseconds(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// 200 probe windows and 1000 rules, 999 of them for other programs and one that every probe
// window matches without anything left to change.
struct Scene {
    e2e::Probe windows = e2e::Probe::Start(L"--count 200 --caption 窓 --rect 10,10,300,200");
    rules::RuleList ruleList;
    rules::WindowStateList top{L""};
    rules::WindowStateList trans{L""};
    rules::RuleEngine engine{ruleList, top, trans};
    rules::WindowPass pass;

    Scene() {
        for (int i = 0; i < 999; ++i) {
            rules::Rule rule;
            rule[rules::Rule::Program] = L"C:\\Programs\\tool" + std::to_wstring(i) + L".exe";
            rule[rules::Rule::Caption] = L"Window " + std::to_wstring(i);
            rule[rules::Rule::Match] = L"一部";
            rule[rules::Rule::Action] = L"通常";
            ruleList.push_back(rule);
        }
        rules::Rule priority;
        priority[rules::Rule::Program] = e2e::BinFolder() + L"probe.exe";
        priority[rules::Rule::Caption] = L"窓";
        priority[rules::Rule::Match] = L"一部";
        priority[rules::Rule::Action] = L"優先度：通常";
        priority[rules::Rule::Fixed] = L"位置";
        ruleList.push_back(priority);
        engine.hooks.resident = false;
        pass.settings.rulesEnabled = [] { return true; };
        pass.settings.resident = false;
        pass.targets.moveWindow = [this](HWND window, const std::wstring& program,
                                         const std::wstring& caption, const std::wstring& className,
                                         const common::XYWH& rect) {
            engine.Proc_MoveWindow(window, program, caption, className, rect);
        };
        // Wait until all 200 windows are there.
        e2e::WaitUntil([&] { return e2e::TopLevelWindows(windows.Program().Id()).size() >= 200; });
    }
};

Scene& TheScene() {
    static auto scene = std::make_unique<Scene>();
    return *scene;
}

const Register pass({
    "pass, 200 windows x 1000 rules",
    "window pass",
    "bare identity walk",
    [] { return Milliseconds([] { TheScene().pass.Proc_MoveWindowMain(); }); },
    [] {
        TheScene();
        std::size_t sink = 0;
        return Milliseconds([&] { EnumWindows(ReadIdentity, reinterpret_cast<LPARAM>(&sink)); });
    },
});

} // namespace
} // namespace velmado::bench
