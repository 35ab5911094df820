# Reads DATA/changelog (two revisions of one version, a one-digit day, text to escape) and
# compares the releases made from it with DATA/expected.xml.
include(${CMAKE_CURRENT_LIST_DIR}/../../packaging/releases.cmake)
lotto_changelog_releases(${DATA}/changelog xml version date)
file(READ ${DATA}/expected.xml expected)
if(NOT xml STREQUAL expected)
  message(FATAL_ERROR "releases made:\n${xml}\nexpected:\n${expected}")
endif()
if(NOT version STREQUAL "1.23" OR NOT date STREQUAL "2027-02-03")
  message(FATAL_ERROR "newest release ${version} of ${date}, expected 1.23 of 2027-02-03")
endif()
