// The actions of the switch, slider and date-picker cells, and the picker cells' chosen row. Each reads its
// row and column from the carriers the bind left on the sender.
#include "tarnavel/grid/UIDataGrid.h"

namespace tarnavel {

// Write-back and the delegate calls of these handlers are still to come; until then a user's change reaches
// the handler and goes no further.

void UIDataGrid::sldrChanged(UISlider& /*sender*/) {}

void UIDataGrid::SwhChanged(UISwitch& /*sender*/) {}

void UIDataGrid::datePkrChanged(UIDatePicker& /*sender*/) {}

void UIDataGrid::datePkrEditBegin(UIDatePicker& /*sender*/) {}

void UIDataGrid::datePkrEditEnd(UIDatePicker& /*sender*/) {}

void UIDataGrid::didSelectRow(UIPickerView& /*pickerView*/, NSInteger /*row*/, NSInteger /*component*/) {}

}  // namespace tarnavel
