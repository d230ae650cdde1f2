; The Windows installer: puts Marovinta.dll and the distance component into a folder the user
; chooses (by default one of the user's own, so no administrator rights are needed), registers the
; component for the current user unless its class is registered already, and lists an uninstaller
; among the installed programs that removes exactly what was installed.
;
; makensis -DVERSION=1.0.0 -DPLUGIN_DLL=... -DSERVER_DLL=... -DOUTFILE=... marovinta.nsi
; Silent use: setup.exe /S [/D=FOLDER] and Marovinta-uninstall.exe /S.

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Marovinta"
!define UNINSTALLER "Marovinta-uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Marovinta"
!define SERVER_FILE "DistanceServer.dll"
; The distance component's class, as the plug-in creates it.
!define CLASS_KEY "Software\Classes\CLSID\{FFEE21AA-6136-4B31-8811-F6F927FBDE62}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) 2026 the Marovinta developers"

!define MUI_ABORTWARNING
; The details stay until the user goes on: they say whether the component was registered.
!define MUI_FINISHPAGE_NOAUTOCLOSE
!define MUI_UNFINISHPAGE_NOAUTOCLOSE
!define MUI_WELCOMEPAGE_TEXT "This installs the Marovinta contest-scoring plug-in ${VERSION} for \
your logging program, and the distance component it uses.$\r$\n$\r$\nNo administrator rights are \
needed: everything goes into a folder of yours and into your own part of the registry.$\r$\n$\r$\n\
Close your logging program before you go on."
!define MUI_DIRECTORYPAGE_TEXT_TOP "Choose the folder in which your logging program looks for its \
plug-ins, or keep this folder of your own and point the logging program to it. The distance \
component goes into the same folder."
!define MUI_FINISHPAGE_TEXT "Marovinta.dll is in $INSTDIR.$\r$\n$\r$\nStart your logging program \
and choose Marovinta as the contest plug-in. To remove it, use Installed apps (Programs and \
Features) or run ${UNINSTALLER} in that folder."

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Whether the class is registered, for this user or for the machine (HKEY_CLASSES_ROOT is the two
; together). An error from EnumRegKey means the key is not there.
!macro ClassKeyExists ROOT RESULT
  ClearErrors
  EnumRegKey ${RESULT} ${ROOT} "${CLASS_KEY}" 0
  ${If} ${Errors}
    StrCpy ${RESULT} 0
  ${Else}
    StrCpy ${RESULT} 1
  ${EndIf}
!macroend

; A logging program that ships its own component keeps its registration; one that points at our
; own file (an earlier installation into this folder) is ours to write again.
Function RegisterComponent
  ReadRegStr $0 HKCU "${CLASS_KEY}\InprocServer32" ""
  ${If} $0 != "$INSTDIR\${SERVER_FILE}"
    !insertmacro ClassKeyExists HKCU $1
    !insertmacro ClassKeyExists HKLM $2
    ${If} $1 == 1
    ${OrIf} $2 == 1
      DetailPrint "The distance component is registered already: that registration is kept."
      Return
    ${EndIf}
  ${EndIf}
  DetailPrint "Registering the distance component for the current user"
  WriteRegStr HKCU "${CLASS_KEY}" "" "CalcDistClass"
  WriteRegStr HKCU "${CLASS_KEY}\InprocServer32" "" "$INSTDIR\${SERVER_FILE}"
  WriteRegStr HKCU "${CLASS_KEY}\InprocServer32" "ThreadingModel" "Apartment"
FunctionEnd

; The outermost folder of $INSTDIR that is not there yet, or "" when $INSTDIR is: the uninstaller
; removes the folders the installation made, and no other.
Var createdFolder
Function FindFolderToCreate
  StrCpy $createdFolder ""
  StrCpy $0 "$INSTDIR"
  ${DoUntil} $0 == ""
    ${If} ${FileExists} "$0\*.*"
      ${Break}
    ${EndIf}
    StrCpy $createdFolder $0
    ${GetParent} $0 $0
  ${Loop}
FunctionEnd

Function ListInInstalledPrograms
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} contest plug-in"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "the Marovinta developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
FunctionEnd

Section "Marovinta"
  Call FindFolderToCreate
  SetOutPath "$INSTDIR"
  File "${PLUGIN_DLL}"
  File "${SERVER_DLL}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  Call RegisterComponent
  Call ListInInstalledPrograms
  ; An installation over an earlier one keeps the earlier one's record.
  ${If} $createdFolder != ""
    WriteRegStr HKCU "${UNINSTALL_KEY}" "CreatedFolder" $createdFolder
  ${EndIf}
SectionEnd

; Removes $INSTDIR and its parents up to the folder the installation made, each only when empty;
; nothing when the record is of a folder that does not hold $INSTDIR.
Function un.RemoveCreatedFolders
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "CreatedFolder"
  ${If} $0 == ""
    Return
  ${EndIf}
  StrCpy $1 "$INSTDIR"
  ${DoUntil} $1 == $0
    ${GetParent} $1 $1
    ${If} $1 == ""
      Return
    ${EndIf}
  ${Loop}
  StrCpy $1 "$INSTDIR"
  ${Do}
    RMDir $1
    ${If} $1 == $0
      ${Break}
    ${EndIf}
    ${GetParent} $1 $1
  ${Loop}
FunctionEnd

; The folder may be the logging program's own: only our files go, and only the folders the
; installation made, when that leaves them empty. The component's registration goes only when it
; points at our file. The keys that hold such entries go only when nothing else is left in them.
Section "Uninstall"
  ReadRegStr $0 HKCU "${CLASS_KEY}\InprocServer32" ""
  ${If} $0 == "$INSTDIR\${SERVER_FILE}"
    DeleteRegKey HKCU "${CLASS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Classes\CLSID"
  ${EndIf}
  Delete "$INSTDIR\Marovinta.dll"
  Delete "$INSTDIR\${SERVER_FILE}"
  Delete "$INSTDIR\${UNINSTALLER}"
  Call un.RemoveCreatedFolders
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall"
SectionEnd
