#include "booklet/BookletTexts.h"

#include <QLocale>
#include <QTime>
#include <cmath>

#include "booklet/ReadingTable.h"
#include "drawing/NumberText.h"
#include "shadow/ShadowAtInstant.h"
#include "shadow/ShadowWords.h"

namespace {

const QLocale kItalian(QLocale::Italian, QLocale::Italy);

QString Degrees(double value) { return PlainDecimalText(std::fabs(value), kItalian) + u'°'; }

QString HoursWords(HourSystem hours) {
  return hours == HourSystem::Temporary ? QStringLiteral("ore temporarie")
                                        : QStringLiteral("ore astronomiche");
}

QString SpacingWords(DateLineSpacing spacing) {
  return spacing == DateLineSpacing::TenDays ? QStringLiteral("decadi") : QStringLiteral("mesi");
}

QString Heading(const QString& text) { return QStringLiteral("<h2>%1</h2>").arg(text); }

// "+3,6" or "−2,0": a signed number of minutes, one decimal.
QString SignedMinutes(double minutes) {
  const QString value = kItalian.toString(std::fabs(minutes), 'f', 1);
  return (minutes < 0 ? QStringLiteral("−") : QStringLiteral("+")) + value;
}

// The first of a few instants of the year at which the Sun is up at the
// site: mid-morning in spring, then in autumn, then noon at either solstice.
std::optional<ShadowReading> ExampleReading(const BookletSite& b) {
  const struct {
    int month, day, hour;
  } kInstants[] = {{5, 15, 10}, {11, 15, 10}, {6, 21, 12}, {12, 21, 12}};
  for (const auto& [month, day, hour] : kInstants) {
    const ShadowOutcome outcome =
        ShadowAt({b.site, b.hours, b.zone, QDate(b.year, month, day), QTime(hour, 0)});
    if (outcome.reading && outcome.reading->SunUp()) return outcome.reading;
  }
  return std::nullopt;
}

QString WorkedExample(const BookletSite& b) {
  const std::optional<ShadowReading> r = ExampleReading(b);
  if (!r) return QStringLiteral("<p>In questo luogo il Sole non sorge nei giorni di prova.</p>");
  const QString date = r->query.date.toString(QStringLiteral("dd/MM/yyyy"));
  const QString clock = r->query.clock.toString(QStringLiteral("HH:mm"));
  QString html = QStringLiteral(
                     "<h3>Un esempio per questo luogo</h3><p>Il %1 l'orologio (fuso %2) "
                     "segna le %3.</p><ol>")
                     .arg(date, b.zone, clock);
  html += QStringLiteral("<li>Ora legale: %1 min, dunque TMF = %2 − %1 min = %3.</li>")
              .arg(QString::number(r->summerMinutes), clock, MinuteText(r->tmfMs));
  html += QStringLiteral("<li>La piastra B, nella colonna del %1, dà delta = %2 min.</li>")
              .arg(r->query.date.toString(QStringLiteral("dd/MM")), SignedMinutes(r->deltaMinutes));
  html += QStringLiteral(
              "<li>TSVL = TMF + delta = %1 %2 min = %3: il Sole è alto %4 e il bordo "
              "dell'ombra taglia la colonna del giorno a %5 mm dal bordo superiore "
              "della piastra C.</li>")
              .arg(MinuteText(r->tmfMs), SignedMinutes(r->deltaMinutes), MinuteText(r->tsvlMs),
                   kItalian.toString(r->altitudeDeg, 'f', 1) + u'°',
                   kItalian.toString(MillimetresBelowTop(r->shadow->y), 'f', 1));
  const QString partOfDay =
      r->hourAngleDeg < 0 ? QStringLiteral("mattina") : QStringLiteral("pomeriggio");
  html += QStringLiteral("<li>La piastra C mostra %1; è %2.</li>")
              .arg(ReadingWords(*r, kItalian), partOfDay);
  html += QStringLiteral(
              "<li>Al contrario, letto sul quindal %1 di %2: TMF = TSVL − delta = "
              "%3, e %4 segna %5.</li></ol>")
              .arg(MinuteText(r->tsvlMs), partOfDay, MinuteText(r->tmfMs),
                   r->summerMinutes ? QStringLiteral("con l'ora legale l'orologio")
                                    : QStringLiteral("l'orologio"),
                   clock);
  return html;
}

}  // namespace

