// Files dropped onto the editor, as the shell drops them: a WM_DROPFILES message with a drop
// handle, into a fresh main window, until the window is idle with the report shown; against the
// bare GetShortPathNameA and GetLongPathNameA loops over the same files.
#include <shlobj.h>

#include <cstdio>

#include "bare_window.h"
#include "bench_support.h"

namespace zem::bench {
namespace {

// A drop handle as the shell makes it: a DROPFILES header and the names, each ending in a zero,
// with one more zero at the end.
UniqueHGlobal MakeDrop(const StringList& files) {
    size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& file : files) size += file.size() + 1;
    UniqueHGlobal drop(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
    auto* header = static_cast<DROPFILES*>(::GlobalLock(drop.Get()));
    if (!header) return {};
    header->pFiles = sizeof(DROPFILES);
    char* name = reinterpret_cast<char*>(header + 1);
    for (const std::string& file : files) {
        file.copy(name, file.size());
        name += file.size() + 1;
    }
    ::GlobalUnlock(drop.Get());
    return drop;
}

// The control's own share of a drop: the same text put into a bare editor of the same size, style
// and font, in parts of 500 lines with its redraw off, the fastest way known to get it in.
void PrintBareInsertion(const std::string& text) {
    const BareEditorWindow bare(false);
    const HWND editor = bare.Editor();
    const double start = NowMs();
    ::SendMessageA(editor, WM_SETREDRAW, FALSE, 0);
    for (size_t begin = 0, lines = 0, at = 0; begin < text.size(); ++at) {
        if (at < text.size() && (text[at] != '\n' || ++lines % 500 != 0)) continue;
        const std::string part = text.substr(begin, at + 1 - begin);
        ::SendMessageA(editor, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(part.c_str()));
        begin = at + 1;
    }
    ::SendMessageA(editor, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(editor, nullptr, TRUE);
    ::UpdateWindow(editor);
    std::printf("    the same report put into a bare editor takes %.0f ms of it\n", NowMs() - start);
}

double MeasureDrop(const StringList& files) {
    const std::unique_ptr<TForm1> form = OpenMainWindow();
    const HWND editor = form->Memo1().Handle();
    const int linesBefore = form->Output().LineCount();
    const size_t charactersBefore = WideToMultiByte(form->Memo1().FileText()).size();
    UniqueHGlobal drop = MakeDrop(files);
    // The editor's window owns the handle once it has the message.
    const double span = PostAndWait(*form, editor, WM_DROPFILES, reinterpret_cast<WPARAM>(drop.Release()));
    PrintBareInsertion(WideToMultiByte(form->Memo1().FileText()).substr(charactersBefore));
    const int added = form->Output().LineCount() - linesBefore;
    return Check(added >= static_cast<int>(files.size()),
                 Format("the report added %d lines for %llu files", added, Count(files.size())))
               ? span
               : -1;
}

double MeasureLoop(const StringList& paths, DWORD(WINAPI* convert)(LPCSTR, LPSTR, DWORD)) {
    const double start = NowMs();
    char buffer[MAX_PATH];
    for (const std::string& path : paths) convert(path.c_str(), buffer, MAX_PATH);
    return NowMs() - start;
}

}  // namespace

void BenchDrops(ResultTable& table, const BenchFolder& folder, int files) {
    Progress("Creating %d files with long names in folders of 200", files);
    const LongNameTree tree(folder, files);
    Progress("Dropping %d long names: the bare GetShortPathNameA loop", files);
    const double bareShort = MeasureLoop(tree.Files(), ::GetShortPathNameA);
    Progress("Dropping %d long names: the program", files);
    const double programShort = MeasureDrop(tree.Files());
    table.Add(Format("Drop of %d long names", files), programShort, bareShort, 1.3);

    Progress("Dropping %d short names: the bare GetLongPathNameA loop", files);
    const double bareLong = MeasureLoop(tree.ShortForms(), ::GetLongPathNameA);
    Progress("Dropping %d short names: the program", files);
    const double programLong = MeasureDrop(tree.ShortForms());
    table.Add(Format("Drop of %d short names", files), programLong, bareLong, 1.3);
}

}  // namespace zem::bench
