; Ending a running copy of the program before its files are replaced or removed.
;
; The program is asked to end as Windows asks it when the session ends: each of its windows is
; told so, and the program ends after its usual unload (its list's column widths saved, its
; tray icon taken away). Its single-instance mutex tells whether it still runs. The help
; viewer it opened is a process of its own that holds the help file open: its windows (the
; title of resources/help/Help.hhp) are closed too.

!define ENDSESSION_CLOSEAPP 0x1
!define SYNCHRONIZE 0x00100000

!macro DEFINE_END_RUNNING_COPY un
  ; Pushes 1 while a copy of the program runs in this session, else 0.
  Function ${un}ProgramRunning
    Push $0
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "Local\${INSTANCE}") p .r0'
    ${If} $0 P<> 0
      System::Call 'kernel32::CloseHandle(p r0)'
      StrCpy $0 1
    ${Else}
      StrCpy $0 0
    ${EndIf}
    Exch $0
  FunctionEnd

  ; Asks a running copy to end and waits up to ten seconds for it. If it does not end, the user
  ; is told how to end it and may try again; a silent run ends with error level 3.
  Function ${un}EndRunningCopy
    Push $0
    Push $1
    StrCpy $0 0
    ${Do}
      FindWindow $1 "HH Parent" "${PRODUCT} Help"
      ${IfThen} $1 == 0 ${|} ${Break} ${|}
      SendMessage $1 ${WM_CLOSE} 0 0 /TIMEOUT=5000
      IntOp $0 $0 + 1
    ${LoopUntil} $0 >= 10
    retry:
    Call ${un}ProgramRunning
    Pop $0
    ${If} $0 == 0
      Goto done
    ${EndIf}
    ; Every window of the program, each once; one that closes makes the search start again.
    Push $2
    StrCpy $1 0
    StrCpy $2 0
    next_window:
    FindWindow $1 "CurfewForm" "" 0 $1
    IntOp $2 $2 + 1
    ${If} $1 <> 0
    ${AndIf} $2 < 50
      SendMessage $1 ${WM_QUERYENDSESSION} 0 ${ENDSESSION_CLOSEAPP} /TIMEOUT=2000
      SendMessage $1 ${WM_ENDSESSION} 1 ${ENDSESSION_CLOSEAPP} /TIMEOUT=5000
      IsWindow $1 +2
      StrCpy $1 0
      Goto next_window
    ${EndIf}
    Pop $2
    StrCpy $1 0
    ${Do}
      Call ${un}ProgramRunning
      Pop $0
      ${IfThen} $0 == 0 ${|} Goto done ${|}
      Sleep 100
      IntOp $1 $1 + 1
    ${LoopUntil} $1 >= 100
    ${If} ${Silent}
      SetErrorLevel 3
      Quit
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(StillRunning)" IDRETRY retry
    Quit
    done:
    Pop $1
    Pop $0
  FunctionEnd
!macroend
