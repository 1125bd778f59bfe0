#include "commandio.h"

#include "programname.h"

#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vorn {

namespace {

QString errnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno ? errno : EIO));
}

} // namespace

void complain(const QString &message)
{
    std::fprintf(stderr, "%s: %s\n", ProgramName, qUtf8Printable(message));
}

CommandOutput::CommandOutput(const QString &path)
    : m_path(path)
{
}

CommandOutput::~CommandOutput() = default;

bool CommandOutput::open()
{
    if (m_path.isEmpty()) {
        // Written in large blocks: a list run writes many short lines.
        static char buffer[1 << 16];
        std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
        return true;
    }
    m_file = std::make_unique<QSaveFile>(m_path);
    if (m_file->open(QIODevice::WriteOnly))
        return true;
    m_error = m_file->errorString();
    return false;
}

bool CommandOutput::write(const QByteArray &bytes)
{
    if (m_file) {
        if (m_file->write(bytes) == bytes.size())
            return true;
        m_error = m_file->errorString();
        return false;
    }
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout)
        == std::size_t(bytes.size()))
        return true;
    m_error = errnoText();
    return false;
}

bool CommandOutput::finish()
{
    if (m_file) {
        if (m_file->commit())
            return true;
        m_error = m_file->errorString();
        return false;
    }
    errno = 0;
    if (std::fflush(stdout) == 0)
        return true;
    m_error = errnoText();
    return false;
}

QString CommandOutput::where() const
{
    return m_path.isEmpty() ? QStringLiteral("to standard output") : u'\'' + m_path + u'\'';
}

} // namespace vorn
