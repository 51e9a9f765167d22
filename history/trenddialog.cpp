#include "history/trenddialog.h"
#include "core/dateformats.h"
#include "ui_trenddialog.h"

#include <QCursor>
#include <QDateTime>
#include <QImage>
#include <QPainter>
#include <QToolTip>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>

using namespace QtCharts;

namespace {

const QString &dateFormat = DateFormats::shown;

qreal when(const QDate &date)
{
    return qreal(date.startOfDay().toMSecsSinceEpoch());
}

// Numbers in the dialog's language, without group separators.
QLocale numberLocale(const QWidget *widget)
{
    QLocale locale = widget->locale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString number(const QWidget *widget, double value)
{
    return numberLocale(widget).toString(value, 'g', 6);
}

bool isChoice(TrendResult result)
{
    return result == TrendResult::DeadZone || result == TrendResult::AxialResolution ||
           result == TrendResult::LateralResolution;
}

// A red cross the size of a scatter marker, drawn as the marker's brush.
QImage crossImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 0, 0), qMax(2.0, size / 6.0), Qt::SolidLine, Qt::RoundCap));
    const qreal inset = size / 5.0;
    painter.drawLine(QPointF(inset, inset), QPointF(size - inset, size - inset));
    painter.drawLine(QPointF(inset, size - inset), QPointF(size - inset, inset));
    return image;
}

using Limits = QVector<QPair<qreal, double>>; // by date

// One attenuation's tolerance band and baseline, drawn in its line's colour.
struct Band
{
    Limits lower, upper, baseline;
    bool drawn = false;
    QAreaSeries *area = nullptr;
    QColor colour;
};

// Steps: each inspection's limit holds until the next inspection, from `first` to `last`.
void appendSteps(QLineSeries *line, Limits limits, qreal first, qreal last)
{
    std::stable_sort(limits.begin(), limits.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (int i = 0; i < limits.size(); ++i) {
        const qreal x = i == 0 ? first : limits[i].first;
        if (i > 0)
            line->append(x, limits[i - 1].second);
        line->append(x, limits[i].second);
    }
    if (!limits.isEmpty())
        line->append(last, limits.last().second);
}

// One limit as a step line across the whole date range shown.
QLineSeries *limitLine(const Limits &limits, qreal first, qreal last)
{
    auto *line = new QLineSeries;
    appendSteps(line, limits, first, last);
    QPen pen(QColor(170, 40, 40));
    pen.setStyle(Qt::DashLine);
    pen.setWidthF(1.5);
    line->setPen(pen);
    return line;
}

} // namespace

TrendDialog::TrendDialog(const QVector<StoredInspection> &inspections, const QString &scannerId,
                         const QVector<Transducer> &transducers, qint64 shown, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::TrendDialog)
    , scannerId(scannerId)
{
    ui->setupUi(this);
    // The form's sizes are for 96 dpi; the chart's plot keeps its share on finer screens.
    const qreal scale = logicalDpiY() / 96.0;
    if (scale > 1) {
        ui->chartView->setMinimumSize(ui->chartView->minimumSize() * scale);
        resize(size() * scale);
    }
    setWindowTitle(tr("Tendência dos resultados de %1").arg(scannerId));
    fillTransducers(inspections, transducers, shown);
}

// Inspections read again: the chart is drawn again only when they differ from those
// drawn, on the same transducer and result.
void TrendDialog::setInspections(const QVector<StoredInspection> &read,
                                 const QVector<Transducer> &transducers)
{
    const auto same = [](const StoredInspection &a, const StoredInspection &b) {
        return a.id == b.id && a.revision == b.revision && a.changed == b.changed &&
               a.state == b.state && a.transducerKey == b.transducerKey;
    };
    if (std::equal(read.cbegin(), read.cend(), inspections.cbegin(), inspections.cend(), same))
        return;
    const QVariant shown = ui->comboBoxTransducer->currentData();
    fillTransducers(read, transducers, shown.isValid() ? shown.toLongLong() : -1);
}

