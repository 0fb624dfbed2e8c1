#include "core/routing/ExamTableNames.h"

namespace esoa {

ExamTableNames ExamTableNames::OfStem(const QString& stem) {
    return {QStringLiteral("tbco") + stem, stem + QStringLiteral("ID"), stem};
}

ExamTableNames ExamTableNames::OtherRevenue() {
    return OfStem(QStringLiteral("OtherRevenue"));
}

}  // namespace esoa
