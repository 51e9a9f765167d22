// The pass/fail rules of the report: frequency bands, distance means, mass aspect ratio
// and mass areas, each right at and just beside its bounds; then the judgement of a
// whole inspection's stored values, as the report, the history and the trend use it.

#include "app/language.h"
#include "core/evaluator.h"
#include "core/judgement.h"
#include "core/tolerance.h"
#include "core/transducer.h"
#include "history/inspectioncsv.h"

#include <QtTest>

namespace {

using BandCheck = bool (Evaluator::*)(double, int) const;

const BandCheck bandChecks[] = {&Evaluator::deadZoneOk, &Evaluator::axialResolutionOk,
                                &Evaluator::lateralResolutionOk};

// Highest passing index per check at each frequency, written out from the bands: the
// bounds 3.0 and 7.0 (dead zone), 4.0 (axial) and 3.5 and 5.0 (lateral) belong to the
// band above them; from 5 MHz up the lateral resolution passes "1mm" only.
struct Band
{
    double frequency;
    int limit[3]; // dead zone, axial, lateral
};
const Band bandTable[] = {
    {1.0, {3, 2, 2}}, {2.5, {3, 2, 2}}, {3.0, {2, 2, 2}}, {3.5, {2, 2, 1}}, {4.0, {2, 1, 1}},
    {4.5, {2, 1, 1}}, {5.0, {2, 1, 1}}, {6.5, {2, 1, 1}}, {7.0, {1, 1, 1}}, {20.0, {1, 1, 1}},
};

// A spreadsheet's reading of a CSV text: fields split at `separator`; between quotes a
// field may hold the separator, line breaks and doubled quotes.
QVector<QStringList> readCsv(const QString &text, QChar separator)
{
    QVector<QStringList> rows(1);
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == '"' && text.mid(i + 1, 1) == "\"")
            field += text[i++];
        else if (c == '"')
            quoted = !quoted;
        else if (quoted || (c != separator && c != '\r' && c != '\n'))
            field += c;
        else if (c != '\r') {
            rows.last() << field;
            field.clear();
            if (c == '\n')
                rows.append(QStringList());
        }
    }
    rows.removeLast(); // after the last line break
    return rows;
}

} // namespace

class TestEvaluator : public QObject
{
    Q_OBJECT

    Evaluator evaluator;

private slots:
    void bands_data()
    {
        QTest::addColumn<int>("check");
        QTest::addColumn<double>("frequency");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("pass");
        // Index 0 is the unrated item; 6 lies past the end of the six-item boxes.
        for (int check = 0; check < 3; ++check)
            for (const Band &band : bandTable)
                for (int index = 0; index <= 6; ++index)
                    QTest::addRow("check %d %.1f MHz #%d", check, band.frequency, index)
                        << check << band.frequency << index
                        << (index >= 1 && index <= band.limit[check]);
    }
    void bands()
    {
        QFETCH(int, check);
        QFETCH(double, frequency);
        QFETCH(int, index);
        QFETCH(bool, pass);
        QCOMPARE((evaluator.*bandChecks[check])(frequency, index), pass);
    }

