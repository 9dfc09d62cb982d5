#include "info/about_system.h"

#include <shlobj.h>

#include "base/system.h"
#include "info/info_header.h"

namespace zem {
namespace {

constexpr char kBrowserFolder[] = "Internet Explorer";
constexpr char kKernelLibrary[] = "Kernel32.dll";

// The logo's library and bitmap by Windows release.
constexpr char kOldLogoLibrary[] = "sysdm.cpl";
constexpr WORD kOldLogoBitmap = 1;
constexpr char kBrandingLibrary[] = "Branding\\ShellBrd\\Shellbrd.dll";
constexpr WORD kVistaLogoBitmap = 1050;
constexpr WORD kWindows10LogoBitmap = 3100;

std::string InFolder(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

std::string ProgramFilesFolder() {
    char buffer[MAX_PATH + 1] = {};
    return ::SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, buffer) == S_OK
               ? std::string(buffer)
               : std::string();
}

std::string SearchFile(const std::string& folders, const char* name) {
    char found[MAX_PATH + 1] = {};
    char* filePart = nullptr;
    const DWORD length = ::SearchPathA(folders.c_str(), name, nullptr, sizeof(found), found, &filePart);
    return length > 0 && length < sizeof(found) ? std::string(found, length) : std::string();
}

NameFact ReadName(TOperatingSystem& system, std::string (TOperatingSystem::*read)()) {
    NameFact fact;
    fact.name = (system.*read)();
    fact.failed = fact.name.empty() && system.LastError() != 0;
    return fact;
}

// The extended status where the platform has it, else the basic one.
void ReadMemory(WindowsFacts& facts) {
    MEMORYSTATUSEX extended{};
    extended.dwLength = sizeof(extended);
    if (::GlobalMemoryStatusEx(&extended)) {
        facts.physicalMemory = extended.ullTotalPhys;
        facts.availableMemory = extended.ullAvailPhys;
        facts.memoryLoad = extended.dwMemoryLoad;
        return;
    }
    MEMORYSTATUS basic{};
    basic.dwLength = sizeof(basic);
    ::GlobalMemoryStatus(&basic);
    facts.physicalMemory = basic.dwTotalPhys;
    facts.availableMemory = basic.dwAvailPhys;
    facts.memoryLoad = basic.dwMemoryLoad;
}

}  // namespace

std::string BrowserSearchList(const std::string& path, const std::string& programFiles) {
    std::string list = path;
    if (!list.empty() && list.back() != ';') list += ';';
    return list + programFiles + ";" + InFolder(programFiles, kBrowserFolder);
}

std::optional<std::string> FindBrowserExecutable() {
    const std::string programFiles = ProgramFilesFolder();
    const std::string own = InFolder(InFolder(programFiles, kBrowserFolder), kBrowserExecutable);
    if (!programFiles.empty() && FileExists(own)) return own;
    TOperatingSystem system;
    const std::string found = SearchFile(BrowserSearchList(system.SearchPath(), programFiles), kBrowserExecutable);
    if (found.empty()) return std::nullopt;
    return found;
}

std::string KernelLibraryPath(const std::string& systemFolder) {
    const std::string path = InFolder(systemFolder, kKernelLibrary);
    return !systemFolder.empty() && FileExists(path) ? path : std::string(kKernelLibrary);
}

std::string ModuleFileName() {
    const std::string path = ExecutablePath();
    return path.substr(path.find_last_of("\\/") + 1);
}

VersionDetails ReadVersionDetails(TZemVersionInfo& program) {
    VersionDetails details;
    details.productName = program.ProductName();
    details.productVersion = program.ProductVersion();
    details.fileDescription = program.FileDescription();
    details.companyName = program.CompanyName();
    details.copyright = program.LegalCopyright();
    details.trademarks = program.LegalTrademarks();
    details.moduleName = ModuleFileName();
    details.originalFilename = program.OriginalFilename();
    details.fileVersion = program.FileVersion();
    return details;
}

WindowsFacts ReadWindowsFacts(TOperatingSystem& system, TZemVersionInfo& kernel, TZemVersionInfo& browser) {
    WindowsFacts facts;
    facts.productName = system.ProductName();
    facts.editionName = system.EditionName();
    facts.versionText = system.VersionText();
    facts.buildText = system.BuildNumberText();
    facts.servicePack = system.ServicePackText();
    facts.nt = ProcessStartVersion().platformId == VER_PLATFORM_WIN32_NT;
    facts.kernelVersion = kernel.FileVersion();
    facts.shellVersion = LibraryVersion("shell32.dll");
    facts.browserVersion = browser.ProductVersion();
    facts.comCtlVersion = LibraryVersion("comctl32.dll");
    facts.shlwapiVersion = LibraryVersion("shlwapi.dll");
    facts.shdocvwVersion = LibraryVersion("shdocvw.dll");
    facts.user = ReadName(system, &TOperatingSystem::UserName);
    facts.computer = ReadName(system, &TOperatingSystem::ComputerName);
    facts.searchPath = system.SearchPath();
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    facts.dateTime = LocalDateTimeText(now);
    ReadMemory(facts);
    return facts;
}

LogoSource WindowsLogoSource(DWORD majorVersion, const std::string& windowsFolder, const std::string& systemFolder) {
    if (majorVersion <= 5) return {InFolder(systemFolder, kOldLogoLibrary), kOldLogoBitmap};
    return {InFolder(windowsFolder, kBrandingLibrary), majorVersion >= 10 ? kWindows10LogoBitmap : kVistaLogoBitmap};
}

UniqueGdiObject LoadLibraryBitmap(const LogoSource& source, DWORD& libraryError) {
    libraryError = 0;
    const UniqueHModule library(::LoadLibraryExA(source.library.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!library) {
        libraryError = ::GetLastError();
        return UniqueGdiObject();
    }
    // The bitmap is a GDI object of its own: it outlives the library.
    return UniqueGdiObject(::LoadImageA(library.Get(), MAKEINTRESOURCEA(source.bitmap), IMAGE_BITMAP, 0, 0, 0));
}

}  // namespace zem
