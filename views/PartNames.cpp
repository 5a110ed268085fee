#include "views/PartNames.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

namespace mirel {
namespace {

constexpr const char* kContext = "PartNames";

constexpr std::array<const char*, kFacePartCount> kNames{
    QT_TRANSLATE_NOOP("PartNames", "目"),   QT_TRANSLATE_NOOP("PartNames", "眉"),
    QT_TRANSLATE_NOOP("PartNames", "鼻"),   QT_TRANSLATE_NOOP("PartNames", "口"),
    QT_TRANSLATE_NOOP("PartNames", "輪郭"), QT_TRANSLATE_NOOP("PartNames", "耳"),
    QT_TRANSLATE_NOOP("PartNames", "髪"),
};

}  // namespace

QString partName(FacePart part) {
    return QCoreApplication::translate(kContext, kNames[static_cast<std::size_t>(part)]);
}

QString lockSummary(const PartLocks& locks) {
    if (!locks.any()) return {};
    QStringList names;
    for (int part = 0; part < kFacePartCount; ++part) {
        if (locks[static_cast<FacePart>(part)]) names << partName(static_cast<FacePart>(part));
    }
    return QCoreApplication::translate("PartNames", "固定：%1").arg(names.join(QLatin1Char(' ')));
}

}  // namespace mirel
