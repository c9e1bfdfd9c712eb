# cmake -DICONV=iconv -DSOURCE=in.txt -DOUTPUT=out.txt -P to_cp932.cmake
# UTF-8 text with LF (or CR LF) line ends -> code page 932 with CR LF.
# Any character that code page 932 lacks, or any bytes that are not UTF-8,
# fail the conversion with the file's name; no partial output is left behind.
file(READ "${SOURCE}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
set(crlf "${OUTPUT}.crlf")
set(partial "${OUTPUT}.part")
get_filename_component(dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
file(WRITE "${crlf}" "${text}")
execute_process(
  COMMAND "${ICONV}" -f UTF-8 -t CP932 "${crlf}"
  OUTPUT_FILE "${partial}"
  ERROR_VARIABLE error
  RESULT_VARIABLE result)
file(REMOVE "${crlf}")
if(NOT result EQUAL 0)
  file(REMOVE "${partial}" "${OUTPUT}")
  set(where "")
  if(error MATCHES "position ([0-9]+)")
    string(SUBSTRING "${text}" 0 ${CMAKE_MATCH_1} before)
    string(REGEX REPLACE "[^\n]" "" breaks "${before}")
    string(LENGTH "${breaks}" line)
    math(EXPR line "${line} + 1")
    set(where "line ${line}: ")
  endif()
  message(FATAL_ERROR "${SOURCE}: ${where}cannot be written in Shift-JIS (code page 932): ${error}")
endif()
file(RENAME "${partial}" "${OUTPUT}")
