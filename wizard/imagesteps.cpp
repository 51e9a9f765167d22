// Photographs of the scanner's parts (step 2), the uniformity image and the
// explanation of an inhomogeneous image (step 3).

#include "wizard/imagesteps.h"

#include "wizard/photograph.h"
#include "wizard/stepforms.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

// The explanation field holds at most this many characters ("/maximo 120").
const int maxExplanationLength = 120;

// Shows a copy of the picture scaled into the label's current size, aspect kept, in
// the screen's pixels; the stored picture itself is not scaled again. No picture
// empties the label.
void fitToLabel(QLabel *label, const QPixmap &pixmap)
{
    if (pixmap.isNull()) {
        label->setPixmap(QPixmap());
        return;
    }
    const qreal ratio = label->devicePixelRatioF();
    QPixmap fitted =
        pixmap.scaled(label->size() * ratio, Qt::KeepAspectRatio, Qt::FastTransformation);
    fitted.setDevicePixelRatio(ratio);
    label->setPixmap(fitted);
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

QVector<PhotographButton> photographButtons(const Ui::MainWindowPhysical &step)
{
    return {
        {step.pushButton3CaboForca, 0}, {step.pushButtonMonitor, 1},
        {step.pushButton3Controles, 2}, {step.pushButton3Botoes, 3},
        {step.pushButton3Filtro, 4},    {step.pushButton3Trasdutores, 5},
    };
}

ImageSteps::ImageSteps(const StepForms &forms, QWidget *window)
    : QObject(window)
    , forms(forms)
    , window(window)
    , lastDir(QDir::homePath())
{
    forms.uniformity.labelUniform->hide();
    forms.physical.labelEquipPartImg->installEventFilter(this);
    forms.uniformity.labelUniformImg->installEventFilter(this);
}

// A label on a page not yet shown has not been laid out: its picture is fitted again
// whenever it changes size.
bool ImageSteps::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && (watched == forms.physical.labelEquipPartImg ||
                                            watched == forms.uniformity.labelUniformImg))
        show();
    return QObject::eventFilter(watched, event);
}

// Asks for an image file, starting in `lastDir`. A chosen file moves `lastDir` to its
// folder before anything is read from it. Returns a null string when the user cancels.
QString ImageSteps::chooseFile()
{
    const QString path = QFileDialog::getOpenFileName(
        window, tr("Abrir"), lastDir,
        tr("Arquivos de imagens") + QStringLiteral(" (*.png *.jpg *.jpeg *.bmp *.gif)"));
    if (path.isNull())
        return path;
    const int separator = path.lastIndexOf(QDir::separator());
    lastDir = separator < 0 ? path : path.left(separator);
    return path;
}

// Reads a photograph, upright and no larger than it is ever shown or printed; null
// when the file gives none. With `refusal`, its reason is told there and nothing is
// shown; otherwise only a file too large to decode is said in a message box.
QPixmap ImageSteps::read(const QString &path, QString *refusal)
{
    QString error;
    PhotographRefusal why = PhotographRefusal::None;
    QImage image = readPhotograph(path, &error, &why);
    if (image.isNull()) {
        if (refusal)
            *refusal = error;
        else if (why == PhotographRefusal::TooLarge)
            QMessageBox::warning(window, tr("Abrir"), error);
        return QPixmap();
    }
    return QPixmap::fromImage(std::move(image));
}

void ImageSteps::choosePart(const QPushButton *button)
{
    for (const PhotographButton &photograph : photographButtons(forms.physical)) {
        if (photograph.button != button)
            continue;
        const QString path = chooseFile();
        if (!path.isNull())
            setPart(photograph.part, path);
    }
}

bool ImageSteps::setPart(int part, const QString &path, QString *refusal)
{
    // An unreadable file leaves the part's photograph as it was, so the report
    // never loses a photograph that the label still shows.
    const QPixmap pixmap = read(path, refusal);
    if (pixmap.isNull())
        return false;
    pictures.setPart(part, pixmap, path);
    forms.physical.comboBoxImage->setCurrentIndex(part);
    show();
    emit changed();
    return true;
}

void ImageSteps::show()
{
    fitToLabel(forms.physical.labelEquipPartImg,
               pictures.part(forms.physical.comboBoxImage->currentIndex()));
    fitToLabel(forms.uniformity.labelUniformImg, pictures.uniformity());
}

void ImageSteps::clearSelectedPart()
{
    if (!pictures.clearPart(forms.physical.comboBoxImage->currentIndex()))
        return;
    show();
    emit changed();
}

void ImageSteps::chooseUniformity()
{
    const QString path = chooseFile();
    if (!path.isNull())
        setUniformity(path);
}

bool ImageSteps::setUniformity(const QString &path, QString *refusal)
{
    const QPixmap pixmap = read(path, refusal);
    if (pixmap.isNull())
        return false;
    pictures.setUniformity(pixmap, path);
    show();
    emit changed();
    return true;
}

void ImageSteps::clearUniformity()
{
    pictures.clearUniformity();
    show();
    emit changed();
}

void ImageSteps::ratingChanged(int index)
{
    // ratings 2 and 3 report inhomogeneities, which must be explained
    const Ui::MainWindowUniformity &step = forms.uniformity;
    if (index > 1) {
        step.plainTextEdit4->setEnabled(true);
        step.labelUniform->show();
    } else {
        step.plainTextEdit4->clear();
        step.plainTextEdit4->setEnabled(false);
        step.labelUniform->hide();
    }
    // The focus follows the choice on step 3, not when a stored value is set elsewhere.
    QWidget *next =
        index > 1 ? static_cast<QWidget *>(step.plainTextEdit4) : step.lineEdit4Transdutor;
    if (next->isVisibleTo(window)) // on the step shown
        next->setFocus(Qt::OtherFocusReason);
}

// Keeps the explanation to letters, digits, punctuation and blanks at its end and to
// 120 characters, always deleting before the text cursor, then shows the count.
// Each deletion changes the text and notifies the text-changed slot again at once;
// those inner notifications are absorbed here and the loop below goes on until the
// text is stable instead, so that a long paste neither nests one call per character
// (which overflows the stack and freezes the window for minutes) nor is cut one
// character at a time: everything beyond 120 characters goes before the cursor in one
// deletion, as the character-by-character cut would have removed it anyway.
void ImageSteps::trimExplanation()
{
    static bool trimming = false;
    if (trimming)
        return;
    trimming = true;
    QPlainTextEdit *edit = forms.uniformity.plainTextEdit4;
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
    forms.uniformity.label_7->setText(QString::number(edit->toPlainText().size()));
}
