# Fails when a file of a code folder, or of that folder's tests, includes a header of a folder
# above its own in the stack.
#
#   cmake -DSOURCE_DIR=<top> -DLAYERS=<folder,folder,...> -P check_layer_includes.cmake
#
# LAYERS lists the code folders lowest first. An include without a folder names a file beside
# the including one.
string(REPLACE "," ";" layers "${LAYERS}")
set(violations)
set(level 0)
foreach(folder ${layers})
    file(GLOB files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp
         ${SOURCE_DIR}/${folder}/*.def ${SOURCE_DIR}/tests/${folder}/*.h
         ${SOURCE_DIR}/tests/${folder}/*.cpp)
    foreach(file ${files})
        file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
        foreach(line ${includes})
            string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" header "${line}")
            if(NOT header MATCHES "/")
                continue()
            endif()
            get_filename_component(target ${header} DIRECTORY)
            string(REGEX REPLACE "^tests/" "" target "${target}")
            list(FIND layers "${target}" target_level)
            if(target_level EQUAL -1 OR target_level GREATER level)
                file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
                list(APPEND violations "${shown} includes \"${header}\", above ${folder}")
            endif()
        endforeach()
    endforeach()
    math(EXPR level "${level} + 1")
endforeach()
if(violations)
    list(JOIN violations "\n" report)
    message(FATAL_ERROR "Includes against the folder stack:\n${report}")
endif()
