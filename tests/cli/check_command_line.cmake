# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program once per row below, without a display, in a fresh empty folder that is also
# its home and settings folder: it must answer with the status and on the streams the row
# expects, and leave the folder empty, default.dat neither read nor made.
# Takes -DPROGRAM=<tallyra> -DWORK=<scratch folder>, -DVERSION and -DSTATEMENT=<an OFX file>.

# Help comes before the version, and says where backups go and how to choose their folder: by
# default in the documents folder of the home the row gives it (not made by the help).
string(CONCAT help "^Usage: tallyra .*\n  -h, --help +[A-Z].*\n  -v, --version +[A-Z].*"
  "\n  --backup-folder DIR +[A-Z].*File > Backup Folder.*/[0-9]+/Documents/"
  "Tallyra Backups,\n")

# Qt's own options are let through; an unknown option beats --help.
# arguments | exit status | standard output matches | standard error matches
set(rows
  "--version|0|^tallyra ${VERSION}\n$|^$"
  "--version -h|0|${help}|^$"
  "--bogus|2|^$|^tallyra: Unknown option 'bogus'.\nTry 'tallyra --help'"
  "--backup-folder|2|^$|^tallyra: Missing value after '--backup-folder'"
  "--backup-folder=|2|^$|^tallyra: --backup-folder needs the name of a folder\n"
  "-style fusion -reverse --version|0|^tallyra ${VERSION}\n$|^$"
  "--help -x|2|^$|^tallyra: Unknown option 'x'.\nTry 'tallyra --help'"
  "register.dat|2|^$|^tallyra: unexpected argument 'register.dat'"
  "--dry-run|2|^$|^tallyra: --dry-run goes with --import\n"
  "--import x.ofx --date-order ymd|2|^$|^tallyra: --date-order is mdy or dmy\n"
  "--import x.ofx --dry-run|1|^$|^tallyra: x.ofx is no statement Tallyra can read: "
)

set(failures "")
set(n 0)
foreach(row IN LISTS rows)
  math(EXPR n "${n} + 1")
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 arguments)
  list(GET fields 1 expected_status)
  list(GET fields 2 expected_output)
  list(GET fields 3 expected_error)
  separate_arguments(arguments UNIX_COMMAND "${arguments}")

  set(folder "${WORK}/${n}")
  file(REMOVE_RECURSE "${folder}")
  file(MAKE_DIRECTORY "${folder}")
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
      --unset=QT_QPA_PLATFORM "HOME=${folder}" "XDG_CONFIG_HOME=${folder}"
      "${PROGRAM}" ${arguments}
    WORKING_DIRECTORY "${folder}" TIMEOUT 30
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE error)
  file(GLOB left RELATIVE "${folder}" LIST_DIRECTORIES true "${folder}/*" "${folder}/.*")

  list(JOIN arguments " " shown)
  set(what "tallyra ${shown}: status ${status}\nout: ${output}\nerr: ${error}\n")
  if(NOT status STREQUAL expected_status)
    string(APPEND failures "${what}  expected status ${expected_status}\n")
  elseif(NOT output MATCHES "${expected_output}")
    string(APPEND failures "${what}  expected standard output to match ${expected_output}\n")
  elseif(NOT error MATCHES "${expected_error}")
    string(APPEND failures "${what}  expected standard error to match ${expected_error}\n")
  elseif(left)
    string(APPEND failures "${what}  left in the folder: ${left}\n")
  endif()
endforeach()

# A statement through a pipe lists as the same file named does.
set(folder "${WORK}/piped")
file(REMOVE_RECURSE "${folder}")
file(MAKE_DIRECTORY "${folder}")
set(run "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
  --unset=QT_QPA_PLATFORM "HOME=${folder}" "XDG_CONFIG_HOME=${folder}" "${PROGRAM}")
execute_process(COMMAND ${run} --import "${STATEMENT}" --dry-run
  WORKING_DIRECTORY "${folder}" TIMEOUT 30 RESULT_VARIABLE status OUTPUT_VARIABLE named)
execute_process(COMMAND "${CMAKE_COMMAND}" -E cat "${STATEMENT}" COMMAND ${run} --import - --dry-run
  WORKING_DIRECTORY "${folder}" TIMEOUT 30 RESULT_VARIABLE piped_status OUTPUT_VARIABLE piped
  ERROR_VARIABLE piped_error)
if(NOT status STREQUAL "0" OR NOT piped_status STREQUAL "0" OR NOT piped STREQUAL named
   OR NOT named MATCHES "\n11 new, ")
  string(APPEND failures "tallyra --import - from a pipe: status ${piped_status}\n"
    "out: ${piped}\nerr: ${piped_error}\n  expected status 0 and, as named:\n${named}\n")
endif()

# The answers are made once the user's language is known, not before.
execute_process(COMMAND ${run} --dry-run WORKING_DIRECTORY "${folder}" TIMEOUT 30
  RESULT_VARIABLE status ERROR_VARIABLE error)
execute_process(COMMAND "${CMAKE_COMMAND}" -E env LANGUAGE=es ${run} --dry-run
  WORKING_DIRECTORY "${folder}" TIMEOUT 30 RESULT_VARIABLE es_status ERROR_VARIABLE es_error)
if(NOT es_status STREQUAL "2" OR es_error STREQUAL error OR NOT es_error MATCHES "--dry-run")
  string(APPEND failures "LANGUAGE=es tallyra --dry-run: status ${es_status}\n"
    "err: ${es_error}\n  expected status 2 and the refusal in Spanish\n")
endif()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
