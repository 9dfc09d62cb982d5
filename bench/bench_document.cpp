// Loading and saving a big output document through the program, against a bare EM_STREAMIN
// into a fresh editor and a bare WriteFile of the same bytes.
#include <richedit.h>

#include <cstdio>

#include "bench_support.h"
#include "base/unique.h"
#include "editor/document_file.h"

namespace zem::bench {
namespace {

// Every load costs seconds under Wine: one run each.
constexpr int kRuns = 1;

std::string SampleText(int lines) {
    std::string text;
    text.reserve(static_cast<size_t>(lines) * 54);
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

void WriteBytes(const std::string& path, const std::string& bytes) {
    const UniqueFileHandle file(
        ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

DWORD CALLBACK ReadFromFile(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
    DWORD count = 0;
    const BOOL ok = ::ReadFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(size), &count, nullptr);
    *read = static_cast<LONG>(count);
    return ok ? 0 : 1;
}

// The editor's own stream-in of the file's bytes, with nothing around it.
void BareStreamIn(HWND editor, const std::string& path, bool unicode) {
    const UniqueFileHandle file(
        ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (unicode) {
        char mark[2];
        DWORD read = 0;
        ::ReadFile(file.Get(), mark, 2, &read, nullptr);  // the byte-order mark is no text
    }
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(file.Get()), 0, ReadFromFile};
    ::SendMessageA(editor, EM_STREAMIN, unicode ? (SF_TEXT | SF_UNICODE) : SF_TEXT, reinterpret_cast<LPARAM>(&stream));
}

DWORD CALLBACK WriteToFile(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* written) {
    DWORD count = 0;
    const BOOL ok = ::WriteFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(size), &count, nullptr);
    *written = static_cast<LONG>(count);
    return ok ? 0 : 1;
}

// The editor's own stream-out into a file: the part of saving no program can avoid.
void BareStreamOut(HWND editor, const std::string& path, bool unicode) {
    const UniqueFileHandle file(
        ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(file.Get()), 0, WriteToFile};
    ::SendMessageA(editor, EM_STREAMOUT, unicode ? (SF_TEXT | SF_UNICODE) : SF_TEXT, reinterpret_cast<LPARAM>(&stream));
}

void BenchOneFormat(const char* name, const std::string& path, const std::string& bytes, bool unicode) {
    WriteBytes(path, bytes);
    std::unique_ptr<TForm1> form;
    const auto freshWindow = [&] { form.reset(); form = OpenMainWindow(); };
    const double bareLoad =
        FastestMilliseconds(kRuns, freshWindow, [&] { BareStreamIn(form->Memo1().Handle(), path, unicode); });
    const double programLoad = FastestMilliseconds(kRuns, freshWindow, [&] {
        if (form->LoadDocumentFile(path, false) != 0) std::printf("  LOADING FAILED\n");
    });
    std::printf("  %s: %d lines in the editor after loading\n", name, form->Output().LineCount());
    // Loading again over the long text must not pay for emptying it.
    const double programReload = FastestMilliseconds(kRuns, {}, [&] { form->LoadDocumentFile(path, false); });
    const std::string copy = path + ".saved";
    const double bareSave = FastestMilliseconds(kRuns, {}, [&] { WriteBytes(copy, bytes); });
    const double streamOut = FastestMilliseconds(kRuns, {}, [&] { BareStreamOut(form->Memo1().Handle(), copy, unicode); });
    const double programSave = FastestMilliseconds(kRuns, {}, [&] {
        if (form->SaveDocumentAs(copy, unicode) != 0) std::printf("  SAVING FAILED\n");
    });
    form.reset();
    ::DeleteFileA(copy.c_str());
    ::DeleteFileA(path.c_str());
    PrintRatio((std::string("Load ") + name).c_str(), programLoad, bareLoad, 1.2);
    PrintRatio((std::string("Load ") + name + " over the same").c_str(), programReload, bareLoad, 1.2);
    PrintRatio((std::string("Save ") + name).c_str(), programSave, bareSave, 1.5);
    PrintRatio((std::string("Save ") + name + " vs. bare stream-out").c_str(), programSave, streamOut, 1.5);
}

}  // namespace

void BenchDocumentFiles(int lines) {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    const std::string ansi = SampleText(lines);
    std::printf("Loading and saving %d lines (%.1f MiB of ANSI text) ...\n", lines, ansi.size() / 1048576.0);
    BenchOneFormat("ANSI file", std::string(folder) + "ZemBench Document.txt", ansi, false);
    const std::string searched = std::string(folder) + "ZemBench Searched.txt";
    WriteBytes(searched, ansi);
    BenchFind(searched);
    ::DeleteFileA(searched.c_str());
    BenchOneFormat("UTF-16LE file", std::string(folder) + "ZemBench Unicode Document.txt", Utf16Bytes(ansi), true);
}

}  // namespace zem::bench
