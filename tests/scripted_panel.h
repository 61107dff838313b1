#pragma once

#include <QString>
#include <QStringList>

#include "project/InputPanel.h"
#include "project/Preamble.h"

// The main window's inputs given as data, for the tests of the window's road:
// keeps a log of what a drawing procedure did to the window, in order.
class ScriptedPanel final : public InputPanel {
 public:
  ScriptedPanel(QString latitude, QString longitude, bool decadi = false)
      : text1(std::move(latitude)),
        text4(std::move(longitude)),
        option5(decadi),
        option6(!decadi) {}
  explicit ScriptedPanel(const InputState& state)
      : text1(state.text1), text4(state.text4), option5(state.option5), option6(state.option6) {}

  QString Text1() const override { return text1; }
  QString Text4() const override { return text4; }
  bool Option5() const override { return option5; }
  bool Option6() const override { return option6; }
  void SetText1(const QString& t) override {
    log << "SetText1:" + t;
    text1 = t;
  }
  void SetText4(const QString& t) override {
    log << "SetText4:" + t;
    text4 = t;
  }
  void FocusText1() override { log << "FocusText1"; }
  void ShowRefusal(const QString& reason) override {
    log << "ShowRefusal";
    refusal = reason;
  }

  // The boxes and options, with the zone a site finder would have found.
  Project Chosen() const override {
    Project project = InputPanel::Chosen();
    project.site.zone = zone;
    return project;
  }

  bool Refused() const { return log.contains("ShowRefusal"); }

  QString text1, text4;
  QString zone;  // of the site's clocks; empty: the system's
  bool option5, option6;
  QStringList log;
  QString refusal;  // the reason the last refusal gave
};
