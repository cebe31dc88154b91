#include "row_boxes.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "catalogue_source.h"
#include "checks/frame.h"
#include "checks/windows.h"
#include "common/windows1252.h"

namespace quintaro::lote {

// Room for several times the boxes any window has keeps the probes short;
// a power of two, so that a bucket is a mask.
constexpr std::size_t kTableSize = 128;
static_assert((kTableSize & (kTableSize - 1)) == 0);

WindowLayout::WindowLayout(const checks::WindowDescriptor& window, const Header& header,
                           const OutputColumns& output)
    : window_(&window), table_(kTableSize, {Key{}, -1}) {
    if (!window.series_box.empty()) {
        series_slot_ = add(window.series_box);
        series_column_ = column_of(header, window.series_box);
    }
    for (const checks::PanelField& p : window.panel)
        panel_.push_back({add(p.box), column_of(header, p.box)});
    for (std::string_view box : {checks::kSteelNameBox, checks::kSteelFyBox, checks::kSteelFuBox})
        steel_.push_back({add(box), column_of(header, box)});
    for (std::string_view input : window.inputs)
        inputs_.push_back({add(input), column_of(header, input)});
    for (const checks::ResultRow& r : window.results) {
        add(r.box);
        if (!r.verdict.empty())
            add(r.verdict);
    }

    for (std::string_view column : output.results) {
        const bool shown = std::any_of(
            window.results.begin(), window.results.end(),
            [&](const checks::ResultRow& r) { return r.box == column || r.verdict == column; });
        result_slots_.push_back(shown ? slot(column) : -1);
    }
    // After a search, `perfil` and the catalogue boxes show the section found.
    for (std::size_t column : output.kept) {
        const InputColumn& c = header.columns[column];
        int found = -1;
        if (c.kind == ColumnKind::Section) {
            found = panel_.front().slot;
        } else if (c.kind == ColumnKind::Box) {
            for (const checks::PanelField& p : window.panel) {
                if (p.box == c.name)
                    found = slot(p.box);
            }
        }
        found_section_slots_.push_back(found);
    }
}

namespace {

template <typename Word>
Word load(const char* bytes) {
    Word w;
    std::memcpy(&w, bytes, sizeof w);
    return w;
}

}  // namespace

// Two overlapping loads cover any name of 4 to 16 bytes, so the words and
// the size tell every name apart.
bool WindowLayout::make_key(std::string_view name, Key& key) {
    const char* p = name.data();
    const std::size_t n = name.size();
    key.size = n;
    if (n >= 8 && n <= 16) {
        key.low = load<std::uint64_t>(p);
        key.high = load<std::uint64_t>(p + n - 8);
    } else if (n >= 4 && n < 8) {
        key.low = load<std::uint32_t>(p) | std::uint64_t{load<std::uint32_t>(p + n - 4)} << 32;
        key.high = 0;
    } else if (n < 4) {
        key.low = 0;
        for (std::size_t i = 0; i < n; ++i)
            key.low |= std::uint64_t{static_cast<unsigned char>(p[i])} << (8 * i);
        key.high = 0;
    } else {
        return false;
    }
    return true;
}

std::size_t WindowLayout::bucket(const Key& key) const {
    const std::uint64_t mixed =
        (key.low * 0x9E3779B97F4A7C15ull) ^ (key.high * 0xC2B2AE3D27D4EB4Full) ^ key.size;
    return static_cast<std::size_t>(mixed >> 32) & (kTableSize - 1);
}

int WindowLayout::add(std::string_view box) {
    if (const int existing = slot(box); existing >= 0)
        return existing;
    Key key;
    if (!make_key(box, key) || names_.size() * 2 >= table_.size())
        throw std::logic_error("a window box name too long or too many boxes");
    const int number = static_cast<int>(names_.size());
    names_.push_back(box);
    std::size_t b = bucket(key);
    while (table_[b].second >= 0)
        b = (b + 1) & (kTableSize - 1);
    table_[b] = {key, number};
    return number;
}

int WindowLayout::slot(std::string_view box) const {
    Key key;
    if (!make_key(box, key))
        return -1;
    for (std::size_t b = bucket(key);; b = (b + 1) & (kTableSize - 1)) {
        const auto& [k, number] = table_[b];
        if (number < 0 || k == key)
            return number;
    }
}

std::size_t WindowLayout::column_of(const Header& header, std::string_view box) const {
    for (std::size_t i = 0; i < header.columns.size(); ++i) {
        if (header.columns[i].kind == ColumnKind::Box && header.columns[i].name == box)
            return i;
    }
    return kNoColumn;
}

void RowBoxes::start(const WindowLayout& layout) {
    layout_ = &layout;
    if (owned_.size() < layout.size()) {
        owned_.resize(layout.size());
        texts_.resize(layout.size());
    }
    present_.assign(layout.size(), 0);
    others_.clear();
}

void RowBoxes::refer(int slot, std::string_view text) {
    const auto s = static_cast<std::size_t>(slot);
    texts_[s] = text;
    present_[s] = 1;
}

void RowBoxes::set(int slot, std::string_view text) {
    const auto s = static_cast<std::size_t>(slot);
    owned_[s].assign(text);
    texts_[s] = owned_[s];
    present_[s] = 1;
}

const std::string_view* RowBoxes::find(int slot) const {
    if (slot < 0 || !present_[static_cast<std::size_t>(slot)])
        return nullptr;
    return &texts_[static_cast<std::size_t>(slot)];
}

const std::string* RowBoxes::find_other(std::string_view name) const {
    for (const auto& [box, text] : others_) {
        if (box == name)
            return &text;
    }
    return nullptr;
}

bool RowBoxes::has(std::string_view name) const {
    const int slot = layout_->slot(name);
    return slot >= 0 ? present_[static_cast<std::size_t>(slot)] != 0 : find_other(name) != nullptr;
}

std::string RowBoxes::text(std::string_view name) const {
    if (const int slot = layout_->slot(name); slot >= 0) {
        const std::string_view* found = find(slot);
        return found ? std::string(*found) : std::string();
    }
    const std::string* other = find_other(name);
    return other ? *other : std::string();
}

void RowBoxes::set_text(std::string_view name, std::string_view text) {
    if (const int slot = layout_->slot(name); slot >= 0) {
        set(slot, text);
        return;
    }
    for (auto& [box, old] : others_) {
        if (box == name) {
            old.assign(text);
            return;
        }
    }
    others_.emplace_back(std::string(name), std::string(text));
}

void RowBoxes::set_verdict(std::string_view field, bool passed) {
    set_text(field, passed ? checks::kOk : checks::kNotOk);
}

void RowBoxes::clear_verdict(std::string_view field) {
    set_text(field, "");
}

void RowCells::read(const Record& record, const Header& header, bool windows1252) {
    const std::size_t n = std::min(record.size, header.columns.size());
    cells_.assign(header.columns.size(), std::string_view());
    if (windows1252 && decoded_.size() < n)
        decoded_.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const ColumnKind kind = header.columns[i].kind;
        if (kind == ColumnKind::Unknown || kind == ColumnKind::Result)
            continue;
        std::string_view cell = record[i];
        if (windows1252 && std::any_of(cell.begin(), cell.end(), [](char c) {
                return static_cast<unsigned char>(c) >= 0x80;
            })) {
            decoded_[i] = cp1252_to_utf8(cell);
            cell = decoded_[i];
        }
        cells_[i] = trim_blanks(cell);
    }
}

