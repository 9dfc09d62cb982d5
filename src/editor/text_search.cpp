#include "editor/text_search.h"

#include "base/strings.h"
#include "resource.h"

namespace zem {
namespace {

// A text as the comparison sees it: as it is, or folded when case does not matter.
class Compared {
public:
    Compared(std::wstring_view text, bool matchCase)
        : folded_(matchCase ? std::wstring() : FoldAsciiCase(std::wstring(text))) {
        view_ = matchCase ? text : std::wstring_view(folded_);
    }
    Compared(const Compared&) = delete;
    Compared& operator=(const Compared&) = delete;
    std::wstring_view View() const { return view_; }

private:
    std::wstring folded_;
    std::wstring_view view_;
};

constexpr size_t kNone = std::wstring_view::npos;

}  // namespace

std::wstring FoldAsciiCase(std::wstring text) {
    for (wchar_t& c : text) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return text;
}

size_t FindTextInEditor(std::wstring_view text, const SearchRequest& request) {
    if (request.needle.empty() || request.needle.size() > text.size()) return kNone;
    const Compared comparedText(text, request.matchCase);
    const Compared comparedNeedle(request.needle, request.matchCase);
    const std::wstring_view haystack = comparedText.View();
    const std::wstring_view needle = comparedNeedle.View();
    if (request.forward) {
        const size_t found = haystack.find(needle, std::min(request.caret, haystack.size()));
        return found != kNone ? found : haystack.find(needle);  // wrapped around
    }
    const size_t start = std::min(request.selectionStart, haystack.size());
    if (start >= needle.size()) {
        const size_t found = haystack.rfind(needle, start - needle.size());
        if (found != kNone) return found;
    }
    return haystack.rfind(needle);  // wrapped around from the end
}

size_t CountMatches(std::wstring_view text, std::wstring_view needle, bool matchCase) {
    if (needle.empty()) return 0;
    const Compared comparedText(text, matchCase);
    const Compared comparedNeedle(needle, matchCase);
    const std::wstring_view haystack = comparedText.View();
    const std::wstring_view wanted = comparedNeedle.View();
    size_t count = 0;
    for (size_t at = haystack.find(wanted); at != kNone; at = haystack.find(wanted, at + wanted.size())) ++count;
    return count;
}

SearchOutcome SearchAndCount(std::wstring text, const SearchRequest& request) {
    std::wstring needle(request.needle);
    if (!request.matchCase) {
        text = FoldAsciiCase(std::move(text));
        needle = FoldAsciiCase(std::move(needle));
    }
    SearchRequest exact = request;  // the texts are folded already, when case does not matter
    exact.needle = needle;
    exact.matchCase = true;
    return {FindTextInEditor(text, exact), CountMatches(text, needle, true)};
}

std::string MatchCountText(size_t count) {
    if (count == 0) return ResString(IDS_STATUS_NO_MATCHES);
    return std::to_string(count) + ResString(count == 1 ? IDS_STATUS_ONE_MATCH : IDS_STATUS_MATCHES);
}

}  // namespace zem
