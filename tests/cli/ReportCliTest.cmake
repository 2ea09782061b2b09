# cmake -DPROGRAM=... -DDATA=... -P ReportCliTest.cmake
function(fail what)
  message(SEND_ERROR "${what}")
endfunction()

# run(<args>...): sets out, err and status in the caller.
macro(run)
  execute_process(COMMAND "${PROGRAM}" ${ARGN}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
endmacro()

function(expect_golden case golden)
  file(READ "${DATA}/${golden}" expected)
  if(NOT status EQUAL 0)
    fail("${case}: exit status ${status}, stderr: ${err}")
  endif()
  if(NOT err STREQUAL "")
    fail("${case}: unexpected stderr: ${err}")
  endif()
  if(NOT out STREQUAL expected)
    file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/${golden}.actual" "${out}")
    fail("${case}: output differs from ${golden}; see ${CMAKE_CURRENT_BINARY_DIR}/${golden}.actual")
  endif()
endfunction()

# A refused file: non-zero status, nothing on stdout, one line on stderr
# that names the file.
function(expect_refused case file)
  if(status EQUAL 0)
    fail("${case}: exit status 0")
  endif()
  if(NOT out STREQUAL "")
    fail("${case}: wrote to stdout: ${out}")
  endif()
  string(REGEX MATCHALL "\n" breaks "${err}")
  list(LENGTH breaks count)
  if(NOT count EQUAL 1 OR NOT err MATCHES "^tiplark-report: .*${file}.*\n$")
    fail("${case}: stderr is not one line naming ${file}: '${err}'")
  endif()
endfunction()

run("${DATA}/good.ini")
expect_golden("report" good-report.txt)

run(--schedule "${DATA}/good.ini")
expect_golden("schedule" good-schedule.txt)

# Readable but damaged values load with the program's defaults.
run("${DATA}/damaged.ini")
expect_golden("damaged file" damaged-report.txt)

# A NUL byte costs only its own line.
run("${DATA}/../fuzz-regressions/nul-lines.ini")
expect_golden("file with NUL bytes" good-report.txt)

run("${DATA}/first-run.ini")
expect_refused("file without FirstTime=0" first-run.ini)

run("${DATA}/no-such-file.ini")
expect_refused("missing file" no-such-file.ini)

run("${DATA}")
expect_refused("folder instead of a file" report)

# A full disk on stdout must not pass for success.
execute_process(COMMAND "${PROGRAM}" "${DATA}/good.ini" OUTPUT_FILE /dev/full ERROR_VARIABLE err RESULT_VARIABLE status)
if(status EQUAL 0 OR NOT err MATCHES "^tiplark-report: [^\n]*\n$")
  fail("write to a full disk: status ${status}, stderr '${err}'")
endif()

run(--help)
if(NOT status EQUAL 0 OR NOT out MATCHES "^Usage: tiplark-report \\[--schedule\\] FILE\n")
  fail("--help: status ${status}, stdout '${out}'")
endif()

run()
if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT err MATCHES "^Usage: ")
  fail("no arguments: status ${status}, stdout '${out}', stderr '${err}'")
endif()

run("${DATA}/good.ini" "${DATA}/damaged.ini")
if(NOT status EQUAL 2 OR NOT out STREQUAL "")
  fail("two files: status ${status}, stdout '${out}'")
endif()
