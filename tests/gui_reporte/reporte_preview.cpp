// Shows the report window with a short sample report, for looking at it (and
// for the screenshot in docs/).
#include <QApplication>
#include <QPainter>
#include <QTimer>

#include "shell/reporte/reporte.h"

using quintaro::reporte::ReportStyle;
using quintaro::reporte::TReporte;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TReporte window;
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
    window.appendParagraph("Dimensionamento Perfil I Laminado", 12, {true, false, true});
    window.appendParagraph("", 11, {});
    window.appendParagraph("Propriedades do Aço", 11, {true, false, false});
    window.appendParagraph("Tipo = ASTM A36", 11, {});
    window.appendParagraph("fy = 25,00 kN/cm²", 11, {});
    window.appendParagraph("λ = 87,50  β = 0,50  σ = 12,30 kN/cm²", 11, {});
    window.appendParagraph("", 11, {});
    window.appendParagraph("Ok! Perfil suporta ao esforço solicitado!", 11, {}, QColor(0, 128, 0));
    window.appendParagraph("Não Ok! Perfil não suporta ao esforço solicitado!", 11, {},
                           QColor(255, 0, 0));
    window.show();
    if (argc > 1)
        QTimer::singleShot(QString(argv[1]).toInt(), &app, &QApplication::quit);
    return app.exec();
}
