// A working folder with empty event and group table files, opened in a database.
#pragma once

#include "common/ScriptedDialogs.h"
#include "storage/Database.h"
#include "storage/TableDef.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

class StorageFixture : public ::testing::Test {
protected:
    void SetUp() override {
        folder = vztest::NewTempFolder(QStringLiteral("db"));
        TDatabase::CreateTableFile(folder + QStringLiteral("/Event.ff2"), EventTableDef());
        TDatabase::CreateTableFile(folder + QStringLiteral("/Category.ff2"), CategoryTableDef());
    }

    // Inserts events straight through SQL: (ID, Name, Start, End) with End NULL when `end` is NaN.
    void AddEvents(TDatabase& db, const std::vector<std::tuple<int, QString, double, double>>& rows) {
        for (const auto& [id, name, start, end] : rows)
            db.Execute(QStringLiteral("INSERT INTO Event (ID, Name, Start, \"End\") VALUES (?1, ?2, ?3, ?4)"),
                       {id, name, start, std::isnan(end) ? QVariant() : QVariant(end)});
    }

    QString folder;
    TScriptedDialogs dialogs;
    TDialogsScope dialogsScope{dialogs};
};
