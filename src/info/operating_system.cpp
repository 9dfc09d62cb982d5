#include "info/operating_system.h"

#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "base/strings.h"
#include "base/system.h"
#include "base/unique.h"
#include "resource.h"

namespace zem {

namespace {

// Suite flags of the extended version query, by the numbers the platform documents.
constexpr WORD kSuiteEnterprise = 2;
constexpr WORD kSuiteDataCenter = 128;
constexpr WORD kSuiteBlade = 1024;
constexpr WORD kSuiteComputeServer = 16384;
constexpr WORD kSuiteHomeServer = 32768;
constexpr WORD kSuitePersonal = 512;

constexpr WORD kArchitectureX64 = 9;
constexpr WORD kArchitectureItanium = 6;
constexpr int kServerR2Metric = 89;
constexpr DWORD kUnlicensedProduct = 0xABCDABCD;
constexpr DWORD kNoCodeGiven = 1627;  // ERROR_FUNCTION_FAILED

StartVersion QueryStartVersion() {
    StartVersion version;
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!::GetVersionExA(&info)) return version;
    version.platformId = info.dwPlatformId;
    version.majorVersion = info.dwMajorVersion;
    version.minorVersion = info.dwMinorVersion;
    version.buildNumber =
        info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ? LOWORD(info.dwBuildNumber) : info.dwBuildNumber;
    version.servicePack = info.szCSDVersion;
    return version;
}

// Asked during static initialisation, so the numbers are those of the process start.
[[maybe_unused]] const StartVersion& queriedAtStart = ProcessStartVersion();

bool QueryExtendedVersion(OSVERSIONINFOEXA& info) {
    info = OSVERSIONINFOEXA{};
    info.dwOSVersionInfoSize = sizeof(info);
    return ::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)) != FALSE;
}

std::string Text(UINT id) { return id ? ResString(id) : std::string(); }

std::string VersionTextOf(DWORD major, DWORD minor) {
    return Format("%u.%u", static_cast<unsigned>(major), static_cast<unsigned>(minor));
}

bool IsWorkstation(const VersionFacts& facts) { return facts.productType == VER_NT_WORKSTATION; }

bool IsServer(const VersionFacts& facts) {
    return facts.productType == VER_NT_SERVER || facts.productType == VER_NT_DOMAIN_CONTROLLER;
}

bool Has(const VersionFacts& facts, WORD flag) { return (facts.suiteMask & flag) != 0; }

bool IsVersion(const VersionFacts& facts, DWORD major, DWORD minor) {
    return facts.majorVersion == major && facts.minorVersion == minor;
}

// One name for workstations, another for servers and domain controllers.
UINT ByProductType(const VersionFacts& facts, UINT workstation, UINT server) {
    if (IsWorkstation(facts)) return workstation;
    return IsServer(facts) ? server : 0;
}

UINT Windows9xNameId(const VersionFacts& facts) {
    if (facts.majorVersion != 4) return IDS_OS_UNIDENTIFIED;
    switch (facts.minorVersion) {
        case 0: return IDS_OS_WINDOWS_95;
        case 10: return IDS_OS_WINDOWS_98;
        case 90: return IDS_OS_WINDOWS_ME;
        default: return 0;
    }
}

UINT WindowsNtNameId(const VersionFacts& facts) {
    if (IsVersion(facts, 5, 0)) return IDS_OS_WINDOWS_2000;
    if (IsVersion(facts, 5, 1)) return ByProductType(facts, IDS_OS_WINDOWS_XP, IDS_OS_WINDOWS_2003);
    if (IsVersion(facts, 5, 2)) {
        return ByProductType(facts, IDS_OS_WINDOWS_XP,
                             facts.serverR2Metric > 0 ? IDS_OS_WINDOWS_2003_R2 : IDS_OS_WINDOWS_2003);
    }
    if (facts.majorVersion == 6) {
        switch (facts.minorVersion) {
            case 0: return ByProductType(facts, IDS_OS_WINDOWS_VISTA, IDS_OS_WINDOWS_2008);
            case 1: return ByProductType(facts, IDS_OS_WINDOWS_7, IDS_OS_WINDOWS_2008);
            case 2: return ByProductType(facts, IDS_OS_WINDOWS_8, IDS_OS_WINDOWS_2012);
            case 3: return ByProductType(facts, IDS_OS_WINDOWS_8_1, IDS_OS_WINDOWS_2012_R2);
            default: return 0;
        }
    }
    if (facts.majorVersion >= 10 && facts.minorVersion == 0) {
        return ByProductType(facts, IDS_OS_WINDOWS_10, IDS_OS_WINDOWS_2016);
    }
    return 0;
}

