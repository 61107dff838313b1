#pragma once

#include <QString>
#include <optional>
#include <ostream>
#include <string>

// Where the exporter's drawing stands: the two texts of the main window's
// boxes, or a town of the list (--place), or a site's own longitude and time
// zone (--site-longitude with --timezone, and --latitude).
struct SiteRequest {
  std::optional<QString> latitude, longitude;
  std::optional<QString> place;
  std::optional<QString> siteLongitude, timezone;

  // Whether the options name exactly one site; otherwise says why. With
  // `clockZone` --timezone names the zone of the clocks and may go with any
  // site: the offset still comes from --longitude or the place.
  bool Valid(std::string& problem, bool clockZone = false) const;
};

// The two texts the site gives the checks, as the site finder would write them
// into the boxes, with a word on standard error about the place taken. Returns
// 0, or the exit status: 1 for an offset the instrument cannot draw (with the
// reason), 2 for no such town, an unknown zone or an unreadable longitude.
// `zone`, when given, receives the zone of the site's clocks: --timezone, or
// the place's, or empty; `town` the town's name for a --place, else empty.
int ResolveSite(const SiteRequest& site, QString& latitude, QString& longitude, std::ostream& err,
                QString* zone = nullptr, QString* town = nullptr);

// `places TEXT`: the matching towns, most populous first, one a line on `out`,
// tab-separated: town, region, country, latitude, longitude, zone, offset.
int ListPlaces(const QString& text, std::ostream& out, std::ostream& err);
