// The program run from a command line: one reading, as text, JSON or PDF, without any window.
#pragma once

namespace vorn {

// True when the arguments are for the command line: a long option, one of its own options or an
// argument that is not an option. Qt's own single-dash options (-platform, -style, ...) go to the
// windowed program.
bool isCommandLine(int argc, char *argv[]);

// Parses the arguments and writes the reading they ask for; 0 when it was written, 2 for a
// malformed option or a refused entry (the input window's message on standard error), 1 when
// the output could not be written. Takes no lock, reads and writes no settings, shows nothing.
int runCommandLine(int argc, char *argv[]);

} // namespace vorn
