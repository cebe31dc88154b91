// libFuzzer target for the RTF reader: any input either fails cleanly or gives
// a document, and a document we read we can write and read again.
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>
#include <string_view>

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
    return 0;
}
