#include "tarnavel/grid/internal/CellTemplateCopy.h"

#include "tarnavel/grid/internal/GridMarkerTests.h"

namespace tarnavel {

namespace {

// Runs of settings that stand together, in this order, in every list.

void copyContentScaling(const UIView& from, UIView& to) {
  to.setClipsToBounds(from.clipsToBounds());
  to.setContentMode(from.contentMode());
  to.setContentScaleFactor(from.contentScaleFactor());
}

void copyTintAndTransform(const UIView& from, UIView& to) {
  to.setTintAdjustmentMode(from.tintAdjustmentMode());
  to.setTintColor(from.tintColor());
  to.setTransform(from.transform());
  to.translatesAutoresizingMaskIntoConstraints = from.translatesAutoresizingMaskIntoConstraints;
}

// The run that opens every control kind's list.
void copyResizing(const UIView& from, UIView& to) {
  to.autoresizesSubviews = from.autoresizesSubviews;
  to.setAutoresizingMask(from.autoresizingMask());
  to.clearsContextBeforeDrawing = from.clearsContextBeforeDrawing;
  copyContentScaling(from, to);
}

void copyContentAlignment(const UIControl& from, UIControl& to) {
  to.contentHorizontalAlignment = from.contentHorizontalAlignment;
  to.contentVerticalAlignment = from.contentVerticalAlignment;
}

// enabled, exclusiveTouch, hidden, highlighted, isAccessibilityElement: a run of the date picker's, the
// slider's and the switch's lists.
void copyControlState(const UIControl& from, UIControl& to) {
  to.enabled = from.enabled;
  to.exclusiveTouch = from.exclusiveTouch;
  to.setHidden(from.isHidden());
  to.highlighted = from.highlighted;
  to.isAccessibilityElement = from.isAccessibilityElement;
}

void copyTint(const UIView& from, UIView& to) {
  to.setTintAdjustmentMode(from.tintAdjustmentMode());
  to.setTintColor(from.tintColor());
  to.translatesAutoresizingMaskIntoConstraints = from.translatesAutoresizingMaskIntoConstraints;
}

}  // namespace

void copyCellTemplate(const UILabel& from, UILabel& to) {
  to.adjustsFontSizeToFitWidth = from.adjustsFontSizeToFitWidth;
  to.setAlpha(from.alpha());
  to.autoresizesSubviews = from.autoresizesSubviews;
  to.setAutoresizingMask(from.autoresizingMask());
  to.setBaselineAdjustment(from.baselineAdjustment());
  to.clearsContextBeforeDrawing = from.clearsContextBeforeDrawing;
  copyContentScaling(from, to);
  to.enabled = from.enabled;
  to.exclusiveTouch = from.exclusiveTouch;
  to.setHidden(from.isHidden());
  to.highlighted = from.highlighted;
  to.setHighlightedTextColor(from.highlightedTextColor());
  to.isAccessibilityElement = from.isAccessibilityElement;
  to.lineBreakMode = from.lineBreakMode;
  to.setMinimumScaleFactor(from.minimumScaleFactor());
  to.setMotionEffects(from.motionEffects());
  to.multipleTouchEnabled = from.multipleTouchEnabled;
  to.numberOfLines = from.numberOfLines;
  to.opaque = from.opaque;
  to.setPreferredMaxLayoutWidth(from.preferredMaxLayoutWidth());
  to.setRestorationIdentifier(from.restorationIdentifier());
  to.setShadowColor(from.shadowColor());
  to.setShadowOffset(from.shadowOffset());
  to.shouldGroupAccessibilityChildren = from.shouldGroupAccessibilityChildren;
  to.tag = from.tag;
  to.textAlignment = from.textAlignment;
  copyTintAndTransform(from, to);
  to.userInteractionEnabled = from.userInteractionEnabled;
}

void applyLabelTemplate(const UILabel& tmpl, UILabel& label) {
  if (!isUnsetColor(tmpl.backgroundColor())) label.setBackgroundColor(tmpl.backgroundColor());
  if (!isUnsetColor(tmpl.textColor())) label.setTextColor(tmpl.textColor());
  if (!isUnsetFont(tmpl.font())) label.setFont(tmpl.font());
  copyCellTemplate(tmpl, label);
}

void copyCellTemplate(const UIImageView& from, UIImageView& to) {
  to.animationDuration = from.animationDuration;
  to.animationImages = from.animationImages;
  to.animationRepeatCount = from.animationRepeatCount;
  to.autoresizesSubviews = from.autoresizesSubviews;
  to.setAutoresizingMask(from.autoresizingMask());
  to.clearsContextBeforeDrawing = from.clearsContextBeforeDrawing;
  copyContentScaling(from, to);
  to.exclusiveTouch = from.exclusiveTouch;
  to.setHidden(from.isHidden());
  to.highlighted = from.highlighted;
  to.highlightedAnimationImages = from.highlightedAnimationImages;
  to.highlightedImage = from.highlightedImage;
  to.isAccessibilityElement = from.isAccessibilityElement;
  to.setMotionEffects(from.motionEffects());
  to.multipleTouchEnabled = from.multipleTouchEnabled;
  to.opaque = from.opaque;
  to.setRestorationIdentifier(from.restorationIdentifier());
  to.shouldGroupAccessibilityChildren = from.shouldGroupAccessibilityChildren;
  to.tag = from.tag;
  copyTintAndTransform(from, to);
  to.userInteractionEnabled = from.userInteractionEnabled;
}

void copyCellTemplate(const UIButton& from, UIButton& to) {
  to.adjustsImageWhenDisabled = from.adjustsImageWhenDisabled;
  to.adjustsImageWhenHighlighted = from.adjustsImageWhenHighlighted;
  to.autoresizesSubviews = from.autoresizesSubviews;
  to.setAutoresizingMask(from.autoresizingMask());
  to.clearsContextBeforeDrawing = from.clearsContextBeforeDrawing;
  copyContentScaling(from, to);
  to.exclusiveTouch = from.exclusiveTouch;
  to.setHidden(from.isHidden());
  to.highlighted = from.highlighted;
  to.imageEdgeInsets = from.imageEdgeInsets;
  to.isAccessibilityElement = from.isAccessibilityElement;
  to.setMotionEffects(from.motionEffects());
  to.multipleTouchEnabled = from.multipleTouchEnabled;
  to.opaque = from.opaque;
  to.setRestorationIdentifier(from.restorationIdentifier());
  to.shouldGroupAccessibilityChildren = from.shouldGroupAccessibilityChildren;
  to.tag = from.tag;
  copyTintAndTransform(from, to);
  to.userInteractionEnabled = from.userInteractionEnabled;
}

void copyCellTemplate(const UITextField& from, UITextField& to) {
  to.adjustsFontSizeToFitWidth = from.adjustsFontSizeToFitWidth;
  to.allowsEditingTextAttributes = from.allowsEditingTextAttributes;
  to.attributedPlaceholder = from.attributedPlaceholder;
  to.autocorrectionType = from.autocorrectionType;
  to.autoresizesSubviews = from.autoresizesSubviews;
  to.setAutoresizingMask(from.autoresizingMask());
  to.background = from.background;
  to.clearsContextBeforeDrawing = from.clearsContextBeforeDrawing;
  to.clearsOnBeginEditing = from.clearsOnBeginEditing;
  to.clearsOnInsertion = from.clearsOnInsertion;
  copyContentScaling(from, to);
  to.disabledBackground = from.disabledBackground;
  to.enabled = from.enabled;
  to.enablesReturnKeyAutomatically = from.enablesReturnKeyAutomatically;
  to.exclusiveTouch = from.exclusiveTouch;
  to.setHidden(from.isHidden());
  to.highlighted = from.highlighted;
  to.inputAccessoryView = from.inputAccessoryView;
  to.inputDelegate = from.inputDelegate;
  to.inputView = from.inputView;
  to.isAccessibilityElement = from.isAccessibilityElement;
  to.keyboardAppearance = from.keyboardAppearance;
  to.leftView = from.leftView;
  to.leftViewMode = from.leftViewMode;
  to.markedTextStyle = from.markedTextStyle;
  to.minimumFontSize = from.minimumFontSize;
  to.setMotionEffects(from.motionEffects());
  to.multipleTouchEnabled = from.multipleTouchEnabled;
  to.opaque = from.opaque;
  to.setRestorationIdentifier(from.restorationIdentifier());
  to.rightView = from.rightView;
  to.rightViewMode = from.rightViewMode;
  to.secureTextEntry = from.secureTextEntry;
  to.selected = from.selected;
  to.selectedTextRange = from.selectedTextRange;
  to.shouldGroupAccessibilityChildren = from.shouldGroupAccessibilityChildren;
  to.spellCheckingType = from.spellCheckingType;
  to.tag = from.tag;
  copyTintAndTransform(from, to);
  to.typingAttributes = from.typingAttributes;
  to.userInteractionEnabled = from.userInteractionEnabled;
}

void copyCellTemplate(const UITextView& from, UITextView& to) {
  to.alwaysBounceHorizontal = from.alwaysBounceHorizontal;
  to.alwaysBounceVertical = from.alwaysBounceVertical;
  to.allowsEditingTextAttributes = from.allowsEditingTextAttributes;
  to.autocorrectionType = from.autocorrectionType;
  to.autoresizesSubviews = from.autoresizesSubviews;
  to.setAutoresizingMask(from.autoresizingMask());
  to.bounces = from.bounces;
  to.bouncesZoom = from.bouncesZoom;
  to.canCancelContentTouches = from.canCancelContentTouches;
  to.clearsContextBeforeDrawing = from.clearsContextBeforeDrawing;
  to.clearsOnInsertion = from.clearsOnInsertion;
  copyContentScaling(from, to);
  to.contentInset = from.contentInset;
  to.setContentOffset(from.contentOffset());
  to.contentSize = from.contentSize;
  to.dataDetectorTypes = from.dataDetectorTypes;
  to.decelerationRate = from.decelerationRate;
  to.delaysContentTouches = from.delaysContentTouches;
  to.directionalLockEnabled = from.directionalLockEnabled;
  to.editable = from.editable;
  to.enablesReturnKeyAutomatically = from.enablesReturnKeyAutomatically;
  to.exclusiveTouch = from.exclusiveTouch;
  to.setHidden(from.isHidden());
  to.inputAccessoryView = from.inputAccessoryView;
  to.inputDelegate = from.inputDelegate;
  to.inputView = from.inputView;
  to.isAccessibilityElement = from.isAccessibilityElement;
  to.indicatorStyle = from.indicatorStyle;
  to.keyboardAppearance = from.keyboardAppearance;
  to.keyboardDismissMode = from.keyboardDismissMode;
  to.linkTextAttributes = from.linkTextAttributes;
  to.markedTextStyle = from.markedTextStyle;
  to.setMotionEffects(from.motionEffects());
  to.multipleTouchEnabled = from.multipleTouchEnabled;
  to.maximumZoomScale = from.maximumZoomScale;
  to.minimumZoomScale = from.minimumZoomScale;
  to.opaque = from.opaque;
  to.setRestorationIdentifier(from.restorationIdentifier());
  to.pagingEnabled = from.pagingEnabled;
  to.scrollEnabled = from.scrollEnabled;
  to.secureTextEntry = from.secureTextEntry;
  to.selectedTextRange = from.selectedTextRange;
  to.shouldGroupAccessibilityChildren = from.shouldGroupAccessibilityChildren;
  to.spellCheckingType = from.spellCheckingType;
  to.scrollIndicatorInsets = from.scrollIndicatorInsets;
  to.scrollsToTop = from.scrollsToTop;
  to.selectable = from.selectable;
  to.showsHorizontalScrollIndicator = from.showsHorizontalScrollIndicator;
  to.showsVerticalScrollIndicator = from.showsVerticalScrollIndicator;
  to.tag = from.tag;
  copyTintAndTransform(from, to);
  to.typingAttributes = from.typingAttributes;
  to.textContainerInset = from.textContainerInset;
  to.userInteractionEnabled = from.userInteractionEnabled;
  to.zoomScale = from.zoomScale;
}

void copyCellTemplate(const UIDatePicker& from, UIDatePicker& to) {
  copyResizing(from, to);
  to.calendar = from.calendar;
  copyContentAlignment(from, to);
  copyControlState(from, to);
  to.locale = from.locale;
  to.setMotionEffects(from.motionEffects());
  to.multipleTouchEnabled = from.multipleTouchEnabled;
  to.maximumDate = from.maximumDate;
  to.minimumDate = from.minimumDate;
  to.minuteInterval = from.minuteInterval;
  to.opaque = from.opaque;
  to.setRestorationIdentifier(from.restorationIdentifier());
  to.selected = from.selected;
  to.shouldGroupAccessibilityChildren = from.shouldGroupAccessibilityChildren;
  to.tag = from.tag;
  copyTint(from, to);
  to.timeZone = from.timeZone;
  to.userInteractionEnabled = from.userInteractionEnabled;
}

void copyCellTemplate(const UIPickerView& from, UIPickerView& to) {
  copyResizing(from, to);
  to.exclusiveTouch = from.exclusiveTouch;
  to.setHidden(from.isHidden());
  to.isAccessibilityElement = from.isAccessibilityElement;
  to.setMotionEffects(from.motionEffects());
  to.multipleTouchEnabled = from.multipleTouchEnabled;
  to.opaque = from.opaque;
  to.setRestorationIdentifier(from.restorationIdentifier());
  to.shouldGroupAccessibilityChildren = from.shouldGroupAccessibilityChildren;
  to.tag = from.tag;
  copyTint(from, to);
  to.showsSelectionIndicator = from.showsSelectionIndicator;
  to.userInteractionEnabled = from.userInteractionEnabled;
}

void copyCellTemplate(const UISlider& from, UISlider& to) {
  copyResizing(from, to);
  copyContentAlignment(from, to);
  to.enabled = from.enabled;
  to.continuous = from.continuous;
  to.exclusiveTouch = from.exclusiveTouch;
  to.setHidden(from.isHidden());
  to.highlighted = from.highlighted;
  to.isAccessibilityElement = from.isAccessibilityElement;
  to.setMotionEffects(from.motionEffects());
  to.multipleTouchEnabled = from.multipleTouchEnabled;
  to.maximumTrackTintColor = from.maximumTrackTintColor;
  to.opaque = from.opaque;
  to.setRestorationIdentifier(from.restorationIdentifier());
  to.maximumValueImage = from.maximumValueImage;
  to.minimumTrackTintColor = from.minimumTrackTintColor;
  to.minimumValueImage = from.minimumValueImage;
  to.selected = from.selected;
  to.shouldGroupAccessibilityChildren = from.shouldGroupAccessibilityChildren;
  to.tag = from.tag;
  copyTint(from, to);
  to.thumbTintColor = from.thumbTintColor;
  to.userInteractionEnabled = from.userInteractionEnabled;
}

void copyCellTemplate(const UISwitch& from, UISwitch& to) {
  copyResizing(from, to);
  copyContentAlignment(from, to);
  copyControlState(from, to);
  to.setMotionEffects(from.motionEffects());
  to.multipleTouchEnabled = from.multipleTouchEnabled;
  to.opaque = from.opaque;
  to.offImage = from.offImage;
  to.onImage = from.onImage;
  to.setRestorationIdentifier(from.restorationIdentifier());
  to.selected = from.selected;
  to.shouldGroupAccessibilityChildren = from.shouldGroupAccessibilityChildren;
  to.tag = from.tag;
  copyTint(from, to);
  to.thumbTintColor = from.thumbTintColor;
  to.userInteractionEnabled = from.userInteractionEnabled;
}

}  // namespace tarnavel
