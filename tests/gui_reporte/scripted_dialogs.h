#pragma once

#include <QGuiApplication>
#include <QPrinter>
#include <QStringList>
#include <deque>
#include <optional>

#include "shell/reporte/reporte_dialogs.h"

namespace quintaro::reporte::testing {

// Dialogs that answer from a script and record what they were shown, so that
// nothing modal ever blocks a test.
class ScriptedDialogs : public ReporteDialogs {
  public:
    std::deque<std::optional<OpenChoice>> opens;
    std::deque<std::optional<SaveChoice>> saves;
    QString print_to_pdf;                      // empty: the print dialog is cancelled
    QString preview_to_pdf;                    // where the preview's pages are drawn
    std::optional<PrintMargins> page_margins;  // empty: page setup cancelled
    std::deque<SaveAnswer> answers;            // none left: "Descartar"
    std::optional<QFont> font;                 // empty: the font dialog is cancelled
    std::optional<report::ReportHeader> data;  // empty: "Dados do relatório" cancelled
    QStringList filters;
    QStringList messages;
    QStringList questions;
    PrintMargins margins_shown;
    QFont font_shown;
    report::ReportHeader data_shown;
    int previews = 0;
    bool busy_cursor_at_message = false;

    std::optional<OpenChoice> openFile(QWidget*, const QString& filter) override {
        filters << filter;
        auto c = opens.front();
        opens.pop_front();
        return c;
    }
    std::optional<SaveChoice> saveFile(QWidget*, const QString& filter) override {
        filters << filter;
        auto c = saves.front();
        saves.pop_front();
        return c;
    }
    bool printSetup(QWidget*, QPrinter& printer) override {
        if (print_to_pdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(print_to_pdf);
        return true;
    }
    bool pageSetup(QWidget*, PrintMargins& margins) override {
        margins_shown = margins;
        if (!page_margins)
            return false;
        margins = *page_margins;
        return true;
    }
    void message(QWidget*, const QString& text) override {
        messages << text;
        busy_cursor_at_message = busy_cursor_at_message || QGuiApplication::overrideCursor();
    }
    SaveAnswer askToSave(QWidget*, const QString& question) override {
        questions << question;
        if (answers.empty())
            return SaveAnswer::Discard;
        const SaveAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    // The preview draws its pages into a PDF, as the preview dialog draws
    // them on screen.
    void printPreview(QWidget*, QPrinter& printer,
                      const std::function<void(QPrinter*)>& paint) override {
        ++previews;
        if (preview_to_pdf.isEmpty())
            return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(preview_to_pdf);
        paint(&printer);
    }
    std::optional<QFont> chooseFont(QWidget*, const QFont& initial) override {
        font_shown = initial;
        return font;
    }
    bool reportData(QWidget*, report::ReportHeader& d) override {
        data_shown = d;
        if (!data)
            return false;
        d = *data;
        return true;
    }
};

}  // namespace quintaro::reporte::testing
