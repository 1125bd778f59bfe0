// The entries of one reading as a command line or a list gives them, checked as the input window
// checks them.
#pragma once

#include <QString>
#include <reading/entries.h>

namespace vorn {

// The names as given, and a birth date written YYYY-MM-DD.
struct GivenEntries
{
    QString first;
    QString middle;
    QString last;
    QString born;
};

// The entries the input window would hold for them (names as if typed: a to z become A to Z),
// or why they are refused, in the command line's words.
struct CheckedEntries
{
    ReadingEntries entries;
    QString refusal; // empty: a reading may be made

    bool accepted() const { return refusal.isEmpty(); }
};

CheckedEntries checkEntries(const GivenEntries &given);

} // namespace vorn
