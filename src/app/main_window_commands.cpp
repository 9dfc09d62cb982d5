// The main window's command table, zoom commands and the Convert command's enabling.
#include "app/main_window.h"

#include "editor/zoom.h"
#include "resource.h"

namespace zem {

void TForm1::RegisterCommands() {
    commands_.Register(MMFileExit, [this] { CloseApp(); });
    for (UINT id : {MMEditUndo, MMEditRedo, MMEditCut, MMEditCopy, MMEditPaste, MMEditDelete, MMEditSelAll,
                    MMEditClearSel}) {
        commands_.Register(id, [this, id] { RunEditCommand(id); });
    }
    // Convert's enabling follows the path box already; the conversion itself is the engine's
    // and is added with it.
    commands_.Register(MMActionConvert, [] {});
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
}

void TForm1::ZoomIn() {
    if (const ZoomLevel* level = ZoomInStep(Memo1().Zoom())) SetZoomLevel(level->command);
    OnMainMenuOptionsClick();
}

void TForm1::ZoomOut() {
    if (const ZoomLevel* level = ZoomOutStep(Memo1().Zoom())) SetZoomLevel(level->command);
    OnMainMenuOptionsClick();
}

void TForm1::OnMainMenuOptionsClick() {
    // The 8.3 name-support submenu is refreshed here once the 8.3 settings exist.
    SetMenuEnabled(MMZoomIn, !MenuChecked(MMZoom200Pct));
    SetMenuEnabled(MMZoomOut, !MenuChecked(MMZoom25Pct));
}

void TForm1::OnFileNameComboBoxChange() {
    RefreshEditCommands(fileNameComboBox_);
    MirrorContextMenu();
    const ComboBox pathBox = FileNameComboBox1();
    // Clearing the list through "<Clear this list>", the path syntax check and its balloon come
    // with the Convert command.
    const bool enabled = !Memo1().ReadOnly() && !pathBox.Empty();
    SetMenuEnabled(MMActionConvert, enabled);
    SetMenuEnabled(MMActionCreateRelPath, enabled);
    ::EnableWindow(convertButton_, MenuEnabled(MMActionConvert));
}

}  // namespace zem
