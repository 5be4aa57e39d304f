# The browser build, configured with emcmake: only the game, compiled with
# emcc against the libraries scripts/deps/build-web.sh built, with the data
# the native build generated packed beside the page (packs/, fetched by
# web/packs.js). `make web` drives it.
#
#   TOLVANE_WEB_PREFIX   the libraries' prefix (build-web.sh prints it)
#   TOLVANE_NATIVE_DATA  the native build's data folder
#   TOLVANE_NATIVE_GAME  the native program, which plays the replays to learn
#                        which files each scene reads (scripts/web-packs.py)
#   TOLVANE_WEB_OUT      the folder to serve: index.html, .js, .wasm, packs/

foreach(var TOLVANE_WEB_PREFIX TOLVANE_NATIVE_DATA TOLVANE_NATIVE_GAME TOLVANE_WEB_OUT)
  if(NOT ${var})
    message(FATAL_ERROR "The browser build needs ${var} (run `make web`).")
  endif()
endforeach()

file(GLOB WEB_SOURCES CONFIGURE_DEPENDS
  src/base/*.cpp src/app/*.cpp src/gfx/*.cpp src/sound/*.cpp src/stage/*.cpp
  src/stages/*.cpp src/talk/*.cpp src/talks/*.cpp src/scenes/*.cpp)

# What the page carries of the data (scripts/web-data.sh).
set(WEB_DATA ${CMAKE_BINARY_DIR}/data)
# make web configures afresh each time, so this list follows the native data.
file(GLOB_RECURSE WEB_DATA_INPUTS ${TOLVANE_NATIVE_DATA}/*)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/data.stamp
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/web-data.sh ${TOLVANE_NATIVE_DATA} ${WEB_DATA}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/data.stamp
  DEPENDS ${WEB_DATA_INPUTS} ${CMAKE_SOURCE_DIR}/scripts/web-data.sh
  COMMENT "Packing the data for the page")

# The packs, in the order the story needs them, and the page's script that
# fetches them.
file(GLOB WEB_REPLAYS ${CMAKE_SOURCE_DIR}/tests/replays/*.txt)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/packs.stamp
  COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/scripts/web-packs.py ${TOLVANE_NATIVE_GAME} ${TOLVANE_NATIVE_DATA}
          ${CMAKE_SOURCE_DIR}/tests/replays ${CMAKE_SOURCE_DIR}/src/app/scenes.h ${WEB_DATA} ${TOLVANE_WEB_OUT}
          ${CMAKE_BINARY_DIR}/data-logs
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/web/packs.js ${TOLVANE_WEB_OUT}/packs.js
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/packs.stamp
  DEPENDS ${CMAKE_BINARY_DIR}/data.stamp ${TOLVANE_NATIVE_GAME} ${WEB_REPLAYS} ${CMAKE_SOURCE_DIR}/src/app/scenes.h
          ${CMAKE_SOURCE_DIR}/scripts/web-packs.py ${CMAKE_SOURCE_DIR}/web/packs.js
  COMMENT "Packing the data for the page in story order")
add_custom_target(webdata DEPENDS ${CMAKE_BINARY_DIR}/data.stamp ${CMAKE_BINARY_DIR}/packs.stamp)

set(WEB_SHELL ${CMAKE_SOURCE_DIR}/web/shell.html)
add_executable(tolvane ${WEB_SOURCES})
add_dependencies(tolvane webdata)
set_target_properties(tolvane PROPERTIES
  OUTPUT_NAME index SUFFIX ".html"
  RUNTIME_OUTPUT_DIRECTORY ${TOLVANE_WEB_OUT}
  LINK_DEPENDS "${WEB_SHELL}")
target_include_directories(tolvane PRIVATE src
  ${TOLVANE_WEB_PREFIX}/include ${TOLVANE_WEB_PREFIX}/include/SDL2)
target_compile_options(tolvane PRIVATE -O2)
set(_lib ${TOLVANE_WEB_PREFIX}/lib)
target_link_libraries(tolvane PRIVATE
  ${_lib}/libSDL2_mixer.a ${_lib}/libSDL2_ttf.a ${_lib}/libfreetype.a
  ${_lib}/libpng16.a ${_lib}/libz.a ${_lib}/libSDL2.a)
target_link_options(tolvane PRIVATE
  -O2
  -sMIN_WEBGL_VERSION=2 -sMAX_WEBGL_VERSION=2
  -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=134217728
  -sFORCE_FILESYSTEM=1 -lidbfs.js
  "-sEXPORTED_RUNTIME_METHODS=[FS,callMain,ccall,addRunDependency,removeRunDependency]"
  # SDL's audio needs both; Debian's emcc leaves them out.
  -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${CMAKE_SOURCE_DIR}/web/library-funcs.json
  # Debian's emcc crashes in its HTML minifier.
  -sMINIFY_HTML=0
  --shell-file ${WEB_SHELL})
