<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Artwork</name>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>electron</source>
        <translation>Elektron</translation>
    </message>
    <message>
        <source>electron releasing energy</source>
        <translation>Elektron gibt Energie ab</translation>
    </message>
    <message>
        <source>electron receiving energy</source>
        <translation>Elektron nimmt Energie auf</translation>
    </message>
    <message>
        <source>ammeter</source>
        <translation>Amperemeter</translation>
    </message>
    <message>
        <source>free software under the MIT licence</source>
        <translation>freie Software unter der MIT-Lizenz</translation>
    </message>
</context>
<context>
    <name>Circuit</name>
    <message>
        <source>Single Bulb</source>
        <translation>Eine Lampe</translation>
    </message>
    <message>
        <source>Two Bulbs in Series</source>
        <translation>Zwei Lampen in Reihe</translation>
    </message>
    <message>
        <source>Two Bulbs in Parallel</source>
        <translation>Zwei Lampen parallel</translation>
    </message>
    <message>
        <source>Three Bulbs in Series and Parallel</source>
        <translation>Drei Lampen in Reihe und parallel</translation>
    </message>
    <message>
        <source>Bulb and Switch in Series</source>
        <translation>Lampe und Schalter in Reihe</translation>
    </message>
    <message>
        <source>Two Bulbs in Parallel, One in Series with a Switch</source>
        <translation>Zwei Lampen parallel, eine in Reihe mit einem Schalter</translation>
    </message>
    <message>
        <source>Two Bulbs in Parallel, Switch in Series with Both</source>
        <translation>Zwei Lampen parallel, Schalter in Reihe mit beiden</translation>
    </message>
    <message>
        <source>Bulb and Resistor in Series</source>
        <translation>Lampe und Widerstand in Reihe</translation>
    </message>
    <message>
        <source>Two Bulbs in Parallel, One in Series with a Resistor</source>
        <translation>Zwei Lampen parallel, eine in Reihe mit einem Widerstand</translation>
    </message>
    <message>
        <source>Bulb and Variable Resistor in Series</source>
        <translation>Lampe und veränderbarer Widerstand in Reihe</translation>
    </message>
    <message>
        <source>Two Resistors in Series</source>
        <translation>Zwei Widerstände in Reihe</translation>
    </message>
    <message>
        <source>Two Resistors in Parallel</source>
        <translation>Zwei Widerstände parallel</translation>
    </message>
    <message>
        <source>Two Unequal Resistors in Series</source>
        <translation>Zwei ungleiche Widerstände in Reihe</translation>
    </message>
    <message>
        <source>Two Unequal Resistors in Parallel</source>
        <translation>Zwei ungleiche Widerstände parallel</translation>
    </message>
    <message>
        <source>Two Bulbs in Parallel, Both in Series with a Switch</source>
        <translation>Zwei Lampen parallel, beide in Reihe mit einem Schalter</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>current at power supply (electrons per second)</source>
        <translation>Strom an der Stromquelle (Elektronen pro Sekunde)</translation>
    </message>
    <message>
        <source>model, with its 95% interval</source>
        <translation>Modell, mit 95-%-Intervall</translation>
    </message>
    <message>
        <source>ideal circuit (Ohm&apos;s and Kirchhoff&apos;s laws)</source>
        <translation>idealer Stromkreis (Ohmsches Gesetz, Kirchhoffsche Regeln)</translation>
    </message>
    <message>
        <source>Single, series and parallel bulbs</source>
        <translation>Eine Lampe, Lampen in Reihe und parallel</translation>
    </message>
    <message>
        <source>0 to 3 cells</source>
        <translation>0 bis 3 Zellen</translation>
    </message>
    <message>
        <source>The variable resistor&apos;s 15 settings</source>
        <translation>Die 15 Stufen des Stellwiderstands</translation>
    </message>
    <message>
        <source>Bulb against resistor</source>
        <translation>Lampe und Widerstand im Vergleich</translation>
    </message>
    <message>
        <source>The switches open and closed</source>
        <translation>Die Schalter offen und geschlossen</translation>
    </message>
    <message>
        <source>All %1 circuits with 1 to 3 cells</source>
        <translation>Alle %1 Stromkreise mit 1 bis 3 Zellen</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 Zelle</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 Zellen</translation>
    </message>
    <message>
        <source>switch open</source>
        <translation>Schalter offen</translation>
    </message>
    <message>
        <source>resistance %1 of %2</source>
        <translation>Widerstand %1 von %2</translation>
    </message>
    <message>
        <source>Compare Circuits</source>
        <translation>Stromkreise vergleichen</translation>
    </message>
    <message>
        <source>Your choice of circuits and cells</source>
        <translation>Stromkreise und Zellen nach Wahl</translation>
    </message>
    <message>
        <source>&amp;Compare:</source>
        <translation>&amp;Vergleichen:</translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation>&amp;Messen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Messung läuft</translation>
    </message>
    <message>
        <source>Copy &amp;data</source>
        <translation>&amp;Daten kopieren</translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation>Bild &amp;speichern...</translation>
    </message>
    <message>
        <source>Measuring 10 minutes of each circuit: %1 of %2 done</source>
        <translation>Je Stromkreis werden 10 Minuten gemessen: %1 von %2 fertig</translation>
    </message>
    <message>
        <source>%1 runs of 10 minutes measured in %2 s</source>
        <translation>%1 Läufe zu 10 Minuten in %2 s gemessen</translation>
    </message>
    <message>
        <source>Cancelled: %1 of %2 measured</source>
        <translation>Abgebrochen: %1 von %2 gemessen</translation>
    </message>
    <message>
        <source>Choose what to compare, then Measure.</source>
        <translation>Wählen Sie, was verglichen werden soll, dann Messen.</translation>
    </message>
    <message>
        <source>circuit</source>
        <translation>Stromkreis</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>current (electrons per second)</source>
        <translation>Strom (Elektronen pro Sekunde)</translation>
    </message>
    <message>
        <source>low</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>high</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>times the reference</source>
        <translation>mal Bezug</translation>
    </message>
    <message>
        <source>ideal times the reference</source>
        <translation>ideal mal Bezug</translation>
    </message>
    <message>
        <source>load %1</source>
        <translation>Verbraucher %1</translation>
    </message>
    <message>
        <source>energy per second</source>
        <translation>Energie pro Sekunde</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>×%1 (ideal ×%2)</source>
        <translation>×%1 (ideal ×%2)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>no cells</source>
        <translation>keine Zelle</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 Zelle</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 Zellen</translation>
    </message>
    <message>
        <source>%1, the right way round</source>
        <translation>%1, richtig herum</translation>
    </message>
    <message>
        <source>%1, turned round</source>
        <translation>%1, umgedreht</translation>
    </message>
    <message>
        <source>current: about %1 of %2</source>
        <translation>Stromstärke: etwa %1 von %2</translation>
    </message>
    <message>
        <source>%1, to the right</source>
        <translation>%1, nach rechts</translation>
    </message>
    <message>
        <source>%1, to the left</source>
        <translation>%1, nach links</translation>
    </message>
    <message>
        <source>light bulb</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>light bulb %1</source>
        <translation>Lampe %1</translation>
    </message>
    <message>
        <source>%1: bright</source>
        <translation>%1: hell</translation>
    </message>
    <message>
        <source>%1: dim</source>
        <translation>%1: schwach</translation>
    </message>
    <message>
        <source>%1: faint</source>
        <translation>%1: sehr schwach</translation>
    </message>
    <message>
        <source>%1: off</source>
        <translation>%1: aus</translation>
    </message>
    <message>
        <source>switch open</source>
        <translation>Schalter offen</translation>
    </message>
    <message>
        <source>switch closed</source>
        <translation>Schalter geschlossen</translation>
    </message>
    <message>
        <source>variable resistor: %1 of %2</source>
        <translation>veränderbarer Widerstand: %1 von %2</translation>
    </message>
