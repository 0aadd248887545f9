#include "common/device_path.h"

#include <gtest/gtest.h>

namespace velmado::common {
namespace {

TEST(DevicePathTest, MapsToTheFirstMatchingDrive) {
    const std::vector<std::pair<wchar_t, std::wstring>> drives = {
        {L'C', L"\\Device\\HarddiskVolume1"}, {L'D', L"\\Device\\HarddiskVolume10"}, {L'E', L""},
        {L'Y', L"\\Device\\HarddiskVolume2"}, {L'Z', L"\\Device\\HarddiskVolume2"},
    };
    struct Case {
        std::wstring device, expected;
    };
    const std::vector<Case> cases = {
        {L"\\Device\\HarddiskVolume1\\Windows\\notepad.exe", L"C:\\Windows\\notepad.exe"},
        {L"\\Device\\HarddiskVolume10\\ツール\\a.exe", L"D:\\ツール\\a.exe"},
        {L"\\Device\\HarddiskVolume2\\tmp\\b.exe", L"Y:\\tmp\\b.exe"},
        {L"\\Device\\HarddiskVolume3\\x.exe", L"\\Device\\HarddiskVolume3\\x.exe"},
        {L"\\Device\\HarddiskVolume1", L"\\Device\\HarddiskVolume1"},
        {L"\\Device\\Mup\\server\\share\\c.exe", L"\\Device\\Mup\\server\\share\\c.exe"},
        {L"", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DevicePathToDrivePath(c.device, drives), c.expected);
    }
}

TEST(DevicePathTest, NoDrivesLeavesThePath) {
    EXPECT_EQ(DevicePathToDrivePath(L"\\Device\\HarddiskVolume1\\a.exe", {}),
              L"\\Device\\HarddiskVolume1\\a.exe");
}

} // namespace
} // namespace velmado::common
