#include "listrows.h"

#include <QBuffer>
#include <QLocale>
#include <QStringList>
#include <optional>
#include <reading/document.h>

using namespace Qt::StringLiterals;

namespace vorn {

QString counted(qlonglong n)
{
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    return english.toString(n);
}

QString plural(qlonglong n, const QString &one, const QString &many)
{
    return counted(n) + u' ' + (n == 1 ? one : many);
}

Columns readColumns(const std::vector<std::string> &header, QString *problem)
{
    Columns columns;
    columns.count = header.size();
    for (std::size_t i = 0; i < header.size(); ++i) {
        const QString name = QString::fromStdString(header[i]).trimmed().toLower();
        columns.names.push_back(name);
        int *place = name == u"first" ? &columns.first
            : name == u"middle"       ? &columns.middle
            : name == u"last"         ? &columns.last
            : name == u"born"         ? &columns.born
                                      : nullptr;
        if (!place)
            continue;
        if (*place >= 0) {
            *problem = u"the header names the column '"_s + name + u"' twice"_s;
            return columns;
        }
        *place = int(i);
    }
    QStringList missing;
    for (const auto &[place, name] :
         {std::pair{columns.first, "first"}, {columns.last, "last"}, {columns.born, "born"}}) {
        if (place < 0)
            missing << u'\'' + QLatin1String(name) + u'\'';
    }
    if (missing.isEmpty())
        return columns;
    if (missing.size() == 3) {
        *problem
            = u"the first row is not a header: it names none of the columns 'first', 'last', "_s
              u"and 'born'"_s;
        return columns;
    }
    *problem = u"the header lacks the column"_s + (missing.size() > 1 ? u"s "_s : u" "_s)
        + missing.join(u" and "_s) + u" (it must name 'first', 'last', and 'born')"_s;
    return columns;
}

ListRow Making::rowOf(const Piece::Row &raw) const
{
    ListRow row;
    row.line = raw.line;
    if (!raw.problem.isEmpty()) {
        row.checked.refusal = raw.problem;
        return row;
    }
    if (raw.fields.size() != columns.count) {
        row.checked.refusal = u"the row has "_s
            + plural(qlonglong(raw.fields.size()), u"field"_s, u"fields"_s)
            + u" where the header has "_s + counted(qlonglong(columns.count));
        return row;
    }
    std::vector<QString> fields;
    for (const std::string &field : raw.fields)
        fields.push_back(QString::fromStdString(field));
    auto field
        = [&fields](int place) { return place < 0 ? QString() : fields[std::size_t(place)]; };
    row.given
        = {field(columns.first), field(columns.middle), field(columns.last), field(columns.born)};
    auto isHeader = [&] {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].trimmed().compare(columns.names[i], Qt::CaseInsensitive) != 0)
                return false;
        }
        return true;
    };
    row.checked = isHeader() ? CheckedEntries{{}, u"the row repeats the header"_s}
                             : checkEntries(row.given);
    return row;
}

Made Making::make(const Piece &piece) const
{
    Made made;
    for (const Piece::Row &raw : piece.rows) {
        ListRow row = rowOf(raw);
        std::optional<Reading> reading;
        if (row.checked.accepted())
            reading = makeReading(row.checked.entries);
        row.reading = reading ? &*reading : nullptr;
        Made::Outcome outcome{row.line, row.checked.refusal, {}, {}};
        if (format == ListFormat::Pdf && reading) {
            QBuffer pdf;
            pdf.open(QIODevice::WriteOnly);
            writeReadingPdf(*reading, pdf, paper);
            outcome.fileName = readingFileName(*reading);
            outcome.pdf = pdf.data();
        } else if (format != ListFormat::Pdf) {
            output->write(made.stream, row);
        }
        made.outcomes.push_back(std::move(outcome));
    }
    return made;
}

} // namespace vorn
