// Finding a table by bare file name.
#include "catalogue/table_file.h"

#include <algorithm>
#include <filesystem>

namespace quintaro::catalogue {

namespace fs = std::filesystem;

namespace {

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool same_name_any_case(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

std::string find_in_folder(const fs::path& folder, std::string_view file_name) {
    std::vector<std::string> matches;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code type_ec;
        if (same_name_any_case(name, file_name) && fs::is_regular_file(it->path(), type_ec)) {
            matches.push_back(name);
        }
    }
    if (matches.empty())
        return {};
    std::sort(matches.begin(), matches.end());
    return (folder / matches.front()).string();
}

}  // namespace

Result<std::string> locate_table(std::string_view file_name, const TableLocation& where) {
    std::vector<fs::path> folders;
    std::error_code ec;
    folders.push_back(where.working_folder.empty() ? fs::current_path(ec)
                                                   : fs::path(where.working_folder));
    if (!where.user_data_folder.empty())
        folders.emplace_back(where.user_data_folder);

    const bool bare = !file_name.empty() && file_name.find('/') == std::string_view::npos;
    std::string searched;
    for (const auto& folder : folders) {
        if (bare) {
            std::string found = find_in_folder(folder, file_name);
            if (!found.empty())
                return found;
        }
        searched += (searched.empty() ? "\"" : ", \"") + folder.string() + "\"";
    }
    return Result<std::string>::failure("Tabela \"" + std::string(file_name) +
                                        "\" não encontrada. Procurada em: " + searched + ".");
}

}  // namespace quintaro::catalogue
