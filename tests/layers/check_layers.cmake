# Checks that the folders under src/ include one another only downwards,
# and counts the includes that cross from one folder into another.
#
#   cmake -DSRC_DIR=src -DLAYERS="core;rules;ui;game,script,..." -P check_layers.cmake
#
# LAYERS lists the layers, the lowest first; a layer is one folder under
# src/ or several joined by commas. A file may include files of its own
# layer and of the layers before it, never of one after it. A folder in no
# layer, or an include of a layer above, fails the check and is named with
# its file and line.

if(NOT SRC_DIR OR NOT LAYERS)
  message(FATAL_ERROR "usage: cmake -DSRC_DIR=DIR -DLAYERS=a;b,c;d -P check_layers.cmake")
endif()

# The rank of every folder: the place of its layer in LAYERS.
set(rank 0)
foreach(layer IN LISTS LAYERS)
  string(REPLACE "," ";" folders "${layer}")
  foreach(folder IN LISTS folders)
    set(rank_of_${folder} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

get_filename_component(SRC_DIR ${SRC_DIR} ABSOLUTE)
file(GLOB_RECURSE sources RELATIVE ${SRC_DIR} ${SRC_DIR}/*.h ${SRC_DIR}/*.cpp)
list(SORT sources)

set(problems "")
set(crossing 0)
set(between_layers 0)
set(pairs "")
foreach(source IN LISTS sources)
  string(REGEX REPLACE "/.*" "" folder "${source}")
  if(NOT DEFINED rank_of_${folder})
    list(APPEND problems "src/${source}: the folder ${folder} has no place among the layers")
    continue()
  endif()
  file(STRINGS ${SRC_DIR}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "\"([^\"/]+)/[^\"]*\"" included "${line}")
    if(NOT included)
      continue()
    endif()
    set(target ${CMAKE_MATCH_1})
    if(target STREQUAL folder OR NOT DEFINED rank_of_${target})
      continue()  # its own folder, or not a folder of src/ (a system or front-end header)
    endif()
    math(EXPR crossing "${crossing} + 1")
    list(APPEND pairs "${folder}>${target}")
    if(NOT rank_of_${target} EQUAL rank_of_${folder})
      math(EXPR between_layers "${between_layers} + 1")
    endif()
    if(rank_of_${target} GREATER rank_of_${folder})
      list(APPEND problems "src/${source}: ${line} (${folder} lies below ${target})")
    endif()
  endforeach()
endforeach()

# Pairs of folders that include each other both ways.
list(REMOVE_DUPLICATES pairs)
set(mutual "")
foreach(pair IN LISTS pairs)
  string(REPLACE ">" ";" ends "${pair}")
  list(GET ends 0 from)
  list(GET ends 1 to)
  list(FIND pairs "${to}>${from}" back)
  if(NOT back EQUAL -1 AND from STRLESS to)
    list(APPEND mutual "${from}<>${to}")
  endif()
endforeach()
list(LENGTH mutual mutual_count)
list(JOIN mutual " " mutual_text)

message(STATUS "includes from one folder of src/ into another: ${crossing}, ${between_layers} of them between layers")
message(STATUS "pairs of folders that include each other: ${mutual_count} ${mutual_text}")
if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "includes against the order of the layers (${LAYERS}):\n  ${text}")
endif()
