#include "project/ProjectMemory.h"

#include <QStringList>

#include "project/ProjectFile.h"

namespace {

const QString kLastKey = QStringLiteral("progetto/ultimo");
const QString kRecentKey = QStringLiteral("progetto/luoghi_recenti");
const QString kLanguageKey = QStringLiteral("lingua");

// A remembered project, read as a project file is; nothing when it is not
// one or the checks refuse it.
std::optional<Project> Recalled(const QString& text) {
  QString problem;
  std::optional<Project> project = ReadProject(text.toUtf8(), problem);
  if (!project || !CheckProject(*project).checked) return std::nullopt;
  return project;
}

}  // namespace

std::unique_ptr<QSettings> OpenSettings() {
  return std::make_unique<QSettings>(QStringLiteral("Quindal"), QStringLiteral("quindal"));
}

std::optional<Project> ProjectMemory::Last() const {
  return Recalled(settings_.value(kLastKey).toString());
}

std::vector<ProjectSite> ProjectMemory::RecentSites() const {
  std::vector<ProjectSite> sites;
  for (const QString& text : settings_.value(kRecentKey).toStringList())
    if (const std::optional<Project> project = Recalled(text)) sites.push_back(project->site);
  return sites;
}

std::optional<Language> ProjectMemory::ChosenLanguage() const {
  return LanguageNamed(settings_.value(kLanguageKey).toString());
}

void ProjectMemory::ChooseLanguage(Language language) {
  settings_.setValue(kLanguageKey, LanguageCode(language));
}

void ProjectMemory::Remember(const CheckedProject& checked) {
  const QString last = QString::fromUtf8(ProjectFileBytes(checked));
  settings_.setValue(kLastKey, last);
  // A recent site is a project of its own, so that it reads back as one;
  // only its site is offered.
  CheckedProject siteOnly = checked;
  siteOnly.project = Project();
  siteOnly.project.site = checked.project.site;
  const QString site = QString::fromUtf8(ProjectFileBytes(siteOnly));
  QStringList recent = settings_.value(kRecentKey).toStringList();
  recent.removeAll(site);
  recent.prepend(site);
  while (recent.size() > kRecentSites) recent.removeLast();
  settings_.setValue(kRecentKey, recent);
}
