// Starting the program as a user does: a separate process, measured from CreateProcess until its
// window answers with the whole start result shown in its editor; against a bare window's start
// measured the same way.
#include <cstdio>

#include "bare_window.h"
#include "bench_process.h"
#include "bench_support.h"
#include "config/app_config.h"
#include "resource.h"

namespace zem::bench {
namespace {

constexpr int kCheapRuns = 3;
constexpr char kProgramClass[] = "TForm1";
constexpr int kLongHistory = 3000;
constexpr int kShortHistory = 10;

struct Starter {
    const char* who;
    std::string exe;
    const char* windowClass;
};

const Starter& Program() {
    static const Starter program{"the program", ExeBesideThisOne("ZemTarvelix.exe"), kProgramClass};
    return program;
}

const Starter& Bare() {
    static const Starter bare{"the bare editor", ExeBesideThisOne("ZemBareEditor.exe"), kBareWindowClass};
    return bare;
}

// One start from an empty store (or the one `fillStore` writes), until `minCharacters` are shown.
double MeasureOneStart(const Starter& starter, const std::string& arguments, size_t minCharacters,
                       const std::function<void()>& fillStore = {}, const std::function<void(HWND)>& inspect = {}) {
    ClearProgramStore();
    if (fillStore) fillStore();
    const ShownText shown = MeasureStart(starter.exe, arguments, starter.windowClass, minCharacters, inspect);
    ClearProgramStore();
    Check(shown.milliseconds >= 0, Format("%s showed %llu characters, %llu wanted", starter.who, Count(shown.characters),
                                          Count(minCharacters)));
    return shown.milliseconds;
}

void BenchStartWithFile(ResultTable& table, const char* name, const std::string& path, size_t characters) {
    // The editor counts a line break as two characters, as the file holds it.
    const size_t wanted = characters * 95 / 100;
    Progress("%s: the program", name);
    const double program = MeasureOneStart(Program(), Quoted(path), wanted);
    Progress("%s: the bare editor", name);
    const double bare = MeasureOneStart(Bare(), Quoted(path), wanted);
    table.Add(name, program, bare, 1.2);
}

// The path box's and the search box's histories, `entries` long each.
void WriteHistory(int entries) {
    for (const auto& [subKey, prefix] : {std::pair{"\\Recent\\ConvertedPaths", "ConvertedPath"},
                                         std::pair{"\\Recent\\TextSearches", "SearchText"}}) {
        UniqueHKey key;
        if (::RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kAppRegistryKey) + subKey).c_str(), 0, nullptr, 0,
                              KEY_SET_VALUE, nullptr, key.Put(), nullptr) != ERROR_SUCCESS) {
            continue;
        }
        for (int i = 0; i < entries; ++i) {
            const std::string value = Format("C:\\Program Files\\Zem History\\Folder %d\\Converted File %d.txt", i, i);
            ::RegSetValueExA(key.Get(), NumberedValueName(prefix, i).c_str(), 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1));
        }
    }
}

// The number of items in the path box, asked from outside.
int PathBoxCount(HWND window) {
    const HWND box = ::GetDlgItem(::GetDlgItem(window, IDC_PANEL1), IDC_FILENAMECOMBOBOX1);
    DWORD_PTR count = 0;
    ::SendMessageTimeoutA(box, CB_GETCOUNT, 0, 0, SMTO_NORMAL, 5000, &count);
    return static_cast<int>(count);
}

double MeasureStartWithHistory(int entries) {
    int listed = 0;
    const double span = MeasureOneStart(
        Program(), "", 1, [entries] { WriteHistory(entries); }, [&listed](HWND window) { listed = PathBoxCount(window); });
    Check(listed >= entries, Format("the path box lists %d items for %d stored paths", listed, entries));
    return span;
}

}  // namespace

void BenchStart(ResultTable& table, const Documents& documents) {
    Progress("Start without a file: the program (fastest of %d)", kCheapRuns);
    const double program = Fastest(kCheapRuns, [] { return MeasureOneStart(Program(), "", 1); });
    Progress("Start without a file: the bare window (fastest of %d)", kCheapRuns);
    const double bare = Fastest(kCheapRuns, [] { return MeasureOneStart(Bare(), "", 0); });
    table.Add("Start, header shown (no file)", program, bare, 1.5);

    Progress("Start with %d history entries (fastest of %d)", kLongHistory, kCheapRuns);
    const double longHistory = Fastest(kCheapRuns, [] { return MeasureStartWithHistory(kLongHistory); });
    Progress("Start with %d history entries (fastest of %d)", kShortHistory, kCheapRuns);
    const double shortHistory = Fastest(kCheapRuns, [] { return MeasureStartWithHistory(kShortHistory); });
    table.Add(Format("Start with %d history entries vs. %d", kLongHistory, kShortHistory), longHistory, shortHistory,
              1.5);

    if (documents.lines <= 0) return;
    BenchStartWithFile(table, Format("Start with %d lines, ANSI file", documents.lines).c_str(), documents.ansiPath,
                       documents.characters);
    BenchStartWithFile(table, Format("Start with %d lines, UTF-16LE file", documents.lines).c_str(),
                       documents.unicodePath, documents.characters);
}

}  // namespace zem::bench