std::string Edition9x(const VersionFacts& facts) {
    const std::string_view servicePack = Trim(facts.servicePack);
    char first = servicePack.empty() ? '\0' : servicePack.front();
    if (first >= 'a' && first <= 'z') first = static_cast<char>(first - 'a' + 'A');
    if (IsVersion(facts, 4, 0)) return first == 'B' || first == 'C' ? Text(IDS_EDITION_OSR2) : std::string();
    if (IsVersion(facts, 4, 10)) {
        return first == 'A' || facts.buildNumber == 2222 ? Text(IDS_EDITION_SECOND_EDITION) : std::string();
    }
    return IsVersion(facts, 4, 90) ? Text(IDS_EDITION_MILLENIUM) : std::string();
}

std::string EditionNt4(const VersionFacts& facts) {
    // The extended query would name the edition; NT 4 with it gets none.
    if (facts.extendedQuery) return {};
    if (SameTextNoCase(facts.ntProductOptions, "LANMANNT")) return Text(IDS_EDITION_SERVER);
    if (SameTextNoCase(facts.ntProductOptions, "ServerNT")) return Text(IDS_EDITION_ADVANCED_SERVER);
    return Text(IDS_EDITION_WORKSTATION);
}

// Windows 2000 (5.0) and XP (5.1).
std::string EditionNt5(const VersionFacts& facts) {
    const bool xp = facts.minorVersion == 1;
    if (IsWorkstation(facts)) {
        if (!Has(facts, kSuitePersonal)) return Text(IDS_EDITION_PROFESSIONAL);
        return Text(xp ? IDS_EDITION_HOME_EDITION : IDS_EDITION_PERSONAL);
    }
    if (!IsServer(facts)) return {};
    if (Has(facts, kSuiteDataCenter)) return Text(IDS_EDITION_DATACENTER_SERVER);
    if (Has(facts, kSuiteEnterprise)) return Text(IDS_EDITION_ADVANCED_SERVER);
    if (xp && Has(facts, kSuiteHomeServer)) return Text(IDS_EDITION_HOME_SERVER);
    return Text(IDS_EDITION_SERVER);
}

// Appends a blank and the word for the first flag present.
std::string WithFirstOf(std::string text, const VersionFacts& facts,
                        std::initializer_list<std::pair<WORD, UINT>> flagWords) {
    for (const auto& [flag, id] : flagWords) {
        if (Has(facts, flag)) return text + " " + Text(id);
    }
    return text;
}

// Windows XP x64 and Server 2003.
std::string EditionNt52(const VersionFacts& facts) {
    const WORD architecture = facts.processorArchitecture;
    if (IsWorkstation(facts)) {
        return architecture == kArchitectureX64 ? Text(IDS_EDITION_PROFESSIONAL_X64) : std::string();
    }
    if (!IsServer(facts)) return {};
    if (architecture == kArchitectureX64) {
        return WithFirstOf(Text(IDS_EDITION_STANDARD_X64), facts,
                           {{kSuiteDataCenter, IDS_EDITION_DATACENTER_X64},
                            {kSuiteEnterprise, IDS_EDITION_ENTERPRISE_X64}});
    }
    if (architecture == kArchitectureItanium) {
        return WithFirstOf(Text(IDS_EDITION_SERVER), facts,
                           {{kSuiteDataCenter, IDS_EDITION_DATACENTER_ITANIUM},
                            {kSuiteEnterprise, IDS_EDITION_ENTERPRISE_ITANIUM}});
    }
    if (Has(facts, kSuiteHomeServer)) return Text(IDS_EDITION_HOME_SERVER);
    return WithFirstOf(Text(IDS_EDITION_SERVER_STANDARD), facts,
                       {{kSuiteComputeServer, IDS_EDITION_COMPUTE_CLUSTER},
                        {kSuiteDataCenter, IDS_EDITION_DATACENTER},
                        {kSuiteEnterprise, IDS_EDITION_ENTERPRISE},
                        {kSuiteBlade, IDS_EDITION_WEB}});
}

