#pragma once

#include <vector>

namespace tavoro {

// A rectangle on the page, y downward.
struct Box {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

struct Segment {
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
};

// What a label must keep clear of on a graph: the lines drawn and the boxes
// of what is already written. A box touching an edge counts as crossing.
class GraphObstacles {
 public:
  void Add(const Segment& segment) { segments_.push_back(segment); }
  void Add(const Box& box) { boxes_.push_back(box); }
  // With lines false, only the boxes count.
  bool IsFree(const Box& box, bool lines = true) const;

 private:
  std::vector<Segment> segments_;
  std::vector<Box> boxes_;
};

bool Crosses(const Segment& segment, const Box& box);
bool Overlaps(const Box& a, const Box& b);

}  // namespace tavoro