void TrendDialog::fillTransducers(const QVector<StoredInspection> &read,
                                  const QVector<Transducer> &transducers, qint64 shown)
{
    inspections = read;
    const auto inspected = [this](qint64 key) {
        return std::any_of(inspections.cbegin(), inspections.cend(),
                           [key](const StoredInspection &one) { return one.transducerKey == key; });
    };
    QComboBox *combo = ui->comboBoxTransducer;
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const Transducer &transducer : transducers) {
        if (inspected(transducer.key))
            combo->addItem(transducer.describe(locale()), transducer.key);
    }
    if (inspected(-1))
        combo->addItem(tr("Sem transdutor"), qint64(-1));
    combo->setCurrentIndex(qMax(0, combo->findData(shown)));
    combo->setEnabled(combo->count() > 1);
    on_comboBoxTransducer_currentIndexChanged(combo->currentIndex());
}

QVector<StoredInspection> TrendDialog::shownInspections() const
{
    QVector<StoredInspection> shown;
    const QVariant key = ui->comboBoxTransducer->currentData();
    for (const StoredInspection &inspection : inspections) {
        if (!key.isValid() || inspection.transducerKey == key.toLongLong())
            shown.append(inspection);
    }
    return shown;
}

void TrendDialog::on_comboBoxTransducer_currentIndexChanged(int index)
{
    const QString transducer = ui->comboBoxTransducer->itemData(index).toLongLong() >= 0
                                   ? ui->comboBoxTransducer->itemText(index)
                                   : QString();
    subject = transducer.isEmpty() ? scannerId : tr("%1 (%2)").arg(scannerId, transducer);
    data = trendData(shownInspections(), ui->checkBoxDrafts->isChecked());
    showResult();
}

TrendDialog::~TrendDialog()
{
    delete ui;
}

void TrendDialog::on_comboBoxResult_currentIndexChanged(int)
{
    showResult();
}

void TrendDialog::on_checkBoxDrafts_toggled(bool checked)
{
    data = trendData(shownInspections(), checked);
    showResult();
}

void TrendDialog::showMessage(const QString &text)
{
    ui->labelMessage->setText(text);
    ui->stackedWidget->setCurrentWidget(ui->labelMessage);
    ui->labelNote->clear();
}

void TrendDialog::showResult()
{
    ui->comboBoxResult->setEnabled(data.inspections >= 2);
    if (data.inspections < 2) {
        showMessage(tooFewText());
        return;
    }
    const int index = qBound(0, ui->comboBoxResult->currentIndex(), trendResultCount - 1);
    const TrendResult result = TrendResult(index);
    if (data.series[index * 2].points.isEmpty() && data.series[index * 2 + 1].points.isEmpty()) {
        showMessage(tr("Nenhuma inspeção de %1 tem este resultado.").arg(subject));
        return;
    }
    QChart *chart = buildChart(result);
    labelledWidth = -1;
    connect(chart, &QChart::plotAreaChanged, this, &TrendDialog::fitDateLabels);
    QChart *previous = ui->chartView->chart();
    ui->chartView->setChart(chart);
    delete previous;
    ui->stackedWidget->setCurrentWidget(ui->chartView);
    fitDateLabels();
    ui->labelNote->setText(resultNote(result));
}

QString TrendDialog::tooFewText() const
{
    const bool drafts = ui->checkBoxDrafts->isChecked();
    QDate only;
    const QVector<StoredInspection> shown = shownInspections();
    for (const StoredInspection &inspection : shown) {
        if ((drafts || inspection.state != StoredInspection::Draft) &&
            inspectionDate(inspection).isValid())
            only = inspectionDate(inspection);
    }
    QString text =
        data.inspections == 0
            ? tr("Ainda não há inspeções de %1 para mostrar.").arg(subject)
            : tr("Há apenas uma inspeção de %1, de %2.").arg(subject, only.toString(dateFormat));
    text += QLatin1Char(' ') + tr("A tendência aparece a partir da segunda inspeção.");
    const bool hiddenDrafts =
        !drafts && std::any_of(shown.cbegin(), shown.cend(), [](const auto &inspection) {
            return inspection.state == StoredInspection::Draft;
        });
    if (hiddenDrafts)
        text += QLatin1Char(' ') +
                tr("Marque \"Incluir inspeções não concluídas\" para ver também os rascunhos.");
    return text;
}

