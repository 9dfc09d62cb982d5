#include "console/path_styles.h"

#include <algorithm>
#include <cwctype>

namespace zem {

namespace {

std::wstring WithoutLongPathPrefix(std::wstring path) {
    if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\\\" + path.substr(8);
    if (path.rfind(L"\\\\?\\", 0) == 0) return path.substr(4);
    return path;
}

std::wstring DriveRoot(wchar_t letter, UnixStyle style) {
    const std::wstring drive(1, static_cast<wchar_t>(std::towlower(letter)));
    switch (style) {
        case UnixStyle::Wsl: return L"/mnt/" + drive;
        case UnixStyle::Cygwin: return L"/cygdrive/" + drive;
        default: return L"/" + drive;
    }
}

bool HasDriveLetter(const std::wstring& path) {
    return path.size() >= 2 && path[1] == L':' && std::iswalpha(path[0]);
}

}  // namespace

std::wstring StyledPath(std::wstring path, bool mixed, UnixStyle style) {
    if (style == UnixStyle::None && !mixed) return path;
    if (style != UnixStyle::None) {
        path = WithoutLongPathPrefix(std::move(path));
        if (HasDriveLetter(path)) path = DriveRoot(path[0], style) + path.substr(2);
    }
    std::replace(path.begin(), path.end(), L'\\', L'/');
    return path;
}

}  // namespace zem
