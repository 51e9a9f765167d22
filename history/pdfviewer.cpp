#include "history/pdfviewer.h"
#include "core/logging.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace PdfViewer {

bool open(QWidget *parent, const QString &fileName)
{
    const QString title = QCoreApplication::translate("PdfViewer", "Abrir relatório");
    const QString shown = QDir::toNativeSeparators(fileName);
    if (!QFileInfo(fileName).isFile()) {
        qCWarning(zetuReport) << "cannot open the report" << fileName << ": it is not there";
        QMessageBox::warning(
            parent, title,
            QCoreApplication::translate("PdfViewer", "O relatório %1 não está mais nesse lugar: o "
                                                     "arquivo foi movido, renomeado ou apagado.")
                .arg(shown));
        return false;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath())))
        return true;
    qCWarning(zetuReport) << "no PDF viewer took" << fileName;
    QMessageBox::warning(
        parent, title,
        QCoreApplication::translate("PdfViewer", "Não foi possível abrir %1: nenhum leitor de PDF "
                                                 "respondeu.")
            .arg(shown));
    return false;
}

} // namespace PdfViewer
