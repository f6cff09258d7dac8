<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CableDetect</name>
    <message>
        <source>&amp;Detect cable</source>
        <translation>Kabel &amp;erkennen</translation>
    </message>
    <message>
        <source>Stop &amp;detecting</source>
        <translation>&amp;Erkennen beenden</translation>
    </message>
    <message>
        <source>Plug the cable in now (or pull it out and plug it in again).</source>
        <translation>Jetzt das Kabel einstecken (oder abziehen und wieder einstecken).</translation>
    </message>
    <message>
        <source>No serial device appeared. Is the cable plugged in all the way?</source>
        <translation>Es ist kein serielles Gerät erschienen. Steckt das Kabel ganz drin?</translation>
    </message>
    <message>
        <source>Found %1.</source>
        <translation>%1 gefunden.</translation>
    </message>
    <message>
        <source>Found %1 (%2).</source>
        <translation>%1 gefunden (%2).</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Cannot access COM port.</source>
        <translation>Kein Zugriff auf den COM-Port.</translation>
    </message>
    <message>
        <source>Cannot access %1.</source>
        <translation>Kein Zugriff auf %1.</translation>
    </message>
    <message>
        <source>No answer from receiver.</source>
        <translation>Keine Antwort vom Empfänger.</translation>
    </message>
    <message>
        <source>Illegal data.</source>
        <translation>Ungültige Daten.</translation>
    </message>
    <message>
        <source>There is not enough data.</source>
        <translation>Es fehlen Daten.</translation>
    </message>
    <message>
        <source>Data Overflow.</source>
        <translation>Datenüberlauf.</translation>
    </message>
    <message>
        <source>COM buffer Overflow.</source>
        <translation>Überlauf des COM-Puffers.</translation>
    </message>
    <message>
        <source>Cannot write cloning data.</source>
        <translation>Die Klondaten können nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot Clone.</source>
        <translation>Klonen nicht möglich.</translation>
    </message>
    <message>
        <source>Illegal Information.</source>
        <translation>Ungültige Information.</translation>
    </message>
    <message>
        <source>Version number does not match.</source>
        <translation>Die Versionsnummer stimmt nicht überein.</translation>
    </message>
    <message>
        <source>The receiver cannot be programmed with the current setting.</source>
        <translation>Mit der aktuellen Einstellung lässt sich der Empfänger nicht programmieren.</translation>
    </message>
    <message>
        <source>The receiver&apos;s version does not match the initial setup.</source>
        <translation>Die Version des Empfängers passt nicht zur Ersteinrichtung.</translation>
    </message>
    <message>
        <source>Check the following:</source>
        <translation>Bitte prüfen:</translation>
    </message>
    <message>
        <source>- The COM port settings.</source>
        <translation>- Die Einstellung des COM-Ports.</translation>
    </message>
    <message>
        <source>- Cloning cable connections.</source>
        <translation>- Die Verbindungen des Klonkabels.</translation>
    </message>
    <message>
        <source>- Receiver power is ON.</source>
        <translation>- Der Empfänger ist eingeschaltet.</translation>
    </message>
    <message>
        <source>- Appropriate cloning software for the receiver is being used.</source>
        <translation>- Die Klonsoftware passt zum Empfänger.</translation>
    </message>
    <message>
        <source>- The revision number of the receiver.</source>
        <translation>- Die Revisionsnummer des Empfängers.</translation>
    </message>
    <message>
        <source>- Permission to use %1 (membership of the %2 group).</source>
        <translation>- Die Berechtigung für %1 (Mitgliedschaft in der Gruppe %2).</translation>
    </message>
    <message>
        <source>- No serial port was found on this computer; csq5 --demo tries the program with a simulated receiver.</source>
        <translation>- Auf diesem Rechner wurde kein serieller Port gefunden; csq5 --demo probiert das Programm mit einem simulierten Empfänger aus.</translation>
    </message>
    <message>
        <source>Read from receiver, Data has been edited.</source>
        <translation>Vom Empfänger lesen; die Daten wurden bearbeitet.</translation>
    </message>
    <message>
        <source>Write to receiver.</source>
        <translation>In den Empfänger schreiben.</translation>
    </message>
    <message>
        <source>Clone writing succeeded.</source>
        <translation>Das Klonschreiben ist gelungen.</translation>
    </message>
    <message>
        <source>Turn the receiver power off and on to use</source>
        <translation>Den Empfänger aus- und wieder einschalten, um</translation>
    </message>
    <message>
        <source>the receiver under its new conditions.</source>
        <translation>ihn mit den neuen Daten zu betreiben.</translation>
    </message>
    <message>
        <source>The receiver&apos;s memory was verified: it holds what was written.</source>
        <translation>Der Speicher des Empfängers wurde geprüft: Er enthält, was geschrieben wurde.</translation>
    </message>
    <message>
        <source>Verify after write failed.</source>
        <translation>Die Prüfung nach dem Schreiben ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>%1 byte of the receiver&apos;s memory differs from what was written, in:</source>
        <translation>%1 Byte im Speicher des Empfängers weicht vom Geschriebenen ab, in:</translation>
    </message>
    <message>
        <source>%1 bytes of the receiver&apos;s memory differ from what was written, in:</source>
        <translation>%1 Bytes im Speicher des Empfängers weichen vom Geschriebenen ab, in:</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>und %1 weitere.</translation>
    </message>
    <message>
        <source>Write again, and check the cloning cable connections.</source>
        <translation>Bitte erneut schreiben und die Verbindungen des Klonkabels prüfen.</translation>
    </message>
    <message>
        <source>Clone writing succeeded, but reading the memory back to verify it failed.</source>
        <translation>Das Klonschreiben ist gelungen, aber das Zurücklesen zur Prüfung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The receiver&apos;s memory was not verified: verifying was cancelled.</source>
        <translation>Der Speicher des Empfängers wurde nicht geprüft: Die Prüfung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Writing to the receiver...</source>
        <translation>Schreiben in den Empfänger...</translation>
    </message>
    <message>
        <source>Reading back to verify...</source>
        <translation>Zurücklesen zur Prüfung...</translation>
    </message>
    <message>
        <source>Clone read at %1; backup copy: %2</source>
        <translation>Klonlesen um %1; Sicherungskopie: %2</translation>
    </message>
    <message>
        <source>Clone read at %1; no backup copy could be written in %2</source>
        <translation>Klonlesen um %1; in %2 konnte keine Sicherungskopie geschrieben werden</translation>
    </message>
    <message>
        <source>Clone read at %1.</source>
        <translation>Klonlesen um %1.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Model : %1</source>
        <translation>Modell : %1</translation>
    </message>
    <message>
        <source>Comment : %1</source>
        <translation>Kommentar : %1</translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation>Adresse %1</translation>
    </message>
    <message>
        <source>Save changes ?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>Save changes to %1 ?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Cannot save file.</source>
        <translation>Die Datei kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Cannot open file.</source>
        <translation>Die Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cannot print.</source>
        <translation>Drucken nicht möglich.</translation>
    </message>
    <message>
        <source>Cannot read the profile %1. The program runs on its default settings and leaves the file as it is.</source>
        <translation>Das Profil %1 kann nicht gelesen werden. Das Programm läuft mit seinen Voreinstellungen und lässt die Datei unverändert.</translation>
    </message>
    <message>
        <source>The backups of clone reads have no folder: neither XDG_DATA_HOME nor HOME names one.</source>
        <translation>Die Sicherungen des Klonlesens haben keinen Ordner: Weder XDG_DATA_HOME noch HOME nennen einen.</translation>
    </message>
    <message>
        <source>There are no backups of clone reads yet.</source>
        <translation>Es gibt noch keine Sicherungen des Klonlesens.</translation>
    </message>
    <message>
        <source>They are kept in</source>
        <translation>Sie werden abgelegt in</translation>
    </message>
    <message>
        <source>The copies of clone reads have no folder: neither XDG_DATA_HOME nor HOME names one.</source>
        <translation>Die Kopien des Klonlesens haben keinen Ordner: Weder XDG_DATA_HOME noch HOME nennen einen.</translation>
    </message>
    <message>
        <source>The folder cannot be shown in a file manager.</source>
        <translation>Der Ordner kann in keinem Dateimanager gezeigt werden.</translation>
    </message>
    <message>
        <source>The copies of clone reads are kept in</source>
        <translation>Die Kopien des Klonlesens liegen in</translation>
    </message>
    <message>
        <source>Cannot start the demo receiver.</source>
        <translation>Der Demo-Empfänger kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Cannot execute CS-Q5 repeatedly.</source>
        <translation>CS-Q5 kann nicht mehrfach gestartet werden.</translation>
    </message>
    <message>
        <source>CS-Q5 is already executing.</source>
        <translation>CS-Q5 läuft bereits.</translation>
    </message>
    <message>
        <source>Overwrite here ?</source>
        <translation>Hier überschreiben?</translation>
    </message>
    <message>
        <source>The last CH is not blank. Cannot insert a blank channel.</source>
        <translation>Der letzte Kanal ist nicht leer. Es kann kein leerer Kanal eingefügt werden.</translation>
    </message>
    <message>
        <source>%1 has no blank CH.</source>
        <translation>%1 hat keinen leeren Kanal.</translation>
    </message>
    <message>
        <source>Moved to %1, CH %2.</source>
        <translation>Verschoben nach %1, CH %2.</translation>
    </message>
    <message>
        <source>Copied to %1, CH %2.</source>
        <translation>Kopiert nach %1, CH %2.</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;.</source>
        <translation>„%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Passed the last channel; the search went on from the top.</source>
        <translation>Letzter Kanal überschritten; die Suche ging am Anfang weiter.</translation>
    </message>
    <message>
        <source>All TV CH will be replaced with &apos;%1&apos; table.</source>
        <translation>Alle TV-Kanäle werden durch die Tabelle „%1“ ersetzt.</translation>
    </message>
    <message>
        <source>Sure ?</source>
        <translation>Sicher?</translation>
    </message>
    <message>
        <source>%1 difference between %2 and %3</source>
        <translation>%1 Unterschied zwischen %2 und %3</translation>
    </message>
    <message>
        <source>%1 differences between %2 and %3</source>
        <translation>%1 Unterschiede zwischen %2 und %3</translation>
    </message>
    <message>
        <source>The memory shown is the same as in %1.</source>
        <translation>Der angezeigte Speicher gleicht dem in %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Memory CH</source>
        <translation>Speicherkanäle</translation>
    </message>
    <message>
        <source>Bank A</source>
        <translation>Bank A</translation>
    </message>
    <message>
        <source>Bank B</source>
        <translation>Bank B</translation>
    </message>
    <message>
        <source>Bank C</source>
        <translation>Bank C</translation>
    </message>
    <message>
        <source>Bank D</source>
        <translation>Bank D</translation>
    </message>
    <message>
        <source>Bank E</source>
        <translation>Bank E</translation>
    </message>
    <message>
        <source>Bank F</source>
        <translation>Bank F</translation>
    </message>
    <message>
        <source>Bank G</source>
        <translation>Bank G</translation>
    </message>
    <message>
        <source>Bank H</source>
        <translation>Bank H</translation>
    </message>
    <message>
        <source>Program scan edge</source>
        <translation>Suchlaufgrenzen</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>AM TV</source>
        <translation>AM-TV</translation>
    </message>
    <message>
        <source>FM TV</source>
        <translation>FM-TV</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>BAND</source>
        <translation>BAND</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Offset Freq.</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>TSQL</source>
        <translation>TSQL</translation>
    </message>
    <message>
        <source>CTCSS Freq.</source>
        <translation>CTCSS-Frequenz</translation>
    </message>
    <message>
        <source>IF Shift</source>
        <translation>ZF-Shift</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umkehr</translation>
    </message>
    <message>
        <source>Sub Carrier</source>
        <translation>Unterträger</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>TS</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>-Dup</source>
        <translation>-Dup</translation>
    </message>
    <message>
        <source>+Dup</source>
        <translation>+Dup</translation>
    </message>
    <message>
        <source>Rev</source>
        <translation>Umk.</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Program &amp; Memory</source>
        <translation>Programm und Speicher</translation>
    </message>
    <message>
        <source>Scan Resume</source>
        <translation>Suchlauf-Fortsetzung</translation>
    </message>
    <message>
        <source>Pause Scan</source>
        <translation>Suchlauf-Pause</translation>
    </message>
    <message>
        <source>Beep Audio</source>
        <translation>Quittungston</translation>
    </message>
    <message>
        <source>LCD Back Light</source>
        <translation>LCD-Beleuchtung</translation>
    </message>
    <message>
        <source>Auto Power-OFF</source>
        <translation>Autom. Abschaltung</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Tastensperre</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Anzeigemodus</translation>
    </message>
    <message>
        <source>Display Contrast</source>
        <translation>Display-Kontrast</translation>
    </message>
    <message>
        <source>Display Bright</source>
        <translation>Display-Helligkeit</translation>
    </message>
    <message>
        <source>Display Back Color</source>
        <translation>Display-Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Dial Select</source>
        <translation>Drehknopf-Auswahl</translation>
    </message>
    <message>
        <source>Memory Scan</source>
        <translation>Speicher-Suchlauf</translation>
    </message>
    <message>
        <source>VFO Scan</source>
        <translation>VFO-Suchlauf</translation>
    </message>
    <message>
        <source>RF Attenuator</source>
        <translation>HF-Abschwächer</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>Stromsparen</translation>
    </message>
    <message>
        <source>Dial Speedup</source>
        <translation>Drehknopf-Beschleunigung</translation>
    </message>
    <message>
        <source>Skip Scan</source>
        <translation>Skip-Suchlauf</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Drücken</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>No SQL</source>
        <translation>Ohne SQL</translation>
    </message>
    <message>
        <source>No VOL</source>
        <translation>Ohne VOL</translation>
    </message>
    <message>
        <source>Manual-OFF</source>
        <translation>Manuell-AUS</translation>
    </message>
    <message>
        <source>Manual-ON</source>
        <translation>Manuell-EIN</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>No channel table: the first line must name the columns, Location and Frequency among them.</source>
        <translation>Keine Kanaltabelle: Die erste Zeile muss die Spalten nennen, darunter Location und Frequency.</translation>
    </message>
    <message>
        <source>%1 row was not imported:</source>
        <translation>%1 Zeile wurde nicht importiert:</translation>
    </message>
    <message>
        <source>%1 rows were not imported:</source>
        <translation>%1 Zeilen wurden nicht importiert:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>no header line</source>
        <translation>keine Kopfzeile</translation>
    </message>
    <message>
        <source>the header has no Location column</source>
        <translation>die Kopfzeile hat keine Spalte Location</translation>
    </message>
    <message>
        <source>the header has no Frequency column</source>
        <translation>die Kopfzeile hat keine Spalte Frequency</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>no Location field</source>
        <translation>kein Feld Location</translation>
    </message>
    <message>
        <source>location %1 is not a channel number</source>
        <translation>Location %1 ist keine Kanalnummer</translation>
    </message>
    <message>
        <source>location %1 is not a memory channel (0 to 399)</source>
        <translation>Location %1 ist kein Speicherkanal (0 bis 399)</translation>
    </message>
    <message>
        <source>no Frequency field</source>
        <translation>kein Feld Frequency</translation>
    </message>
    <message>
        <source>no frequency</source>
        <translation>keine Frequenz</translation>
    </message>
    <message>
        <source>frequency %1 is not a number in MHz</source>
        <translation>Frequenz %1 ist keine Zahl in MHz</translation>
    </message>
    <message>
        <source>frequency %1 MHz is above 3000 MHz</source>
        <translation>Frequenz %1 MHz liegt über 3000 MHz</translation>
    </message>
    <message>
        <source>duplex %1 is not &quot;&quot;, &quot;-&quot;, &quot;+&quot; or &quot;split&quot;</source>
        <translation>Duplex %1 ist nicht &quot;&quot;, &quot;-&quot;, &quot;+&quot; oder &quot;split&quot;</translation>
    </message>
    <message>
        <source>offset %1 is not a number in MHz</source>
        <translation>Ablage %1 ist keine Zahl in MHz</translation>
    </message>
    <message>
        <source>split duplex without the other frequency</source>
        <translation>Split-Duplex ohne die zweite Frequenz</translation>
    </message>
    <message>
        <source>split frequency %1 MHz is above 3000 MHz</source>
        <translation>Split-Frequenz %1 MHz liegt über 3000 MHz</translation>
    </message>
    <message>
        <source>split %1 and %2 MHz are %3 MHz apart; the largest offset is %4 MHz</source>
        <translation>Split %1 und %2 MHz liegen %3 MHz auseinander; die größte Ablage ist %4 MHz</translation>
    </message>
    <message>
        <source>offset %1 MHz is above %2 MHz, the largest offset</source>
        <translation>Ablage %1 MHz liegt über %2 MHz, der größten Ablage</translation>
    </message>
    <message>
        <source>tone mode %1 is not &quot;&quot; or &quot;TSQL&quot;</source>
        <translation>Tonbetrieb %1 ist nicht &quot;&quot; oder &quot;TSQL&quot;</translation>
    </message>
    <message>
        <source>tone %1 is not a number in Hz</source>
        <translation>Ton %1 ist keine Zahl in Hz</translation>
    </message>
    <message>
        <source>tone %1 Hz is not one of the receiver&apos;s CTCSS tones</source>
        <translation>Ton %1 Hz ist keiner der CTCSS-Töne des Empfängers</translation>
    </message>
    <message>
        <source>mode %1 cannot be received (FM, AM, WFM, Auto)</source>
        <translation>Modulation %1 kann nicht empfangen werden (FM, AM, WFM, Auto)</translation>
    </message>
    <message>
        <source>tuning step %1 is not a number in kHz</source>
        <translation>Abstimmschritt %1 ist keine Zahl in kHz</translation>
    </message>
    <message>
        <source>skip %1 is not &quot;&quot;, &quot;S&quot; or &quot;P&quot;</source>
        <translation>Überspringen %1 ist nicht &quot;&quot;, &quot;S&quot; oder &quot;P&quot;</translation>
    </message>
    <message>
        <source>channel %1 was already given on line %2</source>
        <translation>Kanal %1 stand schon in Zeile %2</translation>
    </message>
    <message>
        <source>%1 channel is outside the frequency coverage of the receiver and would be written blank:</source>
        <translation>%1 Kanal liegt außerhalb des Empfangsbereichs des Empfängers und würde leer geschrieben:</translation>
    </message>
    <message>
        <source>%1 channels are outside the frequency coverage of the receiver and would be written blank:</source>
        <translation>%1 Kanäle liegen außerhalb des Empfangsbereichs des Empfängers und würden leer geschrieben:</translation>
    </message>
    <message>
        <source>Write anyway?</source>
        <translation>Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>Clone read saved as %1; no backup copy.</source>
        <translation>Klonlesen gespeichert als %1; keine Sicherungskopie.</translation>
    </message>
    <message>
        <source>Clone read saved as %1; backup copy: %2</source>
        <translation>Klonlesen gespeichert als %1; Sicherungskopie: %2</translation>
    </message>
    <message>
        <source>%1 stands for no device: none is set for it, and the system has no serial port for it.</source>
        <translation>%1 steht für kein Gerät: Keines ist dafür eingestellt, und das System hat keinen seriellen Port dafür.</translation>
    </message>
    <message>
        <source>COM %1 is %2</source>
        <translation>COM %1 ist %2</translation>
    </message>
    <message>
        <source>no such device.</source>
        <translation>kein solches Gerät.</translation>
    </message>
    <message>
        <source>permission denied.</source>
        <translation>Zugriff verweigert.</translation>
    </message>
    <message>
        <source>in use by another program.</source>
        <translation>von einem anderen Programm belegt.</translation>
    </message>
    <message>
        <source>in use by another program (%1).</source>
        <translation>von einem anderen Programm belegt (%1).</translation>
    </message>
    <message>
        <source>not a serial device.</source>
        <translation>kein serielles Gerät.</translation>
    </message>
    <message>
        <source>it could not be opened.</source>
        <translation>es ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>nothing sent came back; a cloning cable echoes every byte.</source>
        <translation>nichts Gesendetes kam zurück; ein Klonkabel gibt jedes Byte als Echo zurück.</translation>
    </message>
    <message>
        <source>No such file.</source>
        <translation>Keine solche Datei.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Zugriff verweigert.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>It is larger than the limit of %1 MiB.</source>
        <translation>Sie ist größer als die Grenze von %1 MiB.</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>Sie ist leer.</translation>
    </message>
    <message>
        <source>It is not a data file.</source>
        <translation>Sie ist keine Datendatei.</translation>
    </message>
    <message>
        <source>It could not be read.</source>
        <translation>Sie ließ sich nicht lesen.</translation>
    </message>
    <message>
        <source>frequency %1 MHz is outside the frequency coverage of the receiver (version %2)</source>
        <translation>Frequenz %1 MHz liegt außerhalb des Empfangsbereichs des Empfängers (Version %2)</translation>
    </message>
    <message>
        <source>The receiver or the cable stopped answering during the operation.</source>
        <translation>Empfänger oder Kabel antworteten während des Vorgangs nicht mehr.</translation>
    </message>
    <message>
        <source>A channel is dropped onto a memory bank or a row, not onto %1.</source>
        <translation>Ein Kanal wird auf eine Speicherbank oder eine Zeile abgelegt, nicht auf %1.</translation>
    </message>
    <message>
        <source>The channel is in %1 already.</source>
        <translation>Der Kanal ist schon in %1.</translation>
    </message>
    <message>
        <source>This channel cannot be left blank: hold Ctrl to copy it.</source>
        <translation>Dieser Kanal kann nicht leer bleiben: Zum Kopieren Strg halten.</translation>
    </message>
    <message>
        <source>A blank channel has nothing to move.</source>
        <translation>Ein leerer Kanal hat nichts zu verschieben.</translation>
    </message>
    <message>
        <source>%1 does not take this channel.</source>
        <translation>%1 nimmt diesen Kanal nicht auf.</translation>
    </message>
    <message>
        <source>%1 channel took the values as given</source>
        <translation>%1 Kanal übernahm die Werte wie angegeben</translation>
    </message>
    <message>
        <source>%1 channels took the values as given</source>
        <translation>%1 Kanäle übernahmen die Werte wie angegeben</translation>
    </message>
    <message>
        <source>%1 was adjusted</source>
        <translation>%1 wurde angepasst</translation>
    </message>
    <message>
        <source>%1 were adjusted</source>
        <translation>%1 wurden angepasst</translation>
    </message>
    <message>
        <source>%1 was left alone</source>
        <translation>%1 blieb unverändert</translation>
    </message>
    <message>
        <source>%1 were left alone</source>
        <translation>%1 blieben unverändert</translation>
    </message>
    <message>
        <source>%1 was left alone (%2)</source>
        <translation>%1 blieb unverändert (%2)</translation>
    </message>
    <message>
        <source>%1 were left alone (%2)</source>
        <translation>%1 blieben unverändert (%2)</translation>
    </message>
    <message>
        <source>%1 blank</source>
        <translation>%1 leer</translation>
    </message>
    <message>
        <source>%1 without these fields</source>
        <translation>%1 ohne diese Felder</translation>
    </message>
    <message>
        <source>left alone</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>%1 does not apply</source>
        <translation>%1 trifft nicht zu</translation>
    </message>
    <message>
        <source>%1 do not apply</source>
        <translation>%1 treffen nicht zu</translation>
    </message>
    <message>
        <source>Frequency %1 instead of %2</source>
        <translation>Frequenz %1 statt %2</translation>
    </message>
    <message>
        <source>Name %1 instead of %2</source>
        <translation>Name %1 statt %2</translation>
    </message>
    <message>
        <source>Mode %1 instead of %2</source>
        <translation>Modulation %1 statt %2</translation>
    </message>
    <message>
        <source>Tuning Step %1 instead of %2</source>
        <translation>Abstimmschritt %1 statt %2</translation>
    </message>
    <message>
        <source>Duplex %1 instead of %2</source>
        <translation>Duplex %1 statt %2</translation>
    </message>
    <message>
        <source>Offset %1 instead of %2</source>
        <translation>Ablage %1 statt %2</translation>
    </message>
    <message>
        <source>TSQL %1 instead of %2</source>
        <translation>TSQL %1 statt %2</translation>
    </message>
    <message>
        <source>CTCSS %1 instead of %2</source>
        <translation>CTCSS %1 statt %2</translation>
    </message>
    <message>
        <source>Skip %1 instead of %2</source>
        <translation>Überspringen %1 statt %2</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>CTCSS</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>Tuning Step</source>
        <translation>Abstimmschritt</translation>
    </message>
    <message>
        <source>%1 cannot be received by this receiver version; left as it was.</source>
        <translation>%1 kann diese Empfängerversion nicht empfangen; unverändert gelassen.</translation>
    </message>
    <message>
        <source>%1 channel was filled (%2 adjusted), %3 refused.</source>
        <translation>%1 Kanal wurde gefüllt (%2 angepasst), %3 abgelehnt.</translation>
    </message>
    <message>
        <source>%1 channels were filled (%2 adjusted), %3 refused.</source>
        <translation>%1 Kanäle wurden gefüllt (%2 angepasst), %3 abgelehnt.</translation>
    </message>
    <message>
        <source>The %1 channels do not fit from CH %2: the list ends at CH %3.</source>
        <translation>Die %1 Kanäle passen ab CH %2 nicht: Die Liste endet bei CH %3.</translation>
    </message>
    <message>
        <source>The %1 channels cannot go from CH %2: a channel may not go to its place there.</source>
        <translation>Die %1 Kanäle können nicht ab CH %2 stehen: Ein Kanal darf dort nicht an seinen Platz.</translation>
    </message>
    <message>
        <source>mode %1 cannot be received (FM, FMN, AM, WFM)</source>
        <translation>Modulation %1 kann nicht empfangen werden (FM, FMN, AM, WFM)</translation>
    </message>
    <message>
        <source>mode %1 is digital voice, which the receiver cannot receive</source>
        <translation>Modulation %1 ist digitale Sprache, die der Empfänger nicht empfangen kann</translation>
    </message>
    <message>
        <source>tone squelch %1 is a DCS code, which the receiver cannot decode: imported without tone squelch</source>
        <translation>Tonsquelch %1 ist ein DCS-Code, den der Empfänger nicht auswerten kann: ohne Tonsquelch importiert</translation>
    </message>
    <message>
        <source>tone squelch %1 is not understood: imported without tone squelch</source>
        <translation>Tonsquelch %1 ist unverständlich: ohne Tonsquelch importiert</translation>
    </message>
    <message>
        <source>tone %1 Hz is not one of the receiver&apos;s CTCSS tones: imported without tone squelch</source>
        <translation>Ton %1 Hz ist keiner der CTCSS-Töne des Empfängers: ohne Tonsquelch importiert</translation>
    </message>
    <message>
        <source>a scanner list has no locations: choose the bank and row to start at</source>
        <translation>eine Scannerliste hat keine Speicherplätze: Bank und Startzeile wählen</translation>
    </message>
    <message>
        <source>does not fit: Bank %1 has no row %2</source>
        <translation>passt nicht: Bank %1 hat keine Zeile %2</translation>
    </message>
    <message>
        <source>frequency %1 MHz is outside every band of this receiver version</source>
        <translation>Frequenz %1 MHz liegt außerhalb aller Bänder dieser Empfängerversion</translation>
    </message>
    <message>
        <source>The %1 channel does not fit from CH %2: %3 ends at CH %4.</source>
        <translation>Der %1 Kanal passt ab CH %2 nicht: %3 endet bei CH %4.</translation>
    </message>
    <message>
        <source>The %1 channels do not fit from CH %2: %3 ends at CH %4.</source>
        <translation>Die %1 Kanäle passen ab CH %2 nicht: %3 endet bei CH %4.</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>Prozess %1</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>Imported with a note:</source>
        <translation>Mit einem Hinweis importiert:</translation>
    </message>
