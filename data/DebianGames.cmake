# SPDX-FileCopyrightText: 2026 Команда Чуйкомера
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack between installing into its staging folder and packing it: moves the command
# from bin/ to games/ in the Debian package. The link it holds, ../lib/chuikomer/chuikomer,
# leads to the same program from either.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
    if(NOT IS_DIRECTORY "${root}/bin" OR EXISTS "${root}/games")
        message(FATAL_ERROR "No bin/ to move to games/ in ${root}")
    endif()
    file(RENAME "${root}/bin" "${root}/games")
endif()
