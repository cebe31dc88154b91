#include "report/sink.h"

#include <cstdio>

namespace quintaro::report {

void RecordingSink::clear() {
    lines_.clear();
}

void RecordingSink::insert_picture() {
    StyledLine line{size_, style_, colour_, true, "[figura]"};
    lines_.push_back(std::move(line));
}

void RecordingSink::append_line(std::string_view text) {
    lines_.push_back(StyledLine{size_, style_, colour_, false, std::string(text)});
    shown_after_last_line_ = false;
}

std::string describe(const StyledLine& line) {
    if (line.picture)
        return "[figura]";
    const char* style = line.style == Style::Bold            ? "B "
                        : line.style == Style::BoldUnderline ? "BU"
                                                             : "- ";
    std::string colour = "texto ";
    if (!line.colour.window_text) {
        if (line.colour == kPassGreen) {
            colour = "verde ";
        } else if (line.colour == kFailRed) {
            colour = "verm. ";
        } else {
            char rgb[16];
            std::snprintf(rgb, sizeof rgb, "%02x%02x%02x", line.colour.red, line.colour.green,
                          line.colour.blue);
            colour = rgb;
        }
    }
    return std::to_string(line.size) + " " + style + " " + colour + "|" + line.text;
}

std::string describe(const std::vector<StyledLine>& lines) {
    std::string out;
    for (const StyledLine& line : lines) {
        out += describe(line);
        out += '\n';
    }
    return out;
}

}  // namespace quintaro::report
