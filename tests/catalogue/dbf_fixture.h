#pragma once

#include <shapefil.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace quintaro::catalogue::testing {

// A fresh folder under the system's temporary folder (or under `base`),
// removed afterwards.
class TempFolder {
  public:
    explicit TempFolder(
        const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
        std::string name = (base / "quintaro-XXXXXX").string();
        if (mkdtemp(name.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = name;
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

struct FieldLayout {
    const char* name;
    char type;  // 'C' or 'N'
    int width;
    int decimals;
};

// One record as stored: each value the field's text exactly as it sits in the
// file, Windows-1252 bytes for text ("" is an empty field).
struct StoredRecord {
    std::vector<std::string> values;
    bool deleted = false;
};

// Writes a small DBF with shapelib under exactly `file_name` (any case).
inline void write_dbf(const TempFolder& folder, const std::string& file_name,
                      const std::vector<FieldLayout>& fields,
                      const std::vector<StoredRecord>& records) {
    const std::string made = folder.file("made.dbf");
    DBFHandle dbf = DBFCreate(made.c_str());
    if (dbf == nullptr)
        throw std::runtime_error("DBFCreate failed");
    for (const auto& f : fields)
        DBFAddNativeFieldType(dbf, f.name, f.type, f.width, f.decimals);
    for (int r = 0; r < static_cast<int>(records.size()); ++r) {
        const auto& record = records[static_cast<std::size_t>(r)];
        for (int f = 0; f < static_cast<int>(fields.size()); ++f) {
            std::string value = record.values[static_cast<std::size_t>(f)];
            const int width = fields[static_cast<std::size_t>(f)].width;
            // Numbers sit right-aligned in their field, as dBASE writes them.
            if (fields[static_cast<std::size_t>(f)].type == 'N' && !value.empty()) {
                value.insert(0, static_cast<std::size_t>(width) - value.size(), ' ');
            }
            DBFWriteAttributeDirectly(dbf, r, f, value.data());
        }
        if (record.deleted)
            DBFMarkRecordDeleted(dbf, r, 1);
    }
    DBFClose(dbf);
    std::filesystem::rename(made, folder.file(file_name));
}

inline std::string file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The rolled-section layout the tests use: designation, depth, flange width,
// weight and a moment of inertia.
inline const std::vector<FieldLayout> kSectionFields = {
    {"BITOLA", 'C', 20, 0}, {"D", 'N', 6, 1},  {"BF", 'N', 6, 1},
    {"PESO", 'N', 7, 2},    {"IX", 'N', 9, 1},
};

}  // namespace quintaro::catalogue::testing