void fill_boxes(const WindowLayout& layout, const RowCells& cells, const SteelBoxes& steel,
                std::string_view series, const std::vector<std::string>* catalogue,
                bool catalogue_only, RowBoxes& boxes) {
    boxes.start(layout);
    if (layout.series_slot() >= 0)
        boxes.set(layout.series_slot(), series);
    const auto& panel = layout.panel();
    for (std::size_t i = 0; i < panel.size(); ++i)
        boxes.set(panel[i].slot,
                  catalogue ? std::string_view((*catalogue)[i]) : std::string_view());
    if (!catalogue_only) {
        for (const WindowLayout::Fed& p : panel) {
            if (p.column != kNoColumn && !cells[p.column].empty())
                boxes.set(p.slot, cells[p.column]);
        }
    }
    const std::string_view steel_texts[] = {steel.tipo, steel.fy, steel.fu};
    for (std::size_t i = 0; i < layout.steel().size(); ++i) {
        const WindowLayout::Fed& s = layout.steel()[i];
        const bool typed = s.column != kNoColumn && !cells[s.column].empty();
        boxes.set(s.slot, typed ? cells[s.column] : steel_texts[i]);
    }
    // An input the row leaves empty or lacks reads as the window shows it
    // before anything is typed.
    const auto& inputs = layout.inputs();
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const WindowLayout::Fed& input = inputs[i];
        const bool typed = input.column != kNoColumn && !cells[input.column].empty();
        boxes.set(input.slot,
                  typed ? cells[input.column] : checks::input_default(layout.window().inputs[i]));
    }
}

bool nothing_acts(const WindowLayout& layout, const RowCells& cells) {
    const auto& inputs = layout.inputs();
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (!is_action_or_length(layout.window().inputs[i]))
            continue;
        if (inputs[i].column != kNoColumn && !cells[inputs[i].column].empty())
            return false;
    }
    return true;
}

}  // namespace quintaro::lote
