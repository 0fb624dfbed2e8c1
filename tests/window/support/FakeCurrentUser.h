#pragma once

#include <QStringList>
#include <QWidget>
#include <optional>

#include "core/CurrentUser.h"
#include "database/DbError.h"
#include "support/TestDatabase.h"

namespace esoa::test {

// Records what the program asks of the placement store.
class RecordingClasses : public ZemoraClasses {
public:
    void loadwinsettings(QWidget& form) override { calls << QStringLiteral("load:") + form.objectName(); }
    void Savewinsettings(QWidget& form) override { calls << QStringLiteral("save:") + form.objectName(); }
    QStringList calls;
};

// A current-user component whose state a test sets: connected to a test database by default.
class FakeCurrentUser : public CurrentUser {
public:
    explicit FakeCurrentUser(TestDatabase* db = nullptr) : db_(db) {}

    void showmain() override { ++showmainCalls; }
    std::optional<bool> Connected() const override { return connected; }
    Connection& sqlconnection() override {
        if (!db_) throw DbError(QStringLiteral("Not connected."));
        return db_->connection();
    }
    ZemoraClasses& ZEMORAClasses() override { return classes; }
    QString UserName() const override { return userName; }

    std::optional<bool> connected = true;
    QString userName = QStringLiteral("tester");
    int showmainCalls = 0;
    RecordingClasses classes;

private:
    TestDatabase* db_;
};

}  // namespace esoa::test
