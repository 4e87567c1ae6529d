#pragma once

#include <string>
#include <string_view>

namespace dawnquill {

// What the user chose to wake with, in the two forms the players take: a URI, for MPRIS, and a
// path, for a player that is handed files and for the check that the file is there.
struct Track {
  std::string uri;
  std::string path;  // empty where the URI names no local file

  friend bool operator==(const Track&, const Track&) = default;
};

// A path becomes a file:// URI, percent-encoded; a URI stays as typed, and names its path when
// it is a file:// one. A Windows path ("C:\Music") counts as a path, not as a URI of scheme "c".
Track TrackFor(std::string_view wakeWith);

// Whether the URL of what the player plays now is the chosen track, or a file in the chosen
// folder. Players escape URIs each their own way, so the two are compared unescaped.
bool IsChosenTrack(const Track& chosen, std::string_view playing);

}  // namespace dawnquill
