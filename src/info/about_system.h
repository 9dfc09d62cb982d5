// What the About dialog reads from the running system: the program's version details, the
// facts of the About Windows page, where the browser and the kernel library are, and the
// Windows logo.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "base/unique.h"
#include "info/about_texts.h"
#include "info/operating_system.h"
#include "info/version_info.h"

namespace zem {

inline constexpr char kBrowserExecutable[] = "IExplore.exe";

// The folders searched for the browser when it is not in its own folder: the PATH folders, then
// the program-files folder and the browser's folder in it.
std::string BrowserSearchList(const std::string& path, const std::string& programFiles);

// The browser's full path; nothing when it cannot be found.
std::optional<std::string> FindBrowserExecutable();

// "Kernel32.dll" in the system folder, or the bare name when it is not there.
std::string KernelLibraryPath(const std::string& systemFolder);

// The running executable's file name without its folder.
std::string ModuleFileName();

VersionDetails ReadVersionDetails(TZemVersionInfo& program);

WindowsFacts ReadWindowsFacts(TOperatingSystem& system, TZemVersionInfo& kernel, TZemVersionInfo& browser);

// Where the Windows logo is: the library and the number of its bitmap.
struct LogoSource {
    std::string library;
    WORD bitmap = 0;
};
LogoSource WindowsLogoSource(DWORD majorVersion, const std::string& windowsFolder, const std::string& systemFolder);

// A bitmap of a library loaded as data. When the library cannot be loaded, nothing, with the
// system's code in `libraryError`; a missing bitmap leaves it 0.
UniqueGdiObject LoadLibraryBitmap(const LogoSource& source, DWORD& libraryError);

}  // namespace zem
