#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "checks/frame.h"
#include "checks/windows.h"
#include "common/result.h"
#include "search/member_driver.h"

// Where the sections and the steel of a batch come from: the dBASE tables,
// each read once for the whole batch.
namespace quintaro::catalogue {
class Table;
}

namespace quintaro::lote {

class RowBoxes;
class WindowLayout;

// The steel grade window's three boxes.
struct SteelBoxes {
    std::string tipo, fy, fu;
};

// Reads tipo_aco.dbf from the tables folder: the row whose TIPO equals
// `grade` (trimmed), or the first row when `grade` is empty.
Result<SteelBoxes> load_steel(const std::string& tables_dir, const std::string& grade);

// One catalogue file as the batch sees it: its visible rows as each window's
// panel boxes show them, its orders, and the cursor a search moves over it
// (kept from one row to the next, as the window's table keeps it).
class CatalogueFile {
  public:
    explicit CatalogueFile(std::unique_ptr<catalogue::Table> table);
    ~CatalogueFile();

    bool empty() const { return records_.empty(); }
    // The panel texts of every visible row (natural order) for `window`.
    const std::vector<std::vector<std::string>>& panel_rows(const checks::WindowDescriptor& window);
    // The visible row whose designation (trimmed) is `designation`, or -1;
    // the first one wins, as the navigator meets it.
    int find(const checks::WindowDescriptor& window, std::string_view designation);

    // The cursor, with the orders and moves of the window's table.
    bool set_index_tag(std::string_view tag);
    bool set_field_order(const std::vector<std::string>& fields);
    void first();
    void next();
    void prior();
    bool eof() const { return eof_; }
    int current() const;  // the visible row under the cursor, -1 when there is none

  private:
    const std::vector<int>* order(const std::string& key, const std::function<bool()>& apply);
    bool set_order(const std::vector<int>* wanted);

    std::unique_ptr<catalogue::Table> table_;
    std::vector<int> records_;  // record numbers of the visible rows, natural order
    std::map<std::string_view, std::vector<std::vector<std::string>>> panels_;  // by window
    std::map<std::string_view, std::unordered_map<std::string, int>> designations_;
    std::map<std::string, std::unique_ptr<std::vector<int>>> orders_;  // null: the table refused it
    const std::vector<int>* in_force_ = nullptr;                       // null: natural order
    int position_ = -1;
    bool eof_ = true;
};

// The catalogue files of a batch, opened on first use.
class Catalogues {
  public:
    explicit Catalogues(std::string tables_dir);
    ~Catalogues();
    // The file of a window's table, or the reason it cannot be read.
    Result<CatalogueFile*> file(const checks::CatalogueTable& table);

  private:
    std::string tables_dir_;
    std::map<std::string_view, Result<std::unique_ptr<CatalogueFile>>> files_;
};

// "Mais Leve" of one row over its catalogue file: the row's boxes show the
// section under the cursor after every move, and "Calcular" is the window's
// check on them.
class CatalogueWalk final : public search::MemberDriver {
  public:
    CatalogueWalk(const WindowLayout& layout, CatalogueFile& file, RowBoxes& boxes,
                  checks::Messages& messages, checks::WorkingState& state);

    std::string action_text(std::string_view box) const override;
    std::string series() const override;
    void clear_invalid_length() override;
    bool set_index_tag(std::string_view tag) override;
    bool set_field_order(const std::vector<std::string>& fields) override;
    Status first() override;
    Status next() override;
    Status prior() override;
    bool eof() const override;
    bool calculate() override;
    search::CheckValues values() const override;

  private:
    Status show_current_row();

    const WindowLayout& layout_;
    CatalogueFile& file_;
    const std::vector<std::vector<std::string>>& rows_;
    RowBoxes& boxes_;
    checks::Messages& messages_;
    checks::WorkingState& state_;
};

}  // namespace quintaro::lote
