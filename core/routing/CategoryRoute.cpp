#include "core/routing/CategoryRoute.h"

#include <array>

#include "core/ListData.h"

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

const CategoryRoute& CategoryRoute::For(const QString& table, const QString& category) {
    if (table == ReferenceList::Item().table) return RouteIn(category, kItemRoutes, kItemOther);
    return RouteIn(category, kErRoutes, kErOther);
}

QStringList CategoryRoute::ExamStems() {
    QStringList stems;
    const auto add = [&](const CategoryRoute& route) {
        if (route.stem && !stems.contains(QLatin1String(route.stem))) stems << QLatin1String(route.stem);
    };
    for (const Named& named : kItemRoutes) add(named.route);
    add(kItemOther);
    for (const Named& named : kErRoutes) add(named.route);
    add(kErOther);
    return stems;
}

}  // namespace esoa
