#pragma once

#include <vector>

#include "catalogue/table_file.h"

namespace quintaro::catalogue {

// The record numbers of the records not deleted, ordered by the fields given
// (none: the natural order). Numbers compare by value, an empty or unreadable
// number before every number; texts by their characters. Ties keep the
// natural order.
std::vector<int> ordered_rows(const TableContents& contents, const std::vector<int>& key_fields);

}  // namespace quintaro::catalogue
