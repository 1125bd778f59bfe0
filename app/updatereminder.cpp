#include "updatereminder.h"

#include <QSettings>

namespace vorn {

QString settingsGroup()
{
    return QStringLiteral("Settings");
}

QString durationKey()
{
    return QStringLiteral("Duration");
}

QString updateQuestion()
{
    // A lone carriage return: the message box breaks the line there.
    return QStringLiteral("There maybe an update to this software available\r"
                          "Do you want to check for an update?");
}

namespace {

QString durationPath()
{
    return settingsGroup() + u'/' + durationKey();
}

void storeToday(QSettings &settings, QDate today)
{
    // An ISO date reads back the same under any locale.
    settings.setValue(durationPath(), today.toString(Qt::ISODate));
    settings.sync();
}

} // namespace

void updateReminder(QSettings &settings, QDate today, const std::function<bool()> &askUser,
                    const std::function<void()> &openDownloadPage)
{
    const QString stored = settings.value(durationPath()).toString();
    const QDate last = QDate::fromString(stored.trimmed(), Qt::ISODate);
    // A value that is not a date counts as a first start, so that one damaged value cannot
    // silence the reminder for good.
    if (!last.isValid()) {
        storeToday(settings, today);
        return;
    }
    if (qAbs(last.daysTo(today)) <= ReminderQuietDays)
        return;

    const bool yes = askUser();
    storeToday(settings, today);
    if (yes)
        openDownloadPage();
}

} // namespace vorn
