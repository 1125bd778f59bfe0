#include "pdffolder.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace vorn {

namespace {

QString errnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, at, std::size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        at += n;
        left -= n;
    }
    return true;
}

// "JOHN-SMITH-reading.pdf", then "JOHN-SMITH-reading-2.pdf", ...
QString numbered(const QString &name, int number)
{
    if (number == 1)
        return name;
    const QFileInfo info(name);
    return info.completeBaseName() + u'-' + QString::number(number) + u'.' + info.suffix();
}

// A file with no name in folder (Linux's O_TMPFILE): if the run ends before it is given one,
// nothing of it is left. Elsewhere, a hidden file that is given its name when whole.
struct UnnamedFile
{
    int fd = -1;
    QByteArray path; // what link() takes to name it
    bool named = false; // a hidden stand-in, removed once linked

    explicit UnnamedFile(const QDir &folder)
    {
        const QByteArray where = QFile::encodeName(folder.absolutePath());
#ifdef O_TMPFILE
        fd = ::open(where.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd >= 0) {
            path = "/proc/self/fd/" + QByteArray::number(fd);
            return;
        }
#endif
        path = where + "/.vorn-reading-XXXXXX.part";
        fd = ::mkostemps(path.data(), 5, O_CLOEXEC);
        named = fd >= 0;
    }
    ~UnnamedFile()
    {
        if (fd >= 0)
            ::close(fd);
        if (named)
            ::unlink(path.constData());
    }
};

} // namespace

QString writeNewFile(const QDir &folder, const QString &name, const QByteArray &bytes, int *number,
                     QString *problem)
{
    UnnamedFile file(folder);
    if (file.fd < 0 || !writeAll(file.fd, bytes)) {
        *problem = errnoText();
        return {};
    }
    for (;; ++*number) {
        const QString candidate = numbered(name, *number);
        // A link, unlike a rename, fails where the name is taken.
        const QByteArray target = QFile::encodeName(folder.absoluteFilePath(candidate));
        if (::linkat(AT_FDCWD, file.path.constData(), AT_FDCWD, target.constData(),
                     AT_SYMLINK_FOLLOW)
            == 0)
            return candidate;
        if (errno != EEXIST) {
            *problem = errnoText();
            return {};
        }
    }
}

PdfFolder::PdfFolder(const QDir &folder)
    : m_folder(folder)
{
}

QString PdfFolder::write(const QString &name, const QByteArray &bytes, QString *problem)
{
    const int *last = m_lastNumber.object(name);
    int number = last ? *last + 1 : 1;
    const QString written = writeNewFile(m_folder, name, bytes, &number, problem);
    if (!written.isEmpty())
        m_lastNumber.insert(name, new int(number));
    return written;
}

} // namespace vorn
