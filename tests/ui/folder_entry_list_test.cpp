// The auto-complete's own list of the folder being typed, against real temporary folders.
#include <windows.h>
#include <shlguid.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "base/strings.h"
#include "test_support.h"
#include "ui/folder_entry_list.h"

namespace zem {
namespace {

using Microsoft::WRL::ComPtr;
using WideList = std::vector<std::wstring>;

class TypedFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.MakeFile("beta.txt");
        folder_.MakeFile("Alpha File.txt");
        folder_.MakeFile("Gamma Folder\\inner.txt");
    }
    std::wstring Typed(const std::string& rest) const { return MultiByteToWide(folder_.Path() + rest); }
    // `names` each after `prefix`.
    static WideList After(const std::string& prefix, const WideList& names) {
        WideList entries;
        for (const std::wstring& name : names) entries.push_back(MultiByteToWide(prefix) + name);
        return entries;
    }
    WideList All() const { return After(folder_.Path() + "\\", {L"Alpha File.txt", L"beta.txt", L"Gamma Folder"}); }

    // The strings the list yields from where it stands, fetched `step` at a time.
    static WideList Drain(IEnumString* list, ULONG step) {
        WideList texts;
        for (HRESULT result = S_OK; result == S_OK;) {
            std::vector<LPOLESTR> strings(step, nullptr);
            ULONG fetched = 0;
            result = list->Next(step, strings.data(), &fetched);
            EXPECT_EQ(result, fetched == step ? S_OK : S_FALSE);
            for (ULONG i = 0; i < fetched; ++i) {
                texts.emplace_back(strings[i]);
                ::CoTaskMemFree(strings[i]);
            }
        }
        return texts;
    }

    test::TempFolder folder_;
};

TEST_F(TypedFolder, TheTextUpToItsLastBackslashNamesTheFolder) {
    EXPECT_EQ(TypedFolderEntries(Typed("\\Be"), false), All()) << "the auto-complete matches the rest itself";
    EXPECT_EQ(TypedFolderEntries(Typed("\\"), true), After(folder_.Path() + "\\", {L"Gamma Folder"}));
    // A quoted path keeps its quote, so that the texts match what was typed.
    EXPECT_EQ(TypedFolderEntries(L"\"" + Typed("\\Gamma Folder\\in"), false),
              After("\"" + folder_.Path() + "\\Gamma Folder\\", {L"inner.txt"}));
    for (const std::wstring& nothing : {std::wstring(L"Gamma Folder"), Typed("\\Missing\\"), Typed("\\beta.txt\\")}) {
        EXPECT_EQ(TypedFolderEntries(nothing, false), WideList{}) << nothing;
    }
    char previous[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, previous);
    ::SetCurrentDirectoryA(folder_.Path().c_str());
    const WideList relative = TypedFolderEntries(L"Gamma Folder\\", false);
    ::SetCurrentDirectoryA(previous);
    EXPECT_EQ(relative, WideList{L"Gamma Folder\\inner.txt"});

    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    const WideList root = TypedFolderEntries(MultiByteToWide(std::string(windows, 3)), true);  // "C:\"
    EXPECT_TRUE(std::any_of(root.begin(), root.end(), [&](const std::wstring& entry) {
        return ::lstrcmpiW(entry.c_str(), MultiByteToWide(windows).c_str()) == 0;
    }));
}

TEST_F(TypedFolder, TheListYieldsTheExpandedFolderAndKeepsItsPlace) {
    ComPtr<IEnumString> list;
    ASSERT_EQ(CreateFolderEntryList(IID_IEnumString, reinterpret_cast<void**>(list.GetAddressOf())), S_OK);
    ComPtr<IACList2> expansion;
    ASSERT_EQ(list->QueryInterface(IID_IACList2, reinterpret_cast<void**>(expansion.GetAddressOf())), S_OK);
    EXPECT_EQ(Drain(list.Get(), 1), WideList{}) << "nothing before the first expansion";
    EXPECT_EQ(expansion->Expand(Typed("\\Al").c_str()), S_OK);
    EXPECT_EQ(Drain(list.Get(), 2), All());
    EXPECT_EQ(list->Reset(), S_OK);
    EXPECT_EQ(list->Skip(1), S_OK);
    ComPtr<IEnumString> copy;
    ASSERT_EQ(list->Clone(copy.GetAddressOf()), S_OK);
    const WideList all = All();
    EXPECT_EQ(Drain(list.Get(), 5), WideList(all.begin() + 1, all.end()));
    EXPECT_EQ(copy->Skip(5), S_FALSE) << "the copy kept its own place";
    // Asked for folders only, a new expansion leaves the files out; the copy keeps the old list.
    EXPECT_EQ(expansion->SetOptions(ACLO_FILESYSONLY | ACLO_FILESYSDIRS), S_OK);
    EXPECT_EQ(expansion->Expand(Typed("\\").c_str()), S_OK);
    EXPECT_EQ(Drain(list.Get(), 1), After(folder_.Path() + "\\", {L"Gamma Folder"}));
    copy->Reset();
    EXPECT_EQ(Drain(copy.Get(), 3), all);
    EXPECT_EQ(expansion->Expand(L"Alpha"), S_OK);
    EXPECT_EQ(Drain(list.Get(), 1), WideList{}) << "a text naming no folder empties the list";
}

TEST(FolderEntryList, AnswersItsInterfacesCountsItsReferencesAndChecksArguments) {
    IUnknown* list = nullptr;
    ASSERT_EQ(CreateFolderEntryList(IID_IUnknown, reinterpret_cast<void**>(&list)), S_OK);
    IEnumString* strings = nullptr;
    ASSERT_EQ(list->QueryInterface(IID_IEnumString, reinterpret_cast<void**>(&strings)), S_OK);
    IUnknown* identity = nullptr;
    ASSERT_EQ(strings->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
    EXPECT_EQ(identity, list) << "one identity whichever interface is asked";
    void* other = reinterpret_cast<void*>(1);
    EXPECT_EQ(list->QueryInterface(IID_IPersistFolder, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    LPOLESTR text[2] = {};
    EXPECT_EQ(strings->Next(2, text, nullptr), E_INVALIDARG) << "more than one string needs a count";
    EXPECT_EQ(strings->Next(1, nullptr, nullptr), E_POINTER);
    EXPECT_EQ(strings->Clone(nullptr), E_POINTER);
    EXPECT_EQ(identity->Release(), 2u);
    EXPECT_EQ(strings->Release(), 1u);
    EXPECT_EQ(list->Release(), 0u);
    EXPECT_EQ(CreateFolderEntryList(IID_IPersistFolder, &other), E_NOINTERFACE);
    EXPECT_EQ(CreateFolderEntryList(IID_IEnumString, nullptr), E_POINTER);
}

}  // namespace
}  // namespace zem
