#ifndef IMAGESTEPS_H
#define IMAGESTEPS_H

#include "wizard/photographs.h"

#include <QObject>
#include <QVector>

class QPushButton;
struct StepForms;

namespace Ui {
class MainWindowPhysical;
}

// The six photograph buttons of step 2, each with the part index of its photograph,
// which is also its entry in the selector comboBoxImage.
struct PhotographButton
{
    QPushButton *button;
    int part;
};

QVector<PhotographButton> photographButtons(const Ui::MainWindowPhysical &step);

// The pictures of steps 2 and 3 as the window shows them: a file chosen for a part or
// for the uniformity image is read and fitted to its label, the selected part's
// photograph is shown, and the explanation of an inhomogeneous image is kept short.
class ImageSteps : public QObject
{
    Q_OBJECT

public:
    // `window` parents the file dialogs and message boxes.
    ImageSteps(const StepForms &forms, QWidget *window);

    const Photographs &photographs() const { return pictures; }

    // Asks for a file for the part of `button` (one of photographButtons) or for the
    // uniformity image; a cancelled dialog changes nothing.
    void choosePart(const QPushButton *button);
    void chooseUniformity();
    // Sets a picture from its file; false and nothing changed when it gives none.
    // With `refusal`, the reason is told there instead of in a message box.
    bool setPart(int part, const QString &path, QString *refusal = nullptr);
    bool setUniformity(const QString &path, QString *refusal = nullptr);
    // Drops the photograph of the part selected, or the uniformity image.
    void clearSelectedPart();
    void clearUniformity();
    // Drops every picture held; the labels keep what they show.
    void clear() { pictures.clear(); }
    // Fits the selected part's photograph and the uniformity image to their labels.
    void show();

    // The uniformity rating opens the explanation for ratings 2 and 3 and closes and
    // empties it otherwise.
    void ratingChanged(int index);
    // Keeps the explanation within its length and its allowed last characters.
    void trimExplanation();

signals:
    // A picture was set or dropped by the user or from a file.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString chooseFile();
    QPixmap read(const QString &path, QString *refusal);

    const StepForms &forms;
    QWidget *window;
    Photographs pictures;
    QString lastDir; // where the file dialogs start: the folder of the last file chosen
};

#endif // IMAGESTEPS_H
