#include "console/json_line.h"

#include <cwchar>

namespace zem {

std::wstring JsonString(std::wstring_view text) {
    std::wstring result = L"\"";
    for (const wchar_t c : text) {
        switch (c) {
            case L'"': result += L"\\\""; break;
            case L'\\': result += L"\\\\"; break;
            case L'\n': result += L"\\n"; break;
            case L'\r': result += L"\\r"; break;
            case L'\t': result += L"\\t"; break;
            default:
                if (c < 0x20) {
                    wchar_t escaped[8] = {};
                    std::swprintf(escaped, 8, L"\\u%04x", static_cast<unsigned>(c));
                    result += escaped;
                } else {
                    result += c;
                }
        }
    }
    return result + L"\"";
}

void JsonLine::Name(std::string_view name) {
    if (text_.size() > 1) text_ += L',';
    text_ += JsonString(std::wstring(name.begin(), name.end())) + L':';
}

JsonLine& JsonLine::Add(std::string_view name, std::wstring_view text) {
    Name(name);
    text_ += JsonString(text);
    return *this;
}

JsonLine& JsonLine::AddNumber(std::string_view name, int64_t number) {
    Name(name);
    text_ += std::to_wstring(number);
    return *this;
}

JsonLine& JsonLine::AddBool(std::string_view name, bool value) {
    Name(name);
    text_ += value ? L"true" : L"false";
    return *this;
}

JsonLine& JsonLine::AddList(std::string_view name, const std::vector<std::wstring>& texts) {
    Name(name);
    text_ += L'[';
    for (size_t i = 0; i < texts.size(); ++i) text_ += (i > 0 ? L"," : L"") + JsonString(texts[i]);
    text_ += L']';
    return *this;
}

JsonLine& JsonLine::AddObjects(std::string_view name, const std::vector<JsonLine>& objects) {
    Name(name);
    text_ += L'[';
    for (size_t i = 0; i < objects.size(); ++i) text_ += (i > 0 ? L"," : L"") + objects[i].Text();
    text_ += L']';
    return *this;
}

}  // namespace zem
