# SPDX-FileCopyrightText: 2026 Команда Чуйкомера
# SPDX-License-Identifier: GPL-3.0-or-later

# Compiles the executable's Windows resources with the MinGW resource compiler and checks the
# version record: the strings as UTF-16, the numeric versions, US English with Unicode.
# cmake -DWINDRES=... -DPREPROCESSOR=... -DRC=... -DOUT=... -P windows_resources.cmake
execute_process(
    COMMAND ${WINDRES} --preprocessor=${PREPROCESSOR} -c 65001 -i ${RC} -O res -o ${OUT}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${WINDRES} failed on ${RC}")
endif()
file(READ ${OUT} res HEX)

# UTF-16LE, as the version record holds its strings.
function(utf16_hex text out)
    file(WRITE ${OUT}.txt "${text}")
    execute_process(COMMAND iconv -f UTF-8 -t UTF-16LE ${OUT}.txt OUTPUT_FILE ${OUT}.utf16
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "iconv failed on \"${text}\"")
    endif()
    file(READ ${OUT}.utf16 hex HEX)
    set(${out} "${hex}" PARENT_SCOPE)
endfunction()

function(expect_value key value)
    utf16_hex("${key}" k)
    utf16_hex("${value}" v)
    # The key, its terminator with padding to 32 bits, then the value.
    string(REGEX MATCH "${k}0000(0000)?${v}0000" found "${res}")
    if(NOT found)
        message(FATAL_ERROR "version record lacks ${key} = \"${value}\"")
    endif()
endfunction()

expect_value("FileVersion" "4.00")
expect_value("ProductVersion" "4.00")
expect_value("ProductName" "Project1")
expect_value("InternalName" "Чуйкомер")
expect_value("OriginalFilename" "Чуйкомер.exe")
utf16_hex("040904B0" block)
utf16_hex("Translation" translation)
if(NOT res MATCHES "${block}")
    message(FATAL_ERROR "no string block 040904B0")
endif()
# Translation: language 0x0409, code page 1200 (0x04B0).
if(NOT res MATCHES "${translation}0000(0000)?0904b004")
    message(FATAL_ERROR "no translation 0x0409, 1200")
endif()
# Fixed file info: signature, structure version, then file and product version 4.0.0.0.
if(NOT res MATCHES "bd04effe0000010000000400000000000000040000000000")
    message(FATAL_ERROR "fixed file info is not version 4.0.0.0")
endif()
message(STATUS "version record and icon compiled")
