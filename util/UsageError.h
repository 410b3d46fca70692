#pragma once

#include "util/Error.h"

class QCommandLineParser;

namespace tributra {

// An argument of the command line that could not be taken; the text names it.
class UsageError : public Error {
public:
    using Error::Error;
    // What a parser refused, naming the argument.
    static UsageError from(const QCommandLineParser& parser);
};

} // namespace tributra
