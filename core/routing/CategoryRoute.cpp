#include "core/routing/CategoryRoute.h"

#include <array>

namespace esoa {
namespace {

struct Named {
    const char* category;
    CategoryRoute route;
};

constexpr std::array<Named, 5> kItemRoutes{{
    {"Medicine", {true, nullptr, nullptr, nullptr}},
    {"LaboratoryAndDiagnostic", {false, "LB", nullptr, "LabExam"}},
    {"MedicalSupplies", {true, nullptr, nullptr, nullptr}},
    {"OperatingRoomFees", {false, nullptr, "OR", "OtherRevenue"}},
    {"RoomAndBoard", {false, nullptr, "RA", "OtherRevenue"}},
}};
constexpr CategoryRoute kItemOther{false, nullptr, nullptr, nullptr};

constexpr std::array<Named, 5> kErRoutes{{
    {"Therapeutics", {true, nullptr, nullptr, nullptr}},
    {"Imaging", {false, "XR", nullptr, "XRayExam"}},
    {"Laboratory", {false, "LB", nullptr, "LabExam"}},
    {"ED Service", {false, nullptr, "ER", "OtherRevenue"}},
    {"ED Consultation", {false, nullptr, "ER", "OtherRevenue"}},
}};
constexpr CategoryRoute kErOther{false, nullptr, nullptr, "OtherRevenue"};

template <size_t N>
const CategoryRoute& RouteIn(const QString& category, const std::array<Named, N>& routes,
                             const CategoryRoute& other) {
    for (const Named& named : routes) {
        if (category == QLatin1String(named.category)) return named.route;
    }
    return other;
}

}  // namespace

ExamTableNames ExamTableNames::OfStem(const QString& stem) {
    return {QStringLiteral("tbco") + stem, stem + QStringLiteral("ID"), stem};
}

const CategoryRoute& CategoryRoute::For(const QString& table, const QString& category) {
    if (table == QLatin1String("ESOA_ITEM")) return RouteIn(category, kItemRoutes, kItemOther);
    return RouteIn(category, kErRoutes, kErOther);
}

}  // namespace esoa
