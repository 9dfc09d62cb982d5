#include "console/input_records.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

#include "base/unicode.h"
#include "resource.h"

namespace zem {

namespace {

constexpr DWORD kChunkSize = 64 * 1024;

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return ::GetConsoleMode(handle, &mode) != FALSE;
}

std::wstring Utf16Units(const std::string& raw, bool bigEndian) {
    std::wstring text(raw.size() / 2, L'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        const auto first = static_cast<unsigned char>(raw[2 * i]);
        const auto second = static_cast<unsigned char>(raw[2 * i + 1]);
        text[i] = static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return text;
}

}  // namespace

InputRecords::InputRecords(HANDLE input, bool nulSeparated, std::function<void()> beforeWaiting)
    : input_(input), beforeWaiting_(std::move(beforeWaiting)), nulSeparated_(nulSeparated) {
    if (IsConsole(input)) encoding_ = Encoding::Console;
}

// Reads one more chunk; false at the end or on a failure.
bool InputRecords::Fill() {
    if (ended_) return false;
    if (start_ > 0) {
        buffer_.erase(0, start_);
        start_ = 0;
    }
    if (beforeWaiting_) beforeWaiting_();
    const size_t old = buffer_.size();
    DWORD read = 0;
    BOOL ok = FALSE;
    if (encoding_ == Encoding::Console) {
        buffer_.resize(old + kChunkSize);
        ok = ::ReadConsoleW(input_, buffer_.data() + old, kChunkSize / 2, &read, nullptr);
        read *= 2;
    } else {
        buffer_.resize(old + kChunkSize);
        ok = ::ReadFile(input_, buffer_.data() + old, kChunkSize, &read, nullptr);
    }
    buffer_.resize(old + read);
    if (!ok) {
        const DWORD error = ::GetLastError();
        // A pipe whose writer is gone has simply ended.
        if (error != ERROR_BROKEN_PIPE && error != ERROR_HANDLE_EOF) readError_ = error;
    }
    if (!ok || read == 0) ended_ = true;
    return read > 0;
}

void InputRecords::DetectEncoding() {
    while (buffer_.size() < 3 && Fill()) {
    }
    const auto startsWith = [this](const char* mark, size_t size) {
        return buffer_.size() >= size && std::memcmp(buffer_.data(), mark, size) == 0;
    };
    encoding_ = Encoding::Utf8;
    if (startsWith("\xEF\xBB\xBF", 3)) {
        start_ = 3;
    } else if (startsWith("\xFF\xFE", 2)) {
        encoding_ = Encoding::Utf16LE;
        start_ = 2;
    } else if (startsWith("\xFE\xFF", 2)) {
        encoding_ = Encoding::Utf16BE;
        start_ = 2;
    }
}

bool InputRecords::TakeRecord(std::string& raw, bool& tooLong) {
    const bool wide = encoding_ != Encoding::Utf8;
    const size_t unit = wide ? 2 : 1;
    const size_t limit = (kMaxInputLength + 1) * (wide ? 2 : 4);  // UTF-8 takes up to 4 bytes a character
    raw.clear();
    tooLong = false;
    for (;;) {
        size_t end = start_;
        for (; end + unit <= buffer_.size(); end += unit) {
            const bool zero = wide ? buffer_[end] == 0 && buffer_[end + 1] == 0 : buffer_[end] == 0;
            const bool lineFeed = encoding_ == Encoding::Utf16BE
                                      ? buffer_[end] == 0 && buffer_[end + 1] == '\n'
                                      : buffer_[end] == '\n' && (!wide || buffer_[end + 1] == 0);
            if (nulSeparated_ ? zero : lineFeed) break;
        }
        const bool complete = end + unit <= buffer_.size();
        // An endless line is kept only up to the limit: it is refused anyway.
        if (raw.size() < limit) raw.append(buffer_, start_, std::min(end - start_, limit - raw.size()));
        if (raw.size() >= limit) tooLong = true;
        start_ = complete ? end + unit : end;
        if (complete) return true;
        if (!Fill()) {
            // What is left is the last record; half a UTF-16 unit included, so that it is refused.
            if (raw.size() < limit) raw.append(buffer_, start_, std::string::npos);
            start_ = buffer_.size();
            return !raw.empty();
        }
    }
}

InputRecord InputRecords::Decode(const std::string& raw, bool tooLong) const {
    InputRecord record;
    record.number = count_;
    if (tooLong) {
        record.problem = IDS_TARV_RECORD_TOO_LONG;
        return record;
    }
    if (encoding_ == Encoding::Utf8) {
        std::optional<std::wstring> text = Utf8ToWide(raw);
        if (!text) {
            record.problem = IDS_TARV_RECORD_NOT_UTF8;
            return record;
        }
        record.text = std::move(*text);
    } else {
        if (raw.size() % 2 != 0) record.problem = IDS_TARV_RECORD_ODD_UTF16;
        record.text = Utf16Units(raw, encoding_ == Encoding::Utf16BE);
    }
    if (!nulSeparated_) {
        if (!record.text.empty() && record.text.back() == L'\r') record.text.pop_back();
        if (record.text.find(L'\0') != std::wstring::npos) record.problem = IDS_TARV_RECORD_HAS_NUL;
    }
    if (record.problem == 0 && record.text.size() > kMaxInputLength) record.problem = IDS_TARV_RECORD_TOO_LONG;
    return record;
}

bool InputRecords::Next(InputRecord& record) {
    if (encoding_ == Encoding::Unknown) DetectEncoding();
    std::string raw;
    bool tooLong = false;
    if (!TakeRecord(raw, tooLong)) return false;
    ++count_;
    record = Decode(raw, tooLong);
    return true;
}

}  // namespace zem
