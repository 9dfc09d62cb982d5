// The output document's files: 8-bit ANSI text, or UTF-16LE after the mark FF FE, streamed
// into and out of the editor control in chunks; the About dialog also saves rich text.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace zem {

// The path is not an existing file.
inline constexpr uint32_t ErrFileNotFound = 0xE0000002;
// The file has 2^31 bytes or more, or its text would not fit into the editor's address space.
inline constexpr uint32_t ErrFileTooLarge = 0xE000FF0A;
// A recent-files item without an entry.
inline constexpr uint32_t ErrNoRecentEntry = 0xE000FFFF;

// RichText is the control's own RTF, written as it comes.
enum class TextFormat { Ansi, Utf16, RichText };

struct FileProbe {
    uint32_t error = 0;
    bool unicode = false;  // the file begins with FF FE
};

bool HasReadOnlyAttribute(const std::string& path);

// Checks that the path is an existing file small enough for the editor and reads its first
// two bytes; a file that cannot be opened for the probe throws AppError "Cannot open file".
FileProbe ProbeDocumentFile(const std::string& path);

// What the rich-edit control builds for a text, fed to it in pieces: paragraphs, the display rows
// they wrap into at `charsPerRow` characters, and characters. Cost() is the address space the
// control needs for them, measured under Wine: about 2 to 2.6 KB committed per row and 30 to 40
// bytes per character (a 64-bit process; the reserved heap is 1.2 to 2 times that, and a 32-bit
// process showed 5.4 KB per line of 50 characters), so each row counts 5 KB and each character 48.
class TextShape {
public:
    static constexpr uint64_t kCostPerRow = 5 * 1024;
    static constexpr uint64_t kCostPerChar = 48;

    explicit TextShape(uint32_t charsPerRow);
    void Add(const char* text, size_t size);
    uint64_t Lines() const { return lines_; }
    uint64_t Rows() const { return rows_; }
    uint64_t Chars() const { return chars_; }
    uint64_t Cost() const { return rows_ * kCostPerRow + chars_ * kCostPerChar; }

private:
    void BreakLine();

    uint64_t charsPerRow_;
    uint64_t lines_ = 1;
    uint64_t rows_ = 1;
    uint64_t chars_ = 0;
    uint64_t lineChars_ = 0;
    bool afterCr_ = false;
};

// How many characters of ordinary text fit into one row of the editor at its width, font and
// zoom, counted short so that word wrapping is not underestimated.
uint32_t EditorCharsPerRow(HWND editor);

// The address space a load may give the control: the free address space in blocks the heap can
// grow into, or the memory the system can still commit if that is less, minus a quarter of it
// (at least 256 MB) for everything else.
uint64_t EditorLoadBudget();

// Replaces the editor's text with the file's; 0 or the error code. A text whose cost exceeds the
// budget is refused with ErrFileTooLarge: before streaming when a sample of its beginning says
// so, else while streaming once the text streamed so far says so. A visible editor is not
// repainted while the text goes in.
uint32_t StreamFileIntoEditor(HWND editor, const std::string& path, TextFormat format);
uint32_t StreamFileIntoEditor(HWND editor, const std::string& path, TextFormat format, uint64_t budget);

// Writes the editor's whole text. The file is written beside the target and replaces it only
// when complete, so a failed save leaves the previous file as it was (attributes kept).
uint32_t SaveEditorToFile(HWND editor, const std::string& path, TextFormat format);

}  // namespace zem
