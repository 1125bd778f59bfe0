# vorn_read_changelog(<debian/changelog>)
# The newest entry of the Debian changelog is the release: its version and its date are the
# program's. Sets, in the caller's scope:
#   VORN_VERSION             the upstream version, "1.0.0" (no epoch, no Debian revision)
#   VORN_RELEASE_DATE        the entry's date as YYYY-MM-DD (in UTC)
#   VORN_RELEASE_YEAR        its year
#   VORN_SOURCE_DATE_EPOCH   its time in seconds since 1970 (UTC), as dpkg-parsechangelog gives it
function(vorn_read_changelog changelog)
    file(STRINGS ${changelog} lines)
    set(version "")
    set(trailer "")
    foreach(line IN LISTS lines)
        if(version STREQUAL "" AND line MATCHES "^[a-z0-9][a-z0-9.+-]* \\(([^)]+)\\)")
            set(version ${CMAKE_MATCH_1})
        elseif(NOT version STREQUAL "" AND line MATCHES "^ -- .*>  (.*)$")
            set(trailer ${CMAKE_MATCH_1})
            break()
        endif()
    endforeach()
    if(version STREQUAL "" OR trailer STREQUAL "")
        message(FATAL_ERROR "${changelog}: no entry with a version and a signed-off date")
    endif()
    string(REGEX REPLACE "^[0-9]+:" "" version ${version})
    string(REGEX REPLACE "-[^-]*$" "" version ${version})

    # RFC 5322, as in "Mon, 07 Dec 2026 12:00:00 +0000".
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    if(NOT trailer MATCHES
       "^[A-Za-z]+, +([0-9]+) ([A-Za-z]+) ([0-9]+) ([0-9]+):([0-9]+):([0-9]+) ([+-])([0-9][0-9])([0-9][0-9])$")
        message(FATAL_ERROR "${changelog}: cannot read the date '${trailer}'")
    endif()
    set(day ${CMAKE_MATCH_1})
    list(FIND months ${CMAKE_MATCH_2} month)
    set(year ${CMAKE_MATCH_3})
    set(hour ${CMAKE_MATCH_4})
    set(minute ${CMAKE_MATCH_5})
    set(second ${CMAKE_MATCH_6})
    set(sign ${CMAKE_MATCH_7})
    set(zone_hours ${CMAKE_MATCH_8})
    set(zone_minutes ${CMAKE_MATCH_9})
    if(month LESS 0)
        message(FATAL_ERROR "${changelog}: no month '${CMAKE_MATCH_2}' in '${trailer}'")
    endif()
    math(EXPR month "${month} + 1")
    # CMake's math() reads a leading 0 as decimal; strip it anyway for clarity.
    foreach(part day hour minute second zone_hours zone_minutes)
        string(REGEX REPLACE "^0+([0-9])" "\\1" ${part} ${${part}})
    endforeach()

    # Days since 1970-01-01 of a Gregorian date (H. Hinnant's days_from_civil).
    set(y ${year})
    if(month LESS_EQUAL 2)
        math(EXPR y "${y} - 1")
        math(EXPR shifted_month "${month} + 9")
    else()
        math(EXPR shifted_month "${month} - 3")
    endif()
    math(EXPR era "${y} / 400")
    math(EXPR year_of_era "${y} - ${era} * 400")
    math(EXPR day_of_year "(153 * ${shifted_month} + 2) / 5 + ${day} - 1")
    math(EXPR day_of_era
         "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
    math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")
    math(EXPR epoch "${days} * 86400 + ${hour} * 3600 + ${minute} * 60 + ${second} \
                     ${sign} (0 - ${zone_hours} * 3600 - ${zone_minutes} * 60)")

    # The date in UTC, as string(TIMESTAMP) gives it for that epoch.
    set(saved "$ENV{SOURCE_DATE_EPOCH}")
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
    string(TIMESTAMP release_date "%Y-%m-%d" UTC)
    string(TIMESTAMP release_year "%Y" UTC)
    set(ENV{SOURCE_DATE_EPOCH} "${saved}")

    set(VORN_VERSION ${version} PARENT_SCOPE)
    set(VORN_RELEASE_DATE ${release_date} PARENT_SCOPE)
    set(VORN_RELEASE_YEAR ${release_year} PARENT_SCOPE)
    set(VORN_SOURCE_DATE_EPOCH ${epoch} PARENT_SCOPE)
endfunction()
