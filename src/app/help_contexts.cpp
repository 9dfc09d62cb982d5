#include "app/help_contexts.h"

#include "resource.h"

namespace zem {
namespace {

struct HelpContextEntry {
    UINT id;
    DWORD context;
};

constexpr HelpContextEntry kCommandContexts[] = {
    {MainMenuFile, 7100}, {MMFileNew, 7101}, {MMFileLoad, 7102}, {MMFileRecentFiles, 7103},
    {MMFileSaveOutput, 7104}, {MMFileSaveOutputAs, 7105}, {MMFilePrint, 7106}, {MMFileBrowse, 7107},
    {MMFileOpen, 7108}, {MMFileOpenWith, 7109}, {MMFileOpenLocation, 7110}, {MMFileOpenInConsole, 7111},
    {MMFileOpenInPowerShell, 7112}, {MMFileProperties, 7113}, {MMFileExit, 7115}, {MMRecentFilesClear, 7119},
    {MainMenuEdit, 7120}, {MMEditUndo, 7121}, {MMEditRedo, 7122}, {MMEditCut, 7123}, {MMEditCopy, 7124},
    {MMEditPaste, 7125}, {MMEditDelete, 7126}, {MMEditSelAll, 7127}, {MMEditClearSel, 7128},
    {MMEditFind, 7129}, {MMEditFindNext, 7130}, {MMEditFindPrev, 7131}, {MMEditCloseFindPanel, 7132},
    {MMEditGoTo, 7133}, {MMEditCloseGoToPanel, 7134}, {MMEditReadOnly, 7135},
    {MainMenuTools, 7140}, {MMActionConvert, 7141}, {MMActionCreateRelPath, 7143},
    {MMActionListSpecialFolders, 7145}, {MMActionListEnvVarPaths, 7150},
    {MainMenuHistory, 7151}, {MMHistConvertedPaths, 7152}, {MMHistClearFileNames, 7152},
    {MMHistFindTexts, 7153}, {MMHistClearFindTexts, 7153}, {MMHistLineNumbers, 7154},
    {MMHistClearLineNums, 7154},
    {MainMenuOptions, 7170}, {MMOptionsAutocomplete, 7171}, {MMOptionsAutocompleteOn, 7172},
    {MMOptionsAutocompleteOff, 7173}, {MMOptionsFileSysRedir, 7174}, {MMOptionsFSRedirDisabled, 7175},
    {MMOptionsFSRedirEnabled, 7176}, {MMOptionsBasePath, 7177}, {MMSetBasePath, 7178},
    {MMResetBasePath, 7179}, {MMBasePathExeDir, 7180}, {MMCurrentBasePath, 7181},
    {MMOptions8dot3NameSupport, 7182}, {MM8Dot3SupportWinDefault, 7183}, {MM8Dot3SupportEnableOnAll, 7184},
    {MM8Dot3SupportDisableOnAll, 7185}, {MMOptionsZoom, 7186}, {MMZoom200Pct, 7186}, {MMZoom150Pct, 7186},
    {MMZoom125Pct, 7186}, {MMZoom100Pct, 7186}, {MMZoom75Pct, 7186}, {MMZoom50Pct, 7186},
    {MMZoom25Pct, 7186}, {MMZoomIn, 7187}, {MMZoomOut, 7188}, {MMOptionsPreferences, 7200},
    {MainMenuHelp, 7190}, {MMHelpHelp, 7191}, {MMHelpHomePage, 7192}, {MMHelpCheckForUpdates, 7193},
    {MMHelpAbout, 7199},
};

constexpr HelpContextEntry kControlContexts[] = {
    {IDC_PANEL1, 7250}, {IDC_PATHLABEL, 7251}, {IDC_FILENAMECOMBOBOX1, 7252}, {IDC_BROWSEBUTTON1, 7253},
    {IDC_CONVERTBUTTON1, 7254}, {IDC_FINDPANEL1, 7270}, {IDC_FINDLABEL1, 7271}, {IDC_FINDEDIT1, 7272},
    {IDC_SEARCHDIRDOWNBUTTON1, 7273}, {IDC_SEARCHDIRUPBUTTON1, 7274}, {IDC_CASESENSITIVECHECKBOX1, 7275},
    {IDC_CLOSEFINDBARBUTTON1, 7300}, {IDC_STATUSBAR1, 7350}, {IDC_MEMO1, 7351}, {IDC_GOTOPANEL1, 7450},
    {IDC_LINENUMCOMBOBOX1, 7800}, {IDC_GOTOLINETNUMBUTTON1, 7801}, {IDC_LINENUMTEXTEDIT1, 7802},
    {IDC_CLOSEGOTOPANELBUTTON1, 7803},
};

template <size_t N>
DWORD Find(const HelpContextEntry (&table)[N], UINT id) {
    for (const auto& entry : table) {
        if (entry.id == id) return entry.context;
    }
    return 0;
}

}  // namespace

DWORD HelpContextOfCommand(UINT id) {
    // The context menu's items follow its popup's number in menu order.
    if (id >= RichEditPMUndo && id <= RichEditPMReadOnly) return 7361 + (id - RichEditPMUndo);
    if (id >= MMRecentFileFirst && id <= MMRecentFileLast) return 7201;
    return Find(kCommandContexts, id);
}

DWORD HelpContextOfControl(int id) { return Find(kControlContexts, static_cast<UINT>(id)); }

}  // namespace zem
