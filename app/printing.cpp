#include "printing.h"

#include <QDir>
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
    // Given a base name with a folder, the loader adds the platform's suffix and looks in that
    // folder alone: beside the program as built, then where it is installed for it.
    const QDir here(programFolder);
    const QDir installed(here.filePath(QStringLiteral(VORN_PRINT_MODULE_DIR)));
    QString found;
    for (const QDir &folder : {here, installed}) {
        loader->setFileName(folder.absoluteFilePath(QStringLiteral("vorn-print")));
        if (loader->fileName().isEmpty())
            continue;
        if (auto *chooser = qobject_cast<PrinterChooser *>(loader->instance()))
            return chooser;
        found = loader->errorString();
    }
    if (error) {
        *error = !found.isEmpty() ? found
                                  : QStringLiteral("The print plugin is in neither %1 nor %2.")
                                        .arg(QDir::toNativeSeparators(here.absolutePath()),
                                             QDir::toNativeSeparators(installed.absolutePath()));
    }
    return nullptr;
}

} // namespace vorn
