#include "app/command_table.h"

#include "resource.h"

namespace zem {

const std::array<ContextMenuTwin, 21>& ContextMenuTwins() {
    static const std::array<ContextMenuTwin, 21> twins{{
        {RichEditPMUndo, MMEditUndo},
        {RichEditPMRedo, MMEditRedo},
        {RichEditPMCut, MMEditCut},
        {RichEditPMCopy, MMEditCopy},
        {RichEditPMPaste, MMEditPaste},
        {RichEditPMDel, MMEditDelete},
        {RichEditPMSelAll, MMEditSelAll},
        {RichEditPMClearSel, MMEditClearSel},
        {RichEditPMFind, MMEditFind},
        {RichEditPMFindNext, MMEditFindNext},
        {RichEditPMFindPrev, MMEditFindPrev},
        {RichEditPMCloseFindPanel, MMEditCloseFindPanel},
        {RichEditPMGoTo, MMEditGoTo},
        {RichEditPMCloseGoToPanel, MMEditCloseGoToPanel},
        {RichEditPMOpen, MMFileOpen},
        {RichEditPMOpenWith, MMFileOpenWith},
        {RichEditPMOpenLocation, MMFileOpenLocation},
        {RichEditPMOpenInConsole, MMFileOpenInConsole},
        {RichEditPMOpenInPowerShell, MMFileOpenInPowerShell},
        {RichEditPMProperties, MMFileProperties},
        {RichEditPMReadOnly, MMEditReadOnly},
    }};
    return twins;
}

UINT MainMenuTwin(UINT id) {
    for (const auto& twin : ContextMenuTwins()) {
        if (twin.contextItem == id) return twin.mainItem;
    }
    return id;
}

bool CommandTable::IsBuilt(UINT id) const { return handlers_.count(MainMenuTwin(id)) != 0; }

bool CommandTable::Run(UINT id) const {
    const auto found = handlers_.find(MainMenuTwin(id));
    if (found == handlers_.end() || !found->second) return false;
    found->second();
    return true;
}

}  // namespace zem
