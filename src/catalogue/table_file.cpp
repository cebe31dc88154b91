#include "catalogue/table_file.h"

#include <fcntl.h>
#include <shapefil.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace quintaro::catalogue {

namespace fs = std::filesystem;

namespace {

std::string error_reason(int error) {
    switch (error) {
        case ENOSPC:
            return "disco cheio";
        case EDQUOT:
            return "cota de disco esgotada";
        case EFBIG:
            return "o arquivo passaria do tamanho permitido";
        case EACCES:
        case EPERM:
            return "sem permissão de escrita";
        case EROFS:
            return "o disco é somente leitura";
        case EIO:
            return "erro de leitura ou gravação no disco";
        case ENOENT:
            return "o arquivo não existe mais";
        default:
            return std::strerror(error);
    }
}

// shapelib reaches the disk through these hooks, so that it opens exactly the
// file chosen (DBFOpen tries "<base>.dbf" and then "<base>.DBF", which could
// be the other of two names differing in case), ignores any .cpg beside it,
// and so that a failed write or close is noticed: DBFClose reports nothing.
struct IoState {
    std::string path;
    int first_error = 0;
};
thread_local IoState* t_io = nullptr;

FILE* as_file(SAFile f) {
    return reinterpret_cast<FILE*>(f);
}

void note_error(int error) {
    if (t_io != nullptr && t_io->first_error == 0)
        t_io->first_error = error != 0 ? error : EIO;
}

SAFile hook_open(const char* name, const char* access) {
    const std::string_view n(name);
    if (n.size() >= 4 && (n.substr(n.size() - 4) == ".cpg" || n.substr(n.size() - 4) == ".CPG"))
        return nullptr;
    FILE* f = std::fopen(t_io->path.c_str(), access);
    if (f == nullptr)
        note_error(errno);
    return reinterpret_cast<SAFile>(f);
}
SAOffset hook_read(void* p, SAOffset size, SAOffset count, SAFile f) {
    return std::fread(p, size, count, as_file(f));
}
SAOffset hook_write(void* p, SAOffset size, SAOffset count, SAFile f) {
    const SAOffset done = std::fwrite(p, size, count, as_file(f));
    if (done != count)
        note_error(errno);
    return done;
}
SAOffset hook_seek(SAFile f, SAOffset offset, int whence) {
    return static_cast<SAOffset>(std::fseek(as_file(f), static_cast<long>(offset), whence));
}
SAOffset hook_tell(SAFile f) {
    return static_cast<SAOffset>(std::ftell(as_file(f)));
}
int hook_flush(SAFile f) {
    const int r = std::fflush(as_file(f));
    if (r != 0)
        note_error(errno);
    return r;
}
int hook_close(SAFile f) {
    const int r = std::fclose(as_file(f));
    if (r != 0)
        note_error(errno);
    return r;
}
int hook_remove(const char*) {
    return -1;
}
void hook_error(const char*) {
    note_error(EIO);
}
// Never used: numbers are read from their text by decode_cell.
double hook_atof(const char*) {
    return 0.0;
}

// One DBF file opened through shapelib with the hooks above.
class DbfFile {
  public:
    DbfFile(const std::string& path, const char* access) : previous_(t_io) {
        io_.path = path;
        t_io = &io_;
        SAHooks hooks{hook_open,  hook_read,  hook_write,  hook_seek,  hook_tell,
                      hook_flush, hook_close, hook_remove, hook_error, hook_atof};
        handle_ = DBFOpenLL(path.c_str(), access, &hooks);
    }
    ~DbfFile() {
        close();
        t_io = previous_;
    }
    DbfFile(const DbfFile&) = delete;
    DbfFile& operator=(const DbfFile&) = delete;

    DBFHandle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    int error() const { return io_.first_error; }
    // Closes the file; the first error seen since opening, or 0.
    int close() {
        if (handle_ != nullptr)
            DBFClose(handle_);
        handle_ = nullptr;
        return io_.first_error;
    }

