// The inputs of standard input: one a line (or NUL-separated), read as UTF-8, or as UTF-16
// after its byte-order mark, or as the console gives them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace zem {

// The longest input the system could take as a path.
inline constexpr size_t kMaxInputLength = 32767;

struct InputRecord {
    std::wstring text;
    UINT problem = 0;  // the message id of a record that cannot be taken, else 0
    size_t number = 0;  // 1-based position in the stream
};

class InputRecords {
public:
    // `beforeWaiting` runs before each read that may wait for the writer of the input.
    InputRecords(HANDLE input, bool nulSeparated, std::function<void()> beforeWaiting = {});

    // The next record; false at the end of the input or when reading fails (see ReadError).
    bool Next(InputRecord& record);
    uint32_t ReadError() const { return readError_; }

private:
    enum class Encoding { Unknown, Utf8, Utf16LE, Utf16BE, Console };

    bool Fill();
    void DetectEncoding();
    // The bytes (or UTF-16 units) of the next record in `raw`; false when none is left.
    bool TakeRecord(std::string& raw, bool& tooLong);
    InputRecord Decode(const std::string& raw, bool tooLong) const;

    HANDLE input_;
    std::function<void()> beforeWaiting_;
    bool nulSeparated_;
    Encoding encoding_ = Encoding::Unknown;
    std::string buffer_;  // bytes read but not taken; for the console, UTF-16 units as bytes
    size_t start_ = 0;
    bool ended_ = false;
    uint32_t readError_ = 0;
    size_t count_ = 0;
};

}  // namespace zem
