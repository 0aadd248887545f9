#include "app/hand_off.h"

#include <gtest/gtest.h>

namespace velmado::app {
namespace {

TEST(HandOff, PayloadIsTheUtf16PathAndTwoNuls) {
    const auto payload = HandOffPayload(L"C:\\a.ibk");
    ASSERT_EQ(payload.size(), 20u); // 8 code units + 2 NULs, 2 bytes each
    EXPECT_EQ(payload[0], 'C');
    EXPECT_EQ(payload[1], 0);
    EXPECT_EQ(payload[16], 0);
    EXPECT_EQ(payload[19], 0);
    EXPECT_EQ(ReadHandOffText(payload.data(), payload.size()), L"C:\\a.ibk");
}

TEST(HandOff, KeepsJapaneseAndSurrogatePairs) {
    const std::wstring path = L"D:\\設定\\\xD842\xDFB7.ibk";
    const auto payload = HandOffPayload(path);
    EXPECT_EQ(ReadHandOffText(payload.data(), payload.size()), path);
}

TEST(HandOff, NeverReadsPastTheGivenSize) {
    const auto payload = HandOffPayload(L"TrayIconVisible");
    // Without its terminating NUL inside the given bytes, the text is malformed.
    EXPECT_EQ(ReadHandOffText(payload.data(), 30), std::nullopt);
    EXPECT_EQ(ReadHandOffText(payload.data(), 31), std::nullopt);
    EXPECT_EQ(ReadHandOffText(payload.data(), 32), L"TrayIconVisible");
    EXPECT_EQ(ReadHandOffText(payload.data(), 0), std::nullopt);
    EXPECT_EQ(ReadHandOffText(nullptr, 100), std::nullopt);
    const std::uint8_t empty[] = {0, 0};
    EXPECT_EQ(ReadHandOffText(empty, 2), L"");
}

TEST(HandOff, TextsAreClassifiedExactly) {
    auto exists = [](const std::wstring& path) {
        return path.find(L"missing") == std::wstring::npos;
    };
    const struct {
        const wchar_t* text;
        HandOffCommand command;
    } cases[] = {
        {L"TrayIconVisible", HandOffCommand::TrayIconVisible},
        {L"MouseHookDisable", HandOffCommand::MouseHookDisable},
        {L"trayiconvisible", HandOffCommand::Ignore},
        {L"C:\\r\\Rules.IBK", HandOffCommand::RuleFile},
        {L"C:\\r\\work.pwm", HandOffCommand::Profile},
        {L"C:\\r\\missing.ibk", HandOffCommand::Ignore},
        {L"C:\\r\\notes.txt", HandOffCommand::Ignore},
        {L"", HandOffCommand::Ignore},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClassifyHandOff(c.text, exists), c.command)
            << std::string(c.text, c.text + wcslen(c.text));
    }
}

} // namespace
} // namespace velmado::app
