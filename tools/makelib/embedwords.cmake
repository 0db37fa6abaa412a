# Writes a C++ source defining vantrel::starterwordlist() over the bytes of INPUT (the UTF-8
# word list). Run as: cmake -DINPUT=words.txt -DOUTPUT=starterwords.cpp -P embedwords.cmake
# Pure CMake, so nothing is compiled for the build machine.

foreach(required INPUT OUTPUT)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "embedwords.cmake: ${required} is not set")
    endif()
endforeach()

file(READ "${INPUT}" hex HEX)
string(REPEAT "[0-9a-f]" 48 linepattern)
string(REGEX REPLACE "(${linepattern})" "\\1\n" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")

file(WRITE "${OUTPUT}.new"
    "// Generated from ${INPUT} by embedwords.cmake; do not edit.\n"
    "#include \"starterwords.h\"\n\n"
    "namespace vantrel {\n\n"
    "namespace {\n"
    "const unsigned char bytes[] = {\n${bytes}\n0};\n"
    "} // namespace\n\n"
    "std::string_view starterwordlist() {\n    return {reinterpret_cast<const char*>(bytes), sizeof bytes - 1};\n}\n\n"
    "} // namespace vantrel\n")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
