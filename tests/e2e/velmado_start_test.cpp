// Velmado starts as a resident program with its hidden main window.
#include "tests/e2e/harness.h"

namespace velmado::e2e {
namespace {

class VelmadoStartTest : public E2ETest {};

TEST_F(VelmadoStartTest, RunsWithItsHiddenMainWindow) {
    Process velmado = Process::Start(BinFolder() + L"Velmado.exe");
    const HWND main = WaitForWindow(L"TTrayForm", L"Velmado");
    ASSERT_NE(main, nullptr) << "no window of class TTrayForm titled Velmado appeared";
    EXPECT_FALSE(IsWindowVisible(main)) << Describe(main);
    EXPECT_TRUE(velmado.Running());
}

} // namespace
} // namespace velmado::e2e
