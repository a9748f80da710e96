// A main window as the user meets it, with scripted answers, a recorded error window and the
// per-user values and defaults file of a fresh account.
#pragma once

#include "app/ui/TfrmMain.h"
#include "common/ScriptedDialogs.h"
#include "storage/IO.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

// Forgets the account's per-user values, defaults file and folders.
inline void ResetAccount() {
    QSettings("Corvane", "Vezizivu").clear();
    QSettings("Corvane", "Vezizivu").sync();
    QFile::remove(DefaultSettingsPath());
}

// Makes a saved timeline at `path` with `events` events; `adjust` may change its settings first.
void MakeTimelineFile(const QString& path, int events,
                      const std::function<void(const TSettingsParts&)>& adjust = {});

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAccount();
        dialogs.SetDefaultAnswer(TMsgButton::No);
        folder = vztest::NewTempFolder("app") + "/";
    }
    void TearDown() override { window.reset(); }

    TfrmMain& Open(const QStringList& args = {"vezizivu"}) {
        window = std::make_unique<TfrmMain>(args);
        window->SetErrorPresenter([this](const QString& text) {
            errors << text;
            return closeOnError;
        });
        return *window;
    }
    static void Settle() {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    TScriptedDialogs dialogs;
    TDialogsScope dialogsScope{dialogs};
    QString folder;
    QStringList errors;
    bool closeOnError = false;
    std::unique_ptr<TfrmMain> window;
};
