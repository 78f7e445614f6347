# The five commands as GNU Octave loads them: <name>.mex modules linked
# against Octave's own interpreter libraries, the board library beside them
# (found through an rpath of $ORIGIN, so one copy serves every module of a
# process) and one help file per command. Left out when Octave's
# development files are missing.
find_program(MKOCTFILE mkoctfile)
find_program(OCTAVE_CLI octave-cli)
if(NOT MKOCTFILE OR NOT OCTAVE_CLI)
    message(STATUS "Octave not found: its modules and tests are left out")
    return()
endif()

execute_process(COMMAND ${MKOCTFILE} -p OCTLIBDIR
    OUTPUT_VARIABLE OCTAVE_LIBRARY_DIR OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
execute_process(COMMAND ${MKOCTFILE} -p OCTAVE_LIBS
    OUTPUT_VARIABLE OCTAVE_LIBS OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
separate_arguments(OCTAVE_LIBS UNIX_COMMAND "${OCTAVE_LIBS}")

# The modules pass sizes as 64-bit values; an Octave built with 32-bit
# indexing would read only half of each.
execute_process(COMMAND ${OCTAVE_CLI} --norc --quiet --no-history
        --eval "printf('%d', sizemax() > intmax('int32'))"
    OUTPUT_VARIABLE OCTAVE_64BIT_SIZES ERROR_QUIET)
if(NOT OCTAVE_64BIT_SIZES STREQUAL "1")
    message(WARNING "Octave at ${OCTAVE_CLI} uses 32-bit sizes: its modules are left out")
    return()
endif()

set(OCTAVE_MODULE_DIR ${PROJECT_BINARY_DIR}/octave)
set(OCTAVE_COMMANDS ExciteAcquire HaltBoard BoardState FetchSamples DriverTrace)

# add_octave_command(<name> SOURCES <files>)
function(add_octave_command name)
    cmake_parse_arguments(ARG "" "" "SOURCES" ${ARGN})
    set(target octave_${name})
    add_library(${target} MODULE ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/gateway/api_version.cpp)
    set_target_properties(${target} PROPERTIES
        OUTPUT_NAME ${name} PREFIX "" SUFFIX ".mex"
        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
        LIBRARY_OUTPUT_DIRECTORY ${OCTAVE_MODULE_DIR}
        BUILD_WITH_INSTALL_RPATH ON INSTALL_RPATH "$ORIGIN")
    target_compile_definitions(${target} PRIVATE VELKORA_HOST_OCTAVE)
    target_link_directories(${target} PRIVATE ${OCTAVE_LIBRARY_DIR})
    target_link_libraries(${target} PRIVATE velkora64 ${OCTAVE_LIBS} m)
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
endfunction()

add_octave_command(ExciteAcquire SOURCES ${EXPERIMENT_SOURCES})
add_octave_command(HaltBoard SOURCES commands/HaltBoard.cpp)
add_octave_command(BoardState SOURCES commands/BoardState.cpp)
add_octave_command(FetchSamples SOURCES commands/FetchSamples.cpp)
add_octave_command(DriverTrace SOURCES commands/DriverTrace.cpp)

# The board library and the help files go beside the modules.
set(octave_extras ${OCTAVE_MODULE_DIR}/libvelkora64.so)
add_custom_command(OUTPUT ${OCTAVE_MODULE_DIR}/libvelkora64.so
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:velkora64> ${OCTAVE_MODULE_DIR}/libvelkora64.so
    DEPENDS velkora64)
foreach(help_file ${OCTAVE_COMMANDS} Contents)
    set(source ${PROJECT_SOURCE_DIR}/matlab/${help_file}.m)
    add_custom_command(OUTPUT ${OCTAVE_MODULE_DIR}/${help_file}.m
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${OCTAVE_MODULE_DIR}/${help_file}.m
        DEPENDS ${source})
    list(APPEND octave_extras ${OCTAVE_MODULE_DIR}/${help_file}.m)
endforeach()
add_custom_target(octave_modules ALL DEPENDS ${octave_extras})
foreach(name ${OCTAVE_COMMANDS})
    add_dependencies(octave_modules octave_${name})
endforeach()

# One Octave process per test; each sets up its own journal.
set(OCTAVE_TEST_RUN ${OCTAVE_CLI} --norc --quiet --no-history --no-window-system)
add_test(NAME octave_commands
    COMMAND ${OCTAVE_TEST_RUN} ${PROJECT_SOURCE_DIR}/tests/octave/test_commands.m
        ${OCTAVE_MODULE_DIR} ${PROJECT_SOURCE_DIR}/tests/data)
add_test(NAME octave_build_mex
    COMMAND ${OCTAVE_TEST_RUN} ${PROJECT_SOURCE_DIR}/tests/octave/test_build_mex.m
        ${PROJECT_SOURCE_DIR} $<TARGET_FILE_DIR:velkora64>)
set_tests_properties(octave_commands PROPERTIES TIMEOUT 120 LABELS octave)
set_tests_properties(octave_build_mex PROPERTIES TIMEOUT 600 LABELS octave)
