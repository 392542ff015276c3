# The program itself links none of the libraries that only the horn, printing and the live page
# need: sound, printing and the live page's server come with their modules at first use. Lists every shared library
# the program loads at start.
#
#   cmake -DPROGRAMM=<program> -P startpfad_pruefen.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ldd "${PROGRAMM}" OUTPUT_VARIABLE bibliotheken RESULT_VARIABLE ergebnis)
if(NOT ergebnis EQUAL 0 OR NOT bibliotheken MATCHES "libQt6Widgets")
    message(FATAL_ERROR "ldd ${PROGRAMM} lieferte keine Bibliotheksliste:\n${bibliotheken}")
endif()
string(REGEX MATCHALL "libQt6(Multimedia|Network|PrintSupport|WebSockets|HttpServer)[^ ]*" verboten "${bibliotheken}")
if(verboten)
    message(FATAL_ERROR "Beim Start geladen, obwohl nur Ton, Druck oder die Live-Seite sie brauchen: ${verboten}")
endif()
message(STATUS "Der Start lädt weder Qt Multimedia noch Qt Network, Qt WebSockets, Qt HTTP Server oder Qt Print Support")
