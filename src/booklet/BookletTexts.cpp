#include "booklet/BookletTexts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTime>
#include <cmath>

#include "booklet/ReadingTable.h"
#include "place/SiteOffset.h"
#include "place/ZoneMeridian.h"
#include "drawing/NumberText.h"
#include "shadow/ShadowAtInstant.h"
#include "shadow/ShadowWords.h"

namespace {

class Booklet {
  Q_DECLARE_TR_FUNCTIONS(Booklet)
};

// The minutes a site's clocks keep ahead of the mean time of the meridian
// its plates are drawn for, beside summer time; 0 on the zone's meridian.
int ZoneShiftOf(const CheckedProject& b) {
  const std::optional<double> zone = ZoneMeridianDeg(b.project.ClockZone());
  if (!b.project.site.meridian || !zone) return 0;
  return ZoneShiftMinutes(*zone, *b.project.site.meridian);
}

// Numbers as the sheets write them: the regional separator, as the plates
// use it, so that the booklet agrees with its own sheets.
QString Number(double value, int decimals) { return RoundedText(value, decimals, QLocale()); }

QString Degrees(double value) { return PlainDecimalText(std::fabs(value), QLocale()) + u'°'; }

QString HoursWords(HourSystem hours) {
  return hours == HourSystem::Temporary ? Booklet::tr("ore temporarie")
                                        : Booklet::tr("ore astronomiche");
}

QString SpacingWords(DateLineSpacing spacing) {
  return spacing == DateLineSpacing::TenDays ? Booklet::tr("decadi") : Booklet::tr("mesi");
}

QString Heading(const QString& text) { return QStringLiteral("<h2>%1</h2>").arg(text); }

// "+3,6" or "−2,0": a signed number of minutes, one decimal; "0,0" unsigned.
QString SignedMinutes(double minutes) {
  const QString value = Number(minutes, 1);
  if (value == Number(0, 1)) return value;
  return (minutes < 0 ? QStringLiteral("−") : QStringLiteral("+")) + Number(std::fabs(minutes), 1);
}

// The first of a few instants of the year at which the Sun is up at the
// site: mid-morning in spring, then in autumn, then noon at either solstice.
std::optional<ShadowReading> ExampleReading(const CheckedProject& b) {
  const struct {
    int month, day, hour;
  } kInstants[] = {{5, 15, 10}, {11, 15, 10}, {6, 21, 12}, {12, 21, 12}};
  for (const auto& [month, day, hour] : kInstants) {
    const ShadowOutcome outcome =
        ShadowAt({b, QDate(b.project.BookletYear(), month, day), QTime(hour, 0)});
    if (outcome.reading && outcome.reading->SunUp()) return outcome.reading;
  }
  return std::nullopt;
}

// The example's last step: from what the plate shows back to the clock.
QString ExampleBackToTheClock(const ShadowReading& r) {
  const QString partOfDay =
      r.hourAngleDeg < 0 ? Booklet::tr("di mattina") : Booklet::tr("di pomeriggio");
  const QString clock = r.query.clock.toString(QStringLiteral("HH:mm"));
  const QString date = r.query.date.toString(QStringLiteral("dd/MM"));
  if (r.temporaryHour) {
    const double hour = *r.temporaryHour;
    const int below = int(std::floor(hour));
    return Booklet::tr(
               "<li>Al contrario, letta sul quindal l'ora temporaria %1 %2: fra le linee "
               "%3 e %4. La Tabella di lettura, nella riga della data, dà l'ora "
               "dell'orologio di ciascuna linea; fra le due si stima in proporzione: "
               "l'orologio segna le %5.</li>")
        .arg(TemporaryHourText(hour), partOfDay, QString::number(below), QString::number(below + 1),
             clock);
  }
  return Booklet::tr(
             "<li>Al contrario, letto sul quindal %1 %2: il %3 si aggiungono %4 (la "
             "Tabella di lettura, ora legale compresa), e %5 + %4 = %6, l'ora "
             "dell'orologio.</li>")
      .arg(MinuteText(r.tsvlMs), partOfDay, date, SignedMinutesText(MinutesToAdd(r)),
           MinuteText(r.tsvlMs), clock);
}

QString WorkedExample(const CheckedProject& b) {
  const std::optional<ShadowReading> r = ExampleReading(b);
  if (!r) return Booklet::tr("<p>In questo luogo il Sole non sorge nei giorni di prova.</p>");
  const QString date = r->query.date.toString(QStringLiteral("dd/MM/yyyy"));
  const QString clock = r->query.clock.toString(QStringLiteral("HH:mm"));
  QString html = Booklet::tr(
                     "<h3>Un esempio per questo luogo</h3><p>Il %1 l'orologio (fuso %2) "
                     "segna le %3.</p><ol>")
                     .arg(date, b.project.ClockZone(), clock);
  if (r->zoneShiftMinutes) {
    html += Booklet::tr(
                "<li>Ora legale: %1 min; meridiano delle piastre: %2 min; dunque TMF = %3 − "
                "%4 min = %5.</li>")
                .arg(QString::number(r->summerMinutes), QString::number(r->zoneShiftMinutes), clock,
                     QString::number(r->summerMinutes + r->zoneShiftMinutes), MinuteText(r->tmfMs));
  } else {
    html += Booklet::tr("<li>Ora legale: %1 min, dunque TMF = %2 − %1 min = %3.</li>")
                .arg(QString::number(r->summerMinutes), clock, MinuteText(r->tmfMs));
  }
  html += Booklet::tr("<li>La piastra B, nella colonna del %1, dà delta = %2 min.</li>")
              .arg(r->query.date.toString(QStringLiteral("dd/MM")), SignedMinutes(r->deltaMinutes));
  html += Booklet::tr(
              "<li>TSVL = TMF + delta = %1 %2 min = %3: il Sole è alto %4 e il bordo "
              "dell'ombra taglia la colonna del giorno a %5 mm dal bordo superiore "
              "della piastra C.</li>")
              .arg(MinuteText(r->tmfMs), SignedMinutes(r->deltaMinutes), MinuteText(r->tsvlMs),
                   Number(r->altitudeDeg, 1) + u'°', Number(MillimetresBelowTop(r->shadow->y), 1));
  const QString partOfDay =
      r->hourAngleDeg < 0 ? Booklet::tr("è mattina") : Booklet::tr("è pomeriggio");
  html += Booklet::tr("<li>La piastra C mostra %1; %2.</li>").arg(ReadingWords(*r), partOfDay);
  return html + ExampleBackToTheClock(*r) + QStringLiteral("</ol>");
}

// What a reader of plate C does with what it shows, by hour system.
QString ReadingStep(HourSystem hours) {
  if (hours == HourSystem::Temporary)
    return Booklet::tr(
        "<li><b>Leggere.</b> Cercare sulla piastra C la colonna del giorno (le linee delle "
        "date) e leggere l'ora dove il bordo dell'ombra la attraversa. Con le ore temporarie la "
        "piastra C segna l'ora temporaria: il giorno, dall'alba al tramonto, diviso in dodici "
        "ore uguali; 0 all'alba, 6 a mezzogiorno vero, 12 al tramonto. Un'ora temporaria si "
        "scrive in ore e minuti di tempo temporaneo («3:28»). Per passare all'orologio: la "
        "Tabella di lettura dà, per ogni data, l'ora dell'orologio in cui l'ombra attraversa "
        "ciascuna linea, ora legale compresa.</li>");
  return Booklet::tr(
      "<li><b>Leggere.</b> Cercare sulla piastra C la colonna del giorno (le linee delle "
      "date) e leggere l'ora dove il bordo dell'ombra la attraversa: è il tempo vero locale, "
      "TSVL. Per passare all'orologio: la Tabella di lettura dà, per ogni data, i minuti da "
      "aggiungere, ora legale compresa.</li>");
}

// For a site drawn for a meridian moved from its zone's, the whole hours
// its clocks keep ahead of that meridian's mean time.
QString MeridianStep(const CheckedProject& b) {
  const int shift = ZoneShiftOf(b);
  if (!shift) return {};
  const QString text =
      shift > 0 ? Booklet::tr(
                      "<li><b>Il meridiano.</b> Questo luogo è lontano dal meridiano del "
                      "suo fuso: le piastre sono disegnate per il meridiano %1, e "
                      "l'orologio del fuso va %2 avanti rispetto al tempo medio di quel "
                      "meridiano. All'ora letta sulle piastre (TMF) %3, tutto l'anno; la "
                      "Tabella di lettura lo comprende già.</li>")
                : Booklet::tr(
                      "<li><b>Il meridiano.</b> Questo luogo è lontano dal meridiano del "
                      "suo fuso: le piastre sono disegnate per il meridiano %1, e "
                      "l'orologio del fuso va %2 indietro rispetto al tempo medio di quel "
                      "meridiano. All'ora letta sulle piastre (TMF) %3, tutto l'anno; la "
                      "Tabella di lettura lo comprende già.</li>");
  return text.arg(LongitudeText(*b.project.site.meridian), SummerTimeWords(std::abs(shift)),
                  ZoneShiftWords(shift));
}

// What summer time adds, in the amount the zone's clocks really move that year.
QString SummerStep(const CheckedProject& b) {
  const int minutes = LongestSummerMinutes(b.project.ClockZone(), b.project.BookletYear());
  if (minutes == 0)
    return Booklet::tr(
               "<li><b>Ora legale.</b> Nel %1 l'orologio del fuso %2 non ha ora legale: segna "
               "il TMF tutto l'anno.</li>")
        .arg(QString::number(b.project.BookletYear()), b.project.ClockZone().toHtmlEscaped());
  return Booklet::tr(
             "<li><b>Ora legale.</b> Quando è in vigore l'orologio segna %1 in più del TMF: ora "
             "dell'orologio = TMF + %1.</li>")
      .arg(SummerTimeWords(minutes));
}

}  // namespace

