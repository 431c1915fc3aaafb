#pragma once

#include <string>
#include <vector>

#include "tarnavel/grid/UIDataGrid.h"
#include "tarnavel/platform/controls/UITextField.h"
#include "tarnavel/platform/controls/UITextView.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/foundation/NSLocale.h"

namespace tarnavel::testing {

/// Writes down every cell event it hears as "<event> <row>,<column>[ <detail>]", and can answer no to the
/// text view's questions or raise from any method.
class EventRecorder : public DataGridDelegate {
 public:
  void datagridCellTapped(UIDataGrid&, int row, int col, const Value& value) override {
    note("tap", row, col, value.description());
  }
  void datagridTextFieldColumnCellEditingChanged(UIDataGrid&, int row, int col,
                                                 UITextField& sender) override {
    note("field-changed", row, col, sender.text);
  }
  void datagridTextFieldColumnCellEditingEnd(UIDataGrid&, int row, int col, UITextField& sender) override {
    note("field-end", row, col, sender.text);
  }
  bool datagridTextViewColumnCellEditingAboutBegin(UIDataGrid&, int row, int col, UITextView&) override {
    note("view-should-begin", row, col);
    return allowBegin;
  }
  void datagridTextViewColumnCellEditingBegin(UIDataGrid&, int row, int col, UITextView&) override {
    note("view-begin", row, col);
  }
  void datagridTextViewColumnCellEditingChanged(UIDataGrid&, int row, int col, UITextView& sender) override {
    note("view-changed", row, col, sender.text);
  }
  void datagridTextViewColumnCellEditingSelectionChanged(UIDataGrid&, int row, int col,
                                                         UITextView&) override {
    note("view-selection", row, col);
  }
  bool datagridTextViewColumnCellEditingAboutEnd(UIDataGrid&, int row, int col, UITextView&) override {
    note("view-should-end", row, col);
    return allowEnd;
  }
  void datagridTextViewColumnCellEditingEnd(UIDataGrid&, int row, int col, UITextView&) override {
    note("view-end", row, col);
  }
  void datagridSwitchColumnCellValueChanged(UIDataGrid&, int row, int col, UISwitch&) override {
    note("switch", row, col);
  }
  void datagridSliderColumnCellValueChanged(UIDataGrid&, int row, int col, UISlider&) override {
    note("slider", row, col);
  }
  void datagridDatePickerColumnCellEditingChanged(UIDataGrid&, int row, int col, UIDatePicker&) override {
    note("date", row, col);
  }
  void datagridDatePickerColumnCellEditingBegin(UIDataGrid&, int row, int col, UIDatePicker&) override {
    note("date-begin", row, col);
  }
  void datagridDatePickerColumnCellEditingEnd(UIDataGrid&, int row, int col, UIDatePicker&) override {
    note("date-end", row, col);
  }
  void datagridPickerColumnCellRowSelected(UIDataGrid&, int row, int col, NSInteger rowInPicker,
                                           NSInteger component, UIPickerView&) override {
    note("picked", row, col, std::to_string(rowInPicker) + "/" + std::to_string(component));
  }

  bool allowBegin = true;
  bool allowEnd = true;
  /// Raise the platform exception from every method, after writing the event down.
  bool raises = false;
  std::vector<std::string> events;

 private:
  void note(const std::string& event, int row, int col, const std::string& detail = "") {
    events.push_back(event + " " + std::to_string(row) + "," + std::to_string(col) +
                     (detail.empty() ? "" : " " + detail));
    if (raises) raiseException(NSGenericException, "the host failed");
  }
};

/// Formats numbers in `identifier` for as long as it lives.
class PinnedLocale {
 public:
  explicit PinnedLocale(const std::string& identifier) : before_(NSLocale::currentLocaleIdentifier()) {
    NSLocale::setCurrentLocaleIdentifier(identifier);
  }
  ~PinnedLocale() { NSLocale::setCurrentLocaleIdentifier(before_); }
  PinnedLocale(const PinnedLocale&) = delete;
  PinnedLocale& operator=(const PinnedLocale&) = delete;

 private:
  std::string before_;
};

}  // namespace tarnavel::testing
