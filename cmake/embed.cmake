# Writes a C++ source that defines one function over the bytes of a file, so the program and
# the tools carry their pictures, engine and word list inside themselves. Pure CMake: cross
# builds need nothing compiled for the build machine. Run as
#   cmake -DINPUT=file -DOUTPUT=file.cpp -DHEADER=dir/header.h -DNAMESPACE=vantrel
#         -DFUNCTION=name [-DTYPE=text] -P embed.cmake
# The function returns std::span<const unsigned char>, or std::string_view with TYPE=text.

foreach(required INPUT OUTPUT HEADER NAMESPACE FUNCTION)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "embed.cmake: ${required} is not set")
    endif()
endforeach()

file(READ "${INPUT}" hex HEX)
# 24 bytes to a line keeps the generated file readable and its lines short.
string(REPEAT "[0-9a-f]" 48 linepattern)
string(REGEX REPLACE "(${linepattern})" "\\1\n" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")

if(TYPE STREQUAL "text")
    string(CONCAT definition "std::string_view ${FUNCTION}() {\n"
                  "    return {reinterpret_cast<const char*>(bytes), sizeof bytes - 1};\n}\n")
else()
    string(CONCAT definition "std::span<const unsigned char> ${FUNCTION}() {\n"
                  "    return {bytes, sizeof bytes - 1};\n}\n")
endif()

# A closing zero keeps the array valid for an empty file; it is not part of the bytes.
file(WRITE "${OUTPUT}.new"
    "// Generated from ${INPUT} by embed.cmake; do not edit.\n"
    "#include \"${HEADER}\"\n\n"
    "namespace ${NAMESPACE} {\n\n"
    "namespace {\n"
    "const unsigned char bytes[] = {\n${bytes}\n0};\n"
    "} // namespace\n\n"
    "${definition}"
    "\n} // namespace ${NAMESPACE}\n")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
