# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer, made by CPack's NSIS generator: Tallyra-VERSION-win64.exe.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME Tallyra)
set(CPACK_PACKAGE_VENDOR "Tallyra developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "checkbook register for one checking account")
set(CPACK_PACKAGE_FILE_NAME Tallyra-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tallyra)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_NSIS_DISPLAY_NAME Tallyra)
set(CPACK_NSIS_PACKAGE_NAME Tallyra)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/dist/icons/tallyra.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/dist/icons/tallyra.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\tallyra.exe")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# Installs into Program Files for all users when run by an administrator, else for the user.
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# Tallyra keeps default.dat in the folder it starts in: the Start menu starts it in the
# user's Documents, where the register can be found and backed up. The uninstaller removes
# only what was installed, so the register and its backups stay. (NSIS's single quotes: CPack
# does not carry double ones through.)
set(CPACK_NSIS_CREATE_ICONS_EXTRA [=[
  SetShellVarContext current
  SetOutPath '$DOCUMENTS'
  StrCmp $SV_ALLUSERS 'AllUsers' 0 +2
    SetShellVarContext all
  CreateShortCut '$SMPROGRAMS\$STARTMENU_FOLDER\Tallyra.lnk' '$INSTDIR\bin\tallyra.exe' '' '$INSTDIR\bin\tallyra.exe' 0
  SetOutPath '$INSTDIR'
]=])
set(CPACK_NSIS_DELETE_ICONS_EXTRA [=[
  Delete '$SMPROGRAMS\$MUI_TEMP\Tallyra.lnk'
]=])
# Debian's wine runs 64-bit programs only, and so the installer is made with NSIS's 64-bit stub.
set(CPACK_NSIS_EXECUTABLE ${PROJECT_SOURCE_DIR}/tools/windows/makensis-amd64.sh)
include(CPack)
