; Quorvane's installer for Windows 7 SP1 to 11, built by packaging/windows/make-release.
;
; Installs for all users (in Program Files, after Windows asks an administrator's consent) or
; for the current user only (in the user's own programs folder, no consent needed); a
; standard user can only do the latter. On 64-bit x64 Windows it installs the 64-bit
; programs, everywhere else (32-bit Windows, ARM64 Windows) the 32-bit ones, which every
; Windows runs. It adds one Start menu entry, registers in "Installed apps" and leaves an
; uninstaller that removes every file, the entry and every registry value it wrote.
;
; Silently: setup.exe /S [/AllUsers | /CurrentUser]; the default is all users where the user
; may, else the current user.
;
; Defines it needs (makensis -D...): VERSION (2.00), NUMERIC_VERSION (2.0.0.0), X86_DIR and
; X64_DIR (the two builds' programs), DOCS_DIR (README.txt and LICENSE.txt), ICON, OUTFILE.

Unicode true
; MultiUser.nsh leaves LogicLib labels unused; nothing else warns.
!pragma warning disable 6012

!define APP_NAME "Quorvane"
!define PUBLISHER "The Quorvane developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane"
!define START_MENU_ENTRY "$SMPROGRAMS\Quorvane.lnk"
!define FOLDERID_USER_PROGRAM_FILES "{5CD7AEE2-2219-4A67-B85D-6C9CE15660CB}"

Name "${APP_NAME} ${VERSION}"
OutFile "${OUTFILE}"
SetCompressor /SOLID lzma
ManifestDPIAware true
ManifestSupportedOS all
BrandingText "${APP_NAME} ${VERSION}"

VIProductVersion "${NUMERIC_VERSION}"
VIAddVersionKey /LANG=2057 "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=2057 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2057 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2057 "FileDescription" "${APP_NAME} ${VERSION} setup"
VIAddVersionKey /LANG=2057 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=2057 "LegalCopyright" "Copyright (c) 2026 the Quorvane developers"

; All users or the current user, chosen on a page, by /AllUsers or /CurrentUser, or by an
; earlier installation's registration.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP_NAME}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "UninstallString"
!define MULTIUSER_INSTALLMODE_FUNCTION ProgramsFolder
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include x64.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_LICENSE "${DOCS_DIR}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; 64-bit Windows keeps a 32-bit program's registry apart from a 64-bit one's; the
; registration goes where Windows' own view of it is.
!macro NativeRegistryView
    ${If} ${RunningX64}
        SetRegView 64
    ${EndIf}
!macroend

Function .onInit
    !insertmacro NativeRegistryView
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
    !insertmacro NativeRegistryView
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

; For all users, the Program Files folder that matches the programs installed, unless an
; earlier installation chose a folder.
Function ProgramsFolder
    ${If} $MultiUser.InstallMode == "AllUsers"
    ${AndIf} $MultiUser.InstDir == ""
        ${If} ${IsNativeAMD64}
            StrCpy $INSTDIR "$PROGRAMFILES64\${APP_NAME}"
        ${Else}
            StrCpy $INSTDIR "$PROGRAMFILES32\${APP_NAME}"
        ${EndIf}
    ${EndIf}
FunctionEnd

Section "Quorvane"
    SetOutPath "$INSTDIR"
    ${If} ${IsNativeAMD64}
        File "${X64_DIR}/quorvane.exe"
        File "${X64_DIR}/quorvane-convert.exe"
        File "${X64_DIR}/quorvane-log.exe"
    ${Else}
        File "${X86_DIR}/quorvane.exe"
        File "${X86_DIR}/quorvane-convert.exe"
        File "${X86_DIR}/quorvane-log.exe"
    ${EndIf}
    File "${DOCS_DIR}/README.txt"
    File "${DOCS_DIR}/LICENSE.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "${START_MENU_ENTRY}" "$INSTDIR\quorvane.exe"

    ; "Installed apps" (Programs and Features): for this user or for all.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorvane.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
        '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
        '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
    Delete "${START_MENU_ENTRY}"
    Delete "$INSTDIR\quorvane.exe"
    Delete "$INSTDIR\quorvane-convert.exe"
    Delete "$INSTDIR\quorvane-log.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    ; Only when empty: nothing the user put there is removed.
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ; What a current user's installation may have made to hold its own: the user's programs
    ; folder and registrations' key, where they are now empty (as MultiUser.nsh finds it).
    ${If} $MultiUser.InstallMode == "CurrentUser"
        GetKnownFolderPath $0 ${FOLDERID_USER_PROGRAM_FILES}
        StrCmp $0 "" 0 +2
        StrCpy $0 "$LOCALAPPDATA\Programs"
        RMDir "$0"
        DeleteRegKey /ifempty HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall"
    ${EndIf}
    ; The uninstaller runs as a copy of itself in the temporary folder, which Windows deletes
    ; at the next restart; and the folder with it, once it is empty.
    RMDir /REBOOTOK "$EXEDIR"
SectionEnd
