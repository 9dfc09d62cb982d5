#include "bench_support.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "base/unique.h"
#include "config/app_config.h"

namespace zem::bench {

double NowMs() {
    static const double frequency = [] {
        LARGE_INTEGER value{};
        ::QueryPerformanceFrequency(&value);
        return static_cast<double>(value.QuadPart);
    }();
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / frequency;
}

double Fastest(int runs, const std::function<double()>& measure) {
    double fastest = 1e300;
    for (int run = 0; run < runs; ++run) {
        const double span = measure();
        if (span < 0) return -1;
        fastest = std::min(fastest, span);
    }
    return fastest;
}

void Progress(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    std::printf("  ");
    std::vprintf(format, arguments);
    std::printf(" ...\n");
    va_end(arguments);
}

bool Check(bool ok, const std::string& what) {
    std::printf("    %s %s\n", ok ? "ok:" : "CHECK FAILED:", what.c_str());
    return ok;
}

void ResultTable::Add(const std::string& name, double program, double anchor, double target) {
    rows_.push_back({name, program, anchor, target});
}

void ResultTable::Print() const {
    std::printf("\n%-52s %10s %10s %7s %7s\n", "Operation", "program", "anchor", "ratio", "target");
    for (const Row& row : rows_) {
        if (row.program < 0 || row.anchor < 0) {
            std::printf("%-52s %10s %10s %7s %6.1fx  FAILED (see the checks above)\n", row.name.c_str(),
                        row.program < 0 ? "-" : Format("%.0f", row.program).c_str(),
                        row.anchor < 0 ? "-" : Format("%.0f", row.anchor).c_str(), "-", row.target);
            continue;
        }
        const double ratio = row.program / row.anchor;
        std::printf("%-52s %10.0f %10.0f %6.2fx %6.1fx%s\n", row.name.c_str(), row.program, row.anchor, ratio,
                    row.target, ratio > row.target ? "  ABOVE TARGET" : "");
    }
}

BenchFolder::BenchFolder() {
    char temp[MAX_PATH + 1] = {};
    ::GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "Zem Benchmark " + std::to_string(::GetCurrentProcessId());
    ::CreateDirectoryA(path_.c_str(), nullptr);
}

BenchFolder::~BenchFolder() {
    WIN32_FIND_DATAA found{};
    const UniqueFindHandle search(::FindFirstFileA((path_ + "\\*").c_str(), &found));
    if (search) {
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) ::DeleteFileA(File(found.cFileName).c_str());
        } while (::FindNextFileA(search.Get(), &found));
    }
    ::RemoveDirectoryA(path_.c_str());
}

namespace {

std::string SampleText(int lines) {
    std::string text;
    text.reserve(static_cast<size_t>(lines) * 64);
    char line[128];
    for (int i = 0; i < lines; ++i) {
        std::snprintf(line, sizeof(line), "C:\\Program Files\\Zem Output\\Folder %05d\\A Long File %05d.txt\r\n",
                      i % 997, i);
        text += line;
    }
    return text;
}

std::string Utf16Bytes(const std::string& ansi) {
    const std::wstring wide = L"\xFEFF" + MultiByteToWide(ansi);
    return std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
}

}  // namespace

Documents::Documents(const BenchFolder& folder, int lineCount)
    : lines(lineCount),
      ansiPath(folder.File("Document " + std::to_string(lineCount) + " lines.txt")),
      unicodePath(folder.File("Unicode Document " + std::to_string(lineCount) + " lines.txt")) {
    const std::string text = SampleText(lines);
    characters = text.size();
    WriteBytes(ansiPath, text);
    WriteBytes(unicodePath, Utf16Bytes(text));
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    const UniqueFileHandle file(
        ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void ClearProgramStore() { ::RegDeleteTreeA(HKEY_CURRENT_USER, kAppRegistryKey); }

LongNameTree::LongNameTree(const BenchFolder& folder, int count) {
    constexpr int kFilesPerFolder = 200;
    for (int file = 0; file < count; ++file) {
        if (file % kFilesPerFolder == 0) {
            folders_.push_back(folder.File("Benchmark Folder Number " + std::to_string(file / kFilesPerFolder)));
            ::CreateDirectoryA(folders_.back().c_str(), nullptr);
        }
        files_.push_back(folders_.back() + "\\Long Benchmark File Name " + std::to_string(file) + ".txt");
        const UniqueFileHandle created(::CreateFileA(files_.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                     FILE_ATTRIBUTE_NORMAL, nullptr));
        char shortForm[MAX_PATH] = {};
        ::GetShortPathNameA(files_.back().c_str(), shortForm, MAX_PATH);
        shortForms_.push_back(shortForm);
    }
}

LongNameTree::~LongNameTree() {
    for (const std::string& file : files_) ::DeleteFileA(file.c_str());
    for (const std::string& folder : folders_) ::RemoveDirectoryA(folder.c_str());
}

std::unique_ptr<TForm1> OpenMainWindow() {
    ClearProgramStore();
    auto form = std::make_unique<TForm1>();
    form->Create();
    form->Show(SW_SHOWNORMAL);
    PumpUntilIdle(form.get());
    return form;
}

void PumpUntilIdle(TForm1* form) {
    MSG message{};
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (form && form->PreTranslateMessage(message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

double PostAndWait(TForm1& form, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const double start = NowMs();
    ::PostMessageA(window, message, wParam, lParam);
    PumpUntilIdle(&form);
    return NowMs() - start;
}

double PressKey(TForm1& form, UINT key) {
    const HWND focus = ::GetFocus() ? ::GetFocus() : form.Handle();
    const LPARAM scanCode = static_cast<LPARAM>(::MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
    const double start = NowMs();
    ::PostMessageA(focus, WM_KEYDOWN, key, scanCode | 1);
    ::PostMessageA(focus, WM_KEYUP, key, scanCode | 1 | (3u << 30));
    PumpUntilIdle(&form);
    return NowMs() - start;
}

void TypeText(TForm1& form, HWND control, const std::string& text) {
    for (const char c : text) ::PostMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
    PumpUntilIdle(&form);
}

}  // namespace zem::bench
