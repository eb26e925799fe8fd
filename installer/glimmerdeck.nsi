; Glimmerdeck's setup and uninstaller. Built by the build tree's installer target, which names
; every file that goes in:
;
;   makensis -DARCH=x64|x86 -DVERSION=1.0.0 -DFILE_VERSION=1.0.0.0 -DOUTFILE=Setup.exe
;            -Dglimmerdeck=... -Dgdctl=... -Dglintview=... -Dvfzip=... -Drefreshhook=...
;            -Dproptab=... -Dpickicon=... -DHELP_FILE=... -DSAMPLE_PACKAGE=... -DICON=...
;            glimmerdeck.nsi
;
; Silent use: "Setup.exe /S [/D=C:\Folder]" installs (over an existing installation, in its
; folder); "Uninstall.exe /S [/PURGE]" restores the Windows icons and cursors and uninstalls
; with the user's settings, keeping the packages in Themes and the plugins unless /PURGE.

!if "${ARCH}" == "x64"
  Target amd64-unicode
!else if "${ARCH}" == "x86"
  Target x86-unicode
!else
  !error "ARCH must be x64 or x86"
!endif

SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include "running.nsh"
!include "file_types.nsh"

!define PRODUCT "Glimmerdeck"
!define PUBLISHER "Quillmoor"
; What the program reads at start (its folder, its version) and where it finds the zip library.
!define INSTALL_KEY "Software\Quillmoor\Vantafold\Glimmerdeck"
!define FAMILY_KEY "SOFTWARE\Quillmoor\Vantafold"
!define MAKER_KEY "SOFTWARE\Quillmoor"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Glimmerdeck"
; The user's own settings: recent packages, enabled plugins, window places.
!define SETTINGS_KEY "Software\Quillmoor\Glimmerdeck"
!define USER_MAKER_KEY "Software\Quillmoor"
!define PROPTAB_CLASS "CLSID\{93CCF120-E053-45CA-B7E0-7DC963928598}"
!define SHORTCUTS "$SMPROGRAMS\Glimmerdeck"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show
BrandingText "${PRODUCT} ${VERSION}"
!if "${ARCH}" == "x64"
  InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
  InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\glimmerdeck.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Run Glimmerdeck"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

!insertmacro GLIMMERDECK_RUNNING_FUNCTION ""
!insertmacro GLIMMERDECK_RUNNING_FUNCTION "un."

; Removes HKCR\type\shellex\PropertySheetHandlers, then shellex, then the type's key, each only
; while nothing is left in it.
!macro REMOVE_EMPTY_HANDLER_KEYS type
  !insertmacro DELETE_KEY_IF_EMPTY ${HKCR_KEY} "${type}\shellex\PropertySheetHandlers"
  !insertmacro DELETE_KEY_IF_EMPTY ${HKCR_KEY} "${type}\shellex"
  !insertmacro DELETE_KEY_IF_EMPTY ${HKCR_KEY} "${type}"
!macroend

; Deletes the value "Backup" of every client's DefaultIcon key under HKLM\`root`.
!macro REMOVE_CLIENT_BACKUPS root
  StrCpy $1 0
  ${Do}
    EnumRegKey $2 HKLM "${root}" $1
    ${IfThen} $2 == "" ${|} ${ExitDo} ${|}
    DeleteRegValue HKLM "${root}\$2\DefaultIcon" "Backup"
    IntOp $1 $1 + 1
  ${Loop}
!macroend

; Both halves work in the machine's own registry view and for all users.
!macro SETUP_CONTEXT
  !if "${ARCH}" == "x64"
    SetRegView 64
  !endif
  SetShellVarContext all
!macroend

