#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "checks/frame.h"
#include "report/sink.h"
#include "testing/map_boxes.h"

// A member window without Qt: its boxes in a map, its messages recorded,
// its working state kept between presses of "Calcular" and "Relatório".
namespace quintaro::report::testing {

struct Window {
    std::string class_name;
    quintaro::testing::MapBoxes boxes;
    quintaro::testing::RecordingMessages messages;
    std::unique_ptr<checks::WorkingState> state;

    // A window of the named class with the steel grade boxes filled.
    explicit Window(std::string class_name);
    // "Calcular"; false when the check stopped with a message.
    bool calculate();
    // "Relatório" into a recorder.
    std::vector<StyledLine> report();
};

// The texts of the lines from `first` on, `count` of them.
std::vector<std::string> texts(const std::vector<StyledLine>& lines, std::size_t first,
                               std::size_t count);
// Index of the first line with this text, or lines.size().
std::size_t find_line(const std::vector<StyledLine>& lines, std::string_view text,
                      std::size_t from = 0);

}  // namespace quintaro::report::testing
