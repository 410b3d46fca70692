#pragma once

#include <firebird/Interface.h>

#include <utility>

// The Firebird client's entry points, and the one place where its exceptions become
// db::Error. Internal to db/.
namespace db::client {

Firebird::IMaster* master();
Firebird::IUtil* util();

// A status wrapper for one call sequence; its errors throw Firebird::FbException.
class Status : public Firebird::ThrowStatusWrapper {
public:
    Status();
    ~Status();
    Status(const Status&) = delete;
    Status& operator=(const Status&) = delete;
};

[[noreturn]] void rethrow(const Firebird::FbException& e);

// Runs f with a fresh status; an engine error leaves as db::Error.
template <class F> decltype(auto) call(F&& f) {
    Status status;
    try {
        return std::forward<F>(f)(&status);
    } catch (const Firebird::FbException& e) {
        rethrow(e);
    }
}

} // namespace db::client
