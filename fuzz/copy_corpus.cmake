# Replaces CORPUS with a copy of the seed corpus SEEDS and makes sure the
# folder ARTIFACTS exists (crash inputs of earlier runs in it are kept).
#   cmake -DSEEDS=<dir> -DCORPUS=<dir> -DARTIFACTS=<dir> -P copy_corpus.cmake
foreach(var SEEDS CORPUS ARTIFACTS)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "copy_corpus.cmake: ${var} is not set")
  endif()
endforeach()
if(NOT IS_DIRECTORY "${SEEDS}")
  message(FATAL_ERROR "copy_corpus.cmake: no seed corpus at ${SEEDS}")
endif()
file(REMOVE_RECURSE "${CORPUS}")
file(MAKE_DIRECTORY "${CORPUS}" "${ARTIFACTS}")
file(GLOB seeds LIST_DIRECTORIES false "${SEEDS}/*")
if(NOT seeds)
  message(FATAL_ERROR "copy_corpus.cmake: the seed corpus ${SEEDS} is empty")
endif()
file(COPY ${seeds} DESTINATION "${CORPUS}")
