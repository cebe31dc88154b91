#include "report/summary.h"

#include "report/writer.h"

namespace quintaro::report {

std::optional<SummaryRow> recorded_row(const checks::WorkingState& state, std::string_view box,
                                       std::string check, std::string action,
                                       std::string resistance) {
    const checks::RowRecord* record = state.row(box);
    if (record == nullptr)
        return std::nullopt;
    SummaryRow row;
    row.check = std::move(check);
    row.action = std::move(action);
    row.resistance = std::move(resistance);
    row.ratio = record->ratio;
    row.verdict = record->passed ? SummaryVerdict::Passed : SummaryVerdict::Failed;
    row.governing = record == state.governing_row();
    return row;
}

namespace {

constexpr std::string_view kNone = "—";

std::string or_none(const std::string& text) {
    return text.empty() ? std::string(kNone) : text;
}

}  // namespace

void write_summary(ReportSink& sink, const std::vector<SummaryRow>& rows) {
    sink.set_style(Style::Bold);
    sink.append_line("Resumo das verificações");
    sink.set_style(Style::Plain);
    if (rows.empty()) {
        sink.append_line("Nenhuma verificação deu resultado.");
        sink.append_line("");
        return;
    }
    // A point smaller than the text, so that each heading and verdict holds
    // on one line in the window and on A4.
    sink.set_size(10);
    sink.begin_table({{"Verificação", 32, Align::Left},
                      {"Sd", 16, Align::Right},
                      {"Rd", 16, Align::Right},
                      {"Sd/Rd", 11, Align::Right},
                      {"Resultado", 25, Align::Left}});
    for (const SummaryRow& row : rows) {
        const Style style = row.governing ? Style::Bold : Style::Plain;
        std::string verdict(kNone);
        Colour colour = kWindowText;
        if (row.verdict == SummaryVerdict::Passed) {
            verdict = "Ok!";
            colour = kPassGreen;
        } else if (row.verdict == SummaryVerdict::Failed) {
            verdict = "Não Ok!";
            colour = kFailRed;
        }
        if (row.governing)
            verdict += kGoverningMark;
        sink.table_row({{row.check, style},
                        {or_none(row.action), style},
                        {or_none(row.resistance), style},
                        {row.ratio ? detail::n(*row.ratio) : std::string(kNone), style},
                        {verdict, style, colour}});
    }
    sink.end_table();
    sink.set_size(11);
    sink.append_line("");
}

}  // namespace quintaro::report
