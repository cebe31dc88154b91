#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/table.h"
#include "dbf_fixture.h"

namespace quintaro::catalogue {
namespace {

using testing::kSectionFields;
using testing::StoredRecord;
using testing::TempFolder;

const std::vector<StoredRecord> kSections = {
    {{"W 150 x 13,0", "148.0", "100.0", "13.00", "635.0"}},
    {{"W 200 x 15,0", "200.0", "100.0", "15.00", "1305.0"}},
    {{"W 250 x 17,9", "251.0", "101.0", "17.90", "2291.0"}},
};

// The fixture's layout, counted by hand: five field descriptors of 32 bytes
// after the 32-byte file header, then the terminator 0x0D, so the header is
// 32 + 5 × 32 + 1 = 193 bytes; a record is the deletion mark plus the widths
// 20 + 6 + 6 + 7 + 9, 49 bytes; three records and the end-of-file mark 0x1A
// make 193 + 3 × 49 + 1 = 341 bytes.
constexpr int kHeaderLength = 193;
constexpr int kRecordLength = 49;
constexpr int kTerminator = 192;
constexpr int kFileSize = 341;
constexpr int kDescriptor = 32;  // field 0 (BITOLA); field k at 32 + 32 k

void put16(std::string& bytes, int at, int value) {
    bytes[static_cast<std::size_t>(at)] = static_cast<char>(value & 0xFF);
    bytes[static_cast<std::size_t>(at) + 1] = static_cast<char>((value >> 8) & 0xFF);
}
void put32(std::string& bytes, int at, long value) {
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(at + i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}
void put(std::string& bytes, int at, char value) {
    bytes[static_cast<std::size_t>(at)] = value;
}
int record_at(int r) {
    return kHeaderLength + r * kRecordLength;
}

struct Damage {
    const char* what;
    std::function<void(std::string&)> damage;
    // What the refusal names; empty: the table opens and shows `rows`.
    const char* named;
    std::vector<std::string> rows = {};
};

const std::vector<std::string> kAllRows = {"W 150 x 13,0", "W 200 x 15,0", "W 250 x 17,9"};

const Damage kDamages[] = {
    // Tables as other programs write them open as they are.
    {"as written, with the end-of-file mark", [](std::string&) {}, "", kAllRows},
    {"without the end-of-file mark", [](std::string& b) { b.pop_back(); }, "", kAllRows},
    {"a deleted row",
     [](std::string& b) { put(b, record_at(1), '*'); },
     "",
     {"W 150 x 13,0", "W 250 x 17,9"}},
    {"header padded with zeros after the terminator",
     [](std::string& b) {
         b.insert(kTerminator + 1, 2, '\0');
         put16(b, 8, kHeaderLength + 2);
     },
     "", kAllRows},
    {"Visual FoxPro's 263-byte back link after the terminator",
     [](std::string& b) {
         b.insert(kTerminator + 1, std::string(262, '\0') + "x");
         put16(b, 8, kHeaderLength + 263);
         put(b, 0, '\x30');
     },
     "", kAllRows},

    // Record count against file size.
    {"a count one short", [](std::string& b) { put32(b, 4, 2); },
     "o cabeçalho anuncia 2 registros de 49 bytes, mas o tamanho do arquivo corresponde a 3 "
     "registros."},
    {"a count one over", [](std::string& b) { put32(b, 4, 4); },
     "o cabeçalho anuncia 4 registros de 49 bytes, mas o tamanho do arquivo corresponde a 3 "
     "registros."},
    {"a count of two thousand million", [](std::string& b) { put32(b, 4, 0x7FFFFFFF); },
     "anuncia 2147483647 registros"},
    {"cut in the middle of the last record", [](std::string& b) { b.resize(kFileSize - 41); },
     "corresponde a 2 registros e mais 9 bytes"},
    {"a row after the end-of-file mark",
     [](std::string& b) { b += b.substr(record_at(2), kRecordLength); },
     "corresponde a 4 registros e mais 1 byte."},

    // Header length against the field descriptors.
    {"header length one over", [](std::string& b) { put16(b, 8, kHeaderLength + 1); },
     "o comprimento do cabeçalho anunciado (194 bytes) não é onde terminam as descrições dos "
     "campos (193 bytes)"},
    {"header length one short", [](std::string& b) { put16(b, 8, kHeaderLength - 1); },
     "cabeçalho anunciado (192 bytes) não é onde terminam"},
    {"header length one descriptor short", [](std::string& b) { put16(b, 8, kHeaderLength - 32); },
     "cabeçalho anunciado (161 bytes) não é onde terminam"},
    {"header length one descriptor over", [](std::string& b) { put16(b, 8, kHeaderLength + 32); },
     "cabeçalho anunciado (225 bytes) não é onde terminam"},
    {"header length beyond the file", [](std::string& b) { put16(b, 8, 60000); },
     "cabeçalho anunciado (60000 bytes) não é onde terminam"},

    // The field descriptors.
    {"terminator missing", [](std::string& b) { put(b, kTerminator, '\0'); },
     "a lista de campos do cabeçalho não termina com o byte 0x0D"},
    {"terminator missing, header cut to the descriptors",
     [](std::string& b) {
         b.erase(kTerminator, 1);
         put16(b, 8, kHeaderLength - 1);
     },
     "não termina com o byte 0x0D"},
    {"a field of width zero", [](std::string& b) { put(b, kDescriptor + 32 + 16, '\0'); },
     "o campo D tem largura zero"},
    {"a field one byte wider", [](std::string& b) { put(b, kDescriptor + 32 + 16, '\x07'); },
     "o comprimento de registro anunciado (49 bytes) não confere com a soma das larguras dos "
     "campos (49 bytes, mais 1 da marca de apagado)"},
    {"record length one over", [](std::string& b) { put16(b, 10, kRecordLength + 1); },
     "o comprimento de registro anunciado (50 bytes)"},
    {"record length one short", [](std::string& b) { put16(b, 10, kRecordLength - 1); },
     "o comprimento de registro anunciado (48 bytes)"},
    {"a field type lost", [](std::string& b) { put(b, kDescriptor + 64 + 11, '\0'); },
     "o campo BF tem um tipo desconhecido (byte 0x00)"},
    {"a field without a name", [](std::string& b) { put(b, kDescriptor + 96, '\0'); },
     "o campo nº 4 não tem nome"},
    {"a field name with a control character",
     [](std::string& b) { put(b, kDescriptor + 96 + 4, '\x1A'); },
     "o nome do campo nº 4 (\"PESO\\x1A\") tem um caractere de controle ou um espaço"},

    // The records.
    {"a deletion mark garbled", [](std::string& b) { put(b, record_at(1), 'X'); },
     "o registro nº 2 começa com o byte 0x58 em vez da marca de apagado"},

    // Not a table at all.
    {"empty file", [](std::string& b) { b.clear(); }, "o arquivo está vazio"},
    {"cut inside the header", [](std::string& b) { b.resize(20); },
     "o arquivo tem 20 bytes, menos que o cabeçalho de uma tabela dBASE"},
    {"text", [](std::string& b) { b = "isto não é uma tabela, é um texto comprido qualquer"; },
     "a lista de campos do cabeçalho não termina com o byte 0x0D"},
};

// Each visible row's designation and depth, in the natural order.
std::vector<std::string> rows_of(Table& table, bool with_depth = false) {
    std::vector<std::string> rows;
    for (Status moved = table.first(); moved.ok() && !table.eof(); moved = table.next())
        rows.push_back(table.text("BITOLA") + (with_depth ? " | " + table.text("D") : ""));
    return rows;
}

TEST(DamagedTable, IsRefusedNamingTheDamage) {
    TempFolder folder;
    testing::write_dbf(folder, "sound.dbf", kSectionFields, kSections);
    const std::string sound = testing::file_bytes(folder.file("sound.dbf"));
    ASSERT_EQ(sound.size(), static_cast<std::size_t>(kFileSize)) << "fixture layout changed";
    ASSERT_EQ(sound[kTerminator], '\x0D');

    for (const auto& c : kDamages) {
        std::string bytes = sound;
        c.damage(bytes);
        std::ofstream(folder.file("I_Laminado.DBF"), std::ios::binary | std::ios::trunc) << bytes;
        auto opened = Table::open("I_Laminado.DBF", {folder.path().string(), ""});
        if (*c.named == '\0') {
            ASSERT_TRUE(opened.ok()) << c.what << ": " << opened.error();
            EXPECT_EQ(rows_of(*opened.value()), c.rows) << c.what;
            continue;
        }
        if (opened.ok()) {
            std::string seen;
            for (const auto& row : rows_of(*opened.value(), true))
                seen += "[" + row + "] ";
            ADD_FAILURE() << c.what << ": opened: " << seen;
            continue;
        }
        const std::string& error = opened.error();
        EXPECT_NE(error.find(c.named), std::string::npos) << c.what << ": " << error;
        EXPECT_NE(error.find(folder.file("I_Laminado.DBF")), std::string::npos) << error;
    }
}

}  // namespace
}  // namespace quintaro::catalogue
