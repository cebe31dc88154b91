#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "checks/boxes.h"

namespace quintaro::testing {

// Boxes over a map: a box exists once it has been given a text. Verdicts are
// kept as their text and colour so that tests can read both.
class MapBoxes : public checks::Boxes {
  public:
    MapBoxes() = default;
    MapBoxes(std::initializer_list<std::pair<const std::string, std::string>> texts)
        : texts_(texts) {}

    bool has(std::string_view name) const override { return texts_.count(std::string(name)) > 0; }
    std::string text(std::string_view name) const override {
        const auto it = texts_.find(std::string(name));
        return it == texts_.end() ? std::string() : it->second;
    }
    void set_text(std::string_view name, std::string_view text) override {
        texts_[std::string(name)] = std::string(text);
    }
    void set_verdict(std::string_view field, bool passed) override {
        texts_[std::string(field)] = std::string(passed ? checks::kOk : checks::kNotOk);
        colours_[std::string(field)] = passed ? "green" : "red";
    }
    void clear_verdict(std::string_view field) override { texts_[std::string(field)].clear(); }

    // "green", "red" or "" (never given a verdict).
    std::string colour(std::string_view field) const {
        const auto it = colours_.find(std::string(field));
        return it == colours_.end() ? std::string() : it->second;
    }
    // Sets several boxes at once.
    void set(std::initializer_list<std::pair<std::string, std::string>> texts) {
        for (const auto& [name, value] : texts)
            texts_[name] = value;
    }

  private:
    std::map<std::string, std::string> texts_;
    std::map<std::string, std::string> colours_;
};

// Records every message in the order shown.
class RecordingMessages : public checks::Messages {
  public:
    void show(std::string_view text) override { shown.emplace_back(text); }
    std::vector<std::string> shown;
};

}  // namespace quintaro::testing
