#include "history/failedresults.h"

#include "report/evaluator.h"
#include "wizard/massrows.h"

#include <QVector>

namespace {

QVector<double> numbers(const QJsonObject &values, std::initializer_list<const char *> names)
{
    QVector<double> list;
    for (const char *name : names)
        list.append(values.value(QLatin1String(name)).toDouble());
    return list;
}

} // namespace

int failedResults(const QJsonObject &values)
{
    const Evaluator evaluator;
    auto number = [&values](const char *name) {
        return values.value(QLatin1String(name)).toDouble();
    };
    auto index = [&values](const char *name) { return values.value(QLatin1String(name)).toInt(); };
    int failed = 0;
    auto count = [&failed](bool pass) { failed += pass ? 0 : 1; };

    // ratings 1 to 3 pass; 0 (unrated), 4 and 5 fail
    for (const char *rating : {"comboBox3cabo", "comboBox3Monitor", "comboBox3Controles",
                               "comboBox3botoes", "comboBox3FiltPoeira", "comboBox3Transtud"})
        count(index(rating) >= 1 && index(rating) <= 3);

    const double frequency = number("doubleSpinBox4Freq");
    for (const char *attenuation : {"05", "07"}) {
        const QString prefix = QStringLiteral("comboBox2_%1db_").arg(QLatin1String(attenuation));
        auto choice = [&](const char *suffix) {
            return values.value(prefix + QLatin1String(suffix)).toInt();
        };
        count(evaluator.deadZoneOk(frequency, choice("ZM")));
        count(evaluator.axialResolutionOk(frequency, choice("RA")));
        count(evaluator.lateralResolutionOk(frequency, choice("RL")));
    }

    double mean = 0;
    // The 0.5 dB pair 2-3 is doubleSpinBox5_05_30.
    count(evaluator.verticalMeanOk(
        numbers(values, {"doubleSpinBox5_05_12", "doubleSpinBox5_05_30", "doubleSpinBox5_05_34",
                         "doubleSpinBox5_05_45", "doubleSpinBox5_05_56", "doubleSpinBox5_05_67",
                         "doubleSpinBox5_05_78", "doubleSpinBox5_05_89", "doubleSpinBox5_05_910"}),
        &mean));
    count(evaluator.verticalMeanOk(
        numbers(values, {"doubleSpinBox5_07_12", "doubleSpinBox5_07_23", "doubleSpinBox5_07_34",
                         "doubleSpinBox5_07_45", "doubleSpinBox5_07_56", "doubleSpinBox5_07_67",
                         "doubleSpinBox5_07_78", "doubleSpinBox5_07_89", "doubleSpinBox5_07_910"}),
        &mean));
    for (const char *group : {"3cm_05", "3cm_07", "9cm_05", "9cm_07"}) {
        QVector<double> distances;
        for (const char *pair : {"12", "23", "34"})
            distances.append(values
                                 .value(QStringLiteral("doubleSpinBox6_%1_%2")
                                            .arg(QLatin1String(group), QLatin1String(pair)))
                                 .toDouble());
        count(evaluator.horizontalMeanOk(distances, &mean));
    }

    for (const MassRow &mass : massRows) {
        count(evaluator.aspectRatioOk(number(mass.height), number(mass.width)));
        count(evaluator.areaOk(number(mass.area), mass.depthColumn + 1));
    }
    return failed;
}
