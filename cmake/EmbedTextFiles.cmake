# Writes a C++ source that holds every *.xml file of a directory as a string constant.
#   -DDIR=<directory> -DOUTPUT=<source file> -DNAMESPACE=<namespace, "::" allowed>
# Constant name = file name without suffix; the file's last line break is dropped, so a
# text that must start or end without one can be written as a normal text file.
file(GLOB files "${DIR}/*.xml")
list(SORT files)
set(delim "caldoryne_text")
set(out "// Generated from the files in ${DIR}; do not edit.\n")
string(APPEND out "namespace ${NAMESPACE} {\n\n")
foreach(f ${files})
  get_filename_component(name "${f}" NAME_WE)
  file(READ "${f}" text)
  string(REGEX REPLACE "\r?\n$" "" text "${text}")
  string(FIND "${text}" ")${delim}\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${f} contains the raw string delimiter")
  endif()
  string(APPEND out "extern const char * const ${name};\nconst char * const ${name} = R\"${delim}(${text})${delim}\";\n\n")
endforeach()
string(APPEND out "} // namespace ${NAMESPACE}\n")
file(WRITE "${OUTPUT}" "${out}")
