#pragma once
// Clean-up that runs when a scope ends.
//   TScopeGuard   runs on every way out (return or error);
//   TErrorGuard   runs only when the scope is left by an error (roll back what failed).
// While an error unwinds the stack, a clean-up that fails itself is dropped, so the first
// error goes on to its handler; on a normal way out a failing clean-up raises its error.
#include <exception>
#include <utility>

template <typename F> class TScopeGuard
{
public:
    explicit TScopeGuard(F cleanUp)
        : m_cleanUp(std::move(cleanUp)), m_errorsBefore(std::uncaught_exceptions())
    {
    }
    TScopeGuard(const TScopeGuard &) = delete;
    TScopeGuard &operator=(const TScopeGuard &) = delete;

    ~TScopeGuard() noexcept(false)
    {
        if (std::uncaught_exceptions() > m_errorsBefore) {
            try {
                m_cleanUp();
            } catch (...) {
            }
        } else {
            m_cleanUp();
        }
    }

private:
    F m_cleanUp;
    int m_errorsBefore;
};

template <typename F> class TErrorGuard
{
public:
    explicit TErrorGuard(F rollBack)
        : m_rollBack(std::move(rollBack)), m_errorsBefore(std::uncaught_exceptions())
    {
    }
    TErrorGuard(const TErrorGuard &) = delete;
    TErrorGuard &operator=(const TErrorGuard &) = delete;

    ~TErrorGuard()
    {
        if (std::uncaught_exceptions() <= m_errorsBefore)
            return;
        try {
            m_rollBack();
        } catch (...) {
        }
    }

private:
    F m_rollBack;
    int m_errorsBefore;
};
