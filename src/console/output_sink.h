// Standard output or standard error: UTF-16 to a console, UTF-8 (or the ANSI code page) to
// a file or a pipe, written in large pieces.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace zem {

class OutputSink {
public:
    // `recordEnd` ends each record: a line break, or a NUL.
    OutputSink(HANDLE handle, bool ansi, std::wstring recordEnd = L"\r\n");
    ~OutputSink();
    OutputSink(const OutputSink&) = delete;
    OutputSink& operator=(const OutputSink&) = delete;

    void Write(std::wstring_view text);
    void WriteRecord(std::wstring_view text) {
        Write(text);
        Write(recordEnd_);
    }
    // Writes what is held; false once a write has failed. Later writes are dropped.
    bool Flush();
    uint32_t Error() const { return error_; }

private:
    HANDLE handle_;
    bool console_ = false;
    bool ansi_;
    std::wstring recordEnd_;
    std::string pending_;   // encoded bytes not yet written
    std::wstring consoleText_;
    uint32_t error_ = 0;
};

}  // namespace zem
