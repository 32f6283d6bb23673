#pragma once
// Removes the traces of what the user was doing: the Recycle Bin, the browser's cached pages,
// typed addresses and history, and the recently used documents. Every operation is silent.
#include <optional>
#include <string>

#include "platform/CursorPort.hpp"
#include "platform/InternetCachePort.hpp"
#include "platform/RegistryPort.hpp"
#include "platform/ShellPort.hpp"
#include "platform/SystemPort.hpp"
#include "platform/UrlHistoryPort.hpp"

namespace umbrix::extras {

class TraceCleanup {
public:
    TraceCleanup(platform::ShellPort& shell, platform::InternetCachePort& cache, platform::UrlHistoryPort& history,
                 platform::RegistryPort& registry, platform::SystemPort& system, platform::CursorPort& cursor);

    // Empties every drive's Recycle Bin without asking. False only when the shell library
    // could not be loaded.
    bool emptyRecycleBin();

    // Deletes every entry of the browser's content cache; an entry a browser holds open stays.
    // 1 when the walk reached the end of the cache, 0 when a failure ended it early.
    int clearInternetCache();

    // Deletes the typed addresses, "Software\Microsoft\Internet Explorer\TypedURLs", under the
    // current user, or else under the local machine, and creates the key again, empty, where it
    // was deleted. A key that exists under neither root stays absent. Throws ExtrasError when
    // the key cannot be created again.
    void clearTypedUrls();

    // Clears the browser history, with the hourglass shown meanwhile. Throws ExtrasError when
    // the history store cannot be opened; a failure of the clearing itself is passed over.
    void clearInternetHistory();

    // Moves everything in `folder` (a path without a trailing "\"), subfolders included, to the
    // Recycle Bin without any dialog. An empty path, or the root of a drive, is refused: it
    // would address the whole drive.
    void deleteFolderContents(const std::string& folder);

    // Empties the shell's list of recent documents.
    void clearRecentDocsList();

    // The current user's Recent folder; nullopt when the shell cannot resolve it.
    std::optional<std::string> recentFolder();

private:
    platform::ShellPort& shell_;
    platform::InternetCachePort& cache_;
    platform::UrlHistoryPort& history_;
    platform::RegistryPort& registry_;
    platform::SystemPort& system_;
    platform::CursorPort& cursor_;
};

}  // namespace umbrix::extras