  private:
    IoState io_;
    IoState* previous_;
    DBFHandle handle_ = nullptr;
};

std::string read_failure(const std::string& path, int error) {
    const std::string reason = error != 0 && error != EIO
                                   ? error_reason(error)
                                   : "não é um arquivo dBASE válido ou está incompleto";
    return "Não foi possível ler a tabela \"" + path + "\": " + reason + ".";
}

std::vector<Field> read_fields(DBFHandle dbf) {
    std::vector<Field> fields;
    for (int i = 0; i < DBFGetFieldCount(dbf); ++i) {
        char name[XBASE_FLDNAME_LEN_READ + 1] = {};
        Field field;
        DBFGetFieldInfo(dbf, i, name, &field.width, &field.decimals);
        field.name = name;
        const char type = DBFGetNativeFieldType(dbf, i);
        field.kind = (type == 'N' || type == 'F') ? FieldKind::Number : FieldKind::Text;
        fields.push_back(std::move(field));
    }
    return fields;
}

bool read_record(DBFHandle dbf, const std::vector<Field>& fields, int index, Record& record) {
    record.deleted = DBFIsRecordDeleted(dbf, index) != 0;
    record.cells.reserve(fields.size());
    for (int f = 0; f < static_cast<int>(fields.size()); ++f) {
        const char* stored = DBFReadStringAttribute(dbf, index, f);
        if (stored == nullptr)
            return false;
        const std::string text(stored);  // the next call reuses shapelib's buffer
        const bool is_null = DBFIsAttributeNULL(dbf, index, f) != 0;
        record.cells.push_back(decode_cell(fields[static_cast<std::size_t>(f)], text, is_null));
    }
    return true;
}

// ---- Writing ---------------------------------------------------------------
//
// A post never writes into the table file itself. It copies the file beside
// it, applies the change to the copy through shapelib, reads the copy back to
// check that the record holds exactly the bytes meant, flushes it to the disk
// and only then renames it over the table. The rename is atomic, so the table
// holds either the old or the new contents, whatever fails on the way (full
// disk, failing device, a crash). The table itself must be writable: a
// read-only file is refused, though its folder would allow the rename.

std::string write_failure(const std::string& path, const std::string& reason) {
    return "Não foi possível gravar a tabela \"" + path + "\": " + reason +
           ". O arquivo não foi alterado.";
}

Result<Done> check_writable(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return success();
    }
    const int error = errno;
    if (error == EACCES || error == EPERM || error == EROFS || error == ETXTBSY) {
        return Status::failure("A tabela \"" + path +
                               "\" é somente leitura: a alteração não foi gravada.");
    }
    return Status::failure(write_failure(path, error_reason(error)));
}

bool copy_contents(int from, int to, off_t expected_size, int& error) {
    char buffer[1 << 16];
    off_t copied = 0;
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return (error = errno), false;
        if (got == 0)
            break;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, buffer + done, static_cast<std::size_t>(got - done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put < 0)
                return (error = errno), false;
            done += put;
        }
        copied += got;
    }
    if (copied != expected_size)
        return (error = EIO), false;
    return true;
}

// A copy of the table beside it, removed again unless committed.
class TableCopy {
  public:
    explicit TableCopy(std::string target) : target_(std::move(target)) {}
    ~TableCopy() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!path_.empty() && !committed_)
            ::unlink(path_.c_str());
    }
    TableCopy(const TableCopy&) = delete;
    TableCopy& operator=(const TableCopy&) = delete;

    const std::string& path() const { return path_; }

    // 0 on success, else the errno of what failed.
    int create() {
        struct stat st {};
        if (::stat(target_.c_str(), &st) != 0)
            return errno;
        const fs::path target(target_);
        // The copy must end in ".dbf": shapelib puts that extension on any name.
        std::string name =
            (target.parent_path() / ("." + target.stem().string() + "-XXXXXX.dbf")).string();
        fd_ = ::mkstemps(name.data(), 4);
        if (fd_ < 0)
            return errno;
        path_ = name;
        if (::fchmod(fd_, st.st_mode & 07777) != 0)
            return errno;
        if (::geteuid() == 0 && ::fchown(fd_, st.st_uid, st.st_gid) != 0) {
            // Keeping the owner is a courtesy; the contents are what matter.
        }
        const int source = ::open(target_.c_str(), O_RDONLY | O_CLOEXEC);
        if (source < 0)
            return errno;
        int error = 0;
        const bool copied = copy_contents(source, fd_, st.st_size, error);
        ::close(source);
        return copied ? 0 : error;
    }

    // Puts the copy in place of the table; 0 on success, else an errno.
    int commit() {
        if (::fsync(fd_) != 0)
            return errno;
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            return errno;
        if (::rename(path_.c_str(), target_.c_str()) != 0)
            return errno;
        committed_ = true;
        sync_folder();
        return 0;
    }

  private:
    void sync_folder() const {
        const std::string folder = fs::path(target_).parent_path().string();
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return;
        ::fsync(fd);  // the rename is done; failing to flush the folder loses nothing now
        ::close(fd);
    }

    std::string target_;
    std::string path_;
    int fd_ = -1;
    bool committed_ = false;
};

