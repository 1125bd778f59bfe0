// The PDFs of a list run, written into one folder: never over a file that is there, and never a
// part-written file under a PDF's name.
#pragma once

#include <QByteArray>
#include <QCache>
#include <QDir>
#include <QString>

namespace vorn {

class PdfFolder
{
public:
    explicit PdfFolder(const QDir &folder);

    // Writes bytes under name, or, where a file of that name is there, under the first free
    // "name-2", "name-3", ...: the name written, or an empty one and the reason in problem.
    QString write(const QString &name, const QByteArray &bytes, QString *problem);

private:
    QDir m_folder;
    // The last number given to a recent name, so that many readings of one name do not try every
    // taken number again; bounded, as the list may be long.
    QCache<QString, int> m_lastNumber{4096};
};

// Writes bytes into folder as name numbered from *number (1: name itself, 2: "name-2", and so
// on), taking the next number while a file of that name is there. The name written, with its
// number in *number, or an empty one and the reason in problem.
QString writeNewFile(const QDir &folder, const QString &name, const QByteArray &bytes, int *number,
                     QString *problem);

} // namespace vorn
