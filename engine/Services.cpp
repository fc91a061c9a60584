#include "engine/Services.h"

std::int64_t DoubleToInt64(double value) { return value != value ? 0 : static_cast<std::int64_t>(0); }
double Int64ToDouble(std::int64_t value) { return static_cast<double>(value); }
void SetBackgroundTaskHook(void (*hook)()) { engine_detail::backgroundTaskHook = hook; }
