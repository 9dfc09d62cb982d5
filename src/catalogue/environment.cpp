#include "catalogue/environment.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "base/unique.h"

namespace zem {

namespace {

inline void ReleaseEnvironmentBlock(char* block) noexcept { ::FreeEnvironmentStringsA(block); }
inline void ReleaseWideEnvironmentBlock(wchar_t* block) noexcept { ::FreeEnvironmentStringsW(block); }

using UniqueEnvironmentBlock = Unique<HandleTraits<char*, nullptr, ReleaseEnvironmentBlock>>;
using UniqueWideEnvironmentBlock = Unique<HandleTraits<wchar_t*, nullptr, ReleaseWideEnvironmentBlock>>;

// The block is a run of zero-terminated entries ended by an empty one.
template <class Char, class Add>
void ForEachEntry(const Char* block, Add add) {
    for (const Char* entry = block; *entry != 0;) {
        const std::basic_string_view<Char> text(entry);
        add(text);
        entry += text.size() + 1;
    }
}

// Cuts text into lines as an editor does: CR, LF and CR LF each end a line.
StringList SplitLines(std::string_view text) {
    StringList lines;
    size_t position = 0;
    while (position < text.size()) {
        const size_t end = std::min(text.find_first_of("\r\n", position), text.size());
        lines.emplace_back(text.substr(position, end - position));
        position = end;
        if (position < text.size() && text[position] == '\r') ++position;
        if (position < text.size() && text[position] == '\n') ++position;
    }
    return lines;
}

}  // namespace

int TZemEnvironmentStrList::LoadEnvironment() {
    const UniqueEnvironmentBlock block(::GetEnvironmentStringsA());
    if (!block) return 0;
    ForEachEntry(block.Get(), [this](std::string_view text) { Add(std::string(text)); });
    return Count();
}

std::vector<std::wstring> WideEnvironmentEntries() {
    std::vector<std::wstring> entries;
    const UniqueWideEnvironmentBlock block(::GetEnvironmentStringsW());
    if (block) ForEachEntry(block.Get(), [&entries](std::wstring_view text) { entries.emplace_back(text); });
    return entries;
}

const std::string& TZemEnvironmentStrList::operator[](int index) const {
    static const std::string kNone;
    return ValidIndex(index) ? entries_[static_cast<size_t>(index)] : kNone;
}

std::string TZemEnvironmentStrList::NameAt(int index) const {
    const std::string& entry = (*this)[index];
    const size_t equals = entry.find('=');
    return equals == std::string::npos ? std::string() : entry.substr(0, equals);
}

std::string TZemEnvironmentStrList::ValueAt(int index) const {
    const std::string& entry = (*this)[index];
    const size_t equals = entry.find('=');
    return equals == std::string::npos ? std::string() : entry.substr(equals + 1);
}

bool IsPathList(std::string_view text) { return text.find(';') != std::string_view::npos; }

StringList SplitPathList(std::string_view value) {
    std::string text;
    text.reserve(value.size() * 2);
    for (const char c : value) {
        if (c == ';') {
            text += "\r\n";
        } else {
            text += c;
        }
    }
    return SplitLines(text);
}

}  // namespace zem
