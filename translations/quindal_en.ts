<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>Booklet</name>
    <message>
        <location filename="../src/booklet/AssemblySteps.cpp" line="+110"/>
        <source>&lt;b&gt;1. Ritagliare&lt;/b&gt; ogni pezzo lungo il contorno, la linea esterna, linguette comprese: piastre A, B, C, D e base. Il foglio delle istruzioni non si taglia.</source>
        <translation>&lt;b&gt;1. Cut out&lt;/b&gt; each piece along its outline, the outer line, tabs included: plates A, B, C, D and the base. The instructions sheet is not cut.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;b&gt;2. Cordonare e piegare.&lt;/b&gt; Con la riga e lo strumento per cordonare, ripassare le pieghe, le linee dove una linguetta incontra la sua piastra (tratteggiate nella figura: ogni piastra ha le sue; la base non ne ha), poi piegare ogni linguetta.</source>
        <translation>&lt;b&gt;2. Score and fold.&lt;/b&gt; With the ruler and the scoring tool, go over the folds, the lines where a tab meets its plate (dashed in the picture: each plate has its own; the base has none), then fold each tab.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;b&gt;3. Piastra D.&lt;/b&gt; Incollare la linguetta D2 sulla base, lungo il segno «D2»: la D sta in piedi, dietro.</source>
        <translation>&lt;b&gt;3. Plate D.&lt;/b&gt; Glue tab D2 onto the base, along the mark «D2»: D stands upright, at the back.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;b&gt;4. Piastra C.&lt;/b&gt; Incollare la linguetta C1 sul segno «C1» della base e appoggiare il bordo superiore della C alla linguetta D1, in cima alla D: la C scende a 45° dalla cima della D alla base.</source>
        <translation>&lt;b&gt;4. Plate C.&lt;/b&gt; Glue tab C1 onto the base&apos;s mark «C1» and rest the top edge of C on tab D1, at the top of D: C slopes down at 45° from the top of D to the base.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;b&gt;5. Piastra B.&lt;/b&gt; Incollare la linguetta B1 sul segno «B1»: la B sta in piedi all&apos;estremità bassa della C.</source>
        <translation>&lt;b&gt;5. Plate B.&lt;/b&gt; Glue tab B1 onto the mark «B1»: B stands upright at the lower end of C.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;b&gt;6. Piastra A.&lt;/b&gt; Incollare la linguetta A1 in cima alla B e la A2 sul segno «A2» della base: la A scende dalla cima della B alla base, a 60° dall&apos;orizzontale.</source>
        <translation>&lt;b&gt;6. Plate A.&lt;/b&gt; Glue tab A1 to the top of B and A2 onto the base&apos;s mark «A2»: A slopes down from the top of B to the base, at 60° from the horizontal.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>&lt;h2&gt;Montaggio&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Assembly&lt;/h2&gt;</translation>
    </message>
    <message>
        <location filename="../src/booklet/Booklet.cpp" line="+67"/>
        <source>100 mm in orizzontale</source>
        <translation>100 mm across</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>100 mm in verticale</source>
        <translation>100 mm down</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+7"/>
        <source>fascicolo</source>
        <translation>booklet</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>fascicolo, %1</source>
        <translation>booklet, %1</translation>
    </message>
    <message>
        <location filename="../src/booklet/BookletTexts.cpp" line="+36"/>
        <source>ore temporarie</source>
        <translation>temporary hours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ore astronomiche</source>
        <translation>astronomical hours</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>decadi</source>
        <translation>ten days</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>mesi</source>
        <translation>months</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>di mattina</source>
        <translation>in the morning</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>di pomeriggio</source>
        <translation>in the afternoon</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;li&gt;Al contrario, letta sul quindal l&apos;ora temporaria %1 %2: fra le linee %3 e %4. La Tabella di lettura, nella riga della data, dà l&apos;ora dell&apos;orologio di ciascuna linea; fra le due si stima in proporzione: l&apos;orologio segna le %5.&lt;/li&gt;</source>
        <translation>&lt;li&gt;The other way round: with the temporary hour %1 %2 read on the quindal, between lines %3 and %4. The Reading table, in the row of the date, gives the clock time of each line; between the two, estimate in proportion: the clock shows %5.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;li&gt;Al contrario, letto sul quindal %1 %2: il %3 si aggiungono %4 (la Tabella di lettura, ora legale compresa), e %5 + %4 = %6, l&apos;ora dell&apos;orologio.&lt;/li&gt;</source>
        <translation>&lt;li&gt;The other way round: with %1 %2 read on the quindal, on %3 add %4 (the Reading table, summer time included), and %5 + %4 = %6, the clock time.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&lt;p&gt;In questo luogo il Sole non sorge nei giorni di prova.&lt;/p&gt;</source>
        <translation>&lt;p&gt;At this site the Sun does not rise on the days tried.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;h3&gt;Un esempio per questo luogo&lt;/h3&gt;&lt;p&gt;Il %1 l&apos;orologio (fuso %2) segna le %3.&lt;/p&gt;&lt;ol&gt;</source>
        <translation>&lt;h3&gt;An example for this site&lt;/h3&gt;&lt;p&gt;On %1 the clock (zone %2) shows %3.&lt;/p&gt;&lt;ol&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;li&gt;Ora legale: %1 min; meridiano delle piastre: %2 min; dunque TMF = %3 − %4 min = %5.&lt;/li&gt;</source>
        <translation>&lt;li&gt;Summer time: %1 min; the plates&apos; meridian: %2 min; so TMF = %3 − %4 min = %5.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;li&gt;Ora legale: %1 min, dunque TMF = %2 − %1 min = %3.&lt;/li&gt;</source>
        <translation>&lt;li&gt;Summer time: %1 min, so TMF = %2 − %1 min = %3.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;li&gt;La piastra B, nella colonna del %1, dà delta = %2 min.&lt;/li&gt;</source>
        <translation>&lt;li&gt;Plate B, in the column of %1, gives delta = %2 min.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;li&gt;TSVL = TMF + delta = %1 %2 min = %3: il Sole è alto %4 e il bordo dell&apos;ombra taglia la colonna del giorno a %5 mm dal bordo superiore della piastra C.&lt;/li&gt;</source>
        <translation>&lt;li&gt;TSVL = TMF + delta = %1 %2 min = %3: the Sun is %4 high and the edge of the shadow crosses the day&apos;s column %5 mm below the top edge of plate C.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>è mattina</source>
        <translation>it is morning</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>è pomeriggio</source>
        <translation>it is afternoon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;li&gt;La piastra C mostra %1; %2.&lt;/li&gt;</source>
        <translation>&lt;li&gt;Plate C shows %1; %2.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;li&gt;&lt;b&gt;Leggere.&lt;/b&gt; Cercare sulla piastra C la colonna del giorno (le linee delle date) e leggere l&apos;ora dove il bordo dell&apos;ombra la attraversa. Con le ore temporarie la piastra C segna l&apos;ora temporaria: il giorno, dall&apos;alba al tramonto, diviso in dodici ore uguali; 0 all&apos;alba, 6 a mezzogiorno vero, 12 al tramonto. Un&apos;ora temporaria si scrive in ore e minuti di tempo temporaneo («3:28»). Per passare all&apos;orologio: la Tabella di lettura dà, per ogni data, l&apos;ora dell&apos;orologio in cui l&apos;ombra attraversa ciascuna linea, ora legale compresa.&lt;/li&gt;</source>
        <translation>&lt;li&gt;&lt;b&gt;Read.&lt;/b&gt; Find the day&apos;s column on plate C (the date lines) and read the hour where the edge of the shadow crosses it. With temporary hours plate C shows the temporary hour: the day, from sunrise to sunset, divided into twelve equal hours; 0 at sunrise, 6 at true noon, 12 at sunset. A temporary hour is written in hours and minutes of temporary time («3:28»). To go to the clock: the Reading table gives, for each date, the clock time at which the shadow crosses each line, summer time included.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;li&gt;&lt;b&gt;Leggere.&lt;/b&gt; Cercare sulla piastra C la colonna del giorno (le linee delle date) e leggere l&apos;ora dove il bordo dell&apos;ombra la attraversa: è il tempo vero locale, TSVL. Per passare all&apos;orologio: la Tabella di lettura dà, per ogni data, i minuti da aggiungere, ora legale compresa.&lt;/li&gt;</source>
        <translation>&lt;li&gt;&lt;b&gt;Read.&lt;/b&gt; Find the day&apos;s column on plate C (the date lines) and read the hour where the edge of the shadow crosses it: it is local apparent time, TSVL. To go to the clock: the Reading table gives, for each date, the minutes to add, summer time included.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&lt;li&gt;&lt;b&gt;Il meridiano.&lt;/b&gt; Questo luogo è lontano dal meridiano del suo fuso: le piastre sono disegnate per il meridiano %1, e l&apos;orologio del fuso va %2 avanti rispetto al tempo medio di quel meridiano. All&apos;ora letta sulle piastre (TMF) %3, tutto l&apos;anno; la Tabella di lettura lo comprende già.&lt;/li&gt;</source>
        <translation>&lt;li&gt;&lt;b&gt;The meridian.&lt;/b&gt; This site is far from its zone&apos;s meridian: the plates are drawn for the meridian %1, and the zone&apos;s clock runs %2 ahead of that meridian&apos;s mean time. To the time read on the plates (TMF) %3, all year round; the Reading table already includes it.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;li&gt;&lt;b&gt;Il meridiano.&lt;/b&gt; Questo luogo è lontano dal meridiano del suo fuso: le piastre sono disegnate per il meridiano %1, e l&apos;orologio del fuso va %2 indietro rispetto al tempo medio di quel meridiano. All&apos;ora letta sulle piastre (TMF) %3, tutto l&apos;anno; la Tabella di lettura lo comprende già.&lt;/li&gt;</source>
        <translation>&lt;li&gt;&lt;b&gt;The meridian.&lt;/b&gt; This site is far from its zone&apos;s meridian: the plates are drawn for the meridian %1, and the zone&apos;s clock runs %2 behind that meridian&apos;s mean time. To the time read on the plates (TMF) %3, all year round; the Reading table already includes it.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;li&gt;&lt;b&gt;Ora legale.&lt;/b&gt; Nel %1 l&apos;orologio del fuso %2 non ha ora legale: segna il TMF tutto l&apos;anno.&lt;/li&gt;</source>
        <translation>&lt;li&gt;&lt;b&gt;Summer time.&lt;/b&gt; In %1 the clock of zone %2 has no summer time: it shows TMF all year round.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;li&gt;&lt;b&gt;Ora legale.&lt;/b&gt; Quando è in vigore l&apos;orologio segna %1 in più del TMF: ora dell&apos;orologio = TMF + %1.&lt;/li&gt;</source>
        <translation>&lt;li&gt;&lt;b&gt;Summer time.&lt;/b&gt; While it is in force the clock shows %1 more than TMF: clock time = TMF + %1.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>latitudine %1 nord</source>
        <translation>latitude %1 north</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>latitudine %1 sud</source>
        <translation>latitude %1 south</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>latitudine %1 (equatore)</source>
        <translation>latitude %1 (equator)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 a est del meridiano %2</source>
        <translation>%1 east of the meridian %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 a ovest del meridiano %2</source>
        <translation>%1 west of the meridian %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 sul meridiano %2</source>
        <translation>%1 on the meridian %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 a est del meridiano del fuso</source>
        <translation>%1 east of the zone&apos;s meridian</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 a ovest del meridiano del fuso</source>
        <translation>%1 west of the zone&apos;s meridian</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 sul meridiano del fuso</source>
        <translation>%1 on the zone&apos;s meridian</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (all&apos;ora letta %2, poi l&apos;ora legale)</source>
        <translation>%1 (to the time read %2, then summer time)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;p style=&quot;font-size:36pt; font-weight:bold&quot;&gt;Quindal&lt;/p&gt;&lt;p&gt;Orologio solare d&apos;ombra con il quadrante inclinato di 45 gradi: il fascicolo per costruirlo e leggerlo.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;font-size:36pt; font-weight:bold&quot;&gt;Quindal&lt;/p&gt;&lt;p&gt;A shadow sundial with its dial inclined at 45 degrees: the booklet to build it and read it.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p&gt;%1&lt;br&gt;fuso orario %2&lt;br&gt;%3, linee delle date: %4&lt;br&gt;tabelle per l&apos;anno %5&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1&lt;br&gt;time zone %2&lt;br&gt;%3, date lines: %4&lt;br&gt;tables for the year %5&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;h2&gt;Prima di tutto: misurare&lt;/h2&gt;&lt;p&gt;Con un righello misurare le due righe qui sotto e a destra: ciascuna deve essere lunga 100 mm. Se non lo è, la stampante ha cambiato la scala e i pezzi non darebbero l&apos;ora giusta: ristampare al 100 % (&quot;dimensioni effettive&quot;), mai &quot;adatta alla pagina&quot;, e misurare di nuovo. Tagliare solo quando tutte e due misurano 100 mm; ogni foglio dei pezzi ha la sua riga da 100 mm per controllarlo.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;First of all: measure&lt;/h2&gt;&lt;p&gt;With a ruler measure the two lines below and on the right: each must be 100 mm long. If it is not, the printer has changed the scale and the pieces would not give the right time: print again at 100 % (&quot;actual size&quot;), never &quot;fit to page&quot;, and measure again. Cut only when both measure 100 mm; every sheet of the pieces has its own 100 mm line to check it.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Materiali e attrezzi</source>
        <translation>Materials and tools</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;ul&gt;&lt;li&gt;&lt;b&gt;Cartoncino da circa 300 g/m²&lt;/b&gt;, in fogli A4: abbastanza rigido da stare in piedi e da non piegarsi al sole; i fogli si stampano direttamente, o si incollano stampati su carta.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Colla&lt;/b&gt; vinilica o stick forte: tiene le linguette senza bagnare troppo il cartoncino.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Taglierino e riga di metallo&lt;/b&gt;: tagli dritti lungo il contorno; la riga di metallo non si rovina con la lama.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Piano da taglio&lt;/b&gt; (o un vecchio cartone): protegge il tavolo.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Uno strumento per cordonare&lt;/b&gt; (una penna scarica, il dorso di un coltello): segna le pieghe perché vengano nette e al posto giusto.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Una livella a bolla&lt;/b&gt;: la base deve stare in piano, o la lettura sbaglia.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Un righello millimetrato&lt;/b&gt;: per le righe da 100 mm e per controllare i pezzi.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;&lt;b&gt;Card of about 300 g/m²&lt;/b&gt;, in A4 sheets: stiff enough to stand and not to bend in the sun; the sheets are printed directly, or printed on paper and glued on.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Glue&lt;/b&gt;, PVA or a strong stick: it holds the tabs without wetting the card too much.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Craft knife and metal ruler&lt;/b&gt;: straight cuts along the outline; a metal ruler is not spoilt by the blade.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Cutting mat&lt;/b&gt; (or an old piece of cardboard): it protects the table.&lt;/li&gt;&lt;li&gt;&lt;b&gt;A scoring tool&lt;/b&gt; (a dry pen, the back of a knife): it marks the folds so that they come out clean and in the right place.&lt;/li&gt;&lt;li&gt;&lt;b&gt;A spirit level&lt;/b&gt;: the base must be level, or the reading is wrong.&lt;/li&gt;&lt;li&gt;&lt;b&gt;A ruler in millimetres&lt;/b&gt;: for the 100 mm lines and to check the pieces.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Come si usa</source>
        <translation>How to use it</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;li&gt;&lt;b&gt;In piano.&lt;/b&gt; Appoggiare la base su un ripiano al sole e controllarla con la livella, per il lungo e per il largo.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Verso il Sole.&lt;/b&gt; Le piastre B e A verso il Sole, la D dietro. Girare lo strumento finché l&apos;ombra del bordo superiore della piastra B (dove vi appoggia la A) cade sulla piastra C parallela al bordo superiore di C.&lt;/li&gt;</source>
        <translation>&lt;li&gt;&lt;b&gt;Level.&lt;/b&gt; Set the base on a shelf in the sun and check it with the spirit level, lengthwise and crosswise.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Towards the Sun.&lt;/b&gt; Plates B and A towards the Sun, D at the back. Turn the instrument until the shadow of the top edge of plate B (where A rests on it) falls on plate C parallel to C&apos;s top edge.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;li&gt;&lt;b&gt;Mattina o pomeriggio?&lt;/b&gt; Il quindal misura quanto è alto il Sole, e la stessa altezza torna la mattina e il pomeriggio: la piastra non li distingue. Lo dice la parte del cielo in cui sta il Sole (verso est la mattina, verso ovest il pomeriggio), oppure una seconda lettura dopo un quarto d&apos;ora: se l&apos;ora letta si avvicina a mezzogiorno è mattina, se se ne allontana è pomeriggio.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Dal quindal all&apos;orologio.&lt;/b&gt; La piastra B dà per ogni giorno il delta, in minuti: la differenza fra il tempo vero del luogo e il tempo medio del fuso (TMF), correzione di longitudine compresa. TMF = TSVL − delta, e TSVL = TMF + delta.&lt;/li&gt;</source>
        <translation>&lt;li&gt;&lt;b&gt;Morning or afternoon?&lt;/b&gt; The quindal measures how high the Sun is, and the same height comes back in the morning and in the afternoon: the plate does not tell them apart. The part of the sky where the Sun stands tells (towards the east in the morning, towards the west in the afternoon), or a second reading a quarter of an hour later: if the hour read draws near to noon it is morning, if it moves away it is afternoon.&lt;/li&gt;&lt;li&gt;&lt;b&gt;From the quindal to the clock.&lt;/b&gt; Plate B gives for each day the delta, in minutes: the difference between the site&apos;s apparent time and the mean time of the zone (TMF), longitude correction included. TMF = TSVL − delta, and TSVL = TMF + delta.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&lt;li&gt;&lt;b&gt;Vicino a mezzogiorno&lt;/b&gt; il Sole cambia altezza molto lentamente: un decimo di millimetro d&apos;ombra vale molti minuti. Le letture più precise si fanno a metà mattina e a metà pomeriggio.&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;li&gt;&lt;b&gt;Near noon&lt;/b&gt; the Sun&apos;s height changes very slowly: a tenth of a millimetre of shadow is worth many minutes. The most precise readings are made in mid-morning and mid-afternoon.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 (ora legale)</source>
        <translation>%1 (summer time)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;p&gt;A che ora l&apos;orologio del fuso %1 (ora legale compresa) segna il passaggio dell&apos;ombra su ciascuna linea delle ore temporarie della piastra C, nel %2. Fra due linee si stima in proporzione; fra due date si prende la più vicina. «—»: una linea che l&apos;ombra quel giorno non raggiunge.&lt;/p&gt;&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;2&quot; width=&quot;100%&quot; style=&quot;font-size:8pt&quot;&gt;&lt;tr&gt;&lt;th&gt;Data&lt;/th&gt;</source>
        <translation>&lt;p&gt;At what time the clock of zone %1 (summer time included) shows the shadow crossing each line of temporary hours on plate C, in %2. Between two lines estimate in proportion; between two dates take the nearer. «—»: a line the shadow does not reach that day.&lt;/p&gt;&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;2&quot; width=&quot;100%&quot; style=&quot;font-size:8pt&quot;&gt;&lt;tr&gt;&lt;th&gt;Date&lt;/th&gt;</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&lt;p&gt;Quanti minuti aggiungere a ciò che mostra il quindal (il tempo vero locale) per avere l&apos;ora dell&apos;orologio del fuso %1, ora legale compresa, nel %2. Fra due date si prende la più vicina.&lt;/p&gt;&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;4&quot; width=&quot;70%&quot;&gt;&lt;tr&gt;&lt;th&gt;Data&lt;/th&gt;&lt;th&gt;Aggiungere alla lettura&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;p&gt;How many minutes to add to what the quindal shows (local apparent time) to get the time of the clock of zone %1, summer time included, in %2. Between two dates take the nearer.&lt;/p&gt;&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;4&quot; width=&quot;70%&quot;&gt;&lt;tr&gt;&lt;th&gt;Date&lt;/th&gt;&lt;th&gt;Add to the reading&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Tabella di lettura</source>
        <translation>Reading table</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Scheda di osservazione</source>
        <translation>Observation sheet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;Nome: ______________________ &amp;nbsp; Classe: ________&lt;/p&gt;&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;6&quot; width=&quot;100%&quot;&gt;&lt;tr&gt;&lt;th&gt;Data&lt;/th&gt;&lt;th&gt;Ora dell&apos;orologio&lt;/th&gt;&lt;th&gt;Il quindal segna (TSVL)&lt;/th&gt;&lt;th&gt;Delta della piastra B&lt;/th&gt;&lt;th&gt;Ora calcolata (TSVL − delta, più l&apos;ora legale)&lt;/th&gt;&lt;th&gt;Differenza&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;p&gt;Name: ______________________ &amp;nbsp; Class: ________&lt;/p&gt;&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;6&quot; width=&quot;100%&quot;&gt;&lt;tr&gt;&lt;th&gt;Date&lt;/th&gt;&lt;th&gt;Clock time&lt;/th&gt;&lt;th&gt;The quindal shows (TSVL)&lt;/th&gt;&lt;th&gt;Delta of plate B&lt;/th&gt;&lt;th&gt;Time worked out (TSVL − delta, plus summer time)&lt;/th&gt;&lt;th&gt;Difference&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;/table&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;h3&gt;Per l&apos;insegnante&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Piastra A&lt;/b&gt;: il puntello inclinato di 60° che regge la B; porta la latitudine per cui è costruito lo strumento.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Piastra B&lt;/b&gt;: il suo bordo superiore getta l&apos;ombra sulla C; porta il delta di ogni giorno dell&apos;anno (l&apos;equazione del tempo corretta per la longitudine del luogo) e le due formule fra TMF e TSVL.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Piastra C&lt;/b&gt;: il quadrante, inclinato di 45°: le date in orizzontale, le ore in verticale; l&apos;ombra del bordo di B vi segna l&apos;ora.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Piastra D&lt;/b&gt;: il sostegno posteriore, con la sfera celeste vista dallo zenit a 60° di latitudine.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Base&lt;/b&gt;: i segni D2, C1, B1, A2 dicono dove va ogni linguetta.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;/table&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;h3&gt;For the teacher&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Plate A&lt;/b&gt;: the prop inclined at 60° that holds up B; it bears the latitude the instrument is built for.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Plate B&lt;/b&gt;: its top edge casts the shadow on C; it bears the delta of every day of the year (the equation of time corrected for the site&apos;s longitude) and the two formulas between TMF and TSVL.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Plate C&lt;/b&gt;: the dial, inclined at 45°: the dates across, the hours up and down; the shadow of B&apos;s edge marks the hour on it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Plate D&lt;/b&gt;: the back support, with the celestial sphere seen from the zenith at 60° of latitude.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Base&lt;/b&gt;: the marks D2, C1, B1, A2 say where each tab goes.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
