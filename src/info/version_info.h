// Reading the version resource of an executable file, the versions of system libraries, and
// sizes as the About dialog writes them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zem {

class TZemVersionInfo {
public:
    // An empty name reads the running program's own file.
    explicit TZemVersionInfo(std::string fileName = {}) : fileName_(std::move(fileName)) {}

    // The code of the last failed read; 1812 when the file has no version data.
    DWORD LastError() const { return lastError_; }

    // The fixed version record; all zero when there is none.
    VS_FIXEDFILEINFO FixedInfo();
    // Language in the low word, code page in the high word; 0 when there is none.
    DWORD Translation();

    std::string CompanyName() { return StringValue("CompanyName"); }
    std::string FileDescription() { return StringValue("FileDescription"); }
    std::string FileVersion() { return StringValue("FileVersion"); }
    std::string InternalName() { return StringValue("InternalName"); }
    std::string LegalCopyright() { return StringValue("LegalCopyright"); }
    std::string LegalTrademarks() { return StringValue("LegalTrademarks"); }
    std::string OriginalFilename() { return StringValue("OriginalFilename"); }
    std::string ProductName() { return StringValue("ProductName"); }
    std::string ProductVersion() { return StringValue("ProductVersion"); }

private:
    bool Load();
    // The value under `subBlock`; null when missing.
    const void* Query(const std::string& subBlock, UINT& length);
    std::string StringValue(const char* key);

    std::string fileName_;
    std::vector<char> data_;
    bool loaded_ = false;
    DWORD lastError_ = 0;
};

// "major.minor, Build build", with " SP fix" when the fix number is not 0 and the extended
// record was available.
std::string LibraryVersionText(DWORD major, DWORD minor, DWORD build, DWORD fix, bool extended);

// The version a system library reports through its "DllGetVersion", asked of the copy the
// process has loaded if any (the manifest's choice); empty when it cannot say.
std::string LibraryVersion(const char* library);
// The same for a module already loaded; empty for null.
std::string ModuleVersion(HMODULE module);

// "1,234.56 KB (1,264,189 Byte)": KB below 1 MiB, MB below 1 GiB, else GB, in the user's
// number format.
std::string SizeText(uint64_t bytes);

}  // namespace zem
