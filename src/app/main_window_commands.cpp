// The main window's command table and zoom commands.
#include "app/main_window.h"

#include "editor/zoom.h"
#include "folders/name_creation.h"
#include "resource.h"

namespace zem {

void TForm1::RegisterCommands() {
    commands_.Register(MMFileExit, [this] { CloseApp(); });
    RegisterSystemCommands();
    for (UINT id : {MMEditUndo, MMEditRedo, MMEditCut, MMEditCopy, MMEditPaste, MMEditDelete, MMEditSelAll,
                    MMEditClearSel}) {
        commands_.Register(id, [this, id] { RunEditCommand(id); });
    }
    commands_.Register(MMActionConvert, [this] { ConvertPathName(); });
    commands_.Register(MMFileBrowse, [this] { SelectFileOrFolder(); });
    commands_.Register(MMActionListSpecialFolders, [this] { ListSpecialFolder(); });
    commands_.Register(MMActionListEnvVarPaths, [this] { ListEnvironmentVarPaths(); });
    commands_.Register(MMEditReadOnly, [this] { ToggleReadOnly(); });
    commands_.Register(MMRecentFilesClear, [this] { ClearRecentFilesMenu(); });
    commands_.Register(MMFileSaveOutput, [this] { SaveOutputToFile(); });
    commands_.Register(MMFileNew, [this] { NewOutputFile(); });
    commands_.Register(MMFileLoad, [this] { LoadFile(); });
    commands_.Register(MMFileSaveOutputAs, [this] { SaveOutputAs(); });
    commands_.Register(MMFilePrint, [this] { PrintOutput(); });
    commands_.Register(MMActionCreateRelPath, [this] { CreateRelativePath(); });
    commands_.Register(MMSetBasePath, [this] { SelectBasePath(); });
    commands_.Register(MMResetBasePath, [this] { ResetBasePath(); });
    commands_.Register(MMBasePathExeDir, [this] { SetBasePathToAppPath(); });
    commands_.Register(MMCurrentBasePath, [this] { SetBasePathToUserPath(); });
    commands_.Register(MMEditFind, [this] { Find(); });
    commands_.Register(MMEditFindNext, [this] { FindNext(); });
    commands_.Register(MMEditFindPrev, [this] { FindPrevious(); });
    commands_.Register(MMEditCloseFindPanel, [this] { CloseFindPanel(); });
    commands_.Register(MMEditGoTo, [this] { GoToLineNum(); });
    commands_.Register(MMEditCloseGoToPanel, [this] { CloseGoToPanel(); });
    commands_.Register(MMHistClearFindTexts, [this] { ClearSearchTextsList(); });
    commands_.Register(MMHistClearLineNums, [this] { ClearGoToLineNumsList(); });
    commands_.Register(MMHistClearFileNames, [this] { ClearFileNamesList(); });
    commands_.Register(MMHelpHelp, [this] { ShowHelp(); });
    commands_.Register(MMOptionsPreferences, [this] { ShowPreferencesDialog(); });
    commands_.Register(MMHelpAbout, [this] { ShowAboutDialog(); });
    commands_.Register(MMHelpHomePage, [this] { OpenTarvelixHomePage(); });
    commands_.Register(MMHelpCheckForUpdates, [this] { CheckForUpdates(); });
    commands_.Register(MMOptionsAutocompleteOn, [this] { ActivateAutoComplete(); });
    commands_.Register(MMOptionsAutocompleteOff, [this] { DeactivateAutoComplete(); });
    commands_.Register(MMZoomIn, [this] { ZoomIn(); });
    commands_.Register(MMZoomOut, [this] { ZoomOut(); });
    for (const auto& level : ZoomLevels()) {
        commands_.Register(level.command, [this, command = level.command] { SetZoomLevel(command); });
    }
}

void TForm1::SetZoomLevel(UINT command) {
    const ZoomLevel* level = ZoomLevelByCommand(command);
    if (!level) return;
    Memo1().SetZoom(level->packed);
    // The check follows what the control reports, not what was asked for.
    const uint32_t reported = Memo1().Zoom();
    if (reported == level->packed) CheckRadioItem(mainMenu_, command);
    FollowBalloonTip();
}

void TForm1::ZoomIn() {
    if (const ZoomLevel* level = ZoomInStep(Memo1().Zoom())) SetZoomLevel(level->command);
    OnMainMenuOptionsClick();
}

void TForm1::ZoomOut() {
    if (const ZoomLevel* level = ZoomOutStep(Memo1().Zoom())) SetZoomLevel(level->command);
    OnMainMenuOptionsClick();
}

void TForm1::ActivateAutoComplete() {
    bool on = false;
    if (autoComplete_.Exists()) {
        on = autoComplete_.Enable(true);
    } else {
        on = autoComplete_.AttachToPathField(FileNameComboBox1().EditHandle()) == 0;
    }
    CheckRadioItem(mainMenu_, on ? MMOptionsAutocompleteOn : MMOptionsAutocompleteOff);
}

void TForm1::DeactivateAutoComplete() {
    if (!autoComplete_.Exists() || autoComplete_.Enable(false) || !autoComplete_.Ready()) {
        CheckRadioItem(mainMenu_, MMOptionsAutocompleteOff);
    }
}

void TForm1::OnMainMenuOptionsClick() {
    Update8Dot3Menu(mainMenu_);
    SetMenuEnabled(MMZoomIn, !MenuChecked(MMZoom200Pct));
    SetMenuEnabled(MMZoomOut, !MenuChecked(MMZoom25Pct));
}

}  // namespace zem
