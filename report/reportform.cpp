#include "report/reportform.h"
#include "report/reportcell.h"
#include "ui_reportform.h"

#include "core/logging.h"
#include "core/signer.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QSettings>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

// The report's typeface, compiled into the program and registered at the first report.
QString reportFamily()
{
    static const QString family = [] {
        for (const char *file : {":/fonts/DejaVuSans.ttf", ":/fonts/DejaVuSans-Bold.ttf"})
            if (QFontDatabase::addApplicationFont(QLatin1String(file)) < 0)
                qCWarning(zetuReport) << "cannot load the report's font" << file;
        return QStringLiteral("DejaVu Sans");
    }();
    return family;
}

// Every text of a note in the pages' family, its sizes in the pages' measure (a size
// the note does not give is the edit's own).
void setDocumentFont(QTextDocument *document, const QFont &font, qreal toScreen)
{
    document->setDefaultFont(font);
    struct Run
    {
        int from, to;
        qreal size;
    };
    QVector<Run> runs; // all read before any changes: a change may join fragments
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const qreal size = fragment.charFormat().fontPointSize();
            runs.append({fragment.position(), fragment.position() + fragment.length(),
                         size > 0 ? size * toScreen : font.pointSizeF()});
        }
    QTextCursor cursor(document);
    for (const Run &run : qAsConst(runs)) {
        QTextCharFormat format;
        format.setFontFamily(font.family());
        format.setFontHintingPreference(font.hintingPreference());
        format.setFontPointSize(run.size);
        cursor.setPosition(run.from);
        cursor.setPosition(run.to, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
}

} // namespace

ReportForm::ReportForm(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ReportForm)
{
    ui->setupUi(this);
    setPageFonts();
    // "---" is the unrated word and stays the same in every language.
    ratingWords << QStringLiteral("---") << tr("Ótimo") << tr("Bom") << tr("Regular") << tr("Ruim")
                << tr("Péssimo");
    // The marks in the resolution of the printed pages, shown at their 16-pixel size.
    checkmarkPixmap.load(QStringLiteral(":/icons/checkmark@4x.png"));
    crossPixmap.load(QStringLiteral(":/icons/cross@4x.png"));
    checkmarkPixmap.setDevicePixelRatio(4);
    crossPixmap.setDevicePixelRatio(4);
    // A name of any length keeps the footers, the ID and the signer's line apart.
    for (ReportCell *name : {ui->labelResp, ui->labelResp_2, ui->labelResp_3})
        name->setMaximumLines(2);
    connect(this, &ReportForm::reportSaved, this,
            [this](const QString &fileName) { showSavedPath(fileName); });
    connect(this, &ReportForm::reportSigned, this,
            [this](const QString &fileName) { showSavedPath(fileName, true); });
    ui->labelSaved->installEventFilter(this);
}

ReportForm::~ReportForm()
{
    delete ui;
}

// The pages set their own fonts, in sizes of a page of 96 pixels an inch whatever the
// screen's dpi, not the platform's: one inspection gives the same pages on every
// desktop and without one. Every widget of a page gets its font set, not inherited:
// the white style sheet around the pages polishes a widget whose font is inherited
// with the application's font. A widget the form gives a size, weight or style keeps
// it, in the pages' measure; the texts of the notes are set in the same family.
void ReportForm::setPageFonts()
{
    const qreal toScreen = ReportCell::pageToScreen(this);
    QFont base(reportFamily());
    base.setPointSizeF(pagePointSize);
    // unhinted advances, which no platform's hinting settings change, as in the PDF
    base.setHintingPreference(QFont::PreferNoHinting);
    for (QWidget *page : {ui->frameFormPage1, ui->frameFormPage2, ui->frameFormPage3}) {
        QList<QWidget *> widgets = page->findChildren<QWidget *>();
        widgets.prepend(page);
        QVector<QFont> fonts; // as the form sets them, before any of them changes
        for (const QWidget *widget : qAsConst(widgets)) {
            QFont own = widget->font();
            own.resolve(own.resolve() & ~(QFont::FamilyResolved | QFont::StyleHintResolved |
                                          QFont::HintingPreferenceResolved));
            fonts << own.resolve(base);
        }
        for (int i = 0; i < widgets.size(); ++i) {
            QFont font = fonts.at(i);
            font.setPointSizeF(font.pointSizeF() * toScreen);
            font.resolve(QFont::AllPropertiesResolved); // nothing left to inherit
            widgets.at(i)->setFont(font);
            if (auto *edit = qobject_cast<QTextEdit *>(widgets.at(i)))
                setDocumentFont(edit->document(), font, toScreen);
            // an empty label keeps the size it measured in the first font until cleared
            auto *label = qobject_cast<QLabel *>(widgets.at(i));
            if (label && label->text().isEmpty() && label->pixmap(Qt::ReturnByValue).isNull())
                label->clear();
        }
    }
}

// A report opened anew has not been saved or signed yet.
void ReportForm::showEvent(QShowEvent *event)
{
    showSavedPath(QString());
    setSigned(Signer(), QDateTime());
    QDialog::showEvent(event);
}

// Only the saved line is watched: it is cut anew to each width it gets.
bool ReportForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        elideSavedPath();
    return QDialog::eventFilter(watched, event);
}

// After a save the dialog's work is done: Cancel reads Close, and Open shows the
// file. The next report is proposed in the same folder (zetu.ini).
void ReportForm::showSavedPath(const QString &fileName, bool signedFile)
{
    savedPath = QDir::toNativeSeparators(fileName);
    savedSigned = signedFile;
    ui->labelSaved->setToolTip(savedPath);
    elideSavedPath();
    ui->pushButtonOpen->setVisible(!fileName.isEmpty());
    ui->pushButtonCancel->setText(fileName.isEmpty() ? tr("Cancel") : tr("Fechar"));
    if (fileName.isEmpty())
        return;
    QSettings settings(QStringLiteral("zetu.ini"), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Report/Folder"), QFileInfo(fileName).absolutePath());
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qCWarning(zetuReport) << "cannot keep the report's folder in zetu.ini";
}

// The whole line when it fits, else cut in the middle of the path: its folder's start
// and the file's name stay readable, and the tool tip holds the whole path.
void ReportForm::elideSavedPath()
{
    if (savedPath.isEmpty()) {
        ui->labelSaved->clear();
        return;
    }
    const QString line = savedSigned ? tr("Assinado e salvo em %1") : tr("Salvo em %1");
    const QFontMetrics metrics = ui->labelSaved->fontMetrics();
    const int room =
        ui->labelSaved->contentsRect().width() - metrics.horizontalAdvance(line.arg(QString()));
    ui->labelSaved->setText(line.arg(metrics.elidedText(savedPath, Qt::ElideMiddle, room)));
}
