# cmake -DPROGRAM=... -DDATA=... -DWORK=... -P ReportCliTest.cmake
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
if(NOT status EQUAL 0 OR NOT out MATCHES "^Usage: tiplark-report \\[--schedule\\] \\[--\\] FILE\n")
  fail("--help: status ${status}, stdout '${out}'")
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

# A second file with the same content is another file: it is ranked, level
# with the first.
set(work "${WORK}/files")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")
file(COPY_FILE "${real}" "${work}/real-copy.ini")

# Level files share a rank and keep their command-line order; the unreadable
# one is named on stderr and the others are still ranked.
run(--score --format tsv "${empty}" "${real}" "${DATA}/first-run.ini" "${DATA}/good.ini" "${work}/real-copy.ini")
string(JOIN "\n" expected
  "rank\tpoints\tmatch_points\tadvance_points\texact\tfile"
  "1\t314\t256\t58\t64\t${real}"
  "1\t314\t256\t58\t64\t${work}/real-copy.ini"
  "3\t104\t92\t12\t23\t${DATA}/good.ini"
  "4\t0\t0\t0\t0\t${empty}"
  "")
if(NOT status EQUAL 1 OR NOT out STREQUAL expected)
  fail("--score --format tsv: status ${status}, stdout '${out}'")
endif()
if(NOT err MATCHES "^tiplark-report: [^\n]*first-run.ini[^\n]*\n$")
  fail("--score with an unreadable file: stderr '${err}'")
endif()

# The same file given again, by the same path, another spelling of it or a
# link to it, is ranked once; each repetition is a note on stderr.
file(CREATE_LINK "${real}" "${work}/real-link.ini" SYMBOLIC)
get_filename_component(scoring_folder "${real}" DIRECTORY)
get_filename_component(scoring_name "${scoring_folder}" NAME)
run(--score --format tsv "${real}" "${empty}" "${real}" "${scoring_folder}/../${scoring_name}/real-2006.ini"
    "${work}/real-link.ini")
string(JOIN "\n" expected
  "rank\tpoints\tmatch_points\tadvance_points\texact\tfile"
  "1\t314\t256\t58\t64\t${real}"
  "2\t0\t0\t0\t0\t${empty}"
  "")
string(REGEX MATCHALL "[^\n]*\n" notes "${err}")
list(LENGTH notes note_count)
if(NOT status EQUAL 0 OR NOT out STREQUAL expected OR NOT note_count EQUAL 3
   OR NOT err MATCHES "^tiplark-report: [^\n]*real-2006.ini: the same file as [^\n]*real-2006.ini, ranked once\n"
   OR NOT err MATCHES "real-link.ini: the same file as ")
  fail("--score with a file given three more times: status ${status}, stdout '${out}', stderr '${err}'")
endif()

run(--score "${real}" "${empty}")
if(NOT status EQUAL 0 OR NOT err STREQUAL ""
   OR NOT out MATCHES "^Rank +Points +Matches +Advancing +Exact +Champion +File\n +1 +314 +256 +58 +64 +Italy +[^\n]*real-2006.ini\n +2 +0 +0 +0 +0 +- +[^\n]*empty-board.ini\n$")
  fail("--score table: status ${status}, stderr '${err}', stdout '${out}'")
endif()

