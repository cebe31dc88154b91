#pragma once

#include "catalogue/table.h"

class QWidget;

namespace quintaro::shell {

// What a window needs from the program around it: where its tables are and the
// steel grade window, whose boxes every check reads.
struct WindowContext {
    catalogue::TableLocation location;
    QWidget* steel_window = nullptr;
};

}  // namespace quintaro::shell
