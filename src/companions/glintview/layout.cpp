// Moving control edges by shares of the window's growth.
#include "glintview/layout.h"

namespace gd::glintview {
namespace {

// Two controls that share the growth move their facing edges by the same half, so that the
// gap between them stays as the template drew it.
int Share(int halves, int growth) {
  switch (halves) {
    case 0: return 0;
    case 1: return growth / 2;
    default: return growth;
  }
}

}  // namespace

Box Anchored(const Box& original, const Anchor& anchor, int dx, int dy) {
  return {original.left + Share(anchor.left, dx), original.top + Share(anchor.top, dy),
          original.right + Share(anchor.right, dx), original.bottom + Share(anchor.bottom, dy)};
}

}  // namespace gd::glintview
