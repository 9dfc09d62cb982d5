#include "editor/printing.h"

#include <commdlg.h>
#include <richedit.h>

#include "base/status_codes.h"
#include "base/strings.h"
#include "resource.h"

namespace zem {
namespace {

constexpr int kTwipsPerInch = 1440;

long TextLength(HWND editor) {
    GETTEXTLENGTHEX request{GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    return static_cast<long>(::SendMessageA(editor, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0));
}

// The printable area of the page in twips, as the control measures.
RECT PrintableArea(HDC printer) {
    const int width = ::MulDiv(::GetDeviceCaps(printer, HORZRES), kTwipsPerInch, ::GetDeviceCaps(printer, LOGPIXELSX));
    const int height = ::MulDiv(::GetDeviceCaps(printer, VERTRES), kTwipsPerInch, ::GetDeviceCaps(printer, LOGPIXELSY));
    return RECT{0, 0, width, height};
}

uint32_t FailureCode() { return LastErrorOr(ErrUnknownFailure); }

}  // namespace

UniqueHdc AskForPrinter(HWND owner, bool showHelp, uint32_t& error) {
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    // Printing to a file stays allowed; without a printer the dialog warns by itself.
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
    if (showHelp) dialog.Flags |= PD_SHOWHELP;
    const BOOL confirmed = ::PrintDlgA(&dialog);
    const UniqueHGlobal devMode(dialog.hDevMode);
    const UniqueHGlobal devNames(dialog.hDevNames);
    UniqueHdc printer(dialog.hDC);
    if (!confirmed) {
        error = ::CommDlgExtendedError();  // 0 when the user cancelled
    } else {
        error = printer ? 0 : ERROR_INVALID_HANDLE;
    }
    return printer;
}

std::string PrintJobTitle(const std::string& fileName) {
    return fileName.empty() ? ResString(IDS_PRINT_UNNAMED_TITLE) : fileName;
}

uint32_t PrintPages(long textLength, const std::function<long(long first)>& printPage) {
    long first = 0;
    do {
        const long next = printPage(first);
        if (next <= first && textLength > 0) return ERROR_NOT_SUPPORTED;
        first = next;
    } while (first < textLength);
    return 0;
}

uint32_t PrintEditorText(HWND editor, HDC printer, const std::string& jobTitle) {
    DOCINFOA document{};
    document.cbSize = sizeof(document);
    document.lpszDocName = jobTitle.c_str();
    if (::StartDocA(printer, &document) <= 0) return FailureCode();
    FORMATRANGE range{};
    range.hdc = printer;
    range.hdcTarget = printer;
    range.rcPage = PrintableArea(printer);
    range.rc = range.rcPage;
    range.chrg.cpMax = -1;
    uint32_t pageError = 0;
    const uint32_t error = PrintPages(TextLength(editor), [&](long first) -> long {
        if (::StartPage(printer) <= 0) {
            pageError = FailureCode();
            return first;
        }
        range.chrg.cpMin = first;
        range.rc = range.rcPage;  // the control shrinks it to what it used
        const long next = static_cast<long>(::SendMessageA(editor, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range)));
        if (::EndPage(printer) <= 0) pageError = FailureCode();
        return pageError ? first : next;
    });
    ::SendMessageA(editor, EM_FORMATRANGE, FALSE, 0);  // frees the control's cached layout
    const uint32_t result = pageError ? pageError : error;
    if (result != 0) {
        ::AbortDoc(printer);
        return result;
    }
    return ::EndDoc(printer) > 0 ? 0 : FailureCode();
}

}  // namespace zem
