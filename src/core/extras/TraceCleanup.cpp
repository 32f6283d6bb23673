#include "extras/TraceCleanup.hpp"

#include "extras/ExtrasError.hpp"
#include "platform/WaitCursorScope.hpp"

namespace umbrix::extras {

using platform::RegistryRoot;

namespace {

constexpr const char* kTypedUrls = "Software\\Microsoft\\Internet Explorer\\TypedURLs";

// "", "C:", "C:\" and "\" all address the top of a drive.
bool addressesWholeDrive(const std::string& folder) {
    std::string_view path = folder;
    while (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.remove_suffix(1);
    return path.empty() || (path.size() == 2 && path[1] == ':');
}

}  // namespace

TraceCleanup::TraceCleanup(platform::ShellPort& shell, platform::InternetCachePort& cache,
                           platform::UrlHistoryPort& history, platform::RegistryPort& registry,
                           platform::SystemPort& system, platform::CursorPort& cursor)
    : shell_(shell), cache_(cache), history_(history), registry_(registry), system_(system), cursor_(cursor) {}

bool TraceCleanup::emptyRecycleBin() {
    return shell_.emptyRecycleBin() != platform::RecycleBinEmptying::LibraryNotLoaded;
}

int TraceCleanup::clearInternetCache() {
    auto walk = cache_.walkContentCache();
    for (;;) {
        platform::UrlCacheStep step = walk->next();
        if (!step.sourceUrl) return step.atEnd() ? 1 : 0;
        // A page a browser holds open cannot go now; the walk moves on to the others.
        (void)cache_.deleteEntry(*step.sourceUrl);
    }
}

void TraceCleanup::clearTypedUrls() {
    for (RegistryRoot root : {RegistryRoot::CurrentUser, RegistryRoot::LocalMachine}) {
        if (!registry_.deleteTree(root, kTypedUrls)) continue;
        if (auto created = registry_.createKey(root, kTypedUrls); !created) {
            throw ExtrasError("The typed addresses key cannot be created again", created.error);
        }
        return;
    }
}

void TraceCleanup::clearInternetHistory() {
    platform::UrlHistoryOpening opening = history_.openHistoryStore();
    if (!opening.store) throw ExtrasError("The browser history store cannot be opened", opening.error);
    platform::WaitCursorScope busy(cursor_);
    // A store that cannot clear itself (Wine's implements nothing) leaves the history as it is.
    (void)opening.store->clearHistory();
}

void TraceCleanup::deleteFolderContents(const std::string& folder) {
    if (addressesWholeDrive(folder)) return;
    // The shell reports nothing useful here: what could not be moved simply stays.
    (void)shell_.recycle(folder + "\\*.*");
}

void TraceCleanup::clearRecentDocsList() { shell_.clearRecentDocuments(); }

std::optional<std::string> TraceCleanup::recentFolder() {
    auto folder = system_.specialFolderPath(platform::SpecialFolder::Recent);
    if (folder && folder->empty()) return std::nullopt;
    return folder;
}

}  // namespace umbrix::extras
