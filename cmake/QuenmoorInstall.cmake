# The install rules of the product; the folders are those of QuenmoorInstallDirs.cmake.

# The runtime is found beside the components ($ORIGIN) and, from bin/, in their folder.
set_target_properties(quenmoorcom PROPERTIES INSTALL_RPATH "")
foreach(component quenmoortools workbook)
    set_target_properties(${component} PROPERTIES INSTALL_RPATH "$ORIGIN")
endforeach()
install(TARGETS quenmoorcom quenmoortools workbook
        LIBRARY DESTINATION ${QUENMOOR_INSTALL_COMPONENTDIR}
                PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${CMAKE_LIBRARY_OUTPUT_DIRECTORY}/Options.xls
              ${CMAKE_LIBRARY_OUTPUT_DIRECTORY}/material.xls
              $<TARGET_PROPERTY:quenmoorhelp,HELP_FILE>
        DESTINATION ${QUENMOOR_INSTALL_COMPONENTDIR})

if(QUENMOOR_BUILD_CADHOST)
    foreach(program cadhost regsvr)
        set_target_properties(${program} PROPERTIES
            INSTALL_RPATH "$ORIGIN/${QUENMOOR_COMPONENTS_FROM_BINDIR}")
    endforeach()
    install(TARGETS cadhost regsvr RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # The tour opens examples/... from the folder it is run in, as in the repository.
    install(FILES examples/bracket.json examples/frame.json examples/bracket-drawing.json
                  examples/tour.qms
            DESTINATION ${QUENMOOR_INSTALL_DATADIR}/examples)
endif()

if(QUENMOOR_BUILD_FREECAD)
    set_target_properties(quenmoorhost PROPERTIES INSTALL_RPATH "$ORIGIN")
    install(TARGETS quenmoorhost
            LIBRARY DESTINATION ${QUENMOOR_INSTALL_COMPONENTDIR}
                    PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    install(FILES examples/freecad/bracket.FCStd examples/freecad/frame.FCStd
                  examples/freecad/bracket-drawing.FCStd
            DESTINATION ${QUENMOOR_INSTALL_DATADIR}/examples/freecad)
    set(workbench ${QUENMOOR_FREECAD_MOD_DIR}/Quenmoor)
    install(DIRECTORY freecadhost/workbench/ DESTINATION ${workbench}
            FILES_MATCHING PATTERN "*.py" PATTERN "*.svg" PATTERN "package.xml"
                           PATTERN "__pycache__" EXCLUDE)
    # The workbench's lib folder is where its startup looks for the bridge and the add-in:
    # a relative link to the components' folder, whatever the prefix.
    file(RELATIVE_PATH link_target ${CMAKE_INSTALL_PREFIX}/${workbench}
         ${CMAKE_INSTALL_PREFIX}/${QUENMOOR_INSTALL_COMPONENTDIR})
    install(CODE "
        set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${workbench}/lib\")
        message(STATUS \"Installing: \${link} -> ${link_target}\")
        file(CREATE_LINK \"${link_target}\" \"\${link}\" SYMBOLIC)
        list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${link}\")")
endif()

add_subdirectory(packaging)