    // The distance means (v, h: the values, then the mean as the report prints it), the
    // mass aspect ratio (height, width) and the mass area (area, depth 1 to 4).
    void measures_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QVector<double>>("args");
        QTest::addColumn<bool>("pass");
        QTest::addColumn<QString>("mean");
        int n = 0;
        auto row = [&n](const char *rule, QVector<double> args, bool pass, const char *mean = "") {
            QTest::addRow("%s #%d", rule, ++n) << QString(rule) << args << pass << QString(mean);
        };
        row("v", {9.985}, false, "9.985");
        row("v", {10.015}, false, "10.015");
        row("v", {9.9851}, true, "9.9851");
        row("v", QVector<double>(9, 10.02), false, "10.02");
        row("v", QVector<double>(8, 10) << 10.001, true, "10.0001");
        row("v", {9.9, 10.1}, true, "10"); // the mean is judged, not the values
        row("v", {}, false, "0");
        row("h", {9.98}, false, "9.98");
        row("h", {10.02}, false, "10.02");
        row("h", {9.9801}, true, "9.9801");
        row("h", {9.99, 10.0, 10.04}, true, "10.01");
        // 49/50 and 51/50 round to the same doubles as 0.98 and 1.02: on the bounds.
        row("ratio", {49, 50}, false);
        row("ratio", {51, 50}, false);
        row("ratio", {0.9801, 1}, true);
        row("ratio", {1.0199, 1}, true);
        row("ratio", {1, 0.9801}, false); // height over width: about 1.0203
        row("ratio", {5, 0}, false);
        // 0.8 and 1.2 times pi, 4 pi and 9 pi (6 and 8 cm share the 6 mm target).
        const double edges[][2] = {
            {2.513, 3.769}, {10.053, 15.079}, {22.619, 33.929}, {22.619, 33.929}};
        for (int depth = 1; depth <= 4; ++depth) {
            const double low = edges[depth - 1][0], high = edges[depth - 1][1];
            row("area", {low, double(depth)}, false);
            row("area", {low + 0.001, double(depth)}, true);
            row("area", {high, double(depth)}, true);
            row("area", {high + 0.001, double(depth)}, false);
            row("area", {0, double(depth)}, false);
            for (double factor : {Evaluator::areaLowFactor, Evaluator::areaHighFactor})
                row("area", {factor * Evaluator::nominalArea(depth), double(depth)}, false);
        }
        for (int depth : {0, 5, -1})
            row("area", {3.14, double(depth)}, false);
    }
    void measures()
    {
        QFETCH(QString, rule);
        QFETCH(QVector<double>, args);
        QFETCH(bool, pass);
        QFETCH(QString, mean);
        if (rule == "ratio") {
            QCOMPARE(evaluator.aspectRatioOk(args[0], args[1]), pass);
        } else if (rule == "area") {
            QCOMPARE(evaluator.areaOk(args[0], int(args[1])), pass);
            QCOMPARE(Evaluator::nominalArea(0) + Evaluator::nominalArea(5), 0.0); // no target
        } else {
            double out = 99; // whatever the caller held before is replaced
            QCOMPARE(rule == "v" ? evaluator.verticalMeanOk(args, &out)
                                 : evaluator.horizontalMeanOk(args, &out),
                     pass);
            QCOMPARE(QString::number(out, 'g', 6), mean);
        }
    }
};

namespace {

// Values every result passes with: all depths measured.
QJsonObject passingValues()
{
    QJsonObject values{{Field::frequency, 3.5}};
    for (const JudgedResult &judged : Judgement::results()) {
        const bool mass = judged.rule == Rule::AspectRatio || judged.rule == Rule::Area;
        for (const QString &name : judged.inputs)
            values[name] = judged.rule <= Rule::LateralResolution ? 1 : 10.0;
        if (mass) {
            values[judged.depthCheckBox] = true;
            values[judged.inputs[2]] = Evaluator::nominalArea(judged.depth + 1);
        }
    }
    return values;
}

} // namespace

