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

if(HALVANE_FUZZ)
    # Coverage for libFuzzer in every library the fuzz targets link.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
