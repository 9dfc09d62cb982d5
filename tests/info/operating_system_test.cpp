// Product and edition names for every release and edition, from version facts alone.
#include <gtest/gtest.h>

#include <string>

#include "info/operating_system.h"

namespace zem {
namespace {

constexpr BYTE kWorkstation = 1;
constexpr BYTE kController = 2;
constexpr BYTE kServer = 3;
constexpr WORD kEnterprise = 2, kDataCenter = 128, kBlade = 1024, kCompute = 16384, kHomeServer = 32768,
               kPersonal = 512;
constexpr WORD kX86 = 0, kItanium = 6, kX64 = 9;
const std::string kWin = "Windows\xAE ";

VersionFacts Win9x(DWORD major, DWORD minor, const char* servicePack = "", DWORD build = 0) {
    VersionFacts facts;
    facts.platformId = VER_PLATFORM_WIN32_WINDOWS;
    facts.majorVersion = major;
    facts.minorVersion = minor;
    facts.servicePack = servicePack;
    facts.buildNumber = build;
    return facts;
}

VersionFacts Nt(DWORD major, DWORD minor, BYTE productType, WORD suite = 0, WORD architecture = kX86) {
    VersionFacts facts;
    facts.majorVersion = major;
    facts.minorVersion = minor;
    facts.extendedQuery = true;
    facts.productType = productType;
    facts.suiteMask = suite;
    facts.processorArchitecture = architecture;
    return facts;
}

VersionFacts R2(VersionFacts facts) {
    facts.serverR2Metric = 1;
    return facts;
}

VersionFacts Nt4(const char* productOptions, bool extendedQuery = false) {
    VersionFacts facts = Nt(4, 0, extendedQuery ? kServer : 0);
    facts.extendedQuery = extendedQuery;
    facts.ntProductOptions = productOptions;
    return facts;
}

VersionFacts ProductInfo(DWORD type, DWORD major = 6, DWORD minor = 1) {
    VersionFacts facts = Nt(major, minor, kWorkstation);
    facts.productInfoType = type;
    return facts;
}

struct Row {
    VersionFacts facts;
    std::string expected;
};

void ExpectNames(const std::vector<Row>& rows, std::string (*name)(const VersionFacts&)) {
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(name(rows[i].facts), rows[i].expected) << "row " << i;
    }
}

TEST(ProductName, NamesEveryRelease) {
    ExpectNames({{Win9x(4, 0), kWin + "95"},
                 {Win9x(4, 10), kWin + "98"},
                 {Win9x(4, 90), kWin + "ME"},
                 {Win9x(5, 0), "unidentified Windows version"},
                 {Win9x(3, 95), "unidentified Windows version"},
                 {Win9x(4, 50), ""},
                 {Nt(4, 0, kWorkstation), kWin + "NT 4.0"},
                 {Nt4("LANMANNT"), kWin + "NT 4.0"},
                 {Nt(5, 0, kWorkstation), kWin + "2000"},
                 {Nt(5, 0, kServer), kWin + "2000"},
                 {Nt(5, 1, kWorkstation), kWin + "XP"},
                 {Nt(5, 1, kServer), kWin + "2003"},
                 {Nt(5, 1, kController), kWin + "2003"},
                 {Nt(5, 2, kWorkstation), kWin + "XP"},
                 {R2(Nt(5, 2, kWorkstation)), kWin + "XP"},
                 {Nt(5, 2, kServer), kWin + "2003"},
                 {R2(Nt(5, 2, kServer)), kWin + "2003 R2"},
                 {R2(Nt(5, 2, kController)), kWin + "2003 R2"},
                 {Nt(6, 0, kWorkstation), kWin + "Vista"},
                 {Nt(6, 1, kWorkstation), kWin + "7"},
                 {Nt(6, 2, kWorkstation), kWin + "8"},
                 {Nt(6, 3, kWorkstation), kWin + "8.1"},
                 {Nt(6, 0, kServer), kWin + "2008"},
                 {Nt(6, 1, kController), kWin + "2008"},
                 {Nt(6, 2, kServer), kWin + "2012"},
                 {Nt(6, 3, kController), kWin + "2012 R2"},
                 {Nt(10, 0, kWorkstation), kWin + "10"},
                 {Nt(10, 0, kServer), kWin + "2016"},
                 {Nt(11, 0, kWorkstation), kWin + "10"}},
                ProductName);
}

TEST(ProductName, IsEmptyForAnyOtherCombination) {
    ExpectNames({{Nt(7, 0, kWorkstation), ""},
                 {Nt(8, 0, kServer), ""},
                 {Nt(9, 0, kWorkstation), ""},
                 {Nt(10, 1, kWorkstation), ""},
                 {Nt(6, 4, kWorkstation), ""},
                 {Nt(3, 51, kWorkstation), ""},
                 {Nt(6, 1, 0), ""},
                 {Nt(5, 1, 0), ""}},
                ProductName);
    VersionFacts win32s = Nt(3, 10, kWorkstation);
    win32s.platformId = VER_PLATFORM_WIN32s;
    EXPECT_EQ(ProductName(win32s), "");
}

TEST(EditionName, Windows9xReadsTheServicePackLetterAndBuild) {
    ExpectNames({{Win9x(4, 0, " B "), "OSR2 (Operating System Service Release 2)"},
                 {Win9x(4, 0, "c"), "OSR2 (Operating System Service Release 2)"},
                 {Win9x(4, 0, " A "), ""},
                 {Win9x(4, 0, ""), ""},
                 {Win9x(4, 10, " A "), "SE (Second Edition)"},
                 {Win9x(4, 10, "", 2222), "SE (Second Edition)"},
                 {Win9x(4, 10, "", 1998), ""},
                 {Win9x(4, 10, " B ", 1998), ""},
                 {Win9x(4, 90), "(Millenium Edition)"},
                 {Win9x(4, 50, "B"), ""}},
                EditionName);
}

TEST(EditionName, Nt4UsesTheRegistryOnlyWithoutTheExtendedQuery) {
    ExpectNames({{Nt4("WinNT"), "Workstation"},
                 {Nt4(""), "Workstation"},
                 {Nt4("LANMANNT"), "Server"},
                 {Nt4("lanmannt"), "Server"},
                 {Nt4("ServerNT"), "Advanced Server"},
                 {Nt4("SERVERNT"), "Advanced Server"},
                 {Nt4("LANMANNT", true), ""}},
                EditionName);
}

TEST(EditionName, Windows2000AndXpByProductTypeAndSuite) {
    ExpectNames({{Nt(5, 0, kWorkstation), "Professional"},
                 {Nt(5, 0, kWorkstation, kPersonal), "Personal"},
                 {Nt(5, 0, kServer), "Server"},
                 {Nt(5, 0, kController, kDataCenter | kEnterprise), "DataCenter Server"},
                 {Nt(5, 0, kServer, kEnterprise), "Advanced Server"},
                 {Nt(5, 0, kServer, kHomeServer), "Server"},
                 {Nt(5, 0, 0, kEnterprise), ""},
                 {Nt(5, 1, kWorkstation), "Professional"},
                 {Nt(5, 1, kWorkstation, kPersonal), "Home Edition"},
                 {Nt(5, 1, kServer), "Server"},
                 {Nt(5, 1, kServer, kDataCenter), "DataCenter Server"},
                 {Nt(5, 1, kController, kEnterprise), "Advanced Server"},
                 {Nt(5, 1, kServer, kHomeServer), "Home Server"},
                 {Nt(5, 1, kServer, kHomeServer | kEnterprise), "Advanced Server"}},
                EditionName);
}

TEST(EditionName, Windows2003ByArchitectureAndSuite) {
    ExpectNames({{Nt(5, 2, kWorkstation, 0, kX64), "Professional x64 Edition"},
                 {Nt(5, 2, kWorkstation, 0, kX86), ""},
                 {Nt(5, 2, kServer, 0, kX64), "Standard x64 Edition"},
                 {Nt(5, 2, kServer, kDataCenter | kEnterprise, kX64), "Standard x64 Edition Datacenter x64 Edition"},
                 {Nt(5, 2, kController, kEnterprise, kX64), "Standard x64 Edition Enterprise x64 Edition"},
                 {Nt(5, 2, kServer, 0, kItanium), "Server"},
                 {Nt(5, 2, kServer, kDataCenter, kItanium), "Server Datacenter Edition for Itanium-based Systems"},
                 {Nt(5, 2, kServer, kEnterprise, kItanium), "Server Enterprise Edition for Itanium-based Systems"},
                 {Nt(5, 2, kServer), "Server Standard Edition"},
                 {Nt(5, 2, kServer, kHomeServer | kCompute), "Home Server"},
                 {Nt(5, 2, kServer, kCompute | kDataCenter), "Server Standard Edition Compute Cluster Edition"},
                 {Nt(5, 2, kServer, kDataCenter | kEnterprise), "Server Standard Edition Datacenter Edition"},
                 {Nt(5, 2, kController, kEnterprise | kBlade), "Server Standard Edition Enterprise Edition"},
                 {Nt(5, 2, kServer, kBlade), "Server Standard Edition Web Edition"},
                 {Nt(5, 2, 0, kEnterprise, kX64), ""}},
                EditionName);
}

TEST(EditionName, Vista7AndLaterByProductInformation) {
    ExpectNames({{ProductInfo(1), "Ultimate Edition"},
                 {ProductInfo(2), "Home Basic Edition"},
                 {ProductInfo(5), "Home Basic Edition"},
                 {ProductInfo(3), "Home Premium Edition"},
                 {ProductInfo(4), "Enterprise Edition"},
                 {ProductInfo(6), "Business Edition"},
                 {ProductInfo(16), "Business Edition"},
                 {ProductInfo(7), "Server Standard Edition (full installation)"},
                 {ProductInfo(8), "Server Datacenter Edition (full installation)"},
                 {ProductInfo(9), "Small Business Server"},
                 {ProductInfo(10), "Server Enterprise Edition (full installation)"},
                 {ProductInfo(11), "Starter Edition"},
                 {ProductInfo(12), "Server Datacenter Edition (core installation)"},
                 {ProductInfo(13), "Server Standard Edition (core installation)"},
                 {ProductInfo(14), "Server Enterprise Edition (core installation)"},
                 {ProductInfo(15), "Server Enterprise Edition for Itanium-based Systems"},
                 {ProductInfo(17), "Web Server Edition (full installation)"},
                 {ProductInfo(18), "Cluster Server Edition"},
                 {ProductInfo(25), "Small Business Server Premium Edition"},
                 {ProductInfo(29), "Web Server Edition (core installation)"},
                 {ProductInfo(0xABCDABCD), "Edition could not be determined (license not registered)"},
                 {ProductInfo(0), "Edition could not be determined 0x00000000"},
                 {ProductInfo(0x30), "Edition could not be determined 0x00000030"},
                 {ProductInfo(0xABCDABCE), "Edition could not be determined 0xABCDABCE"},
                 {ProductInfo(4, 10, 0), "Enterprise Edition"},
                 {ProductInfo(1, 6, 0), "Ultimate Edition"}},
                EditionName);
}

TEST(EditionName, IsEmptyBeforeNt4AndOutsideTheFamilies) {
    EXPECT_EQ(EditionName(Nt(3, 51, kServer, kEnterprise)), "");
    VersionFacts win32s = Nt(3, 10, kWorkstation);
    win32s.platformId = VER_PLATFORM_WIN32s;
    EXPECT_EQ(EditionName(win32s), "");
}

}  // namespace
}  // namespace zem