Function .onInit
  !insertmacro SETUP_CONTEXT
  Call RefuseWhileRunning
  ; An upgrade goes where the installation is, unless /D chose another folder.
  ReadRegStr $0 HKLM "${INSTALL_KEY}" "Path"
  !if "${ARCH}" == "x64"
    StrCpy $1 "$PROGRAMFILES64\${PRODUCT}"
  !else
    StrCpy $1 "$PROGRAMFILES\${PRODUCT}"
  !endif
  ${If} $0 != ""
  ${AndIf} $INSTDIR == $1
    StrCpy $INSTDIR $0
  ${EndIf}
FunctionEnd

Section "Glimmerdeck (required)" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "/oname=glimmerdeck.exe" "${glimmerdeck}"
  File "/oname=gdctl.exe" "${gdctl}"
  File "/oname=Glintview.exe" "${glintview}"
  File "/oname=VFZip.dll" "${vfzip}"
  File "/oname=refreshhook.dll" "${refreshhook}"
  File "/oname=proptab.dll" "${proptab}"
  File "/oname=pickicon.dll" "${pickicon}"
  File "/oname=Glimmerdeck.chm" "${HELP_FILE}"
  ; Installed packages and plugins live here; an upgrade leaves what they hold alone.
  CreateDirectory "$INSTDIR\Themes"
  CreateDirectory "$INSTDIR\Plugins"

  WriteRegStr HKLM "${INSTALL_KEY}" "Path" "$INSTDIR"
  WriteRegStr HKLM "${INSTALL_KEY}" "Version" "${VERSION}"
  WriteRegStr HKLM "${FAMILY_KEY}" "VFZip" "$INSTDIR\VFZip.dll"

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\glimmerdeck.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Sample icon package" SecSample
  SetOutPath "$INSTDIR\Samples"
  File "/oname=Glimmer Sample.gd" "${SAMPLE_PACKAGE}"
SectionEnd

Section "Open .gdtheme and .gd files with Glimmerdeck" SecFileTypes
  !insertmacro REGISTER_FILE_TYPE ".gdtheme" "${PACKAGE_CLASS}" "Glimmerdeck Icon Package" "${UNINSTALL_KEY}"
  !insertmacro REGISTER_FILE_TYPE ".gd" "${ZIPPED_PACKAGE_CLASS}" "Glimmerdeck Zipped Icon Package" "${UNINSTALL_KEY}"
  !insertmacro NOTIFY_ASSOCIATIONS_CHANGED
SectionEnd

Section "Start menu shortcuts" SecShortcuts
  CreateDirectory "${SHORTCUTS}"
  CreateShortcut "${SHORTCUTS}\Glimmerdeck.lnk" "$INSTDIR\glimmerdeck.exe"
  CreateShortcut "${SHORTCUTS}\Icon Browser.lnk" "$INSTDIR\Glintview.exe"
  CreateShortcut "${SHORTCUTS}\Glimmerdeck Help.lnk" "$INSTDIR\Glimmerdeck.chm"
  CreateShortcut "${SHORTCUTS}\Uninstall Glimmerdeck.lnk" "$INSTDIR\Uninstall.exe"
SectionEnd

; ---------------------------------------------------------------------------- uninstaller

; The program's changes to the system outlive it unless it puts the defaults back itself, while
; its installation key still tells it where its backups are.
Section "-un.Restore the Windows icons and cursors"
  ${If} ${FileExists} "$INSTDIR\glimmerdeck.exe"
    MessageBox MB_YESNO|MB_ICONQUESTION "Restore the Windows icons and cursors before Glimmerdeck is removed?" /SD IDYES IDNO keep
    DetailPrint "Restoring the Windows icons and cursors..."
    ExecWait '"$INSTDIR\glimmerdeck.exe" /r' $0
    ${If} $0 != 0
      DetailPrint "Glimmerdeck could not restore the defaults (exit status $0)."
    ${Else}
      ; The Internet and mail programs' icons are restored: the copies of their first icons
      ; that applying kept beside them have served.
      !insertmacro REMOVE_CLIENT_BACKUPS "Software\Clients\StartMenuInternet"
      !insertmacro REMOVE_CLIENT_BACKUPS "Software\Clients\Mail"
    ${EndIf}
    keep:
  ${EndIf}