</context>
<context>
    <name>CalibrationDialog</name>
    <message>
        <location filename="../src/shell/CalibrationDialog.cpp" line="+33"/>
        <source>Il foglio di calibrazione non entra nel foglio scelto: sceglierne uno più grande.</source>
        <translation>The calibration sheet does not fit on the paper chosen: choose a larger one.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+28"/>
        <source>Quindal - calibrazione della stampante</source>
        <translation>Quindal - printer calibration</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>La stampante non accetta il lavoro.</source>
        <translation>The printer does not accept the job.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+16"/>
        <location line="+19"/>
        <source>Calibra la stampante</source>
        <translation>Calibrate the printer</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Si stampa il foglio di calibrazione: una riga da 100 mm in orizzontale e una in verticale, con una tacca ogni millimetro, sempre in scala reale.</source>
        <translation>The calibration sheet is printed: a 100 mm line across and one down, with a tick every millimetre, always at true scale.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Scegliere ora la stampante e il foglio. Poi misurare con un righello le due righe stampate, da un estremo all&apos;altro, e scrivere le due lunghezze nella finestra che segue: da allora le stampe su quella stampante e quel foglio escono in scala vera.</source>
        <translation>Now choose the printer and the paper. Then measure the two printed lines with a ruler, from one end to the other, and write the two lengths in the window that follows: from then on prints on that printer and that paper come out at true scale.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stampa...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+43"/>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>La stampa su file non si calibra: i file restano in scala reale. Scegliere una stampante.</source>
        <translation>Printing to a file is not calibrated: files stay at true scale. Choose a printer.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Sul foglio di calibrazione appena stampato su %1 (foglio %2) misurare la riga orizzontale e quella verticale, da un estremo all&apos;altro, e scrivere le due lunghezze in millimetri, da 80 a 120.</source>
        <translation>On the calibration sheet just printed on %1 (paper %2) measure the line across and the line down, from one end to the other, and write the two lengths in millimetres, from 80 to 120.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Riga orizzontale (mm):</source>
        <translation>Line across (mm):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Riga verticale (mm):</source>
        <translation>Line down (mm):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rimuovi la calibrazione</source>
        <translation>Remove the calibration</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>In vigore: righe misurate %1 mm e %2 mm.</source>
        <translation>In force: lines measured %1 mm and %2 mm.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>In vigore: nessuna calibrazione.</source>
        <translation>In force: no calibration.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Le due misure vanno da 80 a 120 mm, con la virgola o il punto (per esempio 98,4).</source>
        <translation>The two measurements go from 80 to 120 mm, with a point or a comma (for example 98.4).</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Impossibile salvare nelle impostazioni (%1). %2</source>
        <translation>Cannot save in the settings (%1). %2</translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <location filename="../src/devices/CalibrationSheet.cpp" line="+35"/>
        <source>Calibrazione della stampante.

