// The main window's project: opened, saved, remembered, and the recent sites.
#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>

#include "devices/DrawingFile.h"
#include "drawing/ShownValue.h"
#include "pieces/Pieces.h"
#include "project/Preamble.h"
#include "project/ProjectFile.h"
#include "place/SiteOffset.h"
#include "shell/Form1.h"

#include "place/SiteOffset.h"

namespace {

QString ProjectFilter() { return Form1::tr("Progetto del quindal (*.quindal)"); }

// "Treviso (Veneto, Italia) - 45,667°, -2,758°": a recent site as the menu offers it.
QString SiteEntry(const ProjectSite& site) {
  const QString where = QStringLiteral("%1°, %2°").arg(site.latitude, site.offset);
  return site.town.isEmpty() ? where : site.town + QStringLiteral(" - ") + where;
}

}  // namespace

void Form1::SetMemory(ProjectMemory* memory) {
  memory_ = memory;
  if (!memory_) return;
  if (const std::optional<Project> last = memory_->Last()) Apply(*last);
  // The recent sites are read when the menu opens.
}

void Form1::Remember(const CheckedProject& project) {
  if (memory_) memory_->Remember(project);
}

void Form1::Apply(const Project& project) {
  found_ = project.site;
  year_ = project.year;
  later_ = project.later;
  SetText1(project.site.latitude);
  SetText4(project.site.offset);
  (project.hours == HourSystem::Temporary ? Option2Button : Option1Button)->setChecked(true);
  (project.dates == DateLineSpacing::TenDays ? Option5Button : Option6Button)->setChecked(true);
  ShowSite();
}

void Form1::ShowSite() {
  const ProjectSite site = Chosen().site;
  TownLabel->setText(site.town);
  QString tip = site.zone.isEmpty() ? QString() : site.town + u' ' + site.zone;
  if (site.meridian)  // a far town: the hours its clocks add
    tip = Form1::tr("%1\nmeridiano delle piastre %2").arg(tip, LongitudeText(*site.meridian));
  TownLabel->setToolTip(tip);
}

void Form1::FillSiteMenu() {
  siteMenu->clear();
  siteMenu->addAction(Form1::tr("Cerca la località..."), this, &Form1::FindLocation);
  const std::vector<ProjectSite> recent =
      memory_ ? memory_->RecentSites() : std::vector<ProjectSite>();
  if (!recent.empty()) siteMenu->addSection(Form1::tr("Luoghi recenti"));
  for (const ProjectSite& site : recent) {
    siteMenu->addAction(SiteEntry(site), this, [this, site] {
      Project project = Chosen();
      project.site = site;
      Apply(project);
    });
  }
  siteMenu->addSeparator();
  siteMenu->addAction(openAction);
  siteMenu->addAction(saveAction);
  AddLanguageMenu();
}

void Form1::AddLanguageMenu() {
  // Each language in its own name, so that a user who reads only one finds it.
  QMenu* languages = siteMenu->addMenu(tr("Lingua"));
  for (const Language language : {Language::Italian, Language::English}) {
    QAction* choice = languages->addAction(LanguageName(language));
    choice->setCheckable(true);
    choice->setChecked(language == LanguageInUse());
    connect(choice, &QAction::triggered, this, [this, language] {
      if (memory_) memory_->ChooseLanguage(language);
      UseLanguage(language);
    });
  }
}

void Form1::OpenProject() {
  const QString path =
      QFileDialog::getOpenFileName(this, Form1::tr("Apri progetto"), QString(), ProjectFilter());
  if (!path.isEmpty()) OpenProjectFile(path);
}

bool Form1::OpenProjectFile(const QString& path) {
  QString problem;
  const std::optional<Project> project = ReadProjectFile(path, problem);
  if (!project) {
    QMessageBox::warning(this, QStringLiteral("Quindal"),
                         ShownValue(path) + QStringLiteral(": ") + problem);
    return false;
  }
  // Values out of range are refused as typed ones are, and change nothing.
  const ProjectVerdict verdict = CheckProject(*project, RulesFor(AllPieces(), project->hours));
  if (!verdict.checked) {
    ShowRefusal(verdict.refusal);
    return false;
  }
  Apply(*project);
  Remember(*verdict.checked);
  return true;
}

void Form1::SaveProject() {
  const std::optional<CheckedProject> checked = CheckedForEverySheet();
  if (!checked) return;
  const QString town = checked->project.site.TownName().toLower().replace(u' ', u'-');
  QString path = QFileDialog::getSaveFileName(
      this, Form1::tr("Salva progetto"),
      QStringLiteral("%1.quindal").arg(town.isEmpty() ? QStringLiteral("quindal") : town),
      ProjectFilter());
  if (path.isEmpty()) return;
  if (!path.endsWith(QStringLiteral(".quindal"), Qt::CaseInsensitive)) path += ".quindal";
  DiskSink disk;
  QString reason;
  if (!disk.Write(path, ProjectFileBytes(*checked), reason)) {
    QMessageBox::warning(this, QStringLiteral("Quindal"),
                         Form1::tr("Impossibile salvare %1: %2").arg(ShownValue(path), reason));
    return;
  }
  Remember(*checked);
}
