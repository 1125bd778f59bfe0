# Makes the manual page from the program's --help with help2man, dated by the release, not by
# the day of the build, in a form man and mandoc read (YYYY-MM-DD); then compresses it without
# a time stamp.
#   cmake -DHELP2MAN=... -DPROGRAM=... -DINCLUDE=manual.h2m -DVERSION=1.0.0 -DEPOCH=...
#         -DDATE=YYYY-MM-DD -DOUTPUT=vorn-color-numerology.1 -P manual.cmake
set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
execute_process(
    COMMAND ${HELP2MAN} --no-info --section 1 --version-string ${VERSION}
            --name "color numerology readings from a name and a birth date"
            --include ${INCLUDE} --output ${OUTPUT}.tmp ${PROGRAM}
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "help2man failed: ${failed}")
endif()
file(READ ${OUTPUT}.tmp page)
string(REGEX REPLACE "\n\\.TH ([^ ]+) \"1\" \"[^\"]*\"" "\n.TH \\1 \"1\" \"${DATE}\"" page "${page}")
if(NOT page MATCHES "\n\\.TH [^ ]+ \"1\" \"${DATE}\"")
    message(FATAL_ERROR "help2man wrote no .TH line to date")
endif()
file(WRITE ${OUTPUT} "${page}")
file(REMOVE ${OUTPUT}.tmp)
execute_process(COMMAND gzip -9n -f ${OUTPUT} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "gzip failed: ${failed}")
endif()
