// libFuzzer target for the RTF reader: any input either fails cleanly or gives
// a document, and a document we read we can write and read again with the
// same paragraphs and tables of the same shape.
#include <QGuiApplication>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "report/rtf/rtf.h"

namespace {

void ensure_application() {
    static int argc = 1;
    static char name[] = "rtf_reader_fuzz";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        // Broken pictures are expected here; their decoders' complaints are noise.
        setenv("QT_LOGGING_RULES", "qt.gui.imageio*=false", 1);
        new QGuiApplication(argc, argv);
    }
}

// Each table's rows and columns, in order.
std::vector<std::pair<int, int>> table_shapes(const QTextDocument& document) {
    std::vector<std::pair<int, int>> shapes;
    for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (const auto* table = qobject_cast<QTextTable*>(it.currentFrame()))
            shapes.emplace_back(table->rows(), table->columns());
    }
    return shapes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ensure_application();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    QTextDocument document;
    if (!quintaro::rtf::read_rtf(text, document))
        return 0;
    const std::string written = quintaro::rtf::write_rtf(document);
    QTextDocument again;
    if (!quintaro::rtf::read_rtf(written, again))
        std::abort();  // our own RTF must read back
    if (again.blockCount() != document.blockCount())
        std::abort();
    if (table_shapes(again) != table_shapes(document))
        std::abort();
    return 0;
}
