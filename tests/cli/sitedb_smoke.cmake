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
# A step expanded for a product, as the site would receive it.
execute_process(COMMAND "${CLI}" --workspace "${WORK}/ws" company new "Smoke Soft" RESULT_VARIABLE rc OUTPUT_QUIET)
execute_process(COMMAND "${CLI}" --workspace "${WORK}/ws" product new --company "Smoke Soft" "Smoke Tool" 3.1
                RESULT_VARIABLE rc2 OUTPUT_QUIET)
if(NOT rc EQUAL 0 OR NOT rc2 EQUAL 0)
  message(FATAL_ERROR "creating the product gave ${rc} and ${rc2}")
endif()
execute_process(COMMAND "${CLI}" --workspace "${WORK}/ws" sitedb show "Alpha Soft" --step 1 --expand
                        --company "Smoke Soft" --product "Smoke Tool" --category Utilities
                OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "version = 3.1" OR NOT out MATCHES "category = System Utilities")
  message(FATAL_ERROR "sitedb show --expand gave ${rc}: ${out}")
endif()
file(REMOVE_RECURSE "${WORK}")
