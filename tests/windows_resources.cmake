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

function(utf16_hex text out)
    # UTF-16LE of text made of ASCII and two-byte UTF-8 characters (Cyrillic).
    string(HEX "${text}" utf8)
    string(LENGTH "${utf8}" length)
    set(hex "")
    set(i 0)
    while(i LESS length)
        string(SUBSTRING "${utf8}" ${i} 2 b1)
        math(EXPR i "${i} + 2")
        if(0x${b1} LESS 0x80)
            set(hex "${hex}${b1}00")
        else()
            # 110aaaaa 10bbbbbb -> aaaaabbbbbb
            string(SUBSTRING "${utf8}" ${i} 2 b2)
            math(EXPR i "${i} + 2")
            math(EXPR code "((0x${b1} & 0x1F) << 6) | (0x${b2} & 0x3F)")
            math(EXPR lo "(${code} & 0xFF) | 0x100" OUTPUT_FORMAT HEXADECIMAL)
            math(EXPR hi "(${code} >> 8) | 0x100" OUTPUT_FORMAT HEXADECIMAL)
            string(SUBSTRING "${lo}" 3 2 lo)
            string(SUBSTRING "${hi}" 3 2 hi)
            set(hex "${hex}${lo}${hi}")
        endif()
    endwhile()
    string(TOLOWER "${hex}" hex)
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

expect_value("FileVersion" "1.00")
expect_value("ProductVersion" "1.00")
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
# Fixed file info: signature, structure version, then file and product version 1.0.0.0.
if(NOT res MATCHES "bd04effe0000010000000100000000000000010000000000")
    message(FATAL_ERROR "fixed file info is not version 1.0.0.0")
endif()
message(STATUS "version record and icon compiled")
