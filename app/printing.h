// Printing, in the print plugin that the program loads when the user first prints: Qt Print
// Support would cost every start of the program its loading otherwise.
#pragma once

#include <QPageSize>
#include <QString>
#include <QtPlugin>
#include <memory>

class QPagedPaintDevice;
class QWidget;

namespace vorn {

// The platform's print dialog and the printer it sets up.
class PrinterChooser
{
public:
    virtual ~PrinterChooser() = default;

    // Asks the user, over parent, where and how to print a document named documentName (the
    // print job's name, and the file offered when printing to one) on pages of pageSize: the
    // printer to paint the pages on, or nothing when the user canceled.
    virtual std::unique_ptr<QPagedPaintDevice>
    choosePrinter(QWidget *parent, const QString &documentName, const QPageSize &pageSize) = 0;
};

// The print plugin of the program in programFolder: beside it, as built, or where it is
// installed for it. Loaded the first time and kept; nothing, with the reason in error, when it
// cannot be loaded.
PrinterChooser *printerChooser(const QString &programFolder, QString *error);

} // namespace vorn

#define VornPrinterChooser_iid "example.lorewell.VornColorNumerology.PrinterChooser/1.0"
Q_DECLARE_INTERFACE(vorn::PrinterChooser, VornPrinterChooser_iid)
