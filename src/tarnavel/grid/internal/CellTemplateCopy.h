#pragma once

#include "tarnavel/grid/DataGridCells.h"

namespace tarnavel {

// copyCellTemplate: every listed setting of a column's cell template onto a new cell's control, in the list's
// order, without any test. Frame, text, image, title, background colour, text colour and font are not in
// the lists (the bind sets those itself), nor are the template's own gesture recognizers, which can serve one
// view only.

void copyCellTemplate(const UILabel& from, UILabel& to);
void copyCellTemplate(const UIImageView& from, UIImageView& to);
void copyCellTemplate(const UIButton& from, UIButton& to);
void copyCellTemplate(const UITextField& from, UITextField& to);
void copyCellTemplate(const UITextView& from, UITextView& to);
// The control kinds' lists leave out the transform and alpha too: the bind scales and centres the control.
void copyCellTemplate(const UIDatePicker& from, UIDatePicker& to);
void copyCellTemplate(const UIPickerView& from, UIPickerView& to);
void copyCellTemplate(const UISlider& from, UISlider& to);
void copyCellTemplate(const UISwitch& from, UISwitch& to);

/// A label template onto a new label: its background colour, text colour and font, each where it is not the
/// unset marker, then the label list.
void applyLabelTemplate(const UILabel& tmpl, UILabel& label);

}  // namespace tarnavel
