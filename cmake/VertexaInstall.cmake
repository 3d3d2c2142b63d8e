# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Vertexa developers

# Install layout (all destinations relative, so the tree can be moved):
#   bin/vertexa
#   share/vertexa/<picture folders>, icons/  found by PictureFolder::rootForExecutable
#   share/icons/hicolor/<n>x<n>/apps/<id>.png
#   share/applications/<id>.desktop
#   share/metainfo/<id>.metainfo.xml
#   share/doc/vertexa/copyright, changelog.gz
#   share/man/man1/vertexa.1.gz
#   share/bash-completion/completions/vertexa
include(GNUInstallDirs)

set(VERTEXA_APP_ID org.example.Vertexa)
set(VERTEXA_PROGRAM_DIR ${PROJECT_BINARY_DIR}/program)
set(VERTEXA_DATA_DIR ${CMAKE_INSTALL_DATADIR}/vertexa)
# The same names as PictureFolder::folderNames().
set(VERTEXA_PICTURE_FOLDERS Images opening stor4sm stor4 tri2sm ocstarsm stelnsm pentglsm)
set(VERTEXA_ICON_SIZES 32 48 128 256)

# Qt comes from the system: no run path to set.
set_target_properties(vertexa PROPERTIES INSTALL_RPATH "")
install(TARGETS vertexa RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripping install (CPack's) also drops the compiler's notes, as dh_strip
# does for Debian's own packages.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP AND NOT \"${CMAKE_OBJCOPY}\" STREQUAL \"\")
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/vertexa\" COMMAND_ERROR_IS_FATAL ANY)
    endif()")

# The picture generator writes these folders during the build; OPTIONAL keeps
# an install from a tree that has none of them working.
# The icons folder goes there too: the title screen takes its window icon from it.
foreach(folder IN LISTS VERTEXA_PICTURE_FOLDERS ITEMS icons)
    install(DIRECTORY ${VERTEXA_PROGRAM_DIR}/${folder} DESTINATION ${VERTEXA_DATA_DIR} OPTIONAL)
endforeach()
foreach(size IN LISTS VERTEXA_ICON_SIZES)
    install(FILES ${VERTEXA_PROGRAM_DIR}/icons/vertexa-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${VERTEXA_APP_ID}.png OPTIONAL)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${VERTEXA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${VERTEXA_APP_ID}.metainfo.xml
    ${PROJECT_BINARY_DIR}/packaging/${VERTEXA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${VERTEXA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The licence and change history where Debian keeps them, and the manual page
# (section 1: a program in bin for any user, not a game in games). gzip -n
# keeps the build time out of the files, so a rebuild gives the same package.
find_program(VERTEXA_GZIP gzip REQUIRED)
set(VERTEXA_GZIPPED ${PROJECT_BINARY_DIR}/packaging/changelog.gz ${PROJECT_BINARY_DIR}/packaging/vertexa.1.gz)
foreach(gzipped IN LISTS VERTEXA_GZIPPED)
    get_filename_component(name ${gzipped} NAME_WLE)
    add_custom_command(OUTPUT ${gzipped}
        COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/${name} ${PROJECT_BINARY_DIR}/packaging/${name}
        COMMAND ${VERTEXA_GZIP} -9 -n -f ${PROJECT_BINARY_DIR}/packaging/${name}
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${name}
        COMMENT "Compressing ${name}" VERBATIM)
endforeach()
add_custom_target(vertexa_docs ALL DEPENDS ${VERTEXA_GZIPPED})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vertexa)
install(FILES ${PROJECT_BINARY_DIR}/packaging/vertexa.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vertexa.bash-completion
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME vertexa)

# Debian package. dpkg-shlibdeps finds the libraries the program links; what
# Qt loads at run time it cannot see: the platform plugins (xcb, wayland) and
# the GIF and JPEG readers, and the fonts the screens ask for.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vertexa)
set(CPACK_PACKAGE_VENDOR "Vertexa Learning")
set(CPACK_PACKAGE_CONTACT "Vertexa developers <maintainers@vertexa.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "geometry lessons on triangles and stellated polygons")
set(CPACK_PACKAGE_DESCRIPTION "Vertexa steps through the proof that the angles of a triangle add up to
180 degrees, draws star polygons from two numbers and poses random problems
on both topics, with a freehand drawing pad for working out.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY vertexa)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vertexa developers <maintainers@vertexa.example>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.vertexa.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libqt6gui6 carries the xcb and offscreen platform plugins and the GIF and
# JPEG image readers on Debian 12; libqt6printsupport6 the CUPS plugin the
# Jotter's print dialog finds printers through (and prints to PDF without).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6gui6 (>= 6.4), libqt6printsupport6 (>= 6.4), fonts-liberation2, fonts-dejavu-core")
# The Tahoma-metric face; without it the screens fall back to DejaVu Sans.
# qt6-wayland gives a native window on Wayland desktops instead of XWayland.
# qt6-translations-l10n puts Qt's own words (the answer box's menu) in the pupil's language.
# fonts-wqy-microhei draws the Chinese texts (a small CJK sans; the fit tests measure it).
# Reading aloud goes through speech-dispatcher, whose eSpeak NG voices read
# every language of the program; Qt reaches it through its speechd plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, qt6-wayland, qt6-translations-l10n, fonts-wqy-microhei, \
qt6-speech-speechd-plugin, speech-dispatcher-espeak-ng")
include(CPack)
