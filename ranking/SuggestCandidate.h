#pragma once

#include <QAnyStringView>
#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

#include "ranking/ItemText.h"

namespace esoa::assist {

// A hospital item that may be suggested for a PhilHealth description.
struct SuggestCandidate {
    QString itemId;
    QString itemName;
    QString genericName;    // may be empty
    QString linkedCode;     // the code the item is already linked to, may be empty; shown, not ranked
    QString itemDesc = {};  // inventory items' longer description, may be empty; shown, not ranked
    QString source = {};    // where the row comes from: its exam table, whose name may say what the
                            // row's own leaves unsaid (the modality of "Whole abdomen" in "tbcoUltraExam")
    ItemKind kind = ItemKind::Medicine;  // how its name is read: inventory items as medicines, exam rows
                                         // as procedures
    // Where a link to it is filed (the link's InvOrProc, RevenueID and SectionID): kept and returned,
    // never read.
    QString invOrProc = {}, revenueId = {}, sectionId = {};
};

// The candidates of an index, kept compactly so that a whole inventory fits: the item id, name and
// description of each side by side in large blocks of text, and the values that many candidates share
// (generic name, source, linked code, where a link is filed) once each.
class CandidateStore {
public:
    void Append(const SuggestCandidate& candidate);
    qsizetype size() const { return qsizetype(entries_.size()); }

    SuggestCandidate At(qsizetype i) const;
    QAnyStringView ItemId(qsizetype i) const {
        return Text(entries_[size_t(i)], 0, entries_[size_t(i)].idLength);
    }
    QAnyStringView ItemName(qsizetype i) const;
    ItemKind Kind(qsizetype i) const { return entries_[size_t(i)].kind; }
    const QString& Source(qsizetype i) const { return values_[entries_[size_t(i)].source]; }
    const QString& GenericName(qsizetype i) const { return values_[entries_[size_t(i)].generic]; }
    // The distinct generic names of the candidates of `kind`.
    QStringList GenericNames(ItemKind kind) const;
    void SetLinkedCode(qsizetype i, const QString& code) {
        entries_[size_t(i)].linked = Shared(code, LinkedField);
    }

private:
    struct Entry {
        quint32 block = 0, at = 0;  // where its texts begin: id, name, then description
        quint32 idLength = 0, nameLength = 0, descLength = 0;
        quint32 generic = 0, linked = 0, source = 0, invOrProc = 0, revenue = 0, section = 0;
        ItemKind kind = ItemKind::Medicine;
        bool wide = false;  // its texts in a block of UTF-16, else of Latin-1
    };
    enum Field {
        GenericField,
        LinkedField,
        SourceField,
        InvOrProcField,
        RevenueField,
        SectionField,
        FieldCount
    };
    QAnyStringView Text(const Entry& e, qsizetype from, qsizetype length) const;
    quint32 Shared(const QString& value, Field field);

    // Blocks of texts, each filled up to the size it was made with: Latin-1 where every character of an
    // item's texts is one, which most are, else UTF-16.
    std::vector<QByteArray> narrow_;
    std::vector<QString> wide_;
    std::vector<Entry> entries_;
    std::vector<QString> values_{QString()};
    QHash<QString, quint32> valueIds_{{QString(), 0}};
    std::pair<QString, quint32> last_[FieldCount];  // per field, the last value looked up and its id
};

}  // namespace esoa::assist
