#include "info/about_texts.h"

#include "base/strings.h"
#include "info/version_info.h"
#include "resource.h"

namespace zem {
namespace {

constexpr char kLineBreak[] = "\r\n";
constexpr char kMailScheme[] = "mailto:";

// Collects a text line by line; the last line gets no line break.
class TextBuilder {
public:
    TextBuilder& Line(const std::string& text, bool bold = false) {
        runs_.push_back({text + kLineBreak, bold});
        return *this;
    }
    TextBuilder& Empty() { return Line({}); }
    // A line of `format` with `value`, left out when `value` is empty and `optional`.
    TextBuilder& Value(UINT format, const std::string& value, bool optional = false) {
        if (optional && value.empty()) return *this;
        return Line(Format(ResString(format).c_str(), value.c_str()));
    }
    // A line that is left out when empty.
    TextBuilder& Optional(const std::string& text) { return text.empty() ? *this : Line(text); }
    // A label and a link after it; the line break is not part of the link.
    TextBuilder& Link(const std::string& label, const std::string& link) {
        if (!label.empty()) runs_.push_back({label});
        runs_.push_back({link, false, true});
        runs_.push_back({kLineBreak});
        return *this;
    }
    InfoText Finish() {
        if (!runs_.empty()) {
            std::string& last = runs_.back().text;
            last.resize(last.size() - (sizeof(kLineBreak) - 1));
            if (last.empty()) runs_.pop_back();
        }
        return std::move(runs_);
    }

private:
    InfoText runs_;
};

std::string NameText(const NameFact& fact) {
    if (!fact.name.empty()) return fact.name;
    return ResString(fact.failed ? IDS_ABOUT_OS_NAME_UNKNOWN : IDS_ABOUT_OS_NAME_EMPTY);
}

}  // namespace

std::string PlainText(const InfoText& text) {
    std::string plain;
    for (const InfoTextRun& run : text) plain += run.text;
    return plain;
}

InfoText VersionDetailsText(const VersionDetails& details) {
    return TextBuilder()
        .Line(Format(ResString(IDS_ABOUT_DETAILS_HEAD).c_str(), details.productName.c_str()), true)
        .Empty()
        .Value(IDS_ABOUT_DETAILS_PRODUCT_VERSION, details.productVersion)
        .Line(details.fileDescription)
        .Value(IDS_ABOUT_DETAILS_MANUFACTURER, details.companyName)
        .Value(IDS_ABOUT_DETAILS_COPYRIGHT, details.copyright)
        .Value(IDS_ABOUT_DETAILS_TRADEMARKS, details.trademarks)
        .Empty()
        .Value(IDS_ABOUT_DETAILS_MODULE, details.moduleName)
        .Value(IDS_ABOUT_DETAILS_ORIGINAL_NAME, details.originalFilename)
        .Value(IDS_ABOUT_DETAILS_FILE_VERSION, details.fileVersion)
        .Finish();
}

InfoText MakerText(const MakerContact& maker) {
    TextBuilder text;
    text.Line(ResString(IDS_ABOUT_MAKER_HEAD), true)
        .Empty()
        .Link(ResString(IDS_ABOUT_MAKER_WEB), maker.webAddress)
        .Empty()
        .Link(ResString(IDS_ABOUT_MAKER_CONTACT), maker.email)
        .Empty()
        .Line(ResString(IDS_ABOUT_MAKER_POSTAL));
    for (const std::string& line : maker.postalLines) text.Line(line);
    return text.Finish();
}

InfoText WindowsText(const WindowsFacts& facts) {
    TextBuilder text;
    text.Line(ResString(IDS_ABOUT_OS_HEAD), true)
        .Empty()
        .Optional(facts.productName)
        .Optional(facts.editionName)
        .Line(Format(ResString(IDS_ABOUT_OS_VERSION).c_str(), facts.versionText.c_str(), facts.buildText.c_str()))
        .Optional(facts.servicePack)
        .Line(ResString(facts.nt ? IDS_ABOUT_OS_NT : IDS_ABOUT_OS_9X))
        .Line(ResString(IDS_ABOUT_OS_COPYRIGHT))
        .Link({}, ResString(IDS_ABOUT_OS_MAKER_WEB))
        .Empty()
        .Value(IDS_ABOUT_OS_KERNEL, facts.kernelVersion)
        .Value(IDS_ABOUT_OS_SHELL, facts.shellVersion, true)
        .Value(IDS_ABOUT_OS_BROWSER, facts.browserVersion)
        .Value(IDS_ABOUT_OS_COMCTL, facts.comCtlVersion, true)
        .Value(IDS_ABOUT_OS_SHLWAPI, facts.shlwapiVersion, true)
        .Value(IDS_ABOUT_OS_SHDOCVW, facts.shdocvwVersion, true)
        .Empty()
        .Value(IDS_ABOUT_OS_USER, NameText(facts.user))
        .Value(IDS_ABOUT_OS_COMPUTER, NameText(facts.computer))
        .Empty()
        .Value(IDS_ABOUT_OS_SEARCH_PATH, facts.searchPath)
        .Empty()
        .Value(IDS_ABOUT_OS_DATE_TIME, facts.dateTime)
        .Value(IDS_ABOUT_OS_MEMORY, SizeText(facts.physicalMemory))
        .Value(IDS_ABOUT_OS_MEMORY_AVAILABLE, SizeText(facts.availableMemory))
        .Line(Format(ResString(IDS_ABOUT_OS_MEMORY_LOAD).c_str(), static_cast<unsigned long>(facts.memoryLoad)));
    return text.Finish();
}

std::string ProductPageCaption(const std::string& productName) {
    const std::string caption = ResString(IDS_ABOUT_PAGE_PRODUCT);
    return productName.empty() ? caption : caption + " " + productName;
}

std::string LinkAddress(const std::string& linkText) {
    const bool email = linkText.find('@') != std::string::npos && linkText.find(':') == std::string::npos;
    return email ? kMailScheme + linkText : linkText;
}

std::string WebSiteOf(const std::string& address) {
    const size_t scheme = address.find("://");
    const size_t hostStart = scheme == std::string::npos ? 0 : scheme + 3;
    return address.substr(0, address.find('/', hostStart));
}

}  // namespace zem
