# Runs the built listrider-cli as a user does: version, help, a fresh workspace.
file(REMOVE_RECURSE "${WORK}")

execute_process(COMMAND "${CLI}" --version OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "listrider-cli 1.32\n")
  message(FATAL_ERROR "--version gave ${rc}: ${out}")
endif()

execute_process(COMMAND "${CLI}" --help OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "Commands:")
  message(FATAL_ERROR "--help gave ${rc}: ${out}")
endif()

execute_process(COMMAND "${CLI}" bogus RESULT_VARIABLE rc ERROR_QUIET)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "an unknown command gave ${rc}, not 2")
endif()

execute_process(COMMAND "${CLI}" --workspace "${WORK}/ws" config init RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT EXISTS "${WORK}/ws/installation.ini")
  message(FATAL_ERROR "config init on a fresh workspace gave ${rc}")
endif()
execute_process(COMMAND "${CLI}" --workspace "${WORK}/ws" company new "Smoke Test Ltd." RESULT_VARIABLE rc)
execute_process(COMMAND "${CLI}" --workspace "${WORK}/ws" company list OUTPUT_VARIABLE out RESULT_VARIABLE rc2)
if(NOT rc EQUAL 0 OR NOT rc2 EQUAL 0 OR NOT out STREQUAL "Smoke Test Ltd.\n")
  message(FATAL_ERROR "company new/list gave ${rc}/${rc2}: ${out}")
endif()
file(REMOVE_RECURSE "${WORK}")
