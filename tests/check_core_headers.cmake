# Fails when a file of the platform-neutral core includes a Windows header.
file(GLOB_RECURSE core_files
  ${ROOT}/src/settings/*.h ${ROOT}/src/settings/*.cpp
  ${ROOT}/src/i18n/*.h ${ROOT}/src/i18n/*.cpp
  ${ROOT}/src/protocol/*.h ${ROOT}/src/protocol/*.cpp)
set(offenders "")
foreach(f IN LISTS core_files)
  file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]([Ww]in[A-Za-z0-9_]*|[Ww]s2[A-Za-z0-9_]*|[Cc]ommctrl|[Ss]hellapi|[Cc]ommdlg|[Ii]phlpapi|[Ii]cmpapi|[Ss]etupapi|[Ww]inspool)\\.h[>\"]")
  if(lines)
    list(APPEND offenders "${f}: ${lines}")
  endif()
endforeach()
if(offenders)
  message(FATAL_ERROR "Windows headers in the core:\n${offenders}")
endif()
list(LENGTH core_files n)
message(STATUS "${n} core files, no Windows header")
