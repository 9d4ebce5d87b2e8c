; The installer of Quarvel and its companions. Built by CMake:
;   makensis -DBUILD=<folder of the .exe> -DSOURCE=<source tree> -DOUTDIR=<output folder>
; Silent: Quarvel-2.0-setup.exe /S [/D=C:\path]; the uninstaller takes /S too.
; A 64-bit installer for the 64-bit programs (and for machines without 32-bit support).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define VERSION "2.0"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quarvel"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "Quarvel ${VERSION}"
OutFile "${OUTDIR}\Quarvel-${VERSION}-setup.exe"
InstallDir "$PROGRAMFILES64\Quarvel"
Icon "${SOURCE}\images\icons\quarvel.ico"
UninstallIcon "${SOURCE}\images\icons\quarvel.ico"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\PortugueseBR.nlf"
VIProductVersion "2.0.0.0"
VIAddVersionKey /LANG=1046 "ProductName" "Quarvel"
VIAddVersionKey /LANG=1046 "FileDescription" "Instalação do Quarvel ${VERSION}"
VIAddVersionKey /LANG=1046 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1046 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1046 "CompanyName" "Quarvel"
VIAddVersionKey /LANG=1046 "LegalCopyright" "Quarvel"

UninstallText "O Quarvel, os seus programas auxiliares e os seus atalhos serão removidos, \
e também as cópias de segurança das importações (pasta Quarvel\Copias nos dados de \
aplicativos de todos os usuários), que guardam o código-trava, e as regras do Quarvel \
que fazem a lista de executáveis valer fora do Explorer (o serviço Identidade do Aplicativo \
continua automático). As restrições, personalizações e otimizações aplicadas continuam valendo: para desfazê-las, \
use o Quarvel ou o Resgate.exe antes de desinstalar."

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Quarvel looks after the whole computer: its shortcuts are every user's.
Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Quarvel"
    SetOutPath "$INSTDIR"
    File "${BUILD}\Quarvel.exe"
    File "${BUILD}\DErodu.exe"
    File "${BUILD}\limpaico.exe"
    File "${BUILD}\Resgate.exe"
    SetOutPath "$INSTDIR\images"
    File /nonfatal "${SOURCE}\images\*.bmp"
    File /nonfatal "${SOURCE}\images\*.ico"
    File /nonfatal "${SOURCE}\images\*.cur"
    File /nonfatal "${SOURCE}\images\*.gif"
    File /nonfatal "${SOURCE}\images\*.jpg"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\Desinstalar.exe"

    CreateDirectory "$SMPROGRAMS\Quarvel"
    CreateShortCut "$SMPROGRAMS\Quarvel\Quarvel.lnk" "$INSTDIR\Quarvel.exe"
    CreateShortCut "$SMPROGRAMS\Quarvel\Resgate.lnk" "$INSTDIR\Resgate.exe"
    CreateShortCut "$SMPROGRAMS\Quarvel\Desinstalar o Quarvel.lnk" "$INSTDIR\Desinstalar.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quarvel ${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Quarvel"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quarvel.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Desinstalar.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Desinstalar.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    ; The program's own logon entries go with it; the administrator's
    ; policies stay, for Quarvel or Resgate.exe to undo.
    DeleteRegValue HKLM "${RUN_KEY}" "TvalueT"
    DeleteRegValue HKLM "${RUN_KEY}" "DelIconCache"
    ; The allow-list's rules in the computer's policy object name DErodu's
    ; folder: they go with the program. The service stays as it is.
    DetailPrint "Removendo as regras do Quarvel da política do computador"
    ExecWait '"$INSTDIR\Resgate.exe" /regras' $0
    StrCmp $0 "0" +2
        DetailPrint "As regras do Quarvel não puderam ser removidas: use o nó AppLocker do Editor de Política de Grupo local."
    DetailPrint "O serviço Identidade do Aplicativo (AppIDSvc) continua automático."
    ; The import backups hold the lock code in plain text: they go too.
    DetailPrint "Removendo as cópias de segurança das importações: $APPDATA\Quarvel\Copias"
    RMDir /r "$APPDATA\Quarvel\Copias"
    RMDir "$APPDATA\Quarvel"
    Delete "$INSTDIR\Quarvel.exe"
    Delete "$INSTDIR\DErodu.exe"
    Delete "$INSTDIR\limpaico.exe"
    Delete "$INSTDIR\Resgate.exe"
    RMDir /r "$INSTDIR\images"
    Delete "$INSTDIR\Desinstalar.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Quarvel\Quarvel.lnk"
    Delete "$SMPROGRAMS\Quarvel\Resgate.lnk"
    Delete "$SMPROGRAMS\Quarvel\Desinstalar o Quarvel.lnk"
    RMDir "$SMPROGRAMS\Quarvel"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
