# cmake -DBUILD=... -DWORK=... -DASSETS=... -DTOURNAMENTS=... -DFLAGS=... -DAPPSTREAMCLI=... -P InstallTreeTest.cmake
# Installs the build into a scratch prefix and checks what a package gets:
# software-centre entry and desktop entry valid together, every picture,
# sound, tournament file and flag in the data folder the program searches,
# documents Debian requires.
function(fail what)
  message(SEND_ERROR "${what}")
endfunction()

file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${WORK}/usr"
  OUTPUT_QUIET ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "install failed: ${err}")
endif()

# validate-tree also checks that the launchable names an installed desktop file.
execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net "${WORK}"
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  fail("appstreamcli validate-tree: ${out}${err}")
endif()

file(GLOB assets RELATIVE "${ASSETS}" "${ASSETS}/*")
foreach(asset IN LISTS assets)
  if(NOT EXISTS "${WORK}/usr/share/tiplark/${asset}")
    fail("${asset} is not installed in share/tiplark")
  endif()
endforeach()
file(GLOB tournaments RELATIVE "${TOURNAMENTS}" "${TOURNAMENTS}/*.json")
if(NOT tournaments)
  fail("no tournament files in ${TOURNAMENTS}")
endif()
foreach(tournament IN LISTS tournaments)
  if(NOT EXISTS "${WORK}/usr/share/tiplark/tournaments/${tournament}")
    fail("${tournament} is not installed in share/tiplark/tournaments")
  endif()
endforeach()

file(GLOB flags RELATIVE "${FLAGS}" "${FLAGS}/*.svg")
if(NOT flags)
  fail("no flags in ${FLAGS}")
endif()
foreach(flag IN LISTS flags)
  if(NOT EXISTS "${WORK}/usr/share/tiplark/flags/${flag}")
    fail("${flag} is not installed in share/tiplark/flags")
  endif()
endforeach()

foreach(file
    bin/tiplark bin/tiplark-report
    share/applications/tiplark.desktop
    share/icons/hicolor/48x48/apps/tiplark.png
    share/icons/hicolor/256x256/apps/tiplark.png
    share/icons/hicolor/scalable/apps/tiplark.svg
    share/man/man1/tiplark.1.gz share/man/man1/tiplark-report.1.gz
    share/doc/tiplark/copyright share/doc/tiplark/changelog.gz)
  if(NOT EXISTS "${WORK}/usr/${file}")
    fail("${file} is not installed")
  endif()
endforeach()

# The packaged changelog's version is the program's.
file(READ "${CHANGELOG}" changelog)
if(NOT changelog MATCHES "^tiplark \\(${VERSION}\\) ")
  fail("the changelog's first entry is not version ${VERSION}")
endif()
file(REMOVE_RECURSE "${WORK}")
