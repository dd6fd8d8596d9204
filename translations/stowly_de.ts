<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AppModelReports</name>
    <message>
        <source>The record of this offload for its reports couldn’t be saved: %1</source>
        <translation>Die Aufzeichnung dieser Übertragung für ihre Berichte konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>BugReport</name>
    <message>
        <source>Please e-mail this report and the files beside it to %1.</source>
        <translation>Bitte senden Sie diesen Bericht und die Dateien daneben per E-Mail an %1.</translation>
    </message>
    <message>
        <source>What happened?</source>
        <translation>Was ist passiert?</translation>
    </message>
    <message>
        <source>(Stowly quit unexpectedly. What were you doing just before?)</source>
        <translation>(Stowly wurde unerwartet beendet. Was haben Sie kurz davor getan?)</translation>
    </message>
    <message>
        <source>(What were you doing, and what went wrong? Steps to make it happen again help a lot.)</source>
        <translation>(Was haben Sie getan, und was ist schiefgegangen? Schritte, mit denen sich der Fehler wiederholen lässt, helfen sehr.)</translation>
    </message>
    <message>
        <source>Stowly’s recent log:</source>
        <translation>Aktuelles Protokoll von Stowly:</translation>
    </message>
    <message>
        <source>(nothing logged recently)</source>
        <translation>(in letzter Zeit nichts protokolliert)</translation>
    </message>
</context>
<context>
    <name>CardAtPath</name>
    <message>
        <source>That’s your startup disk.</source>
        <translation>Das ist Ihr Startlaufwerk.</translation>
    </message>
    <message>
        <source>There’s no folder at “%1”.</source>
        <translation>Unter „%1“ gibt es keinen Ordner.</translation>
    </message>
    <message>
        <source>“%1” isn’t a folder.</source>
        <translation>„%1“ ist kein Ordner.</translation>
    </message>
</context>
<context>
    <name>CardCommands</name>
    <message>
        <source>No card is mounted.</source>
        <translation>Es ist keine Karte eingehängt.</translation>
    </message>
    <message>
        <source>Stowly has no offloads of %1 to forget.</source>
        <translation>Stowly hat keine Übertragungen von %1, die es vergessen könnte.</translation>
    </message>
    <message>
        <source>Stowly only formats memory cards.</source>
        <translation>Stowly formatiert nur Speicherkarten.</translation>
    </message>
    <message>
        <source>This card is empty</source>
        <translation>Diese Karte ist leer</translation>
    </message>
    <message>
        <source>Add --discard-short-clips to format anyway; the skipped short clips have no copy and are lost.</source>
        <translation>Fügen Sie --discard-short-clips hinzu, um trotzdem zu formatieren; die übersprungenen kurzen Clips haben keine Kopie und gehen verloren.</translation>
    </message>
    <message>
        <source>The card is being formatted; Stowly finishes first.</source>
        <translation>Die Karte wird gerade formatiert; Stowly schließt das zuerst ab.</translation>
    </message>
    <message>
        <source>%1 ejected, safe to remove.</source>
        <translation>%1 ausgeworfen, kann sicher entfernt werden.</translation>
    </message>
    <message>
        <source>%1 is already mounted at %2.</source>
        <translation>%1 ist bereits unter %2 eingehängt.</translation>
    </message>
    <message>
        <source>Stowly found no card %1 that isn’t mounted. “stowly-cli cards” lists them.</source>
        <translation>Stowly hat keine nicht eingehängte Karte %1 gefunden. „stowly-cli cards“ listet die Karten auf.</translation>
    </message>
    <message>
        <source>Couldn’t mount %1: %2</source>
        <translation>%1 konnte nicht eingehängt werden: %2</translation>
    </message>
    <message>
        <source>%1 mounted at %2.</source>
        <translation>%1 unter %2 eingehängt.</translation>
    </message>
</context>
<context>
    <name>CardFormatter</name>
    <message>
        <source>Stowly couldn’t read information about %1.</source>
        <translation>Stowly konnte keine Informationen über %1 lesen.</translation>
    </message>
    <message>
        <source>Stowly couldn’t check your startup disk, so it won’t format anything.</source>
        <translation>Stowly konnte Ihr Startlaufwerk nicht prüfen und formatiert deshalb nichts.</translation>
    </message>
    <message>
        <source>this format</source>
        <translation>dieses Format</translation>
    </message>
    <message>
        <source>%1 uses %2. Stowly formats exFAT and FAT32 cards only — format it in your camera instead.</source>
        <translation>%1 verwendet %2. Stowly formatiert nur Karten mit exFAT und FAT32 – formatieren Sie die Karte stattdessen in Ihrer Kamera.</translation>
    </message>
    <message>
        <source>Something on %1 changed and isn’t offloaded yet, so it wasn’t formatted.</source>
        <translation>Auf %1 hat sich etwas geändert, das noch nicht übertragen ist, deshalb wurde die Karte nicht formatiert.</translation>
    </message>
</context>
<context>
    <name>CascadeCopy</name>
    <message>
        <source>The copy of “%1” at “%2” no longer matches what the card gave; copy it from the card again.</source>
        <translation>Die Kopie von „%1“ in „%2“ stimmt nicht mehr mit dem überein, was die Karte geliefert hat; kopieren Sie die Datei erneut von der Karte.</translation>
    </message>
    <message>
        <source>Another file is already at “%1”.</source>
        <translation>Unter „%1“ liegt bereits eine andere Datei.</translation>
    </message>
</context>
<context>
    <name>CascadeQueue</name>
    <message>
        <source>The ASC MHL history in %1 wasn’t written: %2</source>
        <translation>Der ASC MHL-Verlauf in %1 wurde nicht geschrieben: %2</translation>
    </message>
</context>
<context>
    <name>ClipFactsReader</name>
    <message>
        <source>The clip’s index is missing: a camera that lost power while recording leaves clips like this.</source>
        <translation>Der Index des Clips fehlt: So sehen Clips aus, wenn die Kamera während der Aufnahme den Strom verloren hat.</translation>
    </message>
    <message>
        <source>The clip ends before its index says: it was cut off while it was being written.</source>
        <translation>Der Clip endet früher, als sein Index angibt: Er wurde beim Schreiben abgeschnitten.</translation>
    </message>
    <message>
        <source>Most of the clip isn’t in its index: a camera that lost power while recording leaves clips like this.</source>
        <translation>Der größte Teil des Clips fehlt in seinem Index: So sehen Clips aus, wenn die Kamera während der Aufnahme den Strom verloren hat.</translation>
    </message>
</context>
<context>
    <name>ClipsStageContent</name>
    <message>
        <source>This Card Couldn’t Be Read</source>
        <translation>Diese Karte konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Nothing in These Dates</source>
        <translation>Nichts in diesem Zeitraum</translation>
    </message>
    <message>
        <source>The only new file is from another day.</source>
        <translation>Die einzige neue Datei stammt von einem anderen Tag.</translation>
    </message>
    <message>
        <source>Show Any Date</source>
        <translation>Beliebiges Datum zeigen</translation>
    </message>
    <message>
        <source>Only Short Clips</source>
        <translation>Nur kurze Clips</translation>
    </message>
    <message>
        <source>The only new video is shorter than %1.</source>
        <translation>Das einzige neue Video ist kürzer als %1.</translation>
    </message>
    <message>
        <source>All Caught Up</source>
        <translation>Alles erledigt</translation>
    </message>
    <message>
        <source>The new files on this card are types you turned off in Settings.</source>
        <translation>Die neuen Dateien auf dieser Karte sind von Typen, die Sie in den Einstellungen ausgeschaltet haben.</translation>
    </message>
    <message>
        <source>Everything on this card has already been offloaded.</source>
        <translation>Alles auf dieser Karte wurde bereits übertragen.</translation>
    </message>
    <message>
        <source>Copies Missing</source>
        <translation>Kopien fehlen</translation>
    </message>
    <message>
        <source>1 file was offloaded before, but its copy is no longer at the destination.</source>
        <translation>1 Datei wurde schon einmal übertragen, aber ihre Kopie ist nicht mehr im Ziel.</translation>
    </message>
    <message>
        <source>Whatever it couldn’t read isn’t offloaded, and the card won’t count as offloaded until all of it can be read. Check the card and the reader, then insert it again.</source>
        <translation>Was Stowly nicht lesen konnte, ist nicht übertragen, und die Karte gilt erst als übertragen, wenn sie vollständig gelesen werden kann. Prüfen Sie Karte und Kartenleser und stecken Sie die Karte dann erneut ein.</translation>
    </message>
    <message numerus="yes">
        <source>The %n new files are all from other days.</source>
        <translation>
            <numerusform>Die %n neuen Dateien stammen alle von anderen Tagen.</numerusform>
            <numerusform>Die %n neuen Dateien stammen alle von anderen Tagen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n new videos are all shorter than %1.</source>
        <translation>
            <numerusform>Die %n neuen Videos sind alle kürzer als %1.</numerusform>
            <numerusform>Die %n neuen Videos sind alle kürzer als %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were offloaded before, but their copies are no longer at the destination.</source>
        <translation>
            <numerusform>%n Datei wurde schon einmal übertragen, aber ihre Kopie ist nicht mehr im Ziel.</numerusform>
            <numerusform>%n Dateien wurden schon einmal übertragen, aber ihre Kopien sind nicht mehr im Ziel.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--to needs a folder.</source>
        <translation>--to braucht einen Ordner.</translation>
    </message>
    <message>
        <source>--also needs a folder.</source>
        <translation>--also braucht einen Ordner.</translation>
    </message>
    <message>
        <source>--cascade needs a folder.</source>
        <translation>--cascade braucht einen Ordner.</translation>
    </message>
    <message>
        <source>--camera needs the name of one of your cameras.</source>
        <translation>--camera braucht den Namen einer Ihrer Kameras.</translation>
    </message>
    <message>
        <source>--reoffload takes off, missing or everything, not %1.</source>
        <translation>--reoffload akzeptiert off, missing oder everything, nicht %1.</translation>
    </message>
    <message>
        <source>--dates takes any, today, last7days or two dates like 2024-05-01..2024-05-03, not %1.</source>
        <translation>--dates akzeptiert any, today, last7days oder zwei Daten wie 2024-05-01..2024-05-03, nicht %1.</translation>
    </message>
    <message>
        <source>--card needs a card.</source>
        <translation>--card braucht eine Karte.</translation>
    </message>
    <message>
        <source>--preset needs the name of one of your presets.</source>
        <translation>--preset braucht den Namen einer Ihrer Voreinstellungen.</translation>
    </message>
    <message>
        <source>--hook needs a program.</source>
        <translation>--hook braucht ein Programm.</translation>
    </message>
    <message>
        <source>--run needs the id of an offload, or last.</source>
        <translation>--run braucht die ID einer Übertragung oder last.</translation>
    </message>
    <message>
        <source>--day takes today, yesterday or a date like 2024-05-01, not %1.</source>
        <translation>--day akzeptiert today, yesterday oder ein Datum wie 2024-05-01, nicht %1.</translation>
    </message>
    <message>
        <source>--out needs a folder.</source>
        <translation>--out braucht einen Ordner.</translation>
    </message>
    <message>
        <source>Name a command.</source>
        <translation>Geben Sie einen Befehl an.</translation>
    </message>
    <message>
        <source>There’s no command %1.</source>
        <translation>Es gibt keinen Befehl %1.</translation>
    </message>
    <message>
        <source>%1 has no option %2.</source>
        <translation>%1 hat keine Option %2.</translation>
    </message>
    <message>
        <source>--%1 needs a value.</source>
        <translation>--%1 braucht einen Wert.</translation>
    </message>
    <message>
        <source>--%1 takes no value.</source>
        <translation>--%1 akzeptiert keinen Wert.</translation>
    </message>
    <message>
        <source>mount needs a card that isn’t mounted: its device or its name.</source>
        <translation>mount braucht eine nicht eingehängte Karte: ihr Gerät oder ihren Namen.</translation>
    </message>
    <message>
        <source>verify needs a folder with an ASC MHL history.</source>
        <translation>verify braucht einen Ordner mit einem ASC MHL-Verlauf.</translation>
    </message>
    <message>
        <source>%1 needs a card: the mount point of a card, or a folder.</source>
        <translation>%1 braucht eine Karte: den Einhängepunkt einer Karte oder einen Ordner.</translation>
    </message>
    <message>
        <source>%1 doesn’t take %2.</source>
        <translation>%1 akzeptiert %2 nicht.</translation>
    </message>
    <message>
        <source>report covers one of --run, --card, --day or --project, not several.</source>
        <translation>report umfasst genau eines von --run, --card, --day oder --project, nicht mehrere.</translation>
    </message>
    <message>
        <source>format erases everything on the card; add --yes to confirm.</source>
        <translation>format löscht alles auf der Karte; fügen Sie zur Bestätigung --yes hinzu.</translation>
    </message>
    <message>
        <source>Usage:
  stowly-cli cards    [--json]
  stowly-cli scan     CARD [RUN OPTIONS] [--json]
  stowly-cli plan     CARD [RUN OPTIONS] [--json]
  stowly-cli offload  CARD [CARD…] [RUN OPTIONS] [--json]
  stowly-cli history  [--card CARD] [--json]
  stowly-cli forget   CARD
  stowly-cli format   CARD --yes [--discard-short-clips] [--allow-password-prompt]
  stowly-cli eject    CARD [--allow-password-prompt]
  stowly-cli mount    DEVICE|NAME [--allow-password-prompt]
  stowly-cli settings [KEY [VALUE]]
  stowly-cli presets  [show|save|update|delete NAME] [--json]
  stowly-cli rules    [add --match WHAT [RULE OPTIONS] | remove N] [--json]
  stowly-cli station  [--preset NAME] [--eject] [--mount] [--hook PROGRAM] [--json]
  stowly-cli verify   DIR [--json] [--record]
  stowly-cli report   [--run ID|last | --card CARD | --day DATE | --project NAME]
                      [--format pdf,html,csv,json] [--out DIR]

CARD is the mount point of a card that “cards” lists, or any folder.
offload takes several cards at once: those whose copies land on one drive take turns,
the others copy side by side; each gets its summary, the status is the worst.
mount takes a card that “cards” lists as not mounted, by its device or its name.
--allow-password-prompt lets the system ask for your password on the terminal where
erasing, ejecting or mounting needs it; without it Stowly never waits for one.
presets lists your presets; save stores the current settings under NAME, update
gives the preset NAME the current settings.
rules lists the rules that offload inserted cards on their own, in the order they are
tried; WHAT is any, name:PATTERN (like name:A*_CARD), identity:ID or camera:NAME.
RULE OPTIONS are --preset NAME, --project NAME, --ask (show the card, don&apos;t start)
and --eject (eject the card once verified); remove takes the rule&apos;s number.
station offloads every card inserted (and those already in) by the rules, or every
card with --preset (and --project), telling one line per event until it is stopped
(Ctrl-C or SIGTERM). --mount mounts cards nothing mounted (read-only), --eject
ejects each verified card, --hook runs PROGRAM after each card with its JSON on
standard input; --allow-password-prompt as above.
verify reads every file DIR’s ASC MHL history records and reports those missing or
changed and those it doesn’t record; --record adds the result to the history.
report writes the report of one offload (the last one without a choice), of a card&apos;s
whole history, of a day (today, yesterday or 2024-05-01) or of a project&apos;s offloads,
in the forms --format names (pdf,csv when not given), into DIR (the current folder
when not given); a report&apos;s JSON form names each offload&apos;s id.

Run options (this run only; the settings stay as they are):
  --to DIR             copy into DIR
  --also DIR           copy into DIR as well, under the same names (repeatable;
                       replaces the backup destinations of the settings)
  --cascade DIR        as --also, but copied from each file&apos;s proved copy at the
                       destination, so the card is free sooner
  --verify-source      read each file from the card again after its copies are
                       verified
  --mhl                add a generation to the ASC MHL history of every destination
  --project NAME       the project name for the naming templates
  --camera NAME        one of your cameras, by name or code
  --quick-dump         no project: everything into dated folders
  --reoffload off|missing|everything
                       copy files offloaded before again
  --include-short      copy short clips too
  --dates any|today|last7days|FROM..TO
                       only files from these days (FROM and TO like 2024-05-01)

Exit status: 0 done, 1 a file failed or didn’t match its history, Stowly’s history
couldn’t be saved, or a format or eject was refused or failed, 2 usage error, 3 the
offload can’t start (the reason is on standard error), 130 interrupted.
</source>
        <translation>Verwendung:
  stowly-cli cards    [--json]
  stowly-cli scan     CARD [RUN OPTIONS] [--json]
  stowly-cli plan     CARD [RUN OPTIONS] [--json]
  stowly-cli offload  CARD [CARD…] [RUN OPTIONS] [--json]
  stowly-cli history  [--card CARD] [--json]
  stowly-cli forget   CARD
  stowly-cli format   CARD --yes [--discard-short-clips] [--allow-password-prompt]
  stowly-cli eject    CARD [--allow-password-prompt]
  stowly-cli mount    DEVICE|NAME [--allow-password-prompt]
  stowly-cli settings [KEY [VALUE]]
  stowly-cli presets  [show|save|update|delete NAME] [--json]
  stowly-cli rules    [add --match WHAT [RULE OPTIONS] | remove N] [--json]
  stowly-cli station  [--preset NAME] [--eject] [--mount] [--hook PROGRAM] [--json]
  stowly-cli verify   DIR [--json] [--record]
  stowly-cli report   [--run ID|last | --card CARD | --day DATE | --project NAME]
                      [--format pdf,html,csv,json] [--out DIR]

CARD ist der Einhängepunkt einer Karte, die „cards“ auflistet, oder ein beliebiger Ordner.
offload akzeptiert mehrere Karten auf einmal: Karten, deren Kopien auf demselben Laufwerk
landen, kommen nacheinander an die Reihe, die anderen kopieren parallel; jede erhält ihre
eigene Zusammenfassung, der Exit-Status ist der schlechteste davon.
mount akzeptiert eine Karte, die „cards“ als nicht eingehängt auflistet, über ihr Gerät
oder ihren Namen.
--allow-password-prompt lässt das System im Terminal nach Ihrem Passwort fragen, wo
Löschen, Auswerfen oder Einhängen es erfordert; ohne diese Option wartet Stowly nie auf
ein Passwort.
presets listet Ihre Voreinstellungen auf; save speichert die aktuellen Einstellungen unter
NAME, update gibt der Voreinstellung NAME die aktuellen Einstellungen.
rules listet die Regeln, nach denen eingesteckte Karten von selbst übertragen werden, in
der Reihenfolge, in der sie versucht werden; WHAT ist any, name:PATTERN (etwa
name:A*_CARD), identity:ID oder camera:NAME.
RULE OPTIONS sind --preset NAME, --project NAME, --ask (die Karte anzeigen, nicht starten)
und --eject (die Karte auswerfen, sobald sie geprüft ist); remove akzeptiert die Nummer
der Regel.
station überträgt jede eingesteckte Karte (und die bereits eingesteckten) nach den Regeln
oder jede Karte mit --preset (und --project) und meldet jedes Ereignis in einer Zeile, bis
sie beendet wird (Ctrl-C oder SIGTERM). --mount hängt Karten, die noch nichts eingehängt
hat, schreibgeschützt ein, --eject wirft jede geprüfte Karte aus, --hook führt PROGRAM
nach jeder Karte aus, mit deren JSON auf der Standardeingabe; --allow-password-prompt wie
oben.
verify liest jede Datei, die der ASC MHL-Verlauf von DIR verzeichnet, und meldet die
fehlenden oder geänderten sowie die Dateien, die er nicht verzeichnet; --record fügt das
Ergebnis dem Verlauf hinzu.
report schreibt den Bericht einer Übertragung (wenn keine gewählt ist, der letzten), des
gesamten Verlaufs einer Karte, eines Tages (today, yesterday oder 2024-05-01) oder der
Übertragungen eines Projekts, in den Formaten, die --format nennt (ohne Angabe: pdf,csv),
nach DIR (ohne Angabe: der aktuelle Ordner); die JSON-Form eines Berichts nennt die ID
jeder Übertragung.

RUN OPTIONS – nur für diesen Lauf (die Einstellungen bleiben, wie sie sind):
  --to DIR             nach DIR kopieren
  --also DIR           zusätzlich nach DIR kopieren, unter denselben Namen (wiederholbar;
                       ersetzt die Sicherungsziele der Einstellungen)
  --cascade DIR        wie --also, aber von der bestätigten Kopie jeder Datei im Ziel
                       kopiert, sodass die Karte früher frei ist
  --verify-source      jede Datei erneut von der Karte lesen, nachdem ihre Kopien geprüft
                       sind
  --mhl                dem ASC MHL-Verlauf jedes Ziels eine Generation hinzufügen
  --project NAME       der Projektname für die Benennungsvorlagen
  --camera NAME        eine Ihrer Kameras, nach Name oder Kürzel
  --quick-dump         kein Projekt: alles in Ordner mit Datum (Schnellablage)
  --reoffload off|missing|everything
                       bereits übertragene Dateien erneut kopieren
  --include-short      auch kurze Clips kopieren
  --dates any|today|last7days|FROM..TO
                       nur Dateien von diesen Tagen (FROM und TO wie 2024-05-01)

Exit-Status: 0 erledigt, 1 eine Datei ist fehlgeschlagen oder stimmte nicht mit ihrem
Verlauf überein, der Verlauf von Stowly konnte nicht gespeichert werden, oder ein
Formatieren oder Auswerfen wurde abgelehnt oder ist fehlgeschlagen, 2 Verwendungsfehler,
3 die Übertragung kann nicht starten (der Grund steht auf der Standardfehlerausgabe),
130 unterbrochen.
</translation>
    </message>
    <message>
        <source>--station needs a station’s name.</source>
        <translation>--station braucht den Namen einer Station.</translation>
    </message>
    <message>
        <source>history lists one of --card or --station, not both.</source>
        <translation>history listet entweder --card oder --station, nicht beides.</translation>
    </message>
    <message>
        <source>history-server takes status, import or export, not %1.</source>
        <translation>history-server nimmt status, import oder export, nicht %1.</translation>
    </message>
    <message>
        <source>history-server export needs --out FILE, a history file to write.</source>
        <translation>history-server export braucht --out DATEI, die zu schreibende Verlaufsdatei.</translation>
    </message>
    <message>
        <source>A history that several stations share (setting historyServer):
  stowly-cli history  --station NAME [--json]
  stowly-cli history-server status|import [--json]
  stowly-cli history-server export --out FILE [--station NAME]
