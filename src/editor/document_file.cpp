#include "editor/document_file.h"

#include <richedit.h>

#include <algorithm>
#include <exception>

#include "base/app_error.h"
#include "base/controls.h"
#include "base/status_codes.h"
#include "base/strings.h"
#include "base/unique.h"
#include "resource.h"

namespace zem {

namespace {

constexpr DWORD kReadChunk = 64 * 1024;
constexpr uint64_t kLargestFile = 0x80000000ull;
// Room kept free for everything but the control's text: at least this, or a quarter of the room.
constexpr uint64_t kLeastMargin = 256ull << 20;
// Free blocks smaller than this are left to small allocations: the heap grows in larger ones.
constexpr SIZE_T kUsableFreeBlock = 1 << 20;
// How often, in characters streamed, the room still free is looked at while a text goes in.
constexpr uint64_t kRoomCheckInterval = 8ull << 20;
// Characters that measure a font's width for ordinary text: letters, digits and path marks.
constexpr char kWidthSample[] = "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789 :\\.";
constexpr uint32_t kFewestCharsPerRow = 8;

// The free address space in blocks the heap can grow into. Wine's GlobalMemoryStatusEx answers
// the working set for the used part, far below what the heap has reserved, so the address
// space is walked instead.
uint64_t FreeAddressSpace() {
    SYSTEM_INFO system{};
    ::GetSystemInfo(&system);
    uint64_t free = 0;
    auto* address = static_cast<const char*>(system.lpMinimumApplicationAddress);
    MEMORY_BASIC_INFORMATION region{};
    while (address < system.lpMaximumApplicationAddress && ::VirtualQuery(address, &region, sizeof(region))) {
        if (region.State == MEM_FREE && region.RegionSize >= kUsableFreeBlock) free += region.RegionSize;
        const auto* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= address) break;  // the top of the address space
        address = next;
    }
    return free;
}

// The free address space, or the memory the system can still commit if that is less.
uint64_t LoadRoom() {
    uint64_t room = FreeAddressSpace();
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (::GlobalMemoryStatusEx(&status)) room = std::min<uint64_t>(room, status.ullAvailPageFile);
    return room;
}

// Stops a load while there is still room: a file whose first chunk, projected over its size,
// costs more than the budget is refused before streaming, and the stream ends as soon as the
// text streamed so far costs more, or the room actually left falls below the least margin.
class LoadGuard {
public:
    LoadGuard(uint32_t charsPerRow, uint64_t budget)
        : shape_(charsPerRow), charsPerRow_(charsPerRow), budget_(budget) {}

    // `sample`: the text of the first `sampleBytes` of a file of `fileBytes`.
    bool SampleFits(const std::string& sample, uint64_t sampleBytes, uint64_t fileBytes) const {
        TextShape shape(charsPerRow_);
        shape.Add(sample.data(), sample.size());
        const uint64_t projected = sampleBytes == 0 ? 0 : shape.Cost() * std::max(fileBytes, sampleBytes) / sampleBytes;
        return projected <= budget_;
    }

    // Counts a chunk about to go in; 0, or ErrFileTooLarge when it must not.
    uint32_t Admit(const BYTE* chunk, LONG size) {
        shape_.Add(reinterpret_cast<const char*>(chunk), static_cast<size_t>(size));
        if (shape_.Cost() > budget_) return ErrFileTooLarge;
        if (shape_.Chars() < nextRoomCheck_) return 0;
        nextRoomCheck_ = shape_.Chars() + kRoomCheckInterval;
        return LoadRoom() < kLeastMargin ? ErrFileTooLarge : 0;
    }

private:
    TextShape shape_;
    uint32_t charsPerRow_;
    uint64_t budget_;
    uint64_t nextRoomCheck_ = kRoomCheckInterval;
};

// The file's text as ANSI bytes, handed out in chunks that never end between CR and LF:
// the control would insert an empty line there.
class FileTextReader {
public:
    FileTextReader(HANDLE file, TextFormat format) : file_(file), format_(format) {}