QString SiteWords(const CheckedProject& b) {
  const double lat = b.parameters.Latitude, off = b.parameters.LongitudeOffset;
  const QString latitude = lat > 0   ? Booklet::tr("latitudine %1 nord")
                           : lat < 0 ? Booklet::tr("latitudine %1 sud")
                                     : Booklet::tr("latitudine %1 (equatore)");
  const std::optional<double> moved = b.project.site.meridian;
  const QString offset = moved ? (off > 0   ? Booklet::tr("%1 a est del meridiano %2")
                                  : off < 0 ? Booklet::tr("%1 a ovest del meridiano %2")
                                            : Booklet::tr("%1 sul meridiano %2"))
                                     .arg(Degrees(off), LongitudeText(*moved))
                               : (off > 0   ? Booklet::tr("%1 a est del meridiano del fuso")
                                  : off < 0 ? Booklet::tr("%1 a ovest del meridiano del fuso")
                                            : Booklet::tr("%1 sul meridiano del fuso"))
                                     .arg(Degrees(off));
  const QString words = Booklet::tr("%1, %2").arg(latitude.arg(Degrees(lat)), offset);
  if (const int shift = ZoneShiftOf(b))
    return Booklet::tr("%1 (all'ora letta %2, poi l'ora legale)").arg(words, ZoneShiftWords(shift));
  return words;
}

