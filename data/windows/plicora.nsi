; Plicora's Windows installer, made by scripts/package-windows.sh:
;   makensis -DVERSION=1.0.0 -DBINDIR=<folder of the files> -DICON=<plicora.ico>
;            -DLICENCE_DELETES=<.nsh deleting each licences\*.txt>
;            -DOUTFILE=<Plicora-1.0.0-setup.exe> plicora.nsi
; Per machine, under Program Files; /S installs and uninstalls without a window.
; "Open with" lists Plicora for PDF files; the user's default PDF program stays.
; A 64-bit installer for the 64-bit programs: it writes the 64-bit registry and
; Program Files without redirection.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!include MUI2.nsh

!define APP "Plicora"
!define PUBLISHER "Tarvex"
!define PROGID "Plicora.PDF"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define APP_PATHS_KEY "Software\Microsoft\Windows\CurrentVersion\App Paths\plicora.exe"

Name "${APP}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APP}"
RequestExecutionLevel admin
BrandingText "${APP} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${APP}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${APP} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 Tarvex. All rights reserved."

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\plicora.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The Start-menu entry for every user.
Function .onInit
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  File "${BINDIR}\plicora.exe"
  File "${BINDIR}\plicora-cli.exe"
  File "${BINDIR}\README.txt"
  File "${BINDIR}\LICENSE.txt"
  SetOutPath "$INSTDIR\licences"
  File "${BINDIR}\licences\*.txt"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\plicora.exe" "" "$INSTDIR\plicora.exe" 0

  ; "Open with" for .pdf: a ProgID of our own listed beside the others, never
  ; the default value of .pdf (the user's default PDF program).
  WriteRegStr HKLM "Software\Classes\${PROGID}" "" "PDF document"
  WriteRegStr HKLM "Software\Classes\${PROGID}" "FriendlyTypeName" "PDF document"
  WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\plicora.exe,0"
  WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\plicora.exe" "%1"'
  WriteRegStr HKLM "Software\Classes\.pdf\OpenWithProgids" "${PROGID}" ""
  WriteRegStr HKLM "Software\Classes\Applications\plicora.exe" "FriendlyAppName" "${APP}"
  WriteRegStr HKLM "Software\Classes\Applications\plicora.exe\SupportedTypes" ".pdf" ""
  WriteRegStr HKLM "Software\Classes\Applications\plicora.exe\shell\open\command" "" '"$INSTDIR\plicora.exe" "%1"'
  WriteRegStr HKLM "${APP_PATHS_KEY}" "" "$INSTDIR\plicora.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\plicora.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  ; Explorer rereads the file types.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\plicora.exe"
  Delete "$INSTDIR\plicora-cli.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  ; One Delete per licence file, written by package-windows.sh.
  !include "${LICENCE_DELETES}"
  RMDir "$INSTDIR\licences"
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: whatever else is in the folder is not ours to remove.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${APP}.lnk"

  DeleteRegKey HKLM "Software\Classes\${PROGID}"
  DeleteRegValue HKLM "Software\Classes\.pdf\OpenWithProgids" "${PROGID}"
  ; .pdf and its list stay when anything else is in them.
  DeleteRegKey /ifnosubkeys /ifnovalues HKLM "Software\Classes\.pdf\OpenWithProgids"
  DeleteRegKey /ifnosubkeys /ifnovalues HKLM "Software\Classes\.pdf"
  DeleteRegKey HKLM "Software\Classes\Applications\plicora.exe"
  DeleteRegKey HKLM "${APP_PATHS_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