    // Reads the first chunk, so that its text can be looked at before streaming starts.
    uint32_t Prefetch() { return Available() == 0 && !end_ ? Refill() : 0; }
    std::string Pending() const { return text_.substr(position_); }
    uint64_t RawBytesRead() const { return rawBytes_; }

    uint32_t Read(BYTE* buffer, LONG size, LONG& delivered) {
        delivered = 0;
        while (!end_ && Available() <= static_cast<size_t>(size)) {
            if (const uint32_t error = Refill(); error != 0) return error;
        }
        size_t count = std::min(Available(), static_cast<size_t>(size));
        // The control reads a UTF-8 mark at the start of its first chunk as an encoding; a
        // first chunk of one byte keeps those bytes ANSI text.
        if (first_ && format_ == TextFormat::Ansi && text_.rfind("\xEF\xBB\xBF", 0) == 0) count = 1;
        first_ = false;
        if (count > 1 && text_[position_ + count - 1] == '\r' && (position_ + count < text_.size() || !end_)) --count;
        std::copy_n(text_.data() + position_, count, buffer);
        position_ += count;
        delivered = static_cast<LONG>(count);
        return 0;
    }

private:
    size_t Available() const { return text_.size() - position_; }

    uint32_t Refill() {
        text_.erase(0, position_);
        position_ = 0;
        std::string raw(kReadChunk, '\0');
        DWORD read = 0;
        if (!::ReadFile(file_, raw.data(), kReadChunk, &read, nullptr)) return LastErrorOr(ErrUnknownFailure);
        raw.resize(read);
        rawBytes_ += read;
        end_ = read == 0;
        if (format_ == TextFormat::Utf16) {
            AppendUtf16(raw);
        } else {
            text_ += raw;
        }
        return 0;
    }

    // Whole code units only: an odd byte, or a high surrogate at the end, waits for the next read.
    void AppendUtf16(const std::string& raw) {
        carry_ += raw;
        size_t units = carry_.size() / 2;
        if (!end_ && units > 0) {
            const auto last = static_cast<wchar_t>(static_cast<unsigned char>(carry_[2 * units - 2]) |
                                                   static_cast<unsigned char>(carry_[2 * units - 1]) << 8);
            if (last >= 0xD800 && last <= 0xDBFF) --units;
        }
        std::wstring wide(units, L'\0');
        std::copy_n(carry_.data(), 2 * units, reinterpret_cast<char*>(wide.data()));
        carry_.erase(0, 2 * units);
        text_ += WideToMultiByte(wide);
    }

    HANDLE file_;
    TextFormat format_;
    std::string text_;
    size_t position_ = 0;
    std::string carry_;
    uint64_t rawBytes_ = 0;
    bool end_ = false;
    bool first_ = true;
};

WPARAM StreamFormat(TextFormat format) { return format == TextFormat::RichText ? SF_RTF : SF_TEXT; }

struct StreamState {
    FileTextReader* reader = nullptr;
    LoadGuard* guard = nullptr;
    HANDLE output = nullptr;
    TextFormat format = TextFormat::Ansi;
    uint32_t error = 0;
};

DWORD CALLBACK StreamInCallback(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* delivered) {
    auto* state = reinterpret_cast<StreamState*>(cookie);
    try {
        if (state->error == 0) state->error = state->reader->Read(buffer, size, *delivered);
        if (state->error == 0) state->error = state->guard->Admit(buffer, *delivered);
        if (state->error != 0) *delivered = 0;
    } catch (const std::exception&) {
        state->error = ERROR_NOT_ENOUGH_MEMORY;
    }
    return state->error;
}

bool WriteAll(HANDLE file, const void* data, DWORD size) {
    DWORD written = 0;
    return ::WriteFile(file, data, size, &written, nullptr) && written == size;
}

DWORD CALLBACK StreamOutCallback(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* consumed) {
    auto* state = reinterpret_cast<StreamState*>(cookie);
    try {
        bool written = true;
        if (state->format == TextFormat::Utf16) {
            const std::wstring wide = MultiByteToWide(std::string(reinterpret_cast<char*>(buffer), size));
            written = WriteAll(state->output, wide.data(), static_cast<DWORD>(wide.size() * sizeof(wchar_t)));
        } else {
            written = WriteAll(state->output, buffer, static_cast<DWORD>(size));
        }
        if (!written) state->error = LastErrorOr(ErrUnknownFailure);
        *consumed = size;
    } catch (const std::exception&) {
        state->error = ERROR_FUNCTION_FAILED;
    }
    return state->error;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// Streams the editor's text into the open file; 0 or the error.
uint32_t StreamEditorText(HWND editor, HANDLE file, TextFormat format) {
    static const BYTE kMark[] = {0xFF, 0xFE};
    if (format == TextFormat::Utf16 && !WriteAll(file, kMark, sizeof(kMark))) return LastErrorOr(ErrUnknownFailure);
    StreamState state{nullptr, nullptr, file, format, 0};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&state), 0, StreamOutCallback};
    ::SendMessageA(editor, EM_STREAMOUT, StreamFormat(format), reinterpret_cast<LPARAM>(&stream));
    if (state.error == 0 && stream.dwError != 0) state.error = stream.dwError;
    return state.error;
}

