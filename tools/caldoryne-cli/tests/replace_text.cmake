# Writes a copy of a file with one text replaced, for test inputs made from shipped files:
#   -DSOURCE=<file> -DOUT=<file> -DFROM=<text, must occur> -DTO=<text>
file(READ "${SOURCE}" content)
string(FIND "${content}" "${FROM}" pos)
if(pos EQUAL -1)
  message(FATAL_ERROR "'${FROM}' not in ${SOURCE}")
endif()
string(REPLACE "${FROM}" "${TO}" content "${content}")
get_filename_component(dir "${OUT}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
file(WRITE "${OUT}" "${content}")
