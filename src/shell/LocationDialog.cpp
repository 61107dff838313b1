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
  searchBox->setPlaceholderText(QStringLiteral("Nome della città (almeno due lettere)"));
  searchBox->setAccessibleName(QStringLiteral("Cerca la città"));
  searchBox->setClearButtonEnabled(true);
  results = new QTableWidget(0, 7);
  results->setHorizontalHeaderLabels({QStringLiteral("Città"), QStringLiteral("Regione"),
                                      QStringLiteral("Paese"), QStringLiteral("Latitudine"),
                                      QStringLiteral("Longitudine"), QStringLiteral("Fuso"),
                                      QStringLiteral("Scostamento")});
  results->setSelectionBehavior(QAbstractItemView::SelectRows);
  results->setSelectionMode(QAbstractItemView::SingleSelection);
  results->setEditTriggers(QAbstractItemView::NoEditTriggers);
  results->verticalHeader()->hide();
  results->horizontalHeader()->setStretchLastSection(true);
  results->setWordWrap(false);
  int column = 0;
  for (const int width : {115, 100, 90, 75, 85, 115}) results->setColumnWidth(column++, width);
  results->setAccessibleName(QStringLiteral("Città trovate"));
  auto* townLayout = new QVBoxLayout(townPage);
  townLayout->addWidget(searchBox);
  townLayout->addWidget(results);
  return townPage;
}

QWidget* LocationDialog::MakeCoordinatesPage() {
  auto* coordinatesPage = new QWidget;
  latitudeBox = new QLineEdit;
  latitudeBox->setPlaceholderText(QStringLiteral("45,667 oppure 45°40'0\" N"));
  latitudeBox->setAccessibleName(QStringLiteral("Latitudine del luogo"));
  longitudeBox = new QLineEdit;
  longitudeBox->setPlaceholderText(QStringLiteral("12,242 oppure 12 14 30 E"));
  longitudeBox->setAccessibleName(QStringLiteral("Longitudine del luogo"));
  zoneBox = NewZoneBox({});
  auto* coordinatesLayout = new QFormLayout(coordinatesPage);
  coordinatesLayout->addRow(QStringLiteral("Latitudine (N +, S -)"), latitudeBox);
  coordinatesLayout->addRow(QStringLiteral("Longitudine (E +, O -)"), longitudeBox);
  coordinatesLayout->addRow(QStringLiteral("Fuso orario"), zoneBox);
  return coordinatesPage;
}

LocationDialog::LocationDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Località"));
  QWidget* townPage = MakeTownPage();  // a town of the list
  // A site that is not a town of the list: coordinates and a zone.
  QWidget* coordinatesPage = MakeCoordinatesPage();
  roads = new QTabWidget;
  if (TownIndex::Available()) roads->addTab(townPage, QStringLiteral("Città"));
  roads->addTab(coordinatesPage, QStringLiteral("Coordinate"));

  arithmetic = new QLabel;
  arithmetic->setWordWrap(true);
  arithmetic->setMinimumHeight(2 * fontMetrics().height());
  arithmetic->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* credit = new QLabel(
      TownIndex::Available()
          ? QStringLiteral("Città da GeoNames (geonames.org), licenza CC BY 4.0. "
                           "Fusi orari dal database del sistema; l'ora legale non conta.")
          : QStringLiteral("Fusi orari dal database del sistema; l'ora legale non conta."));
  credit->setWordWrap(true);
  QFont small = credit->font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  credit->setFont(small);

  buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));

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
    const auto site = SiteFromCoordinates(town.name, town.latitude, town.longitude, town.zone);
    const bool drawable = site.has_value();
    // A far town's offset is from the meridian its plates are drawn for.
    const QString offset =
        !site ? QStringLiteral("?")
        : site->MeridianMoved()
            ? site->OffsetText() + QStringLiteral(" (mer. ") + LongitudeText(site->meridian) + u')'
            : site->OffsetText();
    const QString cells[] = {town.name,
                             town.region,
                             town.country,
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
  QString text = QStringLiteral(
      "Nessuna città trovata. L'elenco ha le città di almeno 15.000 abitanti: per un altro "
      "luogo, la scheda Coordinate.");
  const std::vector<const Town*> near = TownIndex::Instance().SpeltLike(query);
  for (std::size_t k = 0; k < near.size(); ++k)
    text += (k == 0 ? QStringLiteral("\nForse: ") : QStringLiteral("; ")) +
            QStringLiteral("%1 (%2, %3)").arg(near[k]->name, near[k]->region, near[k]->country);
  return text;
}

void LocationDialog::TakeRow() {
  const int row = results->currentRow();
  if (row < 0 || row >= static_cast<int>(shown_.size()) || results->selectedItems().isEmpty()) {
    Show(std::nullopt);
    return;
  }
  const Town& town = *shown_[static_cast<std::size_t>(row)];
  const auto site = SiteFromCoordinates(town.name, town.latitude, town.longitude, town.zone);
  Show(site, site ? QString() : QStringLiteral("Fuso orario sconosciuto: ") + town.zone);
}

void LocationDialog::TakeCoordinates() {
  const auto latitude = ReadAngle(latitudeBox->text(), AngleKind::Latitude);
  const auto longitude = ReadAngle(longitudeBox->text(), AngleKind::Longitude);
  const QString zone = zoneBox->currentText().trimmed();
  if (latitudeBox->text().trimmed().isEmpty() || longitudeBox->text().trimmed().isEmpty()) {
    Show(std::nullopt);
  } else if (!latitude) {
    Show(std::nullopt, QStringLiteral("Latitudine non valida: da -90° a 90°, in gradi decimali "
                                      "o in gradi, primi e secondi."));
  } else if (!longitude) {
    Show(std::nullopt, QStringLiteral("Longitudine non valida: da -180° a 180°, in gradi "
                                      "decimali o in gradi, primi e secondi."));
  } else if (!KnownZone(zone)) {
    Show(std::nullopt, QStringLiteral("Fuso orario sconosciuto: ") + zone);
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
