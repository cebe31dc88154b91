#include <gtest/gtest.h>

#include "report/sink.h"

namespace quintaro::report {
namespace {

// A table as a golden file shows it: its columns, one line per row with each
// cell's style, colour and text, its end; the lines around it as before.
TEST(RecordingSink, TablesAreRecordedInOrderAndDescribedRowByRow) {
    RecordingSink sink;
    sink.set_size(11);
    sink.append_line("Resumo");
    sink.begin_table({{"Verificação", 60, Align::Left}, {"Sd/Rd", 40, Align::Right}});
    sink.table_row({{"Compressão"}, {"0,40", Style::Plain, kPassGreen}});
    sink.table_row({{"Flexão x", Style::Bold}, {"1,12 ◄ governa", Style::Bold, kFailRed}});
    sink.end_table();
    sink.set_size(12);
    sink.begin_table({{"c", 0, Align::Centre}});
    sink.table_row({{"x", Style::BoldUnderline, Colour{false, 1, 2, 3}}});
    sink.end_table();
    sink.append_line("depois");
    EXPECT_EQ(describe(sink.lines()),
              "11 -  texto |Resumo\n"
              "11 [tabela] Verificação (60%, esq.) ‖ Sd/Rd (40%, dir.)\n"
              "11 [linha] -  texto |Compressão ‖ -  verde |0,40\n"
              "11 [linha] B  texto |Flexão x ‖ B  verm. |1,12 ◄ governa\n"
              "[fim da tabela]\n"
              "12 [tabela] c (0%, centro)\n"
              "12 [linha] BU 010203|x\n"
              "[fim da tabela]\n"
              "12 -  texto |depois\n");
    EXPECT_EQ(sink.lines()[2].cells[1].colour, kPassGreen);
}

}  // namespace
}  // namespace quintaro::report
