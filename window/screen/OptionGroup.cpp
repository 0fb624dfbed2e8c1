#include "window/screen/OptionGroup.h"

#include <stdexcept>

namespace esoa {

void OptionGroup::add(QRadioButton* option) {
    const int index = count();
    options_.push_back(option);
    option->setAutoExclusive(false);  // the group decides, so that no option need be selected at first
    connect(option, &QRadioButton::clicked, this, [this, index](bool) {
        // A click on the selected option keeps it selected and raises nothing.
        if (!this->option(index)->isChecked()) {
            this->option(index)->setChecked(true);
            return;
        }
        for (int other = 0; other < count(); ++other) {
            if (other != index) this->option(other)->setChecked(false);
        }
        emit Click(index);
    });
}

void OptionGroup::select(int index) {
    if (index < 0 || index >= count()) throw std::out_of_range("Invalid option index");
    if (option(index)->isChecked()) return;
    for (int other = 0; other < count(); ++other) option(other)->setChecked(other == index);
    emit Click(index);
}

}  // namespace esoa
