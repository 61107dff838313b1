#pragma once

#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

#include "drawing/Checks.h"
#include "project/Project.h"

// What one sheet adds to the common checks: a check of its own, and why it
// refuses a latitude.
struct SheetRule {
  ExtraCheck accepts;
  QString refusal = NotForThisPiece();
};

// A project the checks accepted, with the numbers they read from it.
struct CheckedProject {
  Project project;
  DrawingParameters parameters;
};

struct ProjectVerdict {
  std::optional<CheckedProject> checked;
  QString refusal;  // when refused: the refusal's second line, which value and why
};

// The one check of a project, for every sheet of `sheets` in turn: the
// window's seven checks and each sheet's own, then the zone and the year.
// The first refusal wins; its reason names the value as the project holds it.
ProjectVerdict CheckProject(const Project& project, const std::vector<SheetRule>& sheets = {},
                            const QLocale& locale = QLocale());

// The project of a site already given as numbers, as if typed in (benchmarks,
// tests and generated sites).
CheckedProject ProjectOfSite(const DrawingParameters& site,
                             HourSystem hours = HourSystem::Astronomical,
                             const QString& zone = QString());
