// The two buttons of the report dialog: Cancel closes it, Save writes the three
// pages into a PDF file, one page frame per A4 page.

#include "report/reportform.h"
#include "ui_reportform.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>

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

    QFrame *const pages[] = {ui->frameFormPage1, ui->frameFormPage2, ui->frameFormPage3};
    // The page outlines are for the screen only.
    for (QFrame *page : pages)
        page->setFrameShape(QFrame::NoFrame);

    bool painted = false;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageOrientation(QPageLayout::Portrait);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(fileName); // exactly as chosen: no suffix is added
        printer.setFullPage(false);

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
                painter.drawPixmap(0, 0, pages[i]->grab());
            }
            painted = painter.end() && painted;
        }

        for (QFrame *page : pages)
            page->setFrameShape(QFrame::Box);
    } // the printer completes the file here

    // A folder that does not exist or cannot be written leaves no file, or an empty one.
    const QFileInfo written(fileName);
    if (!painted || !written.isFile() || written.size() == 0) {
        QMessageBox::warning(this, tr("Salvar Relatório"),
                             tr("Não foi possível gravar o arquivo PDF."));
        return;
    }
    emit reportSaved(fileName);
}
