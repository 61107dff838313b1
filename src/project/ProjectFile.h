#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <optional>

#include "project/ProjectCheck.h"

// The project file: UTF-8 JSON, numbers with a point whatever the locale.
//   {"quindal": 1, "luogo": {"nome": "Treviso (Veneto, Italia)", "latitudine": 45.667,
//    "scostamento": -2.758, "fuso": "Europe/Rome"}, "ore": "astronomiche",
//    "date": "mesi", "anno": 2027}
// "nome", "fuso" and "anno" may be absent. Keys this version does not know
// are kept, and written back when the project is saved again.
inline constexpr char kProjectExtension[] = "quindal";
inline constexpr int kProjectFileVersion = 1;
// Larger than any project: the rest is noise, not read.
inline constexpr qint64 kLargestProjectFile = 1 << 20;

// The project in `bytes`, its numbers written as the boxes of `locale` show
// them; nothing when the bytes are not a project, with `problem` saying what
// is wrong. Values out of range are the checks' business, not the reader's.
std::optional<Project> ReadProject(const QByteArray& bytes, QString& problem,
                                   const QLocale& locale = QLocale());

// The project in the file at `path`: as ReadProject, or nothing when the
// file cannot be read, with the system's reason in `problem`.
std::optional<Project> ReadProjectFile(const QString& path, QString& problem,
                                       const QLocale& locale = QLocale());

// The file of a project the checks accepted.
QByteArray ProjectFileBytes(const CheckedProject& checked);
