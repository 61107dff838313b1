#pragma once

#include <QString>
#include <optional>
#include <ostream>
#include <string>

#include "project/Project.h"

// Where the exporter's drawing stands: the two texts of the main window's
// boxes, or a town of the list (--place), or a site's own longitude and time
// zone (--site-longitude with --timezone, and --latitude).
struct SiteRequest {
  std::optional<QString> latitude, longitude;
  std::optional<QString> place;
  std::optional<QString> siteLongitude, timezone;

  // Whether the options name exactly one site; otherwise says why. With
  // `clockZone` --timezone names the zone of the clocks and may go with any
  // site: the offset still comes from --longitude or the place. With
  // `fromFile` a project file gives the site, and the options need only
  // change what they name: a latitude, an offset, the zone, or the whole site.
  bool Valid(std::string& problem, bool clockZone = false, bool fromFile = false) const;
};

// The site the options give, over `site` (a project file's, or empty), as
// the site finder would write it into the boxes, with a word on standard
// error about the place taken. Returns 0, or the exit status: 1 for an
// offset the instrument cannot draw (with the reason), 2 for no such town, an
// unknown zone or an unreadable longitude.
int ResolveSite(const SiteRequest& request, ProjectSite& site, std::ostream& err);

// `places TEXT`: the matching towns, most populous first, one a line on `out`,
// tab-separated: town, region, country, latitude, longitude, zone, offset.
int ListPlaces(const QString& text, std::ostream& out, std::ostream& err);
