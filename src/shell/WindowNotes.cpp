#include "shell/WindowWords.h"
#include "shell/WindowNotes.h"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QTimer>

namespace {

// A line of words that fades after `showMs` and is gone.
QLabel* TransientLine(QWidget* window, const QString& words, int showMs) {
  auto* line = new QLabel(words, window);
  line->setStyleSheet(
      QStringLiteral("QLabel { background: rgba(40, 40, 40, 200); color: white; padding: 6px 10px; "
                     "border-radius: 4px; }"));
  line->setAttribute(Qt::WA_TransparentForMouseEvents);
  line->adjustSize();
  auto* opacity = new QGraphicsOpacityEffect(line);
  line->setGraphicsEffect(opacity);
  auto* fade = new QPropertyAnimation(opacity, "opacity", line);
  fade->setStartValue(1.0);
  fade->setEndValue(0.0);
  fade->setDuration(1500);
  QObject::connect(fade, &QPropertyAnimation::finished, line, &QObject::deleteLater);
  QTimer::singleShot(showMs, fade, [fade] { fade->start(); });
  line->show();
  return line;
}

}  // namespace

void WindowNotes::ShowHint() {
  hint_ = TransientLine(
      window_,
      Windows::tr("Tasto destro (o Maiusc+F10): stampa in scala reale, salva - O: simula "
                  "l'ombra - Esc: chiudi\n"
                  "Ctrl+rotellina, Ctrl++, Ctrl+-: zoom - Ctrl+0: immagine esatta - "
                  "F: adatta allo schermo - trascina o frecce: sposta"),
      5000);
  Place(window_->height());
}

void WindowNotes::DropHint() {
  if (hint_) hint_->deleteLater();
  hint_ = nullptr;
}

void WindowNotes::ShowNote(const QString& words) {
  // Said over the picture for a few seconds: a box would only be one more click.
  DropHint();
  if (note_) note_->deleteLater();
  note_ = TransientLine(window_, words, 4000);
  Place(bottom_ ? bottom_ : window_->height());
}

void WindowNotes::Place(int bottom) {
  bottom_ = bottom;
  const QSize margin(16, 16);
  for (QLabel* line : {hint_.data(), note_.data()})
    if (line)
      line->move(window_->width() - line->width() - margin.width(),
                 bottom - line->height() - margin.height());
}
