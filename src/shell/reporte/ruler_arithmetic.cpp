#include "shell/reporte/ruler_arithmetic.h"

namespace quintaro::ruler {

namespace {
constexpr int kGutter = 6;
int to_pixels(int points) {
    return static_cast<int>(points * 4.0 / 3);
}
int to_points(int pixels) {
    return static_cast<int>(pixels * 3.0 / 4);
}
}  // namespace

MarkerLefts marker_lefts(const Indents& indents, int ruler_width) {
    return {to_pixels(indents.first) + 2, to_pixels(indents.left + indents.first) + 2,
            ruler_width - to_pixels(indents.right + kGutter) - kGutter};
}

int drag_offset(int marker_width) {
    return marker_width / 2;
}

int dragged_left(int marker_left, int mouse_x, int offset) {
    return marker_left + mouse_x - offset;
}

int first_indent_after_drag(int first_marker_left, int offset) {
    return to_points(first_marker_left + offset - kGutter);
}

int left_indent_after_drag(int left_marker_left, int offset, int first_indent) {
    return to_points(left_marker_left + offset - kGutter) - first_indent;
}

int right_indent_after_drag(int ruler_width, int right_marker_left, int offset) {
    return to_points(ruler_width + offset - right_marker_left - 2) - 2 * kGutter;
}

int ruler_line_width(int ruler_width, int line_left) {
    return ruler_width - 2 * line_left;
}

EditRect edit_rect(int client_width, int client_height) {
    return {kGutter, 0, client_width - kGutter, client_height};
}

}  // namespace quintaro::ruler
