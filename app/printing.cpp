// Printing, in a module of its own that the program loads when the user first prints: Qt Print
// Support costs every start of the program its loading otherwise.

#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT bool vornPrint(QWidget *parent, const QString &title,
                                        const QPageSize &pageSize,
                                        void (*paint)(QPagedPaintDevice &device, const void *what),
                                        const void *what)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(pageSize);
    printer.setDocName(title);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    paint(printer, what);
    return true;
}
