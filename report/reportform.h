#ifndef REPORTFORM_H
#define REPORTFORM_H

#include "core/judgement.h"
#include "core/tolerance.h"

#include <QDateTime>
#include <QDialog>
#include <QJsonObject>
#include <QPixmap>
#include <QStringList>
#include <functional>

class QLabel;
struct Signer;

namespace Ui {
class ReportForm;
}

// The report dialog: three fixed report pages and the Save/Cancel bar.
class ReportForm : public QDialog
{
    Q_OBJECT

public:
    // Device pixels per page pixel that photographs keep for print: a page pixel prints
    // as 1/96 inch, so a photograph keeps 336 pixels per inch of its printed size.
    static constexpr qreal printRatio = 3.5;
    // The pages' text: 9 pt of the page (a page pixel is 1/96 inch, see ReportCell).
    static constexpr qreal pagePointSize = 9;
    // The uniformity image's side in page pixels, and beside the criteria.
    static constexpr int uniformitySide = 300;
    static constexpr int compactUniformitySide = 180;

    explicit ReportForm(QWidget *parent = nullptr);
    ~ReportForm();

    // Equipment header (reportsetters.cpp, as are all setters)
    void setManufacturer(const QString &text);
    void setModel(const QString &text);
    void setPlace(const QString &text);
    void setInstitution(const QString &text);
    void setEquipmentId(const QString &text);
    // The inspected transducer in words and its next inspection's date; with no
    // transducer (an inspection of an earlier version) the line is left out.
    void setTransducer(const QString &transducer, const QString &nextInspection);

    // Dead zone and resolution. column: 0 for 0.5 dB, 1 for 0.7 dB; any other value
    // writes nothing, as in every setter that takes a column.
    // A verdict NotJudged empties the mark, as in every setter that takes one.
    void setDeadZone(Result::Verdict verdict, const QString &text, int column);
    void setAxialResolution(Result::Verdict verdict, const QString &text, int column);
    void setLateralResolution(Result::Verdict verdict, const QString &text, int column);

    // Physical inspection. part: 0 power cables, 1 controls, 2 dust filter, 3 monitor,
    // 4 buttons, 5 transducers; rating: 0 (unrated) to 5.
    void setInspectionRating(int part, int rating, Result::Verdict verdict);

    // Photographs. A null picture puts the placeholder back into the cell.
    void setCableImage(const QPixmap &picture);
    void setMonitorImage(const QPixmap &picture);
    void setControlsImage(const QPixmap &picture);
    void setButtonsImage(const QPixmap &picture);
    void setFilterImage(const QPixmap &picture);
    void setTransducerImage(const QPixmap &picture);
    void setUniformityImage(const QPixmap &picture);

    void setUniformity(const QString &verdict, const QString &explanation,
                       const QString &transducer, const QString &frequency);
    void setDate(const QString &text);
    void setResponsible(const QString &text);
    // The line "Digitally signed by <signer> on <when>" of page 3 (signing.cpp), with the
    // signer's name cut to fit one line of the page; a signer without a name takes it
    // away. Returns the signer as the line shows it.
    QString setSigned(Signer signer, const QDateTime &when);
    // The line "Aprovado por <who> em <date>" of page 3, above the signer's, with the
    // name cut to fit one line; an empty `who` takes it away (the page as without review).
    void setApproval(const QString &who, const QDateTime &when);

    // Vertical and horizontal distances. set: 0 for the set at 3 cm, 1 for 9 cm.
    void setVerticalDistances(double d12, double d23, double d34, double d45, double d56,
                              double d67, double d78, double d89, double d910, int column);
    // A number that is NaN (not measured) prints as an empty cell, in every setter.
    void setVerticalMean(Result::Verdict verdict, double mean, int column);
    void setFocalZone(double value, int column);
    void setMaxPenetration(double value, int column);
    void setHorizontalDistances(double d12, double d23, double d34, int column, int set);
    void setHorizontalMean(Result::Verdict verdict, double mean, int column, int set);