Misurare con un righello, da un estremo all&apos;altro, la riga orizzontale qui sopra e quella verticale a destra: su una stampante esatta sono lunghe 100 mm.

Scrivere le due misure, in millimetri, nella finestra del quindal: da allora ogni stampa su questa stampante e questo foglio sarà corretta.</source>
        <translation>Printer calibration.

Measure with a ruler, from one end to the other, the line across above and the line down on the right: on an exact printer they are 100 mm long.

Write the two measurements, in millimetres, in the quindal&apos;s window: from then on every print on this printer and this paper will be right.</translation>
    </message>
</context>
<context>
    <name>Checks</name>
    <message>
        <location filename="../src/drawing/Checks.cpp" line="+32"/>
        <source>%1: manca il valore</source>
        <translation>%1: no value</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: non è un numero</source>
        <translation>%1: not a number</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: fuori dall&apos;intervallo %2 … +%3</source>
        <translation>%1: outside the range %2 … +%3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>linee delle date: né MESI né DECADI</source>
        <translation>date lines: neither MONTHS nor TEN DAYS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>latitudine</source>
        <translation>latitude</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>scostamento</source>
        <translation>offset</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>latitudine %1: %2</source>
        <translation>latitude %1: %2</translation>
    </message>
    <message>
        <location filename="../src/drawing/Checks.h" line="+17"/>
        <source>non ammessa da questo pezzo</source>
        <translation>not allowed for this piece</translation>
    </message>
    <message>
        <location filename="../src/project/InputPanel.h" line="+30"/>
        <source>Valori non consentiti !!!</source>
        <translation>Values not allowed !!!</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectCheck.cpp" line="+13"/>
        <source>fuso %1: fuso orario sconosciuto</source>
        <translation>zone %1: unknown time zone</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>anno %1: fuori dall&apos;intervallo 1970 … 2100</source>
        <translation>year %1: outside the range 1970 … 2100</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="+22"/>
        <location line="+3"/>
        <source>TESTO</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>latitudine del luogo in gradi, nord positiva, letta come nella finestra</source>
        <translation>the site&apos;s latitude in degrees, north positive, read as the window reads it</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>scostamento in gradi dal meridiano del fuso orario, est positivo, letto come nella finestra: non la longitudine del luogo (per Treviso, 12,242 - 15 = -2,758; con la longitudine usare --site-longitude e --timezone, o --place)</source>
        <translation>offset in degrees from the time zone&apos;s meridian, east positive, read as the window reads it: not the site&apos;s longitude (for Treviso, 12.242 - 15 = -2.758; with the longitude use --site-longitude and --timezone, or --place)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>CITTÀ[, CC]</source>
        <translation>CITY[, CC]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>la città più popolosa con quel nome (CC: codice del paese), invece di --latitude e --longitude</source>
        <translation>the most populous town of that name (CC: the country&apos;s code), instead of --latitude and --longitude</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>GRADI</source>
        <translation>DEGREES</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>longitudine del luogo (gradi decimali o gradi, primi e secondi); con --timezone e --latitude, invece di --longitude</source>
        <translation>the site&apos;s longitude (decimal degrees, or degrees, minutes and seconds); with --timezone and --latitude, instead of --longitude</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>FUSO</source>
        <translation>ZONE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fuso orario del luogo, per esempio Europe/Rome; con ombra, fascicolo o --at il fuso degli orologi, anche con --latitude e --longitude o con --place (se assente: quello della città, altrimenti quello del sistema)</source>
        <translation>the site&apos;s time zone, for example Europe/Rome; with ombra, fascicolo or --at the clocks&apos; zone, also with --latitude and --longitude or with --place (when absent: the town&apos;s, otherwise the system&apos;s)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>sistema orario del grafico C (astronomiche se assente)</source>
        <translation>hour system of plate C (astronomiche when absent)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>linee delle date (mesi se assente)</source>
        <translation>date lines (mesi when absent)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+21"/>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>file da scrivere (%1) o, con all, un PDF o una cartella; il DXF è per il taglio: livelli taglio (il contorno, rosso), piega (blu), incisione (il nero), testi, e le aree piene sul livello del loro colore (nero, grigio, giallo, oliva)</source>
        <translation>file to write (%1) or, with all, a PDF or a folder; the DXF is for cutting: layers taglio (the outline, red), piega (blue), incisione (the black), testi, and the filled areas on the layer of their colour (nero, grigio, giallo, oliva)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>con all e una cartella: il formato dei sei file (svg se assente); con dxf, o svg e --taglio, i cinque pezzi che si tagliano, senza le istruzioni</source>
        <translation>with all and a folder: the format of the six files (svg when absent); with dxf, or svg and --taglio, the five pieces that are cut, without the instructions</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>con un file .svg, o con all e --format svg: l&apos;SVG per il taglio, a livelli come il DXF (taglio, piega, incisione, ...); con all i cinque pezzi che si tagliano</source>
        <translation>with a .svg file, or with all and --format svg: the SVG for cutting, in layers like the DXF (taglio, piega, incisione, ...); with all the five pieces that are cut</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>AAAA</source>
        <translation>YYYY</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>con fascicolo (o progetto), l&apos;anno della tabella di lettura e dell&apos;esempio (se assente: quest&apos;anno fino a giugno, il prossimo da luglio)</source>
        <translation>with fascicolo (or progetto), the year of the reading table and of the example (when absent: this year until June, the next from July)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>un file di progetto (.quindal): il luogo, le ore, le date e l&apos;anno; le opzioni date accanto ne prendono il posto</source>
        <translation>a project file (.quindal): the site, the hours, the dates and the year; options given beside it take their place</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>AAAA-MM-GG HH:MM</source>
        <translation>YYYY-MM-DD HH:MM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>l&apos;istante, all&apos;orologio del fuso: con ombra (adesso se assente), o con C o B in un PNG, che mostra l&apos;ombra come la finestra</source>
        <translation>the instant, by the zone&apos;s clock: with ombra (now when absent), or with C or B in a PNG, which shows the shadow as the window does</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la lingua dei messaggi, dell&apos;aiuto e delle parole dei disegni: it (italiano) o en (inglese); se assente, quella del sistema</source>
        <translation>the language of the messages, the help and the drawings&apos; words: it (Italian) or en (English); when absent, the system&apos;s</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Disegna un pezzo del quindal in un file, senza finestre.