</context>
<context>
    <name>DialogBar</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>tarrowin model</source>
        <translation>Tarrowin-Modell</translation>
    </message>
    <message>
        <source>circuit diagram</source>
        <translation>Schaltplan</translation>
    </message>
    <message>
        <source>picture of circuit</source>
        <translation>Bild der Schaltung</translation>
    </message>
    <message>
        <source>switch polarity</source>
        <translation>umpolen</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>No. of Power Cells</source>
        <translation>Anzahl der Zellen</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Bedienung</translation>
    </message>
    <message>
        <source>Tag Electron</source>
        <translation>Elektron markieren</translation>
    </message>
    <message>
        <source>Show Labels</source>
        <translation>Beschriftung zeigen</translation>
    </message>
    <message>
        <source>switch</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>variable resistor</source>
        <translation>veränderbarer Widerstand</translation>
    </message>
    <message>
        <source>Visualisation of Energy</source>
        <translation>Darstellung der Energie</translation>
    </message>
    <message>
        <source>Vary Mean Speed</source>
        <translation>Geschwindigkeit variieren</translation>
    </message>
    <message>
        <source>Pulsate</source>
        <translation>Pulsieren</translation>
    </message>
    <message>
        <source>Electron Key</source>
        <translation>Legende der Elektronen</translation>
    </message>
    <message>
        <source>Current at Power Supply</source>
        <translation>Stromstärke an der Spannungsquelle</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>half speed</source>
        <translation>halbes Tempo</translation>
    </message>
    <message>
        <source>quarter speed</source>
        <translation>Vierteltempo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tarrowin</source>
        <translation>Tarrowin</translation>
    </message>
    <message>
        <source>Tarrowin user guide</source>
        <translation>Benutzerhandbuch (englisch)</translation>
    </message>
    <message>
        <source>Tarrowin 1.0, free software under the MIT licence</source>
        <translation>Tarrowin 1.0, freie Software unter der MIT-Lizenz</translation>
    </message>
    <message>
        <source>About Tarrowin</source>
        <translation>Über Tarrowin</translation>
    </message>
    <message>
        <source>the electrons moving in the wires</source>
        <translation>die Elektronen, die sich in den Leitungen bewegen</translation>
    </message>
    <message>
        <source>turns the power supply round</source>
        <translation>dreht die Spannungsquelle um</translation>
    </message>
    <message>
        <source>rings one electron so its path can be followed</source>
        <translation>umringt ein Elektron, damit man seinem Weg folgen kann</translation>
    </message>
    <message>
        <source>names the parts of the circuit</source>
        <translation>benennt die Bauteile des Stromkreises</translation>
    </message>
    <message>
        <source>electrons carrying energy move faster</source>
        <translation>Elektronen, die Energie tragen, bewegen sich schneller</translation>
    </message>
    <message>
        <source>electrons carrying energy flash and shake</source>
        <translation>Elektronen, die Energie tragen, blinken und zittern</translation>
    </message>
    <message>
        <source>no cells</source>
        <translation>keine Zelle</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 Zelle</translation>
    </message>
    <message>
        <source>2 cells</source>
        <translation>2 Zellen</translation>
    </message>
    <message>
        <source>3 cells</source>
        <translation>3 Zellen</translation>
    </message>
    <message>
        <source>switch off</source>
        <translation>Schalter aus</translation>
    </message>
    <message>
        <source>switch on</source>
        <translation>Schalter ein</translation>
    </message>
    <message>
        <source>less resistance</source>
        <translation>weniger Widerstand</translation>
    </message>
    <message>
        <source>more resistance</source>
        <translation>mehr Widerstand</translation>
    </message>
