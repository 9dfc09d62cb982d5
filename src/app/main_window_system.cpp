// Commands that reach beyond the program: the shell actions on the selected path, the 8.3
// name-creation setting and the file-system redirection of the user-interface thread.
#include "app/main_window.h"

#include "editor/shell_actions.h"
#include "folders/name_creation.h"
#include "resource.h"

namespace zem {

void TForm1::RunShellAction(ShellCommand command) {
    ShellActionContext context;
    context.owner = Handle();
    context.launcher = shellLauncher_;
    context.basePath = MenuChecked(MMCurrentBasePath) && !UserBasePath.empty() ? UserBasePath : std::string();
    context.registry64 = MenuChecked(MMOptionsFSRedirDisabled);
    const ShellActionResult result =
        RunShellCommand(command, WideToMultiByte(Memo1().SelectedWideText()), context);
    if (!result.failed) return;
    // The balloon points at the selection: bring its line into view first.
    ::SendMessageA(memo_, EM_SCROLLCARET, 0, 0);
    ShowEditorErrorBalloon(result.icon, result.title, result.text);
}

void TForm1::UseShellLauncher(ShellLauncher* launcher) { shellLauncher_ = launcher; }

void TForm1::RegisterSystemCommands() {
    const std::pair<UINT, ShellCommand> shellCommands[] = {
        {MMFileOpen, ShellCommand::OpenFile},
        {MMFileOpenWith, ShellCommand::OpenFileWith},
        {MMFileOpenLocation, ShellCommand::OpenFileLocation},
        {MMFileOpenInConsole, ShellCommand::OpenLocationInCmdExe},
        {MMFileOpenInPowerShell, ShellCommand::OpenLocationInPowerShell},
        {MMFileProperties, ShellCommand::ShowWinPropertiesDlg},
    };
    for (const auto& [id, command] : shellCommands) {
        commands_.Register(id, [this, command = command] { RunShellAction(command); });
    }
    commands_.Register(MM8Dot3SupportWinDefault, [this] {
        if (Enable8Dot3SupportSysVolOnly(Handle(), Output()) != NameCreationOutcome::Cancelled) Update8Dot3Menu(mainMenu_);
    });
    commands_.Register(MM8Dot3SupportEnableOnAll, [this] {
        Enable8Dot3SupportAllVols(Output());
        Update8Dot3Menu(mainMenu_);
    });
    commands_.Register(MM8Dot3SupportDisableOnAll, [this] {
        if (Disable8Dot3SupportAllVols(Handle(), Output()) != NameCreationOutcome::Cancelled) Update8Dot3Menu(mainMenu_);
    });
    commands_.Register(MMOptionsFSRedirDisabled, [this] {
        CheckRadioItem(mainMenu_, fsRedirection_.DisableFileSysRedir(Output()).checkItem);
    });
    commands_.Register(MMOptionsFSRedirEnabled, [this] {
        CheckRadioItem(mainMenu_, fsRedirection_.EnableFileSysRedir(Output()).checkItem);
    });
}

}  // namespace zem
