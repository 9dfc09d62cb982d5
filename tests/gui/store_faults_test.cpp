// Start-up and closing with a stored value of the wrong type: the value's own read is the only
// thing lost, every other step runs, and closing leaves what it could not read in the store.
#include <map>
#include <tuple>

#include "../config/config_test_util.h"
#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

// Every value below the application's key: (key, name) -> (type, data).
using StoreSnapshot = std::map<std::pair<std::string, std::string>, std::pair<DWORD, std::vector<uint8_t>>>;

void SnapshotKey(const std::string& key, StoreSnapshot& snapshot) {
    UniqueHKey handle;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, handle.Put()) != ERROR_SUCCESS) return;
    for (DWORD i = 0;; ++i) {
        char name[256] = {};
        DWORD nameLength = sizeof(name), type = 0, size = 0;
        if (::RegEnumValueA(handle.Get(), i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        std::vector<uint8_t> data(size);
        ::RegQueryValueExA(handle.Get(), name, nullptr, nullptr, data.data(), &size);
        snapshot[{key, name}] = {type, data};
    }
    for (DWORD i = 0;; ++i) {
        char child[256] = {};
        DWORD childLength = sizeof(child);
        if (::RegEnumKeyExA(handle.Get(), i, child, &childLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        SnapshotKey(key + "\\" + child, snapshot);
    }
}

StoreSnapshot Snapshot() {
    StoreSnapshot snapshot;
    SnapshotKey(kAppRegistryKey, snapshot);
    return snapshot;
}

struct WrongValue {
    std::string key;
    std::string name;
};

// A value of each kind, stored with a type it must not have.
const WrongValue kWrongValues[] = {
    {kFeaturesKey, "AutoComplete"},         {kFeaturesKey, "FileSystemRedirection"},
    {kFeaturesKey, "BasePath"},             {kEdtiorKey, "DefEditorFile"},
    {kEdtiorKey, "ZoomFactor"},             {kConvertedPathsKey, "ConvertedPath02"},
    {kTextSearchesKey, "SearchText02"},     {kEditorFilesKey, "EditorFile02"},
    {kEditorFilesKey, "LinesToGoTo01"},
};

void PutWrongType(const WrongValue& value) {
    // Numbers where text belongs and text where a number or binary data belongs.
    const bool textual = value.name == "BasePath" || value.name == "DefEditorFile" ||
                         value.name.rfind("ConvertedPath", 0) == 0 || value.name.rfind("SearchText", 0) == 0 ||
                         value.name.rfind("EditorFile", 0) == 0;
    if (textual) {
        PutDword(value.key, value.name, 7);
    } else {
        PutString(value.key, value.name, "1");
    }
}

class StoreFaultTest : public MainWindowTest {
protected:
    void FillStore() {
        PutString(kConvertedPathsKey, "ConvertedPath01", "C:\\first path");
        PutString(kConvertedPathsKey, "ConvertedPath02", "C:\\second path");
        PutString(kConvertedPathsKey, "ConvertedPath03", "C:\\third path");
        PutString(kTextSearchesKey, "SearchText01", "needle");
        PutString(kTextSearchesKey, "SearchText02", "pin");
        PutString(kEditorFilesKey, "EditorFile01", "C:\\out\\one.txt");
        PutString(kEditorFilesKey, "EditorFile02", "C:\\out\\two.txt");
        PutInts(kEditorFilesKey, "LinesToGoTo01", {2, 12, 7});
        PutInts(kEditorFilesKey, "LinesToGoTo02", {1, 3});
        PutString(kFeaturesKey, "BasePath", "C:\\base folder");
    }
};

TEST_F(StoreFaultTest, AWronglyTypedValueCostsOnlyItsOwnReadAndClosingKeepsTheStoreAsItWas) {
    for (const WrongValue& wrong : kWrongValues) {
        SCOPED_TRACE(wrong.name);
        DeleteUserKey(kAppRegistryKey);
        FillStore();
        PutWrongType(wrong);
        const StoreSnapshot before = Snapshot();

        MessageBoxAnswerer answerer(IDOK);
        TForm1& form = Start();
        ASSERT_TRUE(answerer.Wait());
        EXPECT_EQ(answerer.Texts(), StringList{"Invalid data type for '" + wrong.name + "'"});

        // The rest of start-up ran: histories, the cue banner and the commands.
        const bool pathsLost = wrong.key == kConvertedPathsKey;
        EXPECT_EQ(form.FileNameComboBox1().Count(), pathsLost ? 0 : 4);
        // The searches, and the entry that adds the converted paths while there are any.
        EXPECT_EQ(form.FindEdit1().Count(), (wrong.key == kTextSearchesKey ? 0 : 2) + (pathsLost ? 0 : 1));
        EXPECT_EQ(form.RecentFiles()->Count(), wrong.name == "EditorFile02" ? 0 : 2);
        wchar_t cue[128] = {};
        EXPECT_TRUE(::SendMessageW(form.FileNameComboBox1().EditHandle(), EM_GETCUEBANNER,
                                   reinterpret_cast<WPARAM>(cue), std::size(cue)));
        for (UINT id : {MMFileNew, MMFileLoad, MMFileSaveOutputAs, MMFileBrowse, MMActionListSpecialFolders}) {
            EXPECT_TRUE(form.MenuEnabled(id)) << id;
        }
        EXPECT_EQ(MenuItemEnabled(form.MainMenu(), MMFileRecentFiles), wrong.name != "EditorFile02");
        EXPECT_EQ(form.MenuChecked(MMCurrentBasePath), wrong.name != "BasePath");

        Close();
        ASSERT_FALSE(::IsWindow(form.Handle()));
        const StoreSnapshot after = Snapshot();
        for (const auto& [value, content] : before) {
            const auto found = after.find(value);
            ASSERT_NE(found, after.end()) << value.first << " " << value.second;
            EXPECT_EQ(found->second, content) << value.first << " " << value.second;
        }
        form_.reset();
    }
}

TEST_F(StoreFaultTest, ASuppressionFlagOfTheWrongTypeAsksTheQuestion) {
    // The shell's own check box stores a number here under Wine.
    PutDword(kDontShowKey, SuppressionValueName(SuppressibleDialog::CloseApp), 0);
    TForm1& form = Start();
    form.Output().AppendOutputLine("unsaved");
    EXPECT_EQ(CloseAnswering(IDCANCEL), "Close Application ?");
    EXPECT_TRUE(::IsWindow(form.Handle()));  // Cancel keeps the window
    RemoveValue(kDontShowKey, SuppressionValueName(SuppressibleDialog::CloseApp));
    form.Memo1().SetModified(false);
}

}  // namespace
}  // namespace zem::test
