#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tarnavel/grid/UIDataGrid.h"
#include "tarnavel/platform/foundation/NSLocale.h"

namespace tarnavel::testing {

using Events = std::vector<std::string>;

/// Writes down what the grid tells its delegate as "<event> <row>,<column>[ <detail>]" ("title <column>
/// <title>" for titles, "<event>" for the scroll view's, with " from a stranger" unless the grid and scroll
/// view are `grid` and `scroll`). It can answer no to the text view's questions, move a drag's target, and
/// raise the platform exception from every method after writing it down.
class EventRecorder : public DataGridDelegate {
 public:
  void datagridCellTapped(UIDataGrid&, int r, int c, const Value& value) override {
    note("tap", r, c, value.description());
  }
  void datagridColumnTitleTapped(UIDataGrid&, int c, const Value& title) override {
    add("title " + std::to_string(c) + " " + title.description());
  }
  void datagridTextFieldColumnCellEditingBegin(UIDataGrid&, int r, int c, UITextField&) override {
    note("field-begin", r, c);
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
  void datagridScrollViewDidScroll(UIDataGrid& g, UIScrollView& s) override { heard("did-scroll", g, s); }
  void datagridScrollViewWillBeginDragging(UIDataGrid& g, UIScrollView& s) override {
    heard("begin-drag", g, s);
  }
  void datagridScrollViewWillEndDragging(UIDataGrid& g, UIScrollView& s, CGPoint v,
                                         CGPoint* target) override {
    if (retarget) *target = *retarget;
    heard("end-drag " + Value(v.y).description(), g, s);
  }
  void datagridScrollViewDidEndDragging(UIDataGrid& g, UIScrollView& s, bool decelerates) override {
    heard(decelerates ? "ended-drag coasting" : "ended-drag", g, s);
  }
  void datagridScrollViewWillBeginDecelerating(UIDataGrid& g, UIScrollView& s) override {
    heard("begin-coast", g, s);
  }
  void datagridScrollViewDidEndDecelerating(UIDataGrid& g, UIScrollView& s) override {
    heard("end-coast", g, s);
  }
  void datagridScrollViewDidEndScrollingAnimation(UIDataGrid& g, UIScrollView& s) override {
    heard("end-animation", g, s);
  }

  bool allowBegin = true;
  bool allowEnd = true;
  bool raises = false;
  std::optional<CGPoint> retarget;
  const UIDataGrid* grid = nullptr;
  const UIScrollView* scroll = nullptr;
  Events events;

 private:
  void note(const std::string& event, int row, int col, const std::string& detail = "") {
    add(event + " " + std::to_string(row) + "," + std::to_string(col) + (detail.empty() ? "" : " " + detail));
  }
  void heard(const std::string& event, const UIDataGrid& g, const UIScrollView& s) {
    add(&g == grid && &s == scroll ? event : event + " from a stranger");
  }
  void add(std::string event) {
    events.push_back(std::move(event));
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
