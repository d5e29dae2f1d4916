# Checks that the folders under src/ include one another only downwards,
# and counts the includes that cross from one folder into another.
#
#   cmake -DSRC_DIR=src -DFOLDERS="core;rules;..." -P check_layers.cmake
#
# FOLDERS lists every folder under src/, the lowest first: a file may
# include files of its own folder and of the folders before it in the list,
# never of one after it. A folder missing from the list, or an include of a
# folder above, fails the check and is named with its file and line.

if(NOT SRC_DIR OR NOT FOLDERS)
  message(FATAL_ERROR "usage: cmake -DSRC_DIR=DIR -DFOLDERS=a;b;c -P check_layers.cmake")
endif()

get_filename_component(SRC_DIR ${SRC_DIR} ABSOLUTE)
file(GLOB_RECURSE sources RELATIVE ${SRC_DIR} ${SRC_DIR}/*.h ${SRC_DIR}/*.cpp)
list(SORT sources)

set(problems "")
set(crossing 0)
set(pairs "")
foreach(source IN LISTS sources)
  string(REGEX REPLACE "/.*" "" folder "${source}")
  list(FIND FOLDERS ${folder} rank)
  if(rank EQUAL -1)
    list(APPEND problems "src/${source}: the folder ${folder} has no place among the layers")
    continue()
  endif()
  file(STRINGS ${SRC_DIR}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  set(number 0)
  foreach(line IN LISTS lines)
    string(REGEX MATCH "\"([^\"/]+)/[^\"]*\"" included "${line}")
    if(NOT included)
      continue()
    endif()
    set(target ${CMAKE_MATCH_1})
    if(target STREQUAL folder)
      continue()
    endif()
    list(FIND FOLDERS ${target} target_rank)
    if(target_rank EQUAL -1)
      continue()  # not a folder of src/ (a system or front-end header)
    endif()
    math(EXPR crossing "${crossing} + 1")
    list(APPEND pairs "${folder}>${target}")
    if(target_rank GREATER rank)
      list(APPEND problems "src/${source}: ${line} (${folder} lies below ${target})")
    endif()
  endforeach()
endforeach()

# Pairs of folders that include each other both ways.
list(REMOVE_DUPLICATES pairs)
set(mutual 0)
foreach(pair IN LISTS pairs)
  string(REPLACE ">" ";" ends "${pair}")
  list(GET ends 0 from)
  list(GET ends 1 to)
  list(FIND pairs "${to}>${from}" back)
  if(NOT back EQUAL -1 AND from STRLESS to)
    math(EXPR mutual "${mutual} + 1")
  endif()
endforeach()

message(STATUS "includes from one folder of src/ into another: ${crossing}")
message(STATUS "pairs of folders that include each other: ${mutual}")
if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "includes against the order of the layers (${FOLDERS}):\n  ${text}")
endif()
