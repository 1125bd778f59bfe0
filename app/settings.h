#pragma once

#include <QSettings>
#include <memory>

namespace vorn {

// The per-user settings store: the organisation is the executable's file name and there is
// no application name, so the file is "<config folder>/<executable name>.conf".
std::unique_ptr<QSettings> openSettingsStore();

} // namespace vorn