class TestJudgement : public QObject
{
    Q_OBJECT

private slots:
    // Changes to passing values, and which results then fail or go unjudged, by the
    // index of their row in the table.
    void judge_data()
    {
        QTest::addColumn<QJsonObject>("changes");
        QTest::addColumn<QList<int>>("failed");
        QTest::addColumn<QList<int>>("unjudged");
        const QJsonObject none;
        QTest::newRow("all pass") << none << QList<int>() << QList<int>();
        QTest::newRow("rating 4") << QJsonObject{{"comboBox3Monitor", 4}} << QList<int>{3}
                                  << QList<int>();
        QTest::newRow("rating not whole")
            << QJsonObject{{"comboBox3botoes", 1.5}} << QList<int>{4} << QList<int>();
        QTest::newRow("dead zone 2mm at 7 MHz")
            << QJsonObject{{"doubleSpinBox4Freq", 7.0}, {"comboBox2_07db_ZM", 2}} << QList<int>{7}
            << QList<int>();
        QTest::newRow("axial 2mm at 3.5 MHz")
            << QJsonObject{{"comboBox2_05db_RA", 2}} << QList<int>() << QList<int>();
        QTest::newRow("axial 2mm at 4 MHz")
            << QJsonObject{{"doubleSpinBox4Freq", 4.0}, {"comboBox2_05db_RA", 2}} << QList<int>{8}
            << QList<int>();
        QTest::newRow("lateral unrated")
            << QJsonObject{{"comboBox2_07db_RL", 0}} << QList<int>{11} << QList<int>();
        QTest::newRow("vertical 0.5 pair 2-3")
            << QJsonObject{{"doubleSpinBox5_05_30", 10.2}} << QList<int>{12} << QList<int>();
        QTest::newRow("horizontal 9 cm 0.7")
            << QJsonObject{{"doubleSpinBox6_9cm_07_34", 9.0}} << QList<int>{17} << QList<int>();
        QTest::newRow("anechoic 0.5 dB 2 cm wide")
            << QJsonObject{{"s5AL2", 12.0}} << QList<int>{18} << QList<int>();
        QTest::newRow("hyperechoic 0.7 dB 8 cm area")
            << QJsonObject{{"s7HAr8", 40.0}} << QList<int>{49} << QList<int>();
        QTest::newRow("unmeasured depth is not judged")
            << QJsonObject{{"checkBox8cm_4", false}, {"s7HAr8", 40.0}} << QList<int>()
            << QList<int>{48, 49};
        QTest::newRow("anechoic 0.7 dB 4 cm unmeasured")
            << QJsonObject{{"checkBox4cm_1", false}} << QList<int>() << QList<int>{28, 29};
        // a value never entered is judged nowhere, whatever the others hold
        QTest::newRow("vertical 0.7 pair 9-10 not measured")
            << QJsonObject{{"doubleSpinBox5_07_910", QJsonValue::Null},
                           {"doubleSpinBox5_07_12", 20}}
            << QList<int>() << QList<int>{13};
        QTest::newRow("horizontal 3 cm 0.5 not measured, 0.7 failing")
            << QJsonObject{{"doubleSpinBox6_3cm_05_23", QJsonValue::Null},
                           {"doubleSpinBox6_3cm_07_23", 11.0}}
            << QList<int>{15} << QList<int>{14};
        QTest::newRow("mass width not measured")
            << QJsonObject{{"s5HL6", QJsonValue::Null}} << QList<int>() << QList<int>{38, 39};
        QTest::newRow("rating and choice not stored")
            << QJsonObject{{"comboBox3cabo", QJsonValue::Null},
                           {"comboBox2_05db_RL", QJsonValue::Null}}
            << QList<int>() << QList<int>{0, 10};
    }
    void judge()
    {
        QFETCH(QJsonObject, changes);
        QFETCH(QList<int>, failed);
        QFETCH(QList<int>, unjudged);
        unjudged << 50 << 51; // the penetration, which the original rules do not judge
        QJsonObject values = passingValues();
        for (auto change = changes.begin(); change != changes.end(); ++change)
            values[change.key()] = change.value();
        for (auto change = changes.begin(); change != changes.end(); ++change)
            if (change->isNull())
                values.remove(change.key());
        const QVector<Result> results = ::judge(Inspection(values));
        QCOMPARE(results.size(), 52);
        QList<int> gotFailed, gotUnjudged;
        for (int row = 0; row < results.size(); ++row) {
            QCOMPARE(results[row].judged, &Judgement::results()[row]);
            if (results[row].verdict == Result::Fail)
                gotFailed << row;
            if (results[row].verdict == Result::NotJudged)
                gotUnjudged << row;
        }
        QCOMPARE(gotFailed, failed);
        QCOMPARE(gotUnjudged, unjudged);
        QCOMPARE(failedCount(results), failed.size());
        QCOMPARE(results[18].value, values["s5AA2"].toDouble() / values["s5AL2"].toDouble());
    }

