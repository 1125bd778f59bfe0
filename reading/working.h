// How the engine found each number of a reading, in a line of plain words: the parts of the
// date or the letters of the name with their values, the total, and each sum down to the number.
#pragma once

#include <QDate>
#include <QString>
#include <catalogue/catalogue.h>
#include <engine/numerology.h>

namespace vorn {

// "Day 29: 2 + 9 = 11, then 1 + 1 = 2 (...). Month 11 (November): ... Grand total: ..."
QString lifeJourneyWorkingText(const LifeJourneyWorking &working, QDate born);

// "Vowels: O 6 + I 9 = 15, then 1 + 5 = 6." for the Soul Number, "Consonants: ..." for the
// Personality Number; yRule: the name has no A, E, I, O or U, so its Y counted as a vowel.
QString nameWorkingText(const NameWorking &working, ReadingCategory category, bool yRule);

// A working as HTML for a narrow space, a tooltip or a page's heading: a sum of numbers
// ("2 + 9 = 11") and a letter with its value ("H 8") each stay on one line, so that a line
// breaks only between them.
QString workingHtml(const QString &working);

} // namespace vorn
