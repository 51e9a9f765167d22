// The two buttons of the report dialog: Cancel closes it, Save writes the three
// pages into a PDF/A file, one page frame per A4 page, drawn as text, lines and
// pictures.

#include "core/logging.h"
#include "report/pagepainter.h"
#include "report/partfile.h"
#include "report/pdfinfo.h"
#include "report/reportform.h"
#include "ui_reportform.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cstdio>
#endif

namespace {

// A PDF is whole when it starts with its header and ends with its end-of-file marker;
// a full disk or a killed writer leaves the end missing.
bool isWholePdf(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 64 || file.read(5) != "%PDF-")
        return false;
    return file.seek(file.size() - 32) && file.read(32).contains("%%EOF");
}

// Puts source in the place of target in one step: target is the earlier file or the
// new one, never a mix or nothing.
bool replaceFile(const QString &source, const QString &target)
{
    if (QFileInfo::exists(target))
        QFile::setPermissions(source, QFile::permissions(target));
#ifdef Q_OS_WIN
    return MoveFileExW(reinterpret_cast<const wchar_t *>(source.utf16()),
                       reinterpret_cast<const wchar_t *>(target.utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
#else
    return std::rename(QFile::encodeName(source).constData(),
                       QFile::encodeName(target).constData()) == 0;
#endif
}

} // namespace

void ReportForm::on_pushButtonCancel_clicked()
{
    close();
}

void ReportForm::on_pushButtonSave_clicked()
{
    const QString proposed = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                             tr("/relatorio_zetu.pdf");
    const QString fileName = QFileDialog::getSaveFileName(
        nullptr, tr("Salvar Relatório"), proposed, QString(), nullptr, QFileDialog::Options());
    if (fileName.isNull())
        return;
    if (writePdf(fileName))
        emit reportSaved(fileName);
    else
        QMessageBox::warning(this, tr("Salvar Relatório"),
                             tr("Não foi possível gravar o arquivo PDF."));
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
    bool painted = false;
    {
        QPdfWriter writer(partial);
        writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        // In the pages' own resolution fonts measure as on screen, so every line breaks
        // where it breaks in the dialog.
        writer.setResolution(pages[0]->logicalDpiY());
        writer.setTitle(info.title);
        writer.setCreator(info.creator);
        // A page pixel prints as 1/96 inch: the page at the size the dialog shows it at
        // 96 dpi, in the middle of the sheet, on whole pixels of that size.
        const qreal scale = writer.resolution() / 96.0;
        const QPointF corner(int((writer.width() / scale - pages[0]->width()) / 2) * scale,
                             int((writer.height() / scale - pages[0]->height()) / 2) * scale);

        QPainter painter;
        if (painter.begin(&writer)) {
            PagePainter pagePainter(&painter);
            painted = true;
            for (int i = 0; i < 3; ++i) {
                if (i > 0)
                    painted = writer.newPage() && painted;
                painter.save();
                painter.translate(corner);
                painter.scale(scale, scale);
                pagePainter.drawPage(pages[i]);
                painter.restore();
            }
            painted = painter.end() && painted;
        } else {
            qCWarning(zetuReport) << "cannot write" << partial;
        }
    } // the writer completes the file here

    if (painted && writePdfInfo(partial, info) && isWholePdf(partial) &&
        (!finish || finish(partial)) && replaceFile(partial, fileName))
        return true;
    qCWarning(zetuReport) << "the report was not saved as" << fileName;
    QFile::remove(partial);
    return false;
}