</context>
<context>
    <name>DropDown</name>
    <message>
        <source>Choices</source>
        <translation>Auswahl</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... und %n weiterer.</numerusform>
            <numerusform>... und %n weitere.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Scanner frequency lists (RadioReference)</source>
        <translation>Frequenzlisten für Scanner (RadioReference)</translation>
    </message>
    <message>
        <source>Scanner frequency lists</source>
        <translation>Frequenzlisten für Scanner</translation>
    </message>
    <message>
        <source>Welcome to CS-Q5</source>
        <translation>Willkommen bei CS-Q5</translation>
    </message>
    <message>
        <source>First start and initial setup</source>
        <translation>Erster Start und Ersteinrichtung</translation>
    </message>
    <message>
        <source>Why the receiver&apos;s version matters</source>
        <translation>Warum die Version des Empfängers zählt</translation>
    </message>
    <message>
        <source>Running the initial setup</source>
        <translation>Die Ersteinrichtung ausführen</translation>
    </message>
    <message>
        <source>Skipping the setup</source>
        <translation>Die Einrichtung überspringen</translation>
    </message>
    <message>
        <source>Opening a data file at start</source>
        <translation>Beim Start eine Datendatei öffnen</translation>
    </message>
    <message>
        <source>Trying CS-Q5 without a receiver</source>
        <translation>CS-Q5 ohne Empfänger ausprobieren</translation>
    </message>
    <message>
        <source>Cloning</source>
        <translation>Klonen</translation>
    </message>
    <message>
        <source>Reading the receiver</source>
        <translation>Den Empfänger auslesen</translation>
    </message>
    <message>
        <source>Backups of every read</source>
        <translation>Sicherungen jedes Lesens</translation>
    </message>
    <message>
        <source>Writing to the receiver</source>
        <translation>In den Empfänger schreiben</translation>
    </message>
    <message>
        <source>Receiver information</source>
        <translation>Empfängerinformation</translation>
    </message>
    <message>
        <source>When cloning fails</source>
        <translation>Wenn das Klonen scheitert</translation>
    </message>
    <message>
        <source>Editing channels and settings</source>
        <translation>Kanäle und Einstellungen bearbeiten</translation>
    </message>
    <message>
        <source>The channel tree and grid</source>
        <translation>Kanalbaum und Kanaltabelle</translation>
    </message>
    <message>
        <source>Editing a channel</source>
        <translation>Einen Kanal bearbeiten</translation>
    </message>
    <message>
        <source>Copy, paste, clear, delete, insert</source>
        <translation>Kopieren, Einfügen, Leeren, Löschen, Einschieben</translation>
    </message>
    <message>
        <source>Finding a channel</source>
        <translation>Einen Kanal suchen</translation>
    </message>
    <message>
        <source>Sorting a bank</source>
        <translation>Eine Bank sortieren</translation>
    </message>
    <message>
        <source>Moving channels by drag and drop</source>
        <translation>Kanäle per Ziehen und Ablegen verschieben</translation>
    </message>
    <message>
        <source>Undo and redo</source>
        <translation>Rückgängig und Wiederholen</translation>
    </message>
    <message>
        <source>Receiver settings and comment</source>
        <translation>Empfängereinstellungen und Kommentar</translation>
    </message>
    <message>
        <source>TV channel presets</source>
        <translation>TV-Kanal-Voreinstellungen</translation>
    </message>
    <message>
        <source>Data files</source>
        <translation>Datendateien</translation>
    </message>
    <message>
        <source>Memory channels as a CSV table</source>
        <translation>Speicherkanäle als CSV-Tabelle</translation>
    </message>
    <message>
        <source>Printing the channel lists</source>
        <translation>Die Kanallisten drucken</translation>
    </message>
    <message>
        <source>The program&apos;s own settings</source>
        <translation>Die Einstellungen des Programms</translation>
    </message>
    <message>
        <source>Serial ports on Linux</source>
        <translation>Serielle Ports unter Linux</translation>
    </message>
    <message>
        <source>Access to the port: the dialout group</source>
        <translation>Zugriff auf den Port: die Gruppe dialout</translation>
    </message>
    <message>
        <source>USB cables and device names</source>
        <translation>USB-Kabel und Gerätenamen</translation>
    </message>
    <message>
        <source>Choosing the device of a COM slot</source>
        <translation>Das Gerät eines COM-Platzes wählen</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Fehlersuche</translation>
    </message>
    <message>
        <source>Menus and toolbar</source>
        <translation>Menüs und Werkzeugleiste</translation>
    </message>
    <message>
        <source>Command line and simulator</source>
        <translation>Kommandozeile und Simulator</translation>
    </message>
    <message>
        <source>csq5-cli: cloning without a window</source>
        <translation>csq5-cli: Klonen ohne Fenster</translation>
    </message>
    <message>
        <source>csq5-sim: a receiver on a pseudo-terminal</source>
        <translation>csq5-sim: ein Empfänger an einem Pseudo-Terminal</translation>
    </message>
    <message>
        <source>.acf file</source>
        <translation>.acf-Datei</translation>
    </message>
    <message>
        <source>/S (initial setup at start)</source>
        <translation>/S (Ersteinrichtung beim Start)</translation>
    </message>
    <message>
        <source>AM TV channels</source>
        <translation>AM-TV-Kanäle</translation>
    </message>
    <message>
        <source>Backups of clone reads</source>
        <translation>Sicherungen des Klonlesens</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Cannot access COM</source>
        <translation>Kein Zugriff auf COM</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clone info.</source>
        <translation>Klon-Info</translation>
    </message>
    <message>
        <source>Clone read</source>
        <translation>Klonlesen</translation>
    </message>
    <message>
        <source>Clone write</source>
        <translation>Klonschreiben</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>ComDevice(n) in CSQ5.rs</source>
        <translation>ComDevice(n) in CSQ5.rs</translation>
    </message>
    <message>
        <source>Command line (csq5-cli)</source>
        <translation>Kommandozeile (csq5-cli)</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Common Setting</source>
        <translation>Allgemeine Einstellung</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>CSQ5.rs</source>
        <translation>CSQ5.rs</translation>
    </message>
    <message>
        <source>csq5-cli</source>
        <translation>csq5-cli</translation>
    </message>
    <message>
        <source>csq5-sim</source>
        <translation>csq5-sim</translation>
    </message>
    <message>
        <source>CSV tables</source>
        <translation>CSV-Tabellen</translation>
    </message>
    <message>
        <source>Cannot Clone</source>
        <translation>Klonen nicht möglich</translation>
    </message>
    <message>
        <source>Cannot write cloning data</source>
        <translation>Klondaten nicht schreibbar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Differences between two files</source>
        <translation>Unterschiede zwischen zwei Dateien</translation>
    </message>
    <message>
        <source>Demo receiver (--demo)</source>
        <translation>Demo-Empfänger (--demo)</translation>
    </message>
    <message>
        <source>Device of a COM slot</source>
        <translation>Gerät eines COM-Platzes</translation>
    </message>
    <message>
        <source>Devices... (COM Port menu)</source>
        <translation>Geräte... (Menü COM-Port)</translation>
    </message>
    <message>
        <source>dialout group</source>
        <translation>Gruppe dialout</translation>
    </message>
    <message>
        <source>Edit Memory</source>
        <translation>Speicher bearbeiten</translation>
    </message>
    <message>
        <source>Error messages of cloning</source>
        <translation>Fehlermeldungen beim Klonen</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Find, Find Next</source>
        <translation>Suchen, Weitersuchen</translation>
    </message>
    <message>
        <source>Drag and drop</source>
        <translation>Ziehen und Ablegen</translation>
    </message>
    <message>
        <source>Move a channel to another bank</source>
        <translation>Kanal in eine andere Bank verschieben</translation>
    </message>
    <message>
        <source>PDF of the channel lists</source>
        <translation>PDF der Kanallisten</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Sort Bank</source>
        <translation>Bank sortieren</translation>
    </message>
    <message>
        <source>Split duplex in CSV tables</source>
        <translation>Split-Duplex in CSV-Tabellen</translation>
    </message>
    <message>
        <source>FM TV channels</source>
        <translation>FM-TV-Kanäle</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Illegal Information</source>
        <translation>Ungültige Information</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Initial setup</source>
        <translation>Ersteinrichtung</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einschieben</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>Speicherkanäle</translation>
    </message>
    <message>
        <source>New file</source>
        <translation>Neue Datei</translation>
    </message>
    <message>
        <source>No answer from receiver</source>
        <translation>Keine Antwort vom Empfänger</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Opening a file at start</source>
        <translation>Beim Start eine Datei öffnen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Preset TV CH</source>
        <translation>TV-Kanäle voreinstellen</translation>
    </message>
    <message>
        <source>Profile CSQ5.rs</source>
        <translation>Profil CSQ5.rs</translation>
    </message>
    <message>
        <source>Program scan edges</source>
        <translation>Suchlaufgrenzen</translation>
    </message>
    <message>
        <source>Read Backups Folder</source>
        <translation>Ordner der Sicherungen</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Zuletzt benutzte Dateien</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Settings of the program</source>
        <translation>Einstellungen des Programms</translation>
    </message>
    <message>
        <source>Simulator (csq5-sim)</source>
        <translation>Simulator (csq5-sim)</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation>Abstimmschritt</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV-Kanäle</translation>
    </message>
    <message>
        <source>/dev/ttyACM0</source>
        <translation>/dev/ttyACM0</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0</source>
        <translation>/dev/ttyUSB0</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Verify After Write</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Version number does not match</source>
        <translation>Versionsnummer stimmt nicht</translation>
    </message>
    <message>
        <source>Version of the receiver</source>
        <translation>Version des Empfängers</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>%1-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Stichwort eingeben</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>This manual is in English.</source>
        <translation>Dieses Handbuch ist auf Englisch.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Barrierefreiheit</translation>
    </message>
    <message>
        <source>Screen readers on Linux: Orca</source>
        <translation>Bildschirmleser unter Linux: Orca</translation>
    </message>
    <message>
        <source>Keyboard commands</source>
        <translation>Tastaturbefehle</translation>
    </message>
    <message>
        <source>Large text and themes</source>
        <translation>Große Schrift und Designs</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Dunkles Design</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>Große Schrift</translation>
    </message>
    <message>
        <source>Move Up, Move Down</source>
        <translation>Nach oben, Nach unten</translation>
    </message>
    <message>
        <source>Move to Bank</source>
        <translation>In Bank verschieben</translation>
    </message>
    <message>
        <source>Orca screen reader</source>
        <translation>Bildschirmleser Orca</translation>
    </message>
    <message>
        <source>Screen reader</source>
        <translation>Bildschirmleser</translation>
    </message>
    <message>
        <source>Shortcut keys</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Contents and index</source>
        <translation>Inhalt und Index</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>Detect cable</source>
        <translation>Kabel erkennen</translation>
    </message>
    <message>
        <source>Many channels at once</source>
        <translation>Viele Kanäle auf einmal</translation>
    </message>
    <message>
        <source>Bulk edit</source>
        <translation>Sammelbearbeitung</translation>
    </message>
    <message>
        <source>Filling a bank</source>
        <translation>Eine Bank füllen</translation>
    </message>
    <message>
        <source>Block of channels (Shift, Ctrl+A)</source>
        <translation>Kanalblock (Umschalt, Strg+A)</translation>
    </message>
    <message>
        <source>Bulk Edit</source>
        <translation>Sammelbearbeitung</translation>
    </message>
    <message>
        <source>Fill Channels</source>
        <translation>Kanäle füllen</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>%1 Rev.%2</source>
        <translation>%1 Rev.%2</translation>
    </message>
    <message>
        <source>Cloning software for the %1 wide-band receiver.</source>
        <translation>Klonsoftware für den Breitbandempfänger %1.</translation>
    </message>
    <message>
        <source>Copyright © %1 CS-Q5 developers&lt;br&gt;&lt;br&gt;%2 is free software: you can redistribute it and/or modify it under the terms of the &lt;a href=&quot;%3&quot;&gt;GNU General Public License&lt;/a&gt; as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.&lt;br&gt;&lt;br&gt;%2 comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>Copyright © %1 CS-Q5 developers&lt;br&gt;&lt;br&gt;%2 ist freie Software: Sie können sie unter den Bedingungen der &lt;a href=&quot;%3&quot;&gt;GNU General Public License&lt;/a&gt;, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder ändern, entweder gemäß Version 3 der Lizenz oder (nach Ihrer Wahl) jeder späteren Version.&lt;br&gt;&lt;br&gt;%2 wird OHNE JEDE GEWÄHRLEISTUNG bereitgestellt.</translation>
    </message>
    <message>
        <source>GNU General Public License</source>
        <translation>GNU General Public License</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
