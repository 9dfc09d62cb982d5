// The benchmarks: what the user waits for in the program against bare system calls doing the same
// work, measured in one run and printed as one table.
//   ZemBench.exe [document lines [dropped files [tarv paths]]]
//   (80,000, 10,000 and 100,000 by default; 0 skips)
#include <ole2.h>

#include <cstdio>
#include <cstdlib>

#include "bench_support.h"

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    ::OleInitialize(nullptr);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 80000;
    const int files = argc > 2 ? std::atoi(argv[2]) : 10000;
    const int paths = argc > 3 ? std::atoi(argv[3]) : 100000;
    {
        const zem::bench::BenchFolder folder;
        zem::bench::ResultTable table;
        std::printf("Writing a document of %d lines, ANSI and UTF-16LE ...\n", lines);
        const zem::bench::Documents documents(folder, lines);
        std::printf("Measuring ...\n");
        zem::bench::BenchStart(table, documents);
        if (lines > 0) zem::bench::BenchDocuments(table, folder, documents);
        if (files > 0) zem::bench::BenchDrops(table, folder, files);
        if (paths > 0) zem::bench::BenchConsole(table, folder, paths);
        table.Print();
    }
    ::OleUninitialize();
    return 0;
}