Comandi (la prima parola, maiuscole o minuscole):
%1
Per ogni comando tranne places, il luogo: --latitude e --longitude, oppure
--place, oppure --site-longitude con --timezone e --latitude, oppure
--progetto, di cui le opzioni date cambiano solo i valori che nominano;
e le scelte: --hours, --dates (e --timezone per gli orologi di ombra,
fascicolo e --at).

Stato d&apos;uscita: 0 fatto, 1 valori rifiutati, 2 riga di comando errata,
3 file non scritto.</source>
        <translation>Draws a piece of the quindal into a file, without windows.

Commands (the first word, upper or lower case):
%1
For every command but places, the site: --latitude and --longitude, or
--place, or --site-longitude with --timezone and --latitude, or
--progetto, whose values the options given change only where they name them;
and the choices: --hours, --dates (and --timezone for the clocks of ombra,
fascicolo and --at).

Exit status: 0 done, 1 values refused, 2 wrong command line,
3 file not written.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>PEZZO</source>
        <translation>PIECE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A, B, C, D, base, istruzioni, all, places, ombra, fascicolo, progetto o montaggio</source>
        <translation>A, B, C, D, base, istruzioni, all, places, ombra, fascicolo, progetto or montaggio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PEZZO [TESTO]</source>
        <translation>PIECE [TEXT]</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>mostra questo aiuto ed esce</source>
        <translation>shows this help and exits</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>mostra la versione ed esce</source>
        <translation>shows the version and exits</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>opzione sconosciuta: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--lingua vuole it o en</source>
        <translation>--lingua takes it or en</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>opzione ripetuta: --%1</source>
        <translation>option given twice: --%1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>l&apos;argomento %1 non è testo UTF-8 (un nome di file in un&apos;altra codifica?): si scriverebbe sotto un altro nome</source>
        <translation>argument %1 is not UTF-8 text (a file name in another encoding?): it would be written under another name</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <location filename="../src/drawing/DocumentTitle.cpp" line="+16"/>
        <source>Quindal - %1, latitudine %2°, scostamento %3°</source>
        <translation>Quindal - %1, latitude %2°, offset %3°</translation>
    </message>
