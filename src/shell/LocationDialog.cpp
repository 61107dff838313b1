#include "shell/LocationDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "drawing/NumberText.h"
#include "place/AngleReader.h"
#include "place/TownIndex.h"
#include "place/ZoneMeridian.h"
#include "shell/ZoneBox.h"

namespace {

// Enough rows to choose from; the list is ordered by population.
constexpr std::size_t kShownTowns = 200;

QTableWidgetItem* Cell(const QString& text, bool drawable) {
  auto* item = new QTableWidgetItem(text);
  if (!drawable) item->setForeground(Qt::gray);
  return item;
}

}  // namespace

QWidget* LocationDialog::MakeTownPage() {
  auto* townPage = new QWidget;
  searchBox = new QLineEdit;
  searchBox->setPlaceholderText(LocationDialog::tr("Nome della città (almeno due lettere)"));
  searchBox->setAccessibleName(LocationDialog::tr("Cerca la città"));
  searchBox->setClearButtonEnabled(true);
  results = new QTableWidget(0, 7);
  results->setHorizontalHeaderLabels({LocationDialog::tr("Città"), LocationDialog::tr("Regione"),
                                      LocationDialog::tr("Paese"), LocationDialog::tr("Latitudine"),
                                      LocationDialog::tr("Longitudine"), LocationDialog::tr("Fuso"),
                                      LocationDialog::tr("Scostamento")});
  results->setSelectionBehavior(QAbstractItemView::SelectRows);
  results->setSelectionMode(QAbstractItemView::SingleSelection);
  results->setEditTriggers(QAbstractItemView::NoEditTriggers);
  results->verticalHeader()->hide();
  results->horizontalHeader()->setStretchLastSection(true);
  results->setWordWrap(false);
  int column = 0;
  for (const int width : {115, 100, 90, 75, 85, 115}) results->setColumnWidth(column++, width);
  results->setAccessibleName(LocationDialog::tr("Città trovate"));
  auto* townLayout = new QVBoxLayout(townPage);
  townLayout->addWidget(searchBox);
  townLayout->addWidget(results);
  return townPage;
}

QWidget* LocationDialog::MakeCoordinatesPage() {
  auto* coordinatesPage = new QWidget;
  latitudeBox = new QLineEdit;
  latitudeBox->setPlaceholderText(LocationDialog::tr("45,667 oppure 45°40'0\" N"));
  latitudeBox->setAccessibleName(LocationDialog::tr("Latitudine del luogo"));
  longitudeBox = new QLineEdit;
  longitudeBox->setPlaceholderText(LocationDialog::tr("12,242 oppure 12 14 30 E"));
  longitudeBox->setAccessibleName(LocationDialog::tr("Longitudine del luogo"));
  zoneBox = NewZoneBox({});
  auto* coordinatesLayout = new QFormLayout(coordinatesPage);
  coordinatesLayout->addRow(LocationDialog::tr("Latitudine (N +, S -)"), latitudeBox);
  coordinatesLayout->addRow(LocationDialog::tr("Longitudine (E +, O -)"), longitudeBox);
  coordinatesLayout->addRow(LocationDialog::tr("Fuso orario"), zoneBox);
  return coordinatesPage;
}

