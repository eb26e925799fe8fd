; Tells whether Glimmerdeck runs now, for the installer and the uninstaller alike.
;
; Every start of the program that reaches its window (the open window as much as the silent
; /lt and /r starts) holds the named mutex "Icon" for the window's whole life, and an open
; window also publishes the named block "Glimmerdeck" through which later starts hand it a
; package. Either object existing means a Glimmerdeck process would hold its files open or
; go on writing the system's icons while setup changes them.

!include LogicLib.nsh

!define GLIMMERDECK_RUNNING_MESSAGE "Glimmerdeck is running.$\r$\n$\r$\nPlease close Glimmerdeck, then run this setup again."

; Exit status of a setup that refused to go on because the program runs.
!define EXIT_PROGRAM_RUNNING 3

!macro GLIMMERDECK_RUNNING_FUNCTION prefix
  ; Leaves 1 on the stack when Glimmerdeck runs, else 0.
  Function ${prefix}GlimmerdeckRunning
    Push $0
    Push $1
    StrCpy $1 0
    ; SYNCHRONIZE: the least right that opens a mutex another process made.
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "Icon") p .r0'
    ${If} $0 P<> 0
      System::Call 'kernel32::CloseHandle(p r0)'
      StrCpy $1 1
    ${EndIf}
    ; FILE_MAP_READ.
    System::Call 'kernel32::OpenFileMappingW(i 4, i 0, w "Glimmerdeck") p .r0'
    ${If} $0 P<> 0
      System::Call 'kernel32::CloseHandle(p r0)'
      StrCpy $1 1
    ${EndIf}
    Pop $0
    Exch $1
  FunctionEnd

  ; Ends setup with a message (exit status EXIT_PROGRAM_RUNNING in silent mode) when
  ; Glimmerdeck runs.
  Function ${prefix}RefuseWhileRunning
    Call ${prefix}GlimmerdeckRunning
    Exch $0
    ${If} $0 = 1
      MessageBox MB_OK|MB_ICONEXCLAMATION "${GLIMMERDECK_RUNNING_MESSAGE}" /SD IDOK
      SetErrorLevel ${EXIT_PROGRAM_RUNNING}
      Quit
    ${EndIf}
    Pop $0
  FunctionEnd
!macroend
