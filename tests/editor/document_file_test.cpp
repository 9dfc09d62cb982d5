// Document files through a real rich-edit control: both formats, the two-byte probe, and
// saves that must never destroy the previous file.
#include <gtest/gtest.h>

#include <windows.h>
#include <richedit.h>

#include <fstream>
#include <iterator>

#include "base/app_error.h"
#include "base/controls.h"
#include "base/status_codes.h"
#include "base/unique.h"
#include "editor/document_file.h"
#include "test_support.h"

namespace zem {
namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string Utf16(const std::wstring& text) {
    return std::string("\xFF\xFE", 2) + std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

class DocumentFile : public ::testing::Test {
protected:
    void SetUp() override {
        library_ = ::LoadLibraryA("riched20.dll");
        CreateEditor();
    }
    void CreateEditor() {
        editor_ = ::CreateWindowExA(0, RICHEDIT_CLASSA, "", WS_POPUP | ES_MULTILINE, 0, 0, 400, 300, nullptr, nullptr,
                                    nullptr, nullptr);
        ::SendMessageA(editor_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
        ::SendMessageA(editor_, EM_SETTEXTMODE, TM_PLAINTEXT, 0);
    }
    void RecreateEditor() {
        ::DestroyWindow(editor_);
        CreateEditor();
    }
    void TearDown() override {
        ::DestroyWindow(editor_);
        ::FreeLibrary(library_);
    }
    std::string Text() const { return WindowText(editor_); }
    uint32_t Load(const std::string& path) {
        const FileProbe probe = ProbeDocumentFile(path);
        if (probe.error != 0) return probe.error;
        return StreamFileIntoEditor(editor_, path, probe.unicode ? TextFormat::Utf16 : TextFormat::Ansi);
    }

    test::TempFolder temp_;
    HMODULE library_ = nullptr;
    HWND editor_ = nullptr;
};

TEST_F(DocumentFile, AnsiTextRoundTripsWithItsLineBreaks) {
    const std::string text = "first line\r\nsecond \xE9 line\r\n\r\nlast";
    const std::string path = temp_.MakeFile("Ansi File.txt", text);
    EXPECT_FALSE(ProbeDocumentFile(path).unicode);
    ASSERT_EQ(Load(path), 0u);
    EXPECT_EQ(Text(), text);
    const std::string copy = temp_.Path() + "\\Copy.txt";
    ASSERT_EQ(SaveEditorToFile(editor_, copy, TextFormat::Ansi), 0u);
    EXPECT_EQ(ReadBytes(copy), text);
}

TEST_F(DocumentFile, Utf16TextLoadsAsAnsiAndSavesWithItsMark) {
    const std::string path = temp_.MakeFile("Unicode File.txt", Utf16(L"caf\u00E9\r\n\u4E2D x\r\nend"));
    EXPECT_TRUE(ProbeDocumentFile(path).unicode);
    ASSERT_EQ(Load(path), 0u);
    EXPECT_EQ(Text(), "caf\xE9\r\n? x\r\nend");  // no ANSI form: the default character
    const std::string copy = temp_.Path() + "\\Copy.txt";
    ASSERT_EQ(SaveEditorToFile(editor_, copy, TextFormat::Utf16), 0u);
    EXPECT_EQ(ReadBytes(copy), Utf16(L"caf\u00E9\r\n? x\r\nend"));
}

TEST_F(DocumentFile, LongTextsKeepEveryLineAcrossChunks) {
    std::string text;
    for (int line = 0; line < 20000; ++line) text += "line number " + std::to_string(line) + " of the test\r\n";
    const std::string ansi = temp_.MakeFile("Long.txt", text);
    ASSERT_EQ(Load(ansi), 0u);
    EXPECT_EQ(Text(), text);
    RecreateEditor();  // emptying a long text first would cost more than the load
    const std::string wide = temp_.MakeFile("Long16.txt", Utf16(MultiByteToWide(text)));
    ASSERT_EQ(Load(wide), 0u);
    EXPECT_EQ(Text(), text);
}

TEST_F(DocumentFile, TheTwoByteProbe) {
    EXPECT_FALSE(ProbeDocumentFile(temp_.MakeFile("Empty.txt", "")).unicode);
    EXPECT_EQ(ProbeDocumentFile(temp_.MakeFile("Empty.txt", "")).error, 0u);
    EXPECT_FALSE(ProbeDocumentFile(temp_.MakeFile("One.txt", "\xFF")).unicode);
    const std::string utf8 = temp_.MakeFile("Utf8.txt", "\xEF\xBB\xBFtext");
    EXPECT_FALSE(ProbeDocumentFile(utf8).unicode);
    ASSERT_EQ(Load(utf8), 0u);
    EXPECT_EQ(Text(), "\xEF\xBB\xBFtext");  // loaded as three ANSI characters

    const std::string odd = temp_.MakeFile("Odd.txt", Utf16(L"ab") + "c");
    ASSERT_EQ(Load(odd), 0u);
    EXPECT_EQ(Text(), "ab");
}

TEST_F(DocumentFile, MissingFilesFoldersAndEmptyNamesHaveTheirCodes) {
    EXPECT_EQ(ProbeDocumentFile("").error, ErrNoFileName);
    EXPECT_EQ(ProbeDocumentFile(temp_.Path() + "\\Missing.txt").error, ErrFileNotFound);
    EXPECT_EQ(ProbeDocumentFile(temp_.Path()).error, ErrFileNotFound);
    temp_.MakeFile("Some.txt");
    EXPECT_EQ(ProbeDocumentFile(temp_.Path() + "\\S*.txt").error, ErrFileNotFound);
}

TEST_F(DocumentFile, AFailedSaveLeavesThePreviousFileIntact) {
    const std::string path = temp_.MakeFile("Kept.txt", "previous content");
    ::SetWindowTextA(editor_, "new content");

    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(SaveEditorToFile(editor_, path, TextFormat::Ansi), static_cast<uint32_t>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(ReadBytes(path), "previous content");
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

    EXPECT_NE(SaveEditorToFile(editor_, temp_.Path() + "\\Vanished Folder\\New.txt", TextFormat::Ansi), 0u);

    // A successful save replaces the file and keeps its attributes.
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    ASSERT_EQ(SaveEditorToFile(editor_, path, TextFormat::Ansi), 0u);
    EXPECT_EQ(ReadBytes(path), "new content");
    EXPECT_EQ(::GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    WIN32_FIND_DATAA data{};
    const UniqueFindHandle leftovers(::FindFirstFileA((temp_.Path() + "\\zem*.tmp").c_str(), &data));
    EXPECT_FALSE(leftovers);  // no temporary file stays behind
}

TEST_F(DocumentFile, LockedBinaryAndOverlongFilesEndInACodeOrAText) {
    const std::string locked = temp_.MakeFile("Locked.txt", "held by another program");
    {
        const UniqueFileHandle holder(
            ::CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(holder);
        try {
            Load(locked);
            ADD_FAILURE() << "a locked file must not load";
        } catch (const AppError& error) {
            EXPECT_EQ(std::string(error.what()), "Cannot open file " + locked);
        }
        ::SetWindowTextA(editor_, "kept");
        EXPECT_NE(SaveEditorToFile(editor_, locked, TextFormat::Ansi), 0u);
    }
    EXPECT_EQ(ReadBytes(locked), "held by another program");

    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>(i * 7 % 256);
    ASSERT_EQ(Load(temp_.MakeFile("Binary.dat", binary)), 0u);  // shown as far as the control can

    const std::string overlong = temp_.Path() + "\\" + std::string(300, 'n') + ".txt";
    EXPECT_NE(Load(overlong), 0u);
    EXPECT_NE(SaveEditorToFile(editor_, overlong, TextFormat::Ansi), 0u);
}

}  // namespace
}  // namespace zem
