#include "config/InitConfiguration.hpp"

#include "config/BuiltIn.hpp"
#include "config/ConfigurationError.hpp"
#include "config/FolderCreation.hpp"
#include "config/ProgramVersionText.hpp"

namespace umbrix::config {

namespace {

update::CivilDate releaseDate() {
    auto date = update::CivilDate::from(ReleaseYear, ReleaseMonth, ReleaseDay);
    if (!date) throw ConfigurationError("The built-in release date is not a calendar date");
    return *date;
}

void setFolders(Configuration& configuration, std::string appData) {
    while (!appData.empty() && (appData.back() == '\\' || appData.back() == '/')) appData.pop_back();
    configuration.binFolder = appData + "\\QZ\\bin\\";
    configuration.updateFolder = appData + "\\QZ\\bin\\temp";
    configuration.versionCheckFile = configuration.updateFolder + "\\versionchk.cfg";
    configuration.newsFile = configuration.updateFolder + "\\news.cfg";
}

}  // namespace

Configuration initConfiguration(platform::SystemPort& system, platform::FilePort& files) {
    auto versionText = system.fileVersionText();
    if (!versionText) throw ConfigurationError("The program has no version resource");
    const ProgramVersionText version = parseProgramVersionText(*versionText);

    Configuration configuration;
    configuration.titleCaption = titleCaptionFor(version);
    configuration.currentVersion = update::Version{.majorVersion = version.MajorVersion,
                                                   .minorVersion = version.MinorVersion,
                                                   .release = version.ReleaseNumber,
                                                   .build = version.BuildNumber,
                                                   .releaseDate = releaseDate(),
                                                   .platform = std::string(CurrentPlatform)};

    if (auto appData = system.specialFolderPath(platform::SpecialFolder::CommonAppData)) {
        setFolders(configuration, *appData);
        // Failures are left for the downloads into these folders to report.
        createFolderWithParents(files, configuration.binFolder);
        createFolderWithParents(files, configuration.updateFolder);
    }
    return configuration;
}

}  // namespace umbrix::config