QString CoverHtml(const CheckedProject& b) {
  QString html = Booklet::tr(
      "<p style=\"font-size:36pt; font-weight:bold\">Quindal</p>"
      "<p>Orologio solare d'ombra con il quadrante inclinato di 45 gradi: "
      "il fascicolo per costruirlo e leggerlo.</p>");
  if (!b.project.site.TownName().isEmpty())
    html += QStringLiteral("<h2>%1</h2>").arg(b.project.site.TownName().toHtmlEscaped());
  html +=
      Booklet::tr(
          "<p>%1<br>fuso orario %2<br>%3, linee delle date: %4<br>tabelle per "
          "l'anno %5</p>")
          .arg(SiteWords(b), b.project.ClockZone().toHtmlEscaped(), HoursWords(b.project.hours),
               SpacingWords(b.parameters.DateSpacing), QString::number(b.project.BookletYear()));
  return html;
}

QString MeasureFirstHtml() {
  return Booklet::tr(
      "<h2>Prima di tutto: misurare</h2>"
      "<p>Con un righello misurare le due righe qui sotto e a destra: ciascuna deve essere lunga "
      "100 mm. Se non lo è, la stampante ha cambiato la scala e i pezzi non darebbero l'ora "
      "giusta: ristampare al 100 % (\"dimensioni effettive\"), mai \"adatta alla pagina\", e "
      "misurare di nuovo. Tagliare solo quando tutte e due misurano 100 mm; ogni foglio dei "
      "pezzi ha la sua riga da 100 mm per controllarlo.</p>");
}

