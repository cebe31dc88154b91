#pragma once

#include <string>
#include <string_view>

namespace quintaro::checks {

// Verdict texts, as the verdict fields show them.
inline constexpr std::string_view kOk = "Ok!";         // in green (0, 128, 0)
inline constexpr std::string_view kNotOk = "Não Ok!";  // in red (255, 0, 0)

// The named boxes a check reads and writes, by the names the user's window
// gives them (objectNames): inputs ("R_Nd", "Compri_x"), the catalogue panel
// ("R_bf", "R_Ix"), results ("R_RdNd") and verdict fields ("resposta1"). The
// steel grade window's boxes are reached through the same interface under their
// own names: "tipo_aco", "fy_aco", "fu_aco". Texts are UTF-8.
//
// The member window implements it over its QLineEdits, quintaro-lote over one
// CSV row, the tests over a map.
class Boxes {
  public:
    virtual ~Boxes() = default;
    virtual bool has(std::string_view name) const = 0;
    virtual std::string text(std::string_view name) const = 0;
    virtual void set_text(std::string_view name, std::string_view text) = 0;
    // Writes "Ok!" in green or "Não Ok!" in red into a verdict field.
    virtual void set_verdict(std::string_view field, bool passed) = 0;
    // Empties a verdict field's text; its colour stays until the next verdict.
    virtual void clear_verdict(std::string_view field) = 0;
    // What the user calls the box, for a message about it: the window's label
    // ("Lflx" for "Compri_x"); by default its name, as a batch file's column.
    virtual std::string label(std::string_view name) const { return std::string(name); }
};

// Modal messages. The text holds its line breaks as '\n'; the call returns
// when the user has closed the message (at once for the batch tool and tests).
class Messages {
  public:
    virtual ~Messages() = default;
    virtual void show(std::string_view text) = 0;
};

}  // namespace quintaro::checks
