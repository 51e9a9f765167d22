// Photographs of the scanner's parts (step 2), the uniformity image and the
// explanation of an inhomogeneous image (step 3).

#include "ui_mainwindow.h"
#include "wizard/mainwindow.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

// The explanation field holds at most this many characters ("/maximo 120").
const int maxExplanationLength = 120;

// Shows a copy of the picture scaled into the label's current size, aspect
// kept; the stored picture itself is never scaled.
void fitToLabel(QLabel *label, const QPixmap &pixmap)
{
    label->setPixmap(pixmap.scaled(label->width(), label->height(), Qt::KeepAspectRatio,
                                   Qt::FastTransformation));
}

// Asks for an image file, starting in `lastDir`. A chosen file moves
// `lastDir` to its folder before anything is read from it. Returns a null
// string when the user cancels.
QString chooseImage(MainWindow *window, QString &lastDir)
{
    const QString path =
        QFileDialog::getOpenFileName(window, MainWindow::tr("Abrir"), lastDir,
                                     MainWindow::tr("Arquivos de imagens") +
                                         QStringLiteral(" (*.png *.jpg *.jpeg *.bmp *.gif)"));
    if (path.isNull())
        return path;
    const int separator = path.lastIndexOf(QDir::separator());
    lastDir = separator < 0 ? path : path.left(separator);
    return path;
}

// Reads an image file at full resolution; null when it is not readable as
// an image. The caller owns the result.
QPixmap *readImage(const QString &path)
{
    QPixmap *pixmap = new QPixmap(path);
    if (pixmap->isNull()) {
        delete pixmap;
        return nullptr;
    }
    return pixmap;
}

} // namespace

// Deletes every stored picture; the window owns them.
void MainWindow::releaseImages()
{
    qDeleteAll(partImages);
    partImages.clear();
    delete uniformImage;
    uniformImage = nullptr;
}

void MainWindow::on_pushButton3CaboForca_clicked()
{
    loadPartImage(0);
}

void MainWindow::on_pushButtonMonitor_clicked()
{
    loadPartImage(1);
}

void MainWindow::on_pushButton3Controles_clicked()
{
    loadPartImage(2);
}

void MainWindow::on_pushButton3Botoes_clicked()
{
    loadPartImage(3);
}

void MainWindow::on_pushButton3Filtro_clicked()
{
    loadPartImage(4);
}

void MainWindow::on_pushButton3Trasdutores_clicked()
{
    loadPartImage(5);
}

void MainWindow::loadPartImage(int partIndex)
{
    const QString path = chooseImage(this, lastDir);
    if (path.isNull())
        return;
    // An unreadable file leaves the part's photograph as it was, so the report
    // never loses a photograph that the label still shows.
    QPixmap *pixmap = readImage(path);
    if (!pixmap)
        return;
    delete partImages.take(partIndex);
    partImages.insert(partIndex, pixmap);
    fitToLabel(ui->labelEquipPartImg, *pixmap);
    ui->comboBoxImage->setCurrentIndex(partIndex);
}

void MainWindow::on_comboBoxImage_currentIndexChanged(int index)
{
    if (QPixmap *pixmap = partImages.value(index))
        fitToLabel(ui->labelEquipPartImg, *pixmap);
    else
        ui->labelEquipPartImg->setPixmap(QPixmap());
}

void MainWindow::on_pushButtonPartImgClear_clicked()
{
    const int index = ui->comboBoxImage->currentIndex();
    if (!partImages.contains(index))
        return;
    delete partImages.take(index);
    ui->labelEquipPartImg->setPixmap(QPixmap());
}

void MainWindow::on_pushButtonLoadUniImg_clicked()
{
    const QString path = chooseImage(this, lastDir);
    if (path.isNull())
        return;
    QPixmap *pixmap = readImage(path);
    if (!pixmap)
        return;
    delete uniformImage;
    fitToLabel(ui->labelUniformImg, *pixmap);
    uniformImage = pixmap;
}

void MainWindow::on_pushButtonUniformImgClear_clicked()
{
    delete uniformImage;
    uniformImage = nullptr;
    ui->labelUniformImg->setPixmap(QPixmap());
}

void MainWindow::on_comboBox4ImgUnifor_currentIndexChanged(int index)
{
    // ratings 2 and 3 report inhomogeneities, which must be explained
    if (index > 1) {
        ui->plainTextEdit4->setEnabled(true);
        ui->labelUniform->show();
        ui->plainTextEdit4->setFocus(Qt::OtherFocusReason);
    } else {
        ui->plainTextEdit4->clear();
        ui->plainTextEdit4->setEnabled(false);
        ui->labelUniform->hide();
        ui->lineEdit4Transdutor->setFocus(Qt::OtherFocusReason);
    }
}

// Every deletion below changes the text and runs this slot again at once, so
// a long paste is cut back one character per nested run.
void MainWindow::on_plainTextEdit4_textChanged()
{
    QPlainTextEdit *edit = ui->plainTextEdit4;
    const QString text = edit->toPlainText();
    if (!text.isEmpty()) {
        const QChar last = text.at(text.size() - 1);
        const bool allowed = last.isPunct() || last.isLetterOrNumber() || last.isSpace();
        if (last == QLatin1Char('\n') || !allowed)
            edit->textCursor().deletePreviousChar();
    }
    if (edit->toPlainText().size() > maxExplanationLength)
        edit->textCursor().deletePreviousChar();
    ui->label_7->setText(QString::number(edit->toPlainText().size()));
}
