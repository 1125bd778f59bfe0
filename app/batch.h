// A list run: a reading for each person of a CSV list, written as a stream.
#pragma once

#include "listoutput.h"

#include <QString>

namespace vorn {

struct ListSettings
{
    QString input; // a file, or "-" for standard input
    QString output; // a file (a folder for PDFs); empty: standard output
    ListFormat format = ListFormat::JsonLines;
    bool quiet = false; // no progress line, even on a terminal
};

// Reads the list and writes what format asks for each data row, in the list's order. Each
// refused row is reported on standard error with its line, and the run goes on. 0 when every
// row made a reading; 1 when a row was refused, a PDF could not be written, or the output
// cannot be written; 2 when the input cannot be read as such a list.
int runList(const ListSettings &settings);

} // namespace vorn
