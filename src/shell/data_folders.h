#pragma once

#include <QString>

#include "catalogue/table.h"

namespace quintaro::shell {

// The catalogues installed with the program: ../share/quintaro next to the
// executable (the build tree has the same layout).
QString installed_data_folder();

// The per-user data folder, where edited catalogues live.
QString user_data_folder();

// Copies every installed catalogue that the user's folder does not hold yet,
// writable by the user; never overwrites a file there (it may hold edits).
// Returns the files that could not be copied, one per line, or "".
QString seed_user_data_folder(const QString& installed, const QString& user);

// Where tables are looked for: the working folder, then the user's folder.
catalogue::TableLocation table_location();

// The help page installed beside the catalogues.
QString help_page_path();

// The verification manual (PDF) installed beside the catalogues; the build
// tree has it in the same place.
QString verification_manual_path();

}  // namespace quintaro::shell
