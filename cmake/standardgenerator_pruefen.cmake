# Configures the project with CMake's default generator (Unix Makefiles here, as IDEs and
# packagers use it) in a folder of its own and builds one small target that runs moc, so a
# build step that relies on Ninja's habits shows up.
#
#   cmake -DQUELLEN=<source folder> -DORDNER=<build folder> -DCXX=<compiler> -DZIEL=<target>
#         -P standardgenerator_pruefen.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${ORDNER}")
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=CMAKE_GENERATOR
            ${CMAKE_COMMAND} -S "${QUELLEN}" -B "${ORDNER}" -DCMAKE_CXX_COMPILER=${CXX}
            -DCMAKE_BUILD_TYPE=Debug
    RESULT_VARIABLE ergebnis OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
if(NOT ergebnis EQUAL 0)
    message(FATAL_ERROR "Konfigurieren mit dem Standardgenerator schlug fehl:\n${ausgabe}")
endif()
file(STRINGS "${ORDNER}/CMakeCache.txt" generator REGEX "^CMAKE_GENERATOR:")
string(REGEX REPLACE "^[^=]*=" "" generator "${generator}")
execute_process(COMMAND ${CMAKE_COMMAND} --build "${ORDNER}" --target ${ZIEL}
    RESULT_VARIABLE ergebnis OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
if(NOT ergebnis EQUAL 0)
    message(FATAL_ERROR "${ZIEL} ließ sich mit ${generator} nicht bauen:\n${ausgabe}")
endif()
file(REMOVE_RECURSE "${ORDNER}")
message(STATUS "${ZIEL} gebaut mit ${generator}")
