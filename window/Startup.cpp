#include "window/Startup.h"

#include "database/DbError.h"

namespace esoa {

Startup::Startup(CurrentUserFactory createUser, FormFactory createForm, ErrorReport report)
    : createUser_(std::move(createUser)), createForm_(std::move(createForm)), report_(std::move(report)) {}

Startup::~Startup() {
    form_.reset();
    user_.reset();
}

bool Startup::Main() {
    try {
        user_ = createUser_();
        user_->showmain();
        if (!user_->Connected().value_or(false)) return false;
        if (!form_) form_ = createForm_(*user_);
        form_->show();
        return true;
    } catch (const std::exception& e) {
        report_(DescriptionOf(e));
    }
    form_.reset();
    return false;
}

}  // namespace esoa
