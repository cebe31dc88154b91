#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/table.h"
#include "dbf_fixture.h"

namespace quintaro::catalogue {
namespace {

using testing::kSectionFields;
using testing::StoredRecord;
using testing::TempFolder;
using testing::write_dbf;

// Six rolled sections in an order that is neither by depth nor by weight.
const std::vector<StoredRecord> kSections = {
    {{"W 200 x 15,0", "200.0", "100.0", "15.00", "1305.0"}},
    {{"W 150 x 13,0", "148.0", "100.0", "13.00", "635.0"}},
    {{"W 250 x 17,9", "251.0", "101.0", "17.90", "2291.0"}},
    {{"W 150 x 18,0", "153.0", "102.0", "18.00", "939.0"}},
    {{"W 310 x 21,0", "303.0", "101.0", "21.00", "3776.0"}},
    {{"W 200 x 19,3", "203.0", "102.0", "19.30", "1686.0"}},
};

std::unique_ptr<Table> open_table(const TempFolder& folder, const std::string& name) {
    auto opened = Table::open(name, {folder.path().string(), ""});
    EXPECT_TRUE(opened.ok()) << opened.error();
    return opened.ok() ? std::move(opened).value() : nullptr;
}

std::vector<std::string> walk(Table& table, const char* field = "BITOLA") {
    std::vector<std::string> seen;
    EXPECT_TRUE(table.first().ok());
    while (!table.eof()) {
        seen.push_back(table.text(field));
        EXPECT_TRUE(table.next().ok());
    }
    return seen;
}

class SectionTable : public ::testing::Test {
  protected:
    void SetUp() override {
        write_dbf(folder_, "I_Laminado.DBF", kSectionFields, kSections);
        table_ = open_table(folder_, "I_Laminado.DBF");
        ASSERT_NE(table_, nullptr);
    }
    TempFolder folder_;
    std::unique_ptr<Table> table_;
};

TEST_F(SectionTable, EndOfTableAndPriorBehaveAsTheSearchExpects) {
    ASSERT_TRUE(table_->set_index_tag("D"));
    enum Step { First, Next, Prior, Last };
    struct Case {
        Step step;
        const char* row;
        bool eof;
        bool bof;
    };
    // Depth order: 148, 153, 200, 203, 251, 303.
    const Case steps[] = {
        {First, "W 150 x 13,0", false, true},  {Next, "W 150 x 18,0", false, false},
        {Last, "W 310 x 21,0", true, false},   {Next, "W 310 x 21,0", true, false},
        {Prior, "W 250 x 17,9", false, false}, {Next, "W 310 x 21,0", false, false},
        {Next, "W 310 x 21,0", true, false},   {Next, "W 310 x 21,0", true, false},
        {Prior, "W 250 x 17,9", false, false}, {First, "W 150 x 13,0", false, true},
        {Prior, "W 150 x 13,0", false, true},  {Next, "W 150 x 18,0", false, false},
    };
    int n = 0;
    for (const auto& c : steps) {
        Status moved = c.step == First   ? table_->first()
                       : c.step == Next  ? table_->next()
                       : c.step == Prior ? table_->prior()
                                         : table_->last();
        ASSERT_TRUE(moved.ok()) << moved.error();
        EXPECT_EQ(table_->text("BITOLA"), c.row) << "step " << n;
        EXPECT_EQ(table_->eof(), c.eof) << "step " << n;
        EXPECT_EQ(table_->bof(), c.bof) << "step " << n;
        ++n;
    }
}

TEST_F(SectionTable, WalkingUntilEndOfTableVisitsEveryRowOnceInTheOrder) {
    ASSERT_TRUE(table_->set_index_tag("PESO"));
    const std::vector<std::string> by_weight = {"W 150 x 13,0", "W 200 x 15,0", "W 250 x 17,9",
                                                "W 150 x 18,0", "W 200 x 19,3", "W 310 x 21,0"};
    EXPECT_EQ(walk(*table_), by_weight);
    table_->set_natural_order();
    EXPECT_EQ(walk(*table_).front(), "W 200 x 15,0");
    EXPECT_EQ(table_->row_count(), 6);
}

TEST_F(SectionTable, ChangingTheOrderKeepsTheCurrentRow) {
    ASSERT_TRUE(table_->set_index_tag("D"));
    ASSERT_TRUE(table_->first().ok());
    for (int k = 0; k < 3; ++k)
        ASSERT_TRUE(table_->next().ok());
    ASSERT_EQ(table_->text("BITOLA"), "W 200 x 19,3");
    ASSERT_EQ(table_->row_number(), 3);

    struct Case {
        const char* tag;
        int row;  // where W 200 x 19,3 sits in that order
    };
    // BF ties (100, 100, 101, 102, 101, 102) keep the natural order: record 5 comes last.
    const Case cases[] = {{"PESO", 4}, {"BF", 5}, {"", 5}, {"D", 3}};
    for (const auto& c : cases) {
        ASSERT_TRUE(table_->set_index_tag(c.tag)) << c.tag;
        EXPECT_EQ(table_->text("BITOLA"), "W 200 x 19,3") << c.tag;
        EXPECT_EQ(table_->row_number(), c.row) << c.tag;
        EXPECT_EQ(table_->record_number(), 5) << c.tag;
    }
}

TEST_F(SectionTable, IndexTagsAreChosenWithoutRegardToCase) {
    struct Case {
        const char* asked;
        bool exists;
        const char* order_name;
    };
    const Case cases[] = {
        {"Peso", true, "PESO"}, {"peso", true, "PESO"}, {"d", true, "D"},
        {"Bf", true, "BF"},     {"BW", false, "BF"},  // no BW field in this table: the order stays
        {"IX", false, "BF"},                          // a field, but not an index tag
        {"PESOS", false, "BF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(table_->set_index_tag(c.asked), c.exists) << c.asked;
        EXPECT_EQ(table_->order_name(), c.order_name) << c.asked;
    }
}

TEST_F(SectionTable, FieldsShowAsADataAwareBoxShowsThem) {
    ASSERT_TRUE(table_->first().ok());
    EXPECT_EQ(table_->text("BITOLA"), "W 200 x 15,0");
    EXPECT_EQ(table_->text("d"), "200");
    EXPECT_EQ(table_->text("PESO"), "15");
    EXPECT_EQ(table_->text("NOPE"), "");
    ASSERT_TRUE(table_->next().ok());
    EXPECT_EQ(table_->text("D"), "148");
    ASSERT_TRUE(table_->next().ok());
    EXPECT_EQ(table_->text("PESO"), "17,9");
    EXPECT_EQ(table_->field_index("peso"), 3);
    EXPECT_EQ(table_->field_index("ZY"), -1);
}

// Weight ties: C and E weigh 10, A, B and D weigh 20 (natural order A..E).
const std::vector<StoredRecord> kTies = {
    {{"A", "300.0", "1.0", "20.00", "1.0"}}, {{"B", "200.0", "1.0", "20.00", "1.0"}},
    {{"C", "100.0", "1.0", "10.00", "1.0"}}, {{"D", "250.0", "1.0", "20.00", "1.0"}},
    {{"E", "200.0", "1.0", "10.00", "1.0"}},
};

TEST(TableOrder, TiesKeepTheNaturalOrderAndAFieldListBreaksThem) {
    TempFolder folder;
    write_dbf(folder, "I_Soldado_CVS.dbf", kSectionFields, kTies);
    auto table = open_table(folder, "I_Soldado_CVS.dbf");
    ASSERT_NE(table, nullptr);

    struct Case {
        std::vector<std::string> fields;
        const char* order_name;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {{"PESO"}, "PESO", {"C", "E", "A", "B", "D"}},
        {{"PESO", "d"}, "PESO;D", {"C", "E", "B", "D", "A"}},
        {{"peso", "D"}, "PESO;D", {"C", "E", "B", "D", "A"}},
        {{"D"}, "D", {"C", "B", "E", "D", "A"}},
        {{"BF"}, "BF", {"A", "B", "C", "D", "E"}},
        {{"BITOLA"}, "BITOLA", {"A", "B", "C", "D", "E"}},
        {{}, "", {"A", "B", "C", "D", "E"}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(table->set_field_order(c.fields)) << c.order_name;
        EXPECT_EQ(table->order_name(), c.order_name);
        EXPECT_EQ(walk(*table), c.rows) << c.order_name;
    }
    EXPECT_FALSE(table->set_field_order({"PESO", "ZX"}));
    EXPECT_EQ(table->order_name(), "");
}

TEST(TableOrder, EmptyNumbersSortBeforeEveryNumber) {
    TempFolder folder;
    write_dbf(folder, "t.dbf", kSectionFields,
              {{{"A", "2.0", "1.0", "20.00", ""}},
               {{"B", "1.0", "1.0", "", ""}},
               {{"C", "-1.0", "1.0", "5.00", ""}}});
    auto table = open_table(folder, "t.dbf");
    ASSERT_NE(table, nullptr);
    ASSERT_TRUE(table->set_index_tag("PESO"));
    EXPECT_EQ(walk(*table), (std::vector<std::string>{"B", "C", "A"}));
    ASSERT_TRUE(table->set_index_tag("D"));
    EXPECT_EQ(walk(*table), (std::vector<std::string>{"C", "B", "A"}));
}

TEST(TableCursor, DeletedRecordsAreNeverVisited) {
    TempFolder folder;
    std::vector<StoredRecord> records = kSections;
    records[1].deleted = true;  // W 150 x 13,0: first by depth and by weight
    records[4].deleted = true;  // W 310 x 21,0: last by depth and by weight
    write_dbf(folder, "I_Laminado.DBF", kSectionFields, records);
    auto table = open_table(folder, "I_Laminado.DBF");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->row_count(), 4);

    for (const char* tag : {"", "D", "PESO"}) {
        ASSERT_TRUE(table->set_index_tag(tag));
        const auto seen = walk(*table);
        EXPECT_EQ(seen.size(), 4u) << tag;
        for (const auto& row : seen) {
            EXPECT_NE(row, "W 150 x 13,0") << tag;
            EXPECT_NE(row, "W 310 x 21,0") << tag;
        }
        ASSERT_TRUE(table->last().ok());
        ASSERT_TRUE(table->prior().ok());
        ASSERT_TRUE(table->prior().ok());
        ASSERT_TRUE(table->prior().ok());
        ASSERT_TRUE(table->prior().ok());
        EXPECT_TRUE(table->bof()) << tag;
        EXPECT_EQ(table->text("BITOLA"), seen.front()) << tag;
    }
}

TEST(TableCursor, AnEmptyTableIsSafeToUse) {
    struct Case {
        const char* what;
        std::vector<StoredRecord> records;
    };
    const Case cases[] = {
        {"no records", {}},
        {"every record deleted", {{{"A", "1.0", "1.0", "1.00", "1.0"}, true}}},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        write_dbf(folder, "vazia.dbf", kSectionFields, c.records);
        auto table = open_table(folder, "vazia.dbf");
        ASSERT_NE(table, nullptr) << c.what;
        EXPECT_TRUE(table->empty()) << c.what;
        EXPECT_TRUE(table->eof() && table->bof()) << c.what;
        for (auto move : {&Table::first, &Table::next, &Table::prior, &Table::last}) {
            ASSERT_TRUE(((*table).*move)().ok()) << c.what;
            EXPECT_TRUE(table->eof() && table->bof()) << c.what;
            EXPECT_EQ(table->row_number(), -1) << c.what;
            EXPECT_EQ(table->record_number(), -1) << c.what;
            EXPECT_EQ(table->text("BITOLA"), "") << c.what;
        }
        EXPECT_TRUE(table->set_index_tag("PESO")) << c.what;
        EXPECT_FALSE(table->remove().ok()) << c.what;
        // Editing an empty table starts a new row, as a dataset does.
        ASSERT_TRUE(table->edit().ok()) << c.what;
        EXPECT_EQ(table->state(), EditState::Insert) << c.what;
        table->cancel();
        EXPECT_EQ(table->state(), EditState::Browse) << c.what;
    }
}

TEST(TableCursor, EveryMoveAndOrderChangeIsAnnounced) {
    TempFolder folder;
    write_dbf(folder, "I_Laminado.DBF", kSectionFields, kSections);
    auto table = open_table(folder, "I_Laminado.DBF");
    ASSERT_NE(table, nullptr);
    int calls = 0;
    table->set_on_change([&] { ++calls; });
    ASSERT_TRUE(table->next().ok());
    ASSERT_TRUE(table->set_index_tag("D"));
    ASSERT_TRUE(table->set_text("D", "1").ok());
    table->cancel();
    EXPECT_EQ(calls, 4);
}

TEST(TableCursor, RowsWithoutANumberAreNamedWithoutMovingTheCursor) {
    TempFolder folder;
    const std::vector<testing::FieldLayout> steel = {
        {"TIPO", 'C', 20, 0}, {"FY", 'N', 6, 2}, {"FU", 'N', 6, 2}, {"NOTA", 'C', 8, 0}};
    write_dbf(folder, "tipo_aco.dbf", steel,
              {
                  {{"MR250", "25.00", "40.00", "25,0"}},
                  {{"ASTM A36", "25O", "40.00", ""}},
                  {{"AR350", "35.00", "", "x"}},
                  {{"apagado", "x", "x", ""}, true},  // deleted rows are not counted
                  {{"AR415", "-", "abc", "41,5"}},
                  {{"", "34.50", "45", "1,0e1"}},
              });
    auto table = open_table(folder, "tipo_aco.dbf");
    ASSERT_NE(table, nullptr);
    ASSERT_TRUE(table->next().ok());
    EXPECT_EQ(table->number("FY"), std::nullopt);  // "25O"
    EXPECT_EQ(table->number("FU"), 40.0);
    EXPECT_EQ(table->rows_without_number({"FY", "FU"}, "TIPO"),
              (std::vector<std::string>{
                  "linha 2 (ASTM A36): FY \"25O\" não é um número",
                  "linha 3 (AR350): FU vazio",
                  "linha 4 (AR415): FY \"-\" não é um número, FU \"abc\" não é um número",
              }));
    // A text field holding a number with the decimal comma is a number, as
    // a box reads it.
    EXPECT_EQ(table->rows_without_number({"NOTA"}, "TIPO"),
              (std::vector<std::string>{"linha 2 (ASTM A36): NOTA vazio",
                                        "linha 3 (AR350): NOTA \"x\" não é um número"}));
    EXPECT_EQ(table->rows_without_number({"FY", "FX"}, "TIPO"),
              (std::vector<std::string>{"o campo FX não existe na tabela"}));
    EXPECT_EQ(table->text("TIPO"), "ASTM A36");  // still the second row
}

}  // namespace
}  // namespace quintaro::catalogue
