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
# The summary above is the first line; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Компьютер загадывает картинку, а вам её нужно угадать. Одна игра — десять
попыток; в конце интуиция получает оценку с шагом в десять процентов.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The help and the maker's site open through the desktop's opener.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

include(CPack)
