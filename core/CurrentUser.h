#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace esoa {

class Connection;

// The window-placement store of the hospital system's shared class library.
class ZemoraClasses {
public:
    virtual ~ZemoraClasses() = default;
    // Restores the form's stored position and size (keeps it on a visible screen).
    virtual void loadwinsettings(QWidget& form) = 0;
    // Stores the form's position and size for the next run.
    virtual void Savewinsettings(QWidget& form) = 0;
};

// The ZEMORA current-user component: logs the user in and holds the one open database connection.
// The program depends on exactly these members.
class CurrentUser {
public:
    virtual ~CurrentUser() = default;
    // Runs the component's own start-up (connects; tells the user itself why when it cannot).
    virtual void showmain() = 0;
    // true: a logged-in user with an open connection. std::nullopt stands for Null.
    virtual std::optional<bool> Connected() const = 0;
    // The open connection; throws DbError when there is none. Owned by the component.
    virtual Connection& sqlconnection() = 0;
    // The class library; owned by the component.
    virtual ZemoraClasses& ZEMORAClasses() = 0;
    // The logged-in user's name, as the history of the link writes records it.
    virtual QString UserName() const = 0;
};

// Creates the current-user object, as creating it from its ProgID does; may throw.
using CurrentUserFactory = std::function<std::unique_ptr<CurrentUser>()>;

}  // namespace esoa
