#include "tarnavel/chart/internal/ChartBindRecord.h"

#include <unordered_map>
#include <unordered_set>

#include "tarnavel/chart/UIChart.h"

namespace tarnavel {

void ChartBindRecord::addSublayer(const std::shared_ptr<CALayer>& target, std::shared_ptr<CALayer> layer) {
  if (!target || !layer) return;
  layers_.push_back({target, layer});
  target->addSublayer(std::move(layer));
}

void ChartBindRecord::addSubview(const std::shared_ptr<UIView>& parent, std::shared_ptr<UIView> view) {
  if (!parent || !view) return;
  views_.push_back({parent, view});
  parent->addSubview(std::move(view));
}

void ChartBindRecord::addGestureRecognizer(const std::shared_ptr<UIView>& view,
                                           std::shared_ptr<UIGestureRecognizer> recognizer) {
  if (!view || !recognizer) return;
  recognizers_.push_back({view, recognizer});
  view->addGestureRecognizer(std::move(recognizer));
}

void ChartBindRecord::setContents(const std::shared_ptr<CALayer>& target, std::shared_ptr<CGImage> contents) {
  if (!target) return;
  contents_.push_back({target, target->contents, contents});
  target->contents = std::move(contents);
}

namespace {

// The children to take away from each parent, so that each parent lets them all go in one pass: taken one
// at a time, every removal would search its parent's list, and a rebind of many views would be quadratic.
template <class Node>
class RemovalsByParent {
 public:
  void add(std::shared_ptr<Node> parent, const Node* child) {
    Group& group = groups_[parent.get()];
    group.parent = std::move(parent);
    group.children.insert(child);
  }
  template <class Remove>
  void apply(Remove remove) {
    for (auto& [key, group] : groups_)
      remove(*group.parent, group.children);
  }

 private:
  struct Group {
    std::shared_ptr<Node> parent;
    std::unordered_set<const Node*> children;
  };
  std::unordered_map<const Node*, Group> groups_;
};

}  // namespace

void ChartBindRecord::undo() {
  for (auto it = recognizers_.rbegin(); it != recognizers_.rend(); ++it) {
    const auto view = it->parent.lock();
    const auto recognizer = it->child.lock();
    if (view && recognizer && recognizer->view() == view.get()) view->removeGestureRecognizer(recognizer);
  }
  // Each child is judged by where it stands now, before anything leaves: a view added twice in one bind
  // leaves only the parent its last addition put it in.
  RemovalsByParent<UIView> views;
  for (const auto& added : views_) {
    const auto parent = added.parent.lock();
    const auto view = added.child.lock();
    if (parent && view && view->superview() == parent.get()) views.add(parent, view.get());
  }
  views.apply([](UIView& parent, const auto& children) { parent.removeSubviews(children); });
  RemovalsByParent<CALayer> layers;
  for (const auto& added : layers_) {
    const auto target = added.parent.lock();
    const auto layer = added.child.lock();
    if (target && layer && layer->superlayer() == target.get()) layers.add(target, layer.get());
  }
  layers.apply([](CALayer& target, const auto& children) { target.removeSublayers(children); });
  for (auto it = contents_.rbegin(); it != contents_.rend(); ++it) {
    const auto target = it->target.lock();
    if (target && target->contents == it->after) target->contents = it->before;
  }
  recognizers_.clear();
  views_.clear();
  layers_.clear();
  contents_.clear();
}

ChartBindRecord& bindRecordOf(UIChart& chart) {
  return *chart.bindRecord_;
}

}  // namespace tarnavel
