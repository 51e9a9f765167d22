// Photographs of the scanner's parts (step 2), the uniformity image and the
// explanation of an inhomogeneous image (step 3).

#include "ui_mainwindow.h"
#include "wizard/mainwindow.h"
#include "wizard/photograph.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

// The explanation field holds at most this many characters ("/maximo 120").
const int maxExplanationLength = 120;

// Shows a copy of the picture scaled into the label's current size, aspect kept, in
// the screen's pixels; the stored picture itself is not scaled again. No picture
// empties the label.
void fitToLabel(QLabel *label, const QPixmap *pixmap)
{
    if (!pixmap) {
        label->setPixmap(QPixmap());
        return;
    }
    const qreal ratio = label->devicePixelRatioF();
    QPixmap fitted =
        pixmap->scaled(label->size() * ratio, Qt::KeepAspectRatio, Qt::FastTransformation);
    fitted.setDevicePixelRatio(ratio);
    label->setPixmap(fitted);
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

// Reads a photograph, upright and no larger than it is ever shown or printed; null
// when the file gives none. With `refusal`, its reason is told there and nothing is
// shown; otherwise only a file too large to decode is said in a message box. The
// caller owns the result.
QPixmap *readImage(MainWindow *window, const QString &path, QString *refusal)
{
    QString error;
    PhotographRefusal why = PhotographRefusal::None;
    QImage image = readPhotograph(path, &error, &why);
    if (image.isNull()) {
        if (refusal)
            *refusal = error;
        else if (why == PhotographRefusal::TooLarge)
            QMessageBox::warning(window, MainWindow::tr("Abrir"), error);
        return nullptr;
    }
    return new QPixmap(QPixmap::fromImage(std::move(image)));
}

// A line feed, or anything that is neither punctuation, a letter, a digit nor a blank,
// may not end the explanation.
bool refusedAtEnd(QChar c)
{
    if (c == QLatin1Char('\n'))
        return true;
    return !(c.isPunct() || c.isLetterOrNumber() || c.isSpace());
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
    setPartImage(partIndex, path);
}

bool MainWindow::setPartImage(int partIndex, const QString &path, QString *refusal)
{
    // An unreadable file leaves the part's photograph as it was, so the report
    // never loses a photograph that the label still shows.
    QPixmap *pixmap = readImage(this, path, refusal);
    if (!pixmap)
        return false;
    delete partImages.take(partIndex);
    partImages.insert(partIndex, pixmap);
    partImagePaths.insert(partIndex, path);
    ui->comboBoxImage->setCurrentIndex(partIndex);
    showPhotographs();
    session.inputChanged();
    return true;
}

void MainWindow::on_comboBoxImage_currentIndexChanged(int)
{
    showPhotographs();
}

// The selected part's photograph and the uniformity image, each fitted into its label
// as it is now: called again whenever a label changes size, since a label on a page
// not yet shown has not been laid out.
void MainWindow::showPhotographs()
{
    fitToLabel(ui->labelEquipPartImg, partImages.value(ui->comboBoxImage->currentIndex()));
    fitToLabel(ui->labelUniformImg, uniformImage);
}

void MainWindow::on_pushButtonPartImgClear_clicked()
{
    const int index = ui->comboBoxImage->currentIndex();
    if (!partImages.contains(index))
        return;
    delete partImages.take(index);
    partImagePaths.remove(index);
    showPhotographs();
    session.inputChanged();
}

void MainWindow::on_pushButtonLoadUniImg_clicked()
{
    const QString path = chooseImage(this, lastDir);
    if (path.isNull())
        return;
    setUniformImage(path);
}

bool MainWindow::setUniformImage(const QString &path, QString *refusal)
{
    QPixmap *pixmap = readImage(this, path, refusal);
    if (!pixmap)
        return false;
    delete uniformImage;
    uniformImage = pixmap;
    uniformImagePath = path;
    showPhotographs();
    session.inputChanged();
    return true;
}

void MainWindow::on_pushButtonUniformImgClear_clicked()
{
    delete uniformImage;
    uniformImage = nullptr;
    uniformImagePath.clear();
    showPhotographs();
    session.inputChanged();
}

void MainWindow::on_comboBox4ImgUnifor_currentIndexChanged(int index)
{
    // ratings 2 and 3 report inhomogeneities, which must be explained
    if (index > 1) {
        ui->plainTextEdit4->setEnabled(true);
        ui->labelUniform->show();
    } else {
        ui->plainTextEdit4->clear();
        ui->plainTextEdit4->setEnabled(false);
        ui->labelUniform->hide();
    }
    // The focus follows the choice on step 3, not when a stored value is set elsewhere.
    QWidget *next =
        index > 1 ? static_cast<QWidget *>(ui->plainTextEdit4) : ui->lineEdit4Transdutor;
    if (ui->stackedWidget->currentWidget()->isAncestorOf(next))
        next->setFocus(Qt::OtherFocusReason);
}

// Keeps the explanation to letters, digits, punctuation and blanks at its end and to
// 120 characters, always deleting before the text cursor, then shows the count.
// Each deletion changes the text and notifies this slot again at once; those inner
// notifications are absorbed here and the loop below goes on until the text is
// stable instead, so that a long paste neither nests one call per character (which
// overflows the stack and freezes the window for minutes) nor is cut one character
// at a time: everything beyond 120 characters goes before the cursor in one deletion,
// as the character-by-character cut would have removed it anyway.
void MainWindow::on_plainTextEdit4_textChanged()
{
    static bool trimming = false;
    if (trimming)
        return;
    trimming = true;
    QPlainTextEdit *edit = ui->plainTextEdit4;
    for (;;) {
        const QString text = edit->toPlainText();
        QTextCursor cursor = edit->textCursor();
        const int position = cursor.position();
        if (position == 0)
            break;
        const int excess = text.size() - maxExplanationLength;
        if (excess > 0) {
            cursor.setPosition(qMax(0, position - excess), QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            continue;
        }
        if (text.isEmpty() || !refusedAtEnd(text.at(text.size() - 1)))
            break;
        cursor.deletePreviousChar();
    }
    trimming = false;
    ui->label_7->setText(QString::number(edit->toPlainText().size()));
}
