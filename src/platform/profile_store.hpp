#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/file_io.hpp"
#include "platform/ini_document.hpp"

namespace tw {

// A failed write of an INI file; `what()` names the file and the reason.
using profile_error = file_error;

// Reads and writes INI files on disk through ini_document. Paths are UTF-8.
// Every write replaces the file atomically (a temp file beside it, flushed,
// then renamed over it), so a crash or a full disk never leaves half a file.
// A write holds the file's lock (file_lock) from its read to its replace, so
// two writers never base their changes on the same old file. Reads are
// served from a cache while the file's stamp (identity, size, modification
// and change time) is unchanged. A missing or unreadable file reads as
// empty; one too large to read is never written.
class profile_store {
public:
    // Told once about each version of a file too large to read, outside
    // every call's lock, so it may show a box that lets events run.
    std::function<void(const file_too_large&)> on_too_large;

    std::string read(const std::string& file, std::string_view section, std::string_view key);

    // Stores one key (std::nullopt deletes it); writing to a missing file
    // creates it; a write that changes nothing leaves the file alone.
    // Throws profile_error when the file cannot be written; it is then left as it was.
    void write(const std::string& file, std::string_view section, std::string_view key,
               const std::optional<std::string>& value);

    // Lets `look` read the file's document without copying or writing it; a
    // missing or unreadable file shows as empty.
    void view(const std::string& file, const std::function<void(const ini_document&)>& look);

    // Runs `edit` on the file's document and writes the result once, with
    // the same bytes on disk as the same reads and writes made key by key.
    // Returns the stamp of the file the edit left. Throws profile_error like write().
    file_stamp batch(const std::string& file, const std::function<void(ini_document&)>& edit);

    // How many times this store has replaced a file, so a caller can check
    // that one operation cost one write.
    std::size_t files_written() const { return files_written_; }

private:
    struct cached_file {
        file_stamp stamp;
        ini_document document;
    };

    cached_file& load(const std::string& file);
    // load(), with a file too large to read noted in `refusal` when it is
    // a version not told about yet.
    cached_file& load_noting_refusal(const std::string& file,
                                     std::optional<file_too_large>& refusal);
    void tell_refusal(const std::optional<file_too_large>& refusal) const;
    file_stamp update(const std::string& file, const std::function<bool(ini_document&)>& edit);
    file_stamp locked_update(const std::string& file,
                             const std::function<bool(ini_document&)>& edit,
                             std::optional<file_too_large>& refusal);

    // Held for every call, so `edit` in batch() must not call this store.
    std::mutex mutex_;
    std::unordered_map<std::string, cached_file> cache_;   // by path as given
    std::unordered_map<std::string, file_stamp> refused_;  // the versions told about
    std::size_t files_written_ = 0;
};

}  // namespace tw
