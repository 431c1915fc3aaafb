#pragma once

#include <string>
#include <typeinfo>

#include "tarnavel/platform/foundation/Format.h"
#include "tarnavel/platform/layers/CALayer.h"
#include "tarnavel/platform/views/UILabel.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel::testing {

inline std::string rectText(CGRect r) {
  return "(" + formatFixed(r.origin.x, 2) + " " + formatFixed(r.origin.y, 2) + " " +
         formatFixed(r.size.width, 2) + " " + formatFixed(r.size.height, 2) + ")";
}

/// One line per view and layer under `layer`, indented by depth, in drawing order: each object's class,
/// frame, a label's text, a view's recognizer count and whether the layer shows an image as its contents.
/// Two trees that draw alike have equal signatures.
inline std::string treeSignature(const CALayer& layer, int depth = 0) {
  std::string text;
  for (const auto& sublayer : layer.sublayers()) {
    text += std::string(static_cast<std::size_t>(depth) * 2, ' ');
    if (const UIView* view = sublayer->owningView()) {
      text += std::string("view ") + typeid(*view).name() + " " + rectText(view->frame());
      if (const auto* label = dynamic_cast<const UILabel*>(view))
        text += " '" + label->text().value_or("") + "'";
      text += " recognizers " + std::to_string(view->gestureRecognizers().size());
    } else {
      text += std::string("layer ") + typeid(*sublayer).name() + " " + rectText(sublayer->frame());
    }
    if (sublayer->contents) text += " contents";
    text += "\n" + treeSignature(*sublayer, depth + 1);
  }
  return text;
}

inline std::string treeSignature(const UIView& view) {
  return "recognizers " + std::to_string(view.gestureRecognizers().size()) +
         (view.layer()->contents ? " contents" : "") + "\n" + treeSignature(*view.layer());
}

}  // namespace tarnavel::testing
