// At start-up, at most once in fifteen days, the program offers to look for a newer version.
#pragma once

#include <QDate>
#include <QString>
#include <functional>

class QSettings;

namespace vorn {

// Where the date of the last reminder is kept.
QString settingsGroup(); // "Settings"
QString durationKey(); // "Duration"

// The two-line question, Yes or No.
QString updateQuestion();

// Days apart, in either direction, that still ask nothing.
inline constexpr qint64 ReminderQuietDays = 14;

// Reads the stored date; on the first start (nothing stored, or a value that is not a date)
// stores today and asks nothing. When the stored date and today are 15 or more days apart,
// asks askUser, stores today whatever the answer, and then calls openDownloadPage on Yes.
void updateReminder(QSettings &settings, QDate today, const std::function<bool()> &askUser,
                    const std::function<void()> &openDownloadPage);

} // namespace vorn