</context>
<context>
    <name>Exporter</name>
    <message>
        <location filename="../src/app/AssemblyModelCommand.cpp" line="+17"/>
        <source>montaggio scrive un modello glTF: --output FILE.gltf o FILE.glb, niente --format, --taglio né --at</source>
        <translation>montaggio writes a glTF model: --output FILE.gltf or FILE.glb, no --format, --taglio or --at</translation>
    </message>
    <message>
        <location filename="../src/app/BookletCommand.cpp" line="+13"/>
        <source>fascicolo scrive un file PDF: --output FILE.pdf, niente --format, --taglio né --at</source>
        <translation>fascicolo writes a PDF file: --output FILE.pdf, no --format, --taglio or --at</translation>
    </message>
    <message>
        <location filename="../src/app/ExportCommand.cpp" line="+27"/>
        <source>--hours vuole astronomiche o temporarie</source>
        <translation>--hours takes astronomiche or temporarie</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>--anno vuole un anno dal 1970 al 2100: %1</source>
        <translation>--anno takes a year from 1970 to 2100: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--dates vuole mesi o decadi</source>
        <translation>--dates takes mesi or decadi</translation>
    </message>
    <message>
        <location line="+51"/>
        <location filename="../src/app/ExportSite.cpp" line="+95"/>
        <location line="+18"/>
        <source>fuso orario sconosciuto: %1</source>
        <translation>unknown time zone: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>un pezzo in un file (.svg, .png, .pdf, .dxf, ...): --output,
--taglio (i pezzi che si tagliano), --at (B e C in PNG, PDF o SVG)</source>
        <translation>one piece into a file (.svg, .png, .pdf, .dxf, ...): --output,
--taglio (the pieces that are cut), --at (B and C in PNG, PDF or SVG)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>i sei fogli: un PDF di sei pagine (--output FILE.pdf) o sei file
plate-a, plate-b, plate-c, plate-d, base, istruzioni in una cartella:
--output, --format, --taglio</source>
        <translation>the six sheets: a PDF of six pages (--output FILE.pdf) or six files
plate-a, plate-b, plate-c, plate-d, base, istruzioni in a folder:
--output, --format, --taglio</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>un PDF per costruire e leggere il quindal: copertina con le righe di
controllo, materiali, i sei fogli, montaggio, uso con un esempio, tabella
di lettura, scheda di osservazione: --output FILE.pdf, --anno</source>
        <translation>a PDF to build and read the quindal: a cover with the check
lines, materials, the six sheets, assembly, use with an example, reading
table, observation sheet: --output FILE.pdf, --anno</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>che cosa mostra il quindal all&apos;istante di --at: una riga chiave&lt;TAB&gt;valore
per data, ora, fuso, ora_legale, tmf, delta, tsvl, angolo_orario, altezza
e, con il Sole sopra l&apos;orizzonte, x, y, mm, lettura, ora_temporaria</source>
        <translation>what the quindal shows at the instant of --at: a line key&lt;TAB&gt;value
for data, ora, fuso, ora_legale, tmf, delta, tsvl, angolo_orario, altezza
and, with the Sun above the horizon, x, y, mm, lettura, ora_temporaria</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>places TESTO</source>
        <translation>places TEXT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>le città che corrispondono, una per riga: città, regione, paese,
latitudine, longitudine, fuso, scostamento, separati da tabulazioni;
nessuna opzione</source>
        <translation>the towns that match, one a line: town, region, country,
latitude, longitude, zone, offset, separated by tabs;
no options</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>lo strumento montato, ogni pezzo al suo posto con il suo disegno, in un
modello glTF 2.0 in metri: --output FILE.gltf (o FILE.glb)</source>
        <translation>the assembled instrument, each piece in its place with its drawing, in a
glTF 2.0 model in metres: --output FILE.gltf (or FILE.glb)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>il luogo e le scelte in un file di progetto: --output FILE.quindal, --anno</source>
        <translation>the site and the choices in a project file: --output FILE.quindal, --anno</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>--at vuole una data e un&apos;ora come &quot;2026-06-21 12:00&quot; (AAAA-MM-GG HH:MM): %1</source>
        <translation>--at takes a date and a time such as &quot;2026-06-21 12:00&quot; (YYYY-MM-DD HH:MM): %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--anno vale con fascicolo</source>
        <translation>--anno goes with fascicolo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>manca --output</source>
        <translation>--output is missing</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>impossibile scrivere %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <location filename="../src/app/Exporter.cpp" line="+42"/>
        <source>impossibile scrivere sullo standard output: %1</source>
        <translation>cannot write to the standard output: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--timezone vuole un fuso orario, come Europe/Rome</source>
        <translation>--timezone takes a time zone, such as Europe/Rome</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>manca il pezzo</source>
        <translation>the piece is missing</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>un solo pezzo per volta: %1</source>
        <translation>one piece at a time: %1</translation>
    </message>
    <message>
        <location filename="../src/app/ExporterWords.h" line="+22"/>
        <source>%1; nessun file scritto</source>
        <translation>%1; no file written</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Per l&apos;aiuto: quindal-export --help</source>
        <translation>For help: quindal-export --help</translation>
    </message>
    <message>
        <location filename="../src/app/ExportSite.cpp" line="-93"/>
        <source>la ricerca delle località non è disponibile in questa versione</source>
        <translation>finding places is not available in this build</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1; forse: %2</source>
        <translation>%1; perhaps: %2</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>nessuna località si chiama %1</source>
        <translation>no place is called %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>località %1, latitudine %2°, fuso %3 (da --timezone; quello della località è %4)</source>
        <translation>place %1, latitude %2°, zone %3 (from --timezone; the place&apos;s is %4)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>località %1, latitudine %2°, fuso %3</source>
        <translation>place %1, latitude %2°, zone %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>anche: %1</source>
        <translation>also: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>longitudine non valida: %1</source>
        <translation>invalid longitude: %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>--place non va con --latitude, --longitude, --site-longitude o --timezone</source>
        <translation>--place does not go with --latitude, --longitude, --site-longitude or --timezone</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--longitude non va con --site-longitude e --timezone</source>
        <translation>--longitude does not go with --site-longitude and --timezone</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--site-longitude e --timezone vanno insieme</source>
        <translation>--site-longitude and --timezone go together</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>manca --latitude</source>
        <translation>--latitude is missing</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>mancano --latitude e --longitude (oppure --place)</source>
        <translation>--latitude and --longitude are missing (or --place)</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>nessuna località trovata per %1</source>
        <translation>no place found for %1</translation>
    </message>
    <message>
        <location filename="../src/app/PlacesCommand.cpp" line="+10"/>
        <source>places vuole il testo da cercare, e nessuna opzione</source>
        <translation>places takes the text to search for, and no options</translation>
    </message>
    <message>
        <location filename="../src/app/ProjectFileCommand.cpp" line="+14"/>
        <source>progetto scrive un file di progetto: --output FILE.quindal, niente --format, --taglio né --at</source>
        <translation>progetto writes a project file: --output FILE.quindal, no --format, --taglio or --at</translation>
    </message>
    <message>
        <location filename="../src/app/ShadowReadingCommand.cpp" line="+11"/>
        <source>ombra scrive sullo standard output: niente --output, --format né --taglio</source>
        <translation>ombra writes to the standard output: no --output, --format or --taglio</translation>
    </message>
    <message>
        <location filename="../src/app/SheetsCommand.cpp" line="+18"/>
        <source>--at vale con ombra, o con C o B in un file PNG, PDF o SVG</source>
        <translation>--at goes with ombra, or with C or B in a PNG, PDF or SVG file</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>--taglio vale con SVG (e DXF, che è già per il taglio)</source>
        <translation>--taglio goes with SVG (and DXF, which is for cutting already)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>all scrive un PDF o una cartella: %1</source>
        <translation>all writes a PDF or a folder: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--format vuole %1 o %2</source>
        <translation>--format takes %1 or %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>pezzo sconosciuto: %1</source>
        <translation>unknown piece: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--format vale solo con all</source>
        <translation>--format goes only with all</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>estensione del file non riconosciuta: %1</source>
        <translation>file extension not recognised: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 si stampa, non si taglia: niente --taglio</source>
        <translation>%1 is printed, not cut: no --taglio</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>kit completo</source>
        <translation>whole kit</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>impossibile creare la cartella %1: %2</source>
        <translation>cannot create the folder %1: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>impossibile scrivere %1: %2; nessun file del kit è stato scritto</source>
        <translation>cannot write %1: %2; no file of the kit was written</translation>
    </message>
