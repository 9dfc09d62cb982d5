#include "console/output_sink.h"

#include <algorithm>
#include <utility>

#include "base/unicode.h"

namespace zem {

namespace {

constexpr size_t kPieceSize = 64 * 1024;

// Hands `text` to `write` (data, count, written) in pieces until all is written; 0, or the
// error of the piece that failed.
template <class Char, class WritePiece>
uint32_t WriteInPieces(std::basic_string_view<Char> text, WritePiece write) {
    for (size_t done = 0; done < text.size();) {
        DWORD written = 0;
        const DWORD size = static_cast<DWORD>(std::min(text.size() - done, kPieceSize));
        if (!write(text.data() + done, size, &written) || written == 0) {
            return ::GetLastError() != 0 ? ::GetLastError() : ERROR_WRITE_FAULT;
        }
        done += written;
    }
    return 0;
}

}  // namespace

OutputSink::OutputSink(HANDLE handle, bool ansi, std::wstring recordEnd)
    : handle_(handle), ansi_(ansi), recordEnd_(std::move(recordEnd)) {
    DWORD mode = 0;
    console_ = handle != nullptr && handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle, &mode);
}

OutputSink::~OutputSink() { Flush(); }

void OutputSink::Write(std::wstring_view text) {
    if (error_ != 0) return;
    if (console_) {
        consoleText_ += text;
        if (consoleText_.size() >= kPieceSize) Flush();
        return;
    }
    pending_ += ansi_ ? WideToAnsi(text) : WideToUtf8(text);
    if (pending_.size() >= kPieceSize) Flush();
}

bool OutputSink::Flush() {
    if (error_ != 0) return false;
    if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) {
        if (!pending_.empty()) error_ = ERROR_INVALID_HANDLE;
        pending_.clear();
        return error_ == 0;
    }
    if (console_) {
        error_ = WriteInPieces(std::wstring_view(consoleText_), [this](const wchar_t* data, DWORD size, DWORD* written) {
            return ::WriteConsoleW(handle_, data, size, written, nullptr);
        });
        consoleText_.clear();
    } else {
        error_ = WriteInPieces(std::string_view(pending_), [this](const char* data, DWORD size, DWORD* written) {
            return ::WriteFile(handle_, data, size, written, nullptr);
        });
        pending_.clear();
    }
    return error_ == 0;
}

}  // namespace zem