// Both attenuations of one result, its limits as steps, the failed points as red crosses.
QChart *TrendDialog::buildChart(TrendResult result)
{
    const int index = int(result);
    const TrendSeries *columns[2] = {&data.series[index * 2], &data.series[index * 2 + 1]};
    auto *chart = new QChart;
    chart->setLocale(numberLocale(this));
    chart->setLocalizeNumbers(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    // The dates of the inspections label the time axis (fitDateLabels).
    auto *xAxis = new QCategoryAxis;
    xAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    auto *yAxis = new QValueAxis;
    yAxis->setTitleText(QStringLiteral("mm"));
    const bool mean = result == TrendResult::VerticalMean ||
                      result == TrendResult::HorizontalMean3cm ||
                      result == TrendResult::HorizontalMean9cm;
    yAxis->setLabelFormat(QLatin1String(mean ? "%.3f" : "%g"));
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);

    qreal first = std::numeric_limits<qreal>::max();
    qreal last = std::numeric_limits<qreal>::lowest();
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    auto include = [&](double value) {
        if (std::isfinite(value)) {
            low = qMin(low, value);
            high = qMax(high, value);
        }
    };
    Limits lowerLimits, upperLimits; // of the original rules' ranges
    QVector<qreal> limitOf;          // the dates whose limits are taken
    const int markerSize = qRound(13 * logicalDpiY() / 96.0);
    auto *failed = new QScatterSeries;
    failed->setName(tr("Reprovado"));
    failed->setMarkerSize(markerSize);
    failed->setBrush(crossImage(markerSize));
    failed->setPen(QPen(Qt::transparent));

    // Each attenuation's tolerance band and baseline under a change or deviation; the
    // 0.7 dB one only where it differs from the 0.5 dB one.
    Band bands[2];
    for (int column = 0; column < 2; ++column) {
        Band &band = bands[column];
        for (const TrendPoint &point : columns[column]->points) {
            if (!point.band || !point.judged())
                continue;
            const qreal x = when(point.date);
            band.lower.append({x, point.lower});
            band.upper.append({x, point.upper});
            if (std::isfinite(point.baseline))
                band.baseline.append({x, point.baseline});
            include(point.lower);
            include(point.upper);
        }
        const bool same = column == 1 && band.lower == bands[0].lower &&
                          band.upper == bands[0].upper && band.baseline == bands[0].baseline;
        band.drawn = !band.lower.isEmpty() && !same;
    }

    dates.clear();
    QVector<QLineSeries *> lines;
    const QString names[2] = {tr("Atenuação de 0,5 dB"), tr("Atenuação de 0,7 dB")};
    for (int column = 0; column < 2; ++column) {
        const QVector<TrendPoint> points = columns[column]->points;
        if (points.isEmpty())
            continue;
        auto *line = new QLineSeries;
        line->setName(names[column]);
        line->setPointsVisible(true);
        for (const TrendPoint &point : points) {
            const qreal x = when(point.date);
            line->append(x, point.value);
            dates.append(x);
            first = qMin(first, x);
            last = qMax(last, x);
            include(point.value);
            if (point.verdict == Result::Fail)
                failed->append(x, point.value);
            if (point.judged() && !point.band && !limitOf.contains(x)) {
                limitOf.append(x);
                if (std::isfinite(point.lower))
                    lowerLimits.append({x, point.lower});
                if (std::isfinite(point.upper))
                    upperLimits.append({x, point.upper});
                include(point.lower);
                include(point.upper);
            }
        }
        const QString name = names[column];
        connect(line, &QLineSeries::hovered, this, [=](const QPointF &at, bool state) {
            if (!state)
                return;
            const auto nearest = std::min_element(
                points.cbegin(), points.cend(), [&at](const TrendPoint &a, const TrendPoint &b) {
                    return std::hypot(when(a.date) - at.x(), a.value - at.y()) <
                           std::hypot(when(b.date) - at.x(), b.value - at.y());
                });
            QToolTip::showText(QCursor::pos(), name + QLatin1Char('\n') + describe(*nearest), this);
        });
        chart->addSeries(line); // takes the theme's colour
        QPen pen = line->pen();
        // The 0.5 dB line is the wider, so that it still shows under an equal 0.7 dB one.
        pen.setWidthF((column == 0 ? 3.0 : 1.5) * logicalDpiY() / 96.0);
        line->setPen(pen);
        bands[column].colour = pen.color();
        lines << line;
    }
    // The bands go under the lines: the lines, coloured by the theme in their order, are
    // laid again on top.
    for (Band &band : bands) {
        if (!band.drawn)
            continue;
        band.area = new QAreaSeries(new QLineSeries, new QLineSeries);
        band.area->upperSeries()->setParent(band.area);
        band.area->lowerSeries()->setParent(band.area);
        band.area->setName(tr("Faixa de tolerância"));
        band.area->setPen(Qt::NoPen);
        chart->addSeries(band.area);
    }
    for (QLineSeries *line : qAsConst(lines)) {
        if (bands[0].drawn || bands[1].drawn) {
            chart->removeSeries(line);
            chart->addSeries(line);
        }
    }

    // Some room on either side, so the first and last points stand off the axes.
    const qreal day = 24.0 * 3600 * 1000;
    const qreal margin = qMax(day, (last - first) * 0.06);
    first -= margin;
    last += margin;
    // Each line from the first inspection that has it, or from the chart's start when that
    // is the first inspection shown.
    const qreal earliest = first + margin;
    const auto from = [&](const Limits &limits) {
        const auto byDate = [](const auto &a, const auto &b) { return a.first < b.first; };
        const qreal start = std::min_element(limits.cbegin(), limits.cend(), byDate)->first;
        return start > earliest ? start : first;
    };
    QLineSeries *limits[2] = {
        lowerLimits.isEmpty() ? nullptr : limitLine(lowerLimits, from(lowerLimits), last),
        upperLimits.isEmpty() ? nullptr : limitLine(upperLimits, from(upperLimits), last),
    };
    bool limitNamed = false;
    for (QLineSeries *limit : limits) {
        if (!limit)
            continue;
        limit->setName(tr("Limite"));
        chart->addSeries(limit);
        if (limitNamed)
            chart->legend()->markers(limit).value(0)->setVisible(false);
        limitNamed = true;
    }
    // Each band in its attenuation's colour, named once in the legend.
    bool bandNamed = false;
    for (Band &band : bands) {
        if (!band.area)
            continue;
        appendSteps(band.area->upperSeries(), band.upper, from(band.upper), last);
        appendSteps(band.area->lowerSeries(), band.lower, from(band.lower), last);
        QColor fill = band.colour;
        fill.setAlpha(50);
        band.area->setBrush(fill);
        chart->legend()->markers(band.area).value(0)->setVisible(!bandNamed);
        bandNamed = true;
    }
    bool baselineNamed = false;
    for (const Band &band : bands) {
        if (!band.area || band.baseline.isEmpty())
            continue;
        auto *baseline = new QLineSeries;
        appendSteps(baseline, band.baseline, from(band.baseline), last);
        baseline->setName(tr("Linha de base"));
        QPen pen(band.colour.darker(150));
        pen.setStyle(Qt::DashDotLine);
        pen.setWidthF(1.5 * logicalDpiY() / 96.0);
        baseline->setPen(pen);
        chart->addSeries(baseline);
        chart->legend()->markers(baseline).value(0)->setVisible(!baselineNamed);
        baselineNamed = true;
    }
    // The note under the chart explains the crosses; a cross brush tiles badly in the legend.
    chart->addSeries(failed);
    chart->legend()->markers(failed).value(0)->setVisible(false);
    for (QAbstractSeries *series : chart->series()) {
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    }

    xAxis->setStartValue(first);
    xAxis->setRange(first, last);
    const double spread = qMax(high - low, isChoice(result) ? 1.0 : 0.01);
    yAxis->setRange(isChoice(result) ? 0.0 : low - spread * 0.2, high + spread * 0.2);
    yAxis->applyNiceNumbers();

    std::sort(dates.begin(), dates.end()); // a date shown twice is left out as too close
    return chart;
}

