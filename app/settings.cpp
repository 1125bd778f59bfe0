#include "settings.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace vorn {

std::unique_ptr<QSettings> openSettingsStore()
{
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, name,
                                       QString());
}

} // namespace vorn
