// Timing, the result table, the benchmark's files, and the real main window driven in this process.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "bench_process.h"
#include "base/strings.h"

namespace zem::bench {

// Milliseconds on the performance counter.
double NowMs();
// The fastest of `runs` spans that `measure` returns; negative (failed) when any run failed.
double Fastest(int runs, const std::function<double()>& measure);
// Announces the next measurement, so that a slow one shows where it stands.
void Progress(const char* format, ...) __attribute__((format(printf, 1, 2)));
// A count for "%llu" in a format.
inline unsigned long long Count(size_t count) { return count; }
// Reports whether an end point was reached as expected; false marks the row's figure failed.
bool Check(bool ok, const std::string& what);

// One line of the result: the program's figure against its anchor's, in milliseconds.
class ResultTable {
public:
    void Add(const std::string& name, double program, double anchor, double target);
    void Print() const;

private:
    struct Row {
        std::string name;
        double program, anchor, target;
    };
    std::vector<Row> rows_;
};

// A private folder in the temporary folder, removed with all it holds.
class BenchFolder {
public:
    BenchFolder();
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// The big document in both encodings, with the character count the editor shows for it.
struct Documents {
    Documents(const BenchFolder& folder, int lines);
    int lines;
    size_t characters;  // lines end in CR LF
    std::string ansiPath;
    std::string unicodePath;
};

void WriteBytes(const std::string& path, const std::string& bytes);
// The size of a file in bytes; -1 when it cannot be read.
long long FileSize(const std::string& path);
// Removes the program's whole store, so that no earlier run changes the next start.
void ClearProgramStore();

// `count` files with long names spread over folders of 200 (big folders make the system's hashed
// short names collide), with their short forms. Removed again at the end.
class LongNameTree {
public:
    LongNameTree(const BenchFolder& folder, int count);
    ~LongNameTree();
    LongNameTree(const LongNameTree&) = delete;
    LongNameTree& operator=(const LongNameTree&) = delete;
    const StringList& Files() const { return files_; }
    const StringList& ShortForms() const { return shortForms_; }

private:
    StringList folders_;
    StringList files_;
    StringList shortForms_;
};

// The real main window in this process, shown normally, with an empty store behind it; idle.
std::unique_ptr<TForm1> OpenMainWindow();
// The program's message loop until no message waits (a null form: this thread's windows only).
void PumpUntilIdle(TForm1* form);
// Posts a message and runs the program's loop until it is idle; the span in milliseconds.
double PostAndWait(TForm1& form, HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// A key pressed in the focused control (the main window when none has the focus); the span until idle.
double PressKey(TForm1& form, UINT key);
// Characters typed into a control, as the keyboard sends them.
void TypeText(TForm1& form, HWND control, const std::string& text);

// The measurements, by group of rows.
void BenchStart(ResultTable& table, const Documents& documents);
void BenchDocuments(ResultTable& table, const BenchFolder& folder, const Documents& documents);
void BenchDrops(ResultTable& table, const BenchFolder& folder, int files);
// tarv over `paths` paths from standard input, its output in a file.
void BenchConsole(ResultTable& table, const BenchFolder& folder, int paths);
// Find Next in `form`'s loaded document, against a fetch and count of the same editor.
void BenchFind(ResultTable& table, TForm1& form);
// F6 and F7 in `form`'s loaded document, against the same in a fresh window.
void BenchListings(ResultTable& table, TForm1& form);

}  // namespace zem::bench
