#include "gui_testing.h"

#include <shapefil.h>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include "common/windows1252.h"

namespace quintaro::testing {
namespace {

const std::vector<Column> kRolledI = {
    {"BITOLA", 'C', 20, 0}, {"D", 'N', 8, 1},   {"BF", 'N', 8, 1},   {"TW", 'N', 8, 2},
    {"TF", 'N', 8, 2},      {"S", 'N', 10, 2},  {"PESO", 'N', 8, 2}, {"IX", 'N', 12, 1},
    {"IY", 'N', 10, 1},     {"WX", 'N', 10, 1}, {"WY", 'N', 10, 1},  {"ZX", 'N', 10, 1},
    {"ZY", 'N', 10, 1},     {"IT", 'N', 10, 2},
};

}  // namespace

const std::vector<Column>& rolled_i_columns() {
    return kRolledI;
}

void write_dbf(const QString& path, const std::vector<Column>& columns,
               const std::vector<std::vector<std::string>>& rows) {
    // shapelib names the file *.dbf; the tests want the exact name asked for.
    const QString created = path.left(path.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".dbf");
    DBFHandle dbf = DBFCreateEx(QFile::encodeName(created).constData(), "LDID/87");
    ASSERT_NE(dbf, nullptr) << path.toStdString();
    for (const Column& c : columns) {
        DBFAddField(dbf, c.name, c.type == 'C' ? FTString : FTDouble, c.width, c.decimals);
    }
    for (int r = 0; r < int(rows.size()); ++r) {
        for (int f = 0; f < int(columns.size()); ++f) {
            const std::string& text = rows[r][f];
            if (text.empty()) {
                DBFWriteNULLAttribute(dbf, r, f);
            } else if (columns[f].type == 'C') {
                DBFWriteStringAttribute(dbf, r, f, utf8_to_cp1252(text).value().c_str());
            } else {
                DBFWriteDoubleAttribute(dbf, r, f, std::stod(text));
            }
        }
    }
    DBFClose(dbf);
    if (created != path) {
        QFile::remove(path);
        ASSERT_TRUE(QFile::rename(created, path)) << path.toStdString();
    }
}

CatalogueFolder::CatalogueFolder() {
    write_all();
}

catalogue::TableLocation CatalogueFolder::location() const {
    return {dir_.path().toStdString(), ""};
}

void CatalogueFolder::remove(const QString& file) const {
    QFile::remove(dir_.filePath(file));
}

// Rows chosen so that the default and weight orders differ: by D the order is
// A, B, C; by PESO it is B, C, A.
void CatalogueFolder::write_all() {
    const auto p = [this](const char* name) { return dir_.filePath(QString::fromLatin1(name)); };
    const std::vector<std::vector<std::string>> rolled = {
        {"W 150 x 13,0", "148", "100", "4.3", "4.9", "16.6", "30", "635", "82", "85.8", "16.4",
         "96.4", "25.5", "1.72"},
        {"W 200 x 15,0", "200", "100", "4.3", "5.2", "19.4", "15", "1305", "87", "130.5", "17.4",
         "147.9", "27.3", "2.05"},
        {"W 250 x 17,9", "251", "101", "4.8", "5.3", "23.1", "17.9", "2291", "91", "182.6", "18.1",
         "211", "28.8", "2.54"},
    };
    write_dbf(p("I_Laminado.DBF"), kRolledI, rolled);
    write_dbf(p("H_Laminado.DBF"), kRolledI, rolled);
    write_dbf(p("U_Laminado.DBF"),
              {{"BITOLA", 'C', 20, 0},
               {"D", 'N', 8, 1},
               {"BF", 'N', 8, 1},
               {"TW", 'N', 8, 2},
               {"TF", 'N', 8, 2},
               {"AG", 'N', 10, 2},
               {"PESO", 'N', 8, 2},
               {"IX", 'N', 12, 1},
               {"IY", 'N', 10, 1},
               {"WX", 'N', 10, 1},
               {"WY", 'N', 10, 1},
               {"ZX", 'N', 10, 2},
               {"IT", 'N', 10, 2}},
              {{"U 152 x 12,2", "152.4", "48.8", "5.08", "8.71", "15.5", "12.2", "546", "28.8",
                "71.7", "8.06", "1.3", "1.99"}});
    const std::vector<Column> welded = {{"PERFIL", 'C', 20, 0}, {"D", 'N', 8, 1},
                                        {"BF", 'N', 8, 1},      {"TW", 'N', 8, 2},
                                        {"TF", 'N', 8, 2},      {"PESO", 'N', 8, 2}};
    write_dbf(p("I_Soldado_CS.DBF"), welded,
              {{"CS 250 x 52", "250", "250", "8", "9.5", "52.2"},
               {"CS 300 x 62", "300", "300", "8", "9.5", "62.4"}});
    write_dbf(p("I_Soldado_CVS.dbf"), welded,
              {{"CVS 300 x 47", "300", "200", "8", "9.5", "47.3"},
               {"CVS 350 x 73", "350", "250", "9.5", "12.5", "73"}});
    write_dbf(p("I_Soldado_VS.dbf"), welded, {{"VS 400 x 49", "400", "200", "6.3", "9.5", "48.7"}});
    write_dbf(p("L_Laminado.DBF"),
              {{"BITOLA", 'C', 20, 0},
               {"BF", 'N', 8, 1},
               {"TF", 'N', 8, 2},
               {"AREA", 'N', 8, 2},
               {"PESO", 'N', 8, 2},
               {"I_XY", 'N', 10, 2},
               {"RZ", 'N', 8, 2},
               {"XY", 'N', 8, 2}},
              {{"L 50 x 6,35", "50.8", "6.35", "6.06", "9.75", "14.6", "0.99", "1.5"},
               {"L 76 x 6,35", "76.2", "6.35", "9.29", "7.29", "50.8", "1.5", "2.11"}});
    write_dbf(p("L2_Laminado.DBF"),
              {{"BITOLA", 'C', 20, 0},
               {"BW", 'N', 8, 1},
               {"BF", 'N', 8, 1},
               {"TF", 'N', 8, 2},
               {"AG", 'N', 8, 2},
               {"PESO", 'N', 8, 2},
               {"IX", 'N', 10, 2},
               {"IY", 'N', 10, 2},
               {"X", 'N', 8, 2},
               {"Y", 'N', 8, 2},
               {"RZ", 'N', 8, 2}},
              {{"L 102 x 76 x 6,35", "101.6", "76.2", "6.35", "10.9", "8.57", "113", "54.9", "1.87",
                "3.15", "1.65"},
               {"L 127 x 89 x 7,94", "127", "88.9", "7.94", "16.1", "12.6", "262", "107", "2.13",
                "4.17", "1.93"}});
    write_dbf(
        p("tipo_aco.dbf"), {{"TIPO", 'C', 20, 0}, {"FY", 'N', 8, 2}, {"FU", 'N', 8, 2}},
        {{"ASTM A36", "25", "40"}, {"ASTM A572 Gr 50", "-34.5", "45"}, {"AR350", "35", "45"}});
}

std::string field_in_file(const QString& folder, const char* file, int row, const char* field) {
    auto table = catalogue::Table::open(file, {folder.toStdString(), ""});
    if (!table) {
        return "<" + table.error() + ">";
    }
    catalogue::Table& t = *table.value();
    t.first();
    for (int i = 0; i < row; ++i) {
        t.next();
    }
    return t.text(field);
}

int rows_in_file(const QString& folder, const char* file) {
    auto table = catalogue::Table::open(file, {folder.toStdString(), ""});
    return table ? table.value()->row_count() : -1;
}

}  // namespace quintaro::testing
