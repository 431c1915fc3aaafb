#pragma once

#include <concepts>
#include <memory>
#include <utility>

namespace tarnavel {

// A block of rarely set properties is made on the first write that changes one of them from its initial
// value; until then readers see one shared block of initial values. Views and layers keep theirs this way.

template <class Block>
const Block& initialRareProperties() {
  static const Block initial;
  return initial;
}

template <class Block>
const Block& readRareProperties(const std::unique_ptr<Block>& block) {
  return block ? *block : initialRareProperties<Block>();
}

template <class Block>
Block& rarePropertiesForWrite(std::unique_ptr<Block>& block) {
  if (!block) block = std::make_unique<Block>();
  return *block;
}

/// Writes one property; writing its initial value to an object without a block makes no block.
template <class Block, class T, class V>
void writeRareProperty(std::unique_ptr<Block>& block, T Block::*member, V&& value) {
  if constexpr (std::equality_comparable<T>) {
    if (!block && initialRareProperties<Block>().*member == value) return;
  }
  rarePropertiesForWrite(block).*member = std::forward<V>(value);
}

}  // namespace tarnavel
