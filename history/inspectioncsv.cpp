#include "history/inspectioncsv.h"

#include "core/dateformats.h"
#include "core/judgement.h"
#include "core/resultname.h"
#include "history/trend.h"

#include <QCoreApplication>

#include <cmath>
#include <functional>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(InspectionCsv)
};

QString dB(Attenuation attenuation, const QLocale &locale)
{
    return locale.toString(attenuation == Attenuation::Db05 ? 0.5 : 0.7, 'f', 1);
}

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString massText(MassType type)
{
    return type == MassType::Anechoic ? Texts::tr("anecoica") : Texts::tr("hiperecoica");
}

// The state as the history names it (the same texts, in its context).
QString stateText(const StoredInspection &inspection)
{
    const QJsonObject signature = inspection.values.value(Field::signature).toObject();
    if (inspection.state == StoredInspection::Draft)
        return inspection.pdfPath.isEmpty()
                   ? QCoreApplication::translate("HistoryDialog", "Rascunho")
                   : QCoreApplication::translate("HistoryDialog", "Alterada após o relatório");
    if (signature.isEmpty())
        return QCoreApplication::translate("HistoryDialog", "Relatório salvo");
    return QCoreApplication::translate("HistoryDialog", "Assinado por %1")
        .arg(signature.value(QStringLiteral("signer")).toString());
}

// A typed text that a spreadsheet would take for a formula ("=HYPERLINK(…)") is kept
// as text, behind an apostrophe.
QString typed(const QString &text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && formulaStarts.contains(text.at(0)) ? QLatin1Char('\'') + text : text;
}

const QString changedFormat = QStringLiteral("yyyy-MM-dd HH:mm");

struct Row
{
    const StoredInspection &stored;
    Inspection inspection;
    QVector<Result> results;
};

struct Column
{
    QString header;
    std::function<QString(const Row &)> cell;
};

QVector<Column> columns(const QLocale &numbers)
{
    QVector<Column> table;
    const char *const scanner[] = {QT_TRANSLATE_NOOP("InspectionCsv", "Instituição"),
                                   QT_TRANSLATE_NOOP("InspectionCsv", "Local"),
                                   QT_TRANSLATE_NOOP("InspectionCsv", "ID"),
                                   QT_TRANSLATE_NOOP("InspectionCsv", "Modelo"),
                                   QT_TRANSLATE_NOOP("InspectionCsv", "Fabricante")};
    for (int i = 0; i < 5; ++i)
        table.append({QCoreApplication::translate("InspectionCsv", scanner[i]),
                      [i](const Row &row) { return typed(row.stored.scanner.value(i)); }});
    auto number = [numbers](double value) {
        return std::isnan(value) ? QString()
                                 : numbers.toString(value, 'f', QLocale::FloatingPointShortest);
    };
    auto text = [](const QString &field) {
        return [field](const Row &row) { return typed(row.inspection.text(field)); };
    };
    // the choice's item as the wizard shows it; none for the unrated item or a stored
    // index that is no item
    auto choice = [](const QString &field) {
        return [field](const Row &row) {
            const double index = row.inspection.choice(field);
            return index >= 1 && index == std::floor(index)
                       ? Inspection::choiceTexts(field).value(int(index))
                       : QString();
        };
    };
    table.append({Texts::tr("Data da inspeção"), [](const Row &row) {
                      return inspectionDate(row.stored).toString(DateFormats::stored);
                  }});
    table.append({Texts::tr("Alterada em"),
                  [](const Row &row) { return row.stored.changed.toString(changedFormat); }});
    table.append({Texts::tr("Responsável técnico"), text(Field::technician)});
    table.append(
        {Texts::tr("Estado"), [](const Row &row) { return typed(stateText(row.stored)); }});
    table.append(
        {Texts::tr("Relatório (PDF)"), [](const Row &row) { return typed(row.stored.pdfPath); }});

    const QVector<JudgedResult> &judged = Judgement::results();
    for (const JudgedResult &result : judged) {
        if (result.rule == Rule::Rating)
            table.append({resultName(result, numbers), choice(result.inputs.first())});
    }
    table.append({Texts::tr("Uniformidade da imagem"), choice(Field::uniformity)});
    table.append({Texts::tr("Inomogeneidade"), text(Field::explanation)});
    table.append({Texts::tr("Transdutor"), text(Field::transducer)});
    table.append({Texts::tr("Frequência (MHz)"), [number](const Row &row) {
                      return number(row.inspection.number(Field::frequency));
                  }});
    for (const JudgedResult &result : judged) {
        if (result.rule >= Rule::DeadZone && result.rule <= Rule::LateralResolution)
            table.append({resultName(result, numbers), choice(result.inputs.first())});
    }
    for (const MeasuringField &field : Inspection::measuringFields()) {
        const QString name = field.name;
        const QString unit =
            field.kind == MeasuringField::Area ? Texts::tr(" (mm²)") : Texts::tr(" (mm)");
        table.append({capitalised(field.describe(numbers)) + unit, [number, name](const Row &row) {
                          return number(row.inspection.number(name));
                      }});
        if (field.kind == MeasuringField::Area) { // after the target's three boxes
            const QString checkBox = field.depthCheckBox;
            table.append({capitalised(Texts::tr("Massa %1 a %2 cm, %3 dB medida")
                                          .arg(massText(field.massType))
                                          .arg(field.cm)
                                          .arg(dB(field.attenuation, numbers))),
                          [checkBox](const Row &row) {
                              return row.inspection.isChecked(checkBox) ? Texts::tr("sim")
                                                                        : Texts::tr("não");
                          }});
        }
    }
    for (int i = 0; i < judged.size(); ++i) {
        table.append(
            {Texts::tr("Resultado: %1").arg(resultName(judged[i], numbers)), [i](const Row &row) {
                 switch (row.results.value(i).verdict) {
                 case Result::Pass:
                     return Texts::tr("aprovado");
                 case Result::Fail:
                     return Texts::tr("reprovado");
                 case Result::NoBaseline:
                     return Texts::tr("sem linha de base");
                 default:
                     return QString();
                 }
             }});
    }
    return table;
}

} // namespace

QChar InspectionCsv::separator(const QLocale &locale)
{
    return locale.decimalPoint() == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(',');
}

QString InspectionCsv::field(const QString &text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray InspectionCsv::compose(const QVector<StoredInspection> &inspections,
                                  const QLocale &locale)
{
    QLocale numbers = locale;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    const QChar between = separator(locale);
    const QVector<Column> table = columns(numbers);
    const QString lineBreak = QStringLiteral("\r\n");
    QStringList cells;
    for (const Column &column : table)
        cells << field(column.header, between);
    QString text = cells.join(between) + lineBreak;
    for (const StoredInspection &stored : inspections) {
        const Row row{stored, Inspection(stored.values), judge(Inspection(stored.values))};
        cells.clear();
        for (const Column &column : table)
            cells << field(column.cell(row), between);
        text += cells.join(between) + lineBreak;
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}
