// Benchmarks of the operations that do the most work: converting dropped files, listing the
// special folders, loading and saving big documents, each against the bare system calls.
#include <ole2.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>
#include <cstdlib>

#include "bench_support.h"
#include "engine/dropped_files.h"
#include "folders/known_folders.h"
#include "resource.h"

namespace zem::bench {
namespace {

// Ten thousand conversions take half a minute under Wine: one run each is enough there.
constexpr int kDropRuns = 1;
constexpr int kRuns = 3;

void BenchDroppedFiles(const StringList& files) {
    StringList shortForms;
    for (const std::string& file : files) {
        char buffer[MAX_PATH] = {};
        ::GetShortPathNameA(file.c_str(), buffer, MAX_PATH);
        shortForms.push_back(buffer);
    }
    std::printf("Measuring ...\n");
    const double bareShort = FastestMilliseconds(kDropRuns, {}, [&] {
        char buffer[MAX_PATH];
        for (const std::string& file : files) ::GetShortPathNameA(file.c_str(), buffer, MAX_PATH);
    });
    const double bareLong = FastestMilliseconds(kDropRuns, {}, [&] {
        char buffer[MAX_PATH];
        for (const std::string& file : shortForms) ::GetLongPathNameA(file.c_str(), buffer, MAX_PATH);
    });
    std::unique_ptr<TForm1> form;
    const auto freshWindow = [&] { form.reset(); form = OpenMainWindow(); };
    const double programShort = FastestMilliseconds(kDropRuns, freshWindow, [&] { form->ConvertDroppedFiles(files); });
    const int lines = form->Output().LineCount();
    const double programLong = FastestMilliseconds(kDropRuns, freshWindow, [&] { form->ConvertDroppedFiles(shortForms); });
    std::printf("%d files dropped; the editor holds %d lines after one drop\n", static_cast<int>(files.size()), lines);
    for (const StringList* paths : {&files, static_cast<const StringList*>(&shortForms)}) {
        const double textsOnly = FastestMilliseconds(kDropRuns, {}, [&] {
            for (const std::string& path : *paths) ConvertDroppedFile(path);
        });
        std::printf("  building the texts without the editor (%s names): %.1f ms\n",
                    paths == &files ? "long" : "short", textsOnly);
    }
    PrintRatio("Dropped long names (short forms wanted)", programShort, bareShort, 1.5);
    PrintRatio("Dropped short names (long forms wanted)", programLong, bareLong, 1.5);
}

// What the listing asks the system for, without building or showing a report.
void BareSpecialFolderCalls() {
    ComPtr<IKnownFolderManager> manager;
    std::vector<GUID> ids;
    if (CreateKnownFolderManager(manager) != 0 || KnownFolderIds(*manager.Get(), ids) != 0) return;
    char buffer[MAX_PATH];
    for (const GUID& id : ids) {
        ComPtr<IKnownFolder> folder;
        KF_CATEGORY category{};
        if (FAILED(manager->GetFolder(id, &folder)) || FAILED(folder->GetCategory(&category))) continue;
        for (DWORD flags : {0ul, kKnownFolderDefaultPathFlags}) {
            PWSTR path = nullptr;
            if (SUCCEEDED(::SHGetKnownFolderPath(id, flags, nullptr, &path))) {
                ::GetShortPathNameA(WideToMultiByte(path).c_str(), buffer, MAX_PATH);
            }
            ::CoTaskMemFree(path);
        }
    }
    ::GetTempPathA(MAX_PATH, buffer);
    ::GetLongPathNameA(buffer, buffer, MAX_PATH);
}

void BenchSpecialFolders() {
    const double bare = FastestMilliseconds(kRuns, {}, BareSpecialFolderCalls);
    std::unique_ptr<TForm1> form;
    const double program = FastestMilliseconds(
        kRuns, [&] { form.reset(); form = OpenMainWindow(); }, [&] { form->RunCommand(MMActionListSpecialFolders); });
    std::printf("The special-folder listing wrote %d lines\n", form->Output().LineCount());
    PrintRatio("Special-folder listing", program, bare, 1.5);
}

}  // namespace
}  // namespace zem::bench

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    ::OleInitialize(nullptr);
    const int folders = argc > 1 ? std::atoi(argv[1]) : 50;
    const int documentLines = argc > 2 ? std::atoi(argv[2]) : 80000;
    if (folders > 0) {
        std::printf("Creating %d files with long names in %d folders ...\n", folders * 200, folders);
        const zem::bench::LongNameTree tree(folders, 200);
        zem::bench::BenchDroppedFiles(tree.Files());
    }
    zem::bench::BenchSpecialFolders();
    if (documentLines > 0) zem::bench::BenchDocumentFiles(documentLines);
    ::OleUninitialize();
    return 0;
}
