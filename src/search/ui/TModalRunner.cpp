#include "search/ui/TModalRunner.h"

#include <QDialog>

namespace {
TModalRunner::THook& Hook() {
    static TModalRunner::THook hook;
    return hook;
}
} // namespace

int TModalRunner::Run(QDialog& dialog) {
    if (Hook()) {
        // A copy: the hook may run a nested dialog that installs another one.
        const THook hook = Hook();
        return hook(dialog);
    }
    return dialog.exec();
}

TModalRunner::THook TModalRunner::SetHook(THook hook) {
    THook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}
