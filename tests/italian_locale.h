#pragma once

#include <gtest/gtest.h>

#include <QLocale>

// Runs a test under an Italian regional format, the one the program's users
// have, and puts the previous one back afterwards.
class ItalianLocaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = QLocale();
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  }
  void TearDown() override { QLocale::setDefault(saved_); }

 private:
  QLocale saved_;
};
