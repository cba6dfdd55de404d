# The picture tool given a picture in a folder whose name holds an "@", a
# space and a letter outside ASCII, as a checkout's folder may: it must read
# the picture and cut it to the size after the last "@".
#   cmake -DBAKE=<nomilo_bake> -DPICTURE=<a picture> -DWORK=<folder> -P bake_paths.cmake
set(folder "${WORK}/ws@2 späce")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${folder}")
file(COPY "${PICTURE}" DESTINATION "${folder}")
get_filename_component(name "${PICTURE}" NAME)
execute_process(COMMAND "${BAKE}" "${WORK}/pictures.cpp" "kCut=${folder}/${name}@3x2"
                RESULT_VARIABLE status ERROR_VARIABLE error)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "nomilo_bake failed (${status}): ${error}")
endif()
file(READ "${WORK}/pictures.cpp" code)
if(NOT code MATCHES "pictures::kCut{kCutPixels, 3, 2, ")
  message(FATAL_ERROR "not cut to 3 x 2: ${code}")
endif()
