#include "core/review/AcceptedLinks.h"

#include <QHash>
#include <utility>

#include "core/updates/HospitalItems.h"
#include "database/CodeKey.h"
#include "database/Connection.h"

namespace esoa::assist {
namespace {

// The identity under which the link write looks an item's link up.
std::pair<CodeKey, CodeKey> ItemKey(const QString& revenueId, const QString& itemId) {
    return {CodeKey(revenueId), CodeKey(itemId)};
}

QString Named(const AcceptedLink& a) {
    return QStringLiteral("%1: item %2 (%3)").arg(a.code.code, a.item.itemId, a.item.itemName);
}

}  // namespace

LinkValues LinkOf(const ReferenceList& list, const AcceptedLink& a) {
    const CodeValues& v = a.code.values;
    return {list.table,       a.item.itemId, a.item.revenueId, a.item.itemName, a.item.invOrProc, a.code.code,
            a.item.sectionId, v.category,    v.description,    v.fixedFee,      v.chargingUnit};
}

AcceptedOutcome WriteAcceptedLinks(history::Action& action, const std::vector<AcceptedLink>& accepted) {
    Connection& c = action.connection();
    const ReferenceList& list = action.list();
    QHash<std::pair<CodeKey, CodeKey>, QList<int>> byItem;
    for (int i = 0; i < int(accepted.size()); ++i)
        byItem[ItemKey(accepted[size_t(i)].item.revenueId, accepted[size_t(i)].item.itemId)].append(i);

    std::vector<LinkRow> links;
    for (const AcceptedLink& a : accepted) {
        LinkRow link;
        link.code = a.code.code;
        link.itemId = a.item.itemId;
        link.invOrProc = a.item.invOrProc;
        link.revenueId = a.item.revenueId;
        link.sectionId = a.item.sectionId;
        links.push_back(link);
    }

    AcceptedOutcome outcome;
    action.Transact([&] {
        outcome = {};
        const HospitalItems items(c, links);
        // Read inside the transaction: on the embedded database its write lock keeps them as read.
        QHash<std::pair<CodeKey, CodeKey>, QString> linkedTo;
        for (const LinkRow& link : ReadLinks(c, list))
            linkedTo.insert(ItemKey(link.revenueId, link.itemId), link.code);
        for (int i = 0; i < int(accepted.size()); ++i) {
            const AcceptedLink& a = accepted[size_t(i)];
            const std::pair<CodeKey, CodeKey> key = ItemKey(a.item.revenueId, a.item.itemId);
            const auto other = linkedTo.constFind(key);
            const QList<int> sharing = byItem.value(key);
            if (other != linkedTo.constEnd() && CodeKey(*other) != CodeKey(a.code.code)) {
                outcome.leftOut << QStringLiteral("%1 is already linked to code %2").arg(Named(a), *other);
            } else if (sharing.size() > 1) {
                QStringList codes;
                for (const int j : sharing)
                    if (j != i) codes << accepted[size_t(j)].code.code;
                outcome.leftOut << QStringLiteral("%1 is accepted for code %2 too")
                                       .arg(Named(a), codes.join(QStringLiteral(", ")));
            } else {
                // Ranked as active, the item may have been set inactive since.
                if (const HospitalItems::Item item = items.Find(links[size_t(i)]);
                    item.state == HospitalItems::State::Inactive)
                    throw ItemNotInSource(
                        QStringLiteral("%1: item %2 is inactive in %3: the link was not saved.")
                            .arg(a.code.code, a.item.itemId, item.table),
                        {}, {}, DbError::Cause::Value);
                try {
                    SaveLink(action, LinkOf(list, a));
                } catch (const ItemNotInSource& e) {
                    // The item left its source after it was ranked: name the code it was accepted for.
                    throw ItemNotInSource(QStringLiteral("%1: %2").arg(a.code.code, e.description()),
                                          e.nativeCode(), e.statement(), e.cause());
                }
                outcome.written.push_back(i);
            }
        }
    });
    return outcome;
}

}  // namespace esoa::assist
