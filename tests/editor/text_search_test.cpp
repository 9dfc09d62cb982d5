// The wrap-around search and the match count over an output text.
#include <gtest/gtest.h>

#include "editor/text_search.h"

namespace zem {
namespace {

constexpr size_t kNone = std::wstring::npos;

size_t Forward(std::wstring_view text, std::wstring_view needle, size_t caret, bool matchCase = false) {
    SearchRequest request;
    request.needle = needle;
    request.matchCase = matchCase;
    request.caret = request.selectionStart = caret;
    return FindTextInEditor(text, request);
}

size_t Backward(std::wstring_view text, std::wstring_view needle, size_t selectionStart, size_t caret) {
    SearchRequest request;
    request.needle = needle;
    request.forward = false;
    request.selectionStart = selectionStart;
    request.caret = caret;
    return FindTextInEditor(text, request);
}

TEST(FindTextInEditor, ForwardFindsTheNextMatchAndWrapsAround) {
    const std::wstring text = L"alpha beta\rgamma beta\rdelta";
    EXPECT_EQ(Forward(text, L"beta", 0), 6u);
    EXPECT_EQ(Forward(text, L"beta", 7), 17u);   // after the caret, on a later line
    EXPECT_EQ(Forward(text, L"beta", 21), 6u);   // only before the caret: found by wrapping
    EXPECT_EQ(Forward(text, L"alpha", 3), 0u);   // in the caret's own line, before it
    EXPECT_EQ(Forward(text, L"omega", 0), kNone);
    EXPECT_EQ(Forward(text, L"", 0), kNone);
    EXPECT_EQ(Forward(text, L"beta", 500), 6u);  // a caret beyond the end
}

TEST(FindTextInEditor, BackwardFindsTheLastMatchBeforeTheSelection) {
    const std::wstring text = L"beta one\rbeta two\rthree";
    // The caret after a match at the very start of a line finds that match.
    EXPECT_EQ(Backward(text, L"beta", 13, 13), 9u);
    // A selected match is not found again: the search starts at the selection's start.
    EXPECT_EQ(Backward(text, L"beta", 9, 13), 0u);
    // Before the first match it wraps to the last one.
    EXPECT_EQ(Backward(text, L"beta", 2, 2), 9u);
    EXPECT_EQ(Backward(text, L"beta", 0, 4), 9u);  // a selection starting at column 0 is one
}

TEST(FindTextInEditor, CaseFoldingCoversOnlyTheLettersAToZ) {
    EXPECT_EQ(Forward(L"xx abc", L"ABC", 0), 3u);
    EXPECT_EQ(Forward(L"xx abc", L"ABC", 0, true), kNone);
    EXPECT_EQ(Forward(L"xx \u00E9t\u00E9", L"\u00C9T\u00C9", 0), kNone);  // é is not É
    EXPECT_EQ(Forward(L"xx \u00E9t\u00E9", L"\u00E9T\u00E9", 0), 3u);
}

TEST(SearchAndCount, FindsAndCountsInOneTextWithOrWithoutCase) {
    SearchRequest request;
    request.needle = L"PATH";
    request.caret = request.selectionStart = 1;
    const SearchOutcome folded = SearchAndCount(L"Path\rpath\rPATH and path", request);
    EXPECT_EQ(folded.found, 5u);
    EXPECT_EQ(folded.count, 4u);
    request.matchCase = true;
    const SearchOutcome exact = SearchAndCount(L"Path\rpath\rPATH and path", request);
    EXPECT_EQ(exact.found, 10u);
    EXPECT_EQ(exact.count, 1u);
    request.needle = L"none";
    EXPECT_EQ(SearchAndCount(L"Path", request).found, std::wstring::npos);
    EXPECT_EQ(SearchAndCount(L"Path", request).count, 0u);
}

TEST(CountMatches, NonOverlappingMatchesInEveryLine) {
    EXPECT_EQ(CountMatches(L"aaaa", L"aa", false), 2u);
    EXPECT_EQ(CountMatches(L"Path\rpath\rPATH and path", L"path", false), 4u);
    EXPECT_EQ(CountMatches(L"Path\rpath\rPATH and path", L"path", true), 2u);
    EXPECT_EQ(CountMatches(L"anything", L"", false), 0u);
    EXPECT_EQ(CountMatches(L"ab\rab", L"b\ra", false), 1u);  // only a needle with a break spans lines
}

TEST(MatchCountText, ThePanelsThreeForms) {
    EXPECT_EQ(MatchCountText(0), "No matches");
    EXPECT_EQ(MatchCountText(1), "1 match");
    EXPECT_EQ(MatchCountText(12), "12 matches");
}

}  // namespace
}  // namespace zem