    // Mass targets. depthColumn: 0 to 3 for 2, 4, 6, 8 cm; massType: 1 anechoic,
    // 0 hyperechoic. The values come as heights, widths and areas at 2, 4, 6, 8 cm,
    // then the four depth check boxes.
    void setMassMarks05(Result::Verdict ratio, Result::Verdict area, int depthColumn, int massType);
    void setMassMarks07(Result::Verdict ratio, Result::Verdict area, int depthColumn, int massType);
    void setMassValues05(double h2, double h4, double h6, double h8, double w2, double w4,
                         double w6, double w8, double a2, double a4, double a6, double a8, bool c2,
                         bool c4, bool c6, bool c8, int massType);
    void setMassValues07(double h2, double h4, double h6, double h8, double w2, double w4,
                         double w6, double w8, double a2, double a4, double a6, double a8, bool c2,
                         bool c4, bool c6, bool c8, int massType);

    // The limits each judged table is judged by, on page 2; `frequency` sets the limits
    // of the dead zone and the resolutions. Under the original rules the criteria stand
    // under the uniformity image, as they always did. Under another `set` they name it,
    // its version and the baseline's date, and stand beside a smaller image, above a
    // table of the results judged by a change from the baseline or a deviation from a
    // nominal value: reference, value, difference, tolerance and verdict of each.
    void setLimits(const QVector<Result> &results, double frequency,
                   const ToleranceSet &set = ToleranceSet::original());

signals:
    // After a save that succeeded, with the name of the file written.
    void reportSaved(const QString &fileName);
    // After a signed save that succeeded, instead of reportSaved: the file and the
    // signature's facts ("signer", "time", "sha256" of the signed file).
    void reportSigned(const QString &fileName, const QJsonObject &signature);

private slots:
    // PDF export and print (pdfexport.cpp)
    void on_pushButtonCancel_clicked();
    void on_pushButtonSave_clicked();
    void on_pushButtonOpen_clicked();
    void on_pushButtonPrint_clicked();
    // Signed PDF (signing.cpp)
    void on_pushButtonSign_clicked();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setPageFonts();
    // Where a report is proposed to be saved: CQ_<ID>_<date>.pdf in the folder of the
    // last report saved (zetu.ini), else in the documents folder.
    QString proposedPath() const;
    // The file name the user chose, with ".pdf" added when missing; empty when the user
    // declined to replace an existing file that the name with ".pdf" names.
    QString confirmedName(const QString &chosen);
    // `finish`, when given, completes the whole file under its temporary name before
    // it takes the chosen name; its failure fails the save.
    bool writePdf(const QString &fileName,
                  const std::function<bool(const QString &)> &finish = nullptr);
    // The line beside the buttons that says where the last save went, and whether signed.
    void showSavedPath(const QString &fileName, bool signedFile = false);
    void elideSavedPath();
    void setMark(Result::Verdict verdict, QLabel *markCell, const QString &text, QLabel *textCell);
    void setScaledPixmap(QLabel *cell, const QPixmap &picture);
    void putMassMarks(int attenuation, Result::Verdict ratio, Result::Verdict area, int depthColumn,
                      int massType);
    void setMassValues(int attenuation, const double (&values)[12], const bool (&checked)[4],
                       int massType);
    QString originalCriteria(const QVector<Result> &results, double frequency) const;
    QString setCriteria(const QVector<Result> &results, double frequency, const ToleranceSet &set,
                        bool table) const;
    void fillBaselineTable(QVector<const Result *> rows);
    // The uniformity image at its full size with the criteria under it, or smaller with
    // the criteria beside it.
    void arrangeUniformity(bool compact);

    Ui::ReportForm *ui;
    // The rating words of the physical inspection, by rating index 0 to 5.
    QStringList ratingWords;
    QPixmap checkmarkPixmap; // pass mark
    QPixmap crossPixmap;     // fail mark
    QString savedPath;       // native path of the last save while the dialog is open
    bool savedSigned = false;
    QList<QLabel *> baselineCells; // the table's rows on page 2
    bool compactUniformity = false;
};

#endif // REPORTFORM_H
