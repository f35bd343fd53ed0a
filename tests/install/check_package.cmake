# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the .deb from the build and checks its name (the README installs it by that name), the
# Qt runtime packages it depends on, and the files it installs.
# Takes -DCPACK, -DDPKG_DEB, -DBUILD_DIR, -DOUT=<scratch folder> and -DVERSION.
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${CPACK}" --config "${BUILD_DIR}/CPackConfig.cmake" -B "${OUT}"
  OUTPUT_VARIABLE log ERROR_VARIABLE log RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cpack failed:\n${log}")
endif()

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch
  OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb "${OUT}/tallyra_${VERSION}_${arch}.deb")
if(NOT EXISTS "${deb}")
  file(GLOB made "${OUT}/*.deb")
  message(FATAL_ERROR "expected ${deb}, cpack made: ${made}")
endif()

execute_process(COMMAND "${DPKG_DEB}" --field "${deb}" Depends OUTPUT_VARIABLE depends
  OUTPUT_STRIP_TRAILING_WHITESPACE)
foreach(package libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 hicolor-icon-theme
    libofx7)
  if(NOT depends MATCHES "(^|, )${package}( |,|$)")
    message(FATAL_ERROR "Depends lacks ${package}: ${depends}")
  endif()
endforeach()

execute_process(COMMAND "${DPKG_DEB}" --contents "${deb}" OUTPUT_VARIABLE contents)
foreach(file
    usr/bin/tallyra
    usr/libexec/tallyra/tallyra-ofx
    usr/share/applications/org.example.Tallyra.desktop
    usr/share/metainfo/org.example.Tallyra.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/tallyra.svg
    usr/share/icons/hicolor/48x48/apps/tallyra.png
    usr/share/doc/tallyra/copyright
    usr/share/doc/tallyra/changelog.gz
    usr/share/man/man1/tallyra.1.gz
    usr/share/tallyra/translations/tallyra_es.qm)
  if(NOT contents MATCHES " \\./${file}\n")
    message(FATAL_ERROR "the package lacks /${file}:\n${contents}")
  endif()
endforeach()
