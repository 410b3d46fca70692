#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

// Sets an environment variable (or unsets it, given no value) for the life of the object
// and then puts back what was there.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<QByteArray>& value) : name_(name) {
        if (qEnvironmentVariableIsSet(name))
            saved_ = qgetenv(name);
        set(value);
    }
    ~ScopedEnv() { set(saved_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void set(const std::optional<QByteArray>& value) {
        if (value)
            qputenv(name_, *value);
        else
            qunsetenv(name_);
    }

    const char* name_;
    std::optional<QByteArray> saved_;
};