</context>
<context>
    <name>frmBulkEdit</name>
    <message>
        <source>Bulk Edit %1</source>
        <translation>Sammelbearbeitung %1</translation>
    </message>
    <message>
        <source>Only the ticked fields are written, into every selected channel in use; a value a channel cannot take is adjusted as in Edit Memory. A numbering pattern such as &quot;AIR %02d&quot; gives AIR 01, AIR 02 ...</source>
        <translation>Nur die angehakten Felder werden geschrieben, in jeden gewählten belegten Kanal; ein Wert, den ein Kanal nicht annehmen kann, wird wie in „Speicher bearbeiten“ angepasst. Ein Nummernmuster wie &quot;AIR %02d&quot; ergibt AIR 01, AIR 02 ...</translation>
    </message>
    <message>
        <source>&amp;First number</source>
        <translation>&amp;Erste Nummer</translation>
    </message>
    <message>
        <source>Name text</source>
        <translation>Namenstext</translation>
    </message>
    <message>
        <source>Number them</source>
        <translation>Durchnummerieren</translation>
    </message>
    <message>
        <source>Add a prefix</source>
        <translation>Präfix voranstellen</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Name rule</source>
        <translation>Namensregel</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>CTCSS frequency</source>
        <translation>CTCSS-Frequenz</translation>
    </message>
    <message>
        <source>TSQL</source>
        <translation>TSQL</translation>
    </message>
    <message>
        <source>T&amp;SQL and CTCSS</source>
        <translation>T&amp;SQL und CTCSS</translation>
    </message>
    <message>
        <source>Offset Freq. (MHz)</source>
        <translation>Ablage (MHz)</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>&amp;Duplex and offset</source>
        <translation>&amp;Duplex und Ablage</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>Über&amp;springen</translation>
    </message>
    <message>
        <source>&amp;Tuning Step</source>
        <translation>&amp;Abstimmschritt</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modulation</translation>
    </message>
