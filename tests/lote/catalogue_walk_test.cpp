// The batch walks a catalogue read once; its cursor must stand where the
// window's table stands after the same orders and moves, or a search would
// end on another section than "Mais Leve" finds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/table.h"
#include "catalogue_source.h"

namespace {

using quintaro::catalogue::Table;
using quintaro::lote::CatalogueFile;

enum class Step { Tag, Fields, First, Next, Prior };

TEST(LoteCatalogueWalk, CursorFollowsTheTable) {
    struct Move {
        Step step;
        std::vector<std::string> names;  // the tag, or the fields of an order
        int times = 1;
    };
    const Move moves[] = {
        {Step::Next, {}, 3},
        {Step::Tag, {"PESO"}},
        {Step::First, {}},
        {Step::Next, {}, 5},
        {Step::Fields, {"D"}},
        {Step::Prior, {}, 2},
        {Step::Tag, {"Peso"}},
        {Step::Next, {}, 200},
        {Step::Prior, {}},
        {Step::Tag, {"NENHUM"}},
        {Step::Fields, {"PESO", "D"}},
        {Step::Prior, {}, 200},
        {Step::Fields, {"XYZ"}},
        {Step::Next, {}},
        {Step::Tag, {""}},
        {Step::Next, {}, 2},
    };
    // The bundled table has no deleted rows: its visible rows are its records.
    auto opened = Table::open("I_Laminado.DBF", {QUINTARO_TABLES_DIR, ""});
    auto mirrored = Table::open("I_Laminado.DBF", {QUINTARO_TABLES_DIR, ""});
    ASSERT_TRUE(opened.ok() && mirrored.ok());
    Table& table = *opened.value();
    CatalogueFile file(std::move(mirrored.value()));
    int step = 0;
    for (const Move& m : moves) {
        for (int k = 0; k < m.times; ++k) {
            switch (m.step) {
                case Step::Tag:
                    EXPECT_EQ(file.set_index_tag(m.names[0]), table.set_index_tag(m.names[0]));
                    break;
                case Step::Fields:
                    EXPECT_EQ(file.set_field_order(m.names), table.set_field_order(m.names));
                    break;
                case Step::First:
                    file.first();
                    ASSERT_TRUE(table.first().ok());
                    break;
                case Step::Next:
                    file.next();
                    ASSERT_TRUE(table.next().ok());
                    break;
                case Step::Prior:
                    file.prior();
                    ASSERT_TRUE(table.prior().ok());
                    break;
            }
            ASSERT_EQ(file.current(), table.record_number()) << "move " << step;
            ASSERT_EQ(file.eof(), table.eof()) << "move " << step;
        }
        ++step;
    }
}

}  // namespace
