# The 64-bit Windows build (configure with cmake/toolchain-mingw64.cmake).
#
# Each command becomes <name>.mexw64 that exports only its two entry points
# and binds by name, at load time, to libmx.dll, libmex.dll and
# velkora64.dll. It links against import libraries made from our own .def
# files, never against the stand-ins, so that the same files load in MATLAB
# beside the board's own driver. The compiler's runtime is linked in
# statically: a module needs nothing else but Windows' own DLLs.
#
# The stand-ins (libmx.dll, libmex.dll, velkora64.dll) and mexrun.exe land
# in the same folder, so the modules can be run there under Wine.
if(NOT WIN32)
    return()
endif()

set(WIN64_OUTPUT_DIR ${PROJECT_BINARY_DIR}/win64)
find_program(MINGW_DLLTOOL NAMES x86_64-w64-mingw32-dlltool REQUIRED)

# add_import_library(<target> <def file>): an import library for the DLL
# that the .def file names.
function(add_import_library target def_file)
    get_filename_component(dll ${def_file} NAME_WE)
    set(output ${PROJECT_BINARY_DIR}/imports/${dll}.a)
    file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/imports)
    add_custom_command(OUTPUT ${output}
        COMMAND ${MINGW_DLLTOOL} --input-def ${def_file} --output-lib ${output}
        DEPENDS ${def_file}
        COMMENT "Import library ${output}")
    add_custom_target(${target}_generate DEPENDS ${output})
    add_library(${target} STATIC IMPORTED GLOBAL)
    set_target_properties(${target} PROPERTIES IMPORTED_LOCATION ${output})
    add_dependencies(${target} ${target}_generate)
endfunction()

add_import_library(libmx_imports ${PROJECT_SOURCE_DIR}/gateway/libmx.def)
add_import_library(libmex_imports ${PROJECT_SOURCE_DIR}/gateway/libmex.def)
add_import_library(velkora64_imports ${PROJECT_SOURCE_DIR}/driver/velkora64.def)

# The compiler's runtime (libgcc, libstdc++, winpthread) from its static
# archives; -s keeps the shipped files free of debug information.
set(WIN64_STATIC_RUNTIME -static -static-libgcc -static-libstdc++ $<$<CONFIG:Release>:-s>)

# Replaces the Linux add_mex_command: the same sources and libraries, the
# libraries taken from the import libraries above.
function(add_mex_command name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} MODULE ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/gateway/api_version.cpp)
    set_target_properties(${name} PROPERTIES
        PREFIX "" SUFFIX ".mexw64"
        LIBRARY_OUTPUT_DIRECTORY ${WIN64_OUTPUT_DIR})
    foreach(library IN LISTS ARG_LIBS)
        if(library STREQUAL "mx")
            target_link_libraries(${name} PRIVATE libmx_imports)
        elseif(library STREQUAL "mex")
            target_link_libraries(${name} PRIVATE libmex_imports)
        elseif(library STREQUAL "velkora64")
            target_link_libraries(${name} PRIVATE velkora64_imports)
        elseif(NOT library STREQUAL "m")  # the maths are in the C runtime
            message(FATAL_ERROR "${name}: no Windows import library for ${library}")
        endif()
    endforeach()
    target_link_options(${name} PRIVATE ${WIN64_STATIC_RUNTIME})
    install(FILES $<TARGET_FILE:${name}> DESTINATION .)
endfunction()

# The stand-ins under their Windows names: the board's library is
# velkora64.dll. MinGW's own printf family, so that "%f" prints as glibc's.
set_target_properties(velkora64 PROPERTIES PREFIX "")
foreach(target mx mex velkora64 mexhost mexrun)
    target_compile_definitions(${target} PRIVATE __USE_MINGW_ANSI_STDIO=1)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${WIN64_OUTPUT_DIR})
endforeach()
# libmx.dll and libmex.dll export all their functions, the host's too, but
# none of the runtime linked into them.
foreach(target mx mex velkora64 mexrun)
    target_link_options(${target} PRIVATE ${WIN64_STATIC_RUNTIME}
        -Wl,--exclude-libs,libgcc.a:libgcc_eh.a:libstdc++.a:libpthread.a:libwinpthread.a)
    install(FILES $<TARGET_FILE:${target}> DESTINATION .)
endforeach()