</context>
<context>
    <name>frmCloneProgress</name>
    <message>
        <source>Cloning</source>
        <translation>Klonen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Clone progress</source>
        <translation>Klonfortschritt</translation>
    </message>
</context>
<context>
    <name>frmComDevices</name>
    <message>
        <source>%1 COM Port Devices</source>
        <translation>%1 – Geräte der COM-Ports</translation>
    </message>
    <message>
        <source>COM&amp;%1</source>
        <translation>COM&amp;%1</translation>
    </message>
    <message>
        <source>In use: none (no serial port found)</source>
        <translation>In Gebrauch: keiner (kein serieller Port gefunden)</translation>
    </message>
    <message>
        <source>In use: %1</source>
        <translation>In Gebrauch: %1</translation>
    </message>
    <message>
        <source>demo receiver</source>
        <translation>Demo-Empfänger</translation>
    </message>
    <message>
        <source>COM%1 device</source>
        <translation>Gerät für COM%1</translation>
    </message>
    <message>
        <source>Empty: COM n takes the n-th serial port found, in the order of the lists.</source>
        <translation>Leer: COM n nimmt den n-ten gefundenen seriellen Port, in der Reihenfolge der Listen.</translation>
    </message>
    <message>
        <source>Found %1: COM%2 opens it after OK.</source>
        <translation>%1 gefunden: COM%2 öffnet es nach OK.</translation>
    </message>
    <message>
        <source>Found %1 (%2): COM%3 opens it after OK.</source>
        <translation>%1 gefunden (%2): COM%3 öffnet es nach OK.</translation>
    </message>
    <message numerus="yes">
        <source>In use: none (%n serial port(s) found: choose one)</source>
        <translation>
            <numerusform>In Gebrauch: keiner (%n serieller Port gefunden: bitte wählen)</numerusform>
            <numerusform>In Gebrauch: keiner (%n serielle Ports gefunden: bitte einen wählen)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmCompare</name>
    <message>
        <source>Compare With %1</source>
        <translation>Vergleich mit %1</translation>
    </message>
    <message>
        <source>%1; double-click a channel to show it in the grid.</source>
        <translation>%1; Doppelklick auf einen Kanal zeigt ihn in der Tabelle.</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>%1 (open, edited)</source>
        <translation>%1 (offen, bearbeitet)</translation>
    </message>
    <message>
        <source>%1 (open)</source>
        <translation>%1 (offen)</translation>
    </message>
    <message>
        <source>%1 (saved)</source>
        <translation>%1 (gespeichert)</translation>
    </message>
