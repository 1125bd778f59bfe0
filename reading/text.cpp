#include "text.h"

#include "reading.h"
#include "texts.h"

namespace vorn {

namespace {

// A color's line, and its description where the catalog has one.
QString colorText(const QString &caption, const Color &color)
{
    QString text = caption + u": " + color.name + u'\n';
    if (color.description)
        text += *color.description + u'\n';
    return text;
}

QString sectionText(const Section &section)
{
    QString text
        = u"\n\n" + section.title() + u": " + section.shown + u'\n' + section.working + u'\n';
    if (section.hasReading()) {
        text += u'\n' + colorText(primaryColorCaption(), *section.primary) + u'\n'
            + colorText(secondaryColorCaption(), *section.secondary) + u'\n' + keywordsCaption()
            + u": " + section.keywords + u'\n';
    }
    text += u'\n' + section.introduction + u'\n';
    if (!section.interpretation.isEmpty())
        text += u'\n' + section.interpretation + u'\n';
    return text;
}

} // namespace

QString readingText(const Reading &reading)
{
    QString text = applicationTitle() + u"\n\nA reading for " + reading.person() + u", born "
        + reading.birthDate() + u".\n";
    for (const Section &section : reading.sections)
        text += sectionText(section);
    return text;
}

} // namespace vorn