# File names that would start a line or a column of their own, or are not
# UTF-8, come out escaped: one line per file, six fields on each.
set(names "${WORK}/names")
file(REMOVE_RECURSE "${names}")
file(MAKE_DIRECTORY "${names}")
execute_process(COMMAND sh -c [[
    cd "$1" && cp "$2" "$(printf 'tab\there.ini')" && cp "$2" "$(printf 'row\n1\t314\t256\t58\t64\tforged.ini')" &&
    cp "$2" "$(printf 'latin\351.ini')" && cp "$2" "$(printf 'escape\033[2J.ini')" && cp "$2" 'back\slash.ini' &&
    cp "$2" ./-dash.ini]] sh "${names}" "${real}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  fail("cannot make the files with unusual names in ${names}")
endif()
string(ASCII 27 escape)
foreach(format tsv text)
  execute_process(COMMAND "${PROGRAM}" --score --format ${format} -- -dash.ini back\\slash.ini "escape${escape}[2J.ini"
      "tab\there.ini" "row\n1\t314\t256\t58\t64\tforged.ini"
    WORKING_DIRECTORY "${names}" OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  # The name that is not UTF-8 cannot be written in a CMake string; the shell passes it.
  execute_process(COMMAND sh -c [["$0" --score --format "$1" latin*.ini]] "${PROGRAM}" ${format}
    WORKING_DIRECTORY "${names}" OUTPUT_VARIABLE latin ERROR_VARIABLE latin_err RESULT_VARIABLE latin_status)
  string(APPEND out "${latin}")
  string(REGEX MATCHALL "\n" lines "${out}")
  list(LENGTH lines line_count)
  string(REGEX MATCHALL "\t" tabs "${out}")
  list(LENGTH tabs tab_count)
  set(expected_tabs 0)
  if(format STREQUAL "tsv")
    set(expected_tabs 40)  # 8 lines of 6 fields
  endif()
  if(NOT status EQUAL 0 OR NOT latin_status EQUAL 0 OR NOT err STREQUAL "" OR NOT latin_err STREQUAL ""
     OR NOT line_count EQUAL 8 OR NOT tab_count EQUAL expected_tabs)
    fail("--score --format ${format} with unusual names: status ${status}/${latin_status}, stderr '${err}${latin_err}', stdout '${out}'")
  endif()
  foreach(escaped [[-dash.ini]] [[back\\slash.ini]] [[escape\x1B[2J.ini]] [[tab\there.ini]]
                  [[row\n1\t314\t256\t58\t64\tforged.ini]] [[latin\xE9.ini]])
    string(FIND "${out}" "${escaped}" at)
    if(at EQUAL -1)
      fail("--score --format ${format} does not print ${escaped}: '${out}'")
    endif()
  endforeach()
endforeach()

# Wrong arguments: status 2, nothing on stdout, and the first line on stderr
# names the argument at fault before the usage text.
foreach(wrong "--score;--format;csv;${real}|'csv'" "--compare;${real};${real}|real-2006.ini' follows"
              "--format;tsv;${real}|'--format' works only with '--score'" "--score;--compare;${real}|'--compare'"
              "--score|'--score' needs" "--frobnicate;${real}|'--frobnicate'" "--score;--format|'--format' needs"
              "-dash.ini|'-dash.ini'" "--schedule|no FILE")
  string(REPLACE "|" ";" case "${wrong}")
  list(POP_BACK case culprit)
  run(${case})
  string(FIND "${err}" "\n" first_break)
  string(SUBSTRING "${err}" 0 ${first_break} problem)
  string(FIND "${problem}" "${culprit}" at)
  if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT problem MATCHES "^tiplark-report: " OR at EQUAL -1
     OR NOT err MATCHES "\nUsage: tiplark-report ")
    fail("'${case}': status ${status}, stdout '${out}', stderr '${err}' (should name ${culprit})")
  endif()
endforeach()

# "--" ends the options: a file whose name starts with "-" is a file.
execute_process(COMMAND "${PROGRAM}" -- -dash.ini WORKING_DIRECTORY "${names}"
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR NOT out MATCHES "^Tiplark - Germany\n")
  fail("-- -dash.ini: status ${status}, stderr '${err}', stdout '${out}'")
endif()

run(--help)
if(NOT out MATCHES "--compare \\[--\\] FILE" OR NOT out MATCHES "--score \\[--format tsv\\|text\\] \\[--\\] FILE\\.\\.\\.")
  fail("--help does not describe --compare, --score and its formats: '${out}'")
endif()
