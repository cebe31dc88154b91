// quintaro-manual-pdf ENTRADA.html SAIDA.pdf: prints the verification manual
// (the HTML that gera_manual.py writes) to an A4 PDF with page numbers. Run
// at build time; the PDF is installed beside the catalogues.
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "quintaro-manual-pdf: %s\n", message.toUtf8().constData());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    // No display is needed: text layout and PDF output only.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("uso: quintaro-manual-pdf ENTRADA.html SAIDA.pdf"));
    const QString input = args.at(1);
    const QString output = args.at(2);

    QFile html(input);
    if (!html.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("não foi possível ler '%1': %2").arg(input, html.errorString()));
    const QByteArray bytes = html.readAll();
    if (bytes.isEmpty())
        return fail(QStringLiteral("'%1' está vazio").arg(input));

    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    document.setHtml(QString::fromUtf8(bytes));

    // Written under a temporary name: a failed run leaves no half-written PDF
    // that the next build would take for a good one.
    const QString partial = output + QStringLiteral(".part");
    QFile::remove(partial);
    {
        QPdfWriter writer(partial);
        writer.setTitle(QStringLiteral("Quintaro — Manual de verificação"));
        writer.setCreator(QStringLiteral("Quintaro"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
        document.print(&writer);
    }
    QFile::remove(output);
    if (QFile(partial).size() == 0 || !QFile::rename(partial, output)) {
        QFile::remove(partial);
        return fail(QStringLiteral("não foi possível gravar '%1'").arg(output));
    }
    return 0;
}