LocationDialog::LocationDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(LocationDialog::tr("Località"));
  QWidget* townPage = MakeTownPage();  // a town of the list
  // A site that is not a town of the list: coordinates and a zone.
  QWidget* coordinatesPage = MakeCoordinatesPage();
  roads = new QTabWidget;
  if (TownIndex::Available()) roads->addTab(townPage, LocationDialog::tr("Città"));
  roads->addTab(coordinatesPage, LocationDialog::tr("Coordinate"));

  arithmetic = new QLabel;
  arithmetic->setWordWrap(true);
  arithmetic->setMinimumHeight(2 * fontMetrics().height());
  arithmetic->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* credit = new QLabel(
      TownIndex::Available()
          ? LocationDialog::tr("Città da GeoNames (geonames.org), licenza CC BY 4.0. "
                               "Fusi orari dal database del sistema; l'ora legale non conta.")
          : LocationDialog::tr("Fusi orari dal database del sistema; l'ora legale non conta."));
  credit->setWordWrap(true);
  QFont small = credit->font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  credit->setFont(small);

  buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(LocationDialog::tr("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(LocationDialog::tr("Annulla"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(roads);
  layout->addWidget(arithmetic);
  layout->addWidget(credit);
  layout->addWidget(buttons);
  resize(790, 420);

  searchBox->installEventFilter(this);
  connect(searchBox, &QLineEdit::textChanged, this, &LocationDialog::Search);
  connect(searchBox, &QLineEdit::returnPressed, this, &LocationDialog::AcceptIfDrawable);
  connect(results, &QTableWidget::itemSelectionChanged, this, &LocationDialog::TakeRow);
  connect(results, &QTableWidget::itemDoubleClicked, this, &LocationDialog::AcceptIfDrawable);
  for (QLineEdit* box : {latitudeBox, longitudeBox})
    connect(box, &QLineEdit::textChanged, this, &LocationDialog::TakeCoordinates);
  connect(zoneBox, &QComboBox::currentTextChanged, this, &LocationDialog::TakeCoordinates);
  connect(roads, &QTabWidget::currentChanged, this, [this] {
    if (roads->currentWidget() == results->parentWidget()) {
      TakeRow();
    } else {
      TakeCoordinates();
    }
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &LocationDialog::AcceptIfDrawable);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  Show(std::nullopt);
  (roads->currentWidget() == townPage ? static_cast<QWidget*>(searchBox) : latitudeBox)->setFocus();
}

bool LocationDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == searchBox && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
        key == Qt::Key_PageDown) {
      QApplication::sendEvent(results, event);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

std::optional<SiteOffset> LocationDialog::site() const { return site_; }

void LocationDialog::Search() {
  const QString query = searchBox->text().trimmed();
  shown_ = query.size() >= 2 ? TownIndex::Instance().Find(query, {}, kShownTowns)
                             : std::vector<const Town*>{};
  results->setUpdatesEnabled(false);
  results->clearContents();
  results->setRowCount(static_cast<int>(shown_.size()));
  for (int row = 0; row < results->rowCount(); ++row) {
    const Town& town = *shown_[static_cast<std::size_t>(row)];
    const auto site = SiteFromCoordinates(town.Name(), town.latitude, town.longitude, town.zone);
    const bool drawable = site.has_value();
    // A far town's offset is from the meridian its plates are drawn for.
    const QString offset =
        !site ? QStringLiteral("?")
        : site->MeridianMoved()
            ? tr("%1 (mer. %2)").arg(site->OffsetText(), LongitudeText(site->meridian))
            : site->OffsetText();
    const QString cells[] = {town.Name(),
                             town.Region(),
                             town.Country(),
                             PlainDecimalText(town.latitude),
                             PlainDecimalText(town.longitude),
                             town.zone,
                             offset};
    for (int column = 0; column < 7; ++column)
      results->setItem(row, column, Cell(cells[column], drawable));
  }
  results->setUpdatesEnabled(true);
  if (results->rowCount() > 0) {
    results->selectRow(0);  // Enter takes the most populous
  } else {
    Show(std::nullopt, query.size() >= 2 ? NoTownText(query) : QString());
  }
}

QString LocationDialog::NoTownText(const QString& query) const {
  const QString none =
      tr("Nessuna città trovata. L'elenco ha le città di almeno 15.000 abitanti: per un altro "
         "luogo, la scheda Coordinate.");
  QStringList near;
  for (const Town* town : TownIndex::Instance().SpeltLike(query))
    near << QStringLiteral("%1 (%2, %3)").arg(town->Name(), town->Region(), town->Country());
  if (near.isEmpty()) return none;
  return tr("%1\nForse: %2").arg(none, near.join(QStringLiteral("; ")));
}

void LocationDialog::TakeRow() {
  const int row = results->currentRow();
  if (row < 0 || row >= static_cast<int>(shown_.size()) || results->selectedItems().isEmpty()) {
    Show(std::nullopt);
    return;
  }
  const Town& town = *shown_[static_cast<std::size_t>(row)];
  const auto site = SiteFromCoordinates(town.Name(), town.latitude, town.longitude, town.zone);
  Show(site, site ? QString() : LocationDialog::tr("Fuso orario sconosciuto: %1").arg(town.zone));
}

void LocationDialog::TakeCoordinates() {
  const auto latitude = ReadAngle(latitudeBox->text(), AngleKind::Latitude);
  const auto longitude = ReadAngle(longitudeBox->text(), AngleKind::Longitude);
  const QString zone = zoneBox->currentText().trimmed();
  if (latitudeBox->text().trimmed().isEmpty() || longitudeBox->text().trimmed().isEmpty()) {
    Show(std::nullopt);
  } else if (!latitude) {
    Show(std::nullopt, LocationDialog::tr("Latitudine non valida: da -90° a 90°, in gradi decimali "
                                          "o in gradi, primi e secondi."));
  } else if (!longitude) {
    Show(std::nullopt, LocationDialog::tr("Longitudine non valida: da -180° a 180°, in gradi "
                                          "decimali o in gradi, primi e secondi."));
  } else if (!KnownZone(zone)) {
    Show(std::nullopt, LocationDialog::tr("Fuso orario sconosciuto: %1").arg(zone));
  } else {
    Show(SiteFromCoordinates({}, *latitude, *longitude, zone));
  }
}

void LocationDialog::Show(std::optional<SiteOffset> site, const QString& problem) {
  site_ = std::move(site);
  QString text = problem;
  if (site_) {
    text = site_->Arithmetic();
    if (site_->MeridianMoved()) text += QStringLiteral("\n") + site_->MeridianNote();
  }
  arithmetic->setText(text);
  buttons->button(QDialogButtonBox::Ok)->setEnabled(this->site().has_value());
}

void LocationDialog::AcceptIfDrawable() {
  if (site()) accept();
}
