#include "report_testing.h"

#include <stdexcept>

#include "checks/windows.h"
#include "report/report.h"

namespace quintaro::report::testing {

Window::Window(std::string name) : class_name(std::move(name)) {
    const checks::WindowDescriptor* window = checks::find_window(class_name);
    if (window == nullptr)
        throw std::invalid_argument("no window " + class_name);
    state = window->make_state();
    boxes.values["tipo_aco"] = "MR 250";
    boxes.values["fy_aco"] = "25";
    boxes.values["fu_aco"] = "40";
}

bool Window::calculate() {
    const checks::WindowDescriptor* window = checks::find_window(class_name);
    return checks::check(window->kind, boxes, messages, *state);
}

std::vector<StyledLine> Window::report() {
    RecordingSink sink;
    if (!write_report(checks::find_window(class_name)->kind, *state, sink))
        throw std::logic_error("no report for " + class_name);
    return sink.lines();
}

std::vector<std::string> texts(const std::vector<StyledLine>& lines, std::size_t first,
                               std::size_t count) {
    std::vector<std::string> out;
    for (std::size_t i = first; i < lines.size() && i < first + count; ++i)
        out.push_back(lines[i].text);
    return out;
}

std::size_t find_line(const std::vector<StyledLine>& lines, std::string_view text,
                      std::size_t from) {
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (lines[i].text == text)
            return i;
    }
    return lines.size();
}

}  // namespace quintaro::report::testing