history names the station of each copy; --station lists one station’s copies.
history-server status tells whether the server answers and what each station
has there; import sends this station’s whole history to the server (copies it
holds already are not stored twice); export writes a station’s copies (this
one’s when not named) into FILE in the form of ledger.json.
</source>
        <translation>Ein Verlauf, den mehrere Stationen teilen (Einstellung historyServer):
  stowly-cli history  --station NAME [--json]
  stowly-cli history-server status|import [--json]
  stowly-cli history-server export --out FILE [--station NAME]
history nennt die Station jeder Kopie; --station listet die Kopien einer Station.
history-server status sagt, ob der Server antwortet und was jede Station dort
hat; import schickt den ganzen Verlauf dieser Station an den Server (Kopien, die
er schon hat, werden nicht doppelt gespeichert); export schreibt die Kopien einer
Station (ohne Namen dieser) im Format von ledger.json in DATEI.
</translation>
    </message>
</context>
<context>
    <name>Copier</name>
    <message>
        <source>Couldn’t open %1 for reading</source>
        <translation>%1 konnte nicht zum Lesen geöffnet werden</translation>
    </message>
    <message>
        <source>Couldn’t read %1</source>
        <translation>%1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Couldn’t verify %1</source>
        <translation>%1 konnte nicht geprüft werden</translation>
    </message>
    <message>
        <source>Couldn’t write %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Couldn’t flush %1 to the disk</source>
        <translation>%1 konnte nicht vollständig auf den Datenträger geschrieben werden</translation>
    </message>
    <message>
        <source>Couldn’t close %1</source>
        <translation>%1 konnte nicht geschlossen werden</translation>
    </message>
    <message>
        <source>Couldn’t read back %1</source>
        <translation>%1 konnte nicht zurückgelesen werden</translation>
    </message>
    <message>
        <source>%1: another file took its place.</source>
        <translation>%1: Eine andere Datei hat ihren Platz eingenommen.</translation>
    </message>
    <message>
        <source>Couldn’t rename %1 to %2</source>
        <translation>%1 konnte nicht in %2 umbenannt werden</translation>
    </message>
    <message>
        <source>Couldn’t flush the folder of %1 to the disk</source>
        <translation>Der Ordner von %1 konnte nicht vollständig auf den Datenträger geschrieben werden</translation>
    </message>
</context>
<context>
    <name>CopierError</name>
    <message>
        <source>the destination is full</source>
        <translation>das Ziel ist voll</translation>
    </message>
    <message>
        <source>the destination is read-only</source>
        <translation>das Ziel ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Stowly isn’t allowed to write to the destination</source>
        <translation>Stowly darf nicht in das Ziel schreiben</translation>
    </message>
    <message>
        <source>%1 already exists — not overwriting it.</source>
        <translation>%1 existiert bereits – wird nicht überschrieben.</translation>
    </message>
    <message>
        <source>Couldn’t create %1 in the destination: %2.</source>
        <translation>%1 konnte im Ziel nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Couldn’t create %1 in the destination.</source>
        <translation>%1 konnte im Ziel nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Checksum mismatch for %1. The copy was deleted.</source>
        <translation>Die Prüfsummen von %1 stimmen nicht überein. Die Kopie wurde gelöscht.</translation>
    </message>
    <message>
        <source>%1 changed while it was being copied.</source>
        <translation>%1 hat sich während des Kopierens geändert.</translation>
    </message>
    <message>
        <source>%1 read differently from the card the second time. The card or its reader may be failing, so the copies were deleted.</source>
        <translation>%1 wurde beim zweiten Mal anders von der Karte gelesen. Karte oder Kartenleser sind möglicherweise defekt, deshalb wurden die Kopien gelöscht.</translation>
    </message>
</context>
<context>
    <name>CopyFailure</name>
    <message>
        <source>The copy of %1 was cancelled.</source>
        <translation>Das Kopieren von %1 wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>CrashReports</name>
    <message>
        <source>Stowly quit unexpectedly last time. Send a crash report?</source>
        <translation>Stowly wurde beim letzten Mal unerwartet beendet. Absturzbericht senden?</translation>
    </message>
    <message>
        <source>This opens a new email to %1 with the crash report and Stowly’s recent log attached. File, card and drive names are left out. You can read it over before sending.</source>
        <translation>Dadurch wird eine neue E-Mail an %1 geöffnet, mit dem Absturzbericht und dem aktuellen Protokoll von Stowly im Anhang. Datei-, Karten- und Laufwerksnamen werden weggelassen. Sie können alles vor dem Senden durchlesen.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Bericht senden</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
</context>
<context>
    <name>DurationFormatting</name>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExamplePaths</name>
    <message>
        <source>Fix the problems above to see an example.</source>
        <translation>Beheben Sie die Probleme oben, um ein Beispiel zu sehen.</translation>
    </message>
</context>
<context>
    <name>FolderLevelsEditor</name>
    <message>
        <source>Drag between folders for a new level, or onto the side of a folder’s name to combine them. Click to add it as the last folder.</source>
        <translation>Ziehen Sie ihn zwischen zwei Ordner für eine neue Ebene oder an den Rand eines Ordnernamens, um beide zu verbinden. Klicken Sie, um ihn als letzten Ordner hinzuzufügen.</translation>
    </message>
</context>
<context>
    <name>FormatAlert</name>
    <message>
        <source>Format</source>
        <translation>Formatieren</translation>
    </message>
    <message>
        <source>Format and Discard 1 Short Clip</source>
        <translation>Formatieren und 1 kurzen Clip verwerfen</translation>
    </message>
    <message numerus="yes">
        <source>Format and Discard %n Short Clips</source>
        <translation>
            <numerusform>Formatieren und %n kurzen Clip verwerfen</numerusform>
            <numerusform>Formatieren und %n kurze Clips verwerfen</numerusform>
        </translation>
    </message>
    <message>
        <source>Erase this card. The skipped short clips weren’t offloaded and will be lost</source>
        <translation>Diese Karte löschen. Die übersprungenen kurzen Clips wurden nicht übertragen und gehen verloren</translation>
    </message>
    <message>
        <source>Erase this card so it’s ready for new footage</source>
        <translation>Diese Karte löschen, damit sie für neue Aufnahmen bereit ist</translation>
    </message>
    <message>
        <source>Available once Stowly can read the whole card and every file on it has a verified copy</source>
        <translation>Verfügbar, sobald Stowly die ganze Karte lesen kann und jede Datei darauf eine geprüfte Kopie hat</translation>
    </message>
    <message>
        <source>Offload the other files first. Include or remove short clips first, or format and discard them</source>
        <translation>Übertragen Sie zuerst die anderen Dateien. Beziehen Sie kurze Clips vorher ein oder entfernen Sie sie – oder formatieren Sie und verwerfen Sie sie dabei</translation>
    </message>
    <message>
        <source>Available once every file on the card has a verified copy</source>
        <translation>Verfügbar, sobald jede Datei auf der Karte eine geprüfte Kopie hat</translation>
    </message>
    <message>
        <source>The 1 other file</source>
        <translation>Stowly hat die einzige andere Datei</translation>
    </message>
    <message>
        <source>The 1 file</source>
        <translation>Stowly hat die einzige Datei</translation>
    </message>
    <message>
        <source> (%1) on this card were copied and verified</source>
        <translation> (%1) auf dieser Karte kopiert und geprüft</translation>
    </message>
    <message>
        <source> to %1</source>
        <translation> – nach %1</translation>
    </message>
    <message>
        <source>.

1 short clip (skipped by “Skip videos shorter than”) has no copy and will be lost</source>
        <translation>.

1 kurzer Clip (übersprungen durch „Videos überspringen, wenn kürzer als“) hat keine Kopie und geht verloren</translation>
    </message>
    <message>
        <source>.

1 ignored item (system files and your ignore list) weren’t copied and will be erased too</source>
        <translation>.

1 ignoriertes Element (Systemdateien und Ihre Ignorierliste) wurde nicht kopiert und wird ebenfalls gelöscht</translation>
    </message>
    <message>
        <source>.

Formatting erases everything on “%1”. This can’t be undone.

Tip: formatting in your camera is usually best, because it sets the card up exactly the way the camera expects.</source>
        <translation>.

Das Formatieren löscht alles auf „%1“. Das lässt sich nicht rückgängig machen.

Tipp: Am besten formatieren Sie meist in Ihrer Kamera, denn dann wird die Karte genau so eingerichtet, wie die Kamera es erwartet.</translation>
    </message>
    <message>
        <source>Format “%1”?</source>
        <translation>„%1“ formatieren?</translation>
    </message>
    <message>
        <source>“%1” wasn’t formatted. %2</source>
        <translation>„%1“ wurde nicht formatiert. %2</translation>
    </message>
    <message>
        <source>Formatting “%1”…</source>
        <translation>„%1“ wird formatiert…</translation>
    </message>
    <message>
        <source>“%1” was formatted and is ready for your camera.</source>
        <translation>„%1“ wurde formatiert und ist bereit für Ihre Kamera.</translation>
    </message>
    <message numerus="yes">
        <source>The other %n files</source>
        <translation>
            <numerusform>Stowly hat die anderen %n Dateien</numerusform>
            <numerusform>Stowly hat die anderen %n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n files</source>
        <translation>
            <numerusform>Stowly hat alle %n Dateien</numerusform>
            <numerusform>Stowly hat alle %n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>.

%n short clips (skipped by “Skip videos shorter than”) have no copy and will be lost</source>
        <translation>
            <numerusform>.

%n kurzer Clip (übersprungen durch „Videos überspringen, wenn kürzer als“) hat keine Kopie und geht verloren</numerusform>
            <numerusform>.

%n kurze Clips (übersprungen durch „Videos überspringen, wenn kürzer als“) haben keine Kopie und gehen verloren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>.

%n ignored items (system files and your ignore list) weren’t copied and will be erased too</source>
        <translation>
            <numerusform>.

%n ignoriertes Element (Systemdateien und Ihre Ignorierliste) wurde nicht kopiert und wird ebenfalls gelöscht</numerusform>
            <numerusform>.

%n ignorierte Elemente (Systemdateien und Ihre Ignorierliste) wurden nicht kopiert und werden ebenfalls gelöscht</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FormatGuard</name>
    <message>
        <source>The card’s location changed. Reinsert it and try again.</source>
        <translation>Der Ort der Karte hat sich geändert. Stecken Sie sie erneut ein und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Stowly only formats memory cards.</source>
        <translation>Stowly formatiert nur Speicherkarten.</translation>
    </message>
    <message>
        <source>This card is mounted in more than one place, so Stowly won’t format it.</source>
        <translation>Diese Karte ist an mehr als einer Stelle eingehängt, deshalb formatiert Stowly sie nicht.</translation>
    </message>
    <message>
        <source>The system gives conflicting answers about this card, so Stowly won’t format it.</source>
        <translation>Das System liefert widersprüchliche Angaben zu dieser Karte, deshalb formatiert Stowly sie nicht.</translation>
    </message>
    <message>
        <source>That’s your startup disk.</source>
        <translation>Das ist Ihr Startlaufwerk.</translation>
    </message>
    <message>
        <source>This drive is part of your %1, so Stowly won’t format it.</source>
        <translation>Dieses Laufwerk gehört zu Ihrem %1, deshalb formatiert Stowly es nicht.</translation>
    </message>
    <message>
        <source>Stowly only formats removable cards.</source>
        <translation>Stowly formatiert nur entnehmbare Karten.</translation>
    </message>
    <message>
        <source>Your destination folder is on this card.</source>
        <translation>Ihr Zielordner liegt auf dieser Karte.</translation>
    </message>
    <message>
        <source>Your destination folder is on the same drive as this card.</source>
        <translation>Ihr Zielordner liegt auf demselben Laufwerk wie diese Karte.</translation>
    </message>
</context>
<context>
    <name>FormatReadiness</name>
    <message>
        <source>1 file not yet offloaded</source>
        <translation>1 Datei noch nicht übertragen</translation>
    </message>
    <message>
        <source>1 copy missing at the destination</source>
        <translation>1 Kopie fehlt im Ziel</translation>
    </message>
    <message>
        <source>1 short clip not offloaded</source>
        <translation>1 kurzer Clip nicht übertragen</translation>
    </message>
    <message numerus="yes">
        <source>%n files not yet offloaded</source>
        <translation>
            <numerusform>%n Datei noch nicht übertragen</numerusform>
            <numerusform>%n Dateien noch nicht übertragen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n copies missing at the destination</source>
        <translation>
            <numerusform>%n Kopie fehlt im Ziel</numerusform>
            <numerusform>%n Kopien fehlen im Ziel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n short clips not offloaded</source>
        <translation>
            <numerusform>%n kurzer Clip nicht übertragen</numerusform>
            <numerusform>%n kurze Clips nicht übertragen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file copied only where another station can check it</source>
        <translation>1 Datei nur dort kopiert, wo eine andere Station sie prüfen kann</translation>
    </message>
    <message numerus="yes">
        <source>%n files copied only where another station can check them</source>
        <translation>
            <numerusform>%n Datei nur dort kopiert, wo eine andere Station sie prüfen kann</numerusform>
            <numerusform>%n Dateien nur dort kopiert, wo eine andere Station sie prüfen kann</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GenerationWriter</name>
    <message>
        <source>“%1” can’t be recorded in the ASC MHL history: the path is recorded twice or leaves the folder.</source>
        <translation>„%1“ kann nicht im ASC MHL-Verlauf verzeichnet werden: Der Pfad ist doppelt verzeichnet oder führt aus dem Ordner heraus.</translation>
    </message>
    <message>
        <source>“%1” can’t be recorded in the ASC MHL history: its XXH3-128 value isn’t one.</source>
        <translation>„%1“ kann nicht im ASC MHL-Verlauf verzeichnet werden: Sein Wert für XXH3-128 ist ungültig.</translation>
    </message>
    <message>
        <source>“%1” can’t be recorded in the ASC MHL history: its %2 value isn’t one.</source>
        <translation>„%1“ kann nicht im ASC MHL-Verlauf verzeichnet werden: Sein Wert für %2 ist ungültig.</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>die Datei hat sich beim Lesen geändert</translation>
    </message>
</context>
<context>
    <name>HistoryJsonReader</name>
    <message>
        <source>the file isn’t valid JSON</source>
        <translation>die Datei ist kein gültiges JSON</translation>
    </message>
    <message>
        <source>the file doesn’t hold a list of entries</source>
        <translation>die Datei enthält keine Liste von Einträgen</translation>
    </message>
    <message>
        <source>entry %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>%1 isn’t an object</source>
        <translation>%1 ist kein Objekt</translation>
    </message>
    <message>
        <source>%1 has a “%2” of the wrong kind</source>
        <translation>%1 hat ein „%2“ vom falschen Typ</translation>
    </message>
    <message>
        <source>%1 has a date in another form</source>
        <translation>%1 hat ein Datum in einem anderen Format</translation>
    </message>
    <message>
        <source>%1 has no “%2”</source>
        <translation>%1 hat kein „%2“</translation>
    </message>
</context>
<context>
    <name>HistoryServerCommand</name>
    <message>
        <source>at %1</source>
        <translation>bei %1</translation>
    </message>
    <message>
        <source>This station has no shared history: name its server in the setting historyServer (stowly-cli settings historyServer &quot;host=… dbname=… user=…&quot;).</source>
        <translation>Diese Station hat keinen geteilten Verlauf: Nenne seinen Server in der Einstellung historyServer (stowly-cli settings historyServer &quot;host=… dbname=… user=…&quot;).</translation>
    </message>
    <message>
        <source>The history server %1 answers; this station is %2.</source>
        <translation>Der Verlaufsserver %1 antwortet; diese Station ist %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n copies</source>
        <translation>
            <numerusform>%n Kopie</numerusform>
            <numerusform>%n Kopien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The history server holds this station’s %n copies; %1 of them were new to it.</source>
        <translation>
            <numerusform>Der Verlaufsserver hat die %n Kopie dieser Station; %1 davon war neu für ihn.</numerusform>
            <numerusform>Der Verlaufsserver hat die %n Kopien dieser Station; %1 davon waren neu für ihn.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is there already; Stowly doesn’t overwrite it.</source>
        <translation>%1 gibt es schon; Stowly überschreibt sie nicht.</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n copies of %1 into %2.</source>
        <translation>
            <numerusform>%n Kopie von %1 in %2 geschrieben.</numerusform>
            <numerusform>%n Kopien von %1 in %2 geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Listed are this station’s own copies.</source>
        <translation>Aufgeführt sind die eigenen Kopien dieser Station.</translation>
    </message>
</context>
<context>
    <name>InlineLevel</name>
    <message>
        <source>Underscore</source>
        <translation>Unterstrich</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>Bindestrich</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ohne</translation>
    </message>
</context>
<context>
    <name>JsonFields</name>
    <message>
        <source>%1 lacks “%2”</source>
        <translation>%1 fehlt „%2“</translation>
    </message>
    <message>
        <source>“%1” of %2 isn’t %3</source>
        <translation>„%1“ von %2 muss %3 sein</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>eine ganze Zahl</translation>
    </message>
    <message>
        <source>a UUID</source>
        <translation>eine UUID</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>%1 isn’t an object</source>
        <translation>%1 ist kein Objekt</translation>
    </message>
</context>
<context>
    <name>LinuxDiskTool</name>
    <message>
        <source>Stowly wasn’t allowed to erase %1.</source>
        <translation>Stowly durfte %1 nicht löschen.</translation>
    </message>
    <message>
        <source>Stowly wasn’t allowed to mount %1.</source>
        <translation>Stowly durfte %1 nicht einhängen.</translation>
    </message>
    <message>
        <source>Stowly wasn’t allowed to unmount it.</source>
        <translation>Stowly durfte den Datenträger nicht aushängen.</translation>
    </message>
    <message>
        <source>%1 was formatted but couldn’t be mounted again. Take it out and put it back in to use it.</source>
        <translation>%1 wurde formatiert, konnte aber nicht wieder eingehängt werden. Nehmen Sie die Karte heraus und stecken Sie sie wieder ein, um sie zu verwenden.</translation>
    </message>
    <message>
        <source>Couldn’t create the folder %1.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Couldn’t mount %1.</source>
        <translation>%1 konnte nicht eingehängt werden.</translation>
    </message>
    <message>
        <source>udisks2 doesn’t know %1.</source>
        <translation>udisks2 kennt %1 nicht.</translation>
    </message>
    <message>
        <source>Stowly couldn’t find %1.</source>
        <translation>Stowly konnte %1 nicht finden.</translation>
    </message>
    <message>
        <source>Stowly only mounts memory cards.</source>
        <translation>Stowly hängt nur Speicherkarten ein.</translation>
    </message>
    <message>
        <source>Couldn’t unmount %1.</source>
        <translation>%1 konnte nicht ausgehängt werden.</translation>
    </message>
    <message>
        <source>udisks2 didn’t answer, so %1 wasn’t erased.</source>
        <translation>udisks2 hat nicht geantwortet, deshalb wurde %1 nicht gelöscht.</translation>
    </message>
    <message>
        <source>Couldn’t unmount %1: %2</source>
        <translation>%1 konnte nicht ausgehängt werden: %2</translation>
    </message>
    <message>
        <source>udisks2 doesn’t know it.</source>
        <translation>udisks2 kennt den Datenträger nicht.</translation>
    </message>
    <message>
        <source>udisks2 couldn’t format %1.</source>
        <translation>udisks2 konnte %1 nicht formatieren.</translation>
    </message>
    <message>
        <source>Couldn’t run %1: %2</source>
        <translation>%1 konnte nicht ausgeführt werden: %2</translation>
    </message>
    <message>
        <source>%1 couldn’t format %2.</source>
        <translation>%1 konnte %2 nicht formatieren.</translation>
    </message>
    <message>
        <source>Stowly couldn’t read the list of disks.</source>
        <translation>Stowly konnte die Liste der Laufwerke nicht lesen.</translation>
    </message>
    <message>
        <source>It isn’t mounted any more.</source>
        <translation>Der Datenträger ist nicht mehr eingehängt.</translation>
    </message>
    <message>
        <source>Stowly couldn’t tell which disk it is on.</source>
        <translation>Stowly konnte nicht feststellen, auf welchem Laufwerk er liegt.</translation>
    </message>
    <message>
        <source>It’s on your startup disk.</source>
        <translation>Er liegt auf Ihrem Startlaufwerk.</translation>
    </message>
    <message>
        <source>udisks2 didn’t answer.</source>
        <translation>udisks2 hat nicht geantwortet.</translation>
    </message>
</context>
<context>
    <name>MailDelivery</name>
    <message>
        <source>No mail program took the report</source>
        <translation>Kein E-Mail-Programm hat den Bericht übernommen</translation>
    </message>
    <message>
        <source>Stowly couldn’t open your mail program or keep the report. To report the problem, write to %1.</source>
        <translation>Stowly konnte weder Ihr E-Mail-Programm öffnen noch den Bericht aufbewahren. Um das Problem zu melden, schreiben Sie an %1.</translation>
    </message>
    <message>
        <source>Stowly couldn’t open your mail program, so the report was kept in “%1”. Please e-mail the files in that folder to %2.</source>
        <translation>Stowly konnte Ihr E-Mail-Programm nicht öffnen, deshalb wurde der Bericht in „%1“ aufbewahrt. Bitte senden Sie die Dateien in diesem Ordner per E-Mail an %2.</translation>
    </message>
    <message>
        <source>No mail program is set up</source>
        <translation>Kein E-Mail-Programm eingerichtet</translation>
    </message>
    <message>
        <source>Write to %1 from any mail program.</source>
        <translation>Schreiben Sie aus einem beliebigen E-Mail-Programm an %1.</translation>
    </message>
    <message>
        <source>No web browser is set up</source>
        <translation>Kein Webbrowser eingerichtet</translation>
    </message>
    <message>
        <source>The page is %1.</source>
        <translation>Die Adresse der Seite lautet %1.</translation>
    </message>
