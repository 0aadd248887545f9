#include "ui/file_filter.h"

#include <gtest/gtest.h>

#include <string>

namespace velmado::ui {
namespace {

using namespace std::string_literals;

TEST(FileFilterTest, PairsBecomeNulSeparatedWithADoubleNulAtTheEnd) {
    EXPECT_EQ(FileFilterList(L"効果音(*.wav)|*.wav"), L"効果音(*.wav)\0*.wav\0\0"s);
    EXPECT_EQ(FileFilterList(L"A|*.a|B|*.b;*.c"), L"A\0*.a\0B\0*.b;*.c\0\0"s);
}

TEST(FileFilterTest, LowerExtensionTakesTheLastDotOfTheFileNameOnly) {
    EXPECT_EQ(LowerExtension(L"C:\\Data\\Rules.IBK"), L".ibk");
    EXPECT_EQ(LowerExtension(L"C:\\a.b\\rules"), L"");
    EXPECT_EQ(LowerExtension(L"C:\\a\\rules.ibk.txt"), L".txt");
    EXPECT_EQ(LowerExtension(L"rules"), L"");
    EXPECT_EQ(LowerExtension(L"C:\\a\\.Wav"), L".wav");
}

} // namespace
} // namespace velmado::ui
