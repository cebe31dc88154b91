#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "checks/boxes.h"

// The one map-backed Boxes of the tests and the benchmarks: a window without
// Qt. Header only, so that a benchmark built without the tests has it too.
namespace quintaro::testing {

// Boxes over a map: a box exists once it has been given a text, and a box
// that does not exist reads as "" (as a window reads a box it does not have).
// Verdicts keep their text and their colour.
class MapBoxes : public checks::Boxes {
  public:
    MapBoxes() = default;
    MapBoxes(std::initializer_list<std::pair<const std::string, std::string>> texts)
        : values(texts) {}

    bool has(std::string_view name) const override { return values.find(name) != values.end(); }
    std::string text(std::string_view name) const override {
        const auto it = values.find(name);
        return it == values.end() ? std::string() : it->second;
    }
    void set_text(std::string_view name, std::string_view text) override {
        values.insert_or_assign(std::string(name), std::string(text));
    }
    void set_verdict(std::string_view field, bool passed) override {
        set_text(field, passed ? checks::kOk : checks::kNotOk);
        colours_.insert_or_assign(std::string(field), passed ? "green" : "red");
    }
    // The text goes; the colour stays until the next verdict.
    void clear_verdict(std::string_view field) override { set_text(field, ""); }

    // "green", "red" or "" (never given a verdict).
    std::string colour(std::string_view field) const {
        const auto it = colours_.find(field);
        return it == colours_.end() ? std::string() : it->second;
    }
    // Sets several boxes at once.
    void set(std::initializer_list<std::pair<std::string, std::string>> texts) {
        for (const auto& [name, text] : texts)
            set_text(name, text);
    }

    // Every box by name, for a test or a benchmark to fill or read at once.
    std::map<std::string, std::string, std::less<>> values;

  private:
    std::map<std::string, std::string, std::less<>> colours_;
};

// Records every message in the order shown.
class RecordingMessages : public checks::Messages {
  public:
    void show(std::string_view text) override { shown.emplace_back(text); }
    std::vector<std::string> shown;
};

}  // namespace quintaro::testing