</context>
<context>
    <name>ManifestXml</name>
    <message>
        <source>%1 isn’t a valid ASC MHL manifest (line %2: %3).</source>
        <translation>%1 ist kein gültiges ASC MHL-Manifest (Zeile %2: %3).</translation>
    </message>
    <message>
        <source>unexpected element “%1”</source>
        <translation>unerwartetes Element „%1“</translation>
    </message>
    <message>
        <source>“%1” is no date</source>
        <translation>„%1“ ist kein Datum</translation>
    </message>
    <message>
        <source>creatorinfo lacks its creation date, host name or tool</source>
        <translation>creatorinfo fehlt das Erstellungsdatum, der Hostname oder das Werkzeug</translation>
    </message>
    <message>
        <source>no process “%1”</source>
        <translation>kein Prozess „%1“</translation>
    </message>
    <message>
        <source>processinfo lacks its process</source>
        <translation>processinfo fehlt der Prozess</translation>
    </message>
    <message>
        <source>no action “%1”</source>
        <translation>keine Aktion „%1“</translation>
    </message>
    <message>
        <source>a file’s hash has no action</source>
        <translation>ein Hash einer Datei hat keine Aktion</translation>
    </message>
    <message>
        <source>“%1” is no %2 value</source>
        <translation>„%1“ ist kein gültiger Wert für %2</translation>
    </message>
    <message>
        <source>%1 appears twice</source>
        <translation>%1 kommt doppelt vor</translation>
    </message>
    <message>
        <source>a hash holds no value</source>
        <translation>ein Hash enthält keinen Wert</translation>
    </message>
    <message>
        <source>the %1 path “%2” leaves the folder</source>
        <translation>der Pfad „%2“ (%1) führt aus dem Ordner heraus</translation>
    </message>
    <message>
        <source>“%1” is recorded twice</source>
        <translation>„%1“ ist doppelt verzeichnet</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>a folder hash lacks its path, content or structure</source>
        <translation>einem Ordner-Hash fehlt Pfad, Inhalt oder Struktur</translation>
    </message>
    <message>
        <source>a size is no number</source>
        <translation>eine Größe ist keine Zahl</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>a file is recorded without a hash</source>
        <translation>eine Datei ist ohne Hash verzeichnet</translation>
    </message>
    <message>
        <source>a reference lacks a safe path or its C4 id</source>
        <translation>einem Verweis fehlt ein sicherer Pfad oder seine C4-ID</translation>
    </message>
    <message>
        <source>it is no ASC MHL hashlist</source>
        <translation>es ist keine ASC MHL-Hashliste</translation>
    </message>
    <message>
        <source>it is not of version 2.0</source>
        <translation>es hat nicht die Version 2.0</translation>
    </message>
    <message>
        <source>creatorinfo or processinfo is missing</source>
        <translation>creatorinfo oder processinfo fehlt</translation>
    </message>
</context>
<context>
    <name>MediaFactsText</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>1/%1 s</source>
        <translation>1/%1 s</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>TC %1</source>
        <translation>TC %1</translation>
    </message>
    <message>
        <source>%1 ch</source>
        <translation>%1 Kan.</translation>
    </message>
    <message>
        <source>ISO %1</source>
        <translation>ISO %1</translation>
    </message>
    <message>
        <source>f/%1</source>
        <translation>f/%1</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>This clip may be damaged: %1 The camera that recorded it may be able to repair it, so don’t erase the card before you have tried.</source>
        <translation>Dieser Clip ist möglicherweise beschädigt: %1 Die Kamera, mit der er aufgenommen wurde, kann ihn eventuell reparieren – löschen Sie die Karte also nicht, bevor Sie das versucht haben.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>%1 may be damaged. The camera that recorded it may be able to repair it before the card is erased, never after</source>
        <translation>%1 ist möglicherweise beschädigt. Die Kamera, mit der die Datei aufgenommen wurde, kann sie eventuell reparieren, bevor die Karte gelöscht wird – danach nicht mehr</translation>
    </message>
    <message>
        <source>%1 may be damaged. The camera that recorded them may be able to repair them before the card is erased, never after</source>
        <translation>%1 sind möglicherweise beschädigt. Die Kamera, mit der sie aufgenommen wurden, kann sie eventuell reparieren, bevor die Karte gelöscht wird – danach nicht mehr</translation>
    </message>
</context>
<context>
    <name>MediaTileInfo</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>, from %1</source>
        <translation>, von %1</translation>
    </message>
    <message>
        <source>, %1 long</source>
        <translation>, %1 lang</translation>
    </message>
    <message>
        <source>, with 1 sidecar</source>
        <translation>, mit 1 Begleitdatei</translation>
    </message>
    <message>
        <source>, copying now</source>
        <translation>, wird gerade kopiert</translation>
    </message>
    <message>
        <source>, copied and verified</source>
        <translation>, kopiert und geprüft</translation>
    </message>
    <message>
        <source>, already offloaded</source>
        <translation>, bereits übertragen</translation>
    </message>
    <message>
        <source>, copy missing at the destination</source>
        <translation>, Kopie fehlt im Ziel</translation>
    </message>
    <message>
        <source>, short clip, skipped</source>
        <translation>, kurzer Clip, übersprungen</translation>
    </message>
    <message>
        <source>, short clip included anyway</source>
        <translation>, kurzer Clip, trotzdem einbezogen</translation>
    </message>
    <message>
        <source>, will be re-offloaded</source>
        <translation>, wird erneut übertragen</translation>
    </message>
    <message>
        <source>, may be damaged</source>
        <translation>, möglicherweise beschädigt</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>1 sidecar</source>
        <translation>1 Begleitdatei</translation>
    </message>
    <message>
        <source>Copy missing at the destination</source>
        <translation>Kopie fehlt im Ziel</translation>
    </message>
    <message>
        <source>Will be copied again as a new copy</source>
        <translation>Wird erneut als neue Kopie kopiert</translation>
    </message>
    <message>
        <source>Shorter than the “Skip videos shorter than” limit, included anyway</source>
        <translation>Kürzer als die Grenze „Videos überspringen, wenn kürzer als“, trotzdem einbezogen</translation>
    </message>
    <message>
        <source>Has 1 sidecar file, copied with it</source>
        <translation>Hat 1 Begleitdatei, die mitkopiert wird</translation>
    </message>
    <message numerus="yes">
        <source>, with %n sidecars</source>
        <translation>
            <numerusform>, mit %n Begleitdatei</numerusform>
            <numerusform>, mit %n Begleitdateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sidecars</source>
        <translation>
            <numerusform>%n Begleitdatei</numerusform>
            <numerusform>%n Begleitdateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sidecar files, copied with it</source>
        <translation>
            <numerusform>Hat %n Begleitdatei, die mitkopiert wird</numerusform>
            <numerusform>%n Begleitdateien, die mitkopiert werden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuBarItem</name>
    <message>
        <source>No Cards Connected</source>
        <translation>Keine Karten verbunden</translation>
    </message>
    <message>
        <source>Cards &amp; Drives</source>
        <translation>Karten &amp; Laufwerke</translation>
    </message>
    <message>
        <source>Import from %1…</source>
        <translation>Von %1 importieren…</translation>
    </message>
    <message>
        <source>Resume Detection</source>
        <translation>Erkennung fortsetzen</translation>
    </message>
    <message>
        <source>Pause Detection</source>
        <translation>Erkennung pausieren</translation>
    </message>
    <message>
        <source>Open Stowly</source>
        <translation>Stowly öffnen</translation>
    </message>
    <message>
        <source>Offloading… (imports wait until it’s done)</source>
        <translation>Übertragung läuft… (Importe warten, bis sie fertig ist)</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Quit Stowly</source>
        <translation>Stowly beenden</translation>
    </message>
</context>
<context>
    <name>MhlChain</name>
    <message>
        <source>%1 isn’t a valid ASC MHL chain (line %2: %3).</source>
        <translation>%1 ist keine gültige ASC MHL-Kette (Zeile %2: %3).</translation>
    </message>
    <message>
        <source>unexpected element “%1”</source>
        <translation>unerwartetes Element „%1“</translation>
    </message>
    <message>
        <source>it is no ASC MHL chain</source>
        <translation>es ist keine ASC MHL-Kette</translation>
    </message>
    <message>
        <source>the generations don’t run 1, 2, 3…</source>
        <translation>die Generationen sind nicht fortlaufend nummeriert (1, 2, 3…)</translation>
    </message>
    <message>
        <source>generation %1 lacks its file name or its C4 id</source>
        <translation>Generation %1 fehlt der Dateiname oder die C4-ID</translation>
    </message>
</context>
<context>
    <name>MhlHistory</name>
    <message>
        <source>Couldn’t read %1: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The ASC MHL history in %1 has manifests but no %2.</source>
        <translation>Der ASC MHL-Verlauf in %1 hat Manifeste, aber kein %2.</translation>
    </message>
    <message>
        <source>%1 was changed after it was written: its C4 id isn’t the one %2 holds.</source>
        <translation>%1 wurde nach dem Schreiben geändert: Seine C4-ID ist nicht die, die in %2 steht.</translation>
    </message>
    <message>
        <source>The ASC MHL history in %1 holds %2, which its chain doesn’t list and which isn’t a manifest Stowly can read, so it adds no generation beside it.</source>
        <translation>Der ASC MHL-Verlauf in %1 enthält %2, das weder in seiner Kette aufgeführt ist noch ein Manifest ist, das Stowly lesen kann; deshalb fügt Stowly daneben keine Generation hinzu.</translation>
    </message>
</context>
<context>
    <name>ModelHost</name>
    <message>
        <source>The copies are recorded on this station, and go to the shared history once its server answers.</source>
        <translation>Die Kopien sind auf dieser Station verzeichnet und gehen in den geteilten Verlauf, sobald sein Server antwortet.</translation>
    </message>
</context>
<context>
    <name>NamingPreset</name>
    <message>
        <source>Date / Project</source>
        <translation>Datum / Projekt</translation>
    </message>
    <message>
        <source>Project / Date / Camera</source>
        <translation>Projekt / Datum / Kamera</translation>
    </message>
    <message>
        <source>Project / Type / Date</source>
        <translation>Projekt / Typ / Datum</translation>
    </message>
    <message>
        <source>Year / Month / Day</source>
        <translation>Jahr / Monat / Tag</translation>
    </message>
    <message>
        <source>Date / Project, Original Names</source>
        <translation>Datum / Projekt, Originalnamen</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Flach</translation>
    </message>
