#include "platform/profile_store.hpp"

#include "platform/bounded_lock.hpp"
#include "platform/path_rules.hpp"

namespace tw {

std::string profile_store::read(const std::string& file, std::string_view section,
                                std::string_view key) {
    std::string value;
    view(file, [&](const ini_document& document) { value = document.read(section, key); });
    return value;
}

void profile_store::view(const std::string& file,
                         const std::function<void(const ini_document&)>& look) {
    std::optional<file_too_large> refusal;
    {
        const std::lock_guard lock(mutex_);
        static const ini_document empty;
        const ini_document* document = &empty;
        try {
            document = &load_noting_refusal(file, refusal).document;
        } catch (const profile_error&) {
        }
        look(*document);
    }
    tell_refusal(refusal);
}

void profile_store::write(const std::string& file, std::string_view section, std::string_view key,
                          const std::optional<std::string>& value) {
    update(file, [&](ini_document& document) { return document.write(section, key, value); });
}

file_stamp profile_store::batch(const std::string& file,
                                const std::function<void(ini_document&)>& edit) {
    return update(file, [&](ini_document& document) {
        const std::string before = document.bytes();
        edit(document);
        return document.bytes() != before;
    });
}

// The cached document while stat() reports the file unchanged, else the file read afresh.
// Throws profile_error when the file exists but cannot be read.
profile_store::cached_file& profile_store::load(const std::string& file) {
    const std::filesystem::path path = file_path(file);
    const file_stamp now = stamp_of(path);
    const auto found = cache_.find(file);
    if (found != cache_.end() && found->second.stamp == now) return found->second;
    if (found == cache_.end()) remove_stale_temp_files(file);  // left by a crash before this run
    file_stamp read_stamp;
    auto bytes = read_whole_file(path, read_stamp);
    cached_file fresh{read_stamp, ini_document(std::move(bytes).value_or(std::string()))};
    return cache_.insert_or_assign(file, std::move(fresh)).first->second;
}

profile_store::cached_file& profile_store::load_noting_refusal(
    const std::string& file, std::optional<file_too_large>& refusal) {
    try {
        return load(file);
    } catch (const file_too_large& error) {
        const file_stamp now = stamp_of(file_path(file));
        const auto told = refused_.find(file);
        if (told == refused_.end() || told->second != now) refusal = error;
        refused_.insert_or_assign(file, now);
        throw;
    }
}

void profile_store::tell_refusal(const std::optional<file_too_large>& refusal) const {
    if (refusal && on_too_large) on_too_large(*refusal);
}

// A refusal is told once both locks are let go: telling may show a box, and
// the events it lets run may use this store and the file.
file_stamp profile_store::update(const std::string& file,
                                 const std::function<bool(ini_document&)>& edit) {
    std::optional<file_too_large> refusal;
    try {
        return locked_update(file, edit, refusal);
    } catch (const file_too_large&) {
        tell_refusal(refusal);
        throw;
    }
}

// Runs `edit` on the file's document and, when it reports a change, replaces
// the file. A file that cannot be read is not written: its read error is thrown.
file_stamp profile_store::locked_update(const std::string& file,
                                        const std::function<bool(ini_document&)>& edit,
                                        std::optional<file_too_large>& refusal) {
    const file_lock locked(file_path(file), lock_patience);
    const std::lock_guard lock(mutex_);
    cached_file& cached = load_noting_refusal(file, refusal);
    try {
        if (edit(cached.document)) {
            cached.stamp = replace_file(file_path(file), cached.document.bytes());
            ++files_written_;
        }
        return cached.stamp;
    } catch (...) {
        cache_.erase(file);  // the document may hold edits the disk does not
        throw;
    }
}

}  // namespace tw