QString SiteWords(const BookletSite& b) {
  const double lat = b.site.Latitude, off = b.site.LongitudeOffset;
  const QString hemisphere = lat > 0   ? QStringLiteral(" nord")
                             : lat < 0 ? QStringLiteral(" sud")
                                       : QStringLiteral(" (equatore)");
  const QString side = off > 0   ? QStringLiteral(" a est del meridiano del fuso")
                       : off < 0 ? QStringLiteral(" a ovest del meridiano del fuso")
                                 : QStringLiteral(" sul meridiano del fuso");
  return QStringLiteral("latitudine %1%2, %3%4").arg(Degrees(lat), hemisphere, Degrees(off), side);
}

QString CoverHtml(const BookletSite& b) {
  QString html = QStringLiteral(
      "<p style=\"font-size:36pt; font-weight:bold\">Quindal</p>"
      "<p>Orologio solare d'ombra con il quadrante inclinato di 45 gradi: "
      "il fascicolo per costruirlo e leggerlo.</p>");
  if (!b.town.isEmpty()) html += QStringLiteral("<h2>%1</h2>").arg(b.town.toHtmlEscaped());
  html += QStringLiteral(
              "<p>%1<br>fuso orario %2<br>%3, linee delle date: %4<br>tabelle per "
              "l'anno %5</p>")
              .arg(SiteWords(b), b.zone.toHtmlEscaped(), HoursWords(b.hours),
                   SpacingWords(b.site.DateSpacing), QString::number(b.year));
  return html;
}

QString MeasureFirstHtml() {
  return QStringLiteral(
      "<h2>Prima di tutto: misurare</h2>"
      "<p>Con un righello misurare le due righe qui sotto e a destra: ciascuna deve essere lunga "
      "100 mm. Se non lo è, la stampante ha cambiato la scala e i pezzi non darebbero l'ora "
      "giusta: ristampare al 100 % (\"dimensioni effettive\"), mai \"adatta alla pagina\", e "
      "misurare di nuovo. Tagliare solo quando tutte e due misurano 100 mm; ogni foglio dei "
      "pezzi ha la sua riga da 100 mm per controllarlo.</p>");
}

QString MaterialsHtml() {
  return Heading(QStringLiteral("Materiali e attrezzi")) +
         QStringLiteral(
             "<ul>"
             "<li><b>Cartoncino da circa 300 g/m²</b>, in fogli A4: abbastanza rigido da stare "
             "in piedi e da non piegarsi al sole; i fogli si stampano direttamente, o si "
             "incollano stampati su carta.</li>"
             "<li><b>Colla</b> vinilica o stick forte: tiene le linguette senza bagnare troppo "
             "il cartoncino.</li>"
             "<li><b>Taglierino e riga di metallo</b>: tagli dritti lungo il contorno; la riga "
             "di metallo non si rovina con la lama.</li>"
             "<li><b>Piano da taglio</b> (o un vecchio cartone): protegge il tavolo.</li>"
             "<li><b>Uno strumento per cordonare</b> (una penna scarica, il dorso di un "
             "coltello): segna le pieghe perché vengano nette e al posto giusto.</li>"
             "<li><b>Una livella a bolla</b>: la base deve stare in piano, o la lettura "
             "sbaglia.</li>"
             "<li><b>Un righello millimetrato</b>: per le righe da 100 mm e per controllare i "
             "pezzi.</li>"
             "</ul>");
}

