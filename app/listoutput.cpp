#include "listoutput.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <reading/json.h>
#include <reading/text.h>

using namespace Qt::StringLiterals;

namespace vorn {

namespace {

// One JSON object a line: the reading's, as --format json gives it, with its line; or the line
// and why it was refused.
class JsonLines : public ListOutput
{
public:
    void write(QByteArray &out, const ListRow &row) const override
    {
        if (row.reading) {
            appendReadingJson(out, *row.reading, row.line);
        } else {
            const QJsonObject refused{{u"error"_s, row.checked.refusal},
                                      {u"line"_s, qint64(row.line)}};
            out += QJsonDocument(refused).toJson(QJsonDocument::Compact);
        }
        out += '\n';
    }
};

// A spreadsheet's CSV: a byte order mark so that it reads the names as UTF-8, CR LF line breaks,
// and quotes where a field needs them.
class Csv : public ListOutput
{
public:
    QByteArray header() const override
    {
        return "\xEF\xBB\xBF"
               "line,first,middle,last,born,lifeJourney,soul,personality,"
               "lifeJourneyPrimaryColor,soulPrimaryColor,personalityPrimaryColor,error\r\n";
    }

    void write(QByteArray &out, const ListRow &row) const override
    {
        QStringList fields{QString::number(row.line), typedCapitals(row.given.first),
                           typedCapitals(row.given.middle), typedCapitals(row.given.last),
                           row.given.born};
        for (ReadingCategory category : ReadingCategories)
            fields << (row.reading ? QString::number(row.reading->section(category).number)
                                   : QString());
        for (ReadingCategory category : ReadingCategories) {
            const Section *section = row.reading ? &row.reading->section(category) : nullptr;
            fields << (section && section->primary ? section->primary->name : QString());
        }
        fields << row.checked.refusal;
        QByteArray line;
        for (const QString &field : std::as_const(fields)) {
            if (!line.isEmpty())
                line += ',';
            line += quoted(field).toUtf8();
        }
        out += line;
        out += "\r\n";
    }

private:
    static QString quoted(QString field)
    {
        // A spreadsheet takes a cell that begins with one of these for a formula: a name from a
        // list must stay a name.
        if (!field.isEmpty() && QStringView(u"=+-@\t\r").contains(field.front()))
            field.prepend(u'\'');
        if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n')
            && !field.contains(u'\r'))
            return field;
        return u'"' + field.replace(u'"', u"\"\""_s) + u'"';
    }
};

// The readings one after the other, as the command line writes one, each followed by a blank
// line.
class Text : public ListOutput
{
public:
    void write(QByteArray &out, const ListRow &row) const override
    {
        if (!row.reading)
            return;
        out += readingText(*row.reading).toUtf8();
        out += '\n';
    }
};

} // namespace

std::unique_ptr<ListOutput> makeListOutput(ListFormat format)
{
    switch (format) {
    case ListFormat::JsonLines:
        return std::make_unique<JsonLines>();
    case ListFormat::Csv:
        return std::make_unique<Csv>();
    case ListFormat::Text:
    case ListFormat::Pdf:
        break;
    }
    return std::make_unique<Text>();
}

} // namespace vorn
