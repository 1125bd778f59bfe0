#pragma once

namespace vorn {

// The program's name as a command, whatever file it was started from: its messages and --help
// say it, and the settings file is named after it.
inline constexpr char ProgramName[] = "vorn-color-numerology";

} // namespace vorn
