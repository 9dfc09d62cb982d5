#include "info/help.h"

#include <htmlhelp.h>
#include <oleauto.h>

#include "base/strings.h"
#include "base/system.h"
#include "base/unique.h"
#include "info/operating_system.h"

namespace zem {
namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// The viewer's answer to HH_GET_LAST_ERROR.
struct HelpLastError {
    int cbStruct;
    HRESULT hr;
    BSTR description;
};

inline void FreeBstr(BSTR text) noexcept { ::SysFreeString(text); }
using UniqueBstr = Unique<HandleTraits<BSTR, nullptr, FreeBstr>>;

class HtmlHelpViewer : public HelpViewer {
public:
    HtmlHelpViewer() : library_(LoadSystemLibrary("hhctrl.ocx")), htmlHelp_(LookUp<HtmlHelpFunction>(library_.Get(), "HtmlHelpA")) {}

    ~HtmlHelpViewer() override {
        // The viewer's windows run on this library's code.
        if (htmlHelp_) htmlHelp_(nullptr, nullptr, HH_CLOSE_ALL, 0);
    }

    HWND DisplayTopic(HWND owner, const std::string& target) override {
        return htmlHelp_ ? htmlHelp_(owner, target.c_str(), HH_DISPLAY_TOPIC, 0) : nullptr;
    }

    std::string LastErrorText() override {
        if (!htmlHelp_) return {};
        HelpLastError error{};
        error.cbStruct = sizeof(error);
        htmlHelp_(nullptr, nullptr, HH_GET_LAST_ERROR, reinterpret_cast<DWORD_PTR>(&error));
        const UniqueBstr description(error.description);
        if (!FAILED(error.hr) || !description) return {};
        return WideToMultiByte(std::wstring(description.Get(), ::SysStringLen(description.Get())));
    }

private:
    UniqueHModule library_;
    HtmlHelpFunction htmlHelp_;
};

std::string WindowsFolder() {
    char buffer[MAX_PATH + 1] = {};
    const UINT length = ::GetWindowsDirectoryA(buffer, sizeof(buffer));
    return length > 0 && length < sizeof(buffer) ? std::string(buffer, length) : std::string();
}

std::string InFolder(const std::string& folder, const std::string& name) {
    const char last = folder.empty() ? '\\' : folder.back();
    return last == ':' || last == '\\' ? folder + name : folder + "\\" + name;
}

}  // namespace

std::unique_ptr<HelpViewer> CreateHtmlHelpViewer() { return std::make_unique<HtmlHelpViewer>(); }

std::string HelpTopicFor(DWORD context) {
    std::string topic;
    if (context >= 1 && context <= 65535) topic = ResString(context);
    // The map shares the string table with the program's texts: only a topic is a topic.
    return topic.rfind("::/", 0) == 0 ? topic : kTableOfContentsTopic;
}

std::string HelpSearchList(const std::string& programFolder) {
    TOperatingSystem system;
    const std::string helpFolder = InFolder(programFolder, "Help");
    StringList folders{programFolder};
    if (FolderExists(helpFolder)) folders.push_back(helpFolder);
    if (std::string path = system.EnvironmentVariable("Path"); !path.empty()) folders.push_back(std::move(path));
    folders.push_back(WindowsFolder());
    folders.push_back(system.SystemDirectory());
    std::string list;
    for (const auto& folder : folders) {
        if (!list.empty()) list += ';';
        list += folder;
    }
    return list;
}

std::string FindHelpFile(const std::string& searchList) {
    if (FileExists(kHelpFileName)) return kHelpFileName;
    size_t start = 0;
    while (start <= searchList.size()) {
        size_t end = searchList.find(';', start);
        if (end == std::string::npos) end = searchList.size();
        const std::string folder(Trim(std::string_view(searchList).substr(start, end - start)));
        if (!folder.empty()) {
            const std::string candidate = InFolder(folder, kHelpFileName);
            if (FileExists(candidate)) return candidate;
        }
        start = end + 1;
    }
    return {};
}

HWND ShowHelpFromSearchPath(HelpViewer& viewer, HWND owner, const std::string& programFolder,
                            const std::string& topic) {
    const std::string file = FindHelpFile(HelpSearchList(programFolder));
    return file.empty() ? nullptr : viewer.DisplayTopic(owner, file + topic);
}

void ShowHelpContents(HelpViewer& viewer, HWND owner, const std::string& programFolder) {
    if (viewer.DisplayTopic(nullptr, std::string(kHelpFileReference) + kTableOfContentsTopic)) return;
    ShowHelpFromSearchPath(viewer, owner, programFolder, kTableOfContentsTopic);
}

void ShowHelpTopic(HelpViewer& viewer, HWND owner, const std::string& programFolder, DWORD context) {
    const std::string topic = HelpTopicFor(context);
    if (viewer.DisplayTopic(owner, kHelpFileReference + topic)) return;
    if (ShowHelpFromSearchPath(viewer, owner, programFolder, topic)) return;
    if (ShowHelpFromSearchPath(viewer, owner, programFolder, kTableOfContentsTopic)) return;
    const std::string description = viewer.LastErrorText();
    if (!description.empty()) ::MessageBoxA(owner, description.c_str(), nullptr, MB_OK);
}

}  // namespace zem
