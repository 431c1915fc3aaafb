#pragma once

// Internal: the wheels a date picker draws.

#include <vector>

#include "tarnavel/platform/controls/PickerFace.h"
#include "tarnavel/platform/controls/UIDatePicker.h"

namespace tarnavel {

/// The wheels a date picker in `mode` shows for `date`, in the process's time zone: each wheel turns one
/// calendar field, with the date's value selected and its neighbours above and below. A mode outside the
/// list shows one empty wheel.
std::vector<PickerWheel> datePickerWheels(UIDatePickerMode mode, const NSDate& date);

}  // namespace tarnavel
