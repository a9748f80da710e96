// Runs the program's modal dialogs. Normally a dialog is executed; a test installs a hook that
// receives the dialog instead, fills or clicks it and returns the result, so no test blocks.
#pragma once

#include <functional>

class QDialog;

class TModalRunner {
public:
    using THook = std::function<int(QDialog& dialog)>;

    // QDialog::exec, or the hook when one is installed.
    static int Run(QDialog& dialog);
    // Installs `hook` (empty: execute again) and returns the previous one.
    static THook SetHook(THook hook);
};
