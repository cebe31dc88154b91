#pragma once

#include <shapefil.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

// Small dBASE catalogues written for a test, with contents chosen so that
// every outcome is known by hand.
namespace quintaro::testing {

struct DbfColumn {
    std::string name;
    bool text = false;
};

// A row: one cell per column, numbers written as given ("22,5" not allowed:
// the file keeps points, as dBASE does).
using DbfRow = std::vector<std::string>;

inline void write_dbf(const std::filesystem::path& path, const std::vector<DbfColumn>& columns,
                      const std::vector<DbfRow>& rows) {
    DBFHandle dbf = DBFCreate(path.string().c_str());
    if (!dbf)
        throw std::runtime_error("cannot create " + path.string());
    for (const DbfColumn& c : columns) {
        if (c.text)
            DBFAddField(dbf, c.name.c_str(), FTString, 20, 0);
        else
            DBFAddField(dbf, c.name.c_str(), FTDouble, 12, 4);
    }
    int record = 0;
    for (const DbfRow& row : rows) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const int field = static_cast<int>(i);
            if (columns[i].text)
                DBFWriteStringAttribute(dbf, record, field, row.at(i).c_str());
            else
                DBFWriteDoubleAttribute(dbf, record, field, std::stod(row.at(i)));
        }
        ++record;
    }
    DBFClose(dbf);
}

// A folder of its own under the system's temporary folder, removed at the end.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& name)
        : path_(std::filesystem::temp_directory_path() /
                ("quintaro-" + name + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The rolled I and H layout.
inline std::vector<DbfColumn> rolled_columns() {
    return {{"BITOLA", true}, {"D"},  {"BF"}, {"TW"}, {"TF"}, {"S"},  {"PESO"},
            {"IX"},           {"IY"}, {"WX"}, {"WY"}, {"ZX"}, {"ZY"}, {"IT"}};
}

inline std::vector<DbfColumn> channel_columns() {
    return {{"BITOLA", true}, {"D"},  {"BF"}, {"TW"}, {"TF"}, {"AG"}, {"PESO"},
            {"IX"},           {"IY"}, {"WX"}, {"WY"}, {"ZX"}, {"IT"}};
}

inline std::vector<DbfColumn> welded_columns() {
    return {{"PERFIL", true}, {"D"}, {"BF"}, {"TW"}, {"TF"}, {"PESO"}};
}

inline std::vector<DbfColumn> equal_angle_columns() {
    return {{"BITOLA", true}, {"BF"}, {"TF"}, {"AREA"}, {"PESO"}, {"I_XY"}, {"RZ"}, {"XY"}};
}

}  // namespace quintaro::testing
