// What the command line says and writes: messages on standard error after the program's name,
// and output to standard output or to a file that is replaced only once it is whole.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QSaveFile;

namespace vorn {

// "vorn-color-numerology: message" on standard error.
void complain(const QString &message);

class CommandOutput
{
public:
    // Standard output when path is empty.
    explicit CommandOutput(const QString &path);
    ~CommandOutput();

    bool open();
    bool write(const QByteArray &bytes);
    // Flushes standard output, or puts the file in place of any file of its name.
    bool finish();

    // What a message says could not be written: "to standard output" or "'reading.json'"; and
    // why the last step failed.
    QString where() const;
    QString errorString() const { return m_error; }

private:
    QString m_path;
    std::unique_ptr<QSaveFile> m_file;
    QString m_error;
};

} // namespace vorn
