#include "printing.h"

#include <QObject>
#include <QPrintDialog>
#include <QPrinter>

namespace vorn {

class PrintDialogPlugin : public QObject, public PrinterChooser
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VornPrinterChooser_iid)
    Q_INTERFACES(vorn::PrinterChooser)

public:
    std::unique_ptr<QPagedPaintDevice> choosePrinter(QWidget *parent, const QString &documentName,
                                                     const QPageSize &pageSize) override
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setPageSize(pageSize);
        printer->setDocName(documentName);
        QPrintDialog dialog(printer.get(), parent);
        if (dialog.exec() != QDialog::Accepted)
            return nullptr;
        return printer;
    }
};

} // namespace vorn

#include "printplugin.moc"
