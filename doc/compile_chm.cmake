# Compiles one help project with chmcmd. chmcmd exits with 0 even when a page links to a
# missing file or anchor, so its warnings and errors fail the build here.
#   -D CHMCMD=... -D PROJECT_FILE=<.hhp> -D STAGING_DIR=<dir> -D OUTPUT=<final .chm>
get_filename_component(compiled "${OUTPUT}" NAME)
file(REMOVE_RECURSE "${STAGING_DIR}")
file(MAKE_DIRECTORY "${STAGING_DIR}")
execute_process(
  COMMAND "${CHMCMD}" --verbosity 1 "${PROJECT_FILE}"
  WORKING_DIRECTORY "${STAGING_DIR}"
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output MATCHES "(Warning|Error):" OR NOT EXISTS "${STAGING_DIR}/${compiled}")
  message(FATAL_ERROR "chmcmd failed on ${PROJECT_FILE}:\n${output}")
endif()
file(COPY_FILE "${STAGING_DIR}/${compiled}" "${OUTPUT}")
