// Shows the report window with a short sample report and its summary table,
// for looking at it (and for the screenshots in docs/).
//   reporte_preview [MILLISECONDS] [--visualizar]
// MILLISECONDS: quit after so long; --visualizar: open the print preview.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

#include "report/document/document_sink.h"
#include "shell/reporte/reporte.h"
#include "shell/reporte/rich_edit.h"

using namespace quintaro;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    reporte::TReporte window;
    QImage picture(160, 120, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter p(&picture);
        p.setBrush(QColor(90, 90, 90));
        p.drawRect(30, 10, 100, 12);
        p.drawRect(74, 22, 12, 76);
        p.drawRect(30, 98, 100, 12);
    }
    window.pastePictureFirst(picture);
    report::DocumentSink sink(*window.RichEdit1->document(), picture);
    sink.set_size(12);
    sink.set_style(report::Style::BoldUnderline);
    sink.append_line("Dimensionamento Perfil I Laminado");
    sink.set_size(11);
    sink.set_style(report::Style::Plain);
    sink.append_line("");
    sink.begin_table({{"Verificação", 34, report::Align::Left},
                      {"Solicitação", 18, report::Align::Right},
                      {"Resistência", 18, report::Align::Right},
                      {"Sd/Rd", 10, report::Align::Right},
                      {"Resultado", 20, report::Align::Left}});
    sink.table_row({{"Compressão"},
                    {"150,00 kN"},
                    {"373,50 kN"},
                    {"0,40"},
                    {"Ok!", report::Style::Plain, report::kPassGreen}});
    sink.table_row({{"Cortante"},
                    {"20,00 kN"},
                    {"86,83 kN"},
                    {"0,23"},
                    {"Ok!", report::Style::Plain, report::kPassGreen}});
    sink.table_row({{"Flexão em x", report::Style::Bold},
                    {"400,00 kN*cm", report::Style::Bold},
                    {"357,14 kN*cm", report::Style::Bold},
                    {"1,12", report::Style::Bold},
                    {"Não Ok! ◄ governa", report::Style::Bold, report::kFailRed}});
    sink.end_table();
    sink.append_line("");
    sink.set_style(report::Style::Bold);
    sink.append_line("Propriedades do Aço");
    sink.set_style(report::Style::Plain);
    sink.append_line("Tipo = ASTM A36");
    sink.append_line("fy = 25,00 kN/cm²");
    sink.append_line("λ = 87,50  β = 0,50  σ = 12,30 kN/cm²");
    sink.append_line("");
    sink.set_colour(report::kPassGreen);
    sink.append_line("Ok! Perfil suporta ao esforço solicitado!");
    sink.set_colour(report::kFailRed);
    sink.append_line("Não Ok! Perfil não suporta ao esforço solicitado!");
    sink.set_colour(report::kWindowText);
    window.reportWritten();
    window.show();
    const QStringList args = app.arguments();
    if (args.contains("--visualizar")) {
        QTimer::singleShot(300, &window, [&window] { window.PreviewButton->click(); });
    }
    if (args.size() > 1 && args[1].toInt() > 0)
        QTimer::singleShot(args[1].toInt(), &app, &QApplication::quit);
    return app.exec();
}
