# Puts the Windows game's folder together (cmake -P; see cmake/windows.cmake):
# FOLDER receives EXE, the DLLS (a comma-separated list; stripped) and DATA
# as data/, with the tunes' renderings from TUNES in data/ogg/ and without
# the soundfont (nothing synthesises on Windows). Files that did not change
# are left as they are.
file(MAKE_DIRECTORY ${FOLDER})
file(COPY ${EXE} DESTINATION ${FOLDER})
string(REPLACE "," ";" DLLS "${DLLS}")
foreach(dll IN LISTS DLLS)
  get_filename_component(name ${dll} NAME)
  if(NOT EXISTS ${FOLDER}/${name} OR ${dll} IS_NEWER_THAN ${FOLDER}/${name})
    execute_process(COMMAND ${STRIP} --strip-unneeded -o ${FOLDER}/${name} ${dll} COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
file(COPY ${DATA}/ DESTINATION ${FOLDER}/data PATTERN .stamp EXCLUDE PATTERN ogg EXCLUDE PATTERN sf2 EXCLUDE)
file(COPY ${TUNES}/ DESTINATION ${FOLDER}/data/ogg PATTERN .stamp EXCLUDE)
