// Find Next with its match count over a long document: the find panel opened, the text typed into
// the find box and F3 pressed, until the window is idle; against fetching the editor's text once
// and counting the case-folded matches in memory, on the program's own editor.
#include "bare_window.h"
#include "bench_support.h"
#include "resource.h"

namespace zem::bench {
namespace {

constexpr int kRuns = 3;
constexpr char kNeedle[] = "a long file 0123";

}  // namespace

void BenchFind(ResultTable& table, TForm1& form) {
    Progress("Find Next with the match count: a bare fetch and count (fastest of %d)", kRuns);
    size_t bareCount = 0;
    const double anchor = Fastest(kRuns, [&] {
        const double start = NowMs();
        bareCount = FetchAndCount(form.Memo1().Handle(), kNeedle);
        return NowMs() - start;
    });

    // The find panel, its box's text selected and replaced by typing.
    PostAndWait(form, form.Handle(), WM_COMMAND, MMEditFind);
    const HWND findBox = form.FindEdit1().EditHandle();
    ::SendMessageA(findBox, EM_SETSEL, 0, -1);
    TypeText(form, findBox, kNeedle);
    Check(form.FindEdit1().Text() == kNeedle && ::GetFocus() == findBox,
          Format("the find box holds \"%s\" and has the focus", form.FindEdit1().Text().c_str()));

    Progress("Find Next with the match count: F3 in the program (fastest of %d)", kRuns);
    const std::string expected = Format("%llu%s", static_cast<unsigned long long>(bareCount), ResString(IDS_STATUS_MATCHES).c_str());
    const double program = Fastest(kRuns, [&] {
        CHARRANGE before{};
        form.Memo1().GetSelection(before);
        form.StatusBar1().SetText(2, "");
        const double span = PressKey(form, VK_F3);
        CHARRANGE after{};
        form.Memo1().GetSelection(after);
        const std::string status = form.StatusBar1().Text(2);
        return Check(status == expected && after.cpMin != before.cpMin,
                     Format("the status bar says \"%s\" (\"%s\" expected), the selection moved from %ld to %ld",
                            status.c_str(), expected.c_str(), before.cpMin, after.cpMin))
                   ? span
                   : -1;
    });
    table.Add("Find Next with the match count", program, anchor, 1.5);
}

}  // namespace zem::bench
