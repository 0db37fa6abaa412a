# Build-time settings: the web addresses the program opens and reads. Nothing is configured at
# run time.
set(VANTREL_HOME_URL "https://vantrel.example.com/" CACHE STRING "Publisher's home page")
set(VANTREL_SUPPORT_URL "https://vantrel.example.com/support" CACHE STRING "Support the author")
set(VANTREL_BANNER_URL1 "https://vantrel.example.com/party" CACHE STRING "First banner page")
set(VANTREL_BANNER_URL2 "https://vantrel.example.com/words" CACHE STRING "Second banner page")
set(VANTREL_VERSION_URL "https://vantrel.example.com/version" CACHE STRING "Version page")

configure_file(${CMAKE_CURRENT_LIST_DIR}/addresses.h.in ${PROJECT_BINARY_DIR}/generated/addresses.h
               @ONLY)
