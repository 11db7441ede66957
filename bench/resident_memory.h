#pragma once

#include <cstddef>

namespace bench {

/// The process's resident set size now, in kibibytes (VmRSS), or 0 where the
/// system does not tell.
std::size_t ResidentKiB();

}  // namespace bench
