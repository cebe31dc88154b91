#pragma once

#include <string>

namespace quintaro::catalogue {

// A lock on a table file, shared by readers and exclusive for a writer, held
// from the moment it is granted until the object goes away.
//
// The lock is flock(2) on the table file itself, not on a lock file beside
// it: a folder the user may not write to (the installed catalogues) still
// gets its readers' locks, and no extra file is left in the user's folder.
// flock rather than fcntl: an fcntl lock belongs to the process and is lost
// when the process closes any descriptor of the file (shapelib opens and
// closes the file on its own), and it does not keep out a second table of the
// same process; a flock lock belongs to this one open descriptor.
//
// A post replaces the file by renaming a finished copy over it, so the name
// may stand for a new file by the time a lock on the old one is granted. The
// lock is therefore re-checked once granted: when the name no longer leads to
// the locked file, the lock is dropped and taken again on the file the name
// leads to now. A writer holds its exclusive lock until after the rename, so
// whoever locks the name next sees the writer's change.
class TableLock {
  public:
    enum class Mode { Shared, Exclusive };

    TableLock() = default;
    ~TableLock();
    TableLock(TableLock&& other) noexcept;
    TableLock& operator=(TableLock&& other) noexcept;
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;

    // Opens `path` for reading and locks it, waiting while another holds a
    // lock that excludes this one, up to kWaitSeconds. 0 on success, else the
    // errno of what failed (ETIMEDOUT when the wait ran out).
    int acquire(const std::string& path, Mode mode);
    // Takes an exclusive lock only if no one holds any lock now; false if one
    // does or the file cannot be opened.
    bool try_exclusive(const std::string& path);

    // The locked file, open for reading (-1 when not locked).
    int fd() const { return fd_; }
    void release();

    static constexpr int kWaitSeconds = 10;

  private:
    int lock(const std::string& path, Mode mode, bool wait);
    int fd_ = -1;
};

// The name of the copy a post writes beside the table and renames over it:
// ".<name without extension>-XXXXXX.dbf", as mkstemps(3) expects it (the six
// X become letters and digits; the copy must end in ".dbf" for shapelib).
std::string copy_template(const std::string& table_path);

// Removes what a post killed between its copy and its rename left beside
// `table_path`: regular files whose name matches copy_template exactly and
// that no writer holds locked (a writer locks its copy from its creation
// until after the rename). Call with the table locked exclusively, so that no
// post of this table is under way. Failing to remove one is not an error.
void remove_leftover_copies(const std::string& table_path);

}  // namespace quintaro::catalogue
