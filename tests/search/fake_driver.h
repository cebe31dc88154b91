#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <numeric>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "checks/boxes.h"
#include "search/member_driver.h"

namespace quintaro::search::testing {

// One scripted catalogue row: what "Calcular" leaves in the working state on
// it, whether it raises the invalid-length flag or stops on a message.
struct FakeRow {
    std::string name;
    double peso = 0.0;
    double depth = 0.0;
    CheckValues values{};
    bool raises_flag = false;
    bool stops = false;
    std::vector<std::string> messages{};  // what its "Calcular" shows
};

// A window in miniature: action boxes, a catalogue in its natural order with
// the same cursor rules as a dBASE table (next on the last row leaves it
// current and sets the end; prior from there reaches the second-last), and a
// log of every call the search makes, in order.
class FakeDriver : public MemberDriver {
  public:
    explicit FakeDriver(std::vector<FakeRow> rows) : rows_(std::move(rows)) {
        order_.resize(rows_.size());
        std::iota(order_.begin(), order_.end(), 0);
    }

    std::map<std::string, std::string, std::less<>> boxes{{"R_Nd", "0,00"},
                                                          {"R_Vd", "0,00"},
                                                          {"R_Mdx", "0,00"},
                                                          {"R_Mdy", "0,00"},
                                                          {"R_Ntd", "0,00"}};
    std::string series_text;
    int flag = 0;
    std::vector<std::string> log;
    std::vector<std::string> checked;  // names of the rows "Calcular" ran on
    std::string order_name = "D";      // the default tag of the window

    std::string action_text(std::string_view box) const override {
        auto it = boxes.find(box);
        return it == boxes.end() ? std::string() : it->second;
    }
    // The panel shows the row's name and its weight as a number box does.
    std::string section_text(std::string_view box) const override {
        if (box == "R_Perfil")
            return current();
        std::string weight = std::to_string(current_row().peso);
        weight.erase(weight.find_last_not_of('0') + 1);
        if (weight.back() == '.')
            weight.pop_back();
        std::replace(weight.begin(), weight.end(), '.', ',');
        return weight;
    }
    std::vector<std::string> take_messages() override { return std::exchange(held_, {}); }
    std::string series() const override { return series_text; }
    void clear_invalid_length() override {
        log.push_back("clear");
        flag = 0;
    }
    bool set_index_tag(std::string_view tag) override {
        const std::string up = upper(tag);
        log.push_back("tag " + std::string(tag));
        if (up != "PESO" && up != "D")
            return false;
        reorder(up == "PESO" ? &FakeRow::peso : &FakeRow::depth);
        order_name = up;
        return true;
    }
    bool set_field_order(const std::vector<std::string>& fields) override {
        const std::string up = upper(fields.at(0));
        log.push_back("fields " + fields.at(0));
        if (up != "PESO" && up != "D")
            return false;
        reorder(up == "PESO" ? &FakeRow::peso : &FakeRow::depth);
        order_name = "fields " + up;
        return true;
    }
    Status first() override {
        log.push_back("first");
        pos_ = 0;
        eof_ = rows_.empty();
        return success();
    }
    Status next() override {
        log.push_back("next");
        if (pos_ + 1 >= static_cast<int>(rows_.size()))
            eof_ = true;
        else
            ++pos_;
        return success();
    }
    Status prior() override {
        log.push_back("prior");
        if (pos_ > 0)
            --pos_;
        eof_ = false;
        return success();
    }
    bool eof() const override { return eof_; }
    bool calculate() override {
        const FakeRow& row = current_row();
        log.push_back("calc " + row.name);
        checked.push_back(row.name);
        last_ = row.values;
        held_ = row.messages;
        if (row.raises_flag)
            flag = 1;
        return !row.stops;
    }
    CheckValues values() const override {
        CheckValues v = last_;
        v.invalid_length = flag;
        return v;
    }

    const FakeRow& current_row() const { return rows_.at(order_.at(pos_)); }
    std::string current() const { return rows_.empty() ? std::string() : current_row().name; }
    int count(std::string_view call) const {
        return static_cast<int>(std::count(log.begin(), log.end(), std::string(call)));
    }

  private:
    static std::string upper(std::string_view s) {
        std::string out(s);
        for (char& c : out)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return out;
    }
    // A new order keeps the current row.
    void reorder(double FakeRow::*key) {
        const int record = rows_.empty() ? -1 : order_.at(pos_);
        std::stable_sort(order_.begin(), order_.end(),
                         [&](int a, int b) { return rows_[a].*key < rows_[b].*key; });
        if (record >= 0)
            pos_ =
                static_cast<int>(std::find(order_.begin(), order_.end(), record) - order_.begin());
    }

    std::vector<FakeRow> rows_;
    std::vector<int> order_;
    int pos_ = 0;
    bool eof_ = false;
    CheckValues last_;
    std::vector<std::string> held_;
};

// Messages recorded instead of shown.
class RecordedMessages : public checks::Messages {
  public:
    std::vector<std::string> shown;
    void show(std::string_view text) override { shown.emplace_back(text); }
};

}  // namespace quintaro::search::testing
