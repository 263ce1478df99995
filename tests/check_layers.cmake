# Fails when a source of the program includes a header of a folder above its
# own. Folders named together share a layer; a folder of src/ that is not
# named here fails the check until it is given its place.
set(layers
  "platform res"
  "i18n"
  "settings"
  "protocol"
  "prefs"
  "link"
  "ui"
  "pages"
  "operations"
  "app")

set(level 0)
foreach(layer IN LISTS layers)
  separate_arguments(folders UNIX_COMMAND "${layer}")
  foreach(folder IN LISTS folders)
    set(level_of_${folder} ${level})
  endforeach()
  math(EXPR level "${level} + 1")
endforeach()

file(GLOB folders LIST_DIRECTORIES true RELATIVE ${ROOT}/src ${ROOT}/src/*)
set(offenders "")
set(checked 0)
foreach(folder IN LISTS folders)
  if(NOT IS_DIRECTORY ${ROOT}/src/${folder})
    continue()
  endif()
  if(NOT DEFINED level_of_${folder})
    list(APPEND offenders "src/${folder}/ has no layer")
    continue()
  endif()
  file(GLOB_RECURSE files ${ROOT}/src/${folder}/*.h ${ROOT}/src/${folder}/*.cpp ${ROOT}/src/${folder}/*.rc)
  foreach(f IN LISTS files)
    math(EXPR checked "${checked} + 1")
    file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[A-Za-z0-9_-]+/")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([A-Za-z0-9_-]+)/.*$" "\\1" target "${line}")
      if(NOT DEFINED level_of_${target})
        list(APPEND offenders "${f}: ${line} (not a layer)")
      elseif(level_of_${target} GREATER level_of_${folder})
        list(APPEND offenders "${f}: ${line} (${folder} may not use ${target})")
      endif()
    endforeach()
  endforeach()
endforeach()
if(offenders)
  list(JOIN offenders "\n" text)
  message(FATAL_ERROR "Includes that point up:\n${text}")
endif()
message(STATUS "${checked} files, every include points down")
