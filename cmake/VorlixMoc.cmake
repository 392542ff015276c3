# moc for the executables beside the program (tests, benchmarks, fuzz targets and tools): each
# holds its QObject classes in its own .cpp, and moc needs nothing but that file. AUTOMOC would hand
# moc every include path, and moc would then parse all of Qt and the standard library again for
# each executable, about 5 s apiece.
function(vorlix_moc_eigene_quellen ziel)
    set_target_properties(${ziel} PROPERTIES AUTOMOC OFF)
    get_target_property(quellen ${ziel} SOURCES)
    set(moc_ordner ${CMAKE_CURRENT_BINARY_DIR}/${ziel}_moc)
    # Ninja makes the folder of an output itself, Make does not.
    file(MAKE_DIRECTORY ${moc_ordner})
    foreach(quelle IN LISTS quellen)
        get_filename_component(pfad ${quelle} ABSOLUTE)
        if(NOT pfad MATCHES "\\.cpp$")
            continue()
        endif()
        file(STRINGS ${pfad} qobjekt REGEX "Q_OBJECT|Q_GADGET|Q_NAMESPACE")
        if(NOT qobjekt)
            continue()
        endif()
        get_filename_component(stamm ${pfad} NAME_WE)
        add_custom_command(OUTPUT ${moc_ordner}/${stamm}.moc
            COMMAND Qt6::moc ${pfad} -o ${moc_ordner}/${stamm}.moc
            DEPENDS ${pfad} Qt6::moc
            COMMENT "moc ${stamm}.cpp"
            VERBATIM)
        target_sources(${ziel} PRIVATE ${moc_ordner}/${stamm}.moc)
        target_include_directories(${ziel} PRIVATE ${moc_ordner})
    endforeach()
endfunction()