    // Each kind of rule at its bounds, judged as the wizard and the report judge: the
    // result (by its key), a rule, the baseline's value (NaN: none), this value, and the
    // verdict. "Whichever is greater" on both sides of its crossover.
    void tolerances_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonObject>("rule");
        QTest::addColumn<double>("baseline");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("verdict");
        const QString penetration = Field::maxPenetration(Attenuation::Db05);
        const QString axial = QStringLiteral("comboBox2_05db_RA");
        const QString lateral = QStringLiteral("comboBox2_07db_RL");
        const QString vertical = QStringLiteral("doubleSpinBox5_05_12");
        const QJsonObject mm10{{"result", "penetration"}, {"kind", "change"}, {"amount", 10}};
        QJsonObject percent = mm10;
        percent["percent"] = true;
        const QJsonObject axial1{{"result", "axialResolution"}, {"kind", "change"}, {"amount", 1}};
        QJsonObject lateral1 = axial1;
        lateral1["result"] = "lateralResolution";
        auto deviation = [](double nominal, double percent, double units) {
            return QJsonObject{{"result", "verticalMean"},
                               {"kind", "deviation"},
                               {"nominal", nominal},
                               {"amount", percent},
                               {"units", units}};
        };
        const QJsonObject range{
            {"result", "verticalMean"}, {"kind", "range"}, {"lower", 9.9}, {"upper", 10.1}};
        const int pass = Result::Pass, fail = Result::Fail;
        QTest::newRow("15 mm below") << penetration << mm10 << 45.0 << 30.0 << fail;
        QTest::newRow("10 mm below") << penetration << mm10 << 45.0 << 35.0 << pass;
        QTest::newRow("10 mm above") << penetration << mm10 << 45.0 << 55.0 << pass;
        QTest::newRow("just over") << penetration << mm10 << 45.0 << 55.01 << fail;
        QTest::newRow("no baseline")
            << penetration << mm10 << qQNaN() << 30.0 << int(Result::NoBaseline);
        QTest::newRow("10 % below") << penetration << percent << 40.0 << 36.0 << pass;
        QTest::newRow("over 10 %") << penetration << percent << 40.0 << 35.9 << fail;
        // axial: index 1 "<0.5mm" is 0.5 mm, index 3 "2mm"; lateral index 2 "2mm"
        QTest::newRow("axial 0.5 to 1.5") << axial << axial1 << 0.5 << 2.0 << pass;
        QTest::newRow("axial 0.5 to 2") << axial << axial1 << 0.5 << 3.0 << fail;
        QTest::newRow("lateral 2 to 3") << lateral << lateral1 << 2.0 << 3.0 << pass;
        QTest::newRow("lateral 2 to 4") << lateral << lateral1 << 2.0 << 4.0 << fail;
        QTest::newRow("lateral unrated") << lateral << lateral1 << 2.0 << 0.0 << fail;
        // 2 % of 10 mm is 0.2 mm: the millimetres are greater
        QTest::newRow("2 mm of 10") << vertical << deviation(10, 2, 2) << qQNaN() << 12.0 << pass;
        QTest::newRow("over 2 mm") << vertical << deviation(10, 2, 2) << qQNaN() << 12.01 << fail;
        // 2 % of 10 mm is greater than 0.1 mm
        QTest::newRow("2 % of 10") << vertical << deviation(10, 2, 0.1) << qQNaN() << 9.8 << pass;
        QTest::newRow("over 2 %") << vertical << deviation(10, 2, 0.1) << qQNaN() << 9.79 << fail;
        QTest::newRow("range inside") << vertical << range << qQNaN() << 10.09 << pass;
        // an area between 0.5 and 1.5 times the nominal area, strictly
        const JudgedResult &area = Judgement::results()[19];
        const QJsonObject factors{
            {"result", "area"}, {"kind", "range"}, {"lower", 0.5}, {"upper", 1.5}};
        const double nominal = Evaluator::nominalArea(area.depth + 1);
        QTest::newRow("area 1.4") << area.key() << factors << qQNaN() << 1.4 * nominal << pass;
        QTest::newRow("area 1.5") << area.key() << factors << qQNaN() << 1.5 * nominal << fail;
        QTest::newRow("range bound") << vertical << range << qQNaN() << 10.1 << fail;
    }
    void tolerances()
    {
        QFETCH(QString, key);
        QFETCH(QJsonObject, rule);
        QFETCH(double, baseline);
        QFETCH(double, value);
        QFETCH(int, verdict);
        ToleranceSet set = ToleranceSet::original();
        ToleranceRule read;
        QVERIFY(ToleranceRule::fromJson(rule, &read));
        set.rules = {read};
        QJsonObject values = passingValues();
        for (const JudgedResult &judged : Judgement::results()) {
            if (judged.key() == key) // every distance of a mean
                for (const QString &input : judged.inputs)
                    values[input] = value;
        }
        values[key] = value;
        Baseline kept;
        kept.inspectionId = 7;
        kept.date = QDate(2025, 6, 10);
        if (!std::isnan(baseline))
            kept.values.insert(key, baseline);
        // kept with the inspection, as the wizard keeps them
        values[Field::toleranceSet] = set.toJson();
        values[Field::baseline] = kept.toJson();
        int judged = 0;
        for (const Result &result : ::judge(Inspection(values))) {
            QVERIFY(result.verdict == Result::NotJudged || result.rule->result == read.result);
            if (result.judged->key() == key) {
                ++judged;
                QCOMPARE(int(result.verdict), verdict);
            }
        }
        QCOMPARE(judged, 1);
    }

    // Sets kept and read back; what cannot be a rule or a set is refused, and an
    // inspection that names none is judged by the original rules.
    void sets()
    {
        ToleranceSet read;
        QVERIFY(ToleranceSet::fromJson(ToleranceSet::tg128().toJson(), &read));
        QCOMPARE(read.toJson(), ToleranceSet::tg128().toJson());
        QCOMPARE(read.ruleFor(Rule::Penetration)->describe(QLocale(QLocale::Portuguese)),
                 QString("até 10 mm da linha de base"));
        QCOMPARE(read.ruleFor(Rule::VerticalMean)->describe(QLocale(QLocale::Portuguese)),
                 QString("até 2 % ou 2 mm de 10 mm, o que for maior"));
        const QJsonObject bad[] = {
            {{"result", "penetration"}, {"kind", "range"}},
            {{"result", "penetration"}, {"kind", "change"}, {"amount", -1}},
            {{"result", "deadZone"}, {"kind", "range"}, {"lower", 1}, {"upper", 2}},
            {{"result", "verticalMean"}, {"kind", "range"}, {"lower", 10.1}, {"upper", 9.9}},
            {{"result", "verticalMean"}, {"kind", "deviation"}, {"nominal", 0}},
            {{"result", "nothing"}, {"kind", "change"}, {"amount", 1}}};
        for (const QJsonObject &rule : bad) {
            ToleranceRule ignored;
            QVERIFY2(!ToleranceRule::fromJson(rule, &ignored),
                     qPrintable(QJsonDocument(rule).toJson()));
        }
        QJsonObject twice = ToleranceSet::tg128().toJson();
        QJsonArray rules = twice["rules"].toArray();
        rules.append(rules.first());
        twice["rules"] = rules;
        QVERIFY(!ToleranceSet::fromJson(twice, &read));
        QVERIFY(!ToleranceSet::fromJson({{"version", 1}, {"rules", QJsonArray()}}, &read));
        QCOMPARE(read.toJson(), ToleranceSet::original().toJson());
        // a baseline takes each size a change can judge, the choices in millimetres
        QJsonObject values = passingValues();
        values["comboBox2_05db_RA"] = 3; // "2mm"
        const Baseline baseline = Baseline::of(3, Inspection(values));
        QCOMPARE(baseline.values.value("comboBox2_05db_RA"), 2.0);
        QCOMPARE(baseline.values.value(Field::maxPenetration(Attenuation::Db07)), 10.0);
        QCOMPARE(baseline.values.size(), 4 + 6 + 2);
        QCOMPARE(Baseline::fromJson(baseline.toJson()).values, baseline.values);
    }

    // What each judged box tells as its tool tip, at 3.5 MHz, in Portuguese.
    void limitTexts()
    {
        const QLocale pt(QLocale::Portuguese, QLocale::Brazil);
        QStringList texts;
        for (int row : {0, 6, 8, 10, 12, 14, 18, 19, 50})
            texts << limitText(Judgement::results()[row], 3.5, pt);
        texts << massLimitText(2, pt) << massLimitText(8, pt);
        QCOMPARE(texts,
                 QStringList({"aprovado: Ótimo, Bom ou Regular", "aprovado até 2mm (a 3,5 MHz)",
                              "aprovado até 1mm (a 3,5 MHz)", "aprovado até 1mm (a 3,5 MHz)",
                              "média entre 9,985 e 10,015 mm", "média entre 9,98 e 10,02 mm",
                              "altura/largura entre 0,98 e 1,02", "área entre 2,51 e 3,77 mm²", "",
                              "alvo de 2 mm, área nominal 3,14 mm²; aprovado: altura/largura "
                              "entre 0,98 e 1,02, área entre 2,51 e 3,77 mm²",
                              "alvo de 6 mm, área nominal 28,27 mm²; aprovado: altura/largura "
                              "entre 0,98 e 1,02, área entre 22,62 e 33,93 mm²"}));
    }

    // Stored inspections exported for a spreadsheet of the interface's language, read back
    // as it reads them: texts with separators, quotes and line breaks whole, a formula
    // kept as text, numbers with the language's decimal mark, headers in its words.
    // A transducer's next inspection and its state at the bounds: the day before, the
    // day, the day after; a month without the day; never inspected.
    void due_data()
    {
        QTest::addColumn<QDate>("last");
        QTest::addColumn<int>("months");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("next");
        QTest::addColumn<int>("state");
        const QDate last(2025, 12, 8), next(2026, 12, 8);
        QTest::newRow("the day before") << last << 12 << next.addDays(-1) << next << int(Due::Soon);
        QTest::newRow("the day") << last << 12 << next << next << int(Due::Soon);
        QTest::newRow("the day after")
            << last << 12 << next.addDays(1) << next << int(Due::Overdue);
        QTest::newRow("30 days ahead") << last << 12 << next.addDays(-30) << next << int(Due::Soon);
        QTest::newRow("31 days ahead")
            << last << 12 << next.addDays(-31) << next << int(Due::Current);
        QTest::newRow("31 January + 1 month") << QDate(2026, 1, 31) << 1 << QDate(2026, 1, 31)
                                              << QDate(2026, 2, 28) << int(Due::Soon);
        QTest::newRow("leap year") << QDate(2027, 8, 31) << 6 << QDate(2028, 3, 1)
                                   << QDate(2028, 2, 29) << int(Due::Overdue);
        QTest::newRow("never inspected") << QDate() << 12 << last << QDate() << int(Due::Overdue);
    }
    void due()
    {
        QFETCH(QDate, last);
        QFETCH(int, months);
        QFETCH(QDate, today);
        QFETCH(QDate, next);
        QFETCH(int, state);
        QCOMPARE(Due::next(last, months), next);
        QCOMPARE(int(Due::state(next, today)), state);
        QCOMPARE(Due::describe(next, Due::State(state)).contains("("), state != Due::Current);
    }

    // What an inspection keeps of its transducer reads back as it was.
    void transducerRecord()
    {
        Transducer probe;
        probe.key = 7;
        probe.model = "L12-5";
        probe.serial = "SN 42";
        probe.type = Transducer::Endocavitary;
        probe.frequency = 7.5;
        probe.intervalMonths = 6;
        const Transducer read = Transducer::fromJson(probe.toJson());
        QCOMPARE(read.describe(QLocale::c()),
                 QString("L12-5, nº de série SN 42, Endocavitário, 7.5 MHz"));
        QCOMPARE(QVector<qint64>({read.key, read.intervalMonths, read.type}),
                 QVector<qint64>({7, 6, 3}));
        QCOMPARE(Transducer::fromJson({{"type", 9}}).type, Transducer::Other); // a later type
    }

    void csv_data()
    {
        QTest::addColumn<QStringList>("headers"); // technician, distance, verdicts, a rating
        QTest::addColumn<QStringList>("cells");   // under them
        QTest::addColumn<QString>("separator");
        const QString name = "Zé \"Boca\"; Silva, filho\nCREA 123";
        QTest::newRow("pt_BR") << QStringList{"Responsável técnico",
                                              "Distância vertical 2-3 a 0,5 dB (mm)",
                                              "Resultado: Média vertical a 0,5 dB", "Cabo de força",
                                              "Resultado: Área da massa hiperecoica a 8 cm, 0,7 dB"}
                               << QStringList{name, "10,25", "reprovado", "Ótimo", "reprovado"}
                               << ";";
        QTest::newRow("en_US")
            << QStringList{"Responsible technician", "Vertical distance 2-3 at 0.5 dB (mm)",
                           "Result: Vertical mean at 0.5 dB", "Power cable",
                           "Result: Area of the hyperechoic mass at 8 cm, 0.7 dB"}
            << QStringList{name, "10.25", "failed", "Great", "failed"} << ",";
    }
    void csv()
    {
        QFETCH(QStringList, headers);
        QFETCH(QStringList, cells);
        QFETCH(QString, separator);
        QTranslator translator;
        const int language = installCatalogue(translator, QTest::currentDataTag());
        StoredInspection stored;
        stored.values = passingValues();
        stored.values["lineTecResp"] = cells[0];
        stored.values["plainTextEdit4"] = "=HYPERLINK(\"x\")";
        stored.values["doubleSpinBox5_05_30"] = 10.25;
        stored.values["s7HAr8"] = 40.0; // the only failing mass result
        const QByteArray file =
            InspectionCsv::compose({stored, StoredInspection()}, interfaceLocale(language));
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(file.startsWith("\xEF\xBB\xBF"));
        const QVector<QStringList> rows = readCsv(QString::fromUtf8(file.mid(3)), separator[0]);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[1].size(), rows[0].size());
        QCOMPARE(rows[2].size(), rows[0].size());
        for (int i = 0; i < headers.size(); ++i)
            QCOMPARE(rows[1].value(rows[0].indexOf(headers[i])), cells[i]);
        QVERIFY(rows[1].contains("'=HYPERLINK(\"x\")"));
        QCOMPARE(rows[0].filter(QRegularExpression("^(Resultado|Result): ")).size(), 52);
    }

    // Nothing stored: nothing is judged. Every input is judged by one result only.
    void emptyAndTable()
    {
        const QVector<Result> results = ::judge(Inspection());
        QCOMPARE(failedCount(results) + judgedCount(results), 0);
        QCOMPARE(judgedCount(::judge(Inspection(passingValues()))), 50);
        QSet<QString> inputs;
        int count = 0;
        for (const JudgedResult &judged : Judgement::results()) {
            if (judged.rule != Rule::Area) {
                count += judged.inputs.size();
                inputs += QSet<QString>(judged.inputs.begin(), judged.inputs.end());
            }
        }
        QCOMPARE(inputs.size(), count);
        QCOMPARE(count, 6 + 6 + 18 + 12 + 48 + 2);
        const Result &area = results[49];
        QCOMPARE(area.verdict, Result::NotJudged);
        QCOMPARE(QString("%1 %2 %3 %4")
                     .arg(results[0].lower)
                     .arg(results[0].upper)
                     .arg(area.lower, 0, 'f', 3)
                     .arg(area.upper, 0, 'f', 3),
                 QStringLiteral("1 3 22.619 33.929"));
        QVERIFY(std::isnan(area.inputs[0]));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv); // for the catalogue, no widgets
    TestEvaluator evaluator;
    TestJudgement judgement;
    return QTest::qExec(&evaluator, argc, argv) | QTest::qExec(&judgement, argc, argv);
}

#include "tst_evaluator.moc"
