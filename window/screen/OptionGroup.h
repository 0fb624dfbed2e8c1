#pragma once

#include <QObject>
#include <QRadioButton>
#include <vector>

namespace esoa {

// An array of option buttons sharing one click handler that receives the option's index.
// Selecting an option, by the user or from code, raises Click(index) when the option was not
// selected before; selecting the option that is already selected does nothing.
class OptionGroup : public QObject {
    Q_OBJECT
public:
    explicit OptionGroup(QObject* parent = nullptr) : QObject(parent) {}

    // Adds the option of the next index; the button belongs to its Qt parent.
    void add(QRadioButton* option);
    QRadioButton* option(int index) const { return options_.at(static_cast<size_t>(index)); }
    int count() const { return static_cast<int>(options_.size()); }

    bool isSelected(int index) const { return option(index)->isChecked(); }
    // Selects the option as a user's click on it would; throws std::out_of_range for a bad index.
    void select(int index);

signals:
    void Click(int index);

private:
    std::vector<QRadioButton*> options_;
};

}  // namespace esoa
