// What a person does to the two pickers: spin a date picker, open and close it, choose a picker row.
#include <algorithm>

#include "tarnavel/platform/controls/UIDatePicker.h"
#include "tarnavel/platform/controls/UIPickerView.h"
#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {

void UIDatePicker::spinToDate(const NSDate& date) {
  runProtected([&] {
    if (!enabled || !userInteractionEnabled) return;
    NSDate reached = date;
    if (minimumDate) reached = std::max(reached, *minimumDate);
    if (maximumDate) reached = std::min(reached, *maximumDate);
    if (reached == date_) return;
    date_ = reached;
    sendActionsForControlEvents(UIControlEventValueChanged);
  });
}

void UIDatePicker::beginEditing() {
  runProtected([&] {
    if (editing_ || !enabled || !userInteractionEnabled) return;
    editing_ = true;
    sendActionsForControlEvents(UIControlEventEditingDidBegin);
  });
}

void UIDatePicker::endEditing() {
  runProtected([&] {
    if (!editing_) return;
    editing_ = false;
    sendActionsForControlEvents(UIControlEventEditingDidEnd);
  });
}

void UIPickerView::pickRow(NSInteger row, NSInteger component) {
  runProtected([&] {
    if (!userInteractionEnabled || row < 0 || component < 0) return;
    const auto source = dataSource();
    if (!source) return;
    const NSInteger components = source->numberOfComponentsInPickerView(*this).value_or(0);
    if (component >= components) return;
    const NSInteger rows = source->numberOfRowsInComponent(*this, component).value_or(0);
    if (row >= rows) return;
    selectRow(row, component, true);
    if (const auto listener = delegate()) listener->didSelectRow(*this, row, component);
  });
}

}  // namespace tarnavel
