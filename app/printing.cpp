#include "printing.h"

#include <QDir>
#include <QLibrary>
#include <QPluginLoader>

namespace vorn {

PrinterChooser *printerChooser(const QString &programFolder, QString *error)
{
    // Never unloaded: a printer it made may outlive any one use.
    static QPluginLoader *loader = nullptr;
    if (loader && loader->isLoaded())
        return qobject_cast<PrinterChooser *>(loader->instance());
    delete loader;
    loader = new QPluginLoader;
    // Only these two places: given a name that is not there, the loader would search Qt's
    // library paths, the program's own folder among them.
    const QDir here(programFolder);
    const QDir installed(here.filePath(QStringLiteral(VORN_PRINT_MODULE_DIR)));
    for (const QDir &folder : {here, installed}) {
        for (const QFileInfo &file :
             folder.entryInfoList({QStringLiteral("vorn-print.*")}, QDir::Files)) {
            if (!QLibrary::isLibrary(file.fileName()))
                continue;
            loader->setFileName(file.absoluteFilePath());
            if (auto *chooser = qobject_cast<PrinterChooser *>(loader->instance()))
                return chooser;
        }
    }
    if (error) {
        *error = loader->fileName().isEmpty()
            ? QStringLiteral("its plugin is in neither %1 nor %2")
                  .arg(QDir::toNativeSeparators(here.absolutePath()),
                       QDir::toNativeSeparators(installed.absolutePath()))
            : loader->errorString();
    }
    return nullptr;
}

} // namespace vorn
