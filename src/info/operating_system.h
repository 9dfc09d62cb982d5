// The running Windows version and edition by name, and the session facts (computer, user,
// system folder, environment). Naming is a pure function of version facts, so every release
// and edition can be checked without running on it.
#pragma once

#include <windows.h>

#include <string>

namespace zem {

// What the platform reported when the process started. On Windows 95, 98 and ME the build
// number is kept to its low 16 bits: the high word repeats the version there.
struct StartVersion {
    DWORD platformId = 0;
    DWORD majorVersion = 0;
    DWORD minorVersion = 0;
    DWORD buildNumber = 0;
    std::string servicePack;
};

// Queried once, while the process starts.
const StartVersion& ProcessStartVersion();

// Everything that decides the product and edition names.
struct VersionFacts {
    DWORD platformId = VER_PLATFORM_WIN32_NT;
    DWORD majorVersion = 0;
    DWORD minorVersion = 0;
    DWORD buildNumber = 0;
    std::string servicePack;
    // Whether the extended version query answered; the fields below come from it.
    bool extendedQuery = false;
    BYTE productType = 0;  // 1 workstation, 2 domain controller, 3 server
    WORD suiteMask = 0;
    WORD servicePackMajor = 0;
    WORD servicePackMinor = 0;
    WORD processorArchitecture = PROCESSOR_ARCHITECTURE_INTEL;  // of the native system
    int serverR2Metric = 0;                                     // system metric 89
    DWORD productInfoType = 0;                                  // GetProductInfo, NT 6 and later
    std::string ntProductOptions;                               // "ProductType" of the registry, NT 4
};

// "Windows® 7" and the like; empty for a version without a name.
std::string ProductName(const VersionFacts& facts);
// "Professional", "Ultimate Edition" and the like; empty where no edition applies.
std::string EditionName(const VersionFacts& facts);

// Never raises an error: a failed operation leaves its code in LastError() and returns empty.
class TOperatingSystem {
public:
    // The code of the last operation that can fail; 0 when it succeeded.
    DWORD LastError() const { return lastError_; }

    DWORD MajorVersion() const;
    DWORD MinorVersion() const;
    DWORD BuildNumber() const;
    std::string VersionText() const;
    std::string BuildNumberText() const;

    std::string ServicePackText();
    std::string ProductName();
    std::string EditionName();
    std::string SystemDirectory();
    std::string EnvironmentVariable(const std::string& name);
    std::string SearchPath();
    std::string ComputerName();
    std::string UserName();

    // The facts the names are made of, as the system reports them now.
    VersionFacts ReadVersionFacts();

private:
    std::string ReadNtProductOptions();

    DWORD lastError_ = 0;
};

// The NetBIOS computer name and the process's user name read into buffers of `capacity`
// characters; empty on failure, with the platform's code (1627 when it gives none) in `error`.
std::string ReadComputerName(DWORD capacity, DWORD& error);
std::string ReadUserName(DWORD capacity, DWORD& error);

}  // namespace zem
