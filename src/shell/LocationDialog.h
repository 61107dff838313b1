#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "place/SiteOffset.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableWidget;
struct Town;

// "Località": finds the site's latitude and its longitude offset from the
// meridian of its time zone, either from a town of the offline list or from
// coordinates and a zone, and shows the arithmetic. The main window takes the
// result only when OK is pressed on a site the instrument can draw.
class LocationDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit LocationDialog(QWidget* parent = nullptr);

  // The site chosen, while it is one the instrument can draw.
  std::optional<SiteOffset> site() const;

  QTabWidget* roads;
  QLineEdit* searchBox;
  QTableWidget* results;
  QLineEdit *latitudeBox, *longitudeBox;
  QComboBox* zoneBox;
  QLabel* arithmetic;
  QDialogButtonBox* buttons;

 protected:
  // Up and Down in the search box move through the towns found.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* MakeTownPage();
  QWidget* MakeCoordinatesPage();
  void Search();
  void TakeRow();
  // What the dialog says when no town is called so, with the towns spelt nearly so.
  QString NoTownText(const QString& query) const;
  void TakeCoordinates();
  void Show(std::optional<SiteOffset> site, const QString& problem = {});
  void AcceptIfDrawable();

  std::vector<const Town*> shown_;
  std::optional<SiteOffset> site_;
};