SectionEnd

Section /o "un.Icon packages in the Themes folder and plugins" UnSecPackages
  RMDir /r "$INSTDIR\Themes"
  RMDir /r "$INSTDIR\Plugins"
SectionEnd

Section "un.Your Glimmerdeck settings" UnSecSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  !insertmacro DELETE_KEY_IF_EMPTY ${HKCU_KEY} "${USER_MAKER_KEY}"
SectionEnd

Section "un.Glimmerdeck" UnSecProgram
  SectionIn RO
  ; The Icon tab of the Properties dialog, when the Settings page switched it on.
  ReadRegStr $0 HKCR "${PROPTAB_CLASS}\InprocServer32" ""
  ${If} $0 == "$INSTDIR\proptab.dll"
    UnRegDLL "$INSTDIR\proptab.dll"
    ; Registering made the handler keys' parents where the system had none; they go when
    ; nothing else is left in them.
    !insertmacro REMOVE_EMPTY_HANDLER_KEYS "*"
    !insertmacro REMOVE_EMPTY_HANDLER_KEYS "Directory"
    !insertmacro REMOVE_EMPTY_HANDLER_KEYS "Drive"
  ${EndIf}

  !insertmacro UNREGISTER_FILE_TYPE ".gdtheme" "${PACKAGE_CLASS}" "${UNINSTALL_KEY}"
  !insertmacro UNREGISTER_FILE_TYPE ".gd" "${ZIPPED_PACKAGE_CLASS}" "${UNINSTALL_KEY}"
  !insertmacro NOTIFY_ASSOCIATIONS_CHANGED

  Delete "${SHORTCUTS}\Glimmerdeck.lnk"
  Delete "${SHORTCUTS}\Icon Browser.lnk"
  Delete "${SHORTCUTS}\Glimmerdeck Help.lnk"
  Delete "${SHORTCUTS}\Uninstall Glimmerdeck.lnk"
  RMDir "${SHORTCUTS}"

  Delete "$INSTDIR\glimmerdeck.exe"
  Delete "$INSTDIR\gdctl.exe"
  Delete "$INSTDIR\Glintview.exe"
  Delete "$INSTDIR\VFZip.dll"
  Delete "$INSTDIR\refreshhook.dll"
  Delete "$INSTDIR\proptab.dll"
  Delete "$INSTDIR\pickicon.dll"
  Delete "$INSTDIR\Glimmerdeck.chm"
  Delete "$INSTDIR\Samples\Glimmer Sample.gd"
  RMDir "$INSTDIR\Samples"
  ; The program's own files: the defaults it backed up and the file types the user added.
  Delete "$INSTDIR\backup.ini"
  Delete "$INSTDIR\file icons.ini"
  ; Kept when they hold the user's packages or plugins.
  RMDir "$INSTDIR\Themes"
  RMDir "$INSTDIR\Plugins"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  ${If} ${FileExists} "$INSTDIR\Themes\*.*"
    DetailPrint "Your icon packages stay in $INSTDIR\Themes."
  ${EndIf}

  DeleteRegKey HKLM "${INSTALL_KEY}"
  ReadRegStr $0 HKLM "${FAMILY_KEY}" "VFZip"
  ${If} $0 == "$INSTDIR\VFZip.dll"
    DeleteRegValue HKLM "${FAMILY_KEY}" "VFZip"
  ${EndIf}
  !insertmacro DELETE_KEY_IF_EMPTY ${HKLM_KEY} "${FAMILY_KEY}"
  !insertmacro DELETE_KEY_IF_EMPTY ${HKLM_KEY} "${MAKER_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Function un.onInit
  !insertmacro SETUP_CONTEXT
  Call un.RefuseWhileRunning
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/PURGE" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${UnSecPackages}
  ${EndIf}
FunctionEnd
