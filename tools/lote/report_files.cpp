#include "report_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <filesystem>
#include <system_error>

#include "drawings/section_drawing.h"
#include "report/report.h"
#include "report/rtf/rtf.h"
#include "report_document.h"

namespace quintaro::lote {
namespace {

// The size of the picture pasted at the top of a report, in pixels.
constexpr int kPictureSide = 200;

// A4 with 20 mm margins, as the report window prints.
Status save_pdf(QTextDocument& document, const QString& path) {
    const QString partial = path + QStringLiteral(".part");
    {
        QPdfWriter writer(partial);
        writer.setTitle(QStringLiteral("Relatório-QUINTARO"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
        document.print(&writer);
    }
    QFile::remove(path);
    if (!QFile::exists(partial) || !QFile::rename(partial, path)) {
        QFile::remove(partial);
        return Status::failure("não foi possível gravar '" + path.toStdString() + "'");
    }
    return success();
}

class ReportFiles : public RowReports {
  public:
    ReportFiles(QString folder, bool pdf) : folder_(std::move(folder)), pdf_(pdf) {}

    Status write(int row, const checks::WindowDescriptor& window,
                 const checks::WorkingState& state) override {
        QTextDocument document;
        DocumentSink sink(
            document, drawings::section_picture(window.kind, QSize(kPictureSide, kPictureSide)));
        if (!report::write_report(window.kind, state, sink))
            return Status::failure("janela sem relatório");
        const QString stem =
            QString::fromStdString(report_file_stem(row, window.class_name, state.designation));
        const QString base = QDir(folder_).filePath(stem);
        if (Status saved = rtf::save_rtf_file(document, base + QStringLiteral(".rtf")); !saved)
            return saved;
        if (pdf_)
            return save_pdf(document, base + QStringLiteral(".pdf"));
        return success();
    }

  private:
    QString folder_;
    bool pdf_;
};

// Painting text and writing PDF need the GUI engine; the batch tool runs it
// offscreen, with no display.
void start_painting_engine() {
    if (QCoreApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quintaro-lote";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

}  // namespace

Result<std::unique_ptr<RowReports>> make_report_files(const Options& options) {
    std::error_code error;
    std::filesystem::create_directories(options.reports_dir, error);
    if (error || !std::filesystem::is_directory(options.reports_dir)) {
        return Result<std::unique_ptr<RowReports>>::failure(
            "não foi possível criar a pasta de relatórios '" + options.reports_dir + "'");
    }
    start_painting_engine();
    std::unique_ptr<RowReports> files =
        std::make_unique<ReportFiles>(QString::fromStdString(options.reports_dir), options.pdf);
    return files;
}

}  // namespace quintaro::lote
