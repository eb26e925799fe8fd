// Resizing the browser's window: each control edge follows a share of the growth, so that the
// grid, the image list and the preview share the room that the user gives the window.
#pragma once

namespace gd::glintview {

struct Box {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// How far each edge moves, in halves of the growth: 0 stays, 1 moves half, 2 moves all of it.
struct Anchor {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The place of a control that sat at `original` while the window's client area was grown by
// dx and dy (negative when it shrank).
Box Anchored(const Box& original, const Anchor& anchor, int dx, int dy);

}  // namespace gd::glintview
