#pragma once

#include <string>
#include <vector>

#include "tarnavel/grid/UIDataGrid.h"
#include "tarnavel/platform/foundation/NSLocale.h"

namespace tarnavel::testing {

/// Writes down the cell events it hears as "<event> <row>,<column>[ <detail>]"; it can answer no to the
/// text view's questions, and raise the platform exception from every method after writing it down.
class EventRecorder : public DataGridDelegate {
 public:
  void datagridCellTapped(UIDataGrid&, int r, int c, const Value& value) override {
    note("tap", r, c, value.description());
  }
  void datagridTextFieldColumnCellEditingChanged(UIDataGrid&, int r, int c, UITextField& f) override {
    note("field-changed", r, c, f.text);
  }
  void datagridTextFieldColumnCellEditingEnd(UIDataGrid&, int r, int c, UITextField& f) override {
    note("field-end", r, c, f.text);
  }
  bool datagridTextViewColumnCellEditingAboutBegin(UIDataGrid&, int r, int c, UITextView&) override {
    return note("view-should-begin", r, c), allowBegin;
  }
  void datagridTextViewColumnCellEditingBegin(UIDataGrid&, int r, int c, UITextView&) override {
    note("view-begin", r, c);
  }
  void datagridTextViewColumnCellEditingChanged(UIDataGrid&, int r, int c, UITextView& v) override {
    note("view-changed", r, c, v.text);
  }
  void datagridTextViewColumnCellEditingSelectionChanged(UIDataGrid&, int r, int c, UITextView&) override {
    note("view-selection", r, c);
  }
  bool datagridTextViewColumnCellEditingAboutEnd(UIDataGrid&, int r, int c, UITextView&) override {
    return note("view-should-end", r, c), allowEnd;
  }
  void datagridTextViewColumnCellEditingEnd(UIDataGrid&, int r, int c, UITextView&) override {
    note("view-end", r, c);
  }
  void datagridSwitchColumnCellValueChanged(UIDataGrid&, int r, int c, UISwitch&) override {
    note("switch", r, c);
  }
  void datagridSliderColumnCellValueChanged(UIDataGrid&, int r, int c, UISlider&) override {
    note("slider", r, c);
  }
  void datagridDatePickerColumnCellEditingChanged(UIDataGrid&, int r, int c, UIDatePicker&) override {
    note("date", r, c);
  }
  void datagridDatePickerColumnCellEditingBegin(UIDataGrid&, int r, int c, UIDatePicker&) override {
    note("date-begin", r, c);
  }
  void datagridDatePickerColumnCellEditingEnd(UIDataGrid&, int r, int c, UIDatePicker&) override {
    note("date-end", r, c);
  }
  void datagridPickerColumnCellRowSelected(UIDataGrid&, int r, int c, NSInteger row, NSInteger component,
                                           UIPickerView&) override {
    note("picked", r, c, std::to_string(row) + "/" + std::to_string(component));
  }

  bool allowBegin = true;
  bool allowEnd = true;
  bool raises = false;
  std::vector<std::string> events;

 private:
  void note(const std::string& event, int row, int col, const std::string& detail = "") {
    events.push_back(event + " " + std::to_string(row) + "," + std::to_string(col) +
                     (detail.empty() ? "" : " " + detail));
    if (raises) raiseException(NSGenericException, "the host failed");
  }
};

/// Makes `identifier` the current locale for as long as it lives.
struct PinnedLocale {
  explicit PinnedLocale(const std::string& identifier) { NSLocale::setCurrentLocaleIdentifier(identifier); }
  ~PinnedLocale() { NSLocale::setCurrentLocaleIdentifier(before); }
  std::string before = NSLocale::currentLocaleIdentifier();
};

}  // namespace tarnavel::testing
