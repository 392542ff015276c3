# Modules: parts of the program that need large libraries of their own (Qt Multimedia for the
# horn, Qt Print Support for printing and the printing windows) are plugins beside the program,
# loaded at their first use through modul<Schnittstelle>("name") (src/shell/module.h). So the
# program does not link those libraries and start-up loads none of them.
include(GNUInstallDirs)
set(VORLIX_MODUL_ORDNER ${CMAKE_BINARY_DIR}/src/app)
# Installed beside the program's libraries; the program finds them relative to its own folder.
set(VORLIX_MODUL_INSTALL_ORDNER ${CMAKE_INSTALL_LIBDIR}/vorlix)
file(RELATIVE_PATH VORLIX_MODUL_RELATIV ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${VORLIX_MODUL_INSTALL_ORDNER})
add_custom_target(vorlix_module)

function(vorlix_modul name)
    cmake_parse_arguments(ARG "" "SCHICHT" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_SCHICHT)
        set(ARG_SCHICHT LOGIK)
    endif()
    add_library(${name} MODULE ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    vorlix_pch(${name} ${ARG_SCHICHT})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src)
    set_target_properties(${name} PROPERTIES
        PREFIX ""
        LIBRARY_OUTPUT_DIRECTORY ${VORLIX_MODUL_ORDNER})
    add_dependencies(vorlix_module ${name})
    install(TARGETS ${name} LIBRARY DESTINATION ${VORLIX_MODUL_INSTALL_ORDNER})

    # The same module as a static plugin: a test that reaches into the module's classes links
    # it and says Q_IMPORT_PLUGIN(<plugin class>); modul<>() then takes it instead of the file.
    # QT_STATICPLUGIN changes the plugin macros, so it compiles its one source a second time,
    # without the shared precompiled headers, which were made without it.
    add_library(${name}_statisch STATIC EXCLUDE_FROM_ALL ${ARG_SOURCES})
    target_compile_definitions(${name}_statisch PRIVATE QT_STATICPLUGIN)
    target_link_libraries(${name}_statisch PUBLIC ${ARG_LIBS})
    target_include_directories(${name}_statisch PRIVATE ${CMAKE_SOURCE_DIR}/src)
endfunction()
