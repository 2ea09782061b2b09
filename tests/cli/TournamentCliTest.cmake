# cmake -DPROGRAM=... -DDATA=... -DWORK=... -P TournamentCliTest.cmake
# tiplark-report on the tournaments it ships, run as a user would.
function(fail what)
  message(SEND_ERROR "${what}")
endfunction()

# run(<args>...): sets out, err and status in the caller.
macro(run)
  execute_process(COMMAND "${PROGRAM}" ${ARGN}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
endmacro()

function(expect_ok case)
  if(NOT status EQUAL 0 OR NOT err STREQUAL "")
    fail("${case}: exit status ${status}, stderr '${err}'")
  endif()
endfunction()

# A refusal: the status, nothing on stdout, one line on stderr matching.
function(expect_refused case expected_status pattern)
  string(REGEX MATCHALL "\n" breaks "${err}")
  list(LENGTH breaks count)
  if(NOT status EQUAL expected_status OR NOT out STREQUAL "" OR NOT count EQUAL 1
     OR NOT err MATCHES "^tiplark-report: ${pattern}")
    fail("${case}: status ${status}, stdout '${out}', stderr '${err}'")
  endif()
endfunction()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

run(--list-tournaments --format tsv)
expect_ok("--list-tournaments --format tsv")
string(JOIN "\n" expected
  "id\tname\tteams\tmatches"
  "worldcup-2006\tWorld Cup 2006\t32\t64"
  "worldcup-2010\tWorld Cup 2010\t32\t64"
  "worldcup-2014\tWorld Cup 2014\t32\t64"
  "worldcup-2018\tWorld Cup 2018\t32\t64"
  "worldcup-2022\tWorld Cup 2022\t32\t64"
  "worldcup-2026\tWorld Cup 2026\t48\t104"
  "")
if(NOT out STREQUAL expected)
  fail("--list-tournaments --format tsv: '${out}'")
endif()

run(--list-tournaments)
expect_ok("--list-tournaments")
if(NOT out MATCHES "^Id +Name +Teams +Matches\n" OR NOT out MATCHES "\nworldcup-2026  World Cup 2026     48      104\n$")
  fail("--list-tournaments: '${out}'")
endif()

# Each edition's real results as a predictions file, which reads back as a
# prediction scoring the maximum.
foreach(edition "2006;314;256;58;64" "2010;314;256;58;64" "2014;314;256;58;64" "2018;314;256;58;64"
                "2022;314;256;58;64" "2026;536;416;120;104")
  list(GET edition 0 year)
  list(SUBLIST edition 1 4 points)
  list(JOIN points "\t" points)
  set(real "${WORK}/real-${year}.ini")
  execute_process(COMMAND "${PROGRAM}" --real "worldcup-${year}" OUTPUT_FILE "${real}"
    ERROR_VARIABLE err RESULT_VARIABLE status)
  set(out "")
  expect_ok("--real worldcup-${year}")
  run(--score --format tsv "${real}")
  expect_ok("--score of the real ${year} results")
  if(NOT out STREQUAL "rank\tpoints\tmatch_points\tadvance_points\texact\tfile\n1\t${points}\t${real}\n")
    fail("--score of the real ${year} results: '${out}'")
  endif()
endforeach()

# 2006's real results are a Tiplark.ini that the program reports as the
# board shows them.
file(READ "${WORK}/real-2006.ini" text)
if(NOT text MATCHES "^\\[PREFERENCES\\]\n" OR text MATCHES "TOURNAMENT")
  fail("--real worldcup-2006 is not a Tiplark.ini: '${text}'")
endif()
run("${WORK}/real-2006.ini")
file(READ "${DATA}/scoring/real-2006-report.txt" expected)
if(NOT status EQUAL 0 OR NOT out STREQUAL expected)
  fail("report of --real worldcup-2006: status ${status}, stdout '${out}'")
endif()

set(real2026 "${WORK}/real-2026.ini")
file(READ "${real2026}" text)
if(NOT text MATCHES "^\\[TOURNAMENT\\]\nId=worldcup-2026\n" OR NOT text MATCHES "\nMEX-RSA=2-0\n"
   OR NOT text MATCHES "\nM74=1-1 \\(3-4\\)\n")
  fail("--real worldcup-2026: '${text}'")
endif()

run(--standings --format tsv "${real2026}")
expect_ok("--standings --format tsv")
string(REGEX MATCHALL "\n" lines "${out}")
list(LENGTH lines count)
if(NOT out MATCHES "^group\tpos\tteam\tplayed\twon\tdrawn\tlost\tgoals_for\tgoals_against\tpoints\nA\t1\tMEX\t3\t3\t0\t0\t6\t0\t9\n"
   OR NOT count EQUAL 49)
  fail("--standings --format tsv: '${out}'")
endif()

run(--bracket --format tsv "${real2026}")
expect_ok("--bracket --format tsv")
string(REGEX MATCHALL "\n" lines "${out}")
list(LENGTH lines count)
if(NOT out MATCHES "^match\tteam1\tteam2\twinner\n73\tRSA\tCAN\tCAN\n" OR NOT out MATCHES "\n104\tESP\tARG\tESP\n$"
   OR NOT count EQUAL 33)
  fail("--bracket --format tsv: '${out}'")
endif()

# The 2006 board's own files, through the board's loader and the engine.
run(--standings --format tsv "${DATA}/scoring/real-2006.ini")
expect_ok("--standings of a Tiplark.ini")
if(NOT out MATCHES "^group\tpos[^\n]*\nA\t1\tGER\t3\t3\t0\t0\t8\t2\t9\nA\t2\tECU\t")
  fail("--standings of a Tiplark.ini: '${out}'")
endif()
run(--bracket "${DATA}/scoring/real-2006.ini")
expect_ok("--bracket of a Tiplark.ini")
if(NOT out MATCHES "^ROUND OF 16:\n" OR NOT out MATCHES "Italy - France +:  1 - 1 pen\\. \\(5-3\\)\n" OR NOT out MATCHES "\nChampion: ITALY\n")
  fail("--bracket of a Tiplark.ini: '${out}'")
endif()

run("${real2026}")
expect_ok("report of a 2026 file")
if(NOT out MATCHES "^Tiplark - World Cup 2026\n" OR NOT out MATCHES "\nBEST THIRD-PLACED TEAMS:\n"
   OR NOT out MATCHES "\nChampion: SPAIN\n\n$")
  fail("report of a 2026 file: '${out}'")
endif()

run(--compare "${real2026}")
expect_ok("--compare of a 2026 file")
if(NOT out MATCHES "\nFinal +Spain 1-0 Argentina +Spain 1-0 Argentina +4\n" OR NOT out MATCHES "\n  Round of 32 +32 / 32\n"
   OR NOT out MATCHES "\nTotal: 536 of 536\n$")
  fail("--compare of a 2026 file: '${out}'")
endif()

# One pool, one tournament.
run(--score "${real2026}" "${DATA}/scoring/real-2006.ini")
expect_refused("--score of two tournaments" 2 "[^\n]*real-2006.ini: [^\n]*worldcup-2006[^\n]*worldcup-2026")

file(WRITE "${WORK}/unknown.ini" "[TOURNAMENT]\nId=worldcup-2030\n")
run("${WORK}/unknown.ini")
expect_refused("a file of an unknown tournament" 1 "[^\n]*unknown.ini: [^\n]*\"worldcup-2030\"")
run(--score "${real2026}" "${WORK}/unknown.ini")
if(NOT status EQUAL 1 OR NOT out MATCHES "\n +1 +536 [^\n]*real-2026.ini\n$" OR NOT err MATCHES "unknown.ini[^\n]*worldcup-2030")
  fail("--score with a file of an unknown tournament: status ${status}, stdout '${out}', stderr '${err}'")
endif()
run(--real worldcup-2030)
expect_refused("--real of an unknown tournament" 1 "[^\n]*\"worldcup-2030\"")
# The opening match in Mexico City at 13:00 local time (UTC-6) is 20:00 in
# the file's zone, GMT+1.
run(--schedule "${real2026}")
expect_ok("--schedule of a 2026 file")
if(NOT out MATCHES "^ +1:  [^\n]*11[^\n]* \\(Thursday\\) 20:00 +:  Mexico - South Africa +Mexico City\n"
   OR NOT out MATCHES "\n104:  [^\n]+:  Spain - Argentina +[^\n]+\n$")
  fail("--schedule of a 2026 file: '${out}'")
endif()

foreach(wrong "--real" "--list-tournaments;${real2026}" "--real;--format;tsv;worldcup-2026" "--standings"
              "--bracket;${real2026};${real2026}" "--standings;--format;csv;${real2026}" "--standings;--bracket;${real2026}")
  run(${wrong})
  if(NOT status EQUAL 2 OR NOT out STREQUAL "")
    fail("'${wrong}': status ${status}, stdout '${out}'")
  endif()
endforeach()
