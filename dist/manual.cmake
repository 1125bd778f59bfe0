# Makes the manual page from the program's --help and --version with help2man, dated by the
# release, not by the day of the build, in a form man and mandoc read (YYYY-MM-DD); gives the
# exit statuses of --help a section of their own, turns hyphenation off, so that no option or
# address is split, and sets the lines ragged-right, so that a long one is not spread out; then
# compresses it without a time stamp.
#   cmake -DHELP2MAN=... -DPROGRAM=... -DINCLUDE=manual.h2m -DEPOCH=...
#         -DDATE=YYYY-MM-DD -DOUTPUT=vorn-color-numerology.1 -P manual.cmake
set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
execute_process(
    COMMAND ${HELP2MAN} --no-info --section 1
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
string(REGEX REPLACE "(\n\\.TH [^\n]*\n)" "\\1.nh\n.ad l\n" page "${page}")
# help2man sets any value after "=" in italics, as it would a placeholder; a format's name
# (--format=pdf) is typed as it stands.
string(REGEX REPLACE "=\\\\fI\\\\,([a-z]+)\\\\/\\\\fR" "=\\1" page "${page}")
# The paragraph of --help that begins "Exit status" moves to its own section, before FILES.
string(FIND "${page}" "\n.PP\nExit status" start)
if(start LESS 0)
    message(FATAL_ERROR "--help has no paragraph on the exit status")
endif()
math(EXPR text_start "${start} + 5")
string(SUBSTRING "${page}" ${text_start} -1 rest)
string(FIND "${rest}" "\n." text_length)
string(SUBSTRING "${rest}" 0 ${text_length} status)
string(SUBSTRING "${page}" 0 ${start} before)
string(SUBSTRING "${rest}" ${text_length} -1 after)
set(page "${before}${after}")
string(REPLACE "\n.SH FILES" "\n.SH \"EXIT STATUS\"\n${status}\n.SH FILES" page "${page}")
file(WRITE ${OUTPUT} "${page}")
file(REMOVE ${OUTPUT}.tmp)
execute_process(COMMAND gzip -9n -f ${OUTPUT} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "gzip failed: ${failed}")
endif()
