#pragma once
// Facts built into the program rather than stored in the settings file.
#include <cstdint>
#include <string_view>

namespace umbrix::config {

// The update server: it answers one ICMP echo and serves the version file, the news file and
// the installers. The name sits in the reserved ".example" domain until the project runs its
// own server, so that no build can ever fetch and start an installer from a stranger's host.
// The two addresses below must name the same host.
inline constexpr std::string_view UpdateServerHost = "updates.umbrix.example";
inline constexpr std::string_view VersionFileURL = "http://updates.umbrix.example/downloads/updates/QZ/versionchk.cfg";
inline constexpr std::string_view NewsFileURL = "http://updates.umbrix.example/downloads/updates/QZ/news.cfg";

// How long the reachability test waits for the echo, in milliseconds.
inline constexpr std::uint32_t PingTimeout = 1000;

// The processor platform of the published installers; it replaces "Flag_Platform" in the
// installer addresses of the version file.
inline constexpr std::string_view CurrentPlatform = "x86";

// The release date of this build: 17 January 2019.
inline constexpr int ReleaseYear = 2019;
inline constexpr int ReleaseMonth = 1;
inline constexpr int ReleaseDay = 17;

// Below this much available physical memory the program trims its working set when idle
// moments come (512 MiB).
inline constexpr std::uint64_t MemoryThreshold = 536870912;

}  // namespace umbrix::config
