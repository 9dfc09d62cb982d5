// A chain of nested folders far beyond MAX_PATH, made and removed with the wide calls (the
// ANSI calls cannot reach it), and the system's own wide forms of such paths.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/strings.h"

namespace zem::test {

class DeepFolder {
public:
    // `levels` folders of long names below `base`; Path() is empty when one could not be made.
    DeepFolder(const std::string& base, int levels) {
        std::wstring path = L"\\\\?\\" + MultiByteToWide(base);
        for (int level = 0; level < levels; ++level) {
            path += L"\\Nested Long Folder Name " + std::to_wstring(level);
            if (!::CreateDirectoryW(path.c_str(), nullptr)) return;
            made_.push_back(path);
        }
        path_ = path;
    }
    ~DeepFolder() {
        for (auto level = made_.rbegin(); level != made_.rend(); ++level) ::RemoveDirectoryW(level->c_str());
    }
    DeepFolder(const DeepFolder&) = delete;
    DeepFolder& operator=(const DeepFolder&) = delete;

    // The deepest folder, "\\?\" prefix included.
    const std::wstring& Path() const { return path_; }

private:
    std::vector<std::wstring> made_;
    std::wstring path_;
};

inline std::wstring WideShortForm(const std::wstring& path) {
    std::wstring result(4096, L'\0');
    result.resize(::GetShortPathNameW(path.c_str(), result.data(), 4096));
    return result;
}

inline std::wstring WideLongForm(const std::wstring& path) {
    std::wstring result(4096, L'\0');
    result.resize(::GetLongPathNameW(path.c_str(), result.data(), 4096));
    return result;
}

}  // namespace zem::test
