#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "checks/boxes.h"
#include "checks/windows.h"
#include "columns.h"
#include "csv.h"

// One CSV row seen as the boxes of its window. Every window's boxes are
// numbered once for the batch, so a row puts its texts in place and the
// check reads and writes them without building anything per row.
namespace quintaro::lote {

struct SteelBoxes;

inline constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

// The boxes of one window for one batch file: a number for each box, and
// where each box comes from and goes to in the file's columns.
class WindowLayout {
  public:
    WindowLayout(const checks::WindowDescriptor& window, const Header& header,
                 const OutputColumns& output);

    const checks::WindowDescriptor& window() const { return *window_; }
    std::size_t size() const { return names_.size(); }
    // The number of a box, or -1 when the window has no such box.
    int slot(std::string_view box) const;

    struct Fed {
        int slot;
        std::size_t column;  // the input column that holds its value, or kNoColumn
    };
    int series_slot() const { return series_slot_; }
    std::size_t series_column() const { return series_column_; }
    const std::vector<Fed>& panel() const { return panel_; }  // in the window's panel order
    const std::vector<Fed>& steel() const { return steel_; }
    const std::vector<Fed>& inputs() const { return inputs_; }  // in the window's input order
    // For each result column written, the box that fills it (-1: none).
    const std::vector<int>& result_slots() const { return result_slots_; }
    // For each input column written back, the panel box that shows the
    // section found by a search (-1: the cell as read).
    const std::vector<int>& found_section_slots() const { return found_section_slots_; }

  private:
    int add(std::string_view box);
    std::size_t column_of(const Header& header, std::string_view box) const;

    // Box names are short: each is held as two machine words, so finding
    // a box is a hash and an integer compare, not a string search.
    struct Key {
        std::uint64_t low = 0, high = 0, size = 0;
        bool operator==(const Key&) const = default;
    };
    static bool make_key(std::string_view name, Key& key);
    std::size_t bucket(const Key& key) const;

    const checks::WindowDescriptor* window_;
    std::vector<std::string_view> names_;
    std::vector<std::pair<Key, int>> table_;  // open addressing; slot -1 is free
    int series_slot_ = -1;
    std::size_t series_column_ = kNoColumn;
    std::vector<Fed> panel_, steel_, inputs_;
    std::vector<int> result_slots_;
    std::vector<int> found_section_slots_;
};

// The boxes of the row being checked. A box filled from the row or the
// catalogue refers to that text, which outlives the row's check; a box the
// check writes holds its own copy. Boxes a window does not list (none today)
// are still kept, by name.
class RowBoxes final : public checks::Boxes {
  public:
    // Every box of `layout` empty and absent.
    void start(const WindowLayout& layout);
    // Shows `text`, which stays unchanged until the row is written.
    void refer(int slot, std::string_view text);
    void set(int slot, std::string_view text);
    // The text of a box that was written, or nullptr.
    const std::string_view* find(int slot) const;

    bool has(std::string_view name) const override;
    std::string text(std::string_view name) const override;
    void set_text(std::string_view name, std::string_view text) override;
    void set_verdict(std::string_view field, bool passed) override;
    void clear_verdict(std::string_view field) override;

  private:
    const std::string* find_other(std::string_view name) const;

    const WindowLayout* layout_ = nullptr;
    std::vector<std::string> owned_;
    std::vector<std::string_view> texts_;
    std::vector<unsigned char> present_;
    std::vector<std::pair<std::string, std::string>> others_;
};

// The cells of one row as its checks read them: blanks around them
// removed, in UTF-8. Cells past the end of a short row are empty.
class RowCells {
  public:
    void read(const Record& record, const Header& header, bool windows1252);
    std::string_view operator[](std::size_t column) const {
        return column < cells_.size() ? cells_[column] : std::string_view();
    }

  private:
    std::vector<std::string_view> cells_;
    std::vector<std::string> decoded_;
};

// Fills the boxes of a row before its check, as the window would hold them:
// the catalogue row's texts (`catalogue`, in the window's panel order; null
// for none) with the values typed in the row over them unless
// `catalogue_only`, the steel of the batch or of the row, the series, and
// every action and length ("0,00" when absent or empty, as in the window).
void fill_boxes(const WindowLayout& layout, const RowCells& cells, const SteelBoxes& steel,
                std::string_view series, const std::vector<std::string>* catalogue,
                bool catalogue_only, RowBoxes& boxes);

// True when the row gives none of its window's actions and lengths.
bool nothing_acts(const WindowLayout& layout, const RowCells& cells);

}  // namespace quintaro::lote
