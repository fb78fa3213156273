# Installation as a desktop program, and the Debian package made from it.
#
# The programs work in their current folder; the data goes to share/taalspoor, from where
# taalspoor-start copies it into the user's working folder. The launcher finds the data
# as ../share/taalspoor beside its own bin/, so the layout below is fixed on purpose.

set(TAALSPOOR_APP_ID nl.taalspoor.Taalspoor)
set(TAALSPOOR_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)
set(TAALSPOOR_METAINFO ${TAALSPOOR_DESKTOP_DIR}/${TAALSPOOR_APP_ID}.metainfo.xml)

# The metainfo names the release the package carries; the two must not drift apart.
file(READ ${TAALSPOOR_METAINFO} metainfo_text)
string(REGEX MATCH "<release version=\"([^\"]+)\"" newest_release "${metainfo_text}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "${TAALSPOOR_METAINFO}: newest release is '${CMAKE_MATCH_1}', "
                      "the project's version is ${PROJECT_VERSION}")
endif()
string(REGEX MATCH "<url type=\"homepage\">([^<]+)</url>" homepage "${metainfo_text}")
set(TAALSPOOR_HOMEPAGE ${CMAKE_MATCH_1})

install(TARGETS taalspoor-zoek RUNTIME DESTINATION bin)
install(PROGRAMS ${TAALSPOOR_DESKTOP_DIR}/taalspoor-start DESTINATION bin)
install(FILES ${TAALSPOOR_DATA_DIR}/nlwrdiso.v3 ${TAALSPOOR_DATA_DIR}/taalhelp16.txt ${TAALSPOOR_DATA_DIR}/lumman.wav
              ${TAALSPOOR_DATA_DIR}/tellingen.txt ${TAALSPOOR_DATA_DIR}/ij-uitzonderingen.txt
        DESTINATION share/taalspoor)
# The manual pages and the changelog compressed as Debian wants them: at the highest
# level, without a name or a time in the header, so that a rebuild gives the same bytes;
# the copyright file machine-readable, with the licence texts taken from their files.
find_program(GZIP gzip REQUIRED)
set(TAALSPOOR_MAN_PAGES taalspoor taalspoor-start taalspoor-zoek)
set(compressed_files)
foreach(page ${TAALSPOOR_MAN_PAGES})
  set(source ${PROJECT_SOURCE_DIR}/resources/man/${page}.1)
  set(target ${PROJECT_BINARY_DIR}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${target} COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
                     COMMAND ${GZIP} -9n -c ${source} > ${target} DEPENDS ${source} VERBATIM)
  list(APPEND compressed_files ${target})
endforeach()
set(TAALSPOOR_CHANGELOG ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${TAALSPOOR_CHANGELOG}
                   COMMAND ${GZIP} -9n -c ${PROJECT_SOURCE_DIR}/resources/debian/changelog > ${TAALSPOOR_CHANGELOG}
                   DEPENDS ${PROJECT_SOURCE_DIR}/resources/debian/changelog VERBATIM)
set(TAALSPOOR_COPYRIGHT ${PROJECT_BINARY_DIR}/copyright)
add_custom_command(OUTPUT ${TAALSPOOR_COPYRIGHT}
                   COMMAND sh ${PROJECT_SOURCE_DIR}/tools/make_debian_copyright.sh ${PROJECT_SOURCE_DIR} ${TAALSPOOR_COPYRIGHT}
                   DEPENDS ${PROJECT_SOURCE_DIR}/tools/make_debian_copyright.sh ${PROJECT_SOURCE_DIR}/resources/debian/copyright.head
                           ${PROJECT_SOURCE_DIR}/LICENSE ${TAALSPOOR_DATA_DIR}/LICENSE-woordenlijst.txt VERBATIM)
add_custom_target(package_documents ALL DEPENDS ${compressed_files} ${TAALSPOOR_CHANGELOG} ${TAALSPOOR_COPYRIGHT})

foreach(page ${TAALSPOOR_MAN_PAGES})
  if(page STREQUAL "taalspoor" AND NOT TARGET taalspoor)
    continue()
  endif()
  install(FILES ${PROJECT_BINARY_DIR}/man/${page}.1.gz DESTINATION share/man/man1)
endforeach()
install(FILES ${TAALSPOOR_COPYRIGHT} ${TAALSPOOR_CHANGELOG} DESTINATION share/doc/taalspoor)
install(FILES ${PROJECT_SOURCE_DIR}/resources/completion/taalspoor-zoek DESTINATION share/bash-completion/completions)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/taalspoor.lintian-overrides
        DESTINATION share/lintian/overrides RENAME taalspoor)

if(TARGET taalspoor)
  install(TARGETS taalspoor RUNTIME DESTINATION bin)
  install(FILES ${TAALSPOOR_DESKTOP_DIR}/${TAALSPOOR_APP_ID}.desktop DESTINATION share/applications)
  install(FILES ${TAALSPOOR_METAINFO} DESTINATION share/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/taalspoor.svg
          DESTINATION share/icons/hicolor/scalable/apps RENAME ${TAALSPOOR_APP_ID}.svg)
  foreach(size 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/taalspoor-${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${TAALSPOOR_APP_ID}.png)
  endforeach()
endif()

set(CPACK_PACKAGE_NAME taalspoor)
set(CPACK_PACKAGE_VENDOR "de makers van Taalspoor")
set(CPACK_PACKAGE_CONTACT "De makers van Taalspoor <taalspoor@taalspoor.nl>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Dutch word finder for crosswords and other word puzzles")
set(CPACK_PACKAGE_DESCRIPTION
    "Taalspoor searches a list of more than 400,000 Dutch words, and a list of the\n"
    "user's own, in eleven ways: words with unknown letters, begin and end parts,\n"
    "substrings, anagrams, words with desired or forbidden letters, words given by\n"
    "their consonants, an alphabetical listing and all words of a given length.\n"
    "Beside them it finds words by a crossword pattern that counts IJ as one square,\n"
    "words from a rack of letters with blanks, and anagrams into several words,\n"
    "ranked by how common each word is, in a window that answers as you type.\n"
    "The package holds the window program, the command taalspoor-zoek that runs the\n"
    "same searches in a terminal, and the OpenTaal word list.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL ${TAALSPOOR_HOMEPAGE})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A tool for word puzzles, not a game itself: its programs live in bin/, not games/.
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET taalspoor)
  # What the window loads at run time, which the library scan cannot see: the Qt platform
  # plugins; the GStreamer elements that Qt Multimedia's default backend plays lumman.wav
  # with (uridecodebin, audioconvert, volume from -base; wavparse, autoaudiosink, pulsesink
  # from -good; the backend plugin itself is in libqt6multimedia6, which the scan finds);
  # the fonts that serve Arial and Courier New; and Qt's own texts in Dutch.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "qt6-qpa-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-liberation, qt6-translations-l10n")
endif()

include(CPack)
