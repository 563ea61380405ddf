# Warnings are errors everywhere; the sanitizer build instruments every target (tests included).
add_compile_options(-Wall -Wextra -Werror)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # At -O2 g++ 12 reports std::string assignments as overlapping copies and std::regex and
    # std::function internals as uninitialised: false positives inside the standard library,
    # fixed in g++ 13.
    add_compile_options(-Wno-restrict -Wno-maybe-uninitialized)
endif()

if(HALVANE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

# Declares a test executable from sources and registers every GoogleTest case with ctest;
# PROPERTIES (name value ...) are further ctest properties of every case, e.g. LABELS or TIMEOUT.
function(halvane_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" ${ARG_PROPERTIES})
endfunction()

# Programs go to <build>/bin, with the table files beside them: TABEN.DDF as the driver expects,
# and the logger's translated ones.
set(HALVANE_BIN_DIR ${PROJECT_BINARY_DIR}/bin)
set(HALVANE_TABLE_FILES TABEN.DDF TABCZ.DDF TABDE.DDF TABES.DDF TABFR.DDF TABPL.DDF TABSK.DDF)
foreach(table ${HALVANE_TABLE_FILES})
    configure_file(${PROJECT_SOURCE_DIR}/data/${table} ${HALVANE_BIN_DIR}/${table} COPYONLY)
endforeach()
function(halvane_program target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${HALVANE_BIN_DIR})
    install(TARGETS ${target} RUNTIME DESTINATION bin)
endfunction()
list(TRANSFORM HALVANE_TABLE_FILES PREPEND ${PROJECT_SOURCE_DIR}/data/ OUTPUT_VARIABLE table_paths)
install(FILES ${table_paths} DESTINATION share/halvane)
if(HALVANE_FUZZ)
    # Coverage for libFuzzer in every library the fuzz targets link.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
