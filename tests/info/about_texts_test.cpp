// The About dialog's page texts and the rules behind its buttons, menu and scroll texts.
#include <gtest/gtest.h>

#include "base/system.h"
#include "info/about_system.h"
#include "info/about_texts.h"
#include "info/info_text_view.h"

namespace zem {
namespace {

// The pieces of a text that are bold, or links.
std::vector<std::string> Marked(const InfoText& text, bool InfoTextRun::*mark) {
    std::vector<std::string> marked;
    for (const InfoTextRun& run : text) {
        if (run.*mark) marked.push_back(run.text);
    }
    return marked;
}

TEST(AboutTexts, VersionDetailsLineByLine) {
    VersionDetails details{"Product", "2.5", "What it does.", "Maker Ltd", "(c) Maker", "Mark", "prog.exe",
                           "Program.exe", "2.5.0.1"};
    const InfoText text = VersionDetailsText(details);
    EXPECT_EQ(PlainText(text),
              "Product Version Details\r\n"
              "\r\n"
              "Product Version: 2.5\r\n"
              "What it does.\r\n"
              "Manufacturer: Maker Ltd\r\n"
              "Copyright (c) Maker\r\n"
              "Legal Trademarks: Mark\r\n"
              "\r\n"
              "Main Executable Module: prog.exe\r\n"
              "Original Filename: Program.exe\r\n"
              "File Version: 2.5.0.1");
    EXPECT_EQ(Marked(text, &InfoTextRun::bold), std::vector<std::string>{"Product Version Details\r\n"});
    EXPECT_TRUE(Marked(text, &InfoTextRun::link).empty());
}

TEST(AboutTexts, TheMakerPageLinksItsAddresses) {
    const InfoText text = MakerText({"https://maker.example", "mail@maker.example", {"Maker", "1 Road", "Town"}});
    EXPECT_EQ(PlainText(text),
              "Manufacturer Information\r\n"
              "\r\n"
              "Additional Product Info: https://maker.example\r\n"
              "\r\n"
              "Contact Address: mail@maker.example\r\n"
              "\r\n"
              "Postal Address: \r\n"
              "Maker\r\n"
              "1 Road\r\n"
              "Town");
    EXPECT_EQ(Marked(text, &InfoTextRun::bold), std::vector<std::string>{"Manufacturer Information\r\n"});
    EXPECT_EQ(Marked(text, &InfoTextRun::link),
              (std::vector<std::string>{"https://maker.example", "mail@maker.example"}));
}

WindowsFacts SampleWindows() {
    WindowsFacts facts;
    facts.productName = "Windows\xAE 7";
    facts.editionName = "Ultimate Edition";
    facts.versionText = "6.1";
    facts.buildText = "7601";
    facts.servicePack = "Service Pack 1";
    facts.kernelVersion = "6.1.7601.1";
    facts.shellVersion = "6.1, Build 7601";
    facts.browserVersion = "8.0";
    facts.comCtlVersion = "6.0, Build 2600";
    facts.shlwapiVersion = "6.1, Build 7601";
    facts.shdocvwVersion = "6.1, Build 7601";
    facts.user = {"root", false};
    facts.computer = {"HOST", false};
    facts.searchPath = "C:\\windows;C:\\tools";
    facts.dateTime = "1/2/2026 3:04:05 PM";
    facts.physicalMemory = 4294967296ull;
    facts.availableMemory = 1536;
    facts.memoryLoad = 37;
    return facts;
}

TEST(AboutTexts, TheWindowsPageInItsOrder) {
    const InfoText text = WindowsText(SampleWindows());
    EXPECT_EQ(PlainText(text),
              "Operating System Information\r\n"
              "\r\n"
              "Windows\xAE 7\r\n"
              "Ultimate Edition\r\n"
              "Windows Version 6.1, Build 7601\r\n"
              "Service Pack 1\r\n"
              "System is based on Windows NT\r\n"
              "Copyright \xA9 Microsoft Corporation\r\n"
              "https://www.microsoft.com\r\n"
              "\r\n"
              "Kernel Version: 6.1.7601.1\r\n"
              "Shell Version (Shell32.dll): 6.1, Build 7601\r\n"
              "Internet Explorer Version: 8.0\r\n"
              "Common Controls Version (ComCtl32.dll): 6.0, Build 2600\r\n"
              "ShlWAPI.dll Version: 6.1, Build 7601\r\n"
              "ShdocVw.dll Version: 6.1, Build 7601\r\n"
              "\r\n"
              "Application/process is running under user account: root\r\n"
              "On computer: HOST\r\n"
              "\r\n"
              "Default search path (environment var. PATH): C:\\windows;C:\\tools\r\n"
              "\r\n"
              "Current System Date/Time is : 1/2/2026 3:04:05 PM\r\n"
              "Physical memory: 4.00 GB (4,294,967,296 Byte)\r\n"
              "Available, physical memory: 1.50 KB (1,536 Byte)\r\n"
              "Currently in use: 37%");
    EXPECT_EQ(Marked(text, &InfoTextRun::bold), std::vector<std::string>{"Operating System Information\r\n"});
    EXPECT_EQ(Marked(text, &InfoTextRun::link), std::vector<std::string>{"https://www.microsoft.com"});
}

TEST(AboutTexts, MissingLibrariesAndNamesOnAWindows9xSystem) {
    WindowsFacts facts = SampleWindows();
    facts.nt = false;
    facts.shellVersion.clear();
    facts.shdocvwVersion.clear();
    facts.user = {"", true};
    facts.computer = {"", false};
    const std::string text = PlainText(WindowsText(facts));
    EXPECT_NE(text.find("Service Pack 1\r\nSystem is a Windows 9x system\r\n"), std::string::npos);
    EXPECT_NE(text.find("Kernel Version: 6.1.7601.1\r\nInternet Explorer Version: 8.0\r\n"
                        "Common Controls Version (ComCtl32.dll): 6.0, Build 2600\r\n"
                        "ShlWAPI.dll Version: 6.1, Build 7601\r\n\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\r\nApplication/process is running under user account: Could not be determined\r\n"
                        "On computer: \"\" (no name assigned)\r\n"),
              std::string::npos);
}

TEST(AboutTexts, CaptionsAndAddresses) {
    EXPECT_EQ(ProductPageCaption("Zem Tarvelix"), "&About Zem Tarvelix");
    EXPECT_EQ(ProductPageCaption(""), "&About");
    EXPECT_EQ(LinkAddress("support@zem-software.example"), "mailto:support@zem-software.example");
    EXPECT_EQ(LinkAddress("https://www.microsoft.com"), "https://www.microsoft.com");
    EXPECT_EQ(WebSiteOf("https://www.zem-software.example/en/products/Index.htm"), "https://www.zem-software.example");
    EXPECT_EQ(WebSiteOf("https://host.example"), "https://host.example");
}

TEST(AboutRules, SaveFormatByExtensionThenFilter) {
    const auto target = [](const std::string& name, DWORD filter) {
        const InfoSaveTarget chosen = InfoSaveTargetFor(name, filter);
        return std::make_pair(chosen.path, chosen.richText);
    };
    EXPECT_EQ(target("C:\\out\\Info", kPlainTextFilter), std::make_pair(std::string("C:\\out\\Info.txt"), false));
    EXPECT_EQ(target("C:\\out\\Info", kRichTextFilter), std::make_pair(std::string("C:\\out\\Info.rtf"), true));
    EXPECT_EQ(target("C:\\out\\Info.RTF", kPlainTextFilter), std::make_pair(std::string("C:\\out\\Info.RTF"), true));
    EXPECT_EQ(target("C:\\out\\Info.Txt", kRichTextFilter), std::make_pair(std::string("C:\\out\\Info.Txt"), false));
    EXPECT_EQ(target("C:\\out\\Info.doc", kPlainTextFilter), std::make_pair(std::string("C:\\out\\Info.doc"), false));
    EXPECT_EQ(target("C:\\v1.0\\Info", 3), std::make_pair(std::string("C:\\v1.0\\Info.rtf"), true));
}

TEST(AboutRules, ContextMenuBySelection) {
    const auto states = [](LONG start, LONG end, LONG length) {
        const InfoMenuStates menu = InfoMenuStatesFor(CHARRANGE{start, end}, length);
        return std::vector<bool>{menu.selectAll, menu.clearSelection, menu.copy};
    };
    EXPECT_EQ(states(3, 3, 50), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(states(3, 9, 50), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(states(0, 50, 50), (std::vector<bool>{false, true, true}));
    EXPECT_EQ(states(0, 0, 0), (std::vector<bool>{true, false, false}));
}

TEST(AboutRules, ScrollTextsByPosition) {
    const auto states = [](int first, int count, int visible) {
        const ScrollStates scroll = ScrollStatesFor(first, count, visible);
        return std::make_pair(scroll.up, scroll.down);
    };
    EXPECT_EQ(states(0, 10, 15), std::make_pair(false, false));
    EXPECT_EQ(states(0, 15, 15), std::make_pair(false, false));
    EXPECT_EQ(states(0, 16, 15), std::make_pair(false, true));
    EXPECT_EQ(states(1, 16, 15), std::make_pair(true, false));
    EXPECT_EQ(states(5, 40, 15), std::make_pair(true, true));
}

TEST(AboutSystem, WhereTheBrowserKernelAndLogoAreLookedFor) {
    EXPECT_EQ(BrowserSearchList("C:\\a;C:\\b", "C:\\Program Files"),
              "C:\\a;C:\\b;C:\\Program Files;C:\\Program Files\\Internet Explorer");
    EXPECT_EQ(BrowserSearchList("C:\\a;", "D:\\"), "C:\\a;D:\\;D:\\Internet Explorer");

    char system[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_EQ(KernelLibraryPath(system), std::string(system) + "\\Kernel32.dll");
    EXPECT_EQ(KernelLibraryPath("C:\\No Such Folder"), "Kernel32.dll");

    const auto logo = [](DWORD major) {
        const LogoSource source = WindowsLogoSource(major, "C:\\W", "C:\\W\\system32");
        return std::make_pair(source.library, static_cast<int>(source.bitmap));
    };
    EXPECT_EQ(logo(5), std::make_pair(std::string("C:\\W\\system32\\sysdm.cpl"), 1));
    EXPECT_EQ(logo(6), std::make_pair(std::string("C:\\W\\Branding\\ShellBrd\\Shellbrd.dll"), 1050));
    EXPECT_EQ(logo(9), std::make_pair(std::string("C:\\W\\Branding\\ShellBrd\\Shellbrd.dll"), 1050));
    EXPECT_EQ(logo(10), std::make_pair(std::string("C:\\W\\Branding\\ShellBrd\\Shellbrd.dll"), 3100));
}

TEST(AboutSystem, ALogoLibraryThatCannotBeLoadedReportsTheSystemsCode) {
    DWORD error = 0;
    const std::string missing = ExecutableFolder() + "\\No Such Library.dll";
    EXPECT_FALSE(LoadLibraryBitmap({missing, 1}, error));
    const HMODULE direct = ::LoadLibraryExA(missing.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const DWORD expected = ::GetLastError();
    EXPECT_EQ(direct, nullptr);
    EXPECT_EQ(error, expected);
    EXPECT_NE(error, 0u);
}

}  // namespace
}  // namespace zem
