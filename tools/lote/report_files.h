#pragma once

#include "lote.h"

// The report files of a batch: for each checked row an RTF file with the
// section drawing at its top (and a PDF beside it with --pdf), written through
// the same report writers as the windows' "Relatório".
namespace quintaro::lote {

// Creates the reports folder when missing and starts the painting engine
// (offscreen) when no application runs yet.
Result<std::unique_ptr<RowReports>> make_report_files(const Options& options);

}  // namespace quintaro::lote
