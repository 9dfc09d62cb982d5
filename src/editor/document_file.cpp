#include "editor/document_file.h"

#include <richedit.h>

#include <algorithm>
#include <exception>

#include "base/app_error.h"
#include "base/status_codes.h"
#include "base/strings.h"
#include "base/unique.h"
#include "resource.h"

namespace zem {

namespace {

constexpr DWORD kReadChunk = 64 * 1024;
constexpr uint64_t kLargestFile = 0x80000000ull;
// The control needs several KB of address space per line; loading stops while this much is left.
constexpr DWORDLONG kAddressSpaceMargin = 160ull << 20;

bool AddressSpaceRunningOut() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    return ::GlobalMemoryStatusEx(&status) && status.ullAvailVirtual < kAddressSpaceMargin;
}

// The file's text as ANSI bytes, handed out in chunks that never end between CR and LF:
// the control would insert an empty line there.
class FileTextReader {
public:
    FileTextReader(HANDLE file, TextFormat format) : file_(file), format_(format) {}

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
    bool end_ = false;
    bool first_ = true;
};

WPARAM StreamFormat(TextFormat format) { return format == TextFormat::RichText ? SF_RTF : SF_TEXT; }

struct StreamState {
    FileTextReader* reader = nullptr;
    HANDLE output = nullptr;
    TextFormat format = TextFormat::Ansi;
    uint32_t error = 0;
};

DWORD CALLBACK StreamInCallback(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* delivered) {
    auto* state = reinterpret_cast<StreamState*>(cookie);
    try {
        if (AddressSpaceRunningOut()) state->error = ERROR_NOT_ENOUGH_MEMORY;
        if (state->error == 0) state->error = state->reader->Read(buffer, size, *delivered);
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

// Streams the editor's text into a new file; 0 or the error.
uint32_t WriteEditorText(HWND editor, const std::string& path, TextFormat format) {
    const UniqueFileHandle file(
        ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return LastErrorOr(ErrUnknownFailure);
    static const BYTE kMark[] = {0xFF, 0xFE};
    if (format == TextFormat::Utf16 && !WriteAll(file.Get(), kMark, sizeof(kMark))) return LastErrorOr(ErrUnknownFailure);
    StreamState state{nullptr, file.Get(), format, 0};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&state), 0, StreamOutCallback};
    ::SendMessageA(editor, EM_STREAMOUT, StreamFormat(format), reinterpret_cast<LPARAM>(&stream));
    if (state.error == 0 && stream.dwError != 0) state.error = stream.dwError;
    if (state.error == 0 && !::FlushFileBuffers(file.Get())) state.error = LastErrorOr(ErrUnknownFailure);
    return state.error;
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

uint32_t StreamFileIntoEditor(HWND editor, const std::string& path, TextFormat format) {
    const UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return LastErrorOr(ErrUnknownFailure);
    if (format == TextFormat::Utf16) ::SetFilePointer(file.Get(), 2, nullptr, FILE_BEGIN);
    FileTextReader reader(file.Get(), format);
    StreamState state{&reader, nullptr, format, 0};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&state), 0, StreamInCallback};
    ::SendMessageA(editor, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(editor, EM_STREAMIN, StreamFormat(format), reinterpret_cast<LPARAM>(&stream));
    ::SendMessageA(editor, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(editor, nullptr, TRUE);
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