// The editor's plain text as the file's bytes, fetched at once: far faster than streaming it
// out. False when there is no room for the copies.
bool PlainTextBytes(HWND editor, TextFormat format, std::string& bytes) noexcept {
    try {
        const std::wstring text = RichEdit(editor).FileText();
        if (format == TextFormat::Utf16) {
            bytes.reserve(2 + text.size() * sizeof(wchar_t));
            bytes.assign("\xFF\xFE", 2);
            bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
        } else {
            bytes = WideToMultiByte(text);
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// Writes the editor's text into a new file; 0 or the error. Rich text, and plain text too long
// to be copied at once, are streamed out.
uint32_t WriteEditorText(HWND editor, const std::string& path, TextFormat format) {
    const UniqueFileHandle file(
        ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return LastErrorOr(ErrUnknownFailure);
    uint32_t error = 0;
    std::string bytes;
    if (format != TextFormat::RichText && PlainTextBytes(editor, format, bytes)) {
        if (!WriteAll(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()))) error = LastErrorOr(ErrUnknownFailure);
    } else {
        error = StreamEditorText(editor, file.Get(), format);
    }
    if (error == 0 && !::FlushFileBuffers(file.Get())) error = LastErrorOr(ErrUnknownFailure);
    return error;
}

}  // namespace

bool HasReadOnlyAttribute(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

FileProbe ProbeDocumentFile(const std::string& path) {
    if (path.empty()) return {ErrNoFileName, false};
    WIN32_FIND_DATAA data{};
    const UniqueFindHandle found(::FindFirstFileA(path.c_str(), &data));
    if (!found || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || path.find_first_of("*?") != std::string::npos) {
        return {ErrFileNotFound, false};
    }
    if ((static_cast<uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow) >= kLargestFile) {
        return {ErrFileTooLarge, false};
    }
    const UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw AppError(Format(ResString(IDS_CANNOT_OPEN_FILE).c_str(), path.c_str()));
    BYTE mark[2] = {};
    DWORD read = 0;
    if (data.nFileSizeLow < 2 && data.nFileSizeHigh == 0) return {0, false};
    if (!::ReadFile(file.Get(), mark, 2, &read, nullptr) || read != 2) return {0xFFFFFFFF, false};
    return {0, mark[0] == 0xFF && mark[1] == 0xFE};
}

TextShape::TextShape(uint32_t charsPerRow) : charsPerRow_(std::max<uint32_t>(charsPerRow, 1)) {}

void TextShape::Add(const char* text, size_t size) {
    for (const char* end = text + size; text != end; ++text) {
        const char c = *text;
        const bool crLf = c == '\n' && afterCr_;  // one break, counted at its CR
        afterCr_ = c == '\r';
        if (crLf) continue;
        if (c == '\r' || c == '\n') {
            BreakLine();
            continue;
        }
        ++chars_;
        if (++lineChars_ > charsPerRow_ && (lineChars_ - 1) % charsPerRow_ == 0) ++rows_;
    }
}

void TextShape::BreakLine() {
    ++lines_;
    ++rows_;
    lineChars_ = 0;
}

uint32_t EditorCharsPerRow(HWND editor) {
    RECT area{};
    ::GetClientRect(editor, &area);
    const UniqueHdc dc(::CreateCompatibleDC(nullptr));
    const auto font = reinterpret_cast<HGDIOBJ>(::SendMessageA(editor, WM_GETFONT, 0, 0));
    ::SelectObject(dc.Get(), font ? font : ::GetStockObject(SYSTEM_FONT));
    SIZE extent{};
    constexpr int kSampleLength = sizeof(kWidthSample) - 1;
    if (!::GetTextExtentPoint32A(dc.Get(), kWidthSample, kSampleLength, &extent) || extent.cx <= 0) {
        return kFewestCharsPerRow;
    }
    const uint32_t zoom = RichEdit(editor).Zoom();
    uint64_t numerator = zoom & 0xFFFF, denominator = zoom >> 16;
    if (numerator == 0 || denominator == 0) numerator = denominator = 1;  // never zoomed
    // Word wrapping leaves the end of a row empty: a quarter of the width is not counted.
    const uint64_t width = static_cast<uint64_t>(std::max<LONG>(area.right, 0)) * 3 / 4;
    const uint64_t chars = width * kSampleLength * denominator / (static_cast<uint64_t>(extent.cx) * numerator);
    return static_cast<uint32_t>(std::clamp<uint64_t>(chars, kFewestCharsPerRow, 1u << 20));
}

uint64_t EditorLoadBudget() {
    const uint64_t room = LoadRoom();
    const uint64_t margin = std::max(kLeastMargin, room / 4);
    return room > margin ? room - margin : 0;
}

uint32_t StreamFileIntoEditor(HWND editor, const std::string& path, TextFormat format) {
    return StreamFileIntoEditor(editor, path, format, EditorLoadBudget());
}

uint32_t StreamFileIntoEditor(HWND editor, const std::string& path, TextFormat format, uint64_t budget) {
    const UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return LastErrorOr(ErrUnknownFailure);
    const uint64_t markBytes = format == TextFormat::Utf16 ? 2 : 0;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size)) return LastErrorOr(ErrUnknownFailure);
    if (markBytes != 0) ::SetFilePointer(file.Get(), static_cast<LONG>(markBytes), nullptr, FILE_BEGIN);
    FileTextReader reader(file.Get(), format);
    if (const uint32_t error = reader.Prefetch(); error != 0) return error;
    LoadGuard guard(EditorCharsPerRow(editor), budget);
    const uint64_t textBytes = static_cast<uint64_t>(size.QuadPart) - std::min<uint64_t>(markBytes, size.QuadPart);
    if (!guard.SampleFits(reader.Pending(), reader.RawBytesRead(), textBytes)) return ErrFileTooLarge;
    StreamState state{&reader, &guard, nullptr, format, 0};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&state), 0, StreamInCallback};
    {
        const RedrawSuspended redraw(editor);
        ::SendMessageA(editor, EM_STREAMIN, StreamFormat(format), reinterpret_cast<LPARAM>(&stream));
    }
    if (state.error == 0 && stream.dwError != 0) state.error = stream.dwError;
    return state.error;
}

uint32_t SaveEditorToFile(HWND editor, const std::string& path, TextFormat format) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) return ERROR_ACCESS_DENIED;
    char temporary[MAX_PATH + 1] = {};
    if (!::GetTempFileNameA(FolderOf(path).c_str(), "zem", 0, temporary)) return LastErrorOr(ErrUnknownFailure);
    uint32_t error = WriteEditorText(editor, temporary, format);
    if (error == 0 && !::MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = LastErrorOr(ErrUnknownFailure);
    }
    if (error != 0) {
        ::DeleteFileA(temporary);
        return error;
    }
    if (attributes != INVALID_FILE_ATTRIBUTES) ::SetFileAttributesA(path.c_str(), attributes);
    return 0;
}

}  // namespace zem
