#include "core/resultname.h"

#include <QCoreApplication>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(ResultName)
};

// The rated parts of step 2 in the order of the report's part number.
const char *const parts[] = {QT_TRANSLATE_NOOP("ResultName", "Cabo de força"),
                             QT_TRANSLATE_NOOP("ResultName", "Controles"),
                             QT_TRANSLATE_NOOP("ResultName", "Filtro de poeira"),
                             QT_TRANSLATE_NOOP("ResultName", "Monitor"),
                             QT_TRANSLATE_NOOP("ResultName", "Botões"),
                             QT_TRANSLATE_NOOP("ResultName", "Transdutores")};

QString massText(MassType type)
{
    return type == MassType::Anechoic ? Texts::tr("anecoica") : Texts::tr("hiperecoica");
}

} // namespace

QString resultName(const JudgedResult &judged, const QLocale &locale)
{
    const QString at = locale.toString(judged.attenuation == Attenuation::Db05 ? 0.5 : 0.7, 'f', 1);
    const int cm = 2 * (judged.depth + 1);
    switch (judged.rule) {
    case Rule::Rating:
        return QCoreApplication::translate("ResultName", parts[qBound(0, judged.part, 5)]);
    case Rule::DeadZone:
        return Texts::tr("Zona morta a %1 dB").arg(at);
    case Rule::AxialResolution:
        return Texts::tr("Resolução axial a %1 dB").arg(at);
    case Rule::LateralResolution:
        return Texts::tr("Resolução lateral a %1 dB").arg(at);
    case Rule::VerticalMean:
        return Texts::tr("Média vertical a %1 dB").arg(at);
    case Rule::HorizontalMean:
        return Texts::tr("Média horizontal a %1 cm, %2 dB").arg(judged.set == 0 ? 3 : 9).arg(at);
    case Rule::AspectRatio:
        return Texts::tr("Altura/largura da massa %1 a %2 cm, %3 dB")
            .arg(massText(judged.massType))
            .arg(cm)
            .arg(at);
    case Rule::Area:
        return Texts::tr("Área da massa %1 a %2 cm, %3 dB")
            .arg(massText(judged.massType))
            .arg(cm)
            .arg(at);
    case Rule::Penetration:
        return Texts::tr("Penetração máxima a %1 dB").arg(at);
    }
    return QString();
}
