#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/CurrentUser.h"

namespace esoa {

// The program's entry: creates the current-user object, lets it log in, and opens the mapping form
// only when the user is connected. Holds the program-wide current-user reference for the whole run;
// the form is destroyed before it.
class Startup {
public:
    using FormFactory = std::function<std::unique_ptr<QWidget>(CurrentUser&)>;
    using ErrorReport = std::function<void(const QString& description)>;

    Startup(CurrentUserFactory createUser, FormFactory createForm, ErrorReport report);
    ~Startup();

    // Returns true when the form is shown: the program then lives while it is open. Returns false
    // when the user is not connected (silently) or when start-up failed (after reporting the error).
    bool Main();

    CurrentUser* currentUser() const { return user_.get(); }
    QWidget* form() const { return form_.get(); }

private:
    CurrentUserFactory createUser_;
    FormFactory createForm_;
    ErrorReport report_;
    std::unique_ptr<CurrentUser> user_;
    std::unique_ptr<QWidget> form_;
};

}  // namespace esoa
