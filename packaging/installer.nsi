; The installer of Zem Tarvelix. scripts/make-dist builds it with
;   makensis -DVERSION=<a.b.c.d> -DARCH=<x86|amd64> -DSTAGE=<folder of the files> -DICON=<icon>
;            -DOUTFILE=<setup.exe>
;
; Per user by default, with no elevation, into %LOCALAPPDATA%\Programs\Zem Tarvelix; for all
; users (/AllUsers, or chosen on the second page) into Program Files, elevated. /S runs silently,
; /D=<folder> chooses the folder. The settings under HKCU\Software\Zem\Tarvelix are never touched
; by an install; the uninstaller removes them only when the user says so.

Unicode true
!if "${ARCH}" == "amd64"
    Target amd64-unicode
!endif
SetCompressor /SOLID lzma
; No file times in the installer: two builds of the same files give the same bytes.
SetDateSave off
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh

!define PRODUCT "Zem Tarvelix"
!define PUBLISHER "Zem Software"
!define EXE "ZemTarvelix.exe"
!define CONSOLE_EXE "tarv.exe"
!define UNINSTALLER "Uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZemTarvelix"
!define SETTINGS_KEY "Software\Zem\Tarvelix"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
!if "${ARCH}" == "amd64"
    !define ALL_USERS_FOLDER "$PROGRAMFILES64\${PRODUCT}"
!else
    !define ALL_USERS_FOLDER "$PROGRAMFILES\${PRODUCT}"
!endif

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "(c) 2026 ${PUBLISHER}. All rights reserved."

Var AllUsers        ; 1: an install for every user of the computer
Var FolderGiven     ; 1: /D= chose the folder
Var ModeJustMe
Var ModeEveryone

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
Page custom ModePage ModePageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Waits while the program runs: its files cannot be replaced or removed under it. Its main
; window has the class TForm1 and a caption that starts with the product's name.
!macro WaitUntilClosed un
Function ${un}WaitUntilClosed
    retry:
    FindWindow $0 "TForm1"
    ${If} $0 <> 0
        System::Call 'user32::GetWindowTextW(p r0, w .r1, i ${NSIS_MAX_STRLEN})'
        StrCpy $1 $1 12
        ${If} $1 == "${PRODUCT}"
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
                "${PRODUCT} is running.$\r$\n$\r$\nPlease close it, then choose Retry." /SD IDCANCEL IDRETRY retry
            SetErrorLevel 2
            Quit
        ${EndIf}
    ${EndIf}
FunctionEnd
!macroend
!insertmacro WaitUntilClosed ""
!insertmacro WaitUntilClosed "un."

; The mode from the command line: /AllUsers, else the current user.
!macro ReadMode
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/AllUsers" $R1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 1
    ${EndIf}
    ${If} $AllUsers == 1
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
!macroend

Function .onInit
    StrCpy $FolderGiven 0
    ${If} $INSTDIR != ""
        StrCpy $FolderGiven 1
    ${EndIf}
    !insertmacro ReadMode
    Call ApplyMode
FunctionEnd

; The shell folders and the folder of the chosen mode: /D=, else where an earlier install of
; that mode went, else the mode's default. An all-users install is started again elevated when
; this process has no administrator rights.
Function ApplyMode
    ${If} $AllUsers == 1
        UserInfo::GetAccountType
        Pop $0
        ${If} $0 != "Admin"
            ${GetParameters} $R0
            ExecShell "runas" "$EXEPATH" "$R0 /AllUsers"
            Quit
        ${EndIf}
        SetShellVarContext all
        ${If} $FolderGiven == 0
            StrCpy $INSTDIR "${ALL_USERS_FOLDER}"
        ${EndIf}
    ${Else}
        SetShellVarContext current
        ${If} $FolderGiven == 0
            StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
        ${EndIf}
    ${EndIf}
    ${If} $FolderGiven == 0
        ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
        ${If} $0 != ""
            StrCpy $INSTDIR $0
        ${EndIf}
    ${EndIf}
FunctionEnd

Function ModePage
    !insertmacro MUI_HEADER_TEXT "Choose Users" "Choose for whom to install ${PRODUCT}."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateRadioButton} 0 10u 100% 12u "Only for &me (no administrator rights needed)"
    Pop $ModeJustMe
    ${NSD_CreateRadioButton} 0 30u 100% 12u "For &everyone who uses this computer (needs administrator rights)"
    Pop $ModeEveryone
    ${If} $AllUsers == 1
        ${NSD_Check} $ModeEveryone
    ${Else}
        ${NSD_Check} $ModeJustMe
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function ModePageLeave
    ${NSD_GetState} $ModeEveryone $0
    ${If} $0 == ${BST_CHECKED}
        StrCpy $AllUsers 1
    ${Else}
        StrCpy $AllUsers 0
    ${EndIf}
    Call ApplyMode
FunctionEnd

Section "Install"
    Call WaitUntilClosed
    SetOutPath "$INSTDIR"
    SetOverwrite on
    File "${STAGE}\${EXE}"
    File "${STAGE}\${CONSOLE_EXE}"
    File "${STAGE}\TarvelixHelpEn.chm"
    File "${STAGE}\README.txt"
    File "${STAGE}\LICENSE.txt"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortCut "${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

    ${If} $AllUsers == 1
        StrCpy $1 " /AllUsers"
    ${Else}
        StrCpy $1 ""
    ${EndIf}
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"$1'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}"$1 /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $2 $3
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Function un.onInit
    !insertmacro ReadMode
FunctionEnd

Section "Uninstall"
    Call un.WaitUntilClosed
    Delete "$INSTDIR\${EXE}"
    Delete "$INSTDIR\${CONSOLE_EXE}"
    Delete "$INSTDIR\TarvelixHelpEn.chm"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ; The settings stay unless the user says otherwise; a silent uninstall keeps them.
    MessageBox MB_YESNO|MB_DEFBUTTON2|MB_ICONQUESTION \
        "Remove the settings and history lists of ${PRODUCT} as well?$\r$\n$\r$\nChoose No to keep them for a later install." \
        /SD IDNO IDNO keep
        DeleteRegKey HKCU "${SETTINGS_KEY}"
        DeleteRegKey /ifempty HKCU "Software\Zem"
    keep:
SectionEnd
