// The texts of the About dialog's pages, built from facts gathered beforehand, so that each
// page can be checked character by character without a window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zem {

// One piece of a page's text: plain, bold or a link; pieces end lines with CR LF.
struct InfoTextRun {
    std::string text;
    bool bold = false;
    bool link = false;
};
using InfoText = std::vector<InfoTextRun>;

// The whole text as the control shows it.
std::string PlainText(const InfoText& text);

// What the Version Details page tells about the program file.
struct VersionDetails {
    std::string productName;
    std::string productVersion;
    std::string fileDescription;
    std::string companyName;
    std::string copyright;
    std::string trademarks;
    std::string moduleName;  // the executable's file name without its folder
    std::string originalFilename;
    std::string fileVersion;
};
InfoText VersionDetailsText(const VersionDetails& details);

// The maker's contact data.
struct MakerContact {
    std::string webAddress;
    std::string email;
    std::vector<std::string> postalLines;
};
InfoText MakerText(const MakerContact& maker);

// A user or computer name; `failed` when the system could not be asked.
struct NameFact {
    std::string name;
    bool failed = false;
};

// What the About Windows page tells about the running system. An empty library version
// leaves its line out.
struct WindowsFacts {
    std::string productName;
    std::string editionName;
    std::string versionText;
    std::string buildText;
    std::string servicePack;
    bool nt = true;
    std::string kernelVersion;
    std::string shellVersion;
    std::string browserVersion;
    std::string comCtlVersion;
    std::string shlwapiVersion;
    std::string shdocvwVersion;
    NameFact user;
    NameFact computer;
    std::string searchPath;
    std::string dateTime;
    uint64_t physicalMemory = 0;
    uint64_t availableMemory = 0;
    DWORD memoryLoad = 0;
};
InfoText WindowsText(const WindowsFacts& facts);

// The first page's caption: "&About" with the product's name when it has one.
std::string ProductPageCaption(const std::string& productName);

// The address a link's text stands for: an e-mail address is written to.
std::string LinkAddress(const std::string& linkText);

// The scheme and host of a web address: "https://host" of "https://host/path".
std::string WebSiteOf(const std::string& address);

}  // namespace zem
