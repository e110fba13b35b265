# One static library per module, linked one way. A module may include the headers of its own folder and
# of the modules it links (directly or through them); an include of any other module's header fails the
# build of the module that has it, before it compiles.
#
#   vexar_module(<target> FOLDER <folder below src> SOURCES <files> [DEPENDS <modules>] [LIBRARIES <libs>])
#
# VEXAR_MODULE_FOLDERS lists every module's folder below src.

set(VEXAR_LAYERING_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/check_includes.cmake)

function(vexar_module target)
    cmake_parse_arguments(M "" "FOLDER" "SOURCES;DEPENDS;LIBRARIES" ${ARGN})
    add_library(${target} STATIC ${M_SOURCES})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    # A module's headers include its dependencies' headers, so they are public; system libraries are not.
    target_link_libraries(${target} PUBLIC vexar_warnings ${M_DEPENDS} PRIVATE ${M_LIBRARIES})

    set(allowed ${M_FOLDER})
    foreach(dependency IN LISTS M_DEPENDS)
        get_property(reachable GLOBAL PROPERTY VEXAR_FOLDERS_OF_${dependency})
        list(APPEND allowed ${reachable})
    endforeach()
    list(REMOVE_DUPLICATES allowed)
    set_property(GLOBAL PROPERTY VEXAR_FOLDERS_OF_${target} ${allowed})
    if(NOT M_FOLDER IN_LIST VEXAR_MODULE_FOLDERS)
        message(FATAL_ERROR "${M_FOLDER} is not in VEXAR_MODULE_FOLDERS")
    endif()

    list(TRANSFORM M_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE files)
    string(REPLACE ";" "|" allowed_arg "${allowed}")
    string(REPLACE ";" "|" files_arg "${files}")
    string(REPLACE ";" "|" modules_arg "${VEXAR_MODULE_FOLDERS}")
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.layering)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DMODULE=${M_FOLDER} -DALLOWED=${allowed_arg} -DFILES=${files_arg}
                -DMODULES=${modules_arg}
                -P ${VEXAR_LAYERING_SCRIPT}
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${files} ${VEXAR_LAYERING_SCRIPT}
        COMMENT "Checking the includes of ${M_FOLDER}"
        VERBATIM)
    add_custom_target(${target}_layering DEPENDS ${stamp})
    add_dependencies(${target} ${target}_layering)
endfunction()
