// The DOS device names of the drive letters A to Z, and which drives are substitutes
// (made with the system's drive substitution) for a folder or another drive.
#pragma once

#include <string>
#include <vector>

namespace zem {

class TZemDOSDrvDevicesStrList {
public:
    struct Entry {
        std::string text;  // the first target the system reports, e.g. \??\C:\Projects
        char letter;       // upper case, 'A' to 'Z'
    };

    // Rebuilds the list in letter order; the number of entries, or -1 without a working buffer.
    int RefreshDriveDevices();

    int Count() const { return static_cast<int>(entries_.size()); }
    const Entry& operator[](int index) const { return entries_.at(static_cast<size_t>(index)); }

    // First entry whose letter equals `letter` exactly (case matters), or -1.
    int IndexOfDrive(char letter) const;
    // The target is the root of a drive: "\??\" followed by a letter and a colon.
    bool IsDriveRootAlias(int index) const;
    // The target is a folder below a drive's root: "\??\" followed by such a path.
    bool IsFolderAlias(int index) const;
    // The target without its first "\Device\" (any case) or, failing that, its first "\??\"; else empty.
    std::string DriveTarget(int index) const;

private:
    std::vector<Entry> entries_;
};

// The tests behind the list's operations, on a device target text.
bool IsDriveRootAliasText(const std::string& text);
bool IsFolderAliasText(const std::string& text);
std::string DriveTargetText(std::string text);

struct SubstDriveAlias {
    bool isAlias = false;
    std::string target;  // the path the drive stands for, e.g. C:\Projects
};

// Whether the drive of `path` is a substitute, and for what. Only a drive part of exactly
// two characters has a letter, taken as written: "p:\x" finds no entry for P.
SubstDriveAlias ResolveSubstDrive(const std::string& path);

// The drive part of a path: "C:" for C:\x, "\\server\share" for a UNC path, else empty.
std::string DrivePart(const std::string& path);

}  // namespace zem