</context>
<context>
    <name>FileFormats</name>
    <message>
        <location filename="../src/devices/FileFormats.cpp" line="+13"/>
        <source>SVG in scala reale</source>
        <translation>SVG at true scale</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Immagine PNG 800 x 600</source>
        <translation>PNG picture 800 x 600</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF in scala reale</source>
        <translation>PDF at true scale</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>DXF in scala reale, per il taglio</source>
        <translation>DXF at true scale, for cutting</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SVG per il taglio</source>
        <translation>SVG for cutting</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../src/devices/DrawingFile.cpp" line="+24"/>
        <source>la cartella non esiste</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>permesso negato</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>spazio esaurito sul disco</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>nome del file troppo lungo</source>
        <translation>file name too long</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>file system in sola lettura</source>
        <translation>read-only file system</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>è una cartella</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>una parte del percorso non è una cartella</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>nessun programma legge dalla FIFO</source>
        <translation>no program reads from the FIFO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>troppi collegamenti simbolici</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>è chiuso</source>
        <translation>is closed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>chi leggeva ha chiuso</source>
        <translation>the reader has closed</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>errore di scrittura</source>
        <translation>write error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>errore di scrittura (%1)</source>
        <translation>write error (%1)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>non è un file, né un dispositivo a caratteri o una FIFO</source>
        <translation>is not a file, nor a character device or a FIFO</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>esiste e non è una cartella</source>
        <translation>exists and is not a folder</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>in una cartella del kit va un file, non un dispositivo</source>
        <translation>a file goes into a kit&apos;s folder, not a device</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../src/shell/Form1.cpp" line="+200"/>
        <source>CALCOLO E DISEGNO DI UN QUINDAL CON QUADRO INCLINATO 45°  (di Orbelan)</source>
        <translation>CALCULATION AND DRAWING OF A QUINDAL WITH A 45° INCLINED DIAL  (by Orbelan)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>LATITUDINE Nord ( + ) Sud ( - ) in gradi ( n,d° ).</source>
        <translation>LATITUDE North ( + ) South ( - ) in degrees ( n.d° ).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Intervallo di valori ( -90,000° &lt;------&gt; +90,000° )</source>
        <translation>Range of values ( -90.000° &lt;------&gt; +90.000° )</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LONGITUDINE ad Est ( + ) ad Ovest ( - ) in gradi ( n,d° )</source>
        <translation>LONGITUDE East ( + ) West ( - ) in degrees ( n.d° )</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rispetto al fuso di riferimento.</source>
        <translation>from the meridian of the reference time zone.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Intervallo di valori ( -15,000° &lt;------&gt; +15,000° )</source>
        <translation>Range of values ( -15.000° &lt;------&gt; +15.000° )</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RISOLUZIONE CONSIGLIATA (800 X 600)</source>
        <translation>RECOMMENDED RESOLUTION (800 X 600)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ALT+ STAMP (PRINT SCREEN) PER COPIARE L&apos;IMMAGINE</source>
        <translation>ALT+ PRINT SCREEN TO COPY THE PICTURE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DOPPIO-CLICK PER USCIRE DALLE SINGOLE VIDEATE</source>
        <translation>DOUBLE-CLICK TO LEAVE EACH SCREEN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Latitudine in gradi</source>
        <translation>Latitude in degrees</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longitudine rispetto al fuso in gradi</source>
        <translation>Longitude from the zone&apos;s meridian in degrees</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ORE ASTRONOMICHE</source>
        <translation>ASTRONOMICAL HOURS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ORE TEMPORARIE</source>
        <translation>TEMPORARY HOURS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MESI</source>
        <translation>MONTHS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DECADI</source>
        <translation>TEN DAYS</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Grafico A</source>
        <translation>Plate A</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Grafico B</source>
        <translation>Plate B</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Grafico C</source>
        <translation>Plate C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grafico D</source>
        <translation>Plate D</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Istruzioni</source>
        <translation>Assembly</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esci</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cerca la località (latitudine e scostamento dal fuso)</source>
        <translation>Find the place (latitude and offset from the zone)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cerca la località</source>
        <translation>Find the place</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apri progetto...</source>
        <translation>Open project...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Salva progetto...</source>
        <translation>Save project...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fascicolo... (Ctrl+F): salva in PDF il fascicolo per costruire e leggere il quindal</source>
        <translation>Booklet... (Ctrl+F): saves as PDF the booklet to build and read the quindal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fascicolo...</source>
        <translation>Booklet...</translation>
    </message>
    <message>
        <location filename="../src/shell/Form1Project.cpp" line="+22"/>
        <source>Progetto del quindal (*.quindal)</source>
        <translation>Quindal project (*.quindal)</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1
meridiano delle piastre %2</source>
        <translation>%1
the plates&apos; meridian %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cerca la località...</source>
        <translation>Find the place...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Luoghi recenti</source>
        <translation>Recent places</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Lingua</source>
        <translation>Language</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Apri progetto</source>
        <translation>Open project</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Salva progetto</source>
        <translation>Save project</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Impossibile salvare %1: %2</source>
        <translation>Cannot save %1: %2</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <location filename="../src/shell/Form2.cpp" line="+259"/>
        <source>Stampa inviata: %1</source>
        <translation>Print sent: %1</translation>
    </message>
</context>
<context>
    <name>KitWords</name>
    <message>
        <location filename="../src/booklet/AssemblySteps.cpp" line="-65"/>
        <location filename="../src/pieces/DrawBase.cpp" line="+34"/>
        <location filename="../src/pieces/DrawInstructions.cpp" line="+50"/>
        <location line="+52"/>
        <source>base</source>
        <translation>base</translation>
    </message>
    <message>
        <location filename="../src/pieces/DrawInstructions.cpp" line="-36"/>
        <source>Visione d&apos;insieme
  dello strumento</source>
        <translation>Overall view
 of the instrument</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>ISTRUZIONI PER IL MONTAGGIO DEL QUINDAL</source>
        <translation>ASSEMBLY INSTRUCTIONS FOR THE QUINDAL</translation>
    </message>
    <message>
        <location filename="../src/pieces/DrawPlateA.cpp" line="+41"/>
        <source> LATITUDINE</source>
        <translation> LATITUDE</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>NORD</source>
        <translation>NORTH</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SUD</source>
        <translation>SOUTH</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EQUATORE</source>
        <translation>EQUATOR</translation>
    </message>
    <message>
        <location filename="../src/pieces/DrawPlateB.cpp" line="+53"/>
        <source>TMF = tempo solare
  medio del fuso
(ora dell&apos;orologio
   meccanico,
al quarzo, ecc...)</source>
        <translation>TMF = mean solar
  time of the zone
