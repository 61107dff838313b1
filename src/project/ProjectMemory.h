#pragma once

#include <QSettings>
#include <memory>
#include <optional>
#include <vector>

#include "language/Language.h"
#include "project/ProjectCheck.h"

// The program's settings, one file for everything it remembers: the last
// project and the recent sites (progetto/...), the language (lingua), the printer's calibration
// (calibrazione/...) and the print setup (stampa/...).
std::unique_ptr<QSettings> OpenSettings();

// What the main window remembers between runs: the last project used, and
// the ten sites most recently used, newest first.
class ProjectMemory {
 public:
  static constexpr int kRecentSites = 10;

  explicit ProjectMemory(QSettings& settings) : settings_(settings) {}

  // The last project, when the settings hold one the checks accept.
  std::optional<Project> Last() const;
  // Remembers `checked` as the last project and its site as the newest.
  void Remember(const CheckedProject& checked);
  // Newest first; none the checks refuse.
  std::vector<ProjectSite> RecentSites() const;
  // The language chosen in the main window, when one was.
  std::optional<Language> ChosenLanguage() const;
  void ChooseLanguage(Language language);

 private:
  QSettings& settings_;
};
