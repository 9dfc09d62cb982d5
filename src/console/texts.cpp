#include "console/texts.h"

#include "base/status_codes.h"
#include "base/strings.h"
#include "engine/path_forms.h"
#include "resource.h"

namespace zem {

std::wstring Text(UINT id) {
    const wchar_t* text = nullptr;
    // A buffer size of 0 asks for the resource itself, which is not zero-terminated.
    const int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 && text != nullptr ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

std::wstring FillIn(std::wstring_view pattern, std::initializer_list<std::wstring_view> values) {
    std::wstring result;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const size_t index = i + 1 < pattern.size() ? static_cast<size_t>(pattern[i + 1] - L'1') : values.size();
        if (pattern[i] == L'%' && index < values.size()) {
            result += values.begin()[index];
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}

std::wstring Text(UINT id, std::initializer_list<std::wstring_view> values) { return FillIn(Text(id), values); }

std::wstring CodeText(uint32_t code) { return MultiByteToWide(FormatCode(code)); }

std::wstring MessageText(uint32_t code) {
    if (code == ErrNoRelativePath) return Text(IDS_TARV_NO_RELATIVE_PATH);
    std::string text = SystemErrorText(code);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    return MultiByteToWide(text.empty() ? ResString(IDS_UNKNOWN_ERROR) : text);
}

}  // namespace zem
