# cmake -DPROGRAM=... -DNAME=... -DVERSION=... -DPAGE=... -DGROFF=... -P ProgramInfoTest.cmake
# A program's --version and --help, and its manual page, agree with each other.
function(fail what)
  message(SEND_ERROR "${NAME}: ${what}")
endfunction()

execute_process(COMMAND "${PROGRAM}" --version OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out STREQUAL "${NAME} ${VERSION}\n" OR NOT err STREQUAL "")
  fail("--version: status ${status}, stdout '${out}', stderr '${err}'")
endif()

execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE help ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT help MATCHES "^Usage: ${NAME} " OR NOT err STREQUAL "")
  fail("--help: status ${status}, stdout '${help}', stderr '${err}'")
endif()

# groff with every warning on, as lintian and man --warnings read the page.
execute_process(COMMAND "${GROFF}" -man -Tutf8 -ww -z "${PAGE}" ERROR_VARIABLE warnings RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
  fail("${PAGE} does not render cleanly: ${warnings}")
endif()

file(READ "${PAGE}" page)
if(NOT page MATCHES "\"Tiplark ${VERSION}\"")
  fail("${PAGE} does not carry version ${VERSION}")
endif()
string(REGEX MATCHALL "--[a-z]+" options "${help}")
list(REMOVE_DUPLICATES options)
if(options STREQUAL "")
  fail("--help lists no options")
endif()
foreach(option IN LISTS options)
  string(REPLACE "-" "\\\\-" roff_option "${option}")
  if(NOT page MATCHES "${roff_option}")
    fail("option ${option} of --help is not in ${PAGE}")
  endif()
endforeach()