</context>
<context>
    <name>frmCsvStart</name>
    <message>
        <source>First &amp;row:</source>
        <translation>Erste &amp;Zeile:</translation>
    </message>
    <message>
        <source>&amp;Bank:</source>
        <translation>&amp;Bank:</translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation>Bank %1</translation>
    </message>
    <message>
        <source>The table has no channel numbers: its rows go into consecutive channels of one bank from the row chosen here, over what those channels hold.</source>
        <translation>Die Tabelle hat keine Kanalnummern: Ihre Zeilen kommen in aufeinanderfolgende Kanäle einer Bank ab der hier gewählten Zeile, über den bisherigen Inhalt dieser Kanäle.</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
</context>
<context>
    <name>frmEditCh</name>
    <message>
        <source>Edit Memory</source>
        <translation>Speicher bearbeiten</translation>
    </message>
    <message>
        <source>Tone Squelch</source>
        <translation>Tonsquelch</translation>
    </message>
    <message>
        <source>TSQL</source>
        <translation>TSQL</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>IF Shift</source>
        <translation>ZF-Shift</translation>
    </message>
    <message>
        <source>FM TV</source>
        <translation>FM-TV</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umkehr</translation>
    </message>
    <message>
        <source>Sub Carrier</source>
        <translation>Unterträger</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Operating Frequency</source>
        <translation>Betriebsfrequenz</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Offset Freq.</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Tuning Step</source>
        <translation>Abstimmschritt</translation>
    </message>
