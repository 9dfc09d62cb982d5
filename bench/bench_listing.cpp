// F6 (special folders) and F7 (environment-variable paths) with a long document loaded, against
// the same keys in a fresh window whose editor holds only the header.
#include "bench_support.h"

namespace zem::bench {
namespace {

constexpr int kRuns = 3;

size_t TextLength(const TForm1& form) {
    return static_cast<size_t>(::GetWindowTextLengthA(form.Memo1().Handle()));
}

// The key pressed in `form`; the span until idle, and how many characters the listing added.
double PressListingKey(TForm1& form, UINT key, size_t& added) {
    const size_t before = TextLength(form);
    const double span = PressKey(form, key);
    added = TextLength(form) - before;
    return span;
}

}  // namespace

void BenchListings(ResultTable& table, TForm1& form) {
    for (const auto& [key, name] : {std::pair{VK_F6, "F6, special folders"}, std::pair{VK_F7, "F7, environment paths"}}) {
        Progress("%s: in a fresh window (fastest of %d, a new window each)", name, kRuns);
        size_t anchorAdded = 0;
        const double anchor = Fastest(kRuns, [&, pressed = key] {
            const std::unique_ptr<TForm1> fresh = OpenMainWindow();
            return PressListingKey(*fresh, pressed, anchorAdded);
        });
        Progress("%s: with the long document loaded (fastest of %d)", name, kRuns);
        size_t programAdded = 0;
        const double program = Fastest(kRuns, [&, pressed = key] { return PressListingKey(form, pressed, programAdded); });
        const bool same = programAdded == anchorAdded && programAdded > 0;
        Check(same, Format("the listing added %llu characters to the long document, %llu to the fresh one",
                           Count(programAdded), Count(anchorAdded)));
        table.Add(Format("%s, long document loaded", name), same ? program : -1, anchor, 1.3);
    }
}

}  // namespace zem::bench
