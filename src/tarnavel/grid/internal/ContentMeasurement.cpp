// Auto-size by content: each column kind measures a record's field its own way.
#include <algorithm>
#include <functional>

#include "tarnavel/grid/internal/DataGridBinder.h"
#include "tarnavel/grid/internal/GridMarkerTests.h"
#include "tarnavel/platform/graphics/TextMeasure.h"
#include "tarnavel/platform/graphics/UIImage.h"

namespace tarnavel {

namespace {

// A text-entry control needs this much height beyond its text.
constexpr CGFloat kTextEntryPadding = 10.0;

using FieldMeasure = std::function<CGSize(const Value& field)>;

// The column measures with its template's font when the template sets one (and keeps it for its cells).
CGSize measureText(DataGridColumn& column, const std::shared_ptr<UIFont>& templateFont, const Value& field,
                   CGFloat extraHeight) {
  if (!isUnsetFont(templateFont)) column.font = templateFont;
  CGSize size = sizeWithFont(fieldText(field), column.font);
  size.height += extraHeight;
  return size;
}

template <class Column>
FieldMeasure textMeasure(Column& column, CGFloat extraHeight,
                         std::shared_ptr<UIFont> (*templateFont)(Column&)) {
  return [&column, extraHeight, templateFont](const Value& field) {
    return measureText(column, templateFont(column), field, extraHeight);
  };
}

std::shared_ptr<UIFont> labelTemplateFont(DataGridLabelColumn& c) {
  return c.cellTemplate ? c.cellTemplate->font() : kDataGridUnsetFont();
}
std::shared_ptr<UIFont> buttonTemplateFont(DataGridButtonColumn& c) {
  return c.cellTemplate ? c.cellTemplate->titleLabel()->font() : kDataGridUnsetFont();
}
std::shared_ptr<UIFont> textFieldTemplateFont(DataGridTextFieldColumn& c) {
  return c.cellTemplate ? c.cellTemplate->font : kDataGridUnsetFont();
}
std::shared_ptr<UIFont> textViewTemplateFont(DataGridTextViewColumn& c) {
  return c.cellTemplate ? c.cellTemplate->font : kDataGridUnsetFont();
}

CGSize imageSize(const Value& field) {
  const auto name = fieldText(field);
  const auto image = name ? UIImage::imageNamed(*name) : nullptr;
  return image ? image->size() : CGSize{};
}

// A fixed-size control measures as a freshly made one, whatever the field.
template <class Control>
FieldMeasure naturalSizeMeasure() {
  return [](const Value&) { return Control().bounds().size; };
}

FieldMeasure fieldMeasureFor(DataGridColumn& column) {
  if (auto* label = dynamic_cast<DataGridLabelColumn*>(&column))
    return textMeasure(*label, 0, labelTemplateFont);
  if (dynamic_cast<DataGridImageColumn*>(&column)) return imageSize;
  if (auto* button = dynamic_cast<DataGridButtonColumn*>(&column)) {
    return textMeasure(*button, kTextEntryPadding, buttonTemplateFont);
  }
  if (auto* field = dynamic_cast<DataGridTextFieldColumn*>(&column)) {
    return textMeasure(*field, kTextEntryPadding, textFieldTemplateFont);
  }
  if (auto* view = dynamic_cast<DataGridTextViewColumn*>(&column)) {
    return textMeasure(*view, kTextEntryPadding, textViewTemplateFont);
  }
  if (dynamic_cast<DataGridDatePickerColumn*>(&column)) return naturalSizeMeasure<UIDatePicker>();
  if (dynamic_cast<DataGridPickerColumn*>(&column)) return naturalSizeMeasure<UIPickerView>();
  if (dynamic_cast<DataGridSliderColumn*>(&column)) return naturalSizeMeasure<UISlider>();
  if (dynamic_cast<DataGridSwitchColumn*>(&column)) return naturalSizeMeasure<UISwitch>();
  return nullptr;
}

}  // namespace

std::optional<CGFloat> DataGridBinder::measureContentWidth(DataGridColumn& column) {
  const FieldMeasure measure = fieldMeasureFor(column);
  if (!measure) return std::nullopt;
  CGFloat width = 0;
  for (std::size_t r = 0; r < state_.RowsCount; ++r) {
    const Value record = grid_.DataSource.at(static_cast<long long>(r));
    // Records without the field get no cell, so they have no content to measure.
    if (!recordHasField(column.dataFieldIndex, fieldCountOf(record))) continue;
    const CGSize size = measure(record.at(column.dataFieldIndex));
    if (size.height > grid_.RowHeight) grid_.RowHeight = size.height;
    if (size.width > width) width = size.width;
  }
  return width;
}

}  // namespace tarnavel
