// Searching the output's text in memory: the wrap-around search of Find Next / Find Previous
// and the match count. Positions are character positions of the editor's text, whose
// paragraphs end in a CR; a needle without line breaks never matches across two lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zem {

struct SearchRequest {
    std::wstring_view needle;
    bool matchCase = false;
    bool forward = true;
    size_t caret = 0;           // the caret (a selection's end)
    size_t selectionStart = 0;  // equal to `caret` without a selection
};

// The text with the letters A-Z folded to a-z and every other character kept.
std::wstring FoldAsciiCase(std::wstring text);

// Forward: the first match at or after the caret, else the first in the text. Backward: the
// last match ending at or before the selection's start, else the last in the text.
// The position of the match, or npos.
size_t FindTextInEditor(std::wstring_view text, const SearchRequest& request);

// Non-overlapping occurrences in the whole text; an empty needle counts nothing.
size_t CountMatches(std::wstring_view text, std::wstring_view needle, bool matchCase);

// The search and the match count over one text, folded at most once.
struct SearchOutcome {
    size_t found;  // the position of the match, or npos
    size_t count;  // every match in the text
};
SearchOutcome SearchAndCount(std::wstring text, const SearchRequest& request);

// "No matches", "1 match", "N matches".
std::string MatchCountText(size_t count);

}  // namespace zem
