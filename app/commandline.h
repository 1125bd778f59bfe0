// The program run from a command line: one reading, as text, JSON or PDF, without any window.
#pragma once

#include <QStringList>
#include <optional>

namespace vorn {

// True when the arguments hold one of the command line's own options, spelled as its --help
// shows them: then runCommandLine takes all the arguments. Otherwise they belong to Qt and the
// windows (-style, -platform, -session, ...).
bool isCommandLine(int argc, char *argv[]);

// Parses the arguments and writes the reading they ask for; 0 when it was written, 2 for a
// malformed option or a refused entry, 1 when the output could not be written, each failure
// with its message on standard error. Takes no lock, reads and writes no settings, shows nothing.
int runCommandLine(int argc, char *argv[]);

// For a windowed start: what Qt left of the arguments once it took its own. The program takes
// none: anything left is refused with a message on standard error, and the status to end with
// is returned; nothing when the windows may start.
std::optional<int> refuseLeftOverArguments(const QStringList &leftOver);

} // namespace vorn
