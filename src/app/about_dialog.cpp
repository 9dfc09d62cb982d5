#include "app/about_dialog.h"

#include "base/strings.h"
#include "base/unique.h"
#include "resource.h"

namespace zem {
namespace {

constexpr int kMakerLogoSize = 64;
constexpr COLORREF kMakerColour = RGB(0, 84, 147);
constexpr COLORREF kMakerLetterColour = RGB(255, 255, 255);
constexpr char kMakerLetter[] = "Z";

struct HelpContext {
    int controlId;  // 0: the dialog itself
    DWORD context;
};

constexpr int kScrollOffsets[] = {ABOUT_PAGE_UP_OFFSET, ABOUT_SCROLL_UP_OFFSET, ABOUT_SCROLL_DOWN_OFFSET,
                                  ABOUT_PAGE_DOWN_OFFSET};
constexpr DWORD kScrollContexts[] = {7786, 7787, 7788, 7789};

constexpr HelpContext kHelpContexts[] = {
    {0, kAboutDialogHelpContext},
    {IDC_ABOUT_PRODUCT_IMAGE, 7711},
    {IDC_ABOUT_PRODUCT_VERSION, 7712},
    {IDC_ABOUT_PRODUCT_COPYRIGHT, 7713},
    {IDC_ABOUT_DETAILS_FIRST + ABOUT_IMAGE_OFFSET, 7721},
    {IDC_ABOUT_DETAILS_FIRST + ABOUT_TEXT_OFFSET, 7722},
    {IDC_ABOUT_MAKER_FIRST + ABOUT_IMAGE_OFFSET, 7731},
    {IDC_ABOUT_MAKER_FIRST + ABOUT_TEXT_OFFSET, 7732},
    {IDC_ABOUT_WINDOWS_FIRST + ABOUT_IMAGE_OFFSET, 7741},
    {IDC_ABOUT_WINDOWS_FIRST + ABOUT_TEXT_OFFSET, 7742},
    {IDC_ABOUT_COPY_INFO, 7797},
    {IDC_ABOUT_SAVE_INFO, 7798},
    {IDOK, 7799},
};

constexpr std::pair<AboutPage, DWORD> kPageContexts[] = {
    {AboutPage::Product, 7710}, {AboutPage::Details, 7720}, {AboutPage::Maker, 7730}, {AboutPage::Windows, 7740}};

// The maker's logo: a white letter on a blue square, drawn in a bitmap of its own.
UniqueGdiObject DrawMakerLogo(int size) {
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueGdiObject bitmap(::CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const UniqueHdc dc(::CreateCompatibleDC(nullptr));
    const UniqueGdiObject font(::CreateFontA(-size * 3 / 4, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                             DEFAULT_PITCH | FF_SWISS, "Arial"));
    if (!bitmap || !dc) return UniqueGdiObject();
    const HGDIOBJ oldBitmap = ::SelectObject(dc.Get(), bitmap.Get());
    const HGDIOBJ oldFont = ::SelectObject(dc.Get(), font.Get());
    const UniqueGdiObject brush(::CreateSolidBrush(kMakerColour));
    RECT square{0, 0, size, size};
    ::FillRect(dc.Get(), &square, static_cast<HBRUSH>(brush.Get()));
    ::SetBkMode(dc.Get(), TRANSPARENT);
    ::SetTextColor(dc.Get(), kMakerLetterColour);
    ::DrawTextA(dc.Get(), kMakerLetter, -1, &square, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SelectObject(dc.Get(), oldFont);
    ::SelectObject(dc.Get(), oldBitmap);
    return bitmap;
}

}  // namespace

MakerContact ZemMakerContact() {
    return {WebSiteOf(TarvelixHomePageAddress()),
            ResString(IDS_ABOUT_MAKER_EMAIL),
            {ResString(IDS_ABOUT_MAKER_POSTAL_LINE_1), ResString(IDS_ABOUT_MAKER_POSTAL_LINE_2),
             ResString(IDS_ABOUT_MAKER_POSTAL_LINE_3)}};
}

void TZemVersionInfoDialog1::SetHelpContexts() {
    for (const HelpContext& entry : kHelpContexts) SetControlHelpContext(entry.controlId, entry.context);
    for (int first : {IDC_ABOUT_DETAILS_FIRST, IDC_ABOUT_MAKER_FIRST, IDC_ABOUT_WINDOWS_FIRST}) {
        for (size_t i = 0; i < std::size(kScrollOffsets); ++i) {
            SetControlHelpContext(first + kScrollOffsets[i], kScrollContexts[i]);
        }
    }
    for (const auto& [page, context] : kPageContexts) SetPageHelpContext(page, context);
}

// "Zem Tarvelix (The File Name Conversion Utility), Version 1.0" over the copyright line.
void TZemVersionInfoDialog1::SetProductTexts() {
    const std::string title =
        Format(ResString(IDS_ABOUT_PRODUCT_TITLE).c_str(), ResString(IDS_ABOUT_PRODUCT_SUBTITLE).c_str());
    SetProductPageTexts(ProductVersionLine(title), ProgramVersion().LegalCopyright());
}

void TZemVersionInfoDialog1::FillMakerPage() {
    SetPageBitmap(AboutPage::Maker, DrawMakerLogo(kMakerLogoSize));
    WritePageText(AboutPage::Maker, MakerText(ZemMakerContact()));
}

INT_PTR ShowAboutDialog(HWND owner, std::function<void(DWORD)> help,
                        std::function<bool(const std::string& address)> linkConsent) {
    TZemVersionInfoDialog1 dialog;
    dialog.SetHelpHandler(std::move(help));
    dialog.SetLinkCallback(std::move(linkConsent));
    return dialog.ShowModal(owner);
}

}  // namespace zem
