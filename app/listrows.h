// What a list run makes of the rows of a list: the header's columns, and the rows of a piece
// made into readings and their output on a worker thread.
#pragma once

#include "listoutput.h"

#include <QPageSize>
#include <QString>
#include <memory>
#include <string>
#include <vector>

namespace vorn {

// Where each column of the header is, by its place in a row; -1 where there is none.
struct Columns
{
    int first = -1, middle = -1, last = -1, born = -1;
    std::size_t count = 0;
    std::vector<QString> names; // trimmed, in lower case, to know the header again
};

// The columns the header names, in any order and any case; an empty problem when it names
// first, last and born (middle may be absent).
Columns readColumns(const std::vector<std::string> &header, QString *problem);

// Rows of the list, read and handed to a worker together.
struct Piece
{
    struct Row
    {
        quint64 line = 0;
        std::vector<std::string> fields;
        QString problem; // why the reader passed over it
    };
    std::vector<Row> rows;
};

// What a worker made of a piece: the bytes of the stream, and for each row in turn a PDF to
// write or a refusal to say.
struct Made
{
    struct Outcome
    {
        quint64 line = 0;
        QString refusal;
        QString fileName;
        QByteArray pdf;
    };
    QByteArray stream;
    std::vector<Outcome> outcomes;
};

// What a worker needs to make a piece: it reads nothing of the run but these.
struct Making
{
    Columns columns;
    ListFormat format = ListFormat::JsonLines;
    std::shared_ptr<const ListOutput> output;
    QPageSize paper;

    ListRow rowOf(const Piece::Row &raw) const;
    Made make(const Piece &piece) const;
};

// "1,234" and "1 row" or "2 rows", as messages count.
QString counted(qlonglong n);
QString plural(qlonglong n, const QString &one, const QString &many);

} // namespace vorn