</context>
<context>
    <name>frmEditCommon</name>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmFillChannels</name>
    <message>
        <source>Fill Channels from %1</source>
        <translation>Kanäle füllen ab %1</translation>
    </message>
    <message>
        <source>Tuning Step</source>
        <translation>Abstimmschritt</translation>
    </message>
    <message>
        <source>&amp;Tuning Step</source>
        <translation>&amp;Abstimmschritt</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modulation</translation>
    </message>
    <message>
        <source>&amp;First number</source>
        <translation>&amp;Erste Nummer</translation>
    </message>
    <message>
        <source>&amp;Name pattern</source>
        <translation>&amp;Namensmuster</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Kanäle</translation>
    </message>
    <message>
        <source>S&amp;pacing (kHz)</source>
        <translation>&amp;Kanalabstand (kHz)</translation>
    </message>
    <message>
        <source>&amp;Start frequency (MHz)</source>
        <translation>&amp;Startfrequenz (MHz)</translation>
    </message>
</context>
<context>
    <name>frmFind</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Frequency (MHz) or name:</source>
        <translation>&amp;Frequenz (MHz) oder Name:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>F&amp;ill Channels...</source>
        <translation>Kanäle &amp;füllen...</translation>
    </message>
    <message>
        <source> (demo receiver)</source>
        <translation> (Demo-Empfänger)</translation>
    </message>
    <message>
        <source>Data Files (*.ACF *.acf)</source>
        <translation>Datendateien (*.ACF *.acf)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Edit Memory</source>
        <translation>Speicher bearbeiten</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>COM1</source>
        <translation>COM1</translation>
    </message>
    <message>
        <source>COM2</source>
        <translation>COM2</translation>
    </message>
    <message>
        <source>COM3</source>
        <translation>COM3</translation>
    </message>
    <message>
        <source>COM4</source>
        <translation>COM4</translation>
    </message>
    <message>
        <source>Clone read</source>
        <translation>Klonlesen</translation>
    </message>
    <message>
        <source>Clone write</source>
        <translation>Klonschreiben</translation>
    </message>
    <message>
        <source>Clone info.</source>
        <translation>Klon-Info</translation>
    </message>
    <message>
        <source>Help contents</source>
        <translation>Hilfe-Inhalt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>&amp;CSV exportieren...</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>CSV &amp;importieren...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>PDF e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Restore Backup...</source>
        <translation>Sicherung &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>&amp;Vergleichen mit...</translation>
    </message>
    <message>
        <source>Read &amp;Backups Folder</source>
        <translation>Ordner der Sic&amp;herungen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Edit Memory...</source>
        <translation>Speicher &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einschieben</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Weiters&amp;uchen</translation>
    </message>
    <message>
        <source>&amp;Sort Bank...</source>
        <translation>Bank s&amp;ortieren...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Common Setting...</source>
        <translation>&amp;Allgemeine Einstellung...</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>COM &amp;Port</source>
        <translation>COM-&amp;Port</translation>
    </message>
    <message>
        <source>COM &amp;%1</source>
        <translation>COM &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Devices...</source>
        <translation>&amp;Geräte...</translation>
    </message>
    <message>
        <source>&amp;Cloning</source>
        <translation>&amp;Klonen</translation>
    </message>
    <message>
        <source>&amp;Read &lt;- Receiver</source>
        <translation>&amp;Lesen &lt;- Empfänger</translation>
    </message>
    <message>
        <source>&amp;Write -&gt; Receiver</source>
        <translation>&amp;Schreiben -&gt; Empfänger</translation>
    </message>
    <message>
        <source>&amp;Information...</source>
        <translation>&amp;Information...</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>Nach dem Schreiben &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Preset TV CH</source>
        <translation>TV-Kanäle &amp;voreinstellen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About CS-Q5...</source>
        <translation>Ü&amp;ber CS-Q5...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt benutzte Datei</translation>
    </message>
    <message>
        <source>Channel lists</source>
        <translation>Kanallisten</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>No channel list in this group</source>
        <translation>Keine Kanalliste in dieser Gruppe</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Move to &amp;Bank...</source>
        <translation>In &amp;Bank verschieben...</translation>
    </message>
    <message>
        <source>Mo&amp;ve Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>More toolbar buttons</source>
        <translation>Weitere Schaltflächen</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Bul&amp;k Edit...</source>
        <translation>Sammelbearbeitung (&amp;K)...</translation>
    </message>