</context>
<context>
    <name>NamingTemplate</name>
    <message>
        <source>A “{” is missing its closing “}”.</source>
        <translation>Zu einer „{“ fehlt die schließende „}“.</translation>
    </message>
    <message>
        <source>There’s a “}” without a matching “{”.</source>
        <translation>Es gibt eine „}“ ohne passende „{“.</translation>
    </message>
    <message>
        <source>“/” isn’t allowed in the file name. Use the folder structure for folders.</source>
        <translation>„/“ ist im Dateinamen nicht erlaubt. Verwenden Sie für Ordner die Ordnerstruktur.</translation>
    </message>
    <message>
        <source>“%1” isn’t allowed in file or folder names.</source>
        <translation>„%1“ ist in Datei- und Ordnernamen nicht erlaubt.</translation>
    </message>
    <message>
        <source>Names can’t contain tabs or line breaks.</source>
        <translation>Namen dürfen keine Tabulatoren oder Zeilenumbrüche enthalten.</translation>
    </message>
    <message>
        <source>“{}” is an empty token. Pick one from the list below.</source>
        <translation>„{}“ ist ein leerer Platzhalter. Wählen Sie einen aus der Liste unten.</translation>
    </message>
    <message>
        <source>{%1} isn’t a known token.</source>
        <translation>{%1} ist kein bekannter Platzhalter.</translation>
    </message>
    <message>
        <source>Only {seq} can take a number, like {seq:3}.</source>
        <translation>Nur {seq} kann eine Zahl erhalten, etwa {seq:3}.</translation>
    </message>
    <message>
        <source>{seq:…} needs a number from 1 to 9, like {seq:3}.</source>
        <translation>{seq:…} braucht eine Zahl von 1 bis 9, etwa {seq:3}.</translation>
    </message>
    <message>
        <source>{seq} only works in the file name.</source>
        <translation>{seq} funktioniert nur im Dateinamen.</translation>
    </message>
    <message>
        <source>The file name can’t be empty.</source>
        <translation>Der Dateiname darf nicht leer sein.</translation>
    </message>
    <message>
        <source>A folder level is empty. Check for “//” or a “/” at the start or end.</source>
        <translation>Eine Ordnerebene ist leer. Prüfen Sie auf „//“ oder ein „/“ am Anfang oder Ende.</translation>
    </message>
    <message>
        <source>Use {seq} only once.</source>
        <translation>Verwenden Sie {seq} nur einmal.</translation>
    </message>
    <message>
        <source>Without {seq} or {original}, files that would get the same name get “_2”, “_3”… added.</source>
        <translation>Ohne {seq} oder {original} wird an Dateien, die denselben Namen bekämen, „_2“, „_3“… angehängt.</translation>
    </message>
</context>
<context>
    <name>OffloadBlocker</name>
    <message>
        <source>1 copy is missing at the destination — choose Re-offload</source>
        <translation>1 Kopie fehlt im Ziel – wählen Sie „Erneut übertragen“</translation>
    </message>
    <message>
        <source>Only a short clip is left — choose Include Anyway to offload it</source>
        <translation>Nur ein kurzer Clip ist übrig – wählen Sie „Trotzdem einbeziehen“, um ihn zu übertragen</translation>
    </message>
    <message>
        <source>Only short clips are left — choose Include All Short Clips to offload them</source>
        <translation>Nur kurze Clips sind übrig – wählen Sie „Alle kurzen Clips einbeziehen“, um sie zu übertragen</translation>
    </message>
    <message>
        <source>Nothing new in the chosen dates — choose Any date to see everything</source>
        <translation>Nichts Neues im gewählten Zeitraum – wählen Sie „Beliebiges Datum“, um alles zu sehen</translation>
    </message>
    <message>
        <source>Everything on this card is already offloaded</source>
        <translation>Alles auf dieser Karte ist bereits übertragen</translation>
    </message>
    <message>
        <source>Scanning card…</source>
        <translation>Karte wird durchsucht…</translation>
    </message>
    <message>
        <source>Insert a card to begin</source>
        <translation>Stecken Sie eine Karte ein, um zu beginnen</translation>
    </message>
    <message>
        <source>This card is empty</source>
        <translation>Diese Karte ist leer</translation>
    </message>
    <message>
        <source>Fix the naming template in Settings</source>
        <translation>Korrigieren Sie die Benennungsvorlage in den Einstellungen</translation>
    </message>
    <message>
        <source>Enter a project name</source>
        <translation>Geben Sie einen Projektnamen ein</translation>
    </message>
    <message>
        <source>Choose a camera</source>
        <translation>Wählen Sie eine Kamera</translation>
    </message>
    <message>
        <source>Choose a destination folder</source>
        <translation>Wählen Sie einen Zielordner</translation>
    </message>
    <message>
        <source>The share “%1” on %2 isn’t answering</source>
        <translation>Die Freigabe „%1“ auf %2 antwortet nicht</translation>
    </message>
    <message>
        <source>The destination folder isn’t answering</source>
        <translation>Der Zielordner antwortet nicht</translation>
    </message>
    <message>
        <source>The backup destination %1 isn’t connected — connect it or remove it from the backups</source>
        <translation>Das Sicherungsziel %1 ist nicht verbunden – verbinden Sie es oder entfernen Sie es aus den Sicherungen</translation>
    </message>
    <message>
        <source>The destination folder isn’t connected — choose another</source>
        <translation>Der Zielordner ist nicht verbunden – wählen Sie einen anderen</translation>
    </message>
    <message>
        <source>The backup destination %1 is on this card.</source>
        <translation>Das Sicherungsziel %1 liegt auf dieser Karte.</translation>
    </message>
    <message>
        <source>Your destination folder is on this card.</source>
        <translation>Ihr Zielordner liegt auf dieser Karte.</translation>
    </message>
    <message>
        <source>Not enough space: needs %1, %2 free</source>
        <translation>Nicht genug Platz: %1 nötig, %2 frei</translation>
    </message>
    <message>
        <source>The backup destination %1 is the destination itself — remove it from the backups</source>
        <translation>Das Sicherungsziel %1 ist das Ziel selbst – entfernen Sie es aus den Sicherungen</translation>
    </message>
    <message numerus="yes">
        <source>%n copies are missing at the destination — choose Re-offload</source>
        <translation>
            <numerusform>%n Kopie fehlt im Ziel – wählen Sie „Erneut übertragen“</numerusform>
            <numerusform>%n Kopien fehlen im Ziel – wählen Sie „Erneut übertragen“</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OffloadCommands</name>
    <message>
        <source>There’s no camera named %1. Add your cameras in Stowly’s settings first.</source>
        <translation>Es gibt keine Kamera namens %1. Fügen Sie Ihre Kameras zuerst in den Einstellungen von Stowly hinzu.</translation>
    </message>
    <message>
        <source>There’s no camera named %1. Your cameras: %2.</source>
        <translation>Es gibt keine Kamera namens %1. Ihre Kameras: %2.</translation>
    </message>
    <message>
        <source>Making the backups of “%1” left from its last offload…</source>
        <translation>Die von der letzten Übertragung noch ausstehenden Sicherungen von „%1“ werden erstellt…</translation>
    </message>
    <message>
        <source>%1 is named twice.</source>
        <translation>%1 ist doppelt angegeben.</translation>
    </message>
    <message>
        <source>Stopping… the files being copied are removed, the copies already verified stay recorded.</source>
        <translation>Wird beendet… Die gerade kopierten Dateien werden entfernt, die bereits geprüften Kopien bleiben verzeichnet.</translation>
    </message>
    <message>
        <source>The offload couldn’t start.</source>
        <translation>Die Übertragung konnte nicht starten.</translation>
    </message>
    <message>
        <source>waiting for its turn on the drive.</source>
        <translation>wartet, bis das Laufwerk frei ist.</translation>
    </message>
    <message>
        <source>Stopping… the backups still to be made from the first copies are made the next time Stowly runs.</source>
        <translation>Wird beendet… Die noch ausstehenden Sicherungen von den ersten Kopien werden beim nächsten Start von Stowly erstellt.</translation>
    </message>
    <message>
        <source>Stopping… the file being copied is removed, the copies already verified stay recorded.</source>
        <translation>Wird beendet… Die gerade kopierte Datei wird entfernt, die bereits geprüften Kopien bleiben verzeichnet.</translation>
    </message>
</context>
<context>
    <name>OffloadFormatting</name>
    <message>
        <source>%1 copied</source>
        <translation>%1 kopiert</translation>
    </message>
    <message>
        <source>No new files</source>
        <translation>Keine neuen Dateien</translation>
    </message>
    <message>
        <source>1 new file</source>
        <translation>1 neue Datei</translation>
    </message>
    <message>
        <source> · %1 ignored</source>
        <translation> · %1 ignoriert</translation>
    </message>
    <message>
        <source> · cancelled</source>
        <translation> · abgebrochen</translation>
    </message>
    <message>
        <source> · %1 failed</source>
        <translation> · %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source> · ready to erase</source>
        <translation> · bereit zum Löschen</translation>
    </message>
    <message>
        <source>Couldn’t save the history: %1. The copies are made and verified, but Stowly won’t remember them: the card is not ready to erase.</source>
        <translation>Der Verlauf konnte nicht gespeichert werden: %1. Die Kopien sind erstellt und geprüft, aber Stowly wird sich nicht an sie erinnern: Die Karte ist nicht bereit zum Löschen.</translation>
    </message>
    <message>
        <source>“%1” can be taken out — 1 backup is still being made</source>
        <translation>„%1“ kann entnommen werden – 1 Sicherung wird noch erstellt</translation>
    </message>
    <message>
        <source>1 file left</source>
        <translation>Noch 1 Datei</translation>
    </message>
    <message>
        <source>Backups from the first copy: %1 · %2 of %3</source>
        <translation>Sicherungen von der ersten Kopie: %1 · %2 von %3</translation>
    </message>
    <message>
        <source>Estimating time…</source>
        <translation>Zeit wird geschätzt…</translation>
    </message>
    <message>
        <source>Almost done</source>
        <translation>Fast fertig</translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>Noch weniger als eine Minute</translation>
    </message>
    <message>
        <source>About %1 min left</source>
        <translation>Noch etwa %1 Min.</translation>
    </message>
    <message>
        <source>About %1 hr left</source>
        <translation>Noch etwa %1 Std.</translation>
    </message>
    <message>
        <source>About %1 hr %2 min left</source>
        <translation>Noch etwa %1 Std. %2 Min.</translation>
    </message>
    <message>
        <source>%1 copied · %2 skipped · %3 failed</source>
        <translation>%1 kopiert · %2 übersprungen · %3 fehlgeschlagen</translation>
    </message>
    <message>
        <source> · %1 of %2 copies verified at %3 destinations</source>
        <translation> · %1 von %2 Kopien in %3 Zielen geprüft</translation>
    </message>
    <message>
        <source>Offload Cancelled</source>
        <translation>Übertragung abgebrochen</translation>
    </message>
    <message>
        <source>Finished with Problems</source>
        <translation>Mit Problemen beendet</translation>
    </message>
    <message>
        <source>Offload Complete</source>
        <translation>Übertragung abgeschlossen</translation>
    </message>
    <message>
        <source> — card ejected, safe to remove</source>
        <translation> – Karte ausgeworfen, kann sicher entfernt werden</translation>
    </message>
    <message>
        <source>“%1” was removed before 1 file was copied. Put it back in to copy the rest.</source>
        <translation>„%1“ wurde entfernt, bevor 1 Datei kopiert war. Stecken Sie die Karte wieder ein, um den Rest zu kopieren.</translation>
    </message>
    <message>
        <source>The copies on “%1” could only be read back through a cache; they are not proved against the drive itself.</source>
        <translation>Die Kopien auf „%1“ konnten nur über einen Cache zurückgelesen werden; sie sind nicht gegen das Laufwerk selbst bestätigt.</translation>
    </message>
    <message>
        <source>The program run after the offload failed: %1</source>
        <translation>Das nach der Übertragung ausgeführte Programm ist fehlgeschlagen: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n new files</source>
        <translation>
            <numerusform>%n neue Datei</numerusform>
            <numerusform>%n neue Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” can be taken out — %n backups are still being made</source>
        <translation>
            <numerusform>„%1“ kann entnommen werden – %n Sicherung wird noch erstellt</numerusform>
            <numerusform>„%1“ kann entnommen werden – %n Sicherungen werden noch erstellt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files left</source>
        <translation>
            <numerusform>Noch %n Datei</numerusform>
            <numerusform>Noch %n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” was removed before %n files were copied. Put it back in to copy the rest.</source>
        <translation>
            <numerusform>„%1“ wurde entfernt, bevor %n Datei kopiert war. Stecken Sie die Karte wieder ein, um den Rest zu kopieren.</numerusform>
            <numerusform>„%1“ wurde entfernt, bevor %n Dateien kopiert waren. Stecken Sie die Karte wieder ein, um den Rest zu kopieren.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OffloadManifests</name>
    <message>
        <source>The ASC MHL history in %1 wasn’t written: %2</source>
        <translation>Der ASC MHL-Verlauf in %1 wurde nicht geschrieben: %2</translation>
    </message>
</context>
<context>
    <name>OffloadPreset</name>
    <message>
        <source>No folders</source>
        <translation>Keine Ordner</translation>
    </message>
    <message>
        <source>Quick dump</source>
        <translation>Schnellablage</translation>
    </message>
    <message>
        <source>Skips &lt; %1 s</source>
        <translation>Überspringt &lt; %1 s</translation>
    </message>
    <message>
        <source>Keeps short clips</source>
        <translation>Behält kurze Clips</translation>
    </message>
    <message>
        <source>“shortClipSeconds” of %1 is too large</source>
        <translation>„shortClipSeconds“ von %1 ist zu groß</translation>
    </message>
    <message>
        <source>“fileRules” of %1 lacks one of its three lists</source>
        <translation>„fileRules“ von %1 fehlt eine der drei Listen</translation>
    </message>
</context>
<context>
    <name>OffloadRule</name>
    <message>
        <source>“match” of %1 isn’t one Stowly knows</source>
        <translation>„match“ von %1 ist Stowly nicht bekannt</translation>
    </message>
</context>
<context>
    <name>Offloader</name>
    <message>
        <source>Couldn’t open the destination folder %1</source>
        <translation>Der Zielordner %1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Couldn’t create the folder %1 in the destination: %2.</source>
        <translation>Der Ordner %1 konnte im Ziel nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>The share “%1” on %2 stopped answering. What was being copied there is not recorded; offload the card again once the share is back.</source>
        <translation>Die Freigabe „%1“ auf %2 antwortet nicht mehr. Was dorthin kopiert wurde, ist nicht verzeichnet; übertragen Sie die Karte erneut, sobald die Freigabe wieder erreichbar ist.</translation>
    </message>
</context>
<context>
    <name>OnboardingDrive</name>
    <message>
        <source>Internal</source>
        <translation>Intern</translation>
    </message>
    <message>
        <source>External</source>
        <translation>Extern</translation>
    </message>
</context>
<context>
    <name>OnboardingStarter</name>
    <message>
        <source>Film Shoot</source>
        <translation>Filmdreh</translation>
    </message>
    <message>
        <source>Photo Session</source>
        <translation>Fotoshooting</translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation>Podcast</translation>
    </message>
    <message>
        <source>Daily Archive</source>
        <translation>Tagesarchiv</translation>
    </message>
    <message>
        <source>My Preset</source>
        <translation>Meine Voreinstellung</translation>
    </message>
</context>
<context>
    <name>PresetOperations</name>
    <message>
        <source>New Preset</source>
        <translation>Neue Voreinstellung</translation>
    </message>
</context>
<context>
    <name>PresetsCommand</name>
    <message>
        <source>  Destination:  </source>
        <translation>  Ziel:          </translation>
    </message>
    <message>
        <source>(unchanged)</source>
        <translation>(unverändert)</translation>
    </message>
    <message>
        <source>  Folders:      </source>
        <translation>  Ordner:        </translation>
    </message>
    <message>
        <source>  Files:        </source>
        <translation>  Dateien:       </translation>
    </message>
    <message>
        <source>  Camera:       </source>
        <translation>  Kamera:        </translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>  Short clips:  </source>
        <translation>  Kurze Clips:   </translation>
    </message>
    <message>
        <source>skipped under %1 s</source>
        <translation>unter %1 s übersprungen</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>behalten</translation>
    </message>
    <message>
        <source>  Quick dump:   </source>
        <translation>  Schnellablage: </translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>No presets yet. Save the current settings as one with “stowly-cli presets save NAME”.</source>
        <translation>Noch keine Voreinstellungen. Speichern Sie die aktuellen Einstellungen mit „stowly-cli presets save NAME“ als Voreinstellung.</translation>
    </message>
    <message>
        <source> (in use)</source>
        <translation> (in Verwendung)</translation>
    </message>
    <message>
        <source>presets takes show, save, update or delete, not %1.</source>
        <translation>presets akzeptiert show, save, update oder delete, nicht %1.</translation>
    </message>
    <message>
        <source>presets %1 needs the preset’s name.</source>
        <translation>presets %1 braucht den Namen der Voreinstellung.</translation>
    </message>
    <message>
        <source>Saved the current settings as %1.</source>
        <translation>Die aktuellen Einstellungen wurden als %1 gespeichert.</translation>
    </message>
    <message>
        <source>There’s no preset named %1. Run “stowly-cli presets” to list them.</source>
        <translation>Es gibt keine Voreinstellung namens %1. Führen Sie „stowly-cli presets“ aus, um sie aufzulisten.</translation>
    </message>
    <message>
        <source>%1 now holds the current settings.</source>
        <translation>%1 enthält jetzt die aktuellen Einstellungen.</translation>
    </message>
    <message>
        <source>Rule %1 offloads cards with %2: remove the rule first.</source>
        <translation>Regel %1 überträgt Karten mit %2: Entfernen Sie zuerst die Regel.</translation>
    </message>
    <message>
        <source>Deleted %1.</source>
        <translation>%1 wurde gelöscht.</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The program “%1” wasn’t found.</source>
        <translation>Das Programm „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>It didn’t finish within a second.</source>
        <translation>Es wurde nicht innerhalb einer Sekunde fertig.</translation>
    </message>
    <message>
        <source>It stopped unexpectedly.</source>
        <translation>Es wurde unerwartet beendet.</translation>
    </message>
    <message numerus="yes">
        <source>It didn’t finish within %n seconds.</source>
        <translation>
            <numerusform>Es wurde nicht innerhalb von %n Sekunden fertig.</numerusform>
            <numerusform>Es wurde nicht innerhalb von %n Sekunden fertig.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <source>%1/%2 files · %3 of %4</source>
        <translation>%1/%2 Dateien · %3 von %4</translation>
    </message>
    <message>
        <source>verifying source</source>
        <translation>Quelle wird geprüft</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>wird geprüft</translation>
    </message>
    <message>
        <source>%1: failed</source>
        <translation>%1: fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Stowly</source>
        <translation>Stowly</translation>
    </message>
    <message>
        <source>Stowly quit unexpectedly last time. Send a crash report?</source>
        <translation>Stowly wurde beim letzten Mal unerwartet beendet. Absturzbericht senden?</translation>
    </message>
    <message>
        <source>This opens a new email to %1 with the crash report and Stowly’s recent log attached. File, card and drive names are left out. You can read it over before sending.</source>
        <translation>Dadurch wird eine neue E-Mail an %1 geöffnet, mit dem Absturzbericht und dem aktuellen Protokoll von Stowly im Anhang. Datei-, Karten- und Laufwerksnamen werden weggelassen. Sie können alles vor dem Senden durchlesen.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Bericht senden</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
</context>
<context>
    <name>QueueLines</name>
    <message>
        <source>%1 · %2 of %3 files · %4 of %5 · %6</source>
        <translation>%1 · %2 von %3 Dateien · %4 von %5 · %6</translation>
    </message>
    <message>
        <source>%1 · waiting · %2 · %3</source>
        <translation>%1 · wartet · %2 · %3</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message>
        <source>%1 copying</source>
        <translation>%1 aktiv</translation>
    </message>
    <message>
        <source>%1 waiting</source>
        <translation>%1 wartend</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Waiting for “%1” to finish on %2</source>
        <translation>Wartet, bis „%1“ auf %2 fertig ist</translation>
    </message>
    <message>
        <source>Waiting for its turn</source>
        <translation>Wartet, bis sie an der Reihe ist</translation>
    </message>
    <message>
        <source>Waiting · next in line</source>
        <translation>Wartet · als Nächste dran</translation>
    </message>
    <message>
        <source>Waiting · %1 ahead</source>
        <translation>Wartet · %1 davor</translation>
    </message>
    <message>
        <source>Copying · %1 of %2 files</source>
        <translation>Kopieren · %1 von %2 Dateien</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Quoted</name>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
</context>
<context>
    <name>ReadBack</name>
    <message>
        <source>Read back from the drive around its cache</source>
        <translation>Unter Umgehung des Caches vom Laufwerk zurückgelesen</translation>
    </message>
    <message>
        <source>Read back from the share after the local cache was dropped</source>
        <translation>Nach dem Leeren des lokalen Caches von der Freigabe zurückgelesen</translation>
    </message>
    <message>
        <source>Read back through a cache: the copies could not be read from the drive itself</source>
        <translation>Über einen Cache zurückgelesen: Die Kopien konnten nicht vom Laufwerk selbst gelesen werden</translation>
    </message>
</context>
<context>
    <name>ReoffloadAlert</name>
    <message>
        <source>The 1 file</source>
        <translation>Die einzige Datei</translation>
    </message>
    <message>
        <source>Re-offload everything on “%1”?</source>
        <translation>Alles auf „%1“ erneut übertragen?</translation>
    </message>
    <message>
        <source>%1 will be copied and verified again as new copies, including ones already offloaded. Existing copies are never overwritten: the usual naming rules apply, so new copies get the next sequence number, or “_2” at the end of the name.</source>
        <translation>%1 kopiert und prüft Stowly erneut als neue Kopien, auch bereits übertragene. Vorhandene Kopien werden nie überschrieben: Es gelten die üblichen Benennungsregeln, neue Kopien erhalten also die nächste laufende Nummer oder „_2“ am Ende des Namens.</translation>
    </message>
    <message>
        <source>Re-offload Everything</source>
        <translation>Alles erneut übertragen</translation>
    </message>
    <message>
        <source>the 1 file</source>
        <translation>die einzige Datei</translation>
    </message>
    <message>
        <source>Forget the offload history of “%1”?</source>
        <translation>Übertragungsverlauf von „%1“ vergessen?</translation>
    </message>
    <message>
        <source>Stowly will forget %1 it offloaded from this card%2, so they show as new and are copied again next time. The copies already at the destination aren’t touched.

Until this card is offloaded again, it won’t be ready to format.</source>
        <translation>Stowly vergisst %1, die es von dieser Karte übertragen hat%2, sodass es sie als neu zeigt und beim nächsten Mal erneut kopiert. Die Kopien, die bereits im Ziel liegen, bleiben unberührt.

Bis diese Karte erneut übertragen wurde, ist sie nicht bereit zum Formatieren.</translation>
    </message>
    <message>
        <source>Forget History</source>
        <translation>Verlauf vergessen</translation>
    </message>
    <message>
        <source>Stowly forgot %1 it offloaded from %2%3. The copies already at the destination aren’t touched.</source>
        <translation>Stowly hat %1 vergessen, die es von %2 übertragen hat%3. Die Kopien, die bereits im Ziel liegen, bleiben unberührt.</translation>
    </message>
    <message numerus="yes">
        <source>All %n files</source>
        <translation>
            <numerusform>Alle %n Dateien</numerusform>
            <numerusform>Alle %n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the %n files</source>
        <translation>
            <numerusform>die %n Dateien</numerusform>
            <numerusform>die %n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n copies)</source>
        <translation>
            <numerusform> (%n Kopien)</numerusform>
            <numerusform> (%n Kopien)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportBuilder</name>
    <message>
        <source>Offload of “%1”</source>
        <translation>Übertragung von „%1“</translation>
    </message>
    <message>
        <source>Offload History of “%1”</source>
        <translation>Übertragungsverlauf von „%1“</translation>
    </message>
    <message>
        <source>Offloads of %1</source>
        <translation>Übertragungen vom %1</translation>
    </message>
    <message>
        <source>Offloads for “%1”</source>
        <translation>Übertragungen für „%1“</translation>
    </message>
    <message>
        <source>No offload has the id “%1”.</source>
        <translation>Keine Übertragung hat die ID „%1“.</translation>
    </message>
    <message>
        <source>Stowly has no verified copies from a card named “%1”.</source>
        <translation>Stowly hat keine geprüften Kopien von einer Karte namens „%1“.</translation>
    </message>
    <message>
        <source>Nothing was offloaded on %1.</source>
        <translation>Am %1 wurde nichts übertragen.</translation>
    </message>
    <message>
        <source>No offload was made for the project “%1”.</source>
        <translation>Für das Projekt „%1“ wurde keine Übertragung durchgeführt.</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>Stowly has no offload to report yet.</source>
        <translation>Stowly hat noch keine Übertragung, über die es berichten könnte.</translation>
    </message>
    <message>
        <source>No offload has an id starting with “%1”.</source>
        <translation>Keine Übertragung hat eine ID, die mit „%1“ beginnt.</translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>1 file, %1</source>
        <translation>1 Datei, %1</translation>
    </message>
    <message>
        <source>Read back after a flush</source>
        <translation>Nach dem Schreiben auf den Datenträger zurückgelesen</translation>
    </message>
    <message>
        <source>source read twice</source>
        <translation>Quelle zweimal gelesen</translation>
    </message>
    <message>
        <source>ASC MHL</source>
        <translation>ASC MHL</translation>
    </message>
    <message>
        <source>copied from the first copy</source>
        <translation>von der ersten Kopie kopiert</translation>
    </message>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Bediener</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Stowly</source>
        <translation>Stowly</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source> (cancelled)</source>
        <translation> (abgebrochen)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Datenrate</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lauf</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Verification</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>May be damaged: %1</source>
        <translation>Möglicherweise beschädigt: %1</translation>
    </message>
    <message>
        <source>proved %1</source>
        <translation>bestätigt mit %1</translation>
    </message>
    <message>
        <source>· every copy proved</source>
        <translation>· jede Kopie bestätigt</translation>
    </message>
    <message>
        <source>· finished with problems</source>
        <translation>· mit Problemen beendet</translation>
    </message>
    <message>
        <source>Offloads</source>
        <translation>Übertragungen</translation>
    </message>
    <message>
        <source>Destinations</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Digests</source>
        <translation>Hashwerte</translation>
    </message>
    <message>
        <source>Verified copies</source>
        <translation>Geprüfte Kopien</translation>
    </message>
    <message numerus="yes">
        <source>%n files, %1</source>
        <translation>
            <numerusform>%n Datei, %1</numerusform>
            <numerusform>%n Dateien, %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Couldn’t write the PDF at %1.</source>
        <translation>Das PDF unter %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Made by Stowly. Every copy is proved with SHA-256.</source>
        <translation>Erstellt mit Stowly. Jede Kopie wird mit SHA-256 bestätigt.</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>“%1” isn’t a report format. Use pdf, html, csv or json.</source>
        <translation>„%1“ ist kein Berichtsformat. Verwenden Sie pdf, html, csv oder json.</translation>
    </message>
    <message>
        <source>Name at least one report format: pdf, html, csv or json.</source>
        <translation>Geben Sie mindestens ein Berichtsformat an: pdf, html, csv oder json.</translation>
    </message>
    <message>
        <source>Offload %1 %2</source>
        <translation>Übertragung %1 %2</translation>
    </message>
    <message>
        <source>Offload History %1</source>
        <translation>Übertragungsverlauf %1</translation>
    </message>
    <message>
        <source>Offloads %1</source>
        <translation>Übertragungen %1</translation>
    </message>
    <message>
        <source>Project %1</source>
        <translation>Projekt %1</translation>
    </message>
    <message>
        <source>No room for a temporary file.</source>
        <translation>Kein Platz für eine temporäre Datei.</translation>
    </message>
    <message>
        <source>Couldn’t make the folder %1: %2</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Couldn’t write the report %1: %2</source>
        <translation>Der Bericht %1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>RulesCommand</name>
    <message>
        <source>rules add needs --match: any, name:PATTERN, identity:ID or camera:NAME.</source>
        <translation>rules add braucht --match: any, name:MUSTER, identity:ID oder camera:NAME.</translation>
    </message>
    <message>
        <source>--match takes any, name:PATTERN, identity:ID or camera:NAME, not %1.</source>
        <translation>--match akzeptiert any, name:MUSTER, identity:ID oder camera:NAME, nicht %1.</translation>
    </message>
    <message>
        <source>There’s no camera named %1.</source>
        <translation>Es gibt keine Kamera namens %1.</translation>
    </message>
    <message>
        <source>There’s no preset named %1. Run “stowly-cli presets” to list them.</source>
        <translation>Es gibt keine Voreinstellung namens %1. Führen Sie „stowly-cli presets“ aus, um sie aufzulisten.</translation>
    </message>
    <message>
        <source>No rules yet: inserted cards wait for you. Add one with “stowly-cli rules add --match any --preset NAME”.</source>
        <translation>Noch keine Regeln: Eingesteckte Karten warten auf Sie. Fügen Sie eine mit „stowly-cli rules add --match any --preset NAME“ hinzu.</translation>
    </message>
    <message>
        <source>Added rule %1: </source>
        <translation>Regel %1 hinzugefügt: </translation>
    </message>
    <message>
        <source>There’s no rule %1. Run “stowly-cli rules” to list them.</source>
        <translation>Es gibt keine Regel %1. Führen Sie „stowly-cli rules“ aus, um sie aufzulisten.</translation>
    </message>
    <message>
        <source>Removed the rule </source>
        <translation>Regel entfernt: </translation>
    </message>
    <message>
        <source>rules takes add with its options, or remove with the rule’s number.</source>
        <translation>rules akzeptiert add mit seinen Optionen oder remove mit der Nummer der Regel.</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message>
        <source>The record of an offload couldn’t be read (%1); its report is left out.</source>
        <translation>Die Aufzeichnung einer Übertragung konnte nicht gelesen werden (%1); ihr Bericht wird weggelassen.</translation>
    </message>
</context>
<context>
    <name>ScanFailure</name>
    <message>
        <source>Stowly couldn’t read this card (%1).</source>
        <translation>Stowly konnte diese Karte nicht lesen (%1).</translation>
    </message>
    <message>
        <source>Stowly couldn’t read “%1” on this card (%2).</source>
        <translation>Stowly konnte „%1“ auf dieser Karte nicht lesen (%2).</translation>
    </message>
</context>
<context>
    <name>ServerAddress</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>%1 isn’t of the form keyword=value.</source>
        <translation>%1 hat nicht die Form Schlüsselwort=Wert.</translation>
    </message>
    <message>
        <source>A quoted value has no closing quote.</source>
        <translation>Einem Wert in Anführungszeichen fehlt das schließende.</translation>
    </message>
    <message>
        <source>%1 isn’t a server address.</source>
        <translation>%1 ist keine Serveradresse.</translation>
    </message>
    <message>
        <source>The history server’s password can’t be kept in the settings, where anyone who reads them sees it. Put it in ~/.pgpass, or in a file named by passfile=, or in the desktop’s keyring.</source>
        <translation>Das Passwort des Verlaufsservers kann nicht in den Einstellungen stehen, wo jeder es sieht, der sie liest. Lege es in ~/.pgpass ab, in einer mit passfile= genannten Datei oder im Schlüsselbund des Desktops.</translation>
    </message>
    <message>
        <source>%1 isn’t a port number.</source>
        <translation>%1 ist keine Portnummer.</translation>
    </message>
    <message>
        <source>%1 can’t hold a semicolon.</source>
        <translation>%1 darf kein Semikolon enthalten.</translation>
    </message>
    <message>
        <source>The history server’s address names no host (host=…).</source>
        <translation>Die Adresse des Verlaufsservers nennt keinen Host (host=…).</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>diesem Computer</translation>
    </message>
