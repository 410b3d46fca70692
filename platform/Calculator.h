#pragma once

namespace platform {

// Starts the platform's calculator without waiting; when there is none, nothing happens.
void startCalculator();

} // namespace platform
