# SPDX-FileCopyrightText: 2026 Команда Чуйкомера
# SPDX-License-Identifier: GPL-3.0-or-later

# `cpack -G DEB` in the build folder makes an installable Debian package of what
# `cmake --install` lays out.
set(CPACK_PACKAGE_NAME chuikomer)
set(CPACK_PACKAGE_VENDOR "${CHUIKOMER_AUTHOR}")
set(CPACK_PACKAGE_CONTACT "${CHUIKOMER_AUTHOR} <${CHUIKOMER_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${CHUIKOMER_SITE_URL}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Debian keeps games' commands in /usr/games, where `cmake --install` puts bin/.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianGames.cmake)
# The summary above is the first line; this is the rest. lintian compares the two by their
# Latin letters and digits alone, so a Russian first line with neither reads to it as the
# summary repeated: the numbers keep them apart.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Компьютер загадывает одну из 5, 10 или 15 картинок, а вам её нужно
угадать. Одна игра — 10 попыток; в конце интуиция получает оценку с шагом
в десять процентов.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The help and the maker's site open through the desktop's opener.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils")
# Loaded by name on first use, so the package tool cannot see it: the record's check is ten
# times faster with it, and works without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libssl3")

include(CPack)
