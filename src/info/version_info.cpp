#include "info/version_info.h"

#include <shlwapi.h>

#include "base/strings.h"
#include "base/system.h"
#include "base/unique.h"

namespace zem {
namespace {

// A number in the user's format: thousands separators, `decimals` places.
std::string LocalNumber(const std::string& plain, UINT decimals) {
    NUMBERFMTA format{};
    char decimal[8] = ".", thousand[8] = ",";
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof(decimal));
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousand, sizeof(thousand));
    format.NumDigits = decimals;
    format.LeadingZero = 1;
    format.Grouping = 3;
    format.lpDecimalSep = decimal;
    format.lpThousandSep = thousand;
    format.NegativeOrder = 1;
    char buffer[64] = {};
    if (!::GetNumberFormatA(LOCALE_USER_DEFAULT, 0, plain.c_str(), &format, buffer, sizeof(buffer))) return plain;
    return buffer;
}

// The copy the process uses when it has one loaded: for comctl32 that is the version its
// manifest chose, while the file in the system folder is the old one. Otherwise the system
// folder's copy. Either is held until the version is read.
UniqueHModule LibraryInUse(const char* library) {
    UniqueHModule loaded;
    if (::GetModuleHandleExA(0, library, loaded.Put())) return loaded;
    return LoadSystemLibrary(library);
}

}  // namespace

bool TZemVersionInfo::Load() {
    if (loaded_) return !data_.empty();
    loaded_ = true;
    std::string path = fileName_;
    if (path.empty()) {
        char own[MAX_PATH * 2] = {};
        path.assign(own, ::GetModuleFileNameA(nullptr, own, sizeof(own)));
    }
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) {
        lastError_ = ERROR_RESOURCE_DATA_NOT_FOUND;  // 1812: no version data
        return false;
    }
    data_.assign(size, '\0');
    if (!::GetFileVersionInfoA(path.c_str(), 0, size, data_.data())) {
        lastError_ = ::GetLastError();
        data_.clear();
        return false;
    }
    return true;
}

const void* TZemVersionInfo::Query(const std::string& subBlock, UINT& length) {
    length = 0;
    if (!Load()) return nullptr;
    void* value = nullptr;
    if (!::VerQueryValueA(data_.data(), subBlock.c_str(), &value, &length)) return nullptr;
    return value;
}

VS_FIXEDFILEINFO TZemVersionInfo::FixedInfo() {
    UINT length = 0;
    const void* value = Query("\\", length);
    VS_FIXEDFILEINFO info{};
    if (value && length >= sizeof(info)) info = *static_cast<const VS_FIXEDFILEINFO*>(value);
    return info;
}

DWORD TZemVersionInfo::Translation() {
    UINT length = 0;
    const void* value = Query("\\VarFileInfo\\Translation", length);
    return value && length >= sizeof(DWORD) ? *static_cast<const DWORD*>(value) : 0;
}

std::string TZemVersionInfo::StringValue(const char* key) {
    const DWORD translation = Translation();
    const std::string block =
        Format("\\StringFileInfo\\%.4x%.4x\\%s", LOWORD(translation), HIWORD(translation), key);
    UINT length = 0;
    const auto* value = static_cast<const char*>(Query(block, length));
    return value && length > 0 ? std::string(value, ::strnlen(value, length)) : std::string();
}

std::string LibraryVersionText(DWORD major, DWORD minor, DWORD build, DWORD fix, bool extended) {
    if (extended && fix != 0) return Format("%lu.%lu%s %lu %s %lu", major, minor, ", Build", build, " SP", fix);
    return Format("%lu.%lu%s %lu", major, minor, ", Build", build);
}

std::string LibraryVersion(const char* library) { return ModuleVersion(LibraryInUse(library).Get()); }

std::string ModuleVersion(HMODULE module) {
    const auto getVersion = LookUp<DLLGETVERSIONPROC>(module, "DllGetVersion");
    if (!getVersion) return {};
    DLLVERSIONINFO2 info{};
    info.info1.cbSize = sizeof(info);
    if (SUCCEEDED(getVersion(&info.info1))) {
        return LibraryVersionText(info.info1.dwMajorVersion, info.info1.dwMinorVersion, info.info1.dwBuildNumber,
                                  static_cast<DWORD>(info.ullVersion & 0xFFFF), true);
    }
    DLLVERSIONINFO basic{};
    basic.cbSize = sizeof(basic);
    if (FAILED(getVersion(&basic))) return {};
    return LibraryVersionText(basic.dwMajorVersion, basic.dwMinorVersion, basic.dwBuildNumber, 0, false);
}

std::string SizeText(uint64_t bytes) {
    constexpr uint64_t kKiB = 1024, kMiB = kKiB * 1024, kGiB = kMiB * 1024;
    const char* unit = bytes < kMiB ? "KB" : bytes < kGiB ? "MB" : "GB";
    const double scaled = static_cast<double>(bytes) / static_cast<double>(bytes < kMiB ? kKiB : bytes < kGiB ? kMiB : kGiB);
    return LocalNumber(Format("%.2f", scaled), 2) + " " + unit + " (" +
           LocalNumber(Format("%llu", static_cast<unsigned long long>(bytes)), 0) + " Byte)";
}

}  // namespace zem
