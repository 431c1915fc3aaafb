#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "tarnavel/platform/controls/UIControl.h"
#include "tarnavel/platform/geometry/UIEdgeInsets.h"
#include "tarnavel/platform/views/UILabel.h"

namespace tarnavel {

/// A push button showing a title. Titles and title colours are kept per control state; a state without its
/// own shows the normal state's. The button draws its title with the font and background of its own
/// `titleLabel`, which is not one of its subviews.
class UIButton : public UIControl {
 public:
  explicit UIButton(CGRect frame = CGRectZero);
  explicit UIButton(const NSCoder& coder);

  void setTitle(std::optional<std::string> title, UIControlState state);
  const std::optional<std::string>& titleForState(UIControlState state) const;
  /// A null colour leaves the state to the normal state's colour, or to the title label's text colour.
  void setTitleColor(std::shared_ptr<UIColor> color, UIControlState state);
  std::shared_ptr<UIColor> titleColorForState(UIControlState state) const;
  const std::shared_ptr<UILabel>& titleLabel() const { return titleLabel_; }

  bool adjustsImageWhenDisabled = true;
  bool adjustsImageWhenHighlighted = true;
  UIEdgeInsets imageEdgeInsets;

  void drawContent(CGContext& context) const override;

 private:
  UIControlState currentState() const;

  std::shared_ptr<UILabel> titleLabel_ = std::make_shared<UILabel>();
  std::map<UIControlState, std::optional<std::string>> titles_;
  std::map<UIControlState, std::shared_ptr<UIColor>> titleColors_;
};

}  // namespace tarnavel
