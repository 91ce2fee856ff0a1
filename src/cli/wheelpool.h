#pragma once
// The question a window asks before a wheel of a wide pool: the command line says it on stderr and
// goes on.

#include <ostream>

#include "generator/runframe.h"
#include "generator/wheel.h"

namespace lottodesk::cli {

inline void askAboutPool(std::ostream& err, const WheelPool& pool) {
    if (pool.size() > kWheelQuestionPool) err << kWheelPoolQuestion << '\n';
}

}  // namespace lottodesk::cli
