#pragma once

#include <compare>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tw {

// A file that could not be read or written. `what()` names the file and the
// reason, as the program logs or shows it.
class file_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The largest file the program reads: far beyond any file of its own, and
// small enough that reading one never runs it out of memory.
inline constexpr std::int64_t max_file_megabytes = 64;
inline constexpr std::int64_t max_file_bytes = max_file_megabytes * 1024 * 1024;

// A file larger than max_file_bytes, which is not read and so never written over.
class file_too_large : public file_error {
public:
    explicit file_too_large(const std::filesystem::path& file);
    // The file, in UTF-8.
    const std::string& file() const { return file_; }

private:
    std::string file_;
};

// What tells one version of a file from another: another writer's atomic
// replace shows as a new file identity even within one time-stamp tick, and
// an edit in place whose time stamp was set back (cp -p, rsync, unzip) as a
// new change time, which no tool can set.
struct file_stamp {
    std::uint64_t device = 0;
    std::uint64_t identity = 0;
    std::int64_t size = 0;
    std::int64_t modified_ns = 0;
    std::int64_t changed_ns = 0;

    bool operator==(const file_stamp&) const = default;
};

// True when `file` is a regular file this process can open for reading.
// Never blocks: a FIFO or a device in its place is no file.
bool is_readable_file(const std::filesystem::path& file);

// The stamp of `file`; all zero when there is none.
file_stamp stamp_of(const std::filesystem::path& file);

// The whole file and its stamp; std::nullopt when there is no file. Throws
// file_error when it exists but cannot be read (a folder, no permission), and
// file_too_large for one over max_file_bytes.
std::optional<std::string> read_whole_file(const std::filesystem::path& file, file_stamp& stamp);

// Writes a temp file beside `file`, flushes it to disk and renames it over
// `file`, so readers and crashes see the old bytes or the new, never a mix.
// A symbolic link stays: its target is replaced, beside the target. The file
// keeps its permissions and, where the process may give it away, its owner.
// A read-only file is refused. Throws file_error; `file` is then unchanged.
file_stamp replace_file(const std::filesystem::path& file, std::string_view bytes);

// The end of a file that an append goes after.
struct file_end {
    bool empty = true;      // the file holds nothing yet
    std::string last_line;  // the bytes after its last line feed; "" when it ends with one
};

// How much of a file's end append_to_file looks at for its last line: far
// more than any record of the program's is long.
inline constexpr std::int64_t last_line_bytes = std::int64_t{64} * 1024;

// The end of a file whose last bytes are `tail` (up to last_line_bytes).
file_end file_end_from_tail(std::string_view tail, bool empty);

// Appends to `file`, created when missing, all or nothing: a write that fails
// part-way (a full disk) is cut back to the old size, so no partial record
// stays to be glued to the next one. Appends of other instances wait for
// each other (bounded_lock), so a cut-back never takes another's record; one
// that another process keeps locked past lock_patience counts as unwritable.
// `bytes_for` is given the file's end and returns what to append. Only a
// regular file is written: a FIFO or a device in its place counts as
// unwritable and nothing waits on it. Throws file_error; `file` is then unchanged.
void append_to_file(const std::filesystem::path& file,
                    const std::function<std::string(const file_end& end)>& bytes_for);

// Removes the temp files a write of `file` left behind when its process was
// killed. A temp file of a live process, this one included, stays: it may
// still be written. replace_file() calls this after each write; call it too
// when a file is first opened.
void remove_stale_temp_files(const std::filesystem::path& file);

}  // namespace tw
