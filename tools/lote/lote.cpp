#include "lote.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "batch.h"
#include "catalogue_source.h"
#include "columns.h"

namespace quintaro::lote {
namespace {

namespace fs = std::filesystem;

std::string system_error(int error) {
    return std::strerror(error);
}

// A hidden file in `folder`, open for reading and writing; removed when
// dropped unless it was put in its target's place.
class TemporaryFile {
  public:
    static Result<std::unique_ptr<TemporaryFile>> create(const fs::path& folder,
                                                         const std::string& stem) {
        std::string name = (folder / ("." + stem + "-XXXXXX")).string();
        const int fd = ::mkstemp(name.data());
        if (fd < 0) {
            return Result<std::unique_ptr<TemporaryFile>>::failure(
                "não foi possível criar um arquivo em '" + folder.string() +
                "': " + system_error(errno));
        }
        ::close(fd);
        auto file = std::unique_ptr<TemporaryFile>(new TemporaryFile(name));
        file->stream.open(name, std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
        if (!file->stream) {
            return Result<std::unique_ptr<TemporaryFile>>::failure("não foi possível abrir '" +
                                                                   name + "'");
        }
        return file;
    }
    ~TemporaryFile() {
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Removes its name at once: the open stream keeps the file until it is
    // dropped, and nothing is left behind if the process is killed.
    void unlink() {
        ::unlink(path_.c_str());
        path_.clear();
    }

    // Writes it out, gives it the permissions `target` has (a new file's
    // when it does not exist) and puts it in the place of `target`.
    Status replace(const std::string& target) {
        stream.flush();
        const bool written = static_cast<bool>(stream);
        stream.close();
        if (!written || stream.fail())
            return Status::failure("erro ao gravar '" + target + "'");
        const int fd = ::open(path_.c_str(), O_RDONLY);
        const bool synced = fd >= 0 && ::fsync(fd) == 0;
        const int sync_error = errno;
        if (fd >= 0)
            ::close(fd);
        if (!synced)
            return Status::failure("erro ao gravar '" + target + "': " + system_error(sync_error));
        struct stat existing {};
        mode_t mode = 0;
        if (::stat(target.c_str(), &existing) == 0) {
            mode = existing.st_mode & 07777;
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode = 0666 & ~mask;
        }
        ::chmod(path_.c_str(), mode);
        if (::rename(path_.c_str(), target.c_str()) != 0) {
            return Status::failure("não foi possível gravar '" + target +
                                   "': " + system_error(errno));
        }
        path_.clear();
        return success();
    }

    std::fstream stream;

  private:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    std::string path_;
};

// The batch reads its input twice. A file or a redirected standard input can
// seek back; a pipe is first copied to an unnamed temporary file.
Result<std::unique_ptr<TemporaryFile>> spool(std::istream& in) {
    std::error_code ec;
    fs::path folder = fs::temp_directory_path(ec);
    if (ec)
        folder = "/tmp";
    auto file = TemporaryFile::create(folder, "quintaro-lote-entrada");
    if (!file)
        return file;
    file.value()->unlink();
    std::fstream& copy = file.value()->stream;
    if (in.peek() != std::char_traits<char>::eof())
        copy << in.rdbuf();
    if (in.bad() || !copy) {
        return Result<std::unique_ptr<TemporaryFile>>::failure("erro ao ler a entrada padrão");
    }
    copy.seekg(0);
    return file;
}

}  // namespace

std::string report_file_stem(int row, std::string_view window, std::string_view designation) {
    std::string number = std::to_string(row);
    if (number.size() < 4)
        number.insert(0, 4 - number.size(), '0');
    std::string name = number + "-" + std::string(window) + "-";
    for (char c : trim_blanks(designation)) {
        const bool unsafe = c == ' ' || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' ||
                            c == '"' || c == '<' || c == '>' || c == '|' ||
                            static_cast<unsigned char>(c) < 0x20;
        name += unsafe ? '_' : c;
    }
    return name;
}

int run(const std::vector<std::string>& args, const std::string& default_tables, std::istream& in,
        std::ostream& out, std::ostream& err, const RowReportsFactory& make_reports) {
    if (std::find(args.begin(), args.end(), "--help") != args.end() ||
        std::find(args.begin(), args.end(), "-h") != args.end()) {
        out << usage();
        return 0;
    }
    const auto fail = [&err](const std::string& reason) {
        err << "quintaro-lote: " << reason << "\n";
        return 2;
    };
    auto options = parse_command_line(args, default_tables);
    if (!options) {
        err << "quintaro-lote: " << options.error() << "\n" << usage();
        return 2;
    }

    std::ifstream file;
    std::unique_ptr<TemporaryFile> spooled;
    std::istream* input = &in;
    if (options->input != "-") {
        file.open(options->input, std::ios::binary);
        if (!file)
            return fail("não foi possível abrir '" + options->input + "': " + system_error(errno));
        input = &file;
    } else if (in.tellg() == std::istream::pos_type(-1)) {
        in.clear();
        auto copied = spool(in);
        if (!copied)
            return fail(copied.error());
        spooled = std::move(copied.value());
        input = &spooled->stream;
    }

    auto steel = load_steel(options->tables_dir, options->steel);
    if (!steel)
        return fail(steel.error());
    std::unique_ptr<RowReports> reports;
    if (!options->reports_dir.empty()) {
        if (!make_reports)
            return fail("relatórios não disponíveis nesta versão");
        auto made = make_reports(*options);
        if (!made)
            return fail(made.error());
        reports = std::move(made.value());
    }

    // A named output appears only whole: it is written beside its place and
    // renamed there when the batch is done.
    std::unique_ptr<TemporaryFile> output;
    if (options->output != "-") {
        const fs::path target(options->output);
        std::error_code ec;
        if (fs::is_directory(target, ec))
            return fail("'" + options->output + "' é uma pasta, não um arquivo");
        const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
        auto made = TemporaryFile::create(folder, target.filename().string());
        if (!made)
            return fail(made.error());
        output = std::move(made.value());
    }
    std::ostream& destination = output ? static_cast<std::ostream&>(output->stream) : out;

    Catalogues catalogues(options->tables_dir);
    const BatchSettings settings{*steel, catalogues, options->lightest, reports.get(),
                                 options->standard};
    auto batch = run_batch(*input, destination, err, settings);
    if (!batch)
        return fail(batch.error());
    if (!batch->interrupted.empty()) {
        return fail(batch->interrupted +
                    (output ? "; '" + options->output + "' não foi gravado"
                            : "; a saída padrão está incompleta (" + std::to_string(batch->rows) +
                                  " linhas escritas)"));
    }
    if (output) {
        if (Status replaced = output->replace(options->output); !replaced)
            return fail(replaced.error());
    }
    if (batch->rows == 0) {
        err << "quintaro-lote: a entrada não tem linhas de membros, só o cabeçalho\n";
        return 1;
    }
    return batch->all_checked ? 0 : 1;
}

}  // namespace quintaro::lote
