#include "project/Preamble.h"

Project InputPanel::Chosen() const {
  Project project;
  project.site.latitude = Text1();
  const bool option5 = Option5(), option6 = Option6();
  project.site.offset = Text4();
  // No option selected leaves the spacing unset, which the checks refuse.
  project.dates = option6   ? DateLineSpacing::Months
                  : option5 ? DateLineSpacing::TenDays
                            : DateLineSpacing::Unset;
  return project;
}

std::optional<CheckedProject> RunPreamble(InputPanel& panel, const std::vector<SheetRule>& sheets) {
  const ProjectVerdict verdict = CheckProject(panel.Chosen(), sheets);
  if (verdict.checked) return verdict.checked;
  panel.ShowRefusal(verdict.refusal);
  panel.SetText1(QString());
  panel.SetText4(QString());
  panel.FocusText1();
  return std::nullopt;
}
