#pragma once

#include "returns/periodic/PeriodicReturn.h"

#include <span>

// Every return the system files, in the order of the menu: what the command line, the
// viewer and the menu read.
namespace returns {

std::span<const PeriodicReturn::Model* const> models();
// Null for a code no model has.
const PeriodicReturn::Model* findModel(const QString& code);

} // namespace returns
