# The release this build makes: the version is project()'s, and the newest
# entry of the changelog must name it. That entry's date is the release date
# (YELDUMAN_RELEASE_DATE, YYYY-MM-DD) that the metainfo and the manual pages
# carry. Making a release: raise the version, add an entry at the top.

# Copied only so that an edit of the changelog configures the build anew.
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog changelog COPYONLY)

file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog newest_heading
     LIMIT_COUNT 1 REGEX "^yelduman \\(")
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog newest_trailer
     LIMIT_COUNT 1 REGEX "^ -- ")

string(REGEX MATCH "^yelduman \\(([^)]+)\\)" _ "${newest_heading}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog: its newest entry is for version "
          "'${CMAKE_MATCH_1}', the project is ${PROJECT_VERSION}; add an entry "
          "for ${PROJECT_VERSION} at the top")
endif()

# The trailer's date is RFC 2822: " -- Name <mail>  Sun, 06 Dec 2026 12:00:00 +0000".
if(NOT newest_trailer MATCHES
   ">  [A-Z][a-z][a-z], ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "packaging/changelog: no date in the newest entry's "
          "trailer line '${newest_trailer}'")
endif()
set(release_year ${CMAKE_MATCH_3})
set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND month_names "${CMAKE_MATCH_2}" month_index)
math(EXPR release_month "${month_index} + 1")
string(REGEX REPLACE "^0" "" release_day "${CMAKE_MATCH_1}")
if(month_index LESS 0 OR release_day LESS 1 OR release_day GREATER 31)
  message(FATAL_ERROR "packaging/changelog: no such date in '${newest_trailer}'")
endif()
foreach(part release_month release_day)
  if(${part} LESS 10)
    set(${part} 0${${part}})
  endif()
endforeach()
set(YELDUMAN_RELEASE_DATE ${release_year}-${release_month}-${release_day})
