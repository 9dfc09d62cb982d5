// Find Next with its match count over a long output, against fetching the editor's text once
// and counting the case-folded matches in memory.
#include <richedit.h>

#include <cstdio>

#include "bench_support.h"
#include "resource.h"

namespace zem::bench {
namespace {

constexpr int kRuns = 3;

// The baseline: one fetch of the whole text and a count in memory, nothing else.
size_t BareFetchAndCount(HWND editor, const std::wstring& needle) {
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const auto size = static_cast<size_t>(::SendMessageA(editor, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    std::wstring text(size + 1, L'\0');
    GETTEXTEX request{static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
    ::SendMessageA(editor, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(text.data()));
    for (wchar_t& c : text) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c + 32);
    }
    size_t count = 0;
    for (size_t at = text.find(needle); at != std::wstring::npos; at = text.find(needle, at + needle.size())) ++count;
    return count;
}

}  // namespace

void BenchFind(const std::string& documentPath) {
    const std::unique_ptr<TForm1> form = OpenMainWindow();
    if (form->LoadDocumentFile(documentPath, false) != 0) {
        std::printf("  LOADING FAILED\n");
        return;
    }
    const std::string needle = "a long file 0123";
    const double bare = FastestMilliseconds(kRuns, {}, [&] {
        BareFetchAndCount(form->Memo1().Handle(), MultiByteToWide(needle));
    });
    form->RunCommand(MMEditFind);
    form->FindEdit1().SetText(needle);
    const double program = FastestMilliseconds(kRuns, {}, [&] { form->FindNext(); });
    std::printf("  Find Next over %d lines: the status bar says \"%s\"\n", form->Output().LineCount(),
                form->StatusBar1().Text(2).c_str());
    PrintRatio("Find Next with the match count", program, bare, 2.0);
    const auto moveCaret = [&] {
        for (LONG position = 0; position < 100000; position += 1000) form->Memo1().SetSelection(position, position);
        PumpMessages();
    };
    const double caret = FastestMilliseconds(kRuns, {}, moveCaret);
    // The same moves without the selection-change notification: what the control costs alone.
    const HWND editor = form->Memo1().Handle();
    const LRESULT mask = ::SendMessageA(editor, EM_GETEVENTMASK, 0, 0);
    ::SendMessageA(editor, EM_SETEVENTMASK, 0, mask & ~ENM_SELCHANGE);
    const double bareCaret = FastestMilliseconds(kRuns, {}, moveCaret);
    ::SendMessageA(editor, EM_SETEVENTMASK, 0, mask);
    PrintRatio("100 caret moves (status bar, menus)", caret, bareCaret, 2.0);
}

}  // namespace zem::bench
