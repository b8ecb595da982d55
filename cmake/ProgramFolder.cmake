# The program folder beside the program (bin/): the delivered account set and
# catalogue built by the schema builder, the delivered resource folders and the
# empty folders the program writes into.
#
# Run as a script (cmake -DSOURCE=... -DTARGET=... -P ProgramFolder.cmake) it copies
# the resource folders; included from the top CMakeLists.txt it sets up the build.

if(CMAKE_SCRIPT_MODE_FILE)
    foreach(folder report skinfiles 模板文件)
        if(IS_DIRECTORY "${SOURCE}/${folder}")
            # file(COPY) skips files already in place with the same time stamp.
            file(COPY "${SOURCE}/${folder}/" DESTINATION "${TARGET}/${folder}")
        endif()
    endforeach()
    foreach(folder Layout picture 数据备份)
        file(MAKE_DIRECTORY "${TARGET}/${folder}")
    endforeach()
    return()
endif()

# A tool that writes the two database files; it links only the schema builder and
# the database layer, so it needs no display.
add_executable(vestora-mkdata ${CMAKE_SOURCE_DIR}/tools/mkdata/main.cpp)
target_link_libraries(vestora-mkdata PRIVATE foundation_schema platform_db platform_base)
vestora_speed_up(vestora-mkdata)
set_target_properties(vestora-mkdata PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(_program_folder ${CMAKE_BINARY_DIR}/bin)
# Naming the tool's target makes the files depend on its binary, so they are
# rebuilt whenever the schema sources change.
add_custom_command(
    OUTPUT ${_program_folder}/data/jxc.mdb ${_program_folder}/data/codeinfo.dll
    COMMAND vestora-mkdata ${_program_folder}/data
    DEPENDS vestora-mkdata
    COMMENT "Building the delivered account set and catalogue"
    VERBATIM)

add_custom_target(vestora_layout ALL
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR}/resources -DTARGET=${_program_folder}
            -P ${CMAKE_CURRENT_LIST_FILE}
    DEPENDS ${_program_folder}/data/jxc.mdb ${_program_folder}/data/codeinfo.dll
    COMMENT "Laying out the program folder"
    VERBATIM)
add_dependencies(vestora vestora_layout)
