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

; Makes the folder ($0 on the stack) with the private access list in one step:
; owner Administrators, Administrators and SYSTEM full control inherited by
; what it holds, nothing from above. A folder of that name already there (a
; student's, made first) is left alone: Quarvel.exe never uses one it cannot
; trust, and keeps its backups elsewhere.
Function MakePrivateFolder
    Exch $0
    Push $1
    Push $2
    Push $3
    System::Call 'advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW(w "O:BAD:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)", i 1, *p .r1, p 0) i .r2'
    StrCmp $2 0 done
    ; SECURITY_ATTRIBUTES of a 64-bit process: length, padding, descriptor, inherit, padding.
    System::Call '*(i 24, i 0, p r1, i 0, i 0) p .r3'
    System::Call 'kernel32::CreateDirectoryW(w r0, p r3) i'
    System::Free $3
    System::Call 'kernel32::LocalFree(p r1) p'
  done:
    Pop $3
    Pop $2
    Pop $1
    Pop $0
FunctionEnd

Section "Quarvel"
    ; The import backups hold the lock code and undo writes what they say.
    Push "$APPDATA\Quarvel"
    Call MakePrivateFolder
    Push "$APPDATA\Quarvel\Copias"
    Call MakePrivateFolder
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
    ; Where the backups went while that folder could not be trusted.
    RMDir /r "$SYSDIR\config\systemprofile\AppData\Local\Quarvel\Copias"
    RMDir "$SYSDIR\config\systemprofile\AppData\Local\Quarvel"
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
