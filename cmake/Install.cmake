# Where things go, in the build tree and installed (GNUInstallDirs): the programs in bin/, the
# data files they read at run time (table files, language modules) in share/halvane, documents
# in share/doc/halvane. In the build tree the programs run from <build>/bin with their data files
# beside them; installed, they find those in ../share/halvane (platform/folders/DataFiles).
include(GNUInstallDirs)
set(HALVANE_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/halvane)
set(HALVANE_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/halvane)
# The installed data folder as the installed programs see it, for the programs' look-up.
file(RELATIVE_PATH HALVANE_DATA_FROM_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/halvane)
set(HALVANE_BIN_DIR ${PROJECT_BINARY_DIR}/bin)

# A program: built into <build>/bin and installed into bin/.
function(halvane_program target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${HALVANE_BIN_DIR})
    install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

# Data files the programs read at run time (table files, language modules): installed into
# share/halvane. A file of the source tree is also copied beside the programs in <build>/bin
# (again whenever it changes); a file the build makes must be made there, in HALVANE_BIN_DIR,
# by its own rule.
function(halvane_install_data)
    foreach(file IN LISTS ARGN)
        cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} NORMALIZE)
        cmake_path(GET file PARENT_PATH folder)
        if(NOT folder PATH_EQUAL HALVANE_BIN_DIR)
            cmake_path(IS_PREFIX PROJECT_BINARY_DIR ${file} made_by_the_build)
            if(made_by_the_build)
                message(FATAL_ERROR "halvane_install_data: ${file} is made outside "
                                    "${HALVANE_BIN_DIR}, where the programs look for it")
            endif()
            cmake_path(GET file FILENAME name)
            configure_file(${file} ${HALVANE_BIN_DIR}/${name} COPYONLY)
        endif()
        install(FILES ${file} DESTINATION ${HALVANE_INSTALL_DATADIR})
    endforeach()
endfunction()
