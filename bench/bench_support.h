// Timing, a folder tree of long-named files, and the live main window for the benchmarks.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "base/strings.h"

namespace zem::bench {

// The fastest of `runs` timings of `work`, in milliseconds; `prepare` runs untimed before each.
double FastestMilliseconds(int runs, const std::function<void()>& prepare, const std::function<void()>& work);

// Files with long names spread over folders of a few hundred each (big folders make the
// system's hashed short names collide). Removed again at the end.
class LongNameTree {
public:
    LongNameTree(int folders, int filesPerFolder);
    ~LongNameTree();
    LongNameTree(const LongNameTree&) = delete;
    LongNameTree& operator=(const LongNameTree&) = delete;
    const StringList& Files() const { return files_; }

private:
    std::string root_;
    StringList folders_;
    StringList files_;
};

// A shown main window with an empty editor.
std::unique_ptr<TForm1> OpenMainWindow();
void PumpMessages();

void PrintRatio(const char* name, double program, double bare, double target);

// Loading and saving an output document of `lines` lines, ANSI and UTF-16LE.
void BenchDocumentFiles(int lines);

// Find Next with its match count in a loaded document.
void BenchFind(const std::string& documentPath);

}  // namespace zem::bench