UINT ProductInfoEditionId(DWORD productType) {
    switch (productType) {
        case 1: return IDS_EDITION_ULTIMATE;
        case 2: case 5: return IDS_EDITION_HOME_BASIC;
        case 3: return IDS_EDITION_HOME_PREMIUM;
        case 4: return IDS_EDITION_ENTERPRISE;
        case 6: case 16: return IDS_EDITION_BUSINESS;
        case 7: return IDS_EDITION_SERVER_STANDARD_FULL;
        case 8: return IDS_EDITION_SERVER_DATACENTER_FULL;
        case 9: return IDS_EDITION_SMALL_BUSINESS_SERVER;
        case 10: return IDS_EDITION_SERVER_ENTERPRISE_FULL;
        case 11: return IDS_EDITION_STARTER;
        case 12: return IDS_EDITION_SERVER_DATACENTER_CORE;
        case 13: return IDS_EDITION_SERVER_STANDARD_CORE;
        case 14: return IDS_EDITION_SERVER_ENTERPRISE_CORE;
        case 15: return IDS_EDITION_SERVER_ENTERPRISE_ITANIUM;
        case 17: return IDS_EDITION_WEB_SERVER_FULL;
        case 18: return IDS_EDITION_CLUSTER_SERVER;
        case 25: return IDS_EDITION_SMALL_BUSINESS_PREMIUM;
        case 29: return IDS_EDITION_WEB_SERVER_CORE;
        default: return 0;
    }
}

// Vista and later: the product-information type names the edition.
std::string EditionNt6(const VersionFacts& facts) {
    if (const UINT id = ProductInfoEditionId(facts.productInfoType)) return Text(id);
    if (facts.productInfoType == kUnlicensedProduct) return Text(IDS_EDITION_UNLICENSED);
    return Format(Text(IDS_EDITION_UNKNOWN).c_str(), static_cast<unsigned>(facts.productInfoType));
}

DWORD CodeOrFallback(DWORD code) { return code ? code : kNoCodeGiven; }

}  // namespace

const StartVersion& ProcessStartVersion() {
    static const StartVersion version = QueryStartVersion();
    return version;
}

std::string ProductName(const VersionFacts& facts) {
    if (facts.platformId == VER_PLATFORM_WIN32_WINDOWS) return Text(Windows9xNameId(facts));
    if (facts.platformId != VER_PLATFORM_WIN32_NT) return {};
    if (facts.majorVersion == 4) {
        return Text(IDS_OS_WINDOWS_NT) + " " + VersionTextOf(facts.majorVersion, facts.minorVersion);
    }
    return Text(WindowsNtNameId(facts));
}

std::string EditionName(const VersionFacts& facts) {
    if (facts.platformId == VER_PLATFORM_WIN32_WINDOWS) return Edition9x(facts);
    if (facts.platformId != VER_PLATFORM_WIN32_NT) return {};
    if (facts.majorVersion == 4) return EditionNt4(facts);
    if (IsVersion(facts, 5, 0) || IsVersion(facts, 5, 1)) return EditionNt5(facts);
    if (IsVersion(facts, 5, 2)) return EditionNt52(facts);
    if (facts.majorVersion >= 6) return EditionNt6(facts);
    return {};
}

std::string ReadComputerName(DWORD capacity, DWORD& error) {
    std::vector<char> buffer(capacity + 1, '\0');
    DWORD size = capacity;
    error = 0;
    if (!::GetComputerNameA(buffer.data(), &size)) {
        error = CodeOrFallback(::GetLastError());
        return {};
    }
    return std::string(buffer.data());
}

std::string ReadUserName(DWORD capacity, DWORD& error) {
    std::vector<char> buffer(capacity + 1, '\0');
    DWORD size = capacity;
    error = 0;
    if (!::GetUserNameA(buffer.data(), &size)) {
        error = CodeOrFallback(::GetLastError());
        return {};
    }
    return std::string(buffer.data());
}

DWORD TOperatingSystem::MajorVersion() const { return ProcessStartVersion().majorVersion; }

DWORD TOperatingSystem::MinorVersion() const { return ProcessStartVersion().minorVersion; }

DWORD TOperatingSystem::BuildNumber() const { return ProcessStartVersion().buildNumber; }

std::string TOperatingSystem::VersionText() const { return VersionTextOf(MajorVersion(), MinorVersion()); }

std::string TOperatingSystem::BuildNumberText() const {
    return Format("%u", static_cast<unsigned>(BuildNumber()));
}

std::string TOperatingSystem::ServicePackText() {
    lastError_ = 0;
    OSVERSIONINFOEXA info;
    return QueryExtendedVersion(info) ? std::string(info.szCSDVersion) : ProcessStartVersion().servicePack;
}

