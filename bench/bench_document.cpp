// File > Load, Save and Save As of a big document through the real main window's commands and
// file dialogs, measured from pressing the dialog's button (or the command, for Save) until the
// window is idle; against a bare stream-in into a fresh editor, and a bare fetch and write of the
// program's own editor.
#include <climits>
#include <cstdio>

#include "bare_window.h"
#include "bench_process.h"
#include "bench_support.h"
#include "resource.h"

namespace zem::bench {
namespace {

constexpr int kCheapRuns = 3;

size_t ShownCharacters(HWND editor) { return static_cast<size_t>(::SendMessageA(editor, WM_GETTEXTLENGTH, 0, 0)); }

// A file command whose dialog gets `path` typed into it and its button pressed; from the moment
// the dialog is gone until the window is idle. The dialog's own closing is left out: without a
// window manager Wine spends 2 s hiding it, a cost neither of the program nor of a desktop.
double CommandThroughDialog(TForm1& form, UINT command, const std::string& path) {
    FileDialogAnswer answer(form.Handle(), path);
    ::PostMessageA(form.Handle(), WM_COMMAND, command, 0);
    PumpUntilIdle(&form);
    const double idle = NowMs();
    const double closed = answer.ClosedAt();
    if (closed < 0) return -1;
    std::printf("    the dialog took %.0f ms to close after its button was pressed\n", answer.ClosingMs());
    return idle - closed;
}

// The bytes a file of the document's text holds, with `typed` characters more.
long long ExpectedFileSize(const Documents& documents, size_t typed, bool unicode) {
    const auto characters = static_cast<long long>(documents.characters + typed);
    return unicode ? 2 + 2 * characters : characters;
}

bool HasUnicodeMark(const std::string& path) {
    const UniqueFileHandle file(
        ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    unsigned char mark[2] = {};
    DWORD read = 0;
    return file && ::ReadFile(file.Get(), mark, 2, &read, nullptr) && read == 2 && mark[0] == 0xFF && mark[1] == 0xFE;
}

bool CheckSavedFile(const std::string& path, long long expected, bool unicode) {
    const long long size = FileSize(path);
    return Check(size == expected && HasUnicodeMark(path) == unicode,
                 Format("%s holds %lld bytes, %lld expected, %s", path.c_str(), size, expected,
                        HasUnicodeMark(path) ? "UTF-16 mark" : "no mark"));
}

void CheckSameSize(HWND programEditor, HWND bareEditor) {
    RECT program{}, bare{};
    ::GetWindowRect(programEditor, &program);
    ::GetWindowRect(bareEditor, &bare);
    Check(program.right - program.left == bare.right - bare.left && program.bottom - program.top == bare.bottom - bare.top,
          Format("the program's editor is %ld x %ld pixels, the bare one %ld x %ld", program.right - program.left,
                 program.bottom - program.top, bare.right - bare.left, bare.bottom - bare.top));
}

class FormatBench {
public:
    FormatBench(ResultTable& table, const BenchFolder& folder, const Documents& documents, bool unicode)
        : table_(table), folder_(folder), documents_(documents), unicode_(unicode),
          label_(unicode ? "UTF-16LE" : "ANSI") {}

    void Run(const BareEditorProcess& bare) {
        std::unique_ptr<TForm1> form = OpenMainWindow();
        CheckSameSize(form->Memo1().Handle(), bare.Editor());
        // Save writes the loaded file: a copy of the document is loaded.
        const std::string source = unicode_ ? documents_.unicodePath : documents_.ansiPath;
        const std::string loaded = folder_.File(Format("Loaded %s document.txt", label_));
        ::CopyFileA(source.c_str(), loaded.c_str(), FALSE);
        Progress("Loading the other %d-line document first", documents_.lines);
        CommandThroughDialog(*form, MMFileLoad, unicode_ ? documents_.ansiPath : documents_.unicodePath);
        BenchLoad(*form, loaded, bare, source);
        BenchSave(*form);
        BenchSaveAs(*form);
        if (!unicode_) {
            BenchFind(table_, *form);
            BenchListings(table_, *form);
        }
    }

private:
    void BenchLoad(TForm1& form, const std::string& loaded, const BareEditorProcess& bare, const std::string& source) {
        Progress("File > Load of the %s file over the loaded document: the program", label_);
        double program = CommandThroughDialog(form, MMFileLoad, loaded);
        const size_t shown = ShownCharacters(form.Memo1().Handle());
        if (!Check(shown == documents_.characters && form.CurrentFileName == loaded && form.IsUnicodeFile == unicode_,
                   Format("the program shows %llu characters of %llu, file %s, %s", Count(shown), Count(documents_.characters),
                          form.CurrentFileName.c_str(), form.IsUnicodeFile ? "UTF-16" : "ANSI"))) {
            program = -1;
        }
        Progress("File > Load of the %s file: a bare stream-in into a fresh editor", label_);
        LRESULT bareShown = 0;
        const double anchor = bare.Request(kBareLoad, source, bareShown);
        Check(static_cast<size_t>(bareShown) == documents_.characters,
              Format("the bare editor shows %ld characters", static_cast<long>(bareShown)));
        table_.Add(Format("File > Load, %s file over a loaded one", label_), program, anchor, 1.2);

        // On the program's own editor: the same control holding the same text.
        Progress("A bare fetch and write of the %s text (fastest of %d)", label_, kCheapRuns);
        const std::string bareCopy = folder_.File("Bare copy.txt");
        bareSave_ = Fastest(kCheapRuns, [&] {
            const double start = NowMs();
            FetchAndWrite(form.Memo1().Handle(), bareCopy, unicode_);
            return NowMs() - start;
        });
        CheckSavedFile(bareCopy, ExpectedFileSize(documents_, 0, unicode_), unicode_);
    }

    // One character typed at the end, so that there is something to save.
    void TypeAtEnd(TForm1& form) {
        form.Memo1().SetSelection(LONG_MAX, LONG_MAX);
        TypeText(form, form.Memo1().Handle(), "x");
        ++typed_;
    }

    void BenchSave(TForm1& form) {
        Progress("File > Save of the modified %s document (fastest of %d)", label_, kCheapRuns);
        const double program = Fastest(kCheapRuns, [&] {
            TypeAtEnd(form);
            const double span = PostAndWait(form, form.Handle(), WM_COMMAND, MMFileSaveOutput);
            return CheckSavedFile(form.CurrentFileName, ExpectedFileSize(documents_, typed_, unicode_), unicode_)
                       ? span
                       : -1;
        });
        table_.Add(Format("File > Save, %s", label_), program, bareSave_, 1.5);
    }

    void BenchSaveAs(TForm1& form) {
        Progress("File > Save As of the %s document under a new name (fastest of %d)", label_, kCheapRuns);
        int run = 0;
        const double program = Fastest(kCheapRuns, [&] {
            const std::string path = folder_.File(Format("Saved As %s %d.txt", label_, ++run));
            ::DeleteFileA(path.c_str());
            const double span = CommandThroughDialog(form, MMFileSaveOutputAs, path);
            return CheckSavedFile(path, ExpectedFileSize(documents_, typed_, unicode_), unicode_) ? span : -1;
        });
        table_.Add(Format("File > Save As, %s", label_), program, bareSave_, 1.5);
    }

    ResultTable& table_;
    const BenchFolder& folder_;
    const Documents& documents_;
    const bool unicode_;
    const char* label_;
    double bareSave_ = -1;
    size_t typed_ = 0;
};

}  // namespace

void BenchDocuments(ResultTable& table, const BenchFolder& folder, const Documents& documents) {
    const BareEditorProcess bare;
    for (const bool unicode : {false, true}) FormatBench(table, folder, documents, unicode).Run(bare);
}

}  // namespace zem::bench
