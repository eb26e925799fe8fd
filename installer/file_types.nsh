; Opening icon packages from the shell: .gdtheme (a package file) and .gd (a zipped package)
; each get a class of Glimmerdeck whose open command starts the program with the file, which
; loads it, or hands it to the Glimmerdeck window that is open already.
;
; An extension that belonged to another program before is given back to it on uninstall: its
; old class is kept in Glimmerdeck's uninstall key.

!include LogicLib.nsh

; The predefined root keys as SHDeleteEmptyKey takes them (sign-extended on 64-bit Windows).
!define HKCR_KEY -2147483648
!define HKCU_KEY -2147483647
!define HKLM_KEY -2147483646

; Deletes the key only when it holds neither subkeys nor values (DeleteRegKey /ifempty would
; take values with it).
!macro DELETE_KEY_IF_EMPTY root subkey
  System::Call 'shlwapi::SHDeleteEmptyKeyW(p ${root}, w "${subkey}") i'
!macroend

!define PACKAGE_CLASS "Glimmerdeck.Package"
!define ZIPPED_PACKAGE_CLASS "Glimmerdeck.ZippedPackage"

!macro REGISTER_FILE_TYPE extension class description uninstallKey
  ReadRegStr $0 HKCR "${extension}" ""
  ${If} $0 != ""
  ${AndIf} $0 != "${class}"
    WriteRegStr HKLM "${uninstallKey}" "Previous ${extension}" $0
  ${EndIf}
  WriteRegStr HKCR "${extension}" "" "${class}"
  WriteRegStr HKCR "${class}" "" "${description}"
  WriteRegStr HKCR "${class}\DefaultIcon" "" "$INSTDIR\glimmerdeck.exe,0"
  WriteRegStr HKCR "${class}\shell" "" "open"
  WriteRegStr HKCR "${class}\shell\open\command" "" '"$INSTDIR\glimmerdeck.exe" "%1"'
!macroend

!macro UNREGISTER_FILE_TYPE extension class uninstallKey
  ReadRegStr $0 HKCR "${extension}" ""
  ${If} $0 == "${class}"
    ReadRegStr $1 HKLM "${uninstallKey}" "Previous ${extension}"
    ${If} $1 != ""
      WriteRegStr HKCR "${extension}" "" $1
    ${Else}
      DeleteRegValue HKCR "${extension}" ""
      ; Other programs may have left their own entries (OpenWithProgids and the like).
      !insertmacro DELETE_KEY_IF_EMPTY ${HKCR_KEY} "${extension}"
    ${EndIf}
  ${EndIf}
  DeleteRegKey HKCR "${class}"
!macroend

; SHCNE_ASSOCCHANGED: the shell shows the new icons and commands without a restart.
!macro NOTIFY_ASSOCIATIONS_CHANGED
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend
