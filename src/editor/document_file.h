// The output document's files: 8-bit ANSI text, or UTF-16LE after the mark FF FE, streamed
// into and out of the editor control in chunks; the About dialog also saves rich text.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace zem {

// The path is not an existing file.
inline constexpr uint32_t ErrFileNotFound = 0xE0000002;
// The file has 2^31 bytes or more.
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

// Replaces the editor's text with the file's; 0 or the error code. Loading stops with 8 (not
// enough memory) before the control would exhaust the address space.
uint32_t StreamFileIntoEditor(HWND editor, const std::string& path, TextFormat format);

// Writes the editor's whole text. The file is written beside the target and replaces it only
// when complete, so a failed save leaves the previous file as it was (attributes kept).
uint32_t SaveEditorToFile(HWND editor, const std::string& path, TextFormat format);

}  // namespace zem
