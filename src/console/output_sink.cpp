#include "console/output_sink.h"

#include <algorithm>
#include <utility>

#include "base/unicode.h"

namespace zem {

namespace {

constexpr size_t kPieceSize = 64 * 1024;

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
        for (size_t done = 0; done < consoleText_.size() && error_ == 0;) {
            DWORD written = 0;
            const DWORD size = static_cast<DWORD>(std::min(consoleText_.size() - done, kPieceSize));
            if (!::WriteConsoleW(handle_, consoleText_.data() + done, size, &written, nullptr) || written == 0) {
                error_ = ::GetLastError() != 0 ? ::GetLastError() : ERROR_WRITE_FAULT;
            }
            done += written;
        }
        consoleText_.clear();
        return error_ == 0;
    }
    WriteBytes(pending_);
    pending_.clear();
    return error_ == 0;
}

void OutputSink::WriteBytes(const std::string& bytes) {
    for (size_t done = 0; done < bytes.size();) {
        DWORD written = 0;
        const DWORD size = static_cast<DWORD>(std::min(bytes.size() - done, kPieceSize));
        if (!::WriteFile(handle_, bytes.data() + done, size, &written, nullptr) || written == 0) {
            error_ = ::GetLastError() != 0 ? ::GetLastError() : ERROR_WRITE_FAULT;
            return;
        }
        done += written;
    }
}

}  // namespace zem
