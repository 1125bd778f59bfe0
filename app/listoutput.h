// What a list run writes for each row, as JSON lines, CSV or text.
#pragma once

#include "entrychecks.h"

#include <QByteArray>
#include <memory>
#include <reading/reading.h>

namespace vorn {

// One data row of a list: its first line in the file, its entries as given and as checked, and
// its reading when they were accepted.
struct ListRow
{
    quint64 line = 0;
    GivenEntries given;
    CheckedEntries checked;
    const Reading *reading = nullptr; // none for a refused row
};

// Each row on its own: rows may be written on several threads at once.
class ListOutput
{
public:
    virtual ~ListOutput() = default;

    // What comes before the first row.
    virtual QByteArray header() const { return {}; }
    // Appends what the row gives to out.
    virtual void write(QByteArray &out, const ListRow &row) const = 0;
};

enum class ListFormat { JsonLines, Csv, Text, Pdf };

// The output of a format that writes rows into one stream (all but Pdf).
std::unique_ptr<ListOutput> makeListOutput(ListFormat format);

} // namespace vorn
