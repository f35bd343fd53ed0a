# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build under a scratch prefix and checks that the desktop entry names a program
# and an icon that the install put in place, the icon at every size it claims.
# Takes -DBUILD_DIR=<build folder> -DSTAGE=<scratch prefix>.
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE}"
  OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(entry "${STAGE}/share/applications/org.example.Tallyra.desktop")
if(NOT EXISTS "${entry}")
  message(FATAL_ERROR "no desktop entry at ${entry}")
endif()

function(entry_value key out)
  file(STRINGS "${entry}" line REGEX "^${key}=")
  string(REGEX REPLACE "^${key}=([^ ]*).*" "\\1" value "${line}")
  if(value STREQUAL "")
    message(FATAL_ERROR "the desktop entry has no ${key}=")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

entry_value(Exec program)
if(NOT EXISTS "${STAGE}/bin/${program}" OR IS_DIRECTORY "${STAGE}/bin/${program}")
  message(FATAL_ERROR "Exec=${program} but no such program in ${STAGE}/bin")
endif()

# The OFX reader, where the program looks for it: libexec/tallyra beside its own folder.
if(NOT EXISTS "${STAGE}/libexec/tallyra/tallyra-ofx")
  message(FATAL_ERROR "no OFX reader at ${STAGE}/libexec/tallyra/tallyra-ofx")
endif()

# The translations, where the program looks beside its own: share/tallyra/translations.
if(NOT EXISTS "${STAGE}/share/tallyra/translations/tallyra_es.qm")
  message(FATAL_ERROR "no Spanish translation in ${STAGE}/share/tallyra/translations")
endif()

entry_value(Icon icon)
set(hicolor "${STAGE}/share/icons/hicolor")
if(NOT EXISTS "${hicolor}/scalable/apps/${icon}.svg")
  message(FATAL_ERROR "Icon=${icon} but no ${icon}.svg in ${hicolor}/scalable/apps")
endif()
# The icon theme rules ask for 48x48 at least, for what cannot scale an SVG.
if(NOT EXISTS "${hicolor}/48x48/apps/${icon}.png")
  message(FATAL_ERROR "Icon=${icon} but no 48x48 PNG of it")
endif()

# A PNG's width and height are the two 4-byte numbers at offset 16.
file(GLOB pngs "${hicolor}/*x*/apps/${icon}.png")
foreach(png IN LISTS pngs)
  string(REGEX REPLACE ".*/([0-9]+)x([0-9]+)/apps/.*" "\\1;\\2" folder_size "${png}")
  file(READ "${png}" header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${header}" 0 8 width_hex)
  string(SUBSTRING "${header}" 8 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT "${width};${height}" STREQUAL "${folder_size}")
    message(FATAL_ERROR "${png} is ${width}x${height}")
  endif()
endforeach()
