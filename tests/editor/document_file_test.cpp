// Document files through a real rich-edit control: both formats, the two-byte probe, saves
// that must never destroy the previous file, and the guard that keeps a load within the room.
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

// Lines of `length` characters in words of five, as reports and listings have them.
std::string Lines(int count, int length) {
    std::string line;
    for (int i = 0; i < length; ++i) line += i % 6 == 5 ? ' ' : static_cast<char>('a' + i % 26);
    std::string text;
    for (int i = 0; i < count; ++i) text += line + "\r\n";
    return text;
}

// The memory committed in this process, walked region by region.
uint64_t CommittedBytes() {
    uint64_t committed = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* address = nullptr; ::VirtualQuery(address, &region, sizeof(region));) {
        if (region.State == MEM_COMMIT) committed += region.RegionSize;
        const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= address) break;
        address = next;
    }
    return committed;
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
    uint32_t LoadWithin(const std::string& path, uint64_t budget) {
        return StreamFileIntoEditor(editor_, path, TextFormat::Ansi, budget);
    }
    uint64_t CostOf(const std::string& text) const {
        TextShape shape(EditorCharsPerRow(editor_));
        shape.Add(text.data(), text.size());
        return shape.Cost();
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

// Text typed or pasted into the editor may hold characters the ANSI code page lacks: a UTF-16
// file keeps them. Every kind of line break is written as CR LF.
TEST_F(DocumentFile, SavesWriteEveryBreakAsCrLfAndUtf16KeepsEveryCharacter) {
    const std::wstring typed = L"caf\u00E9\r\n\u4E2D x\rlone cr\nlone lf\r\n\r\nlast";
    SETTEXTEX request{ST_DEFAULT, 1200};
    ::SendMessageW(editor_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(typed.c_str()));
    const std::wstring saved = L"caf\u00E9\r\n\u4E2D x\r\nlone cr\r\nlone lf\r\n\r\nlast";
    const std::string wide = temp_.Path() + "\\Wide.txt";
    ASSERT_EQ(SaveEditorToFile(editor_, wide, TextFormat::Utf16), 0u);
    EXPECT_EQ(ReadBytes(wide), Utf16(saved));
    const std::string ansi = temp_.Path() + "\\Ansi.txt";
    ASSERT_EQ(SaveEditorToFile(editor_, ansi, TextFormat::Ansi), 0u);
    EXPECT_EQ(ReadBytes(ansi), "caf\xE9\r\n? x\r\nlone cr\r\nlone lf\r\n\r\nlast");
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

TEST(TextShape, CountsParagraphsWrappedRowsAndCharacters) {
    TextShape shape(10);
    EXPECT_EQ(shape.Lines(), 1u);  // an empty text is one paragraph
    shape.Add("abc\r\ndef\rghi\njkl", 16);
    EXPECT_EQ(shape.Lines(), 4u);
    EXPECT_EQ(shape.Rows(), 4u);
    EXPECT_EQ(shape.Chars(), 12u);
    shape.Add("\r", 1);
    shape.Add("\n", 1);  // CR LF split over two pieces is still one break
    EXPECT_EQ(shape.Lines(), 5u);
    shape.Add(std::string(25, 'x').c_str(), 25);  // wraps into three rows of ten
    EXPECT_EQ(shape.Rows(), 7u);
    EXPECT_EQ(shape.Cost(), 7 * TextShape::kCostPerRow + 37 * TextShape::kCostPerChar);
}

TEST_F(DocumentFile, RowsGetShorterInANarrowerOrZoomedEditor) {
    ::MoveWindow(editor_, 0, 0, 632, 300, FALSE);
    const uint32_t wide = EditorCharsPerRow(editor_);
    ::MoveWindow(editor_, 0, 0, 316, 300, FALSE);
    const uint32_t narrow = EditorCharsPerRow(editor_);
    EXPECT_NEAR(narrow, wide / 2, 2);
    ASSERT_TRUE(RichEdit(editor_).SetZoom(0x00010002));  // 200 %
    EXPECT_NEAR(EditorCharsPerRow(editor_), narrow / 2, 2);
    ::MoveWindow(editor_, 0, 0, 0, 0, FALSE);
    EXPECT_GE(EditorCharsPerRow(editor_), 1u);
}

// The guard is only as sound as its estimate: the control's own rows and the memory it
// commits for a word-wrapping text stay within what the estimate counts.
TEST_F(DocumentFile, TheGuardsEstimateCoversWhatTheControlTakes) {
    ::MoveWindow(editor_, 0, 0, 632, 300, FALSE);  // the main window's editor
    const std::string text = Lines(2000, 110);
    const std::string path = temp_.MakeFile("Wrapped.txt", text);
    TextShape shape(EditorCharsPerRow(editor_));
    shape.Add(text.data(), text.size());
    const uint64_t before = CommittedBytes();
    ASSERT_EQ(Load(path), 0u);
    const uint64_t taken = CommittedBytes() - before;
    EXPECT_GE(shape.Rows(), static_cast<uint64_t>(::SendMessageA(editor_, EM_GETLINECOUNT, 0, 0)));
    EXPECT_GT(shape.Rows(), shape.Lines());  // the lines do wrap
    EXPECT_LE(taken, shape.Cost());
    EXPECT_GT(EditorLoadBudget(), 0u);
}

TEST_F(DocumentFile, AFileWhoseBeginningCannotFitIsRefusedBeforeStreaming) {
    const std::string text = Lines(100000, 0);
    const std::string path = temp_.MakeFile("Empty Lines.txt", text);
    ::SetWindowTextA(editor_, "kept");
    const uint64_t budget = 100ull << 20;
    ASSERT_GT(CostOf(text.substr(0, 64 * 1024)), budget);
    EXPECT_EQ(LoadWithin(path, budget), ErrFileTooLarge);
    EXPECT_EQ(Text(), "kept");  // not a character went in
}

// A file that starts with long lines looks affordable from its first chunk; its many short
// lines further on are stopped while streaming, and the editor is shown again.
TEST_F(DocumentFile, AFileThatOutgrowsTheBudgetStopsWhileStreaming) {
    const std::string longLines = Lines(70, 998);
    const std::string text = longLines + Lines(60000, 0);
    const std::string path = temp_.MakeFile("Long Then Short.txt", text);
    const uint64_t budget = 100ull << 20;
    ASSERT_LT(CostOf(text.substr(0, 64 * 1024)) * text.size() / (64 * 1024), budget / 2);
    ASSERT_LT(CostOf(longLines), budget / 2);
    ASSERT_GT(CostOf(text), budget * 2);
    ::ShowWindow(editor_, SW_SHOWNA);
    EXPECT_EQ(LoadWithin(path, budget), ErrFileTooLarge);
    EXPECT_GE(static_cast<size_t>(RichEdit(editor_).TextLength()), longLines.size() - 70);  // streaming had begun
    EXPECT_LT(static_cast<size_t>(RichEdit(editor_).TextLength()), text.size() - 60000);
    EXPECT_TRUE(::IsWindowVisible(editor_));
}

// Turning redraw back on shows a window: an editor loading out of sight must stay hidden.
TEST_F(DocumentFile, AHiddenEditorStaysHiddenWhileAndAfterLoading) {
    ASSERT_EQ(Load(temp_.MakeFile("Small.txt", "small text")), 0u);
    EXPECT_EQ(Text(), "small text");
    EXPECT_FALSE(::IsWindowVisible(editor_));
    ::ShowWindow(editor_, SW_SHOWNA);
    ASSERT_EQ(Load(temp_.MakeFile("Other.txt", "other text")), 0u);
    EXPECT_TRUE(::IsWindowVisible(editor_));
}

}  // namespace
}  // namespace zem
