# The Windows game, cross-compiled with MinGW-w64 (cmake/mingw-w64-x86_64.cmake)
# against the libraries that scripts/deps/build-windows.sh built into
# TOLVANE_WINDOWS_PREFIX. The generator does not run here: the data (pictures,
# sounds, tunes and their renderings, the text faces) and the program's icon
# come from a native build, TOLVANE_NATIVE_BUILD. `make windows` does all
# three steps. The result is the folder a player unzips, Tolvane/: the
# program, the DLLs it loads and data/.

set(TOLVANE_NATIVE_BUILD "" CACHE PATH "The native build whose data and generator the Windows game takes")
set(TOLVANE_WINDOWS_PREFIX "$ENV{TOLVANE_WINDOWS_PREFIX}" CACHE PATH "Where build-windows.sh put the libraries")
set(NATIVE_DATA ${TOLVANE_NATIVE_BUILD}/data)
set(NATIVE_ASSETGEN ${TOLVANE_NATIVE_BUILD}/tools/assetgen/assetgen)
if(NOT EXISTS ${NATIVE_DATA}/.stamp OR NOT EXISTS ${NATIVE_ASSETGEN})
  message(FATAL_ERROR "TOLVANE_NATIVE_BUILD must name a native build with its data made (make windows does this)")
endif()

find_package(SDL2 REQUIRED CONFIG)
find_package(SDL2_mixer REQUIRED CONFIG)
find_package(SDL2_ttf REQUIRED CONFIG)
find_package(PNG REQUIRED)
find_package(ZLIB REQUIRED)
find_package(PkgConfig REQUIRED)
set(ENV{PKG_CONFIG_LIBDIR} ${TOLVANE_WINDOWS_PREFIX}/lib/pkgconfig)
pkg_check_modules(EPOXY REQUIRED IMPORTED_TARGET epoxy)

add_library(tolvane_core STATIC ${GAME_SOURCES})
target_include_directories(tolvane_core PUBLIC src)
target_link_libraries(tolvane_core PUBLIC SDL2::SDL2 SDL2_mixer::SDL2_mixer SDL2_ttf::SDL2_ttf PkgConfig::EPOXY
                      PNG::PNG ZLIB::ZLIB psapi)
# Windows' headers without their min and max macros, which std::min meets.
target_compile_definitions(tolvane_core PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)

# The icon, drawn by the native generator, the manifest and the version go
# into the program's resources.
enable_language(RC)
set(WIN_ICON ${CMAKE_BINARY_DIR}/tolvane.ico)
set(WIN_MANIFEST ${CMAKE_SOURCE_DIR}/dist/windows/tolvane.manifest)
add_custom_command(OUTPUT ${WIN_ICON}
  COMMAND ${NATIVE_ASSETGEN} --ico ${WIN_ICON}
  DEPENDS ${NATIVE_ASSETGEN}
  COMMENT "Drawing the program's icon")
configure_file(dist/windows/tolvane.rc.in ${CMAKE_BINARY_DIR}/tolvane.rc @ONLY)
set_source_files_properties(${CMAKE_BINARY_DIR}/tolvane.rc PROPERTIES OBJECT_DEPENDS "${WIN_ICON};${WIN_MANIFEST}")

# WIN32: a windowed program, no console window for a player. The C and C++
# runtimes are linked in, so the folder needs no compiler DLLs.
add_executable(tolvane WIN32 src/scenes/main.cpp ${CMAKE_BINARY_DIR}/tolvane.rc)
target_link_libraries(tolvane PRIVATE tolvane_core)
target_link_options(tolvane PRIVATE -static-libgcc -static-libstdc++ -s)

# The tunes rendered again at a lower Vorbis quality, which keeps the zip
# under 30 MB (the native renderings are twice the size), with the soundfont
# and the render cache of the native build.
load_cache(${TOLVANE_NATIVE_BUILD} READ_WITH_PREFIX NATIVE_ TOLVANE_RENDER_SOUNDFONT)
set(WIN_TUNES ${CMAKE_BINARY_DIR}/ogg)
if(NATIVE_TOLVANE_RENDER_SOUNDFONT AND EXISTS ${NATIVE_DATA}/ogg)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  add_custom_command(OUTPUT ${WIN_TUNES}/.stamp
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/render-tunes.py --quality 0
            --soundfont ${NATIVE_TOLVANE_RENDER_SOUNDFONT} --cache ${TOLVANE_NATIVE_BUILD}/tune-cache
            --out ${WIN_TUNES} ${NATIVE_DATA}/mid
    COMMAND ${CMAKE_COMMAND} -E touch ${WIN_TUNES}/.stamp
    DEPENDS ${NATIVE_DATA}/.stamp ${CMAKE_SOURCE_DIR}/scripts/render-tunes.py
    COMMENT "Rendering the tunes for Windows")
else()
  message(WARNING "The native build rendered no tunes: the Windows game will play no music")
  file(MAKE_DIRECTORY ${WIN_TUNES})
  file(TOUCH ${WIN_TUNES}/.stamp)
endif()

# The folder a player gets: the program, its DLLs (stripped) and the data.
set(WIN_FOLDER ${CMAKE_BINARY_DIR}/Tolvane)
set(WIN_DLLS
  ${TOLVANE_WINDOWS_PREFIX}/bin/SDL2.dll ${TOLVANE_WINDOWS_PREFIX}/bin/SDL2_mixer.dll
  ${TOLVANE_WINDOWS_PREFIX}/bin/SDL2_ttf.dll ${TOLVANE_WINDOWS_PREFIX}/bin/libfreetype.dll
  ${TOLVANE_WINDOWS_PREFIX}/bin/libpng16.dll ${TOLVANE_WINDOWS_PREFIX}/bin/libepoxy-0.dll
  /usr/x86_64-w64-mingw32/lib/zlib1.dll)
string(REPLACE ";" "," WIN_DLL_ARG "${WIN_DLLS}")
add_custom_target(windows_folder ALL
  COMMAND ${CMAKE_COMMAND} -DFOLDER=${WIN_FOLDER} -DEXE=$<TARGET_FILE:tolvane> -DDLLS=${WIN_DLL_ARG}
          -DDATA=${NATIVE_DATA} -DTUNES=${WIN_TUNES} -DSTRIP=${CMAKE_STRIP}
          -P ${CMAKE_SOURCE_DIR}/cmake/windows-folder.cmake
  DEPENDS tolvane ${WIN_TUNES}/.stamp
  COMMENT "Putting together ${WIN_FOLDER}")

# The zip a player downloads.
set(WIN_ZIP ${CMAKE_BINARY_DIR}/Tolvane-${PROJECT_VERSION}-windows.zip)
add_custom_target(windows_zip
  COMMAND ${CMAKE_COMMAND} -E rm -f ${WIN_ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${WIN_ZIP} --format=zip Tolvane
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS windows_folder
  COMMENT "Zipping ${WIN_ZIP}")