QString MaterialsHtml() {
  return Heading(Booklet::tr("Materiali e attrezzi")) +
         Booklet::tr(
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

QString UseHtml(const CheckedProject& b) {
  return Heading(Booklet::tr("Come si usa")) + QStringLiteral("<ol>") +
         Booklet::tr(
             "<li><b>In piano.</b> Appoggiare la base su un ripiano al sole e controllarla con "
             "la livella, per il lungo e per il largo.</li>"
             "<li><b>Verso il Sole.</b> Le piastre B e A verso il Sole, la D dietro. Girare lo "
             "strumento finché l'ombra del bordo superiore della piastra B (dove vi appoggia la "
             "A) cade sulla piastra C parallela al bordo superiore di C.</li>") +
         ReadingStep(b.project.hours) +
         Booklet::tr(
             "<li><b>Mattina o pomeriggio?</b> Il quindal misura quanto è alto il Sole, e la "
             "stessa altezza torna la mattina e il pomeriggio: la piastra non li distingue. Lo "
             "dice la parte del cielo in cui sta il Sole (verso est la mattina, verso ovest il "
             "pomeriggio), oppure una seconda lettura dopo un quarto d'ora: se l'ora letta si "
             "avvicina a mezzogiorno è mattina, se se ne allontana è pomeriggio.</li>"
             "<li><b>Dal quindal all'orologio.</b> La piastra B dà per ogni giorno il delta, in "
             "minuti: la differenza fra il tempo vero del luogo e il tempo medio del fuso (TMF), "
             "correzione di longitudine compresa. TMF = TSVL − delta, e TSVL = TMF + delta.</li>") +
         MeridianStep(b) + SummerStep(b) +
         Booklet::tr(
             "<li><b>Vicino a mezzogiorno</b> il Sole cambia altezza molto lentamente: un "
             "decimo di millimetro d'ombra vale molti minuti. Le letture più precise si fanno a "
             "metà mattina e a metà pomeriggio.</li>"
             "</ol>") +
         WorkedExample(b);
}

namespace {

// The date cell of a row: the date, and summer time when the clocks keep it.
QString DateCell(const ReadingRow& row) {
  const QString date = row.date.toString(QStringLiteral("dd/MM"));
  return QStringLiteral("<td>%1</td>")
      .arg(row.summerMinutes ? Booklet::tr("%1 (ora legale)").arg(date) : date);
}

QString TemporaryTableHtml(const CheckedProject& b, const std::vector<ReadingRow>& rows) {
  QString html =
      Booklet::tr(
          "<p>A che ora l'orologio del fuso %1 (ora legale compresa) segna il passaggio "
          "dell'ombra su ciascuna linea delle ore temporarie della piastra C, nel %2. Fra due "
          "linee si stima in proporzione; fra due date si prende la più vicina. «—»: una "
          "linea che l'ombra quel giorno non raggiunge.</p>"
          "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\" "
          "style=\"font-size:8pt\"><tr><th>Data</th>")
          .arg(b.project.ClockZone().toHtmlEscaped(), QString::number(b.project.BookletYear()));
  for (int line = kFirstTemporaryLine; line <= kLastTemporaryLine; ++line)
    html += QStringLiteral("<th>%1</th>").arg(line);
  html += QStringLiteral("</tr>");
  for (const ReadingRow& row : rows) {
    html += QStringLiteral("<tr>") + DateCell(row);
    for (const QString& clock : row.lineClockTimes)
      html += QStringLiteral("<td align=\"center\">%1</td>").arg(clock);
    html += QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table>");
}

QString AstronomicalTableHtml(const CheckedProject& b, const std::vector<ReadingRow>& rows) {
  QString html =
      Booklet::tr(
          "<p>Quanti minuti aggiungere a ciò che mostra il quindal (il tempo vero locale) "
          "per avere l'ora dell'orologio del fuso %1, ora legale compresa, nel %2. Fra due "
          "date si prende la più vicina.</p>"
          "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"70%\">"
          "<tr><th>Data</th><th>Aggiungere alla lettura</th></tr>")
          .arg(b.project.ClockZone().toHtmlEscaped(), QString::number(b.project.BookletYear()));
  for (const ReadingRow& row : rows)
    html += QStringLiteral("<tr>") + DateCell(row) +
            QStringLiteral("<td align=\"center\">%1</td></tr>")
                .arg(SignedMinutesText(row.minutesToAdd));
  return html + QStringLiteral("</table>");
}

}  // namespace

QString ReadingTableHtml(const CheckedProject& b) {
  const std::vector<ReadingRow> rows = ReadingTable(b, b.project.BookletYear());
  return Heading(Booklet::tr("Tabella di lettura")) + (b.project.hours == HourSystem::Temporary
                                                           ? TemporaryTableHtml(b, rows)
                                                           : AstronomicalTableHtml(b, rows));
}

QString ObservationHtml() {
  QString rows;
  for (int k = 0; k < 12; ++k)
    rows += QStringLiteral("<tr><td>&nbsp;</td><td></td><td></td><td></td><td></td><td></td></tr>");
  return Heading(Booklet::tr("Scheda di osservazione")) +
         Booklet::tr(
             "<p>Nome: ______________________ &nbsp; Classe: ________</p>"
             "<table border=\"1\" cellspacing=\"0\" cellpadding=\"6\" width=\"100%\">"
             "<tr><th>Data</th><th>Ora dell'orologio</th><th>Il quindal segna (TSVL)</th>"
             "<th>Delta della piastra B</th><th>Ora calcolata (TSVL − delta, più l'ora "
             "legale)</th><th>Differenza</th></tr>") +
         rows +
         Booklet::tr(
             "</table>"
             "<p>&nbsp;</p><h3>Per l'insegnante</h3><ul>"
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
