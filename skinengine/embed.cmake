# Writes a C++ source that defines vantrel::enginebytes() over the bytes of INPUT, the built
# skin engine. Run as: cmake -DINPUT=SkinH_EL.dll -DOUTPUT=enginebytes.cpp -P embed.cmake
# Pure CMake, so cross builds need nothing compiled for the build machine.

foreach(required INPUT OUTPUT)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "embed.cmake: ${required} is not set")
    endif()
endforeach()

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexlength)
if(hexlength EQUAL 0)
    message(FATAL_ERROR "embed.cmake: ${INPUT} is empty")
endif()

string(REPEAT "[0-9a-f]" 48 linepattern)
string(REGEX REPLACE "(${linepattern})" "\\1\n" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")

file(WRITE "${OUTPUT}"
    "// Generated from ${INPUT} by embed.cmake; do not edit.\n"
    "#include \"skinengine/enginebytes.h\"\n\n"
    "namespace vantrel {\n\n"
    "namespace {\n"
    "const unsigned char bytes[] = {\n${bytes}\n};\n"
    "} // namespace\n\n"
    "std::span<const unsigned char> enginebytes() { return bytes; }\n\n"
    "} // namespace vantrel\n")
