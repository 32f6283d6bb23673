#include "extras/ActivationExtras.hpp"

namespace umbrix::extras {

ActivationExtras::ActivationExtras(const platform::Platform& platform)
    : audio_(platform.audio, platform.system, platform.files),
      lockdown_(platform.registry),
      cleanup_(platform.shell, platform.internetCache, platform.urlHistory, platform.registry, platform.system,
               platform.cursor) {}

void ActivationExtras::runExtras(const settings::Options& options, ExtrasScope scope) {
    if (scope == ExtrasScope::Everything) {
        if (options.muteAudio) audio_.MuteAudio(true);
        if (options.disableCtrlAltDel) lockdown_.SetCtrlAltDelPolicy(false);
    }
    if (options.emptyRecycleBin) cleanup_.EmptyRecycleBin();
    if (options.clearTemporaryFiles) {
        cleanup_.ClearInternetCache();
        cleanup_.ClearTypedUrls();
    }
    if (options.clearInternetHistory) cleanup_.ClearInternetHistory();
    if (options.clearRecentDocuments) {
        // Without a Recent folder only the folder step is skipped; the list is still cleared.
        if (auto recent = cleanup_.RecentFolder()) cleanup_.DeleteFolderContents(*recent);
        cleanup_.ClearRecentDocsList();
    }
}

}  // namespace umbrix::extras
