// The date forms the companion runs show and write.
#pragma once

#include <string>

#include "store/date_time.h"

namespace listrider::companions {

/// Returns "dd-mmm-yy" (18-Aug-05), the accounts page's "Requested" date.
std::string RequestedDate(const store::CivilDate& date);

/// Returns "dd mmmm yyyy" (05 March 2024), the date of the stats exports.
std::string LongDate(const store::CivilDate& date);

} // namespace listrider::companions