// The inspections' dates under their points, leaving out those that would touch the
// label before them; the latest date is always shown.
void TrendDialog::fitDateLabels()
{
    QChart *chart = ui->chartView->chart();
    const auto axes = chart->axes(Qt::Horizontal);
    auto *axis = axes.isEmpty() ? nullptr : qobject_cast<QCategoryAxis *>(axes.first());
    const qreal width = chart->plotArea().width();
    if (!axis || width <= 0 || qFuzzyCompare(width, labelledWidth))
        return;
    labelledWidth = width;
    const QFontMetrics metrics(axis->labelsFont());
    const qreal room = metrics.horizontalAdvance(QStringLiteral("00/00/0000  ")) * 1.2;
    const qreal scale = width / (axis->max() - axis->min());
    QVector<qreal> kept;
    for (qreal date : qAsConst(dates)) {
        if (kept.isEmpty() || (date - kept.last()) * scale >= room)
            kept.append(date);
        else if (date == dates.last())
            kept.last() = date;
    }
    for (const QString &label : axis->categoriesLabels())
        axis->remove(label);
    for (qreal date : qAsConst(kept))
        axis->append(QDateTime::fromMSecsSinceEpoch(qint64(date)).date().toString(dateFormat),
                     date);
}

QString TrendDialog::resultNote(TrendResult result) const
{
    bool byRange = false, banded = false, noBaseline = false;
    for (int column = 0; column < 2; ++column) {
        for (const TrendPoint &point : data.series[int(result) * 2 + column].points) {
            byRange |= point.judged() && !point.band;
            banded |= point.band;
            noBaseline |= point.verdict == Result::NoBaseline;
        }
    }
    QStringList notes;
    if (byRange && isChoice(result))
        notes << tr("Uma cruz vermelha marca um resultado reprovado. O resultado passa até o "
                    "limite, inclusive; o limite depende da frequência do transdutor de cada "
                    "inspeção.");
    else if (byRange)
        notes << tr("Uma cruz vermelha marca um resultado reprovado. A média passa estritamente "
                    "entre os dois limites.");
    if (banded && !byRange)
        notes << tr("Uma cruz vermelha marca um resultado reprovado.");
    if (banded)
        notes << tr("A faixa sombreada é a tolerância em torno da linha de base ou do valor "
                    "nominal: o resultado passa dentro dela, limites incluídos.");
    if (noBaseline)
        notes << tr("Um ponto sem linha de base não é julgado: o transdutor ainda não a tinha.");
    if (notes.isEmpty())
        notes << tr("O relatório mostra este resultado sem julgá-lo: não há limites.");
    if (data.unreadable > 0)
        notes << tr("Valores ilegíveis de algumas inspeções foram deixados de fora.");
    return notes.join(QLatin1Char(' '));
}

QString TrendDialog::describe(const TrendPoint &point) const
{
    QString text = tr("%1: %2 mm").arg(point.date.toString(dateFormat), number(this, point.value));
    if (point.verdict == Result::NoBaseline)
        text += QLatin1String(", ") + tr("sem linha de base");
    if (point.judged()) {
        text += QLatin1String(", ") +
                (point.verdict == Result::Pass ? tr("aprovado") : tr("reprovado"));
        if (std::isfinite(point.baseline))
            text +=
                QLatin1Char(' ') + tr("(linha de base %1 mm, limites %2 e %3 mm)")
                                       .arg(number(this, point.baseline), number(this, point.lower),
                                            number(this, point.upper));
        else if (std::isfinite(point.lower) && std::isfinite(point.upper))
            text +=
                QLatin1Char(' ') + tr("(limites %1 e %2 mm)")
                                       .arg(number(this, point.lower), number(this, point.upper));
        else if (std::isfinite(point.upper))
            text += QLatin1Char(' ') + tr("(limite %1 mm)").arg(number(this, point.upper));
    }
    if (point.draft)
        text += QLatin1Char(' ') + tr("(não concluída)");
    return text;
}
