// The buttons of the report dialog: Cancel (Close once saved) closes it, Save writes
// the three pages into a PDF/A file, one page frame per A4 page, drawn as text, lines
// and pictures, Open shows the saved file in the desktop's PDF viewer and Print draws
// the same pages onto the printer the system's print dialog chooses.

#include "core/dateformats.h"
#include "core/logging.h"
#include "core/signer.h"
#include "history/pdfviewer.h"
#include "report/pagepainter.h"
#include "report/partfile.h"
#include "report/pdfinfo.h"
#include "report/reportfile.h"
#include "report/reportform.h"
#include "ui_reportform.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#endif

namespace {

// Puts source in the place of target in one step: target is the earlier file or the
// new one, never a mix or nothing. False, with the reason logged, when it cannot.
bool replaceFile(const QString &source, const QString &target)
{
    QFile file(source);
    if (QFileInfo::exists(target) && !file.setPermissions(QFile::permissions(target)))
        qCWarning(zetuReport) << "cannot give" << source << "the permissions of" << target << ":"
                              << file.errorString();
#ifdef Q_OS_WIN
    if (MoveFileExW(reinterpret_cast<const wchar_t *>(source.utf16()),
                    reinterpret_cast<const wchar_t *>(target.utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    const QString reason = qt_error_string(int(GetLastError()));
#else
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) ==
        0)
        return true;
    const QString reason = qt_error_string(errno);
#endif
    qCWarning(zetuReport) << "cannot put" << source << "in the place of" << target << ":" << reason;
    return false;
}

// The zetu.ini key of the folder of the last report saved.
const QString folderKey = QStringLiteral("Report/Folder");

// Draws the three pages onto the A4 sheets of device, a PDF writer or a printer whose
// resolution is the pages' own: fonts measure as on screen, so every line breaks
// where it breaks in the dialog. A page pixel prints as 1/96 inch: the page at the
// size the dialog shows it at 96 dpi, in the middle of the sheet, on whole pixels.
void drawPages(QPagedPaintDevice *device, QWidget *const (&pages)[3])
{
    const qreal scale = device->logicalDpiX() / 96.0;
    const QPointF corner(int((device->width() / scale - pages[0]->width()) / 2) * scale,
                         int((device->height() / scale - pages[0]->height()) / 2) * scale);
    QPainter painter(device);
    PagePainter pagePainter(&painter);
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            device->newPage();
        painter.save();
        painter.translate(corner);
        painter.scale(scale, scale);
        pagePainter.drawPage(pages[i]);
        painter.restore();
    }
}

// Draws the three pages onto A4 sheets of a PDF/A file written to device.
void printPages(QIODevice *device, QWidget *const (&pages)[3], const PdfInfo &info)
{
    QPdfWriter writer(device);
    writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setResolution(pages[0]->logicalDpiY());
    writer.setTitle(info.title);
    writer.setCreator(info.creator);
    drawPages(&writer, pages);
} // the writer completes the file here

} // namespace

void ReportForm::on_pushButtonCancel_clicked()
{
    close();
}

QString ReportForm::proposedPath() const
{
    const QSettings settings(QStringLiteral("zetu.ini"), QSettings::IniFormat);
    QString folder = settings.value(folderKey).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDate date = QDate::fromString(ui->labelDate->text(), DateFormats::shown);
    if (!date.isValid())
        date = QDate::currentDate();
    return QDir(folder).filePath(ReportFile::proposedName(ui->labelID->text(), date));
}

QString ReportForm::confirmedName(const QString &chosen)
{
    const QString fileName = ReportFile::withPdfSuffix(chosen);
    // the file dialog asked about the name typed, not about this one
    if (fileName != chosen && QFileInfo::exists(fileName) &&
        QMessageBox::question(this, tr("Salvar Relatório"),
                              tr("O arquivo %1 já existe. Deseja substituí-lo?")
                                  .arg(QDir::toNativeSeparators(fileName)),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return QString();
    return fileName;
}

void ReportForm::on_pushButtonSave_clicked()
{
    const QString chosen =
        QFileDialog::getSaveFileName(nullptr, tr("Salvar Relatório"), proposedPath(),
                                     tr("Documentos PDF (*.pdf)"), nullptr, QFileDialog::Options());
    if (chosen.isNull())
        return;
    const QString fileName = confirmedName(chosen);
    if (fileName.isEmpty())
        return;
    setSigned(Signer(), QDateTime()); // an unsigned file carries no signer
    if (writePdf(fileName))
        emit reportSaved(fileName);
    else
        QMessageBox::warning(this, tr("Salvar Relatório"),
                             tr("Não foi possível gravar o arquivo PDF %1.")
                                 .arg(QDir::toNativeSeparators(fileName)));
}

void ReportForm::on_pushButtonOpen_clicked()
{
    PdfViewer::open(this, QDir::fromNativeSeparators(savedPath));
}

// A4 on the printer the user chooses, at the pages' own resolution, as the PDF is drawn.
void ReportForm::on_pushButtonPrint_clicked()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer.setFullPage(true);
    printer.setDocName(QFileInfo(proposedPath()).completeBaseName());
    printer.setCreator(QStringLiteral("ZETU"));
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printer.setResolution(ui->frameFormPage1->logicalDpiY());
    QWidget *const pages[] = {ui->frameFormPage1, ui->frameFormPage2, ui->frameFormPage3};
    drawPages(&printer, pages);
    if (printer.printerState() == QPrinter::Error) {
        qCWarning(zetuReport) << "printing on" << printer.printerName() << "failed";
        QMessageBox::warning(this, tr("Imprimir"),
                             tr("Não foi possível imprimir o relatório em %1.")
                                 .arg(printer.printerName().isEmpty()
                                          ? QDir::toNativeSeparators(printer.outputFileName())
                                          : printer.printerName()));
    }
}

// Writes the pages into a file beside fileName and, once it is whole (and finished),
// puts it in the place of fileName. On failure nothing is left behind and an earlier
// file of that name stays as it was.
bool ReportForm::writePdf(const QString &fileName,
                          const std::function<bool(const QString &)> &finish)
{
    QWidget *const pages[] = {ui->frameFormPage1, ui->frameFormPage2, ui->frameFormPage3};
    removeLeftoverParts(fileName);
    const QString partial = newPartFileName(fileName);
    const PartFileGuard writing(partial);
    const QString id = ui->labelID->text();
    PdfInfo info;
    info.title = id.isEmpty() ? ui->label->text() : ui->label->text() + QStringLiteral(" - ") + id;
    info.author = ui->labelResp->text();
    info.subject = id;
    info.creator = QStringLiteral("ZETU");
    // Written whole in one go, so that a failing write (a full disk) is seen: the PDF
    // writer does not look at what its own writes return.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    printPages(&buffer, pages, info);
    QFile out(partial);
    const qint64 written = out.open(QIODevice::WriteOnly) ? out.write(pdf) : -1;
    const bool whole = written == pdf.size() && out.flush();
    const QString reason = out.errorString();
    out.close(); // completed and renamed closed: an open file cannot be renamed on Windows
    if (!whole)
        qCWarning(zetuReport) << "cannot write" << partial << ":" << written << "of" << pdf.size()
                              << "bytes written," << reason;
    else if (writePdfInfo(partial, info) && (!finish || finish(partial)) &&
             replaceFile(partial, fileName))
        return true;
    qCWarning(zetuReport) << "the report was not saved as" << fileName;
    if (!out.remove())
        qCWarning(zetuReport) << "cannot remove" << partial << ":" << out.errorString();
    return false;
}