</context>
<context>
    <name>ServerHistory</name>
    <message>
        <source>Couldn’t reach the history server %1 (%2).</source>
        <translation>Der Verlaufsserver %1 war nicht erreichbar (%2).</translation>
    </message>
    <message>
        <source>Qt’s PostgreSQL driver isn’t installed (Debian’s libqt6sql6-psql).</source>
        <translation>Qts PostgreSQL-Treiber ist nicht installiert (Debians libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>Couldn’t prepare the history server’s tables: %1</source>
        <translation>Die Tabellen des Verlaufsservers ließen sich nicht einrichten: %1</translation>
    </message>
    <message>
        <source>The history server’s tables were made by a newer Stowly (version %1); this one reads version %2. Update Stowly on this station.</source>
        <translation>Die Tabellen des Verlaufsservers stammen von einem neueren Stowly (Version %1); dieses liest Version %2. Aktualisiere Stowly auf dieser Station.</translation>
    </message>
    <message>
        <source>it didn’t answer a moment ago</source>
        <translation>er hat eben nicht geantwortet</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>There’s no setting %1. Run “stowly-cli settings” to list them.</source>
        <translation>Es gibt keine Einstellung %1. Führen Sie „stowly-cli settings“ aus, um sie aufzulisten.</translation>
    </message>
    <message>
        <source>%1 is kept by Stowly itself.</source>
        <translation>%1 wird von Stowly selbst verwaltet.</translation>
    </message>
    <message>
        <source>Couldn’t save the preferences to %1.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>SettingsTable</name>
    <message>
        <source>%1 takes %2.</source>
        <translation>%1 akzeptiert %2.</translation>
    </message>
    <message>
        <source>%1 takes a whole number of %2 from %3 to %4.</source>
        <translation>%1 akzeptiert eine ganze Zahl (%2) von %3 bis %4.</translation>
    </message>
    <message>
        <source>There’s no folder at %1.</source>
        <translation>Unter %1 gibt es keinen Ordner.</translation>
    </message>
    <message>
        <source>%1 takes a JSON array of folders.</source>
        <translation>%1 akzeptiert ein JSON-Array von Ordnern.</translation>
    </message>
    <message>
        <source>%1 takes a JSON array of names.</source>
        <translation>%1 akzeptiert ein JSON-Array von Namen.</translation>
    </message>
    <message>
        <source>“excludedCategories” takes the names video, photo, audio and other, not %1.</source>
        <translation>„excludedCategories“ akzeptiert die Namen video, photo, audio und other, nicht %1.</translation>
    </message>
    <message>
        <source>“dateFilter” takes any, today, last7days, two dates like 2024-05-01..2024-05-03, or its JSON form.</source>
        <translation>„dateFilter“ akzeptiert any, today, last7days, zwei Daten wie 2024-05-01..2024-05-03 oder seine JSON-Form.</translation>
    </message>
    <message>
        <source>“fileRules” takes a JSON object with the lists “proxyExtensions”, “sidecarExtensions” and “ignorePatterns”.</source>
        <translation>„fileRules“ akzeptiert ein JSON-Objekt mit den Listen „proxyExtensions“, „sidecarExtensions“ und „ignorePatterns“.</translation>
    </message>
    <message>
        <source>“ignoredImportCards” takes a JSON array of objects with “identity” and “name”.</source>
        <translation>„ignoredImportCards“ akzeptiert ein JSON-Array von Objekten mit „identity“ und „name“.</translation>
    </message>
    <message>
        <source>xxh128 is always taken; it needn’t be listed.</source>
        <translation>xxh128 wird immer berechnet; es muss nicht aufgeführt werden.</translation>
    </message>
    <message>
        <source>%1 takes the formats %2, not %3.</source>
        <translation>%1 akzeptiert die Formate %2, nicht %3.</translation>
    </message>
    <message>
        <source>The folder the copies go into.</source>
        <translation>Der Ordner, in den die Kopien kommen.</translation>
    </message>
    <message>
        <source>Further folders, usually on other drives, that get a copy too.</source>
        <translation>Weitere Ordner, meist auf anderen Laufwerken, die ebenfalls eine Kopie erhalten.</translation>
    </message>
    <message>
        <source>The backup folders that copy from the first copy once it is proved rather than from the card, so the card is free sooner.</source>
        <translation>Die Sicherungsordner, die von der ersten Kopie kopieren, sobald diese bestätigt ist, statt von der Karte, damit die Karte früher frei ist.</translation>
    </message>
    <message>
        <source>Read each file from the card again after its copies are verified, to catch a failing card or reader.</source>
        <translation>Jede Datei nach dem Prüfen ihrer Kopien erneut von der Karte lesen, um eine defekte Karte oder einen defekten Kartenleser zu erkennen.</translation>
    </message>
    <message>
        <source>Keep an ASC MHL history (xxh128) at the top of every destination.</source>
        <translation>Einen ASC MHL-Verlauf (xxh128) auf der obersten Ebene jedes Ziels führen.</translation>
    </message>
    <message>
        <source>The formats the ASC MHL histories take besides xxh128, from the same read of the card as the copy.</source>
        <translation>Die Formate, die die ASC MHL-Verläufe neben xxh128 berechnen, aus demselben Lesevorgang der Karte wie die Kopie.</translation>
    </message>
    <message>
        <source>Copy to one drive from several cards at once.</source>
        <translation>Von mehreren Karten gleichzeitig auf ein Laufwerk kopieren.</translation>
    </message>
    <message>
        <source>Eject the card when its offload is done.</source>
        <translation>Die Karte auswerfen, wenn ihre Übertragung fertig ist.</translation>
    </message>
    <message>
        <source>A program run after each card&apos;s offload, with the offload as JSON on its standard input; empty for none.</source>
        <translation>Ein Programm, das nach der Übertragung jeder Karte ausgeführt wird, mit der Übertragung als JSON auf seiner Standardeingabe; leer für keines.</translation>
    </message>
    <message>
        <source>The person who offloads, named in every offload&apos;s report.</source>
        <translation>Die Person, die überträgt, genannt im Bericht jeder Übertragung.</translation>
    </message>
    <message>
        <source>Write each offload&apos;s report (PDF and CSV) into every destination, in a folder named Stowly Reports.</source>
        <translation>Den Bericht jeder Übertragung (PDF und CSV) in jedes Ziel schreiben, in einen Ordner namens Stowly Reports.</translation>
    </message>
    <message>
        <source>How the folders the copies go into are named.</source>
        <translation>Wie die Ordner benannt werden, in die die Kopien kommen.</translation>
    </message>
    <message>
        <source>How the copied files are named.</source>
        <translation>Wie die kopierten Dateien benannt werden.</translation>
    </message>
    <message>
        <source>The project of the last offload, offered for the next.</source>
        <translation>Das Projekt der letzten Übertragung, für die nächste vorgeschlagen.</translation>
    </message>
    <message>
        <source>The projects offered again, the most recent first.</source>
        <translation>Die erneut vorgeschlagenen Projekte, das jüngste zuerst.</translation>
    </message>
    <message>
        <source>The kinds of files left on the card.</source>
        <translation>Die Dateiarten, die auf der Karte bleiben.</translation>
    </message>
    <message>
        <source>Play a sound when an offload succeeds.</source>
        <translation>Einen Ton abspielen, wenn eine Übertragung gelingt.</translation>
    </message>
    <message>
        <source>Leave clips shorter than a few seconds behind.</source>
        <translation>Clips, die kürzer als einige Sekunden sind, auf der Karte lassen.</translation>
    </message>
    <message>
        <source>How many seconds a clip must last not to be left behind.</source>
        <translation>Wie viele Sekunden ein Clip mindestens dauern muss, um nicht auf der Karte zu bleiben.</translation>
    </message>
    <message>
        <source>The colours of the windows.</source>
        <translation>Die Farben der Fenster.</translation>
    </message>
    <message>
        <source>Light or dark windows, or as the desktop has them.</source>
        <translation>Helle oder dunkle Fenster oder wie in der Arbeitsumgebung eingestellt.</translation>
    </message>
    <message>
        <source>A card’s files as a list or a grid.</source>
        <translation>Die Dateien einer Karte als Liste oder Raster.</translation>
    </message>
    <message>
        <source>Show thumbnails in the list of files.</source>
        <translation>Vorschaubilder in der Dateiliste zeigen.</translation>
    </message>
    <message>
        <source>Offload without a project in the names.</source>
        <translation>Ohne Projekt in den Namen übertragen.</translation>
    </message>
    <message>
        <source>Which days’ files an offload takes.</source>
        <translation>Die Dateien welcher Tage eine Übertragung übernimmt.</translation>
    </message>
    <message>
        <source>Keep running in the background when the window closes.</source>
        <translation>Im Hintergrund weiterlaufen, wenn das Fenster geschlossen wird.</translation>
    </message>
    <message>
        <source>Ask to offload a card when it is inserted.</source>
        <translation>Beim Einstecken einer Karte fragen, ob sie übertragen werden soll.</translation>
    </message>
    <message>
        <source>Mount cards when they are inserted.</source>
        <translation>Karten beim Einstecken einhängen.</translation>
    </message>
    <message>
        <source>Show Stowly’s icon while it runs in the background.</source>
        <translation>Das Symbol von Stowly zeigen, während es im Hintergrund läuft.</translation>
    </message>
    <message>
        <source>Ask to offload in a notification or a panel.</source>
        <translation>Per Benachrichtigung oder in einem schwebenden Fenster fragen, ob übertragen werden soll.</translation>
    </message>
    <message>
        <source>The cards Stowly no longer asks to offload.</source>
        <translation>Die Karten, bei denen Stowly nicht mehr nach einer Übertragung fragt.</translation>
    </message>
    <message>
        <source>Which files are proxies or sidecars, and which are ignored.</source>
        <translation>Welche Dateien Proxys oder Begleitdateien sind und welche ignoriert werden.</translation>
    </message>
    <message>
        <source>Whether the one destination of older versions is now among the favourites.</source>
        <translation>Ob das einzelne Ziel älterer Versionen jetzt zu den Favoriten gehört.</translation>
    </message>
    <message>
        <source>The tab the settings window shows.</source>
        <translation>Der Tab, den das Einstellungsfenster zeigt.</translation>
    </message>
    <message>
        <source>The language Stowly speaks, or “system” for the desktop’s; it takes effect when Stowly next starts.</source>
        <translation>Die Sprache, die Stowly spricht, oder „system“ für die des Desktops; sie gilt ab dem nächsten Start von Stowly.</translation>
    </message>
    <message>
        <source>A PostgreSQL server that keeps one history of verified copies for several stations, in libpq’s form; empty to keep the history on this computer only. The password comes from ~/.pgpass, a passfile=, or the desktop’s keyring.</source>
        <translation>Ein PostgreSQL-Server, der einen Verlauf geprüfter Kopien für mehrere Stationen führt, in libpq-Form; leer, um den Verlauf nur auf diesem Computer zu führen. Das Passwort kommt aus ~/.pgpass, einem passfile= oder dem Schlüsselbund des Desktops.</translation>
    </message>
    <message>
        <source>This station’s name in the shared history; empty for the computer’s host name.</source>
        <translation>Der Name dieser Station im geteilten Verlauf; leer für den Hostnamen des Computers.</translation>
    </message>
    <message>
        <source>Trust copies verified by other stations: a card may be erased when its copies are where only another station can check them.</source>
        <translation>Von anderen Stationen geprüften Kopien vertrauen: Eine Karte darf gelöscht werden, wenn ihre Kopien dort liegen, wo nur eine andere Station sie prüfen kann.</translation>
    </message>
</context>
<context>
    <name>SpaceInfo</name>
    <message>
        <source>%1 available</source>
        <translation>%1 verfügbar</translation>
    </message>
    <message>
        <source>Free space unknown</source>
        <translation>Freier Speicher unbekannt</translation>
    </message>
    <message>
        <source>needs %1</source>
        <translation>benötigt %1</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 Byte</translation>
    </message>
</context>
<context>
    <name>StageState</name>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
</context>
<context>
    <name>StageTexts</name>
    <message>
        <source>Insert an SD Card</source>
        <translation>SD-Karte einstecken</translation>
    </message>
    <message>
        <source>Stowly fills in the rest as soon as a card is mounted.</source>
        <translation>Stowly füllt den Rest aus, sobald eine Karte eingehängt ist.</translation>
    </message>
    <message>
        <source>Ignored items (system files and your ignore list in Settings ▸ Files) aren’t copied and don’t stop the card being ready to format.</source>
        <translation>Ignorierte Elemente (Systemdateien und Ihre Ignorierliste unter Einstellungen ▸ Dateien) werden nicht kopiert und verhindern nicht, dass die Karte bereit zum Formatieren ist.</translation>
    </message>
    <message>
        <source>Card actions</source>
        <translation>Kartenaktionen</translation>
    </message>
    <message>
        <source>Eject Card</source>
        <translation>Karte auswerfen</translation>
    </message>
    <message>
        <source>Forget This Card’s History…</source>
        <translation>Verlauf dieser Karte vergessen…</translation>
    </message>
    <message>
        <source>Every file on this card has a verified copy at the destination.</source>
        <translation>Jede Datei auf dieser Karte hat eine geprüfte Kopie im Ziel.</translation>
    </message>
    <message>
        <source>Reading the offload history…</source>
        <translation>Übertragungsverlauf wird gelesen…</translation>
    </message>
    <message>
        <source>Media appears here once a card is inserted.</source>
        <translation>Medien erscheinen hier, sobald eine Karte eingesteckt ist.</translation>
    </message>
    <message>
        <source>Looking for media…</source>
        <translation>Medien werden gesucht…</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Used in file and folder names when the naming template includes it</source>
        <translation>Wird in Datei- und Ordnernamen verwendet, wenn die Benennungsvorlage es enthält</translation>
    </message>
    <message>
        <source>Clear the project name</source>
        <translation>Projektnamen löschen</translation>
    </message>
    <message>
        <source>Recent projects</source>
        <translation>Letzte Projekte</translation>
    </message>
    <message>
        <source>Clear Recent Projects</source>
        <translation>Letzte Projekte löschen</translation>
    </message>
    <message>
        <source>Not needed for a quick dump</source>
        <translation>Für eine Schnellablage nicht nötig</translation>
    </message>
    <message>
        <source>Optional, not in the template</source>
        <translation>Optional, nicht in der Vorlage</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>The camera these files came from. Fills the {camera} token.</source>
        <translation>Die Kamera, von der diese Dateien stammen. Füllt den Platzhalter {camera}.</translation>
    </message>
    <message>
        <source>Choose a camera…</source>
        <translation>Kamera wählen…</translation>
    </message>
    <message>
        <source>Quick dump</source>
        <translation>Schnellablage</translation>
    </message>
    <message>
        <source>Skips the project name and dumps all the footage straight into a dated folder.</source>
        <translation>Lässt den Projektnamen weg und legt alle Aufnahmen direkt in einem Ordner mit Datum ab.</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Copies only files from these days, by the date each file was created (or last changed, if the card doesn’t record that). Sidecars and proxies go with their clip. Everything else stays on the card.</source>
        <translation>Kopiert nur Dateien von diesen Tagen, nach dem Erstellungsdatum jeder Datei (oder dem Datum der letzten Änderung, wenn die Karte es nicht speichert). Begleitdateien und Proxys folgen ihrem Clip. Alles andere bleibt auf der Karte.</translation>
    </message>
    <message>
        <source>Switch between the files to copy, files offloaded before and skipped short clips</source>
        <translation>Zwischen zu kopierenden Dateien, bereits übertragenen Dateien und übersprungenen kurzen Clips wechseln</translation>
    </message>
    <message>
        <source>Name Preview</source>
        <translation>Namensvorschau</translation>
    </message>
    <message>
        <source>Already Offloaded (%1)</source>
        <translation>Bereits übertragen (%1)</translation>
    </message>
    <message>
        <source>Short Clips Skipped (%1)</source>
        <translation>Kurze Clips übersprungen (%1)</translation>
    </message>
    <message>
        <source>These files were offloaded before, but their copies are gone or changed size. They aren’t copied again unless you choose Re-offload.</source>
        <translation>Diese Dateien wurden schon einmal übertragen, aber ihre Kopien sind verschwunden oder haben ihre Größe geändert. Sie werden nur erneut kopiert, wenn Sie „Erneut übertragen“ wählen.</translation>
    </message>
    <message>
        <source>Videos shorter than %1 stay on the card with their sidecars. Change this in Settings ▸ General.</source>
        <translation>Videos, die kürzer als %1 sind, bleiben mit ihren Begleitdateien auf der Karte. Ändern Sie das unter Einstellungen ▸ Allgemein.</translation>
    </message>
    <message>
        <source>These new files are from other days, so they stay on the card. Choose Any date under Dates to copy them too.</source>
        <translation>Diese neuen Dateien stammen von anderen Tagen und bleiben deshalb auf der Karte. Wählen Sie unter „Zeitraum“ die Option „Beliebiges Datum“, um sie ebenfalls zu kopieren.</translation>
    </message>
    <message>
        <source>Re-offload</source>
        <translation>Erneut übertragen</translation>
    </message>
    <message>
        <source>Copy files again that were offloaded before. New copies never overwrite old ones.</source>
        <translation>Bereits übertragene Dateien erneut kopieren. Neue Kopien überschreiben nie alte.</translation>
    </message>
    <message>
        <source>Re-offload Missing Copies</source>
        <translation>Fehlende Kopien erneut übertragen</translation>
    </message>
    <message>
        <source>Re-offload Everything on This Card…</source>
        <translation>Alles auf dieser Karte erneut übertragen…</translation>
    </message>
    <message>
        <source>Don’t Re-offload</source>
        <translation>Nicht erneut übertragen</translation>
    </message>
    <message>
        <source>Re-offload This File</source>
        <translation>Diese Datei erneut übertragen</translation>
    </message>
    <message>
        <source>Don’t Re-offload This File</source>
        <translation>Diese Datei nicht erneut übertragen</translation>
    </message>
    <message>
        <source>Show Copy in %1</source>
        <translation>Kopie im %1 zeigen</translation>
    </message>
    <message>
        <source>Skip This Short Clip</source>
        <translation>Diesen kurzen Clip überspringen</translation>
    </message>
    <message>
        <source>Offload this clip anyway</source>
        <translation>Diesen Clip trotzdem übertragen</translation>
    </message>
    <message>
        <source>Include All Short Clips</source>
        <translation>Alle kurzen Clips einbeziehen</translation>
    </message>
    <message>
        <source>Offload every short clip on this card</source>
        <translation>Jeden kurzen Clip auf dieser Karte übertragen</translation>
    </message>
    <message>
        <source>Press Space to preview the selected file%1</source>
        <translation>Drücken Sie die Leertaste, um die ausgewählte Datei in der Vorschau zu sehen%1</translation>
    </message>
    <message>
        <source>Choose the folder your media is copied into, or drop one here from %1.</source>
        <translation>Wählen Sie den Ordner, in den Ihre Medien kopiert werden, oder ziehen Sie einen aus %1 hierher.</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Ordner wählen…</translation>
    </message>
    <message>
        <source>Drop a folder from %1 here to copy into it</source>
        <translation>Ziehen Sie einen Ordner aus %1 hierher, um in ihn zu kopieren</translation>
    </message>
    <message>
        <source>Show the destination folder in %1</source>
        <translation>Den Zielordner in %1 zeigen</translation>
    </message>
    <message>
        <source>Choose a folder that isn’t one of your favorites</source>
        <translation>Einen Ordner wählen, der nicht zu Ihren Favoriten gehört</translation>
    </message>
    <message>
        <source>Choose where files are copied</source>
        <translation>Wählen, wohin Dateien kopiert werden</translation>
    </message>
    <message>
        <source>Choose Other Folder…</source>
        <translation>Anderen Ordner wählen…</translation>
    </message>
    <message>
        <source>Edit Favorites…</source>
        <translation>Favoriten bearbeiten…</translation>
    </message>
    <message>
        <source>Add “%1” to Favorites</source>
        <translation>„%1“ zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>%1 isn’t connected</source>
        <translation>%1 ist nicht verbunden</translation>
    </message>
    <message>
        <source>Offload</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Offload 1 File</source>
        <translation>1 Datei übertragen</translation>
    </message>
    <message numerus="yes">
        <source>Offload %n Files</source>
        <translation>
            <numerusform>%n Datei übertragen</numerusform>
            <numerusform>%n Dateien übertragen</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy and verify the new files</source>
        <translation>Die neuen Dateien kopieren und prüfen</translation>
    </message>
    <message>
        <source>Ready. Every file is verified with SHA-256 after copying.</source>
        <translation>Bereit. Jede Datei wird nach dem Kopieren mit SHA-256 geprüft.</translation>
    </message>
    <message>
        <source>Offload progress</source>
        <translation>Übertragungsfortschritt</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Wird geprüft</translation>
    </message>
    <message>
        <source>Verifying source</source>
        <translation>Quelle wird geprüft</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Files you offload will be listed here.</source>
        <translation>Dateien, die Sie übertragen, werden hier aufgeführt.</translation>
    </message>
    <message>
        <source>Remove from the history. The copy itself isn’t touched; the file shows as new on its card again.</source>
        <translation>Aus dem Verlauf entfernen. Die Kopie selbst bleibt unberührt; die Datei erscheint auf ihrer Karte wieder als neu.</translation>
    </message>
</context>
<context>
    <name>StationCommand</name>
    <message>
        <source>There’s no preset named %1. Run “stowly-cli presets” to list them.</source>
        <translation>Es gibt keine Voreinstellung namens %1. Führen Sie „stowly-cli presets“ aus, um sie aufzulisten.</translation>
    </message>
    <message>
        <source>There are no rules to offload cards by. Add one with “stowly-cli rules add”, or give every card one preset with --preset.</source>
        <translation>Es gibt keine Regeln, nach denen Karten übertragen werden. Fügen Sie eine mit „stowly-cli rules add“ hinzu oder geben Sie mit --preset eine Voreinstellung für alle Karten an.</translation>
    </message>
    <message>
        <source>%1 inserted at %2.</source>
        <translation>%1 eingesteckt (%2).</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 entfernt.</translation>
    </message>
    <message>
        <source>%1 left alone: %2</source>
        <translation>%1 bleibt unberührt: %2</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 fehlgeschlagen: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: copying %n files (%2).</source>
        <translation>
            <numerusform>%1: %n Datei wird kopiert (%2).</numerusform>
            <numerusform>%1: %n Dateien werden kopiert (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 queued: waiting for its turn on the drive.</source>
        <translation>%1 in der Warteschlange: wartet, bis das Laufwerk frei ist.</translation>
    </message>
    <message>
        <source>%1 queued.</source>
        <translation>%1 in der Warteschlange.</translation>
    </message>
    <message>
        <source>%1: the backups from the first copies are made.</source>
        <translation>%1: Die Sicherungen von den ersten Kopien sind erstellt.</translation>
    </message>
    <message>
        <source>%1 couldn’t be ejected: %2</source>
        <translation>%1 konnte nicht ausgeworfen werden: %2</translation>
    </message>
    <message>
        <source>%1 ejected; it can be taken out.</source>
        <translation>%1 ausgeworfen; die Karte kann entnommen werden.</translation>
    </message>
    <message>
        <source>Watching for cards; each is offloaded with the preset %1.</source>
        <translation>Stowly wartet auf Karten; jede wird mit der Voreinstellung %1 übertragen.</translation>
    </message>
    <message numerus="yes">
        <source>Watching for cards; each is offloaded by the first of %n rule(s) it matches.</source>
        <translation>
            <numerusform>Stowly wartet auf Karten; jede wird nach %n Regel übertragen, wenn sie zutrifft.</numerusform>
            <numerusform>Stowly wartet auf Karten; jede wird nach der ersten von %n Regeln übertragen, die auf sie zutrifft.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping… the files being copied are removed, the copies already verified stay recorded.</source>
        <translation>Wird beendet… Die gerade kopierten Dateien werden entfernt, die bereits geprüften Kopien bleiben verzeichnet.</translation>
    </message>
    <message>
        <source>The backups still to be made from the first copies are made the next time Stowly runs.</source>
        <translation>Die noch ausstehenden Sicherungen von den ersten Kopien werden beim nächsten Start von Stowly erstellt.</translation>
    </message>
    <message>
        <source>Station stopped: %1 offloaded, %2 failed.</source>
        <translation>Station beendet: %1 übertragen, %2 fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>StoreFile</name>
    <message>
        <source>the file isn’t valid JSON (%1 at byte %2)</source>
        <translation>die Datei ist kein gültiges JSON (%1 bei Byte %2)</translation>
    </message>
    <message>
        <source>the file doesn’t hold a JSON object</source>
        <translation>die Datei enthält kein JSON-Objekt</translation>
    </message>
    <message>
        <source>%1. The old file was kept as %2.</source>
        <translation>%1. Die alte Datei wurde als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>%1. It couldn’t be set aside (%2), so Stowly won’t save over it.</source>
        <translation>%1. Sie konnte nicht beiseitegelegt werden (%2), deshalb speichert Stowly nicht darüber.</translation>
    </message>
</context>
<context>
    <name>TextOutput</name>
    <message>
        <source>%1 (%2):</source>
        <translation>%1 (%2):</translation>
    </message>
    <message>
        <source>%1 at %2 (identity %3)</source>
        <translation>%1 unter %2 (Kennung %3)</translation>
    </message>
    <message>
        <source>%1 on %2, not mounted</source>
        <translation>%1 auf %2, nicht eingehängt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Offloaded before</source>
        <translation>Schon einmal übertragen</translation>
    </message>
    <message>
        <source>Copy missing at the destination</source>
        <translation>Kopie fehlt im Ziel</translation>
    </message>
    <message>
        <source>Ignored (%1):</source>
        <translation>Ignoriert (%1):</translation>
    </message>
    <message>
        <source>To copy: %1</source>
        <translation>Zu kopieren: %1</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message>
        <source>1 short clip left on the card</source>
        <translation>1 kurzer Clip bleibt auf der Karte</translation>
    </message>
    <message>
        <source>1 file from other days</source>
        <translation>1 Datei von anderen Tagen</translation>
    </message>
    <message>
        <source>%1 already offloaded</source>
        <translation>%1 bereits übertragen</translation>
    </message>
    <message>
        <source>1 copy missing, not copied again</source>
        <translation>1 Kopie fehlt, wird nicht erneut kopiert</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Ausgelassen: %1</translation>
    </message>
    <message>
        <source>May be damaged: %1: %2</source>
        <translation>Möglicherweise beschädigt: %1: %2</translation>
    </message>
    <message>
        <source>Ready. Every file is verified with SHA-256 after copying.</source>
        <translation>Bereit. Jede Datei wird nach dem Kopieren mit SHA-256 geprüft.</translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation>Nach %1</translation>
    </message>
    <message>
        <source>(with %1)</source>
        <translation>(mit %1)</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n short clips left on the card</source>
        <translation>
            <numerusform>%n kurzer Clip bleibt auf der Karte</numerusform>
            <numerusform>%n kurze Clips bleiben auf der Karte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files from other days</source>
        <translation>
            <numerusform>%n Datei von anderen Tagen</numerusform>
            <numerusform>%n Dateien von anderen Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n copies missing, not copied again</source>
        <translation>
            <numerusform>%n Kopie fehlt, wird nicht erneut kopiert</numerusform>
            <numerusform>%n Kopien fehlen, werden nicht erneut kopiert</numerusform>
        </translation>
    </message>
    <message>
        <source>video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>1 file offloaded by another station to a place this one can’t see</source>
        <translation>1 Datei von einer anderen Station an einen Ort gesichert, den diese nicht sieht</translation>
    </message>
    <message numerus="yes">
        <source>%n files offloaded by another station to places this one can’t see</source>
        <translation>
            <numerusform>%n Datei von einer anderen Station an einen Ort gesichert, den diese nicht sieht</numerusform>
            <numerusform>%n Dateien von einer anderen Station an Orte gesichert, die diese nicht sieht</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>Same as the desktop</source>
        <translation>Wie der Desktop</translation>
    </message>
    <message>
        <source>Layout check (lengthened texts)</source>
        <translation>Layoutprüfung (verlängerte Texte)</translation>
    </message>
</context>
<context>
    <name>VerifyCommand</name>
    <message>
        <source>Missing: %1</source>
        <translation>Fehlt: %1</translation>
    </message>
    <message>
        <source>Changed: %1 is %2 bytes; the history says %3.</source>
        <translation>Geändert: %1 hat %2 Byte; laut Verlauf %3.</translation>
    </message>
    <message>
        <source>Changed: %1 doesn’t match its %2 in the history.</source>
        <translation>Geändert: %1 stimmt nicht mit dem Wert für %2 im Verlauf überein.</translation>
    </message>
    <message>
        <source>Unreadable: %1: %2</source>
        <translation>Nicht lesbar: %1: %2</translation>
    </message>
    <message>
        <source>Not in the history: %1</source>
        <translation>Nicht im Verlauf: %1</translation>
    </message>
    <message>
        <source>%1 of %2 recorded files match; %3 missing, %4 changed, %5 unreadable, %6 not in the history.</source>
        <translation>%1 von %2 verzeichneten Dateien stimmen überein; %3 fehlen, %4 geändert, %5 nicht lesbar, %6 nicht im Verlauf.</translation>
    </message>
    <message>
        <source>There’s no folder %1.</source>
        <translation>Es gibt keinen Ordner %1.</translation>
    </message>
    <message>
        <source>%1 has no ASC MHL history (no “ascmhl” folder).</source>
        <translation>%1 hat keinen ASC MHL-Verlauf (kein Ordner „ascmhl“).</translation>
    </message>
    <message>
        <source>The ASC MHL history of %1 is empty.</source>
        <translation>Der ASC MHL-Verlauf von %1 ist leer.</translation>
    </message>
    <message>
        <source>Couldn’t add the result to the history: %1</source>
        <translation>Das Ergebnis konnte nicht zum Verlauf hinzugefügt werden: %1</translation>
    </message>
    <message>
        <source>Recorded as %1.</source>
        <translation>Verzeichnet als %1.</translation>
    </message>
    <message numerus="yes">
        <source>All %n recorded files match.</source>
        <translation>
            <numerusform>Alle %n verzeichneten Dateien stimmen überein.</numerusform>
            <numerusform>Alle %n verzeichneten Dateien stimmen überein.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VolumeInfo</name>
    <message>
        <source>This drive is read-only, so Stowly can’t write to it — choose another</source>
        <translation>Dieses Laufwerk ist schreibgeschützt, deshalb kann Stowly nicht darauf schreiben – wählen Sie ein anderes</translation>
    </message>
    <message>
        <source>This drive is read-only (NTFS). %1 can’t write to it.</source>
        <translation>Dieses Laufwerk ist schreibgeschützt (NTFS). %1 kann nicht darauf schreiben.</translation>
    </message>
    <message>
        <source>This drive is read-only (%1), so Stowly can’t write to it — choose another</source>
        <translation>Dieses Laufwerk ist schreibgeschützt (%1), deshalb kann Stowly nicht darauf schreiben – wählen Sie ein anderes</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Run “stowly-cli --help” for the usage.</source>
        <translation>Führen Sie „stowly-cli --help“ aus, um die Verwendung zu sehen.</translation>
    </message>
</context>
<context>
    <name>platformWords</name>
    <message>
        <source>computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Unknown computer</source>
        <translation>Unbekannter Computer</translation>
    </message>
    <message>
        <source>Unknown chip</source>
        <translation>Unbekannter Chip</translation>
    </message>
    <message>
        <source>(The crash report couldn’t be attached. It’s in the folder %1.)</source>
        <translation>(Der Absturzbericht konnte nicht angehängt werden. Er liegt im Ordner %1.)</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>dem Dateimanager</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Dateimanager</translation>
    </message>
    <message>
        <source>If you don’t see a prompt when you plug in a card (for example while Do Not Disturb is on), switch to Floating panel. The desktop keeps notifications quiet during Do Not Disturb; the floating panel always shows.</source>
        <translation>Wenn beim Einstecken einer Karte keine Abfrage erscheint (etwa bei aktiviertem „Nicht stören“), wechseln Sie zu „Schwebendes Fenster“. Die Arbeitsumgebung hält Benachrichtigungen während „Nicht stören“ zurück; das schwebende Fenster erscheint immer.</translation>
    </message>
    <message>
        <source>system tray</source>
        <translation>Infobereich</translation>
    </message>
    <message>
        <source>System Tray</source>
        <translation>Infobereich</translation>
    </message>
    <message>
        <source>With the icon hidden, Stowly keeps running in the background and still asks to import. Open Stowly from the file manager or the application launcher to show its window, and quit it from there with Ctrl+Q.</source>
        <translation>Mit ausgeblendetem Symbol läuft Stowly im Hintergrund weiter und fragt weiterhin nach dem Import. Öffnen Sie Stowly über den Dateimanager oder den Anwendungsstarter, um sein Fenster zu zeigen, und beenden Sie es dort mit Strg+Q.</translation>
    </message>
    <message>
        <source>Allow Stowly in your desktop’s settings for startup applications.</source>
        <translation>Erlauben Sie Stowly in den Einstellungen Ihrer Arbeitsumgebung für Autostart-Anwendungen.</translation>
    </message>
    <message>
        <source>Stowly is updated by your system’s package manager, together with the rest of your software, so these settings have no effect here.</source>
        <translation>Stowly wird von der Paketverwaltung Ihres Systems zusammen mit Ihrer übrigen Software aktualisiert, daher haben diese Einstellungen hier keine Wirkung.</translation>
    </message>
</context>
<context>
    <name>stowly::AfterOffloadProgram</name>
    <message>
        <source>“%1” couldn’t be started: %2</source>
        <translation>„%1“ konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>“%1” ended abnormally.</source>
        <translation>„%1“ wurde abnormal beendet.</translation>
    </message>
    <message>
        <source>“%1” ended with status %2.</source>
        <translation>„%1“ wurde mit Status %2 beendet.</translation>
    </message>
    <message>
        <source>“%1” was still running after %2 seconds and was stopped.</source>
        <translation>„%1“ lief nach %2 Sekunden noch und wurde gestoppt.</translation>
    </message>
</context>
<context>
    <name>stowly::AppMenu</name>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>About Stowly</source>
        <translation>Über Stowly</translation>
    </message>
    <message>
        <source>Report a Bug…</source>
        <translation>Fehler melden…</translation>
    </message>
    <message>
        <source>Contact Support…</source>
        <translation>Support kontaktieren…</translation>
    </message>
    <message>
        <source>Tip Jar…</source>
        <translation>Trinkgeldkasse…</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Danksagungen</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen…</translation>
    </message>
    <message>
        <source>Quit Stowly</source>
        <translation>Stowly beenden</translation>
    </message>
    <message>
        <source>Stowly %1</source>
        <translation>Stowly %1</translation>
    </message>
    <message>
        <source>Offloads camera cards into one organised folder structure and proves every copy with SHA-256.</source>
        <translation>Überträgt Kamerakarten in eine geordnete Ordnerstruktur und bestätigt jede Kopie mit SHA-256.</translation>
    </message>
    <message>
        <source>Stowly support</source>
        <translation>Stowly-Support</translation>
    </message>
    <message>
        <source>Stowly could not load Acknowledgements.txt.</source>
        <translation>Stowly konnte Acknowledgements.txt nicht laden.</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Stowly is updated by your system’s package manager, together with the rest of your software.</source>
        <translation>Stowly wird von der Paketverwaltung Ihres Systems zusammen mit Ihrer übrigen Software aktualisiert.</translation>
    </message>
</context>
<context>
    <name>stowly::AppModel</name>
    <message>
        <source>Making backups</source>
        <translation>Sicherungen werden erstellt</translation>
    </message>
    <message>
        <source>Copying “%1”</source>
        <translation>„%1“ wird kopiert</translation>
    </message>
    <message>
        <source>Erasing “%1”</source>
        <translation>„%1“ wird gelöscht</translation>
    </message>
    <message>
        <source> · can be taken out</source>
        <translation> · kann entnommen werden</translation>
    </message>
</context>
<context>
    <name>stowly::AppSettings</name>
    <message>
        <source>Choose the folder Stowly should copy your media into.</source>
        <translation>Wählen Sie den Ordner, in den Stowly Ihre Medien kopieren soll.</translation>
    </message>
</context>
<context>
    <name>stowly::AppearanceSettingsTab</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>Ozean</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Dämmerung</translation>
    </message>
    <message>
        <source>Ember</source>
        <translation>Glut</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>Wald</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Offload 12 Files</source>
        <translation>12 Dateien übertragen</translation>
    </message>
    <message>
        <source>Sample start button</source>
        <translation>Beispiel für die Startschaltfläche</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Show files as</source>
        <translation>Dateien zeigen als</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Show thumbnails in the list</source>
        <translation>Vorschaubilder in der Liste zeigen</translation>
    </message>
    <message>
        <source>Select files and press Space to preview them%1. Thumbnails are only read from the card, never written to it.</source>
        <translation>Wählen Sie Dateien aus und drücken Sie die Leertaste für eine Vorschau%1. Vorschaubilder werden nur von der Karte gelesen, nie darauf geschrieben.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <source>%1 theme</source>
        <translation>Farbschema %1</translation>
    </message>
    <message>
        <source>Default is neutral black and white. The colour themes tint the buttons, progress, highlights and the window’s background.</source>
        <translation>„Standard“ ist neutral schwarz-weiß. Die farbigen Farbschemata tönen Schaltflächen, Fortschritt, Hervorhebungen und den Fensterhintergrund.</translation>
    </message>
    <message>
        <source>Increase Contrast or Reduce Transparency is on, so Stowly uses solid colours from the theme instead of gradients.</source>
        <translation>„Kontrast erhöhen“ oder „Transparenz reduzieren“ ist aktiviert, deshalb verwendet Stowly statt Farbverläufen einfarbige Flächen aus dem Farbschema.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Stowly speaks the chosen language the next time it opens.</source>
        <translation>Stowly spricht die gewählte Sprache beim nächsten Öffnen.</translation>
    </message>
</context>
<context>
    <name>stowly::AutomaticOffload</name>
    <message>
        <source>No rule matches this card.</source>
        <translation>Keine Regel trifft auf diese Karte zu.</translation>
    </message>
    <message>
        <source>The preset its rule names is gone.</source>
        <translation>Die Voreinstellung, die ihre Regel nennt, existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The preset’s destination %1 isn’t there.</source>
        <translation>Das Ziel %1 der Voreinstellung ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Its preset’s file rules kept changing while it was read.</source>
        <translation>Die Dateiregeln ihrer Voreinstellung haben sich beim Lesen ständig geändert.</translation>
    </message>
    <message>
        <source>Its rule asks before offloading.</source>
        <translation>Ihre Regel fragt vor dem Übertragen.</translation>
    </message>
    <message>
        <source>The offload couldn’t start.</source>
        <translation>Die Übertragung konnte nicht starten.</translation>
    </message>
    <message>
        <source>Give the card name to match.</source>
        <translation>Geben Sie den Kartennamen an, der passen soll.</translation>
    </message>
    <message>
        <source>Choose the camera whose cards this rule takes.</source>
        <translation>Wählen Sie die Kamera, deren Karten diese Regel übernimmt.</translation>
    </message>
    <message>
        <source>Give the card’s volume identity.</source>
        <translation>Geben Sie die Datenträgerkennung der Karte an.</translation>
    </message>
    <message>
        <source>The camera this rule names isn’t in your cameras.</source>
        <translation>Die Kamera, die diese Regel nennt, ist nicht unter Ihren Kameras.</translation>
    </message>
    <message>
        <source>The preset this rule names isn’t in your presets.</source>
        <translation>Die Voreinstellung, die diese Regel nennt, ist nicht unter Ihren Voreinstellungen.</translation>
    </message>
    <message>
        <source>The preset %1</source>
        <translation>Die Voreinstellung %1</translation>
    </message>
    <message>
        <source>The current setup</source>
        <translation>Die aktuelle Konfiguration</translation>
    </message>
    <message>
        <source>%1 has an error in its naming.</source>
        <translation>%1 hat einen Fehler in der Benennung.</translation>
    </message>
    <message>
        <source>%1 names folders or files after the project: give the rule a project.</source>
        <translation>%1 benennt Ordner oder Dateien nach dem Projekt: Geben Sie der Regel ein Projekt.</translation>
    </message>
    <message>
        <source>Any card</source>
        <translation>Jede Karte</translation>
    </message>
    <message>
        <source>The card %1</source>
        <translation>Die Karte %1</translation>
    </message>
    <message>
        <source>Cards named %1</source>
        <translation>Karten namens %1</translation>
    </message>
    <message>
        <source>Cards from %1</source>
        <translation>Karten von %1</translation>
    </message>
    <message>
        <source>a camera that’s gone</source>
        <translation>einer nicht mehr vorhandenen Kamera</translation>
    </message>
    <message>
        <source>Preset %1</source>
        <translation>Voreinstellung %1</translation>
    </message>
    <message>
        <source>A preset that’s gone</source>
        <translation>Nicht mehr vorhandene Voreinstellung</translation>
    </message>
    <message>
        <source>Project %1</source>
        <translation>Projekt %1</translation>
    </message>
    <message>
        <source>Starts without asking</source>
        <translation>Startet ohne Nachfrage</translation>
    </message>
    <message>
        <source>Asks first</source>
        <translation>Fragt vorher</translation>
    </message>
    <message>
        <source>Ejects when verified</source>
        <translation>Wirft nach Prüfung aus</translation>
    </message>
</context>
<context>
    <name>stowly::BackupDestinationsEditor</name>
    <message>
        <source>Backup destinations</source>
        <translation>Sicherungsziele</translation>
    </message>
    <message>
        <source>Add a backup folder</source>
        <translation>Sicherungsordner hinzufügen</translation>
    </message>
    <message>
        <source>Remove the selected backup folder</source>
        <translation>Ausgewählten Sicherungsordner entfernen</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>From the card</source>
        <translation>Von der Karte</translation>
    </message>
    <message>
        <source>From the first copy</source>
        <translation>Von der ersten Kopie</translation>
    </message>
    <message>
        <source>Copy to %1 from</source>
        <translation>Nach %1 kopieren von</translation>
    </message>
    <message>
        <source>No backups: every file gets one copy.</source>
        <translation>Keine Sicherungen: Jede Datei erhält eine Kopie.</translation>
    </message>
    <message>
        <source>Choose a folder for backup copies.</source>
        <translation>Wählen Sie einen Ordner für Sicherungskopien.</translation>
    </message>
</context>
<context>
    <name>stowly::CameraStore</name>
    <message>
        <source>Couldn’t read the camera list: %1</source>
        <translation>Die Kameraliste konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Couldn’t save the camera list: %1.</source>
        <translation>Die Kameraliste konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>die Datei</translation>
    </message>
    <message>
        <source>the camera recorded for the card “%1” isn’t a UUID</source>
        <translation>die für die Karte „%1“ gespeicherte Kamera ist keine UUID</translation>
    </message>
</context>
<context>
    <name>stowly::CamerasSettingsTab</name>
    <message>
        <source>Cameras</source>
        <translation>Kameras</translation>
    </message>
    <message>
        <source>Camera name</source>
        <translation>Kameraname</translation>
    </message>
    <message>
        <source>Short Code</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>No Cameras</source>
        <translation>Keine Kameras</translation>
    </message>
    <message>
        <source>Click + to add the cameras you shoot with.</source>
        <translation>Klicken Sie auf +, um die Kameras hinzuzufügen, mit denen Sie aufnehmen.</translation>
    </message>
    <message>
        <source>Add a camera</source>
        <translation>Kamera hinzufügen</translation>
    </message>
    <message>
        <source>Remove the selected camera</source>
        <translation>Ausgewählte Kamera entfernen</translation>
    </message>
    <message>
        <source>Pick one in the Media stage for each card. The short code (or the name) fills the {camera} token.</source>
        <translation>Wählen Sie im Schritt „Medien“ für jede Karte eine aus. Das Kürzel (oder der Name) füllt den Platzhalter {camera}.</translation>
    </message>
    <message>
        <source>Stowly remembers the camera you pick for each card and selects it the next time that card is inserted.</source>
        <translation>Stowly merkt sich die Kamera, die Sie für jede Karte wählen, und wählt sie beim nächsten Einstecken dieser Karte wieder aus.</translation>
    </message>
    <message>
        <source>New Camera</source>
        <translation>Neue Kamera</translation>
    </message>
</context>
<context>
    <name>stowly::CardStageView</name>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Ejecting…</source>
        <translation>Wird ausgeworfen…</translation>
    </message>
</context>
<context>
    <name>stowly::DateRangeDialog</name>
    <message>
        <source>Choose Dates</source>
        <translation>Zeitraum wählen</translation>
    </message>
    <message>
        <source>Copy only the files from these days, both days included. Everything else stays on the card.</source>
        <translation>Nur die Dateien dieser Tage kopieren, beide Tage eingeschlossen. Alles andere bleibt auf der Karte.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Use These Dates</source>
        <translation>Diesen Zeitraum verwenden</translation>
    </message>
</context>
<context>
    <name>stowly::DesktopApp</name>
    <message>
        <source>Offload complete</source>
        <translation>Übertragung abgeschlossen</translation>
    </message>
    <message>
        <source>Stop the offload and quit?</source>
        <translation>Übertragung stoppen und beenden?</translation>
    </message>
    <message>
        <source>Closing the window quits Stowly and stops the offload. Files copied so far keep their verified copies; the rest stay on the card.</source>
        <translation>Das Schließen des Fensters beendet Stowly und stoppt die Übertragung. Bereits kopierte Dateien behalten ihre geprüften Kopien; der Rest bleibt auf der Karte.</translation>
    </message>
    <message>
        <source>Quitting stops the offload. Files copied so far keep their verified copies; the rest stay on the card.</source>
        <translation>Das Beenden stoppt die Übertragung. Bereits kopierte Dateien behalten ihre geprüften Kopien; der Rest bleibt auf der Karte.</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Stoppen und beenden</translation>
    </message>
    <message>
        <source>Keep Copying</source>
        <translation>Weiter kopieren</translation>
    </message>
</context>
<context>
    <name>stowly::DestinationStageView</name>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Quick dump</source>
        <translation>Schnellablage</translation>
    </message>
    <message>
        <source>Edit Folders</source>
        <translation>Ordner bearbeiten</translation>
    </message>
    <message>
        <source>Edit the folder levels</source>
        <translation>Ordnerebenen bearbeiten</translation>
    </message>
    <message>
        <source>The folders this offload fills show here once it can start.</source>
        <translation>Die Ordner, die diese Übertragung füllt, erscheinen hier, sobald sie starten kann.</translation>
    </message>
</context>
<context>
    <name>stowly::DestinationStore</name>
    <message>
        <source>Couldn’t read your favorite destinations: %1</source>
        <translation>Ihre Ziel-Favoriten konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Couldn’t save your favorite destinations: %1.</source>
        <translation>Ihre Ziel-Favoriten konnten nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>die Datei</translation>
    </message>
    <message>
        <source>“%1” already points at %2. Two favorites can’t share a folder, so “%3” wasn’t changed.</source>
        <translation>„%1“ verweist bereits auf %2. Zwei Favoriten können sich keinen Ordner teilen, deshalb wurde „%3“ nicht geändert.</translation>
    </message>
</context>
<context>
    <name>stowly::DestinationsSettingsTab</name>
    <message>
        <source>Not Connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Make Default</source>
        <translation>Als Standard festlegen</translation>
    </message>
    <message>
        <source>Change Folder…</source>
        <translation>Ordner ändern…</translation>
    </message>
    <message>
        <source>Favorite Destinations</source>
        <translation>Ziel-Favoriten</translation>
    </message>
    <message>
        <source>Switch between these in the Destination stage. A favorite on a drive that isn’t plugged in shows as Not Connected.</source>
        <translation>Wechseln Sie im Schritt „Ziel“ zwischen ihnen. Ein Favorit auf einem nicht angeschlossenen Laufwerk erscheint als „Nicht verbunden“.</translation>
    </message>
    <message>
        <source>Stowly starts in the default favorite. If its drive isn’t connected, it uses the one you used last. Drag favorites to put them in another order.</source>
        <translation>Stowly startet mit dem Standard-Favoriten. Ist dessen Laufwerk nicht verbunden, verwendet es den zuletzt verwendeten. Ziehen Sie Favoriten, um ihre Reihenfolge zu ändern.</translation>
    </message>
    <message>
        <source>No Favorites</source>
        <translation>Keine Favoriten</translation>
    </message>
    <message>
        <source>Click + to add a folder you offload to often.</source>
        <translation>Klicken Sie auf +, um einen Ordner hinzuzufügen, in den Sie oft übertragen.</translation>
    </message>
    <message>
        <source>Add a favorite folder</source>
        <translation>Favoritenordner hinzufügen</translation>
    </message>
    <message>
        <source>Remove the selected favorite</source>
        <translation>Ausgewählten Favoriten entfernen</translation>
    </message>
    <message>
        <source>Favorite name</source>
        <translation>Name des Favoriten</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Choose a folder to add to your favorite destinations.</source>
        <translation>Wählen Sie einen Ordner, den Sie zu Ihren Ziel-Favoriten hinzufügen möchten.</translation>
    </message>
    <message>
        <source>Choose the new folder for “%1”</source>
        <translation>Wählen Sie den neuen Ordner für „%1“</translation>
    </message>
    <message>
        <source>Backup Destinations</source>
        <translation>Sicherungsziele</translation>
    </message>
    <message>
        <source>Every file is also copied to these folders, under the same name as in the destination. A card is ready to erase only when each of them has its copies.</source>
        <translation>Jede Datei wird auch in diese Ordner kopiert, unter demselben Namen wie im Ziel. Eine Karte ist erst bereit zum Löschen, wenn jeder von ihnen seine Kopien hat.</translation>
    </message>
    <message>
        <source>Backups from the card are written in the same read as the destination. Backups from the first copy are made from the destination once its copy is proved, so a slow backup drive doesn’t hold up the card.</source>
        <translation>Sicherungen von der Karte werden im selben Lesevorgang geschrieben wie das Ziel. Sicherungen von der ersten Kopie werden aus dem Ziel erstellt, sobald dessen Kopie bestätigt ist, damit ein langsames Sicherungslaufwerk die Karte nicht aufhält.</translation>
    </message>
    <message>
        <source>Read each file from the card again to check it</source>
        <translation>Jede Datei zur Kontrolle erneut von der Karte lesen</translation>
    </message>
    <message>
        <source>After a file’s copies are verified, Stowly reads it from the card a second time and compares. Slower, but it catches a card or reader that gives different bytes.</source>
        <translation>Nachdem die Kopien einer Datei geprüft sind, liest Stowly sie ein zweites Mal von der Karte und vergleicht. Langsamer, aber so fällt eine Karte oder ein Kartenleser auf, die andere Bytes liefern.</translation>
    </message>
    <message>
        <source>Keep an ASC MHL history at every destination</source>
        <translation>In jedem Ziel einen ASC MHL-Verlauf führen</translation>
    </message>
    <message>
        <source>Each offload adds a manifest with an xxh128 value for every copied file to the “ascmhl” folder at the top of the destination, so anyone can check the drive later, with Stowly (stowly-cli verify) or another ASC MHL tool.</source>
        <translation>Jede Übertragung fügt dem Ordner „ascmhl“ auf der obersten Ebene des Ziels ein Manifest mit einem xxh128-Wert für jede kopierte Datei hinzu, damit jeder das Laufwerk später prüfen kann – mit Stowly (stowly-cli verify) oder einem anderen ASC MHL-Werkzeug.</translation>
    </message>
    <message>
        <source>Copy to one drive from several cards at once</source>
        <translation>Von mehreren Karten gleichzeitig auf ein Laufwerk kopieren</translation>
    </message>
    <message>
        <source>Off, cards whose copies go to the same drive take turns, which keeps a spinning drive from seeking between them; cards that go to different drives always copy side by side. On, every card starts at once.</source>
        <translation>Aus: Karten, deren Kopien auf dasselbe Laufwerk gehen, kommen nacheinander an die Reihe, damit eine Festplatte nicht zwischen ihnen hin- und herspringen muss; Karten für verschiedene Laufwerke kopieren immer parallel. Ein: Jede Karte startet sofort.</translation>
    </message>
    <message>
        <source>Also take:</source>
        <translation>Zusätzlich berechnen:</translation>
    </message>
    <message>
        <source>MD5</source>
        <translation>MD5</translation>
    </message>
    <message>
        <source>SHA-1</source>
        <translation>SHA-1</translation>
    </message>
    <message>
        <source>xxh64</source>
        <translation>xxh64</translation>
    </message>
    <message>
        <source>C4</source>
        <translation>C4</translation>
    </message>
    <message>
        <source>Also take %1 in the ASC MHL history</source>
        <translation>Zusätzlich %1 im ASC MHL-Verlauf berechnen</translation>
    </message>
    <message>
        <source>Formats a production asks for besides xxh128, taken from the same read of the card as the copy, for backups from the first copy too. MD5 and SHA-1 slow a fast card’s copy a little.</source>
        <translation>Formate, die eine Produktion neben xxh128 verlangt, berechnet aus demselben Lesevorgang der Karte wie die Kopie, auch für Sicherungen von der ersten Kopie. MD5 und SHA-1 verlangsamen das Kopieren einer schnellen Karte etwas.</translation>
    </message>
</context>
<context>
    <name>stowly::FileRuleList</name>
    <message>
        <source>Add an extension, e.g. lrv</source>
        <translation>Endung hinzufügen, z. B. lrv</translation>
    </message>
    <message>
        <source>Add an extension, e.g. thm</source>
        <translation>Endung hinzufügen, z. B. thm</translation>
    </message>
    <message>
        <source>Add a name or pattern, e.g. *.tmp</source>
        <translation>Namen oder Muster hinzufügen, z. B. *.tmp</translation>
    </message>
    <message>
        <source>That can’t be used here.</source>
        <translation>Das kann hier nicht verwendet werden.</translation>
    </message>
    <message>
        <source>would hide footage</source>
        <translation>würde Aufnahmen ausblenden</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source> matches photos or videos. Those files won’t be offloaded, and formatting the card erases them.</source>
        <translation> trifft auf Fotos oder Videos zu. Diese Dateien werden nicht übertragen, und das Formatieren der Karte löscht sie.</translation>
    </message>
</context>
<context>
    <name>stowly::FilesSettingsTab</name>
    <message>
        <source>Proxies</source>
        <translation>Proxys</translation>
    </message>
    <message>
        <source>Proxy extensions</source>
        <translation>Proxy-Endungen</translation>
    </message>
    <message>
        <source>Low-res copies like GoPro .LRV and DJI .LRF go into a Proxies folder inside the shoot folder, named after their clip. They’re never treated as footage and never skipped on their own: they follow their clip.</source>
        <translation>Kopien mit niedriger Auflösung wie GoPro .LRV und DJI .LRF kommen in einen Ordner „Proxies“ im Drehordner und werden nach ihrem Clip benannt. Sie gelten nie als Aufnahmen und werden nie für sich übersprungen: Sie folgen ihrem Clip.</translation>
    </message>
    <message>
        <source>Sidecars</source>
        <translation>Begleitdateien</translation>
    </message>
    <message>
        <source>Sidecar extensions</source>
        <translation>Begleitdatei-Endungen</translation>
    </message>
    <message>
        <source>Thumbnails, metadata and telemetry (.THM, .XML, .SRT) go into a Sidecars folder. Audio recorded with a clip (.WAV) goes in the WAV folder with the clip’s name.</source>
        <translation>Vorschaubilder, Metadaten und Telemetrie (.THM, .XML, .SRT) kommen in einen Ordner „Sidecars“. Mit einem Clip aufgenommener Ton (.WAV) kommt mit dem Namen des Clips in den Ordner „WAV“.</translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation>Ignoriert</translation>
    </message>
    <message>
        <source>Ignored names</source>
        <translation>Ignorierte Namen</translation>
    </message>
    <message>
        <source>Ignored files are never copied and don’t stop a card being ready to format. The card shows how many there are. Use * and ? as wildcards, or .ext for an extension.</source>
        <translation>Ignorierte Dateien werden nie kopiert und verhindern nicht, dass eine Karte bereit zum Formatieren ist. Die Karte zeigt, wie viele es gibt. Verwenden Sie * und ? als Jokerzeichen oder .ext für eine Endung.</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standards wiederherstellen</translation>
    </message>
</context>
<context>
    <name>stowly::FolderLevelsEditor</name>
    <message>
        <source>Folder levels</source>
        <translation>Ordnerebenen</translation>
    </message>
    <message>
        <source>Drag to move this level; drop a token on the side of a name to combine them.</source>
        <translation>Ziehen, um diese Ebene zu verschieben; einen Platzhalter an den Rand eines Namens ziehen, um beide zu verbinden.</translation>
    </message>
    <message>
        <source>Move “%1” to Its Own Level</source>
        <translation>„%1“ auf eigene Ebene verschieben</translation>
    </message>
    <message>
        <source>What goes between the names side by side</source>
        <translation>Was zwischen nebeneinanderstehenden Namen steht</translation>
    </message>
    <message>
        <source>Remove Folder Level</source>
        <translation>Ordnerebene entfernen</translation>
    </message>
</context>
<context>
    <name>stowly::FolderTreePreview</name>
    <message>
        <source>Folders the offload creates</source>
        <translation>Ordner, die die Übertragung anlegt</translation>
    </message>
    <message>
        <source>%1 is already at the destination; new files join it</source>
        <translation>%1 existiert bereits im Ziel; neue Dateien kommen hinzu</translation>
    </message>
    <message>
        <source>%1 will be created</source>
        <translation>%1 wird angelegt</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stowly::GeneralSettingsTab</name>
    <message>
        <source>Files to Offload</source>
        <translation>Zu übertragende Dateien</translation>
    </message>
    <message>
        <source>Video (MP4, MOV, MXF, BRAW, R3D…)</source>
        <translation>Video (MP4, MOV, MXF, BRAW, R3D…)</translation>
    </message>
    <message>
        <source>Photos (JPG, HEIC, RAW, DNG…)</source>
        <translation>Fotos (JPG, HEIC, RAW, DNG…)</translation>
    </message>
    <message>
        <source>Audio (WAV, MP3, M4A…)</source>
        <translation>Audio (WAV, MP3, M4A…)</translation>
    </message>
    <message>
        <source>Other files (proxies, XML, metadata…)</source>
        <translation>Sonstige Dateien (Proxys, XML, Metadaten…)</translation>
    </message>
    <message>
        <source>Sidecars (like C0001M01.XML) and proxies (like GoPro .LRV) get their clip’s name and their own folders when Other is on. Change the lists and the ignore list in the Files tab.</source>
        <translation>Begleitdateien (wie C0001M01.XML) und Proxys (wie GoPro .LRV) erhalten den Namen ihres Clips und eigene Ordner, wenn „Sonstige Dateien“ aktiviert ist. Die Listen und die Ignorierliste ändern Sie im Tab „Dateien“.</translation>
    </message>
    <message>
        <source>Skip videos shorter than</source>
        <translation>Videos überspringen, wenn kürzer als</translation>
    </message>
    <message>
        <source>Skip videos shorter than, in seconds</source>
        <translation>Videos überspringen, wenn kürzer als, in Sekunden</translation>
    </message>
    <message>
        <source>Off keeps every clip. Accidental takes stay on the card, with their sidecars and proxies. Include them from the Media list any time. Clips whose length can’t be read (like BRAW or R3D) are always offloaded.</source>
        <translation>„Aus“ behält jeden Clip. Versehentliche Aufnahmen bleiben mit ihren Begleitdateien und Proxys auf der Karte. Sie können sie jederzeit aus der Medienliste einbeziehen. Clips, deren Länge sich nicht lesen lässt (wie BRAW oder R3D), werden immer übertragen.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>After Offload</source>
        <translation>Nach der Übertragung</translation>
    </message>
    <message>
        <source>Play a sound when an offload finishes</source>
        <translation>Einen Ton abspielen, wenn eine Übertragung fertig ist</translation>
    </message>
    <message>
        <source>Eject card after offload</source>
        <translation>Karte nach der Übertragung auswerfen</translation>
    </message>
    <message>
        <source>Only when every file was copied and verified.</source>
        <translation>Nur wenn jede Datei kopiert und geprüft wurde.</translation>
    </message>
    <message>
        <source>Then run this program:</source>
        <translation>Danach dieses Programm ausführen:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>After each card, with the offload as JSON on its standard input. It has a minute; whatever it does, the copies and the history stay as they are.</source>
        <translation>Nach jeder Karte, mit der Übertragung als JSON auf seiner Standardeingabe. Es hat eine Minute Zeit; was immer es tut, die Kopien und der Verlauf bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Bediener:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Named in every offload’s report, with the card, the camera and the project.</source>
        <translation>Wird im Bericht jeder Übertragung genannt, zusammen mit Karte, Kamera und Projekt.</translation>
    </message>
    <message>
        <source>Write each offload’s report into every destination</source>
        <translation>Den Bericht jeder Übertragung in jedes Ziel schreiben</translation>
    </message>
    <message>
        <source>A PDF and a CSV table of every file and its checksums, in the folder “Stowly Reports” at the top of each destination. Any offload’s report is also under Show Report in Recent Offloads.</source>
        <translation>Ein PDF und eine CSV-Tabelle mit jeder Datei und ihren Prüfsummen, im Ordner „Stowly Reports“ auf der obersten Ebene jedes Ziels. Den Bericht jeder Übertragung finden Sie auch unter „Bericht zeigen“ in „Letzte Übertragungen“.</translation>
    </message>
    <message>
        <source>Keep Stowly running in the %1</source>
        <translation>Stowly im %1 weiterlaufen lassen</translation>
    </message>
    <message>
        <source>Closing the window leaves Stowly running, so it can notice cards and drives as they’re plugged in.</source>
        <translation>Beim Schließen des Fensters läuft Stowly weiter und bemerkt so Karten und Laufwerke, sobald sie angeschlossen werden.</translation>
    </message>
    <message>
        <source>Ask to import when a card or drive is plugged in</source>
        <translation>Beim Anschließen einer Karte oder eines Laufwerks nach dem Import fragen</translation>
    </message>
    <message>
        <source>Whenever Stowly is running. Only for cards and drives with camera folders or media; a card an Automatic Offload rule takes is offloaded without asking.</source>
        <translation>Immer, wenn Stowly läuft. Nur für Karten und Laufwerke mit Kameraordnern oder Medien; eine Karte, die eine Regel unter „Automatik“ übernimmt, wird ohne Nachfrage übertragen.</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Benachrichtigung</translation>
    </message>
    <message>
        <source>Floating panel</source>
        <translation>Schwebendes Fenster</translation>
    </message>
    <message>
        <source>Show %1 icon</source>
        <translation>%1-Symbol zeigen</translation>
    </message>
    <message>
        <source>This desktop shows no tray icons, so the %1 icon can’t appear here.</source>
        <translation>Diese Arbeitsumgebung zeigt keine Symbole im Infobereich, daher kann das %1-Symbol hier nicht erscheinen.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Bei der Anmeldung öffnen</translation>
    </message>
    <message>
        <source>Mount cards when they are inserted</source>
        <translation>Karten beim Einstecken einhängen</translation>
    </message>
    <message>
        <source>Don’t ask for these cards</source>
        <translation>Für diese Karten nicht fragen</translation>
    </message>
    <message>
        <source>Ask Again</source>
        <translation>Wieder fragen</translation>
    </message>
    <message>
        <source>Ask again for </source>
        <translation>Wieder fragen für </translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Automatisch nach Updates suchen</translation>
    </message>
    <message>
        <source>Automatically download and install updates</source>
        <translation>Updates automatisch laden und installieren</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Shared History</source>
        <translation>Geteilter Verlauf</translation>
    </message>
    <message>
        <source>History server:</source>
        <translation>Verlaufsserver:</translation>
    </message>
    <message>
        <source>None: the history stays on this computer</source>
        <translation>Keiner: Der Verlauf bleibt auf diesem Computer</translation>
    </message>
    <message>
        <source>This station:</source>
        <translation>Diese Station:</translation>
    </message>
    <message>
        <source>Trust copies verified by other stations</source>
        <translation>Von anderen Stationen geprüften Kopien vertrauen</translation>
    </message>
    <message>
        <source>A card may then be erased when its only copies are on another station’s drives, which this one can’t check.</source>
        <translation>Eine Karte darf dann gelöscht werden, wenn ihre einzigen Kopien auf den Laufwerken einer anderen Station liegen, die diese nicht prüfen kann.</translation>
    </message>
    <message>
        <source>Stations that name the same PostgreSQL server (host=… dbname=… user=…) see each other’s copies. The password comes from ~/.pgpass or the desktop’s keyring, never from here.</source>
        <translation>Stationen, die denselben PostgreSQL-Server nennen (host=… dbname=… user=…), sehen die Kopien der anderen. Das Passwort kommt aus ~/.pgpass oder dem Schlüsselbund des Desktops, nie von hier.</translation>
    </message>
</context>
<context>
    <name>stowly::History</name>
    <message>
        <source>Couldn’t read the ledger (%1). Stowly won’t overwrite it.</source>
        <translation>Die Verlaufsdatei konnte nicht gelesen werden (%1). Stowly überschreibt sie nicht.</translation>
    </message>
    <message>
        <source>Couldn’t read the ledger’s journal (%1). Stowly won’t overwrite it.</source>
        <translation>Das Journal der Verlaufsdatei konnte nicht gelesen werden (%1). Stowly überschreibt es nicht.</translation>
    </message>
    <message>
        <source>Couldn’t read part of the ledger’s journal. The old file was kept as %1; everything readable in it is in the history.</source>
        <translation>Ein Teil des Journals der Verlaufsdatei konnte nicht gelesen werden. Die alte Datei wurde als %1 aufbewahrt; alles Lesbare daraus ist im Verlauf.</translation>
    </message>
    <message>
        <source>Couldn’t read the ledger’s journal, and couldn’t set it aside. Stowly won’t overwrite it.</source>
        <translation>Das Journal der Verlaufsdatei konnte weder gelesen noch beiseitegelegt werden. Stowly überschreibt es nicht.</translation>
    </message>
    <message>
        <source>Couldn’t read the ledger (%1). The old file was kept as %2.</source>
        <translation>Die Verlaufsdatei konnte nicht gelesen werden (%1). Die alte Datei wurde als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>Couldn’t read the ledger, and couldn’t set it aside. Stowly won’t overwrite it.</source>
        <translation>Die Verlaufsdatei konnte weder gelesen noch beiseitegelegt werden. Stowly überschreibt sie nicht.</translation>
    </message>
    <message>
        <source>Couldn’t save the ledger: %1.</source>
        <translation>Die Verlaufsdatei konnte nicht gespeichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>stowly::ImportPrompter</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Don’t ask for this card</source>
        <translation>Für diese Karte nicht fragen</translation>
    </message>
    <message>
        <source>Don’t Ask for This Card</source>
        <translation>Für diese Karte nicht fragen</translation>
    </message>
</context>
<context>
    <name>stowly::LoginItem</name>
    <message>
        <source>Stowly couldn’t add itself to the programs that start at login: %1</source>
        <translation>Stowly konnte sich nicht zu den Programmen hinzufügen, die bei der Anmeldung starten: %1</translation>
    </message>
    <message>
        <source>Stowly couldn’t remove itself from the programs that start at login: %1 can’t be deleted.</source>
        <translation>Stowly konnte sich nicht aus den Programmen entfernen, die bei der Anmeldung starten: %1 kann nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>stowly::MainWindow</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Show the files offloaded so far</source>
        <translation>Die bisher übertragenen Dateien zeigen</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>About, help and support</source>
        <translation>Info, Hilfe und Support</translation>
    </message>
    <message>
        <source>Shared history</source>
        <translation>Geteilter Verlauf</translation>
    </message>
    <message>
        <source>New copies are recorded on this station and go to the shared history once it answers; other stations’ copies aren’t seen meanwhile.</source>
        <translation>Neue Kopien werden auf dieser Station verzeichnet und gehen in den geteilten Verlauf, sobald er antwortet; die Kopien anderer Stationen sind so lange nicht zu sehen.</translation>
    </message>
</context>
<context>
    <name>stowly::MediaFields</name>
    <message>
        <source>Any date</source>
        <translation>Beliebiges Datum</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Choose Dates…</source>
        <translation>Zeitraum wählen…</translation>
    </message>
</context>
<context>
    <name>stowly::MediaStageView</name>
    <message>
        <source>Show files as</source>
        <translation>Dateien zeigen als</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
</context>
<context>
    <name>stowly::NamingSettingsTab</name>
    <message>
        <source>Templates</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>Folder structure</source>
        <translation>Ordnerstruktur</translation>
    </message>
    <message>
        <source>Files go straight into the destination</source>
        <translation>Dateien kommen direkt ins Ziel</translation>
    </message>
    <message>
        <source>“/” makes a subfolder. Inside it, each extension gets its own folder (MP4, ARW, WAV…). Leave empty to put those right in the destination.</source>
        <translation>„/“ legt einen Unterordner an. Darin erhält jede Endung ihren eigenen Ordner (MP4, ARW, WAV…). Leer lassen, um diese direkt ins Ziel zu legen.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>The extension (.mp4, .arw…) is always added, in lower case.</source>
        <translation>Die Endung (.mp4, .arw…) wird immer angehängt, in Kleinbuchstaben.</translation>
    </message>
    <message>
        <source>Insert Token</source>
        <translation>Platzhalter einfügen</translation>
    </message>
    <message>
        <source>Naming Presets</source>
        <translation>Benennungsvorgaben</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Auf Standard zurücksetzen</translation>
    </message>
    <message>
        <source>Click a token to add it to the </source>
        <translation>Klicken Sie auf einen Platzhalter, um ihn einzufügen in: </translation>
    </message>
    <message>
        <source>folder structure</source>
        <translation>Ordnerstruktur</translation>
    </message>
    <message>
        <source>file name</source>
        <translation>Dateiname</translation>
    </message>
</context>
<context>
    <name>stowly::OffloadBar</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Show Report</source>
        <translation>Bericht zeigen</translation>
    </message>
    <message>
        <source>Cancel waiting offload</source>
        <translation>Wartende Übertragung abbrechen</translation>
    </message>
    <message>
        <source>Files that failed</source>
        <translation>Fehlgeschlagene Dateien</translation>
    </message>
    <message>
        <source>The offload&apos;s report: every file, its copies and their checksums, to print or save</source>
        <translation>Der Bericht der Übertragung: jede Datei, ihre Kopien und deren Prüfsummen, zum Drucken oder Speichern</translation>
    </message>
    <message>
        <source>Backups from the first copy</source>
        <translation>Sicherungen von der ersten Kopie</translation>
    </message>
    <message>
        <source>%1 of %2 files · %3 of %4</source>
        <translation>%1 von %2 Dateien · %3 von %4</translation>
    </message>
    <message numerus="yes">
        <source> · to %n destinations</source>
        <translation>
            <numerusform> · in %n Ziele</numerusform>
            <numerusform> · in %n Ziele</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stowly::OffloadNotice</name>
    <message>
        <source>“%1”: %2</source>
        <translation>„%1“: %2</translation>
    </message>
</context>
<context>
    <name>stowly::OffloadQueueView</name>
    <message>
        <source>Offloads</source>
        <translation>Übertragungen</translation>
    </message>
    <message>
        <source>Drag a waiting offload, or press Ctrl+Up or Ctrl+Down, to change its turn. Delete cancels the selected offload.</source>
        <translation>Ziehen Sie eine wartende Übertragung oder drücken Sie Strg+Pfeil nach oben bzw. Strg+Pfeil nach unten, um ihre Reihenfolge zu ändern. Entf bricht die ausgewählte Übertragung ab.</translation>
    </message>
    <message>
        <source>Take “%1” Out of the Queue</source>
        <translation>„%1“ aus der Warteschlange nehmen</translation>
    </message>
    <message>
        <source>Cancel the Offload of “%1”</source>
        <translation>Übertragung von „%1“ abbrechen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
</context>
<context>
    <name>stowly::PresetEditor</name>
    <message>
        <source>Short clips</source>
        <translation>Kurze Clips</translation>
    </message>
    <message>
        <source>Quick dump</source>
        <translation>Schnellablage</translation>
    </message>
    <message>
        <source>Use Current File Rules</source>
        <translation>Aktuelle Dateiregeln verwenden</translation>
    </message>
    <message>
        <source>Update from Current Setup</source>
        <translation>Aus aktueller Konfiguration aktualisieren</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Name der Voreinstellung</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Folder structure</source>
        <translation>Ordnerstruktur</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>None: straight into the destination</source>
        <translation>Keine: direkt ins Ziel</translation>
    </message>
    <message>
        <source>These templates aren’t valid. Check them in the Naming tab.</source>
        <translation>Diese Vorlagen sind ungültig. Prüfen Sie sie im Tab „Benennung“.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Dateinamen</translation>
    </message>
    <message>
        <source>Skips the project name and dumps all the footage straight into a dated folder.</source>
        <translation>Lässt den Projektnamen weg und legt alle Aufnahmen direkt in einem Ordner mit Datum ab.</translation>
    </message>
    <message>
        <source>File rules</source>
        <translation>Dateiregeln</translation>
    </message>
    <message>
        <source>Replace this preset’s settings with what the main window uses now</source>
        <translation>Die Einstellungen dieser Voreinstellung durch die aktuellen des Hauptfensters ersetzen</translation>
    </message>
    <message>
        <source>The same as in the Files tab.</source>
        <translation>Wie im Tab „Dateien“.</translation>
    </message>
    <message>
        <source>Not the same as in the Files tab.</source>
        <translation>Anders als im Tab „Dateien“.</translation>
    </message>
    <message>
        <source>Keep current folder</source>
        <translation>Aktuellen Ordner behalten</translation>
    </message>
    <message>
        <source>Suggested for the card</source>
        <translation>Für die Karte vorgeschlagen</translation>
    </message>
</context>
<context>
    <name>stowly::PresetStore</name>
    <message>
        <source>Couldn’t read your presets: %1</source>
        <translation>Ihre Voreinstellungen konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Couldn’t save your presets: %1.</source>
        <translation>Ihre Voreinstellungen konnten nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>die Datei</translation>
    </message>
</context>
<context>
    <name>stowly::PresetSwitcher</name>
    <message>
        <source>Switch to a saved setup: destination, naming, camera and file rules</source>
        <translation>Zu einer gespeicherten Konfiguration wechseln: Ziel, Benennung, Kamera und Dateiregeln</translation>
    </message>
    <message>
        <source>Preset: %1</source>
        <translation>Voreinstellung: %1</translation>
    </message>
    <message>
        <source>No Preset</source>
        <translation>Keine Voreinstellung</translation>
    </message>
    <message>
        <source>Save Current Setup as Preset…</source>
        <translation>Konfiguration als Voreinstellung speichern…</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Voreinstellung speichern</translation>
    </message>
    <message>
        <source>Preset name:</source>
        <translation>Name der Voreinstellung:</translation>
    </message>
</context>
<context>
    <name>stowly::PresetsSettingsTab</name>
    <message>
        <source>Presets</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>No Presets</source>
        <translation>Keine Voreinstellungen</translation>
    </message>
    <message>
        <source>Click + to save the current setup as a preset.</source>
        <translation>Klicken Sie auf +, um die aktuelle Konfiguration als Voreinstellung zu speichern.</translation>
    </message>
    <message>
        <source>Save the current setup as a new preset</source>
        <translation>Die aktuelle Konfiguration als neue Voreinstellung speichern</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>Voreinstellung hinzufügen</translation>
    </message>
    <message>
        <source>Delete the selected preset</source>
        <translation>Ausgewählte Voreinstellung löschen</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>Voreinstellung löschen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Duplicate the selected preset</source>
        <translation>Ausgewählte Voreinstellung duplizieren</translation>
    </message>
    <message>
        <source>Duplicate preset</source>
        <translation>Voreinstellung duplizieren</translation>
    </message>
    <message>
        <source>A preset saves where files go, how they’re named, the camera, short-clip skipping, quick dump and the file rules. Switch presets from the menu at the top right of the main window, where they’re listed in this order; drag them to change it.</source>
        <translation>Eine Voreinstellung speichert, wohin Dateien kommen, wie sie benannt werden, die Kamera, das Überspringen kurzer Clips, die Schnellablage und die Dateiregeln. Sie wechseln Voreinstellungen über das Menü oben rechts im Hauptfenster, wo sie in dieser Reihenfolge aufgeführt sind; ziehen Sie sie, um die Reihenfolge zu ändern.</translation>
    </message>
    <message>
        <source>Selected Preset</source>
        <translation>Ausgewählte Voreinstellung</translation>
    </message>
    <message>
        <source>No Preset Selected</source>
        <translation>Keine Voreinstellung ausgewählt</translation>
    </message>
    <message>
        <source>Select a preset to edit it.</source>
        <translation>Wählen Sie eine Voreinstellung aus, um sie zu bearbeiten.</translation>
    </message>
    <message>
        <source>In use · edited</source>
        <translation>In Verwendung · bearbeitet</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>In Verwendung</translation>
    </message>
</context>
<context>
    <name>stowly::PreviewWindow</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>Keine Vorschau für diese Datei</translation>
    </message>
</context>
<context>
    <name>stowly::RecentOffloadsView</name>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Show Report</source>
        <translation>Bericht zeigen</translation>
    </message>
    <message>
        <source>Recent Offloads</source>
        <translation>Letzte Übertragungen</translation>
    </message>
    <message>
        <source>Recent offloads</source>
        <translation>Letzte Übertragungen</translation>
    </message>
    <message>
        <source>The report of the offload that made this copy</source>
        <translation>Der Bericht der Übertragung, die diese Kopie erstellt hat</translation>
    </message>
</context>
<context>
    <name>stowly::ReportWindow</name>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Drawing the report’s pictures…</source>
        <translation>Die Bilder des Berichts werden gezeichnet…</translation>
    </message>
    <message>
        <source>Save the report as a PDF, a web page, a CSV table or JSON</source>
        <translation>Den Bericht als PDF, Webseite, CSV-Tabelle oder JSON speichern</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation>Webseite (*.html)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>The report wasn’t saved</source>
        <translation>Der Bericht wurde nicht gespeichert</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stowly::RuleEditor</name>
    <message>
        <source>Use Inserted Card</source>
        <translation>Eingesteckte Karte verwenden</translation>
    </message>
    <message>
        <source>Start without asking</source>
        <translation>Ohne Nachfrage starten</translation>
    </message>
    <message>
        <source>Eject when verified</source>
        <translation>Nach Prüfung auswerfen</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Bedingung</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Kartenname</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Voreinstellung</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Any card</source>
        <translation>Jede Karte</translation>
    </message>
    <message>
        <source>Cards named</source>
        <translation>Karten namens</translation>
    </message>
    <message>
        <source>Cards from camera</source>
        <translation>Karten von Kamera</translation>
    </message>
    <message>
        <source>This card’s identity</source>
        <translation>Kennung dieser Karte</translation>
    </message>
    <message>
        <source>Use the identity of a card that is in now</source>
        <translation>Die Kennung einer jetzt eingesteckten Karte verwenden</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Match:</source>
        <translation>Bedingung:</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Voreinstellung:</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Projekt:</translation>
    </message>
    <message>
        <source>Off, the card is shown with the preset applied, for you to start.</source>
        <translation>Aus: Die Karte wird mit angewendeter Voreinstellung angezeigt, und Sie starten selbst.</translation>
    </message>
    <message>
        <source>Only when every file was copied and verified.</source>
        <translation>Nur wenn jede Datei kopiert und geprüft wurde.</translation>
    </message>
    <message>
        <source>Volume UUID</source>
        <translation>Datenträger-UUID</translation>
    </message>
    <message>
        <source>Card identity</source>
        <translation>Kartenkennung</translation>
    </message>
    <message>
        <source>Takes every card, so the rules after it are never tried.</source>
        <translation>Übernimmt jede Karte, daher werden die Regeln danach nie geprüft.</translation>
    </message>
    <message>
        <source>* stands for any characters and ? for one; capitals don’t matter.</source>
        <translation>* steht für beliebige Zeichen und ? für eines; Groß- und Kleinschreibung spielt keine Rolle.</translation>
    </message>
    <message>
        <source>Cards you chose this camera for in the Media stage.</source>
        <translation>Karten, für die Sie im Schritt „Medien“ diese Kamera gewählt haben.</translation>
    </message>
    <message>
        <source>The card’s volume UUID, or its name where it has none. Formatting the card may change it.</source>
        <translation>Die Datenträger-UUID der Karte oder ihr Name, wenn sie keine hat. Das Formatieren der Karte kann sie ändern.</translation>
    </message>
    <message>
        <source>Add cameras in the Cameras tab</source>
        <translation>Fügen Sie Kameras im Tab „Kameras“ hinzu</translation>
    </message>
    <message>
        <source>Choose a camera</source>
        <translation>Kamera wählen</translation>
    </message>
    <message>
        <source>Current setup</source>
        <translation>Aktuelle Konfiguration</translation>
    </message>
    <message>
        <source>A preset that’s gone</source>
        <translation>Nicht mehr vorhandene Voreinstellung</translation>
    </message>
    <message>
        <source>No card is inserted</source>
        <translation>Keine Karte eingesteckt</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>stowly::RuleStore</name>
    <message>
        <source>Couldn’t read your automatic offload rules: %1</source>
        <translation>Ihre Regeln für die automatische Übertragung konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Couldn’t save your automatic offload rules: %1.</source>
        <translation>Ihre Regeln für die automatische Übertragung konnten nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>die Datei</translation>
    </message>
</context>
<context>
    <name>stowly::RulesSettingsTab</name>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>When a card like this is inserted, Stowly offloads it with the preset you choose. Stowly never erases a card on its own.</source>
        <translation>Wenn eine solche Karte eingesteckt wird, überträgt Stowly sie mit der gewählten Voreinstellung. Stowly löscht nie von sich aus eine Karte.</translation>
    </message>
    <message>
        <source>No Rules</source>
        <translation>Keine Regeln</translation>
    </message>
    <message>
        <source>Click + to have cards offloaded as soon as they’re inserted.</source>
        <translation>Klicken Sie auf +, damit Karten übertragen werden, sobald sie eingesteckt sind.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Regel hinzufügen</translation>
    </message>
    <message>
        <source>Remove the selected rule</source>
        <translation>Ausgewählte Regel entfernen</translation>
    </message>
    <message>
        <source>A card is offloaded by the first rule it matches, from the top. Drag rules to change the order.</source>
        <translation>Eine Karte wird nach der ersten Regel von oben übertragen, auf die sie zutrifft. Ziehen Sie Regeln, um die Reihenfolge zu ändern.</translation>
    </message>
    <message>
        <source>Selected Rule</source>
        <translation>Ausgewählte Regel</translation>
    </message>
    <message>
        <source>No Rule Selected</source>
        <translation>Keine Regel ausgewählt</translation>
    </message>
    <message>
        <source>Select a rule to edit it.</source>
        <translation>Wählen Sie eine Regel aus, um sie zu bearbeiten.</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>Can’t Be Followed</source>
        <translation>Nicht ausführbar</translation>
    </message>
    <message>
        <source>%1 Until then the new rule isn’t saved.</source>
        <translation>%1 Bis dahin wird die neue Regel nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 Until then the rule stays as it was saved.</source>
        <translation>%1 Bis dahin bleibt die Regel, wie sie gespeichert wurde.</translation>
    </message>
    <message>
        <source>%1 Until then the cards it matches aren’t offloaded.</source>
        <translation>%1 Bis dahin werden die Karten, auf die sie zutrifft, nicht übertragen.</translation>
    </message>
</context>
<context>
    <name>stowly::SettingsPage</name>
    <message>
        <source>Email a bug report with Stowly’s recent log attached</source>
        <translation>Einen Fehlerbericht mit dem aktuellen Protokoll von Stowly im Anhang per E-Mail senden</translation>
    </message>
    <message>
        <source>Leave an optional tip for Stowly on Ko-fi</source>
        <translation>Stowly auf Ko-fi ein freiwilliges Trinkgeld geben</translation>
    </message>
</context>
<context>
    <name>stowly::SettingsWindow</name>
    <message>
        <source>Stowly Settings</source>
        <translation>Stowly-Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>Automatic Offload</source>
        <translation>Automatik</translation>
    </message>
    <message>
        <source>Destinations</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <source>Naming</source>
        <translation>Benennung</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Kameras</translation>
    </message>
</context>
<context>
    <name>stowly::ShortClipSlider</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stowly::StagePanel</name>
    <message>
        <source>needs your attention</source>
        <translation>erfordert Ihre Aufmerksamkeit</translation>
    </message>
    <message>
        <source>Stage %1, %2</source>
        <translation>Schritt %1, %2</translation>
    </message>
</context>
<context>
    <name>stowly::StatusItemController</name>
    <message>
        <source>Stowly</source>
        <translation>Stowly</translation>
    </message>
</context>
<context>
    <name>stowly::TemplateIssueList</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>stowly::WelcomeDestinationStep</name>
    <message>
        <source>%1 free of %2</source>
        <translation>%1 von %2 frei</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 frei</translation>
    </message>
    <message>
        <source>Where should your media go?</source>
        <translation>Wohin sollen Ihre Medien?</translation>
    </message>
    <message>
        <source>Pick a drive or any folder. Stowly builds its folders inside it.</source>
        <translation>Wählen Sie ein Laufwerk oder einen beliebigen Ordner. Stowly legt seine Ordner darin an.</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Laufwerke</translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Ordner wählen…</translation>
    </message>
    <message>
        <source>As your first favorite, it’s also your default destination. Add more and pick another default in Settings ▸ Destinations.</source>
        <translation>Als Ihr erster Favorit ist er auch Ihr Standardziel. Weitere fügen Sie hinzu und ein anderes Standardziel wählen Sie unter Einstellungen ▸ Ziele.</translation>
    </message>
    <message>
        <source>Make it my default destination</source>
        <translation>Als mein Standardziel festlegen</translation>
    </message>
    <message>
        <source>No folder chosen yet</source>
        <translation>Noch kein Ordner gewählt</translation>
    </message>
    <message>
        <source>Choose a Destination Folder</source>
        <translation>Zielordner wählen</translation>
    </message>
</context>
<context>
    <name>stowly::WelcomeWindow</name>
    <message>
        <source>Film Shoot</source>
        <translation>Filmdreh</translation>
    </message>
    <message>
        <source>Photo Session</source>
        <translation>Fotoshooting</translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation>Podcast</translation>
    </message>
    <message>
        <source>Daily Archive</source>
        <translation>Tagesarchiv</translation>
    </message>
    <message>
        <source>Start from Scratch</source>
        <translation>Bei null beginnen</translation>
    </message>
    <message>
        <source>Starter</source>
        <translation>Einstieg</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File Names</source>
        <translation>Dateinamen</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Überblick</translation>
    </message>
    <message>
        <source>Welcome to Stowly</source>
        <translation>Willkommen bei Stowly</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Stowly copies your camera cards into tidy folders, checks every copy with SHA-256 and never overwrites a file. Tell it how you like your media organised; it takes about a minute.</source>
        <translation>Stowly kopiert Ihre Kamerakarten in aufgeräumte Ordner, prüft jede Kopie mit SHA-256 und überschreibt nie eine Datei. Legen Sie fest, wie Ihre Medien geordnet sein sollen; das dauert etwa eine Minute.</translation>
    </message>
    <message>
        <source>Set up your first preset</source>
        <translation>Richten Sie Ihre erste Voreinstellung ein</translation>
    </message>
    <message>
        <source>Skip Setup</source>
        <translation>Einrichtung überspringen</translation>
    </message>
    <message>
        <source>What do you shoot?</source>
        <translation>Was nehmen Sie auf?</translation>
    </message>
    <message>
        <source>Pick the closest starting point. It sets how folders and files are named; you can change both in the next steps.</source>
        <translation>Wählen Sie den passendsten Ausgangspunkt. Er legt fest, wie Ordner und Dateien benannt werden; beides können Sie in den nächsten Schritten ändern.</translation>
    </message>
    <message>
        <source>How should folders be built?</source>
        <translation>Wie sollen Ordner aufgebaut sein?</translation>
    </message>
    <message>
        <source>Each “/” starts a folder inside the one before. Words in braces are filled in per file, such as {date}, {project} or {camera}.</source>
        <translation>Jedes „/“ beginnt einen Ordner innerhalb des vorherigen. Wörter in geschweiften Klammern werden pro Datei ausgefüllt, etwa {date}, {project} oder {camera}.</translation>
    </message>
    <message>
        <source>Folder template</source>
        <translation>Ordnervorlage</translation>
    </message>
    <message>
        <source>How should files be named?</source>
        <translation>Wie sollen Dateien heißen?</translation>
    </message>
    <message>
        <source>Renamed files sort well and say where they came from. {seq} numbers them; {original} keeps the camera’s name.</source>
        <translation>Umbenannte Dateien lassen sich gut sortieren und zeigen, woher sie stammen. {seq} nummeriert sie; {original} behält den Namen bei, den die Kamera vergeben hat.</translation>
    </message>
    <message>
        <source>Rename files</source>
        <translation>Dateien umbenennen</translation>
    </message>
    <message>
        <source>File name template</source>
        <translation>Dateinamenvorlage</translation>
    </message>
    <message>
        <source>Review your preset</source>
        <translation>Überprüfen Sie Ihre Voreinstellung</translation>
    </message>
    <message>
        <source>Give it a name and choose what happens around each offload.</source>
        <translation>Geben Sie ihr einen Namen und legen Sie fest, was rund um jede Übertragung geschieht.</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Name der Voreinstellung</translation>
    </message>
    <message>
        <source>Skip clips shorter than</source>
        <translation>Clips überspringen, wenn kürzer als</translation>
    </message>
    <message>
        <source>Shortest clip to copy, in seconds</source>
        <translation>Kürzester zu kopierender Clip, in Sekunden</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Eject the card when the offload is done</source>
        <translation>Karte auswerfen, wenn die Übertragung fertig ist</translation>
    </message>
    <message>
        <source>Play a sound when an offload succeeds</source>
        <translation>Einen Ton abspielen, wenn eine Übertragung gelingt</translation>
    </message>
    <message>
        <source>Ask to import when a card is inserted</source>
        <translation>Beim Einstecken einer Karte nach dem Import fragen</translation>
    </message>
    <message>
        <source>Use this preset now</source>
        <translation>Diese Voreinstellung jetzt verwenden</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Alles ist bereit</translation>
    </message>
    <message>
        <source>Waiting for a card</source>
        <translation>Warten auf eine Karte</translation>
    </message>
    <message>
        <source>Open Stowly</source>
        <translation>Stowly öffnen</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Voreinstellung speichern</translation>
    </message>
    <message>
        <source>Files keep the names the camera gave them.</source>
        <translation>Dateien behalten die Namen, die die Kamera ihnen gegeben hat.</translation>
    </message>
    <message>
        <source>Destination: %1
Folders: %2
File names: %3</source>
        <translation>Ziel: %1
Ordner: %2
Dateinamen: %3</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>keines gewählt</translation>
    </message>
    <message>
        <source>“%1” is saved and ready. Put in a card to start your first offload.</source>
        <translation>„%1“ ist gespeichert und bereit. Stecken Sie eine Karte ein, um Ihre erste Übertragung zu starten.</translation>
    </message>
    <message>
        <source>“%1” is saved and ready.</source>
        <translation>„%1“ ist gespeichert und bereit.</translation>
    </message>
    <message>
        <source>Offload “%1”</source>
        <translation>„%1“ übertragen</translation>
    </message>
    <message>
        <source>Choose a drive or a folder to continue.</source>
        <translation>Wählen Sie ein Laufwerk oder einen Ordner, um fortzufahren.</translation>
    </message>
    <message>
        <source>Choose a destination before saving.</source>
        <translation>Wählen Sie vor dem Speichern ein Ziel.</translation>
    </message>
    <message>
        <source>Give your preset a name.</source>
        <translation>Geben Sie Ihrer Voreinstellung einen Namen.</translation>
    </message>
    <message>
        <source>These folder and file names can’t be used together. Go back and change one of them.</source>
        <translation>Diese Ordner- und Dateinamen können nicht zusammen verwendet werden. Gehen Sie zurück und ändern Sie einen davon.</translation>
    </message>
</context>
<context>
    <name>templateToken</name>
    <message>
        <source>Project name</source>
        <translation>Projektname</translation>
    </message>
    <message>
        <source>Selected camera</source>
        <translation>Gewählte Kamera</translation>
    </message>
    <message>
        <source>Capture date (2026-10-25)</source>
        <translation>Aufnahmedatum (2026-10-25)</translation>
    </message>
    <message>
        <source>Year (2026)</source>
        <translation>Jahr (2026)</translation>
    </message>
    <message>
        <source>Month (10)</source>
        <translation>Monat (10)</translation>
    </message>
    <message>
        <source>Day (25)</source>
        <translation>Tag (25)</translation>
    </message>
    <message>
        <source>Capture time (143005)</source>
        <translation>Aufnahmezeit (143005)</translation>
    </message>
    <message>
        <source>Video, Photo, Audio or Other</source>
        <translation>Video, Foto, Audio oder Sonstige</translation>
    </message>
    <message>
        <source>Card (volume) name</source>
        <translation>Name der Karte (des Datenträgers)</translation>
    </message>
    <message>
        <source>Original file name, no extension</source>
        <translation>Ursprünglicher Dateiname, ohne Endung</translation>
    </message>
    <message>
        <source>Sequence number (0001); {seq:3} for 001</source>
        <translation>Laufende Nummer (0001); {seq:3} für 001</translation>
    </message>
    <message>
        <source>File extension (mp4)</source>
        <translation>Dateiendung (mp4)</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Seq</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Ext</source>
        <translation>Endung</translation>
    </message>
</context>
</TS>
