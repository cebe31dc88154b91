#pragma once

#include <cstdint>
#include <string_view>

#include "common/result.h"

namespace quintaro::catalogue {

// The frame of a dBASE table as its header declares it, once the header has
// been found to agree with itself and with the file's size.
struct DbfLayout {
    int header_length = 0;  // where the first record starts
    int record_length = 0;  // the deletion mark plus every field's width
    std::int64_t record_count = 0;
    int field_count = 0;
};

// Checks the whole file before anything in it is believed: the field
// descriptors end with 0x0D where the header length says the records start
// (zeros may pad the space between, and Visual FoxPro keeps a 263-byte back
// link there), every field has a name (without blanks or control
// characters), a known type and a width, the record
// length is the sum of the widths plus the deletion mark, the record count
// fills the file exactly (one end-of-file mark 0x1A after the records or
// none, as the writers of dBASE files differ), and every record starts with
// a deletion mark (blank or '*'). On failure the text names the damage, in
// the user's words, without the file's name.
Result<DbfLayout> check_layout(std::string_view file);

}  // namespace quintaro::catalogue
