# lotto_changelog_releases(CHANGELOG XML VERSION DATE): reads a Debian change log and sets
#   XML      one AppStream <release> per upstream version, newest first, its description
#            the list of that version's entries (every Debian revision of it);
#   VERSION  the newest upstream version (the Debian revision cut off);
#   DATE     the newest entry's date as YYYY-MM-DD.
function(lotto_changelog_releases changelog out_xml out_version out_date)
  file(READ "${changelog}" text)
  # Split into lines as a CMake list: every ";" is held as a unit separator meanwhile, and
  # the XML escapes are written with it too.
  string(ASCII 31 semicolon)
  string(REPLACE ";" "${semicolon}" text "${text}")
  string(REPLACE "&" "&amp${semicolon}" text "${text}")
  string(REPLACE "<" "&lt${semicolon}" text "${text}")
  string(REPLACE ">" "&gt${semicolon}" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")

  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  set(xml "")
  set(newest_version "")
  set(newest_date "")
  set(version "")
  set(items "")
  set(item "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[a-z0-9][a-z0-9.+-]* \\(([^)]+)\\) ")
      string(REGEX REPLACE "-[^-]*$" "" upstream "${CMAKE_MATCH_1}")
      if(NOT upstream STREQUAL version)
        _lotto_release_xml(xml "${version}" "${date}" "${items}")
        set(version "${upstream}")
        set(items "")
        set(date "")
      endif()
    elseif(line MATCHES "^  \\* (.*)$")
      _lotto_close_item(items "${item}")
      set(item "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^    +(.*)$")
      string(APPEND item " ${CMAKE_MATCH_1}")
    elseif(line MATCHES "^ -- .*, +([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
      _lotto_close_item(items "${item}")
      set(item "")
      list(FIND months "${CMAKE_MATCH_2}" month)
      math(EXPR month "${month} + 1")
      set(day "${CMAKE_MATCH_1}")
      foreach(part month day)
        string(LENGTH "${${part}}" digits)
        if(digits EQUAL 1)
          set(${part} "0${${part}}")
        endif()
      endforeach()
      if(date STREQUAL "")  # the newest entry of this version names its date
        set(date "${CMAKE_MATCH_3}-${month}-${day}")
      endif()
      if(newest_date STREQUAL "")
        set(newest_version "${version}")
        set(newest_date "${date}")
      endif()
    endif()
  endforeach()
  _lotto_release_xml(xml "${version}" "${date}" "${items}")
  string(REPLACE "${semicolon}" ";" xml "${xml}")
  set(${out_xml} "${xml}" PARENT_SCOPE)
  set(${out_version} "${newest_version}" PARENT_SCOPE)
  set(${out_date} "${newest_date}" PARENT_SCOPE)
endfunction()

# Appends one entry as a list item to the variable named list_var.
function(_lotto_close_item list_var entry)
  if(NOT entry STREQUAL "")
    set(${list_var} "${${list_var}}          <li>${entry}</li>\n" PARENT_SCOPE)
  endif()
endfunction()

# Appends one release to the variable named xml_var.
function(_lotto_release_xml xml_var release_version release_date list_items)
  if(release_version STREQUAL "")
    return()
  endif()
  set(${xml_var} "${${xml_var}}    <release version=\"${release_version}\" date=\"${release_date}\">
      <description>
        <ul>
${list_items}        </ul>
      </description>
    </release>
" PARENT_SCOPE)
endfunction()
