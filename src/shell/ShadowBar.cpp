#include "shell/ShadowBar.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "shadow/ClockInstant.h"
#include "shadow/ShadowOverlay.h"
#include "shadow/ShadowWords.h"
#include "shell/ZoneBox.h"

namespace {

constexpr qint64 kAnimationMs = 10000;
constexpr qint64 kDayMs = 86400 * 1000LL;

}  // namespace

ShadowBar::ShadowBar(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  dateBox = new QDateEdit;
  dateBox->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  dateBox->setCalendarPopup(true);
  timeBox = new QTimeEdit;
  timeBox->setDisplayFormat(QStringLiteral("HH:mm"));
  zoneBox = NewZoneBox({});
  nowButton = new QPushButton;
  dayButton = new QPushButton;
  yearButton = new QPushButton;
  for (QPushButton* button : {dayButton, yearButton}) button->setCheckable(true);
  closeButton = new QPushButton;
  sentence = new QLabel;
  sentence->setWordWrap(true);
  sentence->setTextInteractionFlags(Qt::TextSelectableByMouse);
  for (QLabel*& label : labels_) label = new QLabel;
  SetTexts();

  auto* controls = new QHBoxLayout;
  controls->addWidget(labels_[0]);
  controls->addWidget(dateBox);
  controls->addWidget(labels_[1]);
  controls->addWidget(timeBox);
  controls->addWidget(labels_[2]);
  controls->addWidget(zoneBox, 1);
  for (QPushButton* button : {nowButton, dayButton, yearButton, closeButton})
    controls->addWidget(button);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 6);
  layout->addLayout(controls);
  layout->addWidget(sentence);

  connect(dateBox, &QDateEdit::dateChanged, this, &ShadowBar::Recompute);
  connect(timeBox, &QTimeEdit::timeChanged, this, &ShadowBar::Recompute);
  connect(zoneBox, &QComboBox::currentTextChanged, this, &ShadowBar::Recompute);
  connect(nowButton, &QPushButton::clicked, this, [this] {
    StopAnimation();
    SetNow();
  });
  connect(dayButton, &QPushButton::clicked, this, [this] { Animate(dayButton); });
  connect(yearButton, &QPushButton::clicked, this, [this] { Animate(yearButton); });
  connect(closeButton, &QPushButton::clicked, this, [this] {
    StopAnimation();
    hide();
    emit changed();
  });
  frames_.setInterval(16);
  connect(&frames_, &QTimer::timeout, this, &ShadowBar::Step);
}

void ShadowBar::SetPlate(bool plateB, const CheckedProject& project) {
  plateB_ = plateB;
  project_ = project;
  zoneBox->setCurrentText(project.project.ClockZone());
  // The bar first opens at the present moment of the site's own clocks.
  if (!opened_) {
    opened_ = true;
    SetNow();
    return;
  }
  Recompute();
}

void ShadowBar::SetNow() {
  const ClockReading now = ClockNow(zoneBox->currentText().trimmed());
  const QSignalBlocker quiet(dateBox);
  dateBox->setDate(now.date);
  timeBox->setTime(now.time);
  Recompute();
}

void ShadowBar::Recompute() {
  // The zone box may name other clocks than the project's.
  CheckedProject at = project_;
  at.project.site.zone = zoneBox->currentText().trimmed();
  const ShadowOutcome outcome = ShadowAt({at, dateBox->date(), timeBox->time()});
  reading_ = outcome.reading;
  // Worked out once an instant: the window paints them on every repaint.
  marks_ = reading_ ? std::optional(ShadowMarksFor(*reading_, plateB_)) : std::nullopt;
  if (reading_) {
    const QString note = RepeatedHourNote(*reading_);
    sentence->setText(ShadowSentence(*reading_, plateB_, QLocale()) +
                      (note.isEmpty() ? QString() : QStringLiteral(" (") + note + u')'));
  } else {
    sentence->setText(outcome.problem);
  }
  emit changed();
}

void ShadowBar::Paint(QPainter& painter, const QTransform& toWindow) const {
  if (!isVisible() || !marks_) return;
  painter.save();
  painter.setTransform(toWindow);
  PaintShadowMarks(painter, *marks_);
  painter.restore();
}

void ShadowBar::Animate(QPushButton* button) {
  if (running_ == button) {  // pressed again: stop where it is
    StopAnimation();
    return;
  }
  StopAnimation();
  running_ = button;
  button->setChecked(true);
  if (button == dayButton) {
    // Sunrise to sunset on the clock: the day's arc in local apparent time,
    // moved by the day's delta and summer time; the whole day when the Sun
    // never sets or never rises.
    from_ = 0;
    to_ = kDayMs - 60000;
    if (reading_ && reading_->semiDiurnalArcDeg > 0 && reading_->semiDiurnalArcDeg < 180) {
      const qint64 clockLessApparent = timeBox->time().msecsSinceStartOfDay() - reading_->tsvlMs;
      const qint64 arcMs = qint64(reading_->semiDiurnalArcDeg / 15 * 3600000);
      from_ = std::clamp(kDayMs / 2 - arcMs + clockLessApparent, 0LL, kDayMs - 60000);
      to_ = std::clamp(kDayMs / 2 + arcMs + clockLessApparent, from_, kDayMs - 60000);
    }
  } else {
    from_ = 0;
    to_ = QDate(dateBox->date().year(), 12, 31).dayOfYear() - 1;
  }
  since_.start();
  frames_.start();
  Step();
}

void ShadowBar::Step() {
  const double done = std::min(1.0, double(since_.elapsed()) / kAnimationMs);
  const qint64 at = from_ + qint64(done * double(to_ - from_));
  if (running_ == dayButton) {
    timeBox->setTime(QTime::fromMSecsSinceStartOfDay(int(at / 60000 * 60000)));
  } else if (running_ == yearButton) {
    dateBox->setDate(QDate(dateBox->date().year(), 1, 1).addDays(at));
  }
  if (done >= 1) StopAnimation();
}

void ShadowBar::StopAnimation() {
  frames_.stop();
  if (running_) running_->setChecked(false);
  running_ = nullptr;
}

void ShadowBar::FitToBottom(const QRect& screen) {
  // As tall as its words need at this width.
  const int tall = std::max(heightForWidth(screen.width()), minimumSizeHint().height());
  setGeometry(screen.left(), screen.bottom() + 1 - tall, screen.width(), tall);
}

void ShadowBar::SetTexts() {
  setAccessibleName(tr("Simula l'ombra"));
  dateBox->setAccessibleName(tr("Data"));
  timeBox->setAccessibleName(tr("Ora dell'orologio"));
  nowButton->setText(tr("Adesso"));
  dayButton->setText(tr("Il giorno"));
  dayButton->setToolTip(tr("Dall'alba al tramonto del giorno scelto"));
  yearButton->setText(tr("L'anno"));
  yearButton->setToolTip(tr("Tutto l'anno all'ora scelta"));
  closeButton->setText(tr("Chiudi"));
  labels_[0]->setText(tr("Ombra il"));
  labels_[1]->setText(tr("alle"));
  labels_[2]->setText(tr("fuso"));
  sentence->setToolTip(ShadowTermsNote());
  sentence->setAccessibleDescription(ShadowTermsNote());
}

void ShadowBar::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    SetTexts();
    if (opened_) Recompute();  // the sentence, in the new words
  }
  QWidget::changeEvent(event);
}

void ShadowBar::mousePressEvent(QMouseEvent* event) { event->accept(); }

void ShadowBar::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }
