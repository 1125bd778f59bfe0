#include "settings.h"

#include "programname.h"

namespace vorn {

std::unique_ptr<QSettings> openSettingsStore()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QLatin1String(ProgramName), QString());
}

} // namespace vorn