std::string TOperatingSystem::ProductName() { return zem::ProductName(ReadVersionFacts()); }

std::string TOperatingSystem::EditionName() { return zem::EditionName(ReadVersionFacts()); }

VersionFacts TOperatingSystem::ReadVersionFacts() {
    lastError_ = 0;
    const StartVersion& start = ProcessStartVersion();
    VersionFacts facts;
    facts.platformId = start.platformId;
    facts.majorVersion = start.majorVersion;
    facts.minorVersion = start.minorVersion;
    facts.buildNumber = start.buildNumber;
    facts.servicePack = start.servicePack;
    OSVERSIONINFOEXA info;
    if (QueryExtendedVersion(info)) {
        facts.extendedQuery = true;
        facts.servicePack = info.szCSDVersion;
        facts.productType = info.wProductType;
        facts.suiteMask = info.wSuiteMask;
        facts.servicePackMajor = info.wServicePackMajor;
        facts.servicePackMinor = info.wServicePackMinor;
    }
    HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    SYSTEM_INFO system{};
    using GetNativeSystemInfoFn = void(WINAPI*)(SYSTEM_INFO*);
    // Without the native call (before XP) the process sees the machine as it is.
    if (auto getNativeSystemInfo = LookUp<GetNativeSystemInfoFn>(kernel, "GetNativeSystemInfo")) {
        getNativeSystemInfo(&system);
    } else {
        ::GetSystemInfo(&system);
    }
    facts.processorArchitecture = system.wProcessorArchitecture;
    facts.serverR2Metric = ::GetSystemMetrics(kServerR2Metric);
    if (facts.platformId == VER_PLATFORM_WIN32_NT && facts.majorVersion == 4) {
        facts.ntProductOptions = ReadNtProductOptions();
    }
    if (facts.platformId == VER_PLATFORM_WIN32_NT && facts.majorVersion >= 6) {
        using GetProductInfoFn = BOOL(WINAPI*)(DWORD, DWORD, DWORD, DWORD, DWORD*);
        DWORD type = 0;
        if (auto getProductInfo = LookUp<GetProductInfoFn>(kernel, "GetProductInfo")) {
            getProductInfo(facts.majorVersion, facts.minorVersion, facts.servicePackMajor, facts.servicePackMinor,
                           &type);
        }
        facts.productInfoType = type;
    }
    return facts;
}

std::string TOperatingSystem::ReadNtProductOptions() {
    UniqueHKey key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\ProductOptions", 0, KEY_READ,
                        key.Put()) != ERROR_SUCCESS) {
        lastError_ = kNoCodeGiven;
        return {};
    }
    char value[256] = {};
    DWORD size = sizeof(value) - 1;
    DWORD type = 0;
    if (::RegQueryValueExA(key.Get(), "ProductType", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return {};
    }
    return std::string(value);
}

std::string TOperatingSystem::SystemDirectory() {
    lastError_ = 0;
    char buffer[MAX_PATH + 1] = {};
    const UINT length = ::GetSystemDirectoryA(buffer, sizeof(buffer));
    if (length == 0 || length >= sizeof(buffer)) {
        lastError_ = length == 0 ? CodeOrFallback(::GetLastError()) : ERROR_INSUFFICIENT_BUFFER;
        return {};
    }
    return std::string(buffer, length);
}

std::string TOperatingSystem::EnvironmentVariable(const std::string& name) {
    lastError_ = 0;
    if (name.empty()) {
        lastError_ = ERROR_INVALID_PARAMETER;
        return {};
    }
    try {
        std::string buffer(4096, '\0');
        ::SetLastError(0);
        DWORD length = ::GetEnvironmentVariableA(name.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length > buffer.size()) {
            buffer.assign(length, '\0');
            ::SetLastError(0);
            length = ::GetEnvironmentVariableA(name.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        }
        if (length == 0 || length >= buffer.size()) {
            // An empty value is no failure: the platform then leaves the code at 0.
            lastError_ = ::GetLastError();
            return {};
        }
        buffer.resize(length);
        return buffer;
    } catch (...) {
        const DWORD code = ::GetLastError();
        lastError_ = code ? code : ERROR_OUTOFMEMORY;
        return {};
    }
}

std::string TOperatingSystem::SearchPath() { return EnvironmentVariable("Path"); }

std::string TOperatingSystem::ComputerName() { return ReadComputerName(256, lastError_); }

std::string TOperatingSystem::UserName() { return ReadUserName(256, lastError_); }

}  // namespace zem
