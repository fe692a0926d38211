# SPDX-FileCopyrightText: 2026 Команда Чуйкомера
# SPDX-License-Identifier: GPL-3.0-or-later

# Compiles every source under src/ with the MinGW compiler for syntax alone, against the
# build's Qt headers, so that the Windows branches, which no Linux build sees, still compile.
# The sources are listed now, not at configure time, so that a new file is checked too.
# cmake -DCXX=... -DSOURCE_DIR=... "-DINCLUDES=dir;..." "-DQT_INCLUDES=dir;..."
#       "-DDEFINITIONS=NAME;..." -P windows_syntax.cmake
find_program(compiler ${CXX})
if(NOT compiler)
    message(FATAL_ERROR "No ${CXX}: tools/setup.sh installs it")
endif()
file(GLOB_RECURSE sources LIST_DIRECTORIES false "${SOURCE_DIR}/src/*.cpp")
# The POSIX files are the Linux build's own; a Windows build takes the windows/ ones instead.
list(FILTER sources EXCLUDE REGEX "/posix/[^/]*\\.cpp$")
file(GLOB_RECURSE headers LIST_DIRECTORIES false "${SOURCE_DIR}/src/*.h")
if(NOT sources)
    message(FATAL_ERROR "No sources under ${SOURCE_DIR}/src")
endif()

set(flags -fsyntax-only -std=c++20 -Wall -Wextra -Werror)
foreach(definition IN LISTS DEFINITIONS)
    list(APPEND flags -D${definition})
endforeach()
# Every folder holding a header, as the targets' include paths give them in a real build.
foreach(header IN LISTS headers)
    get_filename_component(folder "${header}" DIRECTORY)
    list(APPEND folders "${folder}")
endforeach()
list(REMOVE_DUPLICATES folders)
foreach(folder IN LISTS folders INCLUDES)
    list(APPEND flags -I${folder})
endforeach()
foreach(folder IN LISTS QT_INCLUDES)
    list(APPEND flags -isystem ${folder})
endforeach()

set(failed "")
foreach(source IN LISTS sources)
    execute_process(COMMAND ${compiler} ${flags} ${source} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        list(APPEND failed "${source}")
    endif()
endforeach()
list(LENGTH sources count)
# The files only a Windows build compiles are what this is for: none found is a failure too.
list(FILTER sources INCLUDE REGEX "/windows/[^/]*\\.cpp$")
list(LENGTH sources windows_only)
if(windows_only EQUAL 0)
    message(FATAL_ERROR "No Windows files found under ${SOURCE_DIR}/src/*/windows/")
endif()
if(failed)
    list(JOIN failed "\n  " failed)
    message(FATAL_ERROR "Not compiled for Windows:\n  ${failed}")
endif()
message(STATUS "${count} sources compile for Windows, ${windows_only} of them Windows' own")
