# Installing the game (cmake --install, make install) and its Debian package
# (make package). The program finds its data at ../share/tolvane beside it,
# so bin/ and share/tolvane/ stay side by side under one prefix.

# Installing and packaging never build: `make install` and `make package`
# build first, and the test that packages must not rebuild the tree it runs
# from.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(TOLVANE_SCREENSHOT_URL "https://tolvane.example.org/screenshots" CACHE STRING
    "Web folder where the software centre finds the screenshots (installed in share/tolvane/screenshots)")

# The desktop menu's icons, drawn by the data generator.
set(ICON_DIR ${CMAKE_BINARY_DIR}/icons)
add_custom_command(
  OUTPUT ${ICON_DIR}/.stamp
  COMMAND assetgen --icons ${ICON_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${ICON_DIR}/.stamp
  DEPENDS assetgen
  COMMENT "Drawing the menu icons")

# The software centre's screenshots, taken by the game itself, headless.
set(SHOT_DIR ${CMAKE_BINARY_DIR}/screenshots)
set(SHOT_FILES ${SHOT_DIR}/stage-select.png ${SHOT_DIR}/stage.png ${SHOT_DIR}/title.png)
file(MAKE_DIRECTORY ${SHOT_DIR})
add_custom_command(
  OUTPUT ${SHOT_FILES}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 SDL_AUDIODRIVER=dummy
          $<TARGET_FILE:tolvane> --headless --lang en --data ${GAME_DATA_DIR} --scene 45 --max-ms 30000
          --script ${CMAKE_CURRENT_SOURCE_DIR}/dist/screenshots.txt
  WORKING_DIRECTORY ${SHOT_DIR}
  DEPENDS tolvane ${CMAKE_CURRENT_SOURCE_DIR}/dist/screenshots.txt
  COMMENT "Taking the screenshots")
add_custom_target(desktopfiles ALL DEPENDS ${ICON_DIR}/.stamp ${SHOT_FILES})
add_dependencies(desktopfiles gamedata)  # the screenshots need the data

configure_file(dist/org.tolvane.tolvane.metainfo.xml.in ${CMAKE_BINARY_DIR}/dist/org.tolvane.tolvane.metainfo.xml @ONLY)

install(TARGETS tolvane RUNTIME DESTINATION bin)
install(DIRECTORY ${GAME_DATA_DIR}/ DESTINATION share/tolvane PATTERN ".stamp" EXCLUDE)
install(FILES ${SHOT_FILES} DESTINATION share/tolvane/screenshots)
install(DIRECTORY ${ICON_DIR}/ DESTINATION share/icons/hicolor PATTERN ".stamp" EXCLUDE)
install(FILES dist/org.tolvane.tolvane.desktop DESTINATION share/applications)
install(FILES ${CMAKE_BINARY_DIR}/dist/org.tolvane.tolvane.metainfo.xml DESTINATION share/metainfo)
install(FILES dist/tolvane.6 DESTINATION share/man/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VENDOR "Tolvane developers")
set(CPACK_PACKAGE_CONTACT "Tolvane developers <tolvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game: paint the walkers to open their way")
set(CPACK_PACKAGE_DESCRIPTION
    "Two travellers walk through nine stages on their own; the player paints them with fire, wind and water to open their way.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the program links (SDL2, its mixer and fonts, epoxy, libpng,
# X11) come from dpkg-shlibdeps; what it opens at run time is named here: an
# OpenGL driver, the Japanese font and the English one, a General MIDI soundfont for the music
# (the best first).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libgl1, libgl1-mesa-dri, fonts-ipaexfont-mincho, fonts-texgyre, musescore-general-soundfont-small | fluid-soundfont-gm | timgm6mb-soundfont")
include(CPack)
