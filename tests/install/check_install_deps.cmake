# SPDX-License-Identifier: GPL-3.0-or-later
# Every package tools/install-deps.sh installs is one the archive offers, as a fresh machine
# sees it after apt-get update: apt is asked with no package counted as installed, so a name
# that only this machine knows fails too. apt-cache depends passes over a name it does not
# know when it knows another, so each name must head an answer of its own.
# Takes -DSCRIPT=<install-deps.sh> and -DAPT_CACHE=<apt-cache>.
execute_process(COMMAND bash "${SCRIPT}" --list OUTPUT_VARIABLE listed RESULT_VARIABLE failed)
string(STRIP "${listed}" listed)
if(failed OR NOT listed)
  message(FATAL_ERROR "${SCRIPT} --list gave no packages")
endif()
string(REPLACE "\n" ";" packages "${listed}")

execute_process(COMMAND "${APT_CACHE}" -o Dir::State::status=/dev/null depends ${packages}
  OUTPUT_VARIABLE answer ERROR_VARIABLE errors RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "apt knows none of the packages (no package lists? run apt-get update):\n"
    "${errors}")
endif()

set(unknown "")
foreach(package IN LISTS packages)
  string(FIND "\n${answer}" "\n${package}\n" at)
  if(at EQUAL -1)
    list(APPEND unknown "${package}")
  endif()
endforeach()
if(unknown)
  message(FATAL_ERROR "apt offers no package named: ${unknown}")
endif()
