# Creates DATABASE from the schema script SCHEMA with ISQL (isql-fb), embedded, unless the
# file exists already: an existing database is never replaced.
#   cmake -DISQL=... -DSCHEMA=... -DDATABASE=... -DUSER=... -DPASSWORD=... -P CreateDatabase.cmake
foreach(var ISQL SCHEMA DATABASE USER PASSWORD)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "CreateDatabase.cmake: ${var} fehlt")
  endif()
endforeach()
if(EXISTS "${DATABASE}")
  return()
endif()
get_filename_component(dir "${DATABASE}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
string(RANDOM LENGTH 8 tag)
set(work "${DATABASE}.${tag}.tmp")
set(script "${work}.sql")
file(READ "${SCHEMA}" body)
string(REPLACE "'" "''" quoted "${work}")
file(WRITE "${script}"
  "SET SQL DIALECT 3;\nSET NAMES UTF8;\n"
  "CREATE DATABASE '${quoted}' USER '${USER}' PASSWORD '${PASSWORD}' PAGE_SIZE 8192 DEFAULT CHARACTER SET ISO8859_1;\n"
  "${body}")
execute_process(COMMAND "${ISQL}" -q -b -i "${script}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(REMOVE "${script}")
if(NOT rc EQUAL 0)
  file(REMOVE "${work}")
  message(FATAL_ERROR "Datenbank konnte nicht angelegt werden:\n${out}${err}")
endif()
# Renamed into place only when complete; another build may have made it meanwhile.
if(EXISTS "${DATABASE}")
  file(REMOVE "${work}")
else()
  # NO_REPLACE may link rather than move: the work name goes in any case.
  file(RENAME "${work}" "${DATABASE}" NO_REPLACE RESULT moved)
  file(REMOVE "${work}")
  message(STATUS "Datenbank angelegt: ${DATABASE}")
endif()
