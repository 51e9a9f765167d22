// The two buttons of the report dialog: Cancel closes it, Save writes the three
// pages into a PDF file, one page frame per A4 page.

#include "report/reportform.h"
#include "ui_reportform.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QRandomGenerator>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cstdio>
#endif

namespace {

// Each page goes into the file as a picture of the page as shown, drawn at print
// resolution.
QPixmap renderPage(QWidget *page)
{
    QPixmap picture(page->size() * ReportForm::printRatio);
    picture.setDevicePixelRatio(ReportForm::printRatio);
    picture.fill(Qt::white);
    page->render(&picture);
    return picture;
}

// The file being written lives next to the chosen one, under a name no file has.
QString partialName(const QString &fileName)
{
    const QFileInfo chosen(fileName);
    QString name;
    do {
        name = QStringLiteral("%1/.%2.%3.part")
                   .arg(chosen.absolutePath(), chosen.fileName(),
                        QString::number(QRandomGenerator::global()->generate(), 36));
    } while (QFileInfo::exists(name));
    return name;
}

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
    QFrame *const pages[] = {ui->frameFormPage1, ui->frameFormPage2, ui->frameFormPage3};
    // The page outlines are for the screen only.
    for (QFrame *page : pages)
        page->setFrameShape(QFrame::NoFrame);

    const QString partial = partialName(fileName);
    bool painted = false;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageOrientation(QPageLayout::Portrait);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(partial);
        printer.setFullPage(false);
        const QString id = ui->labelID->text();
        printer.setDocName(id.isEmpty() ? ui->label->text()
                                        : ui->label->text() + QStringLiteral(" - ") + id);
        printer.setCreator(QStringLiteral("ZETU"));

        // One factor serves all three pages: they share the width of the first.
        const double scale = double(printer.width()) / double(ui->frameFormPage1->width());

        QPainter painter;
        if (painter.begin(&printer)) {
            painter.scale(scale, scale);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painted = true;
            for (int i = 0; i < 3; ++i) {
                if (i > 0)
                    painted = printer.newPage() && painted;
                painter.drawPixmap(QPointF(0, 0), renderPage(pages[i]));
            }
            painted = painter.end() && painted;
        }

        for (QFrame *page : pages)
            page->setFrameShape(QFrame::Box);
    } // the printer completes the file here

    if (painted && isWholePdf(partial) && (!finish || finish(partial)) &&
        replaceFile(partial, fileName))
        return true;
    QFile::remove(partial);
    return false;
}