// What was written: the record, its bytes and how many records the file holds.
struct Written {
    int record = -1;
    std::string bytes;
    int record_count = 0;
};

void stamp_today(DBFHandle dbf) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    DBFSetLastModifiedDate(dbf, local.tm_year, local.tm_mon + 1, local.tm_mday);
}

// False when the file's fields no longer are the ones the values were made
// for (the file was restructured since it was read).
bool splice_fields(DBFHandle dbf, const RecordChange& change, std::string& bytes) {
    for (const auto& [field, value] : change.fields) {
        if (field < 0 || field >= DBFGetFieldCount(dbf))
            return false;
        const auto offset = static_cast<std::size_t>(dbf->panFieldOffset[field]);
        const auto width = static_cast<std::size_t>(dbf->panFieldSize[field]);
        if (value.size() != width || offset + width > bytes.size())
            return false;
        bytes.replace(offset, width, value);
    }
    return true;
}

Result<Written> apply_change(const std::string& copy, const RecordChange& change) {
    DbfFile dbf(copy, "rb+");
    if (!dbf)
        return Result<Written>::failure(error_reason(dbf.error() ? dbf.error() : EIO));
    const int count = DBFGetRecordCount(dbf.get());
    const auto length = static_cast<std::size_t>(dbf.get()->nRecordLength);
    Written out;
    out.record = change.record < 0 ? count : change.record;
    out.record_count = change.record < 0 ? count + 1 : count;
    if (out.record >= out.record_count) {
        return Result<Written>::failure("o registro não existe mais no arquivo");
    }
    if (change.record < 0) {
        out.bytes.assign(length, ' ');
    } else {
        const char* stored = DBFReadTuple(dbf.get(), out.record);
        if (stored == nullptr)
            return Result<Written>::failure(error_reason(EIO));
        out.bytes.assign(stored, length);
    }
    if (!splice_fields(dbf.get(), change, out.bytes))
        return Result<Written>::failure("os campos do arquivo mudaram desde que foi aberto");
    bool written = DBFWriteTuple(dbf.get(), out.record, out.bytes.data()) != 0;
    if (change.mark_deleted) {
        out.bytes[0] = '*';
        written = written && DBFMarkRecordDeleted(dbf.get(), out.record, 1) != 0;
    }
    stamp_today(dbf.get());
    const int error = dbf.close();
    if (!written || error != 0)
        return Result<Written>::failure(error_reason(error ? error : EIO));
    return out;
}

bool reads_back(const std::string& copy, const Written& written) {
    DbfFile dbf(copy, "rb");
    if (!dbf || DBFGetRecordCount(dbf.get()) != written.record_count)
        return false;
    const char* stored = DBFReadTuple(dbf.get(), written.record);
    return stored != nullptr && std::string_view(stored, written.bytes.size()) == written.bytes &&
           dbf.error() == 0;
}

}  // namespace

Result<TableContents> read_table_file(const std::string& path) {
    DbfFile dbf(path, "rb");
    if (!dbf)
        return Result<TableContents>::failure(read_failure(path, dbf.error()));
    TableContents contents;
    contents.fields = read_fields(dbf.get());
    const int count = DBFGetRecordCount(dbf.get());
    // Grown record by record: a damaged header may claim far more records
    // than the file holds, and reading stops at the first one missing.
    for (int r = 0; r < count; ++r) {
        Record record;
        if (!read_record(dbf.get(), contents.fields, r, record)) {
            return Result<TableContents>::failure(read_failure(path, EIO));
        }
        contents.records.push_back(std::move(record));
    }
    if (dbf.close() != 0)
        return Result<TableContents>::failure(read_failure(path, dbf.error()));
    return contents;
}

Result<int> write_record(const std::string& path, const RecordChange& change) {
    std::error_code ec;
    const std::string target = fs::canonical(path, ec).string();  // write beside the real file
    if (ec)
        return Result<int>::failure(write_failure(path, error_reason(ENOENT)));
    const Status writable = check_writable(target);
    if (!writable)
        return Result<int>::failure(writable.error());

    TableCopy copy(target);
    if (const int error = copy.create(); error != 0) {
        return Result<int>::failure(write_failure(path, error_reason(error)));
    }
    const auto written = apply_change(copy.path(), change);
    if (!written)
        return Result<int>::failure(write_failure(path, written.error()));
    if (!reads_back(copy.path(), *written)) {
        return Result<int>::failure(
            write_failure(path, "o que foi gravado não confere na releitura"));
    }
    if (const int error = copy.commit(); error != 0) {
        return Result<int>::failure(write_failure(path, error_reason(error)));
    }
    return written->record;
}

}  // namespace quintaro::catalogue
