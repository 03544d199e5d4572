# Turns one chart csv (lines "lane,threshold,slot", "#" comments, blank lines
# ignored) into a C++ source defining the constant table `chart_<NAME>`.
# Run as: cmake -DCSV=<file.csv> -DNAME=<entry point> -DOUT=<file.cpp> -P csv_to_table.cmake
# A malformed line stops the build with its line number.

foreach(var CSV NAME OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "csv_to_table: ${var} is not set")
  endif()
endforeach()

file(STRINGS "${CSV}" lines)
set(rows "")
set(count 0)
set(line_no 0)
foreach(line IN LISTS lines)
  math(EXPR line_no "${line_no} + 1")
  string(STRIP "${line}" line)
  if(line STREQUAL "" OR line MATCHES "^#")
    continue()
  endif()
  if(NOT line MATCHES "^([0-9]+) *, *(-?[0-9]+) *, *([0-9]+)$")
    message(FATAL_ERROR "${CSV}:${line_no}: expected lane,threshold,slot but found \"${line}\"")
  endif()
  set(lane "${CMAKE_MATCH_1}")
  set(threshold "${CMAKE_MATCH_2}")
  set(slot "${CMAKE_MATCH_3}")
  if(lane LESS 1 OR lane GREATER 5)
    message(FATAL_ERROR "${CSV}:${line_no}: lane ${lane} is not 1 to 5")
  endif()
  string(APPEND rows "    {${threshold}, ${lane}, ${slot}},\n")
  math(EXPR count "${count} + 1")
endforeach()

if(count EQUAL 0)
  message(FATAL_ERROR "${CSV}: no notes")
endif()

set(text "// Generated from ${NAME}.csv at build time; edit the csv, not this file.\n")
string(APPEND text "#include \"charts/chart_data.h\"\n\n")
string(APPEND text "namespace {\nconst ChartNote notes[${count}] = {\n${rows}};\n}  // namespace\n\n")
string(APPEND text "const Chart chart_${NAME} = {notes, ${count}};\n")

file(WRITE "${OUT}" "${text}")
