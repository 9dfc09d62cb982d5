#include "bench_support.h"

#include <algorithm>
#include <cstdio>

#include "base/unique.h"

namespace zem::bench {

double FastestMilliseconds(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    double fastest = 1e300;
    for (int run = 0; run < runs; ++run) {
        if (prepare) prepare();
        LARGE_INTEGER start{}, end{};
        ::QueryPerformanceCounter(&start);
        work();
        ::QueryPerformanceCounter(&end);
        fastest = std::min(fastest, 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                                        static_cast<double>(frequency.QuadPart));
    }
    return fastest;
}

LongNameTree::LongNameTree(int folders, int filesPerFolder) {
    char temp[MAX_PATH + 1] = {};
    ::GetTempPathA(MAX_PATH, temp);
    root_ = std::string(temp) + "Zem Benchmark Tree " + std::to_string(::GetCurrentProcessId());
    ::CreateDirectoryA(root_.c_str(), nullptr);
    for (int folder = 0; folder < folders; ++folder) {
        folders_.push_back(root_ + "\\Benchmark Folder Number " + std::to_string(folder));
        ::CreateDirectoryA(folders_.back().c_str(), nullptr);
        for (int file = 0; file < filesPerFolder; ++file) {
            files_.push_back(folders_.back() + "\\Long Benchmark File Name " + std::to_string(file) + ".txt");
            const UniqueFileHandle created(::CreateFileA(files_.back().c_str(), GENERIC_WRITE, 0, nullptr,
                                                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        }
    }
}

LongNameTree::~LongNameTree() {
    for (const std::string& file : files_) ::DeleteFileA(file.c_str());
    for (const std::string& folder : folders_) ::RemoveDirectoryA(folder.c_str());
    ::RemoveDirectoryA(root_.c_str());
}

void PumpMessages() {
    MSG message{};
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

std::unique_ptr<TForm1> OpenMainWindow() {
    auto form = std::make_unique<TForm1>();
    form->Create();
    form->Show(SW_SHOWNORMAL);
    PumpMessages();
    return form;
}

void PrintRatio(const char* name, double program, double bare, double target) {
    const double ratio = program / bare;
    std::printf("%-44s program %9.1f ms   bare %9.1f ms   ratio %5.2f x (target <= %.1f x)%s\n", name, program, bare,
                ratio, target, ratio <= target ? "" : "  ABOVE TARGET");
}

}  // namespace zem::bench
