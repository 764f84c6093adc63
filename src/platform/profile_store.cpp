#include "platform/profile_store.hpp"

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
    const std::lock_guard lock(mutex_);
    static const ini_document empty;
    const ini_document* document = &empty;
    try {
        document = &load(file).document;
    } catch (const profile_error&) {
    }
    look(*document);
}

void profile_store::write(const std::string& file, std::string_view section, std::string_view key,
                          const std::optional<std::string>& value) {
    update(file, [&](ini_document& document) { return document.write(section, key, value); });
}

void profile_store::batch(const std::string& file, const std::function<void(ini_document&)>& edit) {
    update(file, [&](ini_document& document) {
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

// Runs `edit` on the file's document and, when it reports a change, replaces the file.
void profile_store::update(const std::string& file,
                           const std::function<bool(ini_document&)>& edit) {
    const std::lock_guard lock(mutex_);
    cached_file& cached = load(file);
    try {
        if (edit(cached.document)) {
            cached.stamp = replace_file(file_path(file), cached.document.bytes());
            ++files_written_;
        }
    } catch (...) {
        cache_.erase(file);  // the document may hold edits the disk does not
        throw;
    }
}

}  // namespace tw
