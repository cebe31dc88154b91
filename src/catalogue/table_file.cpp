#include "catalogue/table_file.h"

#include <fcntl.h>
#include <pthread.h>
#include <shapefil.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "catalogue/dbf_layout.h"
#include "catalogue/table_lock.h"

namespace quintaro::catalogue {

namespace fs = std::filesystem;

namespace {

// What failed, in the user's words. Permission is told apart by what was
// being done: a table that cannot be read is not a read-only one.
enum class Doing { Reading, Writing };

std::string error_reason(int error, Doing doing = Doing::Writing) {
    switch (error) {
        case ENOSPC:
            return "disco cheio";
        case EDQUOT:
            return "cota de disco esgotada";
        case EFBIG:
            return "o arquivo passaria do tamanho permitido";
        case EACCES:
        case EPERM:
            return doing == Doing::Reading ? "sem permissão de leitura"
                                           : "sem permissão de escrita";
        case ETIMEDOUT:
            return "outro programa mantém a tabela bloqueada há mais de " +
                   std::to_string(TableLock::kWaitSeconds) + " segundos";
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
    std::string_view memory;  // when not empty, the file's bytes, read earlier
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
    FILE* f = t_io->memory.empty()
                  ? std::fopen(t_io->path.c_str(), access)
                  : ::fmemopen(const_cast<char*>(t_io->memory.data()), t_io->memory.size(), "rb");
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
// A seek writes out what the stream buffered: a full disk may show here first.
SAOffset hook_seek(SAFile f, SAOffset offset, int whence) {
    const int r = std::fseek(as_file(f), static_cast<long>(offset), whence);
    if (r != 0)
        note_error(errno);
    return static_cast<SAOffset>(r);
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
    if (std::ferror(as_file(f)) != 0)
        note_error(EIO);  // a failure shapelib did not look at
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
    // `memory`, when not empty, holds the file's bytes: shapelib reads them
    // instead of the file at `path`.
    DbfFile(const std::string& path, const char* access, std::string_view memory = {})
        : previous_(t_io) {
        io_.path = path;
        io_.memory = memory;
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

std::string read_failure(const std::string& path, const std::string& reason) {
    return "Não foi possível ler a tabela \"" + path + "\": " + reason + ".";
}

constexpr const char* kNotATable = "não é um arquivo dBASE válido ou está incompleto";

std::string read_failure(const std::string& path, int error) {
    return read_failure(
        path, error != 0 && error != EIO ? error_reason(error, Doing::Reading) : kNotATable);
}

std::string damage(const std::string& what) {
    return "a tabela está danificada: " + what;
}

// The whole of an open file; 0 or the errno of the failed read.
int read_all(int fd, std::string& bytes) {
    bytes.clear();
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return 0;
        bytes.append(buffer, static_cast<std::size_t>(got));
        at += got;
    }
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

// A table's bytes, checked, as fields and records; the failure is the reason
// alone, without the file's name.
Result<TableContents> parse_table(const std::string& path, const std::string& bytes) {
    const auto layout = check_layout(bytes);
    if (!layout)
        return Result<TableContents>::failure(damage(layout.error()));
    // The bytes are in memory: what shapelib may still refuse is the format.
    DbfFile dbf(path, "rb", bytes);
    if (!dbf)
        return Result<TableContents>::failure(kNotATable);
    TableContents contents;
    contents.fields = read_fields(dbf.get());
    const int count = DBFGetRecordCount(dbf.get());
    contents.records.reserve(static_cast<std::size_t>(count));
    for (int r = 0; r < count; ++r) {
        Record record;
        if (!read_record(dbf.get(), contents.fields, r, record))
            return Result<TableContents>::failure(kNotATable);
        contents.records.push_back(std::move(record));
    }
    if (dbf.close() != 0)
        return Result<TableContents>::failure(kNotATable);
    return contents;
}

// ---- Writing ---------------------------------------------------------------
//
// A post never writes into the table file itself. Holding the table locked
// exclusively, it re-reads the file as it is now, writes that into a copy
// beside it, applies the change to the copy through shapelib, reads the copy
// back to check that the record holds exactly the bytes meant and that the
// whole table still reads, flushes it to the disk and only then renames it
// over the table, and lets go of the lock. The rename is atomic, so the table
// holds either the old or the new contents, whatever fails on the way (full
// disk, failing device, a crash); and as every writer re-reads under the
// lock, no post overwrites another's. The table itself must be writable: a
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

// A write past the process's file-size limit (ulimit -f) raises SIGXFSZ,
// whose default action ends the program with nothing saved and nothing said.
// A post blocks that signal in its own thread while it writes, so that the
// write fails with EFBIG instead and is told like a full disk; the signal the
// write raised is taken off again before the thread's mask is restored. This
// changes nothing for the rest of the process, whose own handling of SIGXFSZ
// (if it ignores or catches it) stays as it set it.
class FileSizeSignalGuard {
  public:
    FileSizeSignalGuard() {
        sigemptyset(&xfsz_);
        sigaddset(&xfsz_, SIGXFSZ);
        pthread_sigmask(SIG_BLOCK, &xfsz_, &previous_);
    }
    ~FileSizeSignalGuard() {
        if (sigismember(&previous_, SIGXFSZ) == 0) {
            sigset_t pending;
            const timespec now{};
            while (sigpending(&pending) == 0 && sigismember(&pending, SIGXFSZ) == 1 &&
                   sigtimedwait(&xfsz_, nullptr, &now) == SIGXFSZ) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    FileSizeSignalGuard(const FileSizeSignalGuard&) = delete;
    FileSizeSignalGuard& operator=(const FileSizeSignalGuard&) = delete;

  private:
    sigset_t xfsz_{};
    sigset_t previous_{};
};

int write_all(int fd, const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return errno;
        done += static_cast<std::size_t>(put);
    }
    return 0;
}

// A copy of the table beside it, removed again unless committed. The copy is
// locked from its creation until it is closed, which tells the clean-up of
// leftover copies (remove_leftover_copies) that a writer is at work on it.
class TableCopy {
  public:
    explicit TableCopy(std::string target) : target_(std::move(target)) {}
    ~TableCopy() {
        if (!path_.empty() && !committed_)
            ::unlink(path_.c_str());
        if (fd_ >= 0)
            ::close(fd_);
    }
    TableCopy(const TableCopy&) = delete;
    TableCopy& operator=(const TableCopy&) = delete;

    const std::string& path() const { return path_; }
    int fd() const { return fd_; }

    // Writes `bytes` into a new copy; 0 on success, else the errno of what failed.
    int create(const std::string& bytes) {
        struct stat st {};
        if (::stat(target_.c_str(), &st) != 0)
            return errno;
        std::string name = copy_template(target_);
        fd_ = ::mkstemps(name.data(), 4);
        if (fd_ < 0)
            return errno;
        path_ = name;
        if (::flock(fd_, LOCK_EX) != 0)
            return errno;
        if (::fchmod(fd_, st.st_mode & 07777) != 0)
            return errno;
        if (::geteuid() == 0 && ::fchown(fd_, st.st_uid, st.st_gid) != 0) {
            // Keeping the owner is a courtesy; the contents are what matter.
        }
        return write_all(fd_, bytes);
    }

    // Puts the copy in place of the table; 0 on success, else an errno.
    int commit() {
        if (::fsync(fd_) != 0)
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

bool same_fields(const std::vector<Field>& now, const std::vector<Field>& read) {
    if (read.empty())
        return true;
    if (now.size() != read.size())
        return false;
    for (std::size_t f = 0; f < now.size(); ++f) {
        if (now[f].name != read[f].name || now[f].kind != read[f].kind ||
            now[f].width != read[f].width || now[f].decimals != read[f].decimals) {
            return false;
        }
    }
    return true;
}

// False when the file's fields no longer are the ones the values were made
// for (the file was restructured since it was read).
bool splice_fields(DBFHandle dbf, const RecordChange& change, std::string& bytes) {
    if (!same_fields(read_fields(dbf), change.fields_read))
        return false;
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
        if (out.bytes[0] == '*' && !change.mark_deleted) {
            return Result<Written>::failure(
                "o registro foi apagado por outra janela ou outro programa depois de lido");
        }
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

// The copy as the table will read once it is in place, after checking that it
// holds the record as meant.
Result<TableContents> read_back(const TableCopy& copy, const Written& written) {
    std::string bytes;
    if (const int error = read_all(copy.fd(), bytes); error != 0)
        return Result<TableContents>::failure(error_reason(error, Doing::Reading));
    const auto layout = check_layout(bytes);
    const auto length = written.bytes.size();
    const bool holds = layout && layout->record_count == written.record_count &&
                       bytes.compare(static_cast<std::size_t>(layout->header_length) +
                                         static_cast<std::size_t>(written.record) * length,
                                     length, written.bytes) == 0;
    if (!holds)
        return Result<TableContents>::failure("o que foi gravado não confere na releitura");
    return parse_table(copy.path(), bytes);
}

}  // namespace

Result<TableContents> read_table_file(const std::string& path, Leftovers leftovers) {
    TableLock lock;
    std::error_code ec;
    const std::string real = fs::canonical(path, ec).string();
    if (leftovers == Leftovers::Remove && !ec && lock.try_exclusive(real)) {
        remove_leftover_copies(real);
    } else if (const int error = lock.acquire(path, TableLock::Mode::Shared); error != 0) {
        return Result<TableContents>::failure(read_failure(path, error));
    }
    std::string bytes;
    if (const int error = read_all(lock.fd(), bytes); error != 0)
        return Result<TableContents>::failure(read_failure(path, error));
    lock.release();
    auto contents = parse_table(path, bytes);
    if (!contents)
        return Result<TableContents>::failure(read_failure(path, contents.error()));
    return contents;
}

Result<WrittenRecord> write_record(const std::string& path, const RecordChange& change) {
    using Outcome = Result<WrittenRecord>;
    const FileSizeSignalGuard file_size_signal;
    std::error_code ec;
    const std::string target = fs::canonical(path, ec).string();  // write beside the real file
    if (ec)
        return Outcome::failure(write_failure(path, error_reason(ENOENT)));
    TableLock lock;
    if (const int error = lock.acquire(target, TableLock::Mode::Exclusive); error != 0)
        return Outcome::failure(write_failure(path, error_reason(error, Doing::Reading)));
    const Status writable = check_writable(target);
    if (!writable)
        return Outcome::failure(writable.error());

    std::string current;
    if (const int error = read_all(lock.fd(), current); error != 0)
        return Outcome::failure(write_failure(path, error_reason(error, Doing::Reading)));
    if (const auto layout = check_layout(current); !layout)
        return Outcome::failure(write_failure(path, damage(layout.error())));

    TableCopy copy(target);
    if (const int error = copy.create(current); error != 0)
        return Outcome::failure(write_failure(path, error_reason(error)));
    const auto written = apply_change(copy.path(), change);
    if (!written)
        return Outcome::failure(write_failure(path, written.error()));
    auto contents = read_back(copy, *written);
    if (!contents)
        return Outcome::failure(write_failure(path, contents.error()));
    if (const int error = copy.commit(); error != 0)
        return Outcome::failure(write_failure(path, error_reason(error)));
    return WrittenRecord{written->record, std::move(contents).value()};
}

}  // namespace quintaro::catalogue
