# The version stands in CMake's project(), which the about box and the package take; the AppStream
# metadata and the Debian changelog repeat it by hand, and their newest entry must name it.
# Arguments: VERSION METAINFO CHANGELOG.
cmake_minimum_required(VERSION 3.25)
set(failures)

file(READ "${METAINFO}" xml)
if(NOT xml MATCHES "<release version=\"([^\"]*)\"")
    list(APPEND failures "${METAINFO} has no release")
elseif(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    list(APPEND failures "the newest release in ${METAINFO} is ${CMAKE_MATCH_1}")
endif()

file(STRINGS "${CHANGELOG}" top LIMIT_COUNT 1)
if(NOT top MATCHES "^talvex \\(([^)]*)\\) ")
    list(APPEND failures "${CHANGELOG} does not start with an entry for talvex: ${top}")
elseif(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    list(APPEND failures "the newest entry in ${CHANGELOG} is ${CMAKE_MATCH_1}")
endif()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "Versions differ from the project's ${VERSION}:\n  ${text}")
endif()
