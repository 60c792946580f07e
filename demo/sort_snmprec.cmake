# Turns a configured device profile into the form agents serve:
#   cmake -DINPUT=<profile with comments> -DOUTPUT=<served profile> -P sort_snmprec.cmake
# Drops comment and blank lines, checks that every record reads OID|type|value, refuses
# duplicate object identifiers, and writes the records in numeric sub-identifier order
# (1.2 < 1.10 < 1.10.1), the order a get-next walk follows.
cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED INPUT OR NOT DEFINED OUTPUT)
  message(FATAL_ERROR "sort_snmprec.cmake needs -DINPUT=<file> and -DOUTPUT=<file>")
endif()

file(READ "${INPUT}" text)
string(LENGTH "${text}" remaining)

# Lines are kept in variables of their own rather than in a CMake list, so values may hold
# ';' or brackets without being split.
set(keys "")
set(count 0)
set(lineNumber 0)
while(remaining GREATER 0)
  string(FIND "${text}" "\n" newline)
  if(newline EQUAL -1)
    set(line "${text}")
    set(text "")
  else()
    string(SUBSTRING "${text}" 0 ${newline} line)
    math(EXPR rest "${newline} + 1")
    string(SUBSTRING "${text}" ${rest} -1 text)
  endif()
  string(LENGTH "${text}" remaining)
  math(EXPR lineNumber "${lineNumber} + 1")

  string(REGEX REPLACE "\r$" "" line "${line}")
  if(line MATCHES "^[ \t]*(#|$)")
    continue()
  endif()
  if(NOT line MATCHES "^([0-9]+(\\.[0-9]+)*)\\|[0-9]+x?\\|")
    message(FATAL_ERROR "${INPUT}:${lineNumber}: not a record of the form OID|type|value: ${line}")
  endif()
  set(oid "${CMAKE_MATCH_1}")

  # Sort key: every sub-identifier zero-padded to 10 digits (sub-identifiers are 32-bit), so
  # that plain text order equals numeric order and a prefix sorts before its extensions.
  string(REPLACE "." ";" subIds "${oid}")
  set(key "")
  foreach(subId IN LISTS subIds)
    string(LENGTH "${subId}" width)
    if(width GREATER 10)
      message(FATAL_ERROR "${INPUT}:${lineNumber}: sub-identifier ${subId} is too large")
    endif()
    math(EXPR padding "10 - ${width}")
    string(REPEAT "0" ${padding} zeros)
    string(APPEND key "${zeros}${subId}.")
  endforeach()

  if(DEFINED seen_${key})
    message(FATAL_ERROR "${INPUT}:${lineNumber}: object ${oid} is listed twice")
  endif()
  set(seen_${key} TRUE)
  set(record_${count} "${line}")
  list(APPEND keys "${key}#${count}")
  math(EXPR count "${count} + 1")
endwhile()

list(SORT keys)
set(sorted "")
foreach(entry IN LISTS keys)
  string(REGEX REPLACE "^.*#" "" index "${entry}")
  string(APPEND sorted "${record_${index}}\n")
endforeach()
file(WRITE "${OUTPUT}" "${sorted}")
