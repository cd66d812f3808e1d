; Brelix's installer, in French: the game and its help in
; Program Files\Brelix, Start-menu shortcuts to both, an uninstaller and an
; entry in « Ajout/Suppression de programmes ». /S installs silently and
; uninstall.exe /S removes everything silently.
;
; tools/package passes the values below with -D:
;   VERSION    the program's version (project(VERSION) in CMakeLists.txt)
;   VERSION_DOTTED  the same in four numbers, for the version resource
;   PUBLISHER_FILE  a UTF-8 file that defines PUBLISHER, the program's
;              CompanyName (the maker's notice: not ASCII, and makensis reads
;              its command line in the ANSI code page)
;   FILES      folder holding Brelix.exe, Brelix.chm and LISEZMOI.txt
;   ICON       the program's icon (resources/Brelix.ico)
;   OUTFILE    the installer to write
;   TARGET     x86-unicode (the shipped one) or amd64-unicode (for the
;              x86-64 build of the program)

!ifndef TARGET
  !define TARGET x86-unicode
!endif
Target ${TARGET}

!include "${PUBLISHER_FILE}"
!include MUI2.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Brelix"
!define START_MENU "$SMPROGRAMS\Brelix"

Name "Brelix ${VERSION}"
OutFile "${OUTFILE}"
; Files in Program Files and the entry under HKLM: for every user.
RequestExecutionLevel admin
!if ${TARGET} == amd64-unicode
  InstallDir "$PROGRAMFILES64\Brelix"
!else
  InstallDir "$PROGRAMFILES\Brelix"
!endif
SetCompressor /SOLID lzma
ManifestDPIAware true
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "Brelix ${VERSION}"

VIProductVersion "${VERSION_DOTTED}"
VIFileVersion "${VERSION_DOTTED}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_NOAUTOCLOSE
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\LISEZMOI.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Afficher le fichier LISEZMOI"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

VIAddVersionKey /LANG=${LANG_FRENCH} "ProductName" "Brelix"
VIAddVersionKey /LANG=${LANG_FRENCH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileDescription" "Installation de Brelix, jeu de taquin"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "LegalCopyright" "${PUBLISHER}"

Function .onInit
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Brelix"
  SetOutPath "$INSTDIR"
  File "${FILES}\Brelix.exe"
  File "${FILES}\Brelix.chm"
  File "${FILES}\LISEZMOI.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The shortcuts start in the program's folder, where it finds its help.
  CreateDirectory "${START_MENU}"
  CreateShortcut "${START_MENU}\Brelix.lnk" "$INSTDIR\Brelix.exe" "" "$INSTDIR\Brelix.exe" 0 \
    SW_SHOWNORMAL "" "Jeu de taquin"
  CreateShortcut "${START_MENU}\Aide de Brelix.lnk" "$INSTDIR\Brelix.chm" "" "" 0 \
    SW_SHOWNORMAL "" "Aide de Brelix"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Brelix"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Brelix.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
  Delete "${START_MENU}\Brelix.lnk"
  Delete "${START_MENU}\Aide de Brelix.lnk"
  RMDir "${START_MENU}"

  ; A file still open (the game running, its help shown) goes at the next
  ; start of Windows.
  Delete /REBOOTOK "$INSTDIR\Brelix.exe"
  Delete /REBOOTOK "$INSTDIR\Brelix.chm"
  Delete /REBOOTOK "$INSTDIR\LISEZMOI.txt"
  ; The diagnostic report that Brelix /debug writes beside itself.
  Delete /REBOOTOK "$INSTDIR\HHDebug.txt"
  Delete "$INSTDIR\uninstall.exe"
  ; Not /r: files a player put in the folder stay, and the folder with them.
  RMDir /REBOOTOK "$INSTDIR"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
