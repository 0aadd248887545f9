#include "common/mru_list.h"

#include <gtest/gtest.h>

#include <set>

#include "common/text.h"

namespace velmado::common {
namespace {

class MruListTest : public ::testing::Test {
protected:
    std::set<std::wstring> existing; // stored forms
    MruFileSystem files{
        [this](const std::wstring& path) { return existing.count(Stored(path)) != 0; },
        [this](const std::wstring& path) { return Stored(path); },
        [](const std::wstring& a, const std::wstring& b) { return EqualIgnoringAsciiCase(a, b); }};

    // The fake file system stores every name in the case it was created with.
    std::wstring Stored(const std::wstring& path) const {
        for (const std::wstring& name : existing) {
            if (EqualIgnoringAsciiCase(name, path)) {
                return name;
            }
        }
        return path;
    }
};

TEST_F(MruListTest, KeepsTheNewestUpToTheMaximum) {
    std::vector<std::wstring> items;
    for (int i = 1; i <= 6; ++i) {
        const std::wstring path = L"C:\\p\\" + std::to_wstring(i) + L".pwm";
        existing.insert(path);
        AddToMruList(items, path, 5, files);
    }
    EXPECT_EQ(items, (std::vector<std::wstring>{L"C:\\p\\6.pwm", L"C:\\p\\5.pwm", L"C:\\p\\4.pwm",
                                                L"C:\\p\\3.pwm", L"C:\\p\\2.pwm"}));
}

TEST_F(MruListTest, MovesAnEntryGivenInOtherCaseToTheTopInItsStoredForm) {
    existing = {L"C:\\A.ibk", L"C:\\B.ibk", L"C:\\C.ibk"};
    std::vector<std::wstring> items = {L"C:\\A.ibk", L"C:\\B.ibk", L"C:\\C.ibk"};
    AddToMruList(items, L"c:\\b.IBK", 10, files);
    EXPECT_EQ(items, (std::vector<std::wstring>{L"C:\\B.ibk", L"C:\\A.ibk", L"C:\\C.ibk"}));
}

TEST_F(MruListTest, DropsFilesThatAreGoneIncludingTheNewPath) {
    existing = {L"C:\\A.ibk", L"C:\\C.ibk"};
    std::vector<std::wstring> items = {L"C:\\A.ibk", L"C:\\B.ibk", L"C:\\C.ibk"};
    AddToMruList(items, L"C:\\New.ibk", 10, files);
    EXPECT_EQ(items, (std::vector<std::wstring>{L"C:\\A.ibk", L"C:\\C.ibk"}));
    existing.erase(L"C:\\A.ibk");
    AddToMruList(items, L"C:\\C.ibk", 10, files);
    EXPECT_EQ(items, std::vector<std::wstring>{L"C:\\C.ibk"});
}

TEST_F(MruListTest, MaximumZeroEmptiesTheList) {
    existing = {L"C:\\A.ibk"};
    std::vector<std::wstring> items;
    AddToMruList(items, L"C:\\A.ibk", 0, files);
    EXPECT_TRUE(items.empty());
}

} // namespace
} // namespace velmado::common