(the time of a
   mechanical or
quartz clock...)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TSVL = tempo solare
     vero locale
    (ora indicata
 dall&apos;orologio solare)</source>
        <translation>TSVL = true local
     solar time
    (the time a
  sundial shows)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1°  ad Ovest del fuso orario</source>
        <translation>%1°  West of the time zone</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1°  ad Est del fuso orario</source>
        <translation>%1°  East of the time zone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>           sul fuso orario</source>
        <translation>           on the time zone</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>G F M A M G L A S O N D</source>
        <translation>J F M A M J J A S O N D</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>delta = equazione del tempo (minuti) corretta per la longitudine</source>
        <translation>delta = equation of time (minutes) corrected for the longitude</translation>
    </message>
    <message>
        <location filename="../src/pieces/PlateCSheet.cpp" line="+39"/>
        <source>Gen Feb Mar Apr Mag Giu Lug Ago Set Ott Nov Dic</source>
        <translation>Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec</translation>
    </message>
</context>
<context>
    <name>LocationDialog</name>
    <message>
        <location filename="../src/shell/LocationDialog.cpp" line="+38"/>
        <source>Nome della città (almeno due lettere)</source>
        <translation>Name of the town (at least two letters)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cerca la città</source>
        <translation>Find the town</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+41"/>
        <source>Città</source>
        <translation>Town</translation>
    </message>
    <message>
        <location line="-41"/>
        <source>Regione</source>
        <translation>Region</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paese</source>
        <translation>Country</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Latitudine</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longitudine</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fuso</source>
        <translation>Zone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scostamento</source>
        <translation>Offset</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Città trovate</source>
        <translation>Towns found</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>45,667 oppure 45°40&apos;0&quot; N</source>
        <translation>45.667 or 45°40&apos;0&quot; N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Latitudine del luogo</source>
        <translation>The site&apos;s latitude</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>12,242 oppure 12 14 30 E</source>
        <translation>12.242 or 12 14 30 E</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longitudine del luogo</source>
        <translation>The site&apos;s longitude</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Latitudine (N +, S -)</source>
        <translation>Latitude (N +, S -)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longitudine (E +, O -)</source>
        <translation>Longitude (E +, W -)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fuso orario</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Località</source>
        <translation>Place</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Coordinate</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Città da GeoNames (geonames.org), licenza CC BY 4.0. Fusi orari dal database del sistema; l&apos;ora legale non conta.</source>
        <translation>Towns from GeoNames (geonames.org), licence CC BY 4.0. Time zones from the system&apos;s database; summer time does not count.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fusi orari dal database del sistema; l&apos;ora legale non conta.</source>
        <translation>Time zones from the system&apos;s database; summer time does not count.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>%1 (mer. %2)</source>
        <translation>%1 (mer. %2)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Nessuna città trovata. L&apos;elenco ha le città di almeno 15.000 abitanti: per un altro luogo, la scheda Coordinate.</source>
        <translation>No town found. The list has the towns of at least 15,000 inhabitants: for another place, the Coordinates tab.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1
Forse: %2</source>
        <translation>%1
Perhaps: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+16"/>
        <source>Fuso orario sconosciuto: %1</source>
        <translation>Unknown time zone: %1</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Latitudine non valida: da -90° a 90°, in gradi decimali o in gradi, primi e secondi.</source>
        <translation>Invalid latitude: from -90° to 90°, in decimal degrees or in degrees, minutes and seconds.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Longitudine non valida: da -180° a 180°, in gradi decimali o in gradi, primi e secondi.</source>
        <translation>Invalid longitude: from -180° to 180°, in decimal degrees or in degrees, minutes and seconds.</translation>
    </message>
</context>
<context>
    <name>Pieces</name>
    <message>
        <location filename="../src/pieces/Pieces.h" line="+51"/>
        <source>Grafico A</source>
        <translation>Plate A</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Grafico B</source>
        <translation>Plate B</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Grafico C</source>
        <translation>Plate C</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Grafico D</source>
        <translation>Plate D</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Istruzioni</source>
        <translation>Assembly</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>oltre il circolo polare non ci sono ore temporarie</source>
        <translation>beyond the polar circle there are no temporary hours</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <location filename="../src/app/main.cpp" line="+54"/>
        <source>--lingua vuole it o en</source>
        <translation>--lingua takes it or en</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Uso: quindal [--lingua it|en] [--help | --version | FILE.quindal]
Apre la finestra principale del quindal: la latitudine, lo scostamento dal meridiano del fuso (o la località), il sistema orario e le linee delle date, poi un pulsante per ogni pezzo. Con FILE.quindal apre quel progetto; --lingua sceglie la lingua, altrimenti quella scelta nella finestra o quella del sistema.
Per disegnare un pezzo senza finestre: quindal-export --help
</source>
        <translation>Usage: quindal [--lingua it|en] [--help | --version | FILE.quindal]
