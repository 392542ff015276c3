# The room order: each folder of src/ ("room") may include headers of its own room and of the
# rooms listed before it in RAEUME, nothing above. Reads the #include "room/file.h" lines of every
# header and source file, so a violation is named with its file and line.
#
#   cmake -DQUELLEN=<src folder> -DRAEUME=<bottom|...|top> [-DAUSNAHMEN=<file>=<header>|...]
#         -P raeume_pruefen.cmake
#
# AUSNAHMEN lists single includes that may run upwards, as <file>=<included header>.
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" raeume "${RAEUME}")
string(REPLACE "|" ";" ausnahmen "${AUSNAHMEN}")
if(NOT raeume OR NOT IS_DIRECTORY "${QUELLEN}")
    message(FATAL_ERROR "Aufruf: -DQUELLEN=<Ordner> -DRAEUME=<unten|...|oben>")
endif()

file(REAL_PATH "${QUELLEN}" quellen BASE_DIRECTORY "$ENV{PWD}")
file(GLOB_RECURSE dateien RELATIVE "${quellen}" "${quellen}/*.h" "${quellen}/*.cpp")
list(SORT dateien)
if(NOT dateien)
    message(FATAL_ERROR "Keine Quelldateien in ${quellen}")
endif()
set(fehler "")
set(geprueft 0)
foreach(datei IN LISTS dateien)
    if(NOT datei MATCHES "^([^/]+)/")
        continue() # files at the top of src/ (generated headers) belong to no room
    endif()
    set(raum "${CMAKE_MATCH_1}")
    list(FIND raeume "${raum}" eigene_stufe)
    if(eigene_stufe EQUAL -1)
        string(APPEND fehler "  ${datei}: Raum \"${raum}\" steht nicht in der Raumtabelle\n")
        continue()
    endif()
    file(STRINGS "${quellen}/${datei}" zeilen REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(zeile IN LISTS zeilen)
        if(NOT zeile MATCHES "#[ \t]*include[ \t]*\"(([^/\"]+)/[^\"]+)\"")
            continue()
        endif()
        set(kopf "${CMAKE_MATCH_1}")
        set(ziel "${CMAKE_MATCH_2}")
        math(EXPR geprueft "${geprueft} + 1")
        list(FIND raeume "${ziel}" ziel_stufe)
        if(ziel_stufe EQUAL -1)
            string(APPEND fehler "  ${datei} bindet ${kopf} ein: Raum \"${ziel}\" steht nicht in der Raumtabelle\n")
        elseif(ziel_stufe GREATER eigene_stufe AND NOT "${datei}=${kopf}" IN_LIST ausnahmen)
            string(APPEND fehler "  ${datei} bindet ${kopf} ein: ${raum} liegt unter ${ziel}\n")
        endif()
    endforeach()
endforeach()

if(fehler)
    message(FATAL_ERROR "Raumordnung verletzt:\n${fehler}")
endif()
list(LENGTH dateien anzahl)
message(STATUS "${anzahl} Dateien, ${geprueft} Einbindungen geprüft: keine führt in einen höheren Raum")
