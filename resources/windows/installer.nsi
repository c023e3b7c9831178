; The Windows installer of Skylyre Configurator, made by scripts/build-windows.sh:
;   makensis -DVERSION=1.5.0 -DSTAGE=<portable folder> -DFILES=<its file list>
;            -DICON=<.ico> -DLICENSE=<the program's license> -DOUTFILE=<setup.exe> installer.nsi
; Shows the program's license, then installs the portable folder into Program
; Files, with a Start-menu shortcut that starts the program in its own folder
; (where help.htm is), an entry in Windows' list of installed programs and an
; uninstaller that removes exactly what was installed. /S installs (and
; uninstalls) silently, without the license page.
Target amd64-unicode
!include "MUI2.nsh"

!define PRODUCT "Skylyre Configurator"
!define EXE "skylyre-configurator.exe"
!define UNINSTALLER "Uninstall Skylyre Configurator.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\SkylyreConfigurator"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "Arandel"
VIAddVersionKey "LegalCopyright" "Arandel"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
; The GPL asks no one to accept it to install or use the program: Next, not I Agree.
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(LicenseBottom)"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The setup speaks the languages the program speaks, chosen as Windows' own
; display language; English otherwise.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "PortugueseBR"
LangString LicenseBottom ${LANG_ENGLISH} "Skylyre Configurator is free software under this license. Click Next to continue."
LangString LicenseBottom ${LANG_GERMAN} "Skylyre Configurator ist freie Software unter dieser Lizenz. Klicken Sie auf Weiter, um fortzufahren."
LangString LicenseBottom ${LANG_FRENCH} "Skylyre Configurator est un logiciel libre sous cette licence. Cliquez sur Suivant pour continuer."
LangString LicenseBottom ${LANG_SPANISH} "Skylyre Configurator es software libre bajo esta licencia. Haga clic en Siguiente para continuar."
LangString LicenseBottom ${LANG_ITALIAN} "Skylyre Configurator è software libero sotto questa licenza. Fai clic su Avanti per continuare."
LangString LicenseBottom ${LANG_PORTUGUESEBR} "O Skylyre Configurator é software livre sob esta licença. Clique em Avançar para continuar."

Function .onInit
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetShellVarContext all
FunctionEnd

Section "Install"
    SetOutPath "$INSTDIR"
    File /r "${STAGE}/*"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    ; The shortcut's working folder is the folder set last: $INSTDIR.
    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Arandel"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    ; Only what the installer put there: a folder the user chose keeps
    ; whatever else it holds.
    !include "${FILES}"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
