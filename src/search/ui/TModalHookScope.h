// Installs a modal-dialog hook (TModalRunner) for the lifetime of the guard.
#pragma once

#include "search/ui/TModalRunner.h"

#include <utility>

class TModalHookScope {
public:
    explicit TModalHookScope(TModalRunner::THook hook)
        : m_previous(TModalRunner::SetHook(std::move(hook))) {}
    ~TModalHookScope() { TModalRunner::SetHook(std::move(m_previous)); }
    TModalHookScope(const TModalHookScope&) = delete;
    TModalHookScope& operator=(const TModalHookScope&) = delete;

private:
    TModalRunner::THook m_previous;
};
