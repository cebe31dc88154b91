#pragma once

// Integer pixel arithmetic of the report window's ruler. Indents are in
// points, ruler positions in pixels: 4/3 turns points into pixels at 96 pixels
// per inch and 3/4 turns them back; 6 pixels is the gutter on each side of the
// text. Every conversion truncates toward zero, as the ruler has always done.
namespace quintaro::ruler {

// Paragraph indents in whole points, as the rich-text control states them:
// the first line starts at `first`; the other lines at `first + left`; the
// right indent is measured from the right edge.
struct Indents {
    int first = 0;
    int left = 0;
    int right = 0;
};

// Left edges of the three markers on the ruler.
struct MarkerLefts {
    int first = 0;
    int left = 0;
    int right = 0;
};

MarkerLefts marker_lefts(const Indents& indents, int ruler_width);

// Grabbing a marker: the offset is half its width; pressing and every move
// while dragging shift the marker by the mouse's x less that offset.
int drag_offset(int marker_width);
int dragged_left(int marker_left, int mouse_x, int offset);

// Releasing a marker gives back an indent.
int first_indent_after_drag(int first_marker_left, int offset);
int left_indent_after_drag(int left_marker_left, int offset, int first_indent);
int right_indent_after_drag(int ruler_width, int right_marker_left, int offset);

// The line under the markers spans the ruler less its left inset at each end.
int ruler_line_width(int ruler_width, int line_left);

// The text area of the editor: x from 6 to width - 6, y from 0 to height.
struct EditRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
EditRect edit_rect(int client_width, int client_height);

}  // namespace quintaro::ruler
