#include "common/paths.h"

#include <gtest/gtest.h>

#include <map>

namespace velmado::common {
namespace {

TEST(Paths, BaseNameAndExtension) {
    const struct {
        std::wstring path, base;
    } cases[] = {
        {L"C:\\Data\\Window.ibk", L"Window"},
        {L"C:\\Data\\archive.tar.gz", L"archive.tar"},
        {L"C:\\My.Folder\\noext", L"noext"},
        {L"C:\\My.Folder\\", L""},
        {L"D:name.pwm", L"name"},
        {L"folder/file.win", L"file"},
        {L"plain", L"plain"},
        {L".hidden", L""},
        {L"", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileBaseName(c.path), c.base);
        EXPECT_EQ(StripExtension(c.path), c.base);
    }
}

TEST(Paths, SysnativeReplacesTheSystem32Component) {
    EXPECT_EQ(SysnativePath(L"C:\\Windows\\System32\\DisplaySwitch.exe"),
              L"C:\\Windows\\Sysnative\\DisplaySwitch.exe");
    EXPECT_EQ(SysnativePath(L"c:\\windows\\SYSTEM32\\drivers\\x.sys"),
              L"c:\\windows\\Sysnative\\drivers\\x.sys");
    EXPECT_EQ(SysnativePath(L"C:\\Windows\\SysWOW64\\notepad.exe"), std::nullopt);
    EXPECT_EQ(SysnativePath(L"C:\\Windows\\System32"), std::nullopt); // not a component inside
    EXPECT_EQ(SysnativePath(L"C:\\Tools\\system32x\\a.exe"), std::nullopt);
}

class StoredPathFormTest : public ::testing::Test {
protected:
    // Entries the fake file system knows, by the path as typed (lower case), with stored names.
    std::map<std::wstring, std::wstring> entries = {
        {L"c:\\program files", L"Program Files"},
        {L"c:\\program files\\tool", L"Tool"},
        {L"c:\\program files\\tool\\app.exe", L"App.exe"},
        {L"c:\\progra~1", L"Program Files"},
    };
    std::vector<std::wstring> lookedUp;
    StoredNameLookup lookup = [this](const std::wstring& path) -> std::optional<std::wstring> {
        lookedUp.push_back(path);
        std::wstring key = path;
        for (auto& c : key) {
            c = c >= L'A' && c <= L'Z' ? c + 32 : c;
        }
        const auto found = entries.find(key);
        return found == entries.end() ? std::nullopt : std::optional(found->second);
    };
};

TEST_F(StoredPathFormTest, ReplacesEveryFoundComponentAndKeepsTheRest) {
    EXPECT_EQ(StoredPathForm(L"C:\\PROGRAM FILES\\tool\\APP.EXE", lookup),
              L"C:\\Program Files\\Tool\\App.exe");
    EXPECT_EQ(StoredPathForm(L"C:\\PROGRA~1\\missing\\x.txt", lookup),
              L"C:\\Program Files\\missing\\x.txt");
    EXPECT_EQ(StoredPathForm(L"C:\\program files\\", lookup), L"C:\\Program Files\\");
    EXPECT_EQ(StoredPathForm(L"C:\\", lookup), L"C:\\");
    EXPECT_EQ(StoredPathForm(L"C:", lookup), L"C:");
    EXPECT_EQ(StoredPathForm(L"c:\\program files", lookup), L"C:\\Program Files");
    EXPECT_EQ(StoredPathForm(L"\\\\server\\share\\file", lookup), L"\\\\server\\share\\file");
}

TEST_F(StoredPathFormTest, LooksUpFromTheRightAndNeverWithWildcards) {
    StoredPathForm(L"C:\\program files\\*\\a?.exe", lookup);
    EXPECT_EQ(lookedUp, std::vector<std::wstring>{L"C:\\program files"});
    lookedUp.clear();
    StoredPathForm(L"C:\\a\\b", lookup);
    EXPECT_EQ(lookedUp, (std::vector<std::wstring>{L"C:\\a\\b", L"C:\\a"}));
}

} // namespace
} // namespace velmado::common