</context>
<context>
    <name>HyperLink</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Dem Betriebssystem fehlt es
an Speicher oder Ressourcen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff
auf die angegebene Datei verweigert.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Für diesen Vorgang war nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(keine Win32-.EXE oder Fehler im .EXE-Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Eine Freigabeverletzung ist aufgetreten. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Die Zuordnung des Dateinamens ist
unvollständig oder ungültig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil die Anfrage zu lange dauerte.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil andere DDE-Transaktionen
gerade bearbeitet wurden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Der angegebenen Dateiendung ist
kein Programm zugeordnet.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene DLL wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Unbekannter Fehler (%1) aufgetreten.</translation>
    </message>
    <message>
        <source>Can&apos;t open link:

</source>
        <translation>Der Link lässt sich nicht öffnen:

</translation>
    </message>
</context>
<context>
    <name>Label</name>
    <message>
        <source>power supply</source>
        <translation>Spannungsquelle</translation>
    </message>
    <message>
        <source>resistor</source>
        <translation>Widerstand</translation>
    </message>
    <message>
        <source>light bulb</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>switch</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>variable resistor</source>
        <translation>veränderbarer Widerstand</translation>
    </message>
    <message>
        <source>light bulb 2</source>
        <translation>Lampe 2</translation>
    </message>
    <message>
        <source>light bulb 1</source>
        <translation>Lampe 1</translation>
    </message>
    <message>
        <source>light bulb 3</source>
        <translation>Lampe 3</translation>
    </message>
    <message>
        <source>resistor 2</source>
        <translation>Widerstand 2</translation>
    </message>
    <message>
        <source>resistor 1</source>
        <translation>Widerstand 1</translation>
    </message>
    <message>
        <source>resistor (high R)</source>
        <translation>Widerstand (großes R)</translation>
    </message>
    <message>
        <source>resistor (low R)</source>
        <translation>Widerstand (kleines R)</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Shows how electrons carry energy round simple circuits.</source>
        <translation>Zeigt, wie Elektronen Energie durch einfache Stromkreise tragen.</translation>
    </message>
    <message>
        <source>Starts with circuit &lt;n&gt;, 1 to %1 in the Circuit menu&apos;s order.</source>
        <translation>Beginnt mit Schaltung &lt;n&gt;, 1 bis %1 in der Reihenfolge des Menüs „Schaltung“.</translation>
    </message>
    <message>
        <source>Gives that circuit &lt;n&gt; cells, 0 to 3.</source>
        <translation>Gibt dieser Schaltung &lt;n&gt; Zellen, 0 bis 3.</translation>
    </message>
    <message>
        <source>Shows the circuit as the Tarrowin model (ball), the circuit diagram (diagram) or the picture of the circuit (picture).</source>
        <translation>Zeigt die Schaltung als Tarrowin-Modell (ball), als Schaltplan (diagram) oder als Bild der Schaltung (picture).</translation>
    </message>
    <message>
        <source>Gives the whole screen to the circuit once the logo has gone.</source>
        <translation>Zeigt die Schaltung im Vollbild, sobald das Logo verschwunden ist.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;; --help lists the options</source>
        <translation>unerwartetes Argument „%1“; --help zeigt die Optionen</translation>
    </message>
    <message>
        <source>--circuit needs a number from 1 to %1, not &quot;%2&quot;</source>
        <translation>--circuit braucht eine Zahl von 1 bis %1, nicht „%2“</translation>
    </message>
    <message>
        <source>--cells needs a number from 0 to 3, not &quot;%1&quot;</source>
        <translation>--cells braucht eine Zahl von 0 bis 3, nicht „%1“</translation>
    </message>
    <message>
        <source>--display needs ball, diagram or picture, not &quot;%1&quot;</source>
        <translation>--display braucht ball, diagram oder picture, nicht „%1“</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>current at power supply</source>
        <translation>Stromstärke an der Spannungsquelle</translation>
    </message>
    <message>
        <source>energy per second</source>
        <translation>Energie pro Sekunde</translation>
    </message>
    <message>
        <source>time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>electrons per second</source>
        <translation>Elektronen pro Sekunde</translation>
    </message>
    <message>
        <source>current</source>
        <translation>Stromstärke</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Daten kopieren</translation>
    </message>
    <message>
        <source>%1 electrons per second</source>
        <translation>%1 Elektronen pro Sekunde</translation>
    </message>
    <message>
        <source>current (electrons per second)</source>
        <translation>Stromstärke (Elektronen pro Sekunde)</translation>
    </message>
    <message>
        <source>%1 (energy per second)</source>
        <translation>%1 (Energie pro Sekunde)</translation>
    </message>
    <message>
        <source>%1 +/- %2</source>
        <translation>%1 +/- %2</translation>
    </message>
    <message>
        <source>measuring the long run</source>
        <translation>Langzeitmessung läuft</translation>
    </message>
    <message>
        <source>long run: measuring 10 minutes...</source>
        <translation>auf Dauer: 10 Minuten werden gemessen...</translation>
    </message>
    <message>
        <source>long run (10 minutes): %1 electrons per second</source>
        <translation>auf Dauer (10 Minuten): %1 Elektronen pro Sekunde</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Electron &amp;Colours</source>
        <translation>E&amp;lektronenfarben</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Colour-blind safe</source>
        <translation>Für &amp;Farbenfehlsichtige</translation>
    </message>
    <message>
        <source>More Circuits</source>
        <translation>Weitere Schaltungen</translation>
    </message>
    <message>
        <source>Circuit Chooser</source>
        <translation>Schaltungswahl</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Bedienung</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Choose a Circuit</source>
        <translation>Schaltung wählen</translation>
    </message>
    <message>
        <source>&amp;Next Circuit</source>
        <translation>&amp;Nächste Schaltung</translation>
    </message>
    <message>
        <source>&amp;Previous Circuit</source>
        <translation>&amp;Vorige Schaltung</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;No Cells</source>
        <translation>&amp;Keine Zelle</translation>
    </message>
    <message>
        <source>&amp;1 Cell</source>
        <translation>&amp;1 Zelle</translation>
    </message>
    <message>
        <source>&amp;2 Cells</source>
        <translation>&amp;2 Zellen</translation>
    </message>
    <message>
        <source>&amp;3 Cells</source>
        <translation>&amp;3 Zellen</translation>
    </message>
    <message>
        <source>Switch &amp;Polarity</source>
        <translation>&amp;Umpolen</translation>
    </message>
    <message>
        <source>&amp;Switch On</source>
        <translation>&amp;Schalter ein</translation>
    </message>
    <message>
        <source>&amp;Less Resistance</source>
        <translation>K&amp;leinerer Widerstand</translation>
    </message>
    <message>
        <source>&amp;More Resistance</source>
        <translation>&amp;Größerer Widerstand</translation>
    </message>
    <message>
        <source>&amp;Tag Electron</source>
        <translation>Elektron &amp;markieren</translation>
    </message>
    <message>
        <source>&amp;Vary Mean Speed</source>
        <translation>Geschwindigkeit &amp;variieren</translation>
    </message>
    <message>
        <source>P&amp;ulsate</source>
        <translation>&amp;Pulsieren</translation>
    </message>
    <message>
        <source>M&amp;easurements</source>
        <translation>M&amp;esswerte</translation>
    </message>
    <message>
        <source>Tarrowin &amp;Model</source>
        <translation>Tarrowin-&amp;Modell</translation>
    </message>
    <message>
        <source>Circuit &amp;Diagram</source>
        <translation>Schalt&amp;plan</translation>
    </message>
    <message>
        <source>P&amp;icture of Circuit</source>
        <translation>B&amp;ild der Schaltung</translation>
    </message>
    <message>
        <source>Show &amp;Labels</source>
        <translation>&amp;Beschriftung zeigen</translation>
    </message>
    <message>
        <source>Full Screen Mode (ESC to Return)</source>
        <translation>Vollbildmodus (zurück mit Esc)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Step</source>
        <translation>&amp;Schritt</translation>
    </message>
    <message>
        <source>&amp;Normal Speed</source>
        <translation>&amp;Normales Tempo</translation>
    </message>
    <message>
        <source>&amp;Half Speed</source>
        <translation>&amp;Halbes Tempo</translation>
    </message>
    <message>
        <source>&amp;Quarter Speed</source>
        <translation>&amp;Vierteltempo</translation>
    </message>
    <message>
        <source>S&amp;lower</source>
        <translation>&amp;Langsamer</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>Schn&amp;eller</translation>
    </message>
    <message>
        <source>&amp;About Tarrowin...</source>
        <translation>&amp;Über Tarrowin...</translation>
    </message>
    <message>
        <source>&amp;Circuit</source>
        <translation>&amp;Schaltung</translation>
    </message>
    <message>
        <source>C&amp;ontrols</source>
        <translation>&amp;Bedienung</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Zeit</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation>Bild &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Reset to Defaults</source>
        <translation>Auf Standard &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Com&amp;pare Circuits...</source>
        <translation>Stromkreise &amp;vergleichen...</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> Pixel</translation>
    </message>
    <message>
        <source>&amp;Side of the square:</source>
        <translation>&amp;Seitenlänge des Quadrats:</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.

%2</source>
        <translation>Das Bild konnte nicht als %1 gespeichert werden.

%2</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Tarrowin</source>
        <translation>Tarrowin</translation>
    </message>
</context>
</TS>
