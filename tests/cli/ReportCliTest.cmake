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

# No regional settings at all (LANG unset, as scripts often run): hours and
# minutes only, and the pairings in their column.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=LC_ALL --unset=LC_TIME --unset=LANG
    "${PROGRAM}" --schedule "${DATA}/good.ini"
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
expect_golden("schedule in the C locale" good-schedule-c.txt)

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

# A file above the size limit is refused before it is read, and says why.
string(REPEAT "\n" 8388608 blank_lines)
set(too_large "${CMAKE_CURRENT_BINARY_DIR}/too-large.ini")
file(WRITE "${too_large}" "[PREFERENCES]\nFirstTime=0\n${blank_lines}")
run("${too_large}")
file(REMOVE "${too_large}")
expect_refused("file above the size limit" too-large.ini)
if(NOT err MATCHES "larger than 8 MB")
  fail("file above the size limit: the reason is missing: '${err}'")
endif()

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

# Scoring against the real results.
set(real "${DATA}/../scoring/real-2006.ini")
set(empty "${DATA}/../scoring/empty-board.ini")

run(--compare "${real}")
if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR NOT out MATCHES "\nFinal +Italy 1-1 \\(5-3\\) France +Italy 1-1 \\(5-3\\) France +4\n"
   OR NOT out MATCHES "\nTotal: 314 of 314\n$")
  fail("--compare real results: status ${status}, stderr '${err}', stdout '${out}'")
endif()

run(--compare "${DATA}/no-such-file.ini")
expect_refused("--compare missing file" no-such-file.ini)

# Level files share a rank and keep their command-line order; the unreadable
# one is named on stderr and the others are still ranked.
run(--score --format tsv "${empty}" "${real}" "${DATA}/first-run.ini" "${DATA}/good.ini" "${real}")
string(JOIN "\n" expected
  "rank\tpoints\tmatch_points\tadvance_points\texact\tfile"
  "1\t314\t256\t58\t64\t${real}"
  "1\t314\t256\t58\t64\t${real}"
  "3\t104\t92\t12\t23\t${DATA}/good.ini"
  "4\t0\t0\t0\t0\t${empty}"
  "")
if(NOT status EQUAL 1 OR NOT out STREQUAL expected)
  fail("--score --format tsv: status ${status}, stdout '${out}'")
endif()
if(NOT err MATCHES "^tiplark-report: [^\n]*first-run.ini[^\n]*\n$")
  fail("--score with an unreadable file: stderr '${err}'")
endif()

run(--score "${real}" "${empty}")
if(NOT status EQUAL 0 OR NOT err STREQUAL ""
   OR NOT out MATCHES "^Rank +Points +Matches +Advancing +Exact +Champion +File\n +1 +314 +256 +58 +64 +Italy +[^\n]*real-2006.ini\n +2 +0 +0 +0 +0 +- +[^\n]*empty-board.ini\n$")
  fail("--score table: status ${status}, stderr '${err}', stdout '${out}'")
endif()

foreach(wrong "--score;--format;csv;${real}" "--compare;${real};${real}" "--format;tsv;${real}" "--score;--compare;${real}" "--score")
  run(${wrong})
  if(NOT status EQUAL 2 OR NOT out STREQUAL "")
    fail("'${wrong}': status ${status}, stdout '${out}'")
  endif()
endforeach()

run(--help)
if(NOT out MATCHES "--compare FILE" OR NOT out MATCHES "--score \\[--format tsv\\] FILE\\.\\.\\.")
  fail("--help does not describe --compare and --score: '${out}'")
endif()
