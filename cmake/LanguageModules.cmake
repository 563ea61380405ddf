# Language modules. Each program's translations are Qt translation sources in data/translations
# (<program>_<code>.ts); lrelease compiles each into the module beside the program in
# <build>/bin, named after the program with the language's extension (Halvane.DEU), and it is
# installed beside the program. The target update_translations runs lupdate over the programs'
# sources to bring the .ts files up to date (new texts arrive unfinished; texts the code no
# longer has are dropped); translations_complete (tests/localisation) fails while any text lacks
# a finished translation.

find_program(HALVANE_LRELEASE NAMES lrelease lrelease-qt6
             HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin REQUIRED)
find_program(HALVANE_LUPDATE NAMES lupdate lupdate-qt6
             HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin REQUIRED)

set(HALVANE_TRANSLATIONS_DIR ${PROJECT_SOURCE_DIR}/data/translations)
add_custom_target(update_translations)

# halvane_language_modules(<program target>
#     SOURCES <folders and files whose texts the modules translate>...
#     MODULES <language code>=<module extension>...)
# Also writes <build>/translations/<program>.modules, which tells the tests the sources, the
# translation sources and the modules: lines "source <path>" and "module <code> <ts> <module>".
# lupdate reads the sources with the project folder as include path, so that it knows the class
# of every tr().
function(halvane_language_modules program)
    cmake_parse_arguments(ARG "" "" "SOURCES;MODULES" ${ARGN})
    set(modules)
    set(ts_files)
    set(manifest "")
    file(MAKE_DIRECTORY ${HALVANE_BIN_DIR})
    foreach(source ${ARG_SOURCES})
        string(APPEND manifest "source ${source}\n")
    endforeach()
    foreach(entry ${ARG_MODULES})
        string(REPLACE "=" ";" parts ${entry})
        list(GET parts 0 code)
        list(GET parts 1 extension)
        set(ts ${HALVANE_TRANSLATIONS_DIR}/${program}_${code}.ts)
        set(module ${HALVANE_BIN_DIR}/${program}.${extension})
        add_custom_command(OUTPUT ${module}
            COMMAND ${HALVANE_LRELEASE} -silent -nounfinished ${ts} -qm ${module}
            DEPENDS ${ts}
            COMMENT "Language module ${program}.${extension}"
            VERBATIM)
        list(APPEND modules ${module})
        list(APPEND ts_files ${ts})
        string(APPEND manifest "module ${code} ${ts} ${module}\n")
    endforeach()
    add_custom_target(${program}_language_modules ALL DEPENDS ${modules})
    add_dependencies(${program} ${program}_language_modules)
    install(FILES ${modules} DESTINATION bin)
    file(WRITE ${PROJECT_BINARY_DIR}/translations/${program}.modules "${manifest}")

    add_custom_target(update_${program}_translations
        COMMAND ${HALVANE_LUPDATE} -silent -no-obsolete -locations none -I ${PROJECT_SOURCE_DIR}
                ${ARG_SOURCES} -ts ${ts_files}
        COMMENT "Updating the translation sources of ${program}"
        VERBATIM)
    add_dependencies(update_translations update_${program}_translations)
endfunction()
