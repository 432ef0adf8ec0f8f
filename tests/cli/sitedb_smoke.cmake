# Builds the test site database with the built listrider-cli, then lists and shows it.
file(REMOVE_RECURSE "${WORK}")

execute_process(COMMAND "${CLI}" --workspace "${WORK}/ws" sitedb build "${SOURCE}" OUTPUT_VARIABLE out
                RESULT_VARIABLE rc ERROR_QUIET)
if(NOT rc EQUAL 0 OR NOT out MATCHES "3 sites load and pass the integrity check")
  message(FATAL_ERROR "sitedb build gave ${rc}: ${out}")
endif()

execute_process(COMMAND "${CLI}" --workspace "${WORK}/ws" sitedb list OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "MailBox Downloads" OR NOT out MATCHES "3 sites")
  message(FATAL_ERROR "sitedb list gave ${rc}: ${out}")
endif()

execute_process(COMMAND "${CLI}" --workspace "${WORK}/ws" sitedb show Searchy --step 151 OUTPUT_VARIABLE out
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "Action: loading search results")
  message(FATAL_ERROR "sitedb show gave ${rc}: ${out}")
endif()
file(REMOVE_RECURSE "${WORK}")