Opens the quindal&apos;s main window: the latitude, the offset from the zone&apos;s meridian (or the place), the hour system and the date lines, then a button for each piece. With FILE.quindal it opens that project; --lingua chooses the language, otherwise the one chosen in the window or the system&apos;s.
To draw a piece without windows: quindal-export --help
</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <location filename="../src/project/ProjectFile.cpp" line="+27"/>
        <source>&quot;%1&quot; manca</source>
        <translation>&quot;%1&quot; is missing</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; non è un numero</source>
        <translation>&quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;%1&quot; non è un testo</source>
        <translation>&quot;%1&quot; is not a text</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&quot;%1&quot; vuole %2 o %3</source>
        <translation>&quot;%1&quot; takes %2 or %3</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>è troppo grande per un progetto (più di 1 MB)</source>
        <translation>is too large for a project (more than 1 MB)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>non è testo UTF-8</source>
        <translation>is not UTF-8 text</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>non è un progetto del quindal (%1)</source>
        <translation>is not a quindal project (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>non è JSON: errore vicino al byte %1</source>
        <translation>is not JSON: error near byte %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>non è un oggetto JSON</source>
        <translation>is not a JSON object</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>non è un progetto del quindal (manca &quot;quindal&quot;: 1)</source>
        <translation>is not a quindal project (&quot;quindal&quot;: 1 is missing)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>è un progetto di una versione più recente del quindal (&quot;quindal&quot;: %1): aggiornare il programma</source>
        <translation>is a project of a newer version of the quindal (&quot;quindal&quot;: %1): update the program</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&quot;luogo&quot; manca</source>
        <translation>&quot;luogo&quot; is missing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;luogo&quot; non è un oggetto</source>
        <translation>&quot;luogo&quot; is not an object</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&quot;luogo.meridiano&quot; vuole i gradi di un meridiano, da -180 a 180, in minuti d&apos;ora interi</source>
        <translation>&quot;luogo.meridiano&quot; takes the degrees of a meridian, from -180 to 180, in whole minutes of time</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>&quot;anno&quot; non è un anno</source>
        <translation>&quot;anno&quot; is not a year</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>impossibile leggere il progetto: %1</source>
        <translation>cannot read the project: %1</translation>
    </message>
</context>
<context>
    <name>ShadowBar</name>
    <message>
        <location filename="../src/shell/ShadowBar.cpp" line="+178"/>
        <source>Simula l&apos;ombra</source>
        <translation>Simulate the shadow</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ora dell&apos;orologio</source>
        <translation>Clock time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adesso</source>
        <translation>Now</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Il giorno</source>
        <translation>The day</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dall&apos;alba al tramonto del giorno scelto</source>
        <translation>From sunrise to sunset of the chosen day</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>L&apos;anno</source>
        <translation>The year</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tutto l&apos;anno all&apos;ora scelta</source>
        <translation>The whole year at the chosen time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ombra il</source>
        <translation>Shadow on</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>alle</source>
        <translation>at</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fuso</source>
        <translation>zone</translation>
    </message>
</context>
<context>
    <name>ShadowText</name>
    <message>
        <location filename="../src/shadow/ShadowAtInstant.cpp" line="+37"/>
        <source>data od ora non valida</source>
        <translation>invalid date or time</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>fuso orario sconosciuto: %1</source>
        <translation>unknown time zone: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>le %1 del %2 non esistono nel fuso %3: l&apos;orologio salta avanti di %4 minuti</source>
        <translation>%1 on %2 does not exist in zone %3: the clock jumps forward by %4 minutes</translation>
    </message>
    <message>
        <location filename="../src/shadow/ShadowOverlay.cpp" line="+57"/>
        <source>delta %1 min</source>
        <translation>delta %1 min</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 o %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <location filename="../src/shadow/ShadowWords.cpp" line="+25"/>
        <source>ora legale %1%2 min</source>
        <translation>summer time %1%2 min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>senza ora legale</source>
        <translation>no summer time</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>ora temporaria %1 o %2 (la piastra non distingue il mattino dal pomeriggio)</source>
        <translation>temporary hour %1 or %2 (the plate does not tell morning from afternoon)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>le %1 o le %2 di tempo vero locale (la piastra non distingue il mattino dal pomeriggio)</source>
        <translation>%1 or %2 local apparent time (the plate does not tell morning from afternoon)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>, %1%2 sul meridiano delle piastre</source>
        <translation>, %1%2 on the plates&apos; meridian</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>La piastra B dà delta %1 min per il %2: TMF = TSVL - delta.</source>
        <translation>Plate B gives delta %1 min for %2: TMF = TSVL - delta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Il Sole è sotto l&apos;orizzonte: nessuna ombra.</source>
        <translation>The Sun is below the horizon: no shadow.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Il quindal segna l&apos;ora temporaria %1 (o %2), il Sole è alto %3°.</source>
        <translation>The quindal shows the temporary hour %1 (or %2), the Sun is %3° high.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Il quindal segna le %1 (o le %2), il Sole è alto %3°.</source>
        <translation>The quindal shows %1 (or %2), the Sun is %3° high.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> L&apos;orologio (%1, %2) segna le %3 del %4: TMF %5, delta %6 min, TSVL %7.</source>
        <translation> The clock (%1, %2) shows %3 on %4: TMF %5, delta %6 min, TSVL %7.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>TMF: tempo medio del fuso, l&apos;ora dell&apos;orologio senza l&apos;ora legale.
TSVL: tempo solare vero locale, l&apos;ora del Sole in questo luogo, quella che la piastra C mostra.
delta: la correzione che la piastra B dà per il giorno (equazione del tempo e longitudine): TSVL = TMF + delta.</source>
        <translation>TMF: the zone&apos;s mean time, the clock&apos;s time without summer time.
TSVL: local apparent solar time, the Sun&apos;s time at this site, the one plate C shows.
delta: the correction plate B gives for the day (equation of time and longitude): TSVL = TMF + delta.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>le %1 del %2 capitano due volte nel fuso %3: si prende la prima</source>
        <translation>%1 on %2 happens twice in zone %3: the first is taken</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n ore</source>
        <translation>
            <numerusform>%n hour</numerusform>
            <numerusform>%n hours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n minuti</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>il Sole è sotto l&apos;orizzonte: nessuna ombra</source>
        <translation>the Sun is below the horizon: no shadow</translation>
    </message>
</context>
<context>
    <name>Site</name>
    <message>
        <location filename="../src/place/SiteOffset.cpp" line="+20"/>
        <source>%1 O</source>
        <translation>%1 W</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 E</source>
        <translation>%1 E</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Longitudine %1 - meridiano %2 (fuso %3, %4) = scostamento %5°</source>
        <translation>Longitude %1 - meridian %2 (zone %3, %4) = offset %5°</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Longitudine %1 - meridiano del fuso %2 %3 = scostamento %4°</source>
        <translation>Longitude %1 - meridian of zone %2 %3 = offset %4°</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>meridiano %1: all&apos;ora letta %2</source>
        <translation>meridian %1: to the time read %2</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>togliere %n ore</source>
        <translation>
            <numerusform>subtract %n hour</numerusform>
            <numerusform>subtract %n hours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>aggiungere %n ore</source>
        <translation>
            <numerusform>add %n hour</numerusform>
            <numerusform>add %n hours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrueScalePage</name>
    <message>
        <location filename="../src/devices/TrueScalePage.h" line="+40"/>
        <source>100 mm: verificare la scala di stampa</source>
        <translation>100 mm: check the print scale</translation>
    </message>
</context>
<context>
    <name>WindowFont</name>
    <message>
        <location filename="../src/devices/WindowFont.h" line="+20"/>
        <source>manca il carattere Liberation Sans, con cui il quindal scrive: installare il pacchetto fonts-liberation2</source>
        <translation>the Liberation Sans font, in which the quindal writes, is missing: install the package fonts-liberation2</translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <location filename="../src/shell/BookletSaving.cpp" line="+23"/>
        <source>Anno delle tabelle</source>
        <translation>Year of the tables</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tabelle per l&apos;anno:</source>
        <translation>Tables for the year:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Salva il fascicolo</source>
        <translation>Save the booklet</translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../src/shell/PrintAndSave.cpp" line="+150"/>
        <source>Impossibile scrivere %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Fascicolo per l&apos;anno %1 salvato in %2</source>
        <translation>Booklet for the year %1 saved in %2</translation>
    </message>
    <message>
        <location filename="../src/shell/DrawingMenu.cpp" line="+53"/>
        <source>Grafico del quindal con quadro inclinato  ( di Orbelan )</source>
        <translation>Quindal drawing with inclined dial  ( by Orbelan )</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stampa in scala reale...</source>
        <translation>Print at true scale...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Salva come...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Simula l&apos;ombra</source>
        <translation>Simulate the shadow</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stampa speculare</source>
        <translation>Mirrored print</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calibra la stampante...</source>
        <translation>Calibrate the printer...</translation>
    </message>
    <message>
        <location filename="../src/shell/MainWindows.cpp" line="+45"/>
        <source>Manca il carattere Liberation Sans, con cui il quindal scrive: le parole dei disegni possono mancare, apparire come riquadri vuoti o in un altro carattere. Installare il pacchetto fonts-liberation2.</source>
        <translation>The Liberation Sans font, in which the quindal writes, is missing: the drawings&apos; words may be missing, appear as empty boxes or in another font. Install the package fonts-liberation2.</translation>
    </message>
    <message>
        <location filename="../src/shell/PrintAndSave.cpp" line="-55"/>
        <source>Stampa in scala reale</source>
        <translation>Print at true scale</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>disegno</source>
        <translation>drawing</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Salva come</source>
        <translation>Save as</translation>
    </message>
    <message>
        <location filename="../src/shell/PrinterCalibration.cpp" line="+70"/>
        <source>Stampa calibrata per %1, foglio %2: righe misurate %3 mm e %4 mm</source>
        <translation>Print calibrated for %1, paper %2: lines measured %3 mm and %4 mm</translation>
    </message>
    <message>
        <location filename="../src/shell/PrintJob.cpp" line="+60"/>
        <source>La stampante %1 non ha il foglio %2: sceglierne uno che offre, perché la scala resti quella vera.</source>
        <translation>Printer %1 does not have the paper %2: choose one it offers, so that the scale stays true.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Il disegno, con la scala di controllo sotto, non entra nel foglio scelto al netto dei margini della stampante: scegliere un foglio più grande, l&apos;orientamento orizzontale o un foglio senza margini.</source>
        <translation>The drawing, with the check scale below it, does not fit on the chosen paper within the printer&apos;s margins: choose a larger paper, landscape orientation or a borderless paper.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>La stampante non accetta il lavoro.</source>
        <translation>The printer does not accept the job.</translation>
    </message>
    <message>
        <location filename="../src/shell/WindowNotes.cpp" line="+35"/>
        <source>Tasto destro (o Maiusc+F10): stampa in scala reale, salva - O: simula l&apos;ombra - Esc: chiudi
Ctrl+rotellina, Ctrl++, Ctrl+-: zoom - Ctrl+0: immagine esatta - F: adatta allo schermo - trascina o frecce: sposta</source>
        <translation>Right button (or Shift+F10): print at true scale, save - O: simulate the shadow - Esc: close
Ctrl+wheel, Ctrl++, Ctrl+-: zoom - Ctrl+0: exact picture - F: fit to the screen - drag or arrows: move</translation>
    </message>
    <message>
        <location filename="../src/shell/ZoneBox.cpp" line="+12"/>
        <source>Fuso orario</source>
        <translation>Time zone</translation>
    </message>
</context>
</TS>