QString UseHtml(const BookletSite& b) {
  return Heading(QStringLiteral("Come si usa")) +
         QStringLiteral(
             "<ol>"
             "<li><b>In piano.</b> Appoggiare la base su un ripiano al sole e controllarla con "
             "la livella, per il lungo e per il largo.</li>"
             "<li><b>Verso il Sole.</b> Le piastre B e A verso il Sole, la D dietro. Girare lo "
             "strumento finché l'ombra del bordo superiore della piastra B (dove vi appoggia la "
             "A) cade sulla piastra C parallela al bordo superiore di C.</li>"
             "<li><b>Leggere.</b> Cercare sulla piastra C la colonna del giorno (le linee delle "
             "date) e leggere l'ora dove il bordo dell'ombra la attraversa: è il tempo vero "
             "locale, TSVL.%1</li>"
             "<li><b>Mattina o pomeriggio?</b> Il quindal misura quanto è alto il Sole, e la "
             "stessa altezza torna la mattina e il pomeriggio: la piastra non li distingue. Lo "
             "dice la parte del cielo in cui sta il Sole (verso est la mattina, verso ovest il "
             "pomeriggio), oppure una seconda lettura dopo un quarto d'ora: se l'ora letta si "
             "avvicina a mezzogiorno è mattina, se se ne allontana è pomeriggio.</li>"
             "<li><b>Dal quindal all'orologio.</b> La piastra B dà per ogni giorno il delta, in "
             "minuti: la differenza fra il tempo vero del luogo e il tempo medio del fuso (TMF), "
             "correzione di longitudine compresa. TMF = TSVL − delta, e TSVL = TMF + delta.</li>"
             "<li><b>Ora legale.</b> Quando è in vigore l'orologio segna un'ora in più del TMF: "
             "ora dell'orologio = TMF + 1 ora.</li>"
             "<li><b>Vicino a mezzogiorno</b> il Sole cambia altezza molto lentamente: un "
             "decimo di millimetro d'ombra vale molti minuti. Le letture più precise si fanno a "
             "metà mattina e a metà pomeriggio.</li>"
             "</ol>")
             .arg(b.hours == HourSystem::Temporary
                      ? QStringLiteral(" Con le ore temporarie la piastra C segna l'ora "
                                       "temporaria: il giorno, dall'alba al tramonto, diviso in "
                                       "dodici ore, 6 a mezzogiorno.")
                      : QString()) +
         WorkedExample(b);
}

QString ReadingTableHtml(const BookletSite& b) {
  QString html = Heading(QStringLiteral("Tabella di lettura")) +
                 QStringLiteral(
                     "<p>Che cosa mostra il quindal (tempo vero locale) quando "
                     "l'orologio del fuso %1 segna le 9:00, le 12:00 e le 15:00, "
                     "ora legale compresa, nel %2. «—»: il Sole è sotto "
                     "l'orizzonte.</p>"
                     "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"70%\">"
                     "<tr><th>Data</th><th>ore 9:00</th><th>ore 12:00</th>"
                     "<th>ore 15:00</th></tr>")
                     .arg(b.zone.toHtmlEscaped(), QString::number(b.year));
  for (const ReadingRow& row : ReadingTable(b.site, b.hours, b.zone, b.year)) {
    html += QStringLiteral("<tr><td>%1</td>").arg(row.date.toString(QStringLiteral("dd/MM")));
    for (const QString& shown : row.shown) html += QStringLiteral("<td>%1</td>").arg(shown);
    html += QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table>");
}

QString ObservationHtml() {
  QString rows;
  for (int k = 0; k < 12; ++k)
    rows += QStringLiteral("<tr><td>&nbsp;</td><td></td><td></td><td></td><td></td><td></td></tr>");
  return Heading(QStringLiteral("Scheda di osservazione")) +
         QStringLiteral(
             "<p>Nome: ______________________ &nbsp; Classe: ________</p>"
             "<table border=\"1\" cellspacing=\"0\" cellpadding=\"6\" width=\"100%\">"
             "<tr><th>Data</th><th>Ora dell'orologio</th><th>Il quindal segna (TSVL)</th>"
             "<th>Delta della piastra B</th><th>Ora calcolata (TSVL − delta, più l'ora "
             "legale)</th><th>Differenza</th></tr>") +
         rows +
         QStringLiteral(
             "</table>"
             "<h3>Per l'insegnante</h3><ul>"
             "<li><b>Piastra A</b>: il puntello inclinato di 60° che regge la B; porta la "
             "latitudine per cui è costruito lo strumento.</li>"
             "<li><b>Piastra B</b>: il suo bordo superiore getta l'ombra sulla C; porta il delta "
             "di ogni giorno dell'anno (l'equazione del tempo corretta per la longitudine del "
             "luogo) e le due formule fra TMF e TSVL.</li>"
             "<li><b>Piastra C</b>: il quadrante, inclinato di 45°: le date in orizzontale, le "
             "ore in verticale; l'ombra del bordo di B vi segna l'ora.</li>"
             "<li><b>Piastra D</b>: il sostegno posteriore, con la sfera celeste vista dallo "
             "zenit a 60° di latitudine.</li>"
             "<li><b>Base</b>: i segni D2, C1, B1, A2 dicono dove va ogni linguetta.</li>"
             "</ul>");
}
