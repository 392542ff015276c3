# The layer rule as the compiler saw it: no object of the logic library may include a header of
# Qt Widgets, Qt Print Support or Qt Multimedia, directly or through other headers. Reads the
# dependency lists the compiler wrote for each object: the "<object>.d" files, or, where Ninja
# has taken them into its own log, what "ninja -t deps" prints of them.
#
#   cmake -DOBJEKTE=<a|b|...> -DBAUORDNER=<build folder> [-DNINJA=<ninja>] -P schichten_pruefen.cmake
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" objekte "${OBJEKTE}")
if(NOT objekte)
    message(FATAL_ERROR "Keine Objektdateien angegeben")
endif()
set(verboten "/(QtWidgets|QtPrintSupport|QtMultimedia[A-Za-z]*)/")

set(fehler "")
foreach(objekt IN LISTS objekte)
    if(EXISTS "${objekt}.d")
        file(READ "${objekt}.d" abhaengigkeiten)
    elseif(NINJA)
        file(RELATIVE_PATH ziel "${BAUORDNER}" "${objekt}")
        execute_process(COMMAND "${NINJA}" -C "${BAUORDNER}" -t deps "${ziel}"
                        OUTPUT_VARIABLE abhaengigkeiten RESULT_VARIABLE ergebnis)
        if(NOT ergebnis EQUAL 0 OR NOT abhaengigkeiten MATCHES "#deps [1-9]")
            set(abhaengigkeiten "")
        endif()
    endif()
    if(NOT abhaengigkeiten)
        string(APPEND fehler "  ${objekt}: keine Abhängigkeitsliste des Compilers gefunden\n")
        continue()
    endif()
    string(REGEX MATCHALL "[^ \t\r\n\\\\]*${verboten}[^ \t\r\n\\\\]*" treffer "${abhaengigkeiten}")
    if(treffer)
        list(GET treffer 0 erster)
        string(APPEND fehler "  ${objekt} bindet ${erster} ein\n")
    endif()
endforeach()

list(LENGTH objekte anzahl)
if(fehler)
    message(FATAL_ERROR "Schichtregel verletzt:\n${fehler}")
endif()
message(STATUS "${anzahl} Objekte der Logik ohne Widgets-, PrintSupport- oder Multimedia-Kopfdatei")
