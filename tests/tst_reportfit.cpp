// screen: xcb 96 dpi
// Long values as a desktop user's fonts measure them: every value cell of the report
// shows its whole text inside its own rectangle, at 7 pt or more, over no other cell.

#include "app/language.h"
#include "report/reportcell.h"
#include "report/reportform.h"

#include <QTextEdit>
#include <QTextLayout>
#include <QTranslator>
#include <QtTest>

namespace {

const char *const cells[] = {"labelManufact",    "labelModel",
                             "labelInstitution", "labelLocal",
                             "labelID",          "labelResp",
                             "labelResp_2",      "labelResp_3",
                             "labelTrandutor",   "labelUniformidadeDaImagem",
                             "labelCaboDeForca", "labelTransdutores"};

// Why the label's text does not stay inside its contents rectangle, or nothing.
QString clipped(const QLabel *label)
{
    const auto *cell = qobject_cast<const ReportCell *>(label);
    const QFont font = cell ? cell->fittedFont() : label->font();
    if (font.pointSizeF() < 7)
        return QStringLiteral("drawn at %1 pt").arg(font.pointSizeF());
    QTextOption option;
    option.setWrapMode(cell                ? QTextOption::WrapAtWordBoundaryOrAnywhere
                       : label->wordWrap() ? QTextOption::WordWrap
                                           : QTextOption::NoWrap);
    QTextLayout layout(label->text(), font);
    layout.setTextOption(option);
    const QRect box = label->contentsRect();
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        height += line.height();
        if (line.naturalTextWidth() > box.width())
            return QStringLiteral("a line of %1 px in %2 px")
                .arg(line.naturalTextWidth())
                .arg(box.width());
    }
    layout.endLayout();
    if (height > box.height())
        return QStringLiteral("%1 px of text in %2 px").arg(height).arg(box.height());
    return QString();
}

} // namespace

class TestReportFit : public QObject
{
    Q_OBJECT

private slots:
    void longValuesStayWhole_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("length"); // of the header values and the name
        QTest::addColumn<QString>("verdict");
        QTest::newRow("Portuguese") << false << 80
                                    << "Apresenta poucas inomogeneidades sem que comprometa o "
                                       "diagnóstico";
        QTest::newRow("English") << true << 80
                                 << "It appears a few image inhomogeneities which should not "
                                    "offer a risk to the diagnosis";
        QTest::newRow("short values keep their font") << false << 12 << "Imagem uniforme";
    }
    void longValuesStayWhole()
    {
        QFETCH(bool, english);
        QFETCH(int, length);
        QFETCH(QString, verdict);
        QTranslator translator;
        if (english)
            QCOMPARE(installCatalogue(translator, QStringLiteral("en_US")), 1);
        ReportForm form;
        auto text = [length](const QString &words) { return words.repeated(4).left(length); };
        form.setManufacturer(text("Wuxi Chison Medical Technologies Co., Ltd. "));
        form.setModel(text("Ebit 60 Expert Edition with Convex Probe "));
        form.setInstitution(text("Hospital Universitário Clementino Fraga Filho da UFRJ "));
        form.setPlace(text("Sala 3 do Serviço de Radiologia, segundo andar, bloco B "));
        // an asset ID is one word: it must break inside the cell
        form.setEquipmentId(text("HUCFF-RAD/US-0042-EBIT60-SN2019000123/PAT88231-REV3-"));
        form.setResponsible(text("Maria Aparecida dos Santos Vasconcellos de Albuquerque "));
        form.setUniformity(verdict, QString("Faixa escura ").repeated(10).left(120),
                           text("Convexo multifrequencial 2-5 MHz de abertura larga "), "12,5");
        for (int part = 0; part < 6; ++part)
            form.setInspectionRating(part, 5);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCoreApplication::removeTranslator(&translator);

        // no caption is squeezed either
        for (const QLabel *label : form.findChildren<QLabel *>())
            QVERIFY2(label->isHidden() || !label->pixmap(Qt::ReturnByValue).isNull() ||
                         clipped(label).isEmpty(),
                     qPrintable(label->objectName() + ": " + clipped(label)));
        for (const char *name : cells) {
            const QLabel *label = form.findChild<QLabel *>(name);
            QVERIFY2(clipped(label).isEmpty(), qPrintable(name + (": " + clipped(label))));
            if (length < 20)
                QCOMPARE(
                    QFontInfo(qobject_cast<const ReportCell *>(label)->fittedFont()).pointSizeF(),
                    QFontInfo(label->font()).pointSizeF());
            // inside its page, over no other label of it
            QWidget *page = label->parentWidget();
            while (!page->objectName().startsWith("frameFormPage"))
                page = page->parentWidget();
            const QRect rect(label->mapTo(page, QPoint()), label->size());
            QVERIFY2(page->rect().contains(rect), name);
            for (const QLabel *other : page->findChildren<QLabel *>())
                QVERIFY2(other == label || other->isHidden() ||
                             !rect.intersects(QRect(other->mapTo(page, QPoint()), other->size())),
                         qPrintable(name + (" over " + other->objectName())));
        }
        const auto *note = form.findChild<QTextEdit *>("textEditImgUnif");
        QVERIFY(note->document()->size().height() <= note->viewport()->height());
    }
};

QTEST_MAIN(TestReportFit)
#include "tst_reportfit.moc"
