#pragma once

#include <QSettings>
#include <memory>

namespace vorn {

// The per-user settings store: the organization is the program's name and there is no
// application name, so the file is "<config folder>/vorn-color-numerology.conf", whatever the
// executable file is called.
std::unique_ptr<QSettings> openSettingsStore();

} // namespace vorn
