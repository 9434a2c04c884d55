#pragma once
// Whole-unit runs are tables of blocks, each a number of consecutive steps.
#include <array>
#include <cstddef>

namespace vtg {

template <class Block>
struct StepInBlock {
  const Block* block = nullptr;  // none past the end of the table
  int index = 0;                 // 0-based within the block
};

template <class Block, std::size_t N>
constexpr int StepCount(const std::array<Block, N>& table) {
  int steps = 0;
  for (const Block& b : table) steps += b.steps;
  return steps;
}

// The block of a 1-based step and the step's place in it.
template <class Block, std::size_t N>
constexpr StepInBlock<Block> FindStep(const std::array<Block, N>& table, int step) {
  int index = step - 1;
  for (const Block& b : table) {
    if (index < b.steps) return {&b, index};
    index -= b.steps;
  }
  return {};
}

}  // namespace vtg
