#include "extras/ActivationExtras.hpp"

namespace umbrix::extras {

ActivationExtras::ActivationExtras(const platform::Platform& platform)
    : audio_(platform.audio, platform.system, platform.files),
      lockdown_(platform.registry),
      cleanup_(platform.shell, platform.internetCache, platform.urlHistory, platform.registry, platform.system,
               platform.cursor) {}

void ActivationExtras::runExtras(const settings::Options& options, ExtrasScope scope) {
    if (scope == ExtrasScope::Everything) {
        if (options.muteAudio) audio_.muteAudio(true);
        if (options.disableCtrlAltDel) lockdown_.setCtrlAltDelPolicy(false);
    }
    if (options.emptyRecycleBin) cleanup_.emptyRecycleBin();
    if (options.clearTemporaryFiles) {
        cleanup_.clearInternetCache();
        cleanup_.clearTypedUrls();
    }
    if (options.clearInternetHistory) cleanup_.clearInternetHistory();
    if (options.clearRecentDocuments) {
        // Without a Recent folder only the folder step is skipped; the list is still cleared.
        if (auto recent = cleanup_.recentFolder()) cleanup_.deleteFolderContents(*recent);
        cleanup_.clearRecentDocsList();
    }
}

}  // namespace umbrix::extras