</context>
<context>
    <name>frmMoveToBank</name>
    <message>
        <source>Move to Bank</source>
        <translation>In Bank verschieben</translation>
    </message>
    <message>
        <source>&amp;Bank (the channel goes to its first blank channel):</source>
        <translation>&amp;Bank (der Kanal kommt auf ihren ersten leeren Kanal):</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
</context>
<context>
    <name>frmRestoreBackup</name>
    <message>
        <source>Restore Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Backups of clone reads, newest first:</source>
        <translation>&amp;Sicherungen des Klonlesens, neueste zuerst:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Backups of clone reads</source>
        <translation>Sicherungen des Klonlesens</translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Thank you for purchasing this Ardo CS-Q5 cloning software.</source>
        <translation>Vielen Dank für den Kauf der Klonsoftware Ardo CS-Q5.</translation>
    </message>
    <message>
        <source>To use this software, the receiver&apos;s version must be recognized.</source>
        <translation>Um diese Software zu nutzen, muss die Version des Empfängers erkannt werden.</translation>
    </message>
    <message>
        <source>Therefore the following start-up operation is necessary in advance.</source>
        <translation>Deshalb ist vorher die folgende Inbetriebnahme nötig.</translation>
    </message>
    <message>
        <source>If an RX-Q5 is not on hand, push [Cancel] to skip the initial setup.</source>
        <translation>Ist kein RX-Q5 zur Hand, überspringt [Abbrechen] die Ersteinrichtung.</translation>
    </message>
    <message>
        <source>This program can be used to edit data although actual cloning operations cannot be performed in such cases.</source>
        <translation>Das Programm kann dann Daten bearbeiten, aber nicht klonen.</translation>
    </message>
    <message>
        <source>START-UP OPERATION</source>
        <translation>INBETRIEBNAHME</translation>
    </message>
    <message>
        <source>(1) Be sure the receiver and PC are connected using the cloning</source>
        <translation>(1) Empfänger und PC müssen mit dem Klonkabel verbunden sein.</translation>
    </message>
    <message>
        <source>cable. If they are not yet connected, turn all power OFF, then connect the cable in advance.</source>
        <translation>Sind sie noch nicht verbunden, alle Geräte ausschalten und zuerst das Kabel anschließen.</translation>
    </message>
    <message>
        <source>(2) Turn the receiver power ON and select the RS-232C port.</source>
        <translation>(2) Den Empfänger einschalten und den RS-232C-Port wählen.</translation>
    </message>
    <message>
        <source>(3) Push [OK] to start the initial setup.</source>
        <translation>(3) [OK] startet die Ersteinrichtung.</translation>
    </message>
    <message>
        <source>%1 Initial Setup</source>
        <translation>%1 – Ersteinrichtung</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Found %1: COM%2 opens it.</source>
        <translation>%1 gefunden: COM%2 öffnet es.</translation>
    </message>
    <message>
        <source>Found %1: OK makes it the device of the COM port chosen.</source>
        <translation>%1 gefunden: OK macht es zum Gerät des gewählten COM-Ports.</translation>
    </message>
</context>
<context>
    <name>frmSortBank</name>
    <message>
        <source>Sort Bank</source>
        <translation>Bank sortieren</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>By &amp;frequency</source>
        <translation>Nach &amp;Frequenz</translation>
    </message>
    <message>
        <source>By &amp;name</source>
        <translation>Nach &amp;Name</translation>
    </message>
    <message>
        <source>Ascending; blank channels go last.</source>
        <translation>Aufsteigend; leere Kanäle kommen ans Ende.</translation>
    </message>
    <message>
        <source>Sort %1</source>
        <translation>%1 sortieren</translation>
    </message>
</context>
</TS>
