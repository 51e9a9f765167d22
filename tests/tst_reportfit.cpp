// screen: xcb 96 192 dpi, offscreen
// Long values on a desktop at 96 and 192 dpi and without one: the pages take their own
// font, not the platform's, in points of the page; every label of the report shows its whole text
// inside its contents rectangle, value cells at 7 pt or more; at any length no text of pages 2
// and 3 overlaps another, the signer's line included, nor the table of results judged against
// a baseline.

#include "app/highdpi.h"
#include "app/language.h"
#include "core/judgement.h"
#include "core/signer.h"
#include "core/tolerance.h"
#include "report/reportcell.h"
#include "report/reportform.h"

#include <QtTest>
#include <QtWidgets>

class TestReportFit : public QObject
{
    Q_OBJECT

private slots:
    void longValuesStayWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("length"); // of the header values, the name and the transducer
        QTest::addColumn<bool>("tg128"); // judged by TG-128 against a baseline: page 2's table
        QTest::newRow("Portuguese") << "pt_BR" << 80 << false;
        QTest::newRow("English") << "en_US" << 80 << false;
        QTest::newRow("short values keep their font") << "pt_BR" << 12 << false;
        QTest::newRow("any length, Portuguese") << "pt_BR" << 3000 << false;
        QTest::newRow("any length, English") << "en_US" << 3000 << false;
        QTest::newRow("TG-128 table, Portuguese") << "pt_BR" << 80 << true;
        QTest::newRow("TG-128 table, English") << "en_US" << 80 << true;
    }
    void longValuesStayWhole()
    {
        QFETCH(QString, language);
        QFETCH(int, length);
        QFETCH(bool, tg128);
        QTranslator translator;
        installCatalogue(translator, language);
        ReportForm form;
        auto text = [length](const QString &words, int most = 80) {
            return words.repeated(99).left(std::min(length, most));
        };
        form.setManufacturer(text("Wuxi Chison Medical Technologies Co., Ltd. "));
        form.setModel(text("Ebit 60 Expert Edition with Convex Probe "));
        form.setInstitution(text("Hospital Universitário Clementino Fraga Filho da UFRJ "));
        form.setPlace(text("Sala 3 do Serviço de Radiologia, segundo andar, bloco B "));
        form.setEquipmentId(
            text("HUCFF-RAD/US0042/EBIT60/SN2019000123/PAT88231/REV3/")); // one word
        form.setTransducer(text("Linear L12-5, nº de série 2019000123, Linear, 12,5 MHz "),
                           "31/01/2027");
        form.setResponsible(
            text("Maria Aparecida dos Santos Vasconcellos de Albuquerque ", length));
        const char *verdict = "Apresenta poucas inomogeneidades sem que comprometa o diagnóstico";
        form.setUniformity(QCoreApplication::translate("MainWindow", verdict),
                           QString("Faixa escura ").repeated(10).left(120),
                           text("Convexo multifrequencial 2-5 MHz de abertura larga "), "12,5");
        for (int part = 0; part < 6; ++part)
            form.setInspectionRating(part, 5, Result::Fail);
        // Every result measured, with the widest numbers: means of 10.0133 mm, a penetration
        // 37.044 mm short of its baseline.
        Inspection measured(QJsonObject{{"comboBox3cabo", 1}});
        Inspection first = measured;
        if (tg128) {
            for (const JudgedResult &judged : Judgement::results())
                for (const QString &input : judged.inputs)
                    measured.set(input, judged.isChoice() ? 1 : 10.0133);
            first = measured;
            first.set(Field::maxPenetration(Attenuation::Db05), 160.5);
            first.setDate(QDate(2025, 6, 10));
            measured.set(Field::maxPenetration(Attenuation::Db05), 123.456);
            measured.set(Field::toleranceSet, ToleranceSet::tg128().toJson());
            measured.set(Field::baseline, Baseline::of(1, first).toJson());
        }
        form.setLimits(judge(measured), 12.5,
                       tg128 ? ToleranceSet::tg128() : ToleranceSet::original());
        const QString limits = form.findChild<QLabel *>("labelLimits")->text(); // ratings passed
        for (const QString &rating : Inspection::choiceTexts("comboBox3cabo").mid(1, 3))
            QVERIFY2(limits.contains(rating), qPrintable(limits));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.setSigned({text("WILHELMINA MAXIMILIANA ", 64), "12345678901"},
                       QDateTime::currentDateTime());
        QCoreApplication::removeTranslator(&translator);
        for (const char *name : {"frameFormPage2", "frameFormPage3"}) {
            QWidget *page = form.findChild<QWidget *>(name);
            QList<QRect> texts;
            for (const QLabel *label : page->findChildren<QLabel *>()) {
                const QRect box(label->mapTo(page, label->contentsRect().topLeft()),
                                label->contentsRect().size());
                for (const QRect &other : texts)
                    QVERIFY2(!label->isVisibleTo(page) || label->text().isEmpty() ||
                                 !box.intersects(other),
                             qPrintable(label->objectName()));
                if (!label->isVisibleTo(page) || label->text().isEmpty())
                    continue;
                texts << box;
                QVERIFY2(page->rect().contains(box), qPrintable(label->objectName()));
            }
        }
        const int rows =
            form.findChildren<QLabel *>(QRegularExpression("^labelBaselineCell")).size();
        QCOMPARE(rows, tg128 ? 12 * 5 + 5 : 0); // a tolerance for each of the five rules

        for (const QLabel *label : form.findChildren<QLabel *>()) {
            const auto *cell = qobject_cast<const ReportCell *>(label);
            bool onPage = false; // in the pages' own font, wherever they are made
            for (QWidget *w = label->parentWidget(); w; w = w->parentWidget())
                onPage |= w->objectName().startsWith("frameFormPage");
            const qreal toPage = 1 / ReportCell::pageToScreen(label);
            QVERIFY2(!onPage || (QFontInfo(label->font()).family() == "DejaVu Sans" &&
                                 label->font().pointSizeF() * toPage >= 6.99),
                     qPrintable(label->objectName()));
            const QFont font = cell ? cell->fittedFont() : label->font();
            QVERIFY(font.pointSizeF() * toPage >=
                    (cell && length < 20 ? label->font().pointSizeF() * toPage : 6.99));
            QTextLayout layout(label->text(), font);
            QTextOption option; // a caption that does not fit wraps, and is too tall
            option.setWrapMode(cell ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                    : QTextOption::WordWrap);
            layout.setTextOption(option);
            const QRect box = label->contentsRect();
            qreal height = 0, width = 0;
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(box.width());
                height += line.height();
                width = std::max(width, line.naturalTextWidth());
            }
            layout.endLayout();
            const bool cut = length > 80 && label->objectName().startsWith("labelResp"); // "…"
            QVERIFY2(!label->isVisible() || cut || (width <= box.width() && height <= box.height()),
                     qPrintable(label->objectName()));
        }
    }
};

int main(int argc, char *argv[])
{
    enableHighDpiScaling();
    QApplication application(argc, argv);
    TestReportFit test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_reportfit.moc"
