<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AppModelReports</name>
    <message>
        <source>The record of this offload for its reports couldn’t be saved: %1</source>
        <translation>No se pudieron guardar los datos de este volcado para sus informes: %1</translation>
    </message>
</context>
<context>
    <name>BugReport</name>
    <message>
        <source>Please e-mail this report and the files beside it to %1.</source>
        <translation>Envía por correo este informe y los archivos que lo acompañan a %1.</translation>
    </message>
    <message>
        <source>What happened?</source>
        <translation>¿Qué ha pasado?</translation>
    </message>
    <message>
        <source>(Stowly quit unexpectedly. What were you doing just before?)</source>
        <translation>(Stowly se cerró inesperadamente. ¿Qué estabas haciendo justo antes?)</translation>
    </message>
    <message>
        <source>(What were you doing, and what went wrong? Steps to make it happen again help a lot.)</source>
        <translation>(¿Qué estabas haciendo y qué salió mal? Los pasos para que vuelva a ocurrir ayudan mucho.)</translation>
    </message>
    <message>
        <source>Stowly’s recent log:</source>
        <translation>Registro reciente de Stowly:</translation>
    </message>
    <message>
        <source>(nothing logged recently)</source>
        <translation>(nada registrado recientemente)</translation>
    </message>
</context>
<context>
    <name>CardAtPath</name>
    <message>
        <source>That’s your startup disk.</source>
        <translation>Ese es tu disco de arranque.</translation>
    </message>
    <message>
        <source>There’s no folder at “%1”.</source>
        <translation>No hay ninguna carpeta en «%1».</translation>
    </message>
    <message>
        <source>“%1” isn’t a folder.</source>
        <translation>«%1» no es una carpeta.</translation>
    </message>
</context>
<context>
    <name>CardCommands</name>
    <message>
        <source>No card is mounted.</source>
        <translation>No hay ninguna tarjeta montada.</translation>
    </message>
    <message>
        <source>Stowly has no offloads of %1 to forget.</source>
        <translation>Stowly no tiene volcados de %1 que olvidar.</translation>
    </message>
    <message>
        <source>Stowly only formats memory cards.</source>
        <translation>Stowly solo formatea tarjetas de memoria.</translation>
    </message>
    <message>
        <source>This card is empty</source>
        <translation>Esta tarjeta está vacía</translation>
    </message>
    <message>
        <source>Add --discard-short-clips to format anyway; the skipped short clips have no copy and are lost.</source>
        <translation>Añade --discard-short-clips para formatearla de todos modos; los clips cortos omitidos no tienen copia y se perderán.</translation>
    </message>
    <message>
        <source>The card is being formatted; Stowly finishes first.</source>
        <translation>La tarjeta se está formateando; Stowly termina eso primero.</translation>
    </message>
    <message>
        <source>%1 ejected, safe to remove.</source>
        <translation>%1 expulsada; ya se puede retirar.</translation>
    </message>
    <message>
        <source>%1 is already mounted at %2.</source>
        <translation>%1 ya está montada en %2.</translation>
    </message>
    <message>
        <source>Stowly found no card %1 that isn’t mounted. “stowly-cli cards” lists them.</source>
        <translation>Stowly no ha encontrado ninguna tarjeta %1 sin montar. «stowly-cli cards» las muestra.</translation>
    </message>
    <message>
        <source>Couldn’t mount %1: %2</source>
        <translation>No se pudo montar %1: %2</translation>
    </message>
    <message>
        <source>%1 mounted at %2.</source>
        <translation>%1 montada en %2.</translation>
    </message>
</context>
<context>
    <name>CardFormatter</name>
    <message>
        <source>Stowly couldn’t read information about %1.</source>
        <translation>Stowly no pudo leer la información de %1.</translation>
    </message>
    <message>
        <source>Stowly couldn’t check your startup disk, so it won’t format anything.</source>
        <translation>Stowly no pudo comprobar tu disco de arranque, así que no formateará nada.</translation>
    </message>
    <message>
        <source>this format</source>
        <translation>este formato</translation>
    </message>
    <message>
        <source>%1 uses %2. Stowly formats exFAT and FAT32 cards only — format it in your camera instead.</source>
        <translation>%1 usa %2. Stowly solo formatea tarjetas exFAT y FAT32 — formatéala en la cámara.</translation>
    </message>
    <message>
        <source>Something on %1 changed and isn’t offloaded yet, so it wasn’t formatted.</source>
        <translation>Algo en %1 ha cambiado y aún no está volcado, así que no se ha formateado.</translation>
    </message>
</context>
<context>
    <name>CascadeCopy</name>
    <message>
        <source>The copy of “%1” at “%2” no longer matches what the card gave; copy it from the card again.</source>
        <translation>La copia de «%1» en «%2» ya no coincide con lo que se leyó de la tarjeta; vuelve a copiarla desde la tarjeta.</translation>
    </message>
    <message>
        <source>Another file is already at “%1”.</source>
        <translation>Ya hay otro archivo en «%1».</translation>
    </message>
</context>
<context>
    <name>CascadeQueue</name>
    <message>
        <source>The ASC MHL history in %1 wasn’t written: %2</source>
        <translation>No se escribió el historial ASC MHL de %1: %2</translation>
    </message>
</context>
<context>
    <name>ClipFactsReader</name>
    <message>
        <source>The clip’s index is missing: a camera that lost power while recording leaves clips like this.</source>
        <translation>Falta el índice del clip: así quedan los clips cuando la cámara se queda sin alimentación mientras graba.</translation>
    </message>
    <message>
        <source>The clip ends before its index says: it was cut off while it was being written.</source>
        <translation>El clip termina antes de lo que indica su índice: se interrumpió mientras se escribía.</translation>
    </message>
    <message>
        <source>Most of the clip isn’t in its index: a camera that lost power while recording leaves clips like this.</source>
        <translation>La mayor parte del clip no figura en su índice: así quedan los clips cuando la cámara se queda sin alimentación mientras graba.</translation>
    </message>
</context>
<context>
    <name>ClipsStageContent</name>
    <message>
        <source>This Card Couldn’t Be Read</source>
        <translation>No se pudo leer esta tarjeta</translation>
    </message>
    <message>
        <source>Nothing in These Dates</source>
        <translation>Nada en estas fechas</translation>
    </message>
    <message>
        <source>The only new file is from another day.</source>
        <translation>El único archivo nuevo es de otro día.</translation>
    </message>
    <message>
        <source>Show Any Date</source>
        <translation>Mostrar cualquier fecha</translation>
    </message>
    <message>
        <source>Only Short Clips</source>
        <translation>Solo clips cortos</translation>
    </message>
    <message>
        <source>The only new video is shorter than %1.</source>
        <translation>El único vídeo nuevo dura menos de %1.</translation>
    </message>
    <message>
        <source>All Caught Up</source>
        <translation>Todo al día</translation>
    </message>
    <message>
        <source>The new files on this card are types you turned off in Settings.</source>
        <translation>Los archivos nuevos de esta tarjeta son de tipos que desactivaste en Ajustes.</translation>
    </message>
    <message>
        <source>Everything on this card has already been offloaded.</source>
        <translation>Todo lo de esta tarjeta ya se ha volcado.</translation>
    </message>
    <message>
        <source>Copies Missing</source>
        <translation>Faltan copias</translation>
    </message>
    <message>
        <source>1 file was offloaded before, but its copy is no longer at the destination.</source>
        <translation>1 archivo se volcó antes, pero su copia ya no está en el destino.</translation>
    </message>
    <message>
        <source>Whatever it couldn’t read isn’t offloaded, and the card won’t count as offloaded until all of it can be read. Check the card and the reader, then insert it again.</source>
        <translation>Lo que no se pudo leer no se ha volcado, y la tarjeta no contará como volcada hasta que se pueda leer entera. Revisa la tarjeta y el lector, y vuelve a insertarla.</translation>
    </message>
    <message numerus="yes">
        <source>The %n new files are all from other days.</source>
        <translation>
            <numerusform>Los %n archivos nuevos son todos de otros días.</numerusform>
            <numerusform>Los %n archivos nuevos son todos de otros días.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n new videos are all shorter than %1.</source>
        <translation>
            <numerusform>Los %n vídeos nuevos duran todos menos de %1.</numerusform>
            <numerusform>Los %n vídeos nuevos duran todos menos de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were offloaded before, but their copies are no longer at the destination.</source>
        <translation>
            <numerusform>%n archivo se volcó antes, pero su copia ya no está en el destino.</numerusform>
            <numerusform>%n archivos se volcaron antes, pero sus copias ya no están en el destino.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--to needs a folder.</source>
        <translation>--to necesita una carpeta.</translation>
    </message>
    <message>
        <source>--also needs a folder.</source>
        <translation>--also necesita una carpeta.</translation>
    </message>
    <message>
        <source>--cascade needs a folder.</source>
        <translation>--cascade necesita una carpeta.</translation>
    </message>
    <message>
        <source>--camera needs the name of one of your cameras.</source>
        <translation>--camera necesita el nombre de una de tus cámaras.</translation>
    </message>
    <message>
        <source>--reoffload takes off, missing or everything, not %1.</source>
        <translation>--reoffload admite off, missing o everything, no %1.</translation>
    </message>
    <message>
        <source>--dates takes any, today, last7days or two dates like 2024-05-01..2024-05-03, not %1.</source>
        <translation>--dates admite any, today, last7days o dos fechas como 2024-05-01..2024-05-03, no %1.</translation>
    </message>
    <message>
        <source>--card needs a card.</source>
        <translation>--card necesita una tarjeta.</translation>
    </message>
    <message>
        <source>--preset needs the name of one of your presets.</source>
        <translation>--preset necesita el nombre de uno de tus preajustes.</translation>
    </message>
    <message>
        <source>--hook needs a program.</source>
        <translation>--hook necesita un programa.</translation>
    </message>
    <message>
        <source>--run needs the id of an offload, or last.</source>
        <translation>--run necesita el id de un volcado, o last.</translation>
    </message>
    <message>
        <source>--day takes today, yesterday or a date like 2024-05-01, not %1.</source>
        <translation>--day admite today, yesterday o una fecha como 2024-05-01, no %1.</translation>
    </message>
    <message>
        <source>--out needs a folder.</source>
        <translation>--out necesita una carpeta.</translation>
    </message>
    <message>
        <source>Name a command.</source>
        <translation>Indica un comando.</translation>
    </message>
    <message>
        <source>There’s no command %1.</source>
        <translation>No existe el comando %1.</translation>
    </message>
    <message>
        <source>%1 has no option %2.</source>
        <translation>%1 no tiene la opción %2.</translation>
    </message>
    <message>
        <source>--%1 needs a value.</source>
        <translation>--%1 necesita un valor.</translation>
    </message>
    <message>
        <source>--%1 takes no value.</source>
        <translation>--%1 no admite ningún valor.</translation>
    </message>
    <message>
        <source>mount needs a card that isn’t mounted: its device or its name.</source>
        <translation>mount necesita una tarjeta sin montar: su dispositivo o su nombre.</translation>
    </message>
    <message>
        <source>verify needs a folder with an ASC MHL history.</source>
        <translation>verify necesita una carpeta con un historial ASC MHL.</translation>
    </message>
    <message>
        <source>%1 needs a card: the mount point of a card, or a folder.</source>
        <translation>%1 necesita una tarjeta: el punto de montaje de una tarjeta, o una carpeta.</translation>
    </message>
    <message>
        <source>%1 doesn’t take %2.</source>
        <translation>%1 no admite %2.</translation>
    </message>
    <message>
        <source>report covers one of --run, --card, --day or --project, not several.</source>
        <translation>report abarca solo una de --run, --card, --day o --project, no varias.</translation>
    </message>
    <message>
        <source>format erases everything on the card; add --yes to confirm.</source>
        <translation>format borra todo lo que hay en la tarjeta; añade --yes para confirmar.</translation>
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
        <translation>Uso:
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

CARD es el punto de montaje de una tarjeta que lista «cards», o cualquier carpeta.
offload admite varias tarjetas a la vez: las que copian a una misma unidad se turnan, las
demás copian en paralelo; cada una recibe su resumen, y el código de salida es el peor de
ellos.
mount admite una tarjeta que «cards» lista como no montada, por su dispositivo o su
nombre.
--allow-password-prompt deja que el sistema te pida la contraseña en el terminal cuando la
requieren el borrado, la expulsión o el montaje; sin esta opción, Stowly nunca espera una
contraseña.
presets lista tus preajustes; save guarda los ajustes actuales con el nombre NAME, update
da al preajuste NAME los ajustes actuales.
rules lista las reglas que vuelcan por sí solas las tarjetas insertadas, en el orden en
que se prueban; WHAT es any, name:PATTERN (como name:A*_CARD), identity:ID o camera:NAME.
Las RULE OPTIONS son --preset NAME, --project NAME, --ask (mostrar la tarjeta, sin
empezar) y --eject (expulsar la tarjeta una vez verificada); remove admite el número de la
regla.
station vuelca cada tarjeta insertada (y las que ya estaban) según las reglas, o cada
tarjeta con --preset (y --project), e informa de cada evento en una línea hasta que se
detiene (Ctrl-C o SIGTERM). --mount monta en solo lectura las tarjetas que nada ha
montado, --eject expulsa cada tarjeta verificada, --hook ejecuta PROGRAM tras cada tarjeta
con su JSON por la entrada estándar; --allow-password-prompt como arriba.
verify lee cada archivo que registra el historial ASC MHL de DIR e informa de los que
faltan o han cambiado y de los que el historial no registra; --record añade el resultado
al historial.
report escribe el informe de un volcado (el último si no eliges ninguno), de todo el
historial de una tarjeta, de un día (today, yesterday o 2024-05-01) o de los volcados de
un proyecto, en los formatos que indica --format (pdf,csv si no se indica), en DIR (la
carpeta actual si no se indica); la forma JSON de un informe indica el id de cada volcado.

RUN OPTIONS: solo para esta ejecución (los ajustes se quedan como están):
  --to DIR             copiar en DIR
  --also DIR           copiar también en DIR, con los mismos nombres (se puede repetir;
                       sustituye los destinos de copia de seguridad de los ajustes)
  --cascade DIR        como --also, pero copiando desde la copia comprobada de cada archivo
                       en el destino, para que la tarjeta quede libre antes
  --verify-source      volver a leer cada archivo de la tarjeta una vez verificadas sus
                       copias
  --mhl                añadir una generación al historial ASC MHL de cada destino
  --project NAME       el nombre del proyecto para las plantillas de nombres
  --camera NAME        una de tus cámaras, por nombre o código
  --quick-dump         sin proyecto: todo en carpetas con la fecha (volcado rápido)
  --reoffload off|missing|everything
                       volver a copiar los archivos ya volcados
  --include-short      copiar también los clips cortos
  --dates any|today|last7days|FROM..TO
                       solo archivos de estos días (FROM y TO como 2024-05-01)

Código de salida: 0 hecho, 1 un archivo falló o no coincidía con su historial, no se pudo
guardar el historial de Stowly, o se rechazó o falló un formateo o una expulsión, 2 error
de uso, 3 el volcado no puede empezar (el motivo aparece en la salida de error estándar),
130 interrumpido.
</translation>
    </message>
    <message>
        <source>--station needs a station’s name.</source>
        <translation>--station necesita el nombre de una estación.</translation>
    </message>
    <message>
        <source>history lists one of --card or --station, not both.</source>
        <translation>history muestra --card o --station, no ambos.</translation>
    </message>
    <message>
        <source>history-server takes status, import or export, not %1.</source>
        <translation>history-server admite status, import o export, no %1.</translation>
    </message>
    <message>
        <source>history-server export needs --out FILE, a history file to write.</source>
        <translation>history-server export necesita --out ARCHIVO, el archivo de historial que escribir.</translation>
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
        <translation>Un historial que comparten varias estaciones (ajuste historyServer):
  stowly-cli history  --station NAME [--json]
  stowly-cli history-server status|import [--json]
  stowly-cli history-server export --out FILE [--station NAME]
history indica la estación de cada copia; --station muestra las copias de una estación.
history-server status dice si el servidor responde y qué tiene allí cada estación;
import envía todo el historial de esta estación al servidor (las copias que ya
tiene no se guardan dos veces); export escribe las copias de una estación (esta,
si no se nombra otra) en ARCHIVO, con el formato de ledger.json.
</translation>
    </message>
</context>
<context>
    <name>Copier</name>
    <message>
        <source>Couldn’t open %1 for reading</source>
        <translation>No se pudo abrir %1 para leerlo</translation>
    </message>
    <message>
        <source>Couldn’t read %1</source>
        <translation>No se pudo leer %1</translation>
    </message>
    <message>
        <source>Couldn’t verify %1</source>
        <translation>No se pudo verificar %1</translation>
    </message>
    <message>
        <source>Couldn’t write %1</source>
        <translation>No se pudo escribir %1</translation>
    </message>
    <message>
        <source>Couldn’t flush %1 to the disk</source>
        <translation>No se pudo escribir %1 por completo en el disco</translation>
    </message>
    <message>
        <source>Couldn’t close %1</source>
        <translation>No se pudo cerrar %1</translation>
    </message>
    <message>
        <source>Couldn’t read back %1</source>
        <translation>No se pudo releer %1</translation>
    </message>
    <message>
        <source>%1: another file took its place.</source>
        <translation>%1: otro archivo ha ocupado su lugar.</translation>
    </message>
    <message>
        <source>Couldn’t rename %1 to %2</source>
        <translation>No se pudo cambiar el nombre de %1 a %2</translation>
    </message>
    <message>
        <source>Couldn’t flush the folder of %1 to the disk</source>
        <translation>No se pudo escribir por completo en el disco la carpeta de %1</translation>
    </message>
</context>
<context>
    <name>CopierError</name>
    <message>
        <source>the destination is full</source>
        <translation>el destino está lleno</translation>
    </message>
    <message>
        <source>the destination is read-only</source>
        <translation>el destino es de solo lectura</translation>
    </message>
    <message>
        <source>Stowly isn’t allowed to write to the destination</source>
        <translation>Stowly no tiene permiso para escribir en el destino</translation>
    </message>
    <message>
        <source>%1 already exists — not overwriting it.</source>
        <translation>%1 ya existe — no se sobrescribe.</translation>
    </message>
    <message>
        <source>Couldn’t create %1 in the destination: %2.</source>
        <translation>No se pudo crear %1 en el destino: %2.</translation>
    </message>
    <message>
        <source>Couldn’t create %1 in the destination.</source>
        <translation>No se pudo crear %1 en el destino.</translation>
    </message>
    <message>
        <source>Checksum mismatch for %1. The copy was deleted.</source>
        <translation>La suma de comprobación de %1 no coincide. Se ha eliminado la copia.</translation>
    </message>
    <message>
        <source>%1 changed while it was being copied.</source>
        <translation>%1 cambió mientras se copiaba.</translation>
    </message>
    <message>
        <source>%1 read differently from the card the second time. The card or its reader may be failing, so the copies were deleted.</source>
        <translation>%1 se leyó de forma distinta de la tarjeta la segunda vez. Puede que la tarjeta o su lector estén fallando, así que se han eliminado las copias.</translation>
    </message>
</context>
<context>
    <name>CopyFailure</name>
    <message>
        <source>The copy of %1 was cancelled.</source>
        <translation>Se canceló la copia de %1.</translation>
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
        <translation>Stowly se cerró inesperadamente la última vez. ¿Enviar un informe de fallo?</translation>
    </message>
    <message>
        <source>This opens a new email to %1 with the crash report and Stowly’s recent log attached. File, card and drive names are left out. You can read it over before sending.</source>
        <translation>Se abrirá un correo nuevo para %1 con el informe de fallo y el registro reciente de Stowly adjuntos. No se incluyen nombres de archivos, tarjetas ni unidades. Puedes revisarlo antes de enviarlo.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Enviar informe</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ahora no</translation>
    </message>
</context>
<context>
    <name>DurationFormatting</name>
    <message>
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExamplePaths</name>
    <message>
        <source>Fix the problems above to see an example.</source>
        <translation>Corrige los problemas de arriba para ver un ejemplo.</translation>
    </message>
</context>
<context>
    <name>FolderLevelsEditor</name>
    <message>
        <source>Drag between folders for a new level, or onto the side of a folder’s name to combine them. Click to add it as the last folder.</source>
        <translation>Arrastra entre carpetas para crear un nivel nuevo, o junto al nombre de una carpeta para combinarlos. Haz clic para añadirlo como última carpeta.</translation>
    </message>
</context>
<context>
    <name>FormatAlert</name>
    <message>
        <source>Format</source>
        <translation>Formatear</translation>
    </message>
    <message>
        <source>Format and Discard 1 Short Clip</source>
        <translation>Formatear y descartar 1 clip corto</translation>
    </message>
    <message numerus="yes">
        <source>Format and Discard %n Short Clips</source>
        <translation>
            <numerusform>Formatear y descartar %n clip corto</numerusform>
            <numerusform>Formatear y descartar %n clips cortos</numerusform>
        </translation>
    </message>
    <message>
        <source>Erase this card. The skipped short clips weren’t offloaded and will be lost</source>
        <translation>Borra esta tarjeta. Los clips cortos omitidos no se volcaron y se perderán</translation>
    </message>
    <message>
        <source>Erase this card so it’s ready for new footage</source>
        <translation>Borra esta tarjeta para que quede lista para material nuevo</translation>
    </message>
    <message>
        <source>Available once Stowly can read the whole card and every file on it has a verified copy</source>
        <translation>Disponible cuando Stowly pueda leer toda la tarjeta y cada archivo tenga una copia verificada</translation>
    </message>
    <message>
        <source>Offload the other files first. Include or remove short clips first, or format and discard them</source>
        <translation>Vuelca primero los demás archivos. Antes, incluye o quita los clips cortos, o formatea y descártalos</translation>
    </message>
    <message>
        <source>Available once every file on the card has a verified copy</source>
        <translation>Disponible cuando cada archivo de la tarjeta tenga una copia verificada</translation>
    </message>
    <message>
        <source>The 1 other file</source>
        <translation>Del otro archivo</translation>
    </message>
    <message>
        <source>The 1 file</source>
        <translation>Del único archivo</translation>
    </message>
    <message>
        <source> (%1) on this card were copied and verified</source>
        <translation> (%1) de esta tarjeta ya hay copia verificada</translation>
    </message>
    <message>
        <source> to %1</source>
        <translation> en %1</translation>
    </message>
    <message>
        <source>.

1 short clip (skipped by “Skip videos shorter than”) has no copy and will be lost</source>
        <translation>.

1 clip corto (omitido por «Omitir vídeos de menos de») no tiene copia y se perderá</translation>
    </message>
    <message>
        <source>.

1 ignored item (system files and your ignore list) weren’t copied and will be erased too</source>
        <translation>.

1 elemento ignorado (archivos del sistema y tu lista de ignorados) no se copió y también se borrará</translation>
    </message>
    <message>
        <source>.

Formatting erases everything on “%1”. This can’t be undone.

Tip: formatting in your camera is usually best, because it sets the card up exactly the way the camera expects.</source>
        <translation>.

Formatear borra todo lo que hay en «%1». No se puede deshacer.

Consejo: suele ser mejor formatear en la cámara, porque deja la tarjeta preparada exactamente como la cámara espera.</translation>
    </message>
    <message>
        <source>Format “%1”?</source>
        <translation>¿Formatear «%1»?</translation>
    </message>
    <message>
        <source>“%1” wasn’t formatted. %2</source>
        <translation>«%1» no se ha formateado. %2</translation>
    </message>
    <message>
        <source>Formatting “%1”…</source>
        <translation>Formateando «%1»…</translation>
    </message>
    <message>
        <source>“%1” was formatted and is ready for your camera.</source>
        <translation>«%1» se ha formateado y está lista para tu cámara.</translation>
    </message>
    <message numerus="yes">
        <source>The other %n files</source>
        <translation>
            <numerusform>De los otros %n archivos</numerusform>
            <numerusform>De los otros %n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n files</source>
        <translation>
            <numerusform>De todos los %n archivos</numerusform>
            <numerusform>De todos los %n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>.

%n short clips (skipped by “Skip videos shorter than”) have no copy and will be lost</source>
        <translation>
            <numerusform>.

%n clip corto (omitido por «Omitir vídeos de menos de») no tiene copia y se perderá</numerusform>
            <numerusform>.

%n clips cortos (omitidos por «Omitir vídeos de menos de») no tienen copia y se perderán</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>.

%n ignored items (system files and your ignore list) weren’t copied and will be erased too</source>
        <translation>
            <numerusform>.

%n elemento ignorado (archivos del sistema y tu lista de ignorados) no se copió y también se borrará</numerusform>
            <numerusform>.

%n elementos ignorados (archivos del sistema y tu lista de ignorados) no se copiaron y también se borrarán</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FormatGuard</name>
    <message>
        <source>The card’s location changed. Reinsert it and try again.</source>
        <translation>La ubicación de la tarjeta ha cambiado. Vuelve a insertarla e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Stowly only formats memory cards.</source>
        <translation>Stowly solo formatea tarjetas de memoria.</translation>
    </message>
    <message>
        <source>This card is mounted in more than one place, so Stowly won’t format it.</source>
        <translation>Esta tarjeta está montada en más de un sitio, así que Stowly no la formateará.</translation>
    </message>
    <message>
        <source>The system gives conflicting answers about this card, so Stowly won’t format it.</source>
        <translation>El sistema da respuestas contradictorias sobre esta tarjeta, así que Stowly no la formateará.</translation>
    </message>
    <message>
        <source>That’s your startup disk.</source>
        <translation>Ese es tu disco de arranque.</translation>
    </message>
    <message>
        <source>This drive is part of your %1, so Stowly won’t format it.</source>
        <translation>Esta unidad forma parte de tu %1, así que Stowly no la formateará.</translation>
    </message>
    <message>
        <source>Stowly only formats removable cards.</source>
        <translation>Stowly solo formatea tarjetas extraíbles.</translation>
    </message>
    <message>
        <source>Your destination folder is on this card.</source>
        <translation>Tu carpeta de destino está en esta tarjeta.</translation>
    </message>
    <message>
        <source>Your destination folder is on the same drive as this card.</source>
        <translation>Tu carpeta de destino está en la misma unidad que esta tarjeta.</translation>
    </message>
</context>
<context>
    <name>FormatReadiness</name>
    <message>
        <source>1 file not yet offloaded</source>
        <translation>1 archivo aún sin volcar</translation>
    </message>
    <message>
        <source>1 copy missing at the destination</source>
        <translation>Falta 1 copia en el destino</translation>
    </message>
    <message>
        <source>1 short clip not offloaded</source>
        <translation>1 clip corto sin volcar</translation>
    </message>
    <message numerus="yes">
        <source>%n files not yet offloaded</source>
        <translation>
            <numerusform>%n archivo aún sin volcar</numerusform>
            <numerusform>%n archivos aún sin volcar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n copies missing at the destination</source>
        <translation>
            <numerusform>Falta %n copia en el destino</numerusform>
            <numerusform>Faltan %n copias en el destino</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n short clips not offloaded</source>
        <translation>
            <numerusform>%n clip corto sin volcar</numerusform>
            <numerusform>%n clips cortos sin volcar</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file copied only where another station can check it</source>
        <translation>1 archivo copiado solo donde otra estación puede comprobarlo</translation>
    </message>
    <message numerus="yes">
        <source>%n files copied only where another station can check them</source>
        <translation>
            <numerusform>%n archivo copiado solo donde otra estación puede comprobarlo</numerusform>
            <numerusform>%n archivos copiados solo donde otra estación puede comprobarlos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GenerationWriter</name>
    <message>
        <source>“%1” can’t be recorded in the ASC MHL history: the path is recorded twice or leaves the folder.</source>
        <translation>«%1» no se puede registrar en el historial ASC MHL: la ruta figura dos veces o sale de la carpeta.</translation>
    </message>
    <message>
        <source>“%1” can’t be recorded in the ASC MHL history: its XXH3-128 value isn’t one.</source>
        <translation>«%1» no se puede registrar en el historial ASC MHL: su valor XXH3-128 no es válido.</translation>
    </message>
    <message>
        <source>“%1” can’t be recorded in the ASC MHL history: its %2 value isn’t one.</source>
        <translation>«%1» no se puede registrar en el historial ASC MHL: su valor %2 no es válido.</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>el archivo cambió mientras se leía</translation>
    </message>
</context>
<context>
    <name>HistoryJsonReader</name>
    <message>
        <source>the file isn’t valid JSON</source>
        <translation>el archivo no es JSON válido</translation>
    </message>
    <message>
        <source>the file doesn’t hold a list of entries</source>
        <translation>el archivo no contiene una lista de entradas</translation>
    </message>
    <message>
        <source>entry %1</source>
        <translation>la entrada %1</translation>
    </message>
    <message>
        <source>%1 isn’t an object</source>
        <translation>%1 no es un objeto</translation>
    </message>
    <message>
        <source>%1 has a “%2” of the wrong kind</source>
        <translation>%1 tiene un «%2» de un tipo incorrecto</translation>
    </message>
    <message>
        <source>%1 has a date in another form</source>
        <translation>%1 tiene una fecha en otro formato</translation>
    </message>
    <message>
        <source>%1 has no “%2”</source>
        <translation>%1 no tiene «%2»</translation>
    </message>
</context>
<context>
    <name>HistoryServerCommand</name>
    <message>
        <source>at %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>This station has no shared history: name its server in the setting historyServer (stowly-cli settings historyServer &quot;host=… dbname=… user=…&quot;).</source>
        <translation>Esta estación no tiene historial compartido: indica su servidor en el ajuste historyServer (stowly-cli settings historyServer &quot;host=… dbname=… user=…&quot;).</translation>
    </message>
    <message>
        <source>The history server %1 answers; this station is %2.</source>
        <translation>El servidor de historial %1 responde; esta estación es %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n copies</source>
        <translation>
            <numerusform>%n copia</numerusform>
            <numerusform>%n copias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The history server holds this station’s %n copies; %1 of them were new to it.</source>
        <translation>
            <numerusform>El servidor de historial tiene la %n copia de esta estación; %1 era nueva para él.</numerusform>
            <numerusform>El servidor de historial tiene las %n copias de esta estación; %1 eran nuevas para él.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is there already; Stowly doesn’t overwrite it.</source>
        <translation>%1 ya existe; Stowly no lo sobrescribe.</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n copies of %1 into %2.</source>
        <translation>
            <numerusform>%n copia de %1 escrita en %2.</numerusform>
            <numerusform>%n copias de %1 escritas en %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Listed are this station’s own copies.</source>
        <translation>Se muestran solo las copias de esta estación.</translation>
    </message>
</context>
<context>
    <name>InlineLevel</name>
    <message>
        <source>Underscore</source>
        <translation>Guion bajo</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>Guion</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>JsonFields</name>
    <message>
        <source>%1 lacks “%2”</source>
        <translation>%1 no tiene «%2»</translation>
    </message>
    <message>
        <source>“%1” of %2 isn’t %3</source>
        <translation>«%1» de %2 no es %3</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true o false</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un número entero</translation>
    </message>
    <message>
        <source>a UUID</source>
        <translation>un UUID</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>una lista</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objeto</translation>
    </message>
    <message>
        <source>%1 isn’t an object</source>
        <translation>%1 no es un objeto</translation>
    </message>
</context>
<context>
    <name>LinuxDiskTool</name>
    <message>
        <source>Stowly wasn’t allowed to erase %1.</source>
        <translation>Stowly no obtuvo permiso para borrar %1.</translation>
    </message>
    <message>
        <source>Stowly wasn’t allowed to mount %1.</source>
        <translation>Stowly no obtuvo permiso para montar %1.</translation>
    </message>
    <message>
        <source>Stowly wasn’t allowed to unmount it.</source>
        <translation>Stowly no obtuvo permiso para desmontarla.</translation>
    </message>
    <message>
        <source>%1 was formatted but couldn’t be mounted again. Take it out and put it back in to use it.</source>
        <translation>%1 se formateó, pero no se pudo volver a montar. Sácala y vuelve a insertarla para usarla.</translation>
    </message>
    <message>
        <source>Couldn’t create the folder %1.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Couldn’t mount %1.</source>
        <translation>No se pudo montar %1.</translation>
    </message>
    <message>
        <source>udisks2 doesn’t know %1.</source>
        <translation>udisks2 no conoce %1.</translation>
    </message>
    <message>
        <source>Stowly couldn’t find %1.</source>
        <translation>Stowly no encontró %1.</translation>
    </message>
    <message>
        <source>Stowly only mounts memory cards.</source>
        <translation>Stowly solo monta tarjetas de memoria.</translation>
    </message>
    <message>
        <source>Couldn’t unmount %1.</source>
        <translation>No se pudo desmontar %1.</translation>
    </message>
    <message>
        <source>udisks2 didn’t answer, so %1 wasn’t erased.</source>
        <translation>udisks2 no respondió, así que %1 no se borró.</translation>
    </message>
    <message>
        <source>Couldn’t unmount %1: %2</source>
        <translation>No se pudo desmontar %1: %2</translation>
    </message>
    <message>
        <source>udisks2 doesn’t know it.</source>
        <translation>udisks2 no la conoce.</translation>
    </message>
    <message>
        <source>udisks2 couldn’t format %1.</source>
        <translation>udisks2 no pudo formatear %1.</translation>
    </message>
    <message>
        <source>Couldn’t run %1: %2</source>
        <translation>No se pudo ejecutar %1: %2</translation>
    </message>
    <message>
        <source>%1 couldn’t format %2.</source>
        <translation>%1 no pudo formatear %2.</translation>
    </message>
    <message>
        <source>Stowly couldn’t read the list of disks.</source>
        <translation>Stowly no pudo leer la lista de discos.</translation>
    </message>
    <message>
        <source>It isn’t mounted any more.</source>
        <translation>Ya no está montada.</translation>
    </message>
    <message>
        <source>Stowly couldn’t tell which disk it is on.</source>
        <translation>Stowly no pudo determinar en qué disco está.</translation>
    </message>
    <message>
        <source>It’s on your startup disk.</source>
        <translation>Está en tu disco de arranque.</translation>
    </message>
    <message>
        <source>udisks2 didn’t answer.</source>
        <translation>udisks2 no respondió.</translation>
    </message>
</context>
<context>
    <name>MailDelivery</name>
    <message>
        <source>No mail program took the report</source>
        <translation>Ningún programa de correo aceptó el informe</translation>
    </message>
    <message>
        <source>Stowly couldn’t open your mail program or keep the report. To report the problem, write to %1.</source>
        <translation>Stowly no pudo abrir tu programa de correo ni guardar el informe. Para informar del problema, escribe a %1.</translation>
    </message>
    <message>
        <source>Stowly couldn’t open your mail program, so the report was kept in “%1”. Please e-mail the files in that folder to %2.</source>
        <translation>Stowly no pudo abrir tu programa de correo, así que el informe se guardó en «%1». Envía por correo los archivos de esa carpeta a %2.</translation>
    </message>
    <message>
        <source>No mail program is set up</source>
        <translation>No hay ningún programa de correo configurado</translation>
    </message>
    <message>
        <source>Write to %1 from any mail program.</source>
        <translation>Escribe a %1 desde cualquier programa de correo.</translation>
    </message>
    <message>
        <source>No web browser is set up</source>
        <translation>No hay ningún navegador web configurado</translation>
    </message>
    <message>
        <source>The page is %1.</source>
        <translation>La página es %1.</translation>
    </message>
</context>
<context>
    <name>ManifestXml</name>
    <message>
        <source>%1 isn’t a valid ASC MHL manifest (line %2: %3).</source>
        <translation>%1 no es un manifiesto ASC MHL válido (línea %2: %3).</translation>
    </message>
    <message>
        <source>unexpected element “%1”</source>
        <translation>elemento inesperado «%1»</translation>
    </message>
    <message>
        <source>“%1” is no date</source>
        <translation>«%1» no es una fecha</translation>
    </message>
    <message>
        <source>creatorinfo lacks its creation date, host name or tool</source>
        <translation>a creatorinfo le falta la fecha de creación, el nombre del host o la herramienta</translation>
    </message>
    <message>
        <source>no process “%1”</source>
        <translation>proceso «%1» desconocido</translation>
    </message>
    <message>
        <source>processinfo lacks its process</source>
        <translation>a processinfo le falta el proceso</translation>
    </message>
    <message>
        <source>no action “%1”</source>
        <translation>acción «%1» desconocida</translation>
    </message>
    <message>
        <source>a file’s hash has no action</source>
        <translation>el hash de un archivo no tiene acción</translation>
    </message>
    <message>
        <source>“%1” is no %2 value</source>
        <translation>«%1» no es un valor %2 válido</translation>
    </message>
    <message>
        <source>%1 appears twice</source>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <source>a hash holds no value</source>
        <translation>un hash no contiene ningún valor</translation>
    </message>
    <message>
        <source>the %1 path “%2” leaves the folder</source>
        <translation>la ruta de %1 «%2» sale de la carpeta</translation>
    </message>
    <message>
        <source>“%1” is recorded twice</source>
        <translation>«%1» figura dos veces</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>a folder hash lacks its path, content or structure</source>
        <translation>a un hash de carpeta le falta la ruta, el contenido o la estructura</translation>
    </message>
    <message>
        <source>a size is no number</source>
        <translation>un tamaño no es un número</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>a file is recorded without a hash</source>
        <translation>un archivo figura sin hash</translation>
    </message>
    <message>
        <source>a reference lacks a safe path or its C4 id</source>
        <translation>a una referencia le falta una ruta segura o su id C4</translation>
    </message>
    <message>
        <source>it is no ASC MHL hashlist</source>
        <translation>no es una lista de hashes ASC MHL</translation>
    </message>
    <message>
        <source>it is not of version 2.0</source>
        <translation>no es de la versión 2.0</translation>
    </message>
    <message>
        <source>creatorinfo or processinfo is missing</source>
        <translation>falta creatorinfo o processinfo</translation>
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
        <translation>%1 can.</translation>
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
        <translation>Puede que este clip esté dañado: %1 Quizá la cámara que lo grabó pueda repararlo, así que no borres la tarjeta antes de intentarlo.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>%1 may be damaged. The camera that recorded it may be able to repair it before the card is erased, never after</source>
        <translation>%1 puede estar dañado. Quizá la cámara que lo grabó pueda repararlo antes de que se borre la tarjeta, nunca después</translation>
    </message>
    <message>
        <source>%1 may be damaged. The camera that recorded them may be able to repair them before the card is erased, never after</source>
        <translation>%1 pueden estar dañados. Quizá la cámara que los grabó pueda repararlos antes de que se borre la tarjeta, nunca después</translation>
    </message>
</context>
<context>
    <name>MediaTileInfo</name>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
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
        <translation>Otro</translation>
    </message>
    <message>
        <source>, from %1</source>
        <translation>, de %1</translation>
    </message>
    <message>
        <source>, %1 long</source>
        <translation>, duración %1</translation>
    </message>
    <message>
        <source>, with 1 sidecar</source>
        <translation>, con 1 archivo complementario</translation>
    </message>
    <message>
        <source>, copying now</source>
        <translation>, copiándose</translation>
    </message>
    <message>
        <source>, copied and verified</source>
        <translation>, copiado y verificado</translation>
    </message>
    <message>
        <source>, already offloaded</source>
        <translation>, ya volcado</translation>
    </message>
    <message>
        <source>, copy missing at the destination</source>
        <translation>, falta la copia en el destino</translation>
    </message>
    <message>
        <source>, short clip, skipped</source>
        <translation>, clip corto, omitido</translation>
    </message>
    <message>
        <source>, short clip included anyway</source>
        <translation>, clip corto incluido de todos modos</translation>
    </message>
    <message>
        <source>, will be re-offloaded</source>
        <translation>, se volverá a volcar</translation>
    </message>
    <message>
        <source>, may be damaged</source>
        <translation>, puede estar dañado</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>1 sidecar</source>
        <translation>1 archivo complementario</translation>
    </message>
    <message>
        <source>Copy missing at the destination</source>
        <translation>Falta la copia en el destino</translation>
    </message>
    <message>
        <source>Will be copied again as a new copy</source>
        <translation>Se volverá a copiar como copia nueva</translation>
    </message>
    <message>
        <source>Shorter than the “Skip videos shorter than” limit, included anyway</source>
        <translation>Más corto que el límite de «Omitir vídeos de menos de», incluido de todos modos</translation>
    </message>
    <message>
        <source>Has 1 sidecar file, copied with it</source>
        <translation>Tiene 1 archivo complementario, que se copia con él</translation>
    </message>
    <message numerus="yes">
        <source>, with %n sidecars</source>
        <translation>
            <numerusform>, con %n archivo complementario</numerusform>
            <numerusform>, con %n archivos complementarios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sidecars</source>
        <translation>
            <numerusform>%n archivo complementario</numerusform>
            <numerusform>%n archivos complementarios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sidecar files, copied with it</source>
        <translation>
            <numerusform>Tiene %n archivo complementario, que se copia con él</numerusform>
            <numerusform>%n archivos complementarios, que se copian con él</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuBarItem</name>
    <message>
        <source>No Cards Connected</source>
        <translation>No hay tarjetas conectadas</translation>
    </message>
    <message>
        <source>Cards &amp; Drives</source>
        <translation>Tarjetas y unidades</translation>
    </message>
    <message>
        <source>Import from %1…</source>
        <translation>Importar de %1…</translation>
    </message>
    <message>
        <source>Resume Detection</source>
        <translation>Reanudar detección</translation>
    </message>
    <message>
        <source>Pause Detection</source>
        <translation>Pausar detección</translation>
    </message>
    <message>
        <source>Open Stowly</source>
        <translation>Abrir Stowly</translation>
    </message>
    <message>
        <source>Offloading… (imports wait until it’s done)</source>
        <translation>Volcando… (las importaciones esperan a que termine)</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ajustes…</translation>
    </message>
    <message>
        <source>Quit Stowly</source>
        <translation>Salir de Stowly</translation>
    </message>
</context>
<context>
    <name>MhlChain</name>
    <message>
        <source>%1 isn’t a valid ASC MHL chain (line %2: %3).</source>
        <translation>%1 no es una cadena ASC MHL válida (línea %2: %3).</translation>
    </message>
    <message>
        <source>unexpected element “%1”</source>
        <translation>elemento inesperado «%1»</translation>
    </message>
    <message>
        <source>it is no ASC MHL chain</source>
        <translation>no es una cadena ASC MHL</translation>
    </message>
    <message>
        <source>the generations don’t run 1, 2, 3…</source>
        <translation>las generaciones no siguen el orden 1, 2, 3…</translation>
    </message>
    <message>
        <source>generation %1 lacks its file name or its C4 id</source>
        <translation>a la generación %1 le falta el nombre de archivo o el id C4</translation>
    </message>
</context>
<context>
    <name>MhlHistory</name>
    <message>
        <source>Couldn’t read %1: %2.</source>
        <translation>No se pudo leer %1: %2.</translation>
    </message>
    <message>
        <source>The ASC MHL history in %1 has manifests but no %2.</source>
        <translation>El historial ASC MHL de %1 tiene manifiestos, pero no %2.</translation>
    </message>
    <message>
        <source>%1 was changed after it was written: its C4 id isn’t the one %2 holds.</source>
        <translation>%1 se modificó después de escribirse: su id C4 no es el que contiene %2.</translation>
    </message>
    <message>
        <source>The ASC MHL history in %1 holds %2, which its chain doesn’t list and which isn’t a manifest Stowly can read, so it adds no generation beside it.</source>
        <translation>El historial ASC MHL de %1 contiene %2, que su cadena no incluye y que no es un manifiesto que Stowly pueda leer, así que no añade ninguna generación junto a él.</translation>
    </message>
</context>
<context>
    <name>ModelHost</name>
    <message>
        <source>The copies are recorded on this station, and go to the shared history once its server answers.</source>
        <translation>Las copias quedan registradas en esta estación y pasarán al historial compartido en cuanto su servidor responda.</translation>
    </message>
</context>
<context>
    <name>NamingPreset</name>
    <message>
        <source>Date / Project</source>
        <translation>Fecha / Proyecto</translation>
    </message>
    <message>
        <source>Project / Date / Camera</source>
        <translation>Proyecto / Fecha / Cámara</translation>
    </message>
    <message>
        <source>Project / Type / Date</source>
        <translation>Proyecto / Tipo / Fecha</translation>
    </message>
    <message>
        <source>Year / Month / Day</source>
        <translation>Año / Mes / Día</translation>
    </message>
    <message>
        <source>Date / Project, Original Names</source>
        <translation>Fecha / Proyecto, nombres originales</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Plana</translation>
    </message>
</context>
<context>
    <name>NamingTemplate</name>
    <message>
        <source>A “{” is missing its closing “}”.</source>
        <translation>Falta la «}» de cierre de una «{».</translation>
    </message>
    <message>
        <source>There’s a “}” without a matching “{”.</source>
        <translation>Hay una «}» sin su «{» correspondiente.</translation>
    </message>
    <message>
        <source>“/” isn’t allowed in the file name. Use the folder structure for folders.</source>
        <translation>No se permite «/» en el nombre de archivo. Usa la estructura de carpetas para las carpetas.</translation>
    </message>
    <message>
        <source>“%1” isn’t allowed in file or folder names.</source>
        <translation>No se permite «%1» en nombres de archivo o de carpeta.</translation>
    </message>
    <message>
        <source>Names can’t contain tabs or line breaks.</source>
        <translation>Los nombres no pueden contener tabulaciones ni saltos de línea.</translation>
    </message>
    <message>
        <source>“{}” is an empty token. Pick one from the list below.</source>
        <translation>«{}» es un marcador vacío. Elige uno de la lista de abajo.</translation>
    </message>
    <message>
        <source>{%1} isn’t a known token.</source>
        <translation>{%1} no es un marcador conocido.</translation>
    </message>
    <message>
        <source>Only {seq} can take a number, like {seq:3}.</source>
        <translation>Solo {seq} admite un número, como {seq:3}.</translation>
    </message>
    <message>
        <source>{seq:…} needs a number from 1 to 9, like {seq:3}.</source>
        <translation>{seq:…} necesita un número del 1 al 9, como {seq:3}.</translation>
    </message>
    <message>
        <source>{seq} only works in the file name.</source>
        <translation>{seq} solo funciona en el nombre de archivo.</translation>
    </message>
    <message>
        <source>The file name can’t be empty.</source>
        <translation>El nombre de archivo no puede estar vacío.</translation>
    </message>
    <message>
        <source>A folder level is empty. Check for “//” or a “/” at the start or end.</source>
        <translation>Hay un nivel de carpeta vacío. Busca «//» o una «/» al principio o al final.</translation>
    </message>
    <message>
        <source>Use {seq} only once.</source>
        <translation>Usa {seq} solo una vez.</translation>
    </message>
    <message>
        <source>Without {seq} or {original}, files that would get the same name get “_2”, “_3”… added.</source>
        <translation>Sin {seq} ni {original}, a los archivos que recibirían el mismo nombre se les añade «_2», «_3»…</translation>
    </message>
</context>
<context>
    <name>OffloadBlocker</name>
    <message>
        <source>1 copy is missing at the destination — choose Re-offload</source>
        <translation>Falta 1 copia en el destino — elige «Volver a volcar»</translation>
    </message>
    <message>
        <source>Only a short clip is left — choose Include Anyway to offload it</source>
        <translation>Solo queda un clip corto — elige «Incluir igualmente» para volcarlo</translation>
    </message>
    <message>
        <source>Only short clips are left — choose Include All Short Clips to offload them</source>
        <translation>Solo quedan clips cortos — elige «Incluir todos los clips cortos» para volcarlos</translation>
    </message>
    <message>
        <source>Nothing new in the chosen dates — choose Any date to see everything</source>
        <translation>Nada nuevo en las fechas elegidas — elige «Cualquier fecha» para verlo todo</translation>
    </message>
    <message>
        <source>Everything on this card is already offloaded</source>
        <translation>Todo lo de esta tarjeta ya está volcado</translation>
    </message>
    <message>
        <source>Scanning card…</source>
        <translation>Analizando la tarjeta…</translation>
    </message>
    <message>
        <source>Insert a card to begin</source>
        <translation>Inserta una tarjeta para empezar</translation>
    </message>
    <message>
        <source>This card is empty</source>
        <translation>Esta tarjeta está vacía</translation>
    </message>
    <message>
        <source>Fix the naming template in Settings</source>
        <translation>Corrige la plantilla de nombres en Ajustes</translation>
    </message>
    <message>
        <source>Enter a project name</source>
        <translation>Escribe un nombre de proyecto</translation>
    </message>
    <message>
        <source>Choose a camera</source>
        <translation>Elige una cámara</translation>
    </message>
    <message>
        <source>Choose a destination folder</source>
        <translation>Elige una carpeta de destino</translation>
    </message>
    <message>
        <source>The share “%1” on %2 isn’t answering</source>
        <translation>El recurso compartido «%1» de %2 no responde</translation>
    </message>
    <message>
        <source>The destination folder isn’t answering</source>
        <translation>La carpeta de destino no responde</translation>
    </message>
    <message>
        <source>The backup destination %1 isn’t connected — connect it or remove it from the backups</source>
        <translation>El destino de copia de seguridad %1 no está conectado — conéctalo o quítalo de las copias de seguridad</translation>
    </message>
    <message>
        <source>The destination folder isn’t connected — choose another</source>
        <translation>La carpeta de destino no está conectada — elige otra</translation>
    </message>
    <message>
        <source>The backup destination %1 is on this card.</source>
        <translation>El destino de copia de seguridad %1 está en esta tarjeta.</translation>
    </message>
    <message>
        <source>Your destination folder is on this card.</source>
        <translation>Tu carpeta de destino está en esta tarjeta.</translation>
    </message>
    <message>
        <source>Not enough space: needs %1, %2 free</source>
        <translation>No hay espacio suficiente: se necesitan %1 y hay %2 libres</translation>
    </message>
    <message>
        <source>The backup destination %1 is the destination itself — remove it from the backups</source>
        <translation>El destino de copia de seguridad %1 es el propio destino — quítalo de las copias de seguridad</translation>
    </message>
    <message numerus="yes">
        <source>%n copies are missing at the destination — choose Re-offload</source>
        <translation>
            <numerusform>Falta %n copia en el destino — elige «Volver a volcar»</numerusform>
            <numerusform>Faltan %n copias en el destino — elige «Volver a volcar»</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OffloadCommands</name>
    <message>
        <source>There’s no camera named %1. Add your cameras in Stowly’s settings first.</source>
        <translation>No hay ninguna cámara llamada %1. Añade primero tus cámaras en los ajustes de Stowly.</translation>
    </message>
    <message>
        <source>There’s no camera named %1. Your cameras: %2.</source>
        <translation>No hay ninguna cámara llamada %1. Tus cámaras: %2.</translation>
    </message>
    <message>
        <source>Making the backups of “%1” left from its last offload…</source>
        <translation>Haciendo las copias de seguridad de «%1» pendientes de su último volcado…</translation>
    </message>
    <message>
        <source>%1 is named twice.</source>
        <translation>%1 aparece dos veces.</translation>
    </message>
    <message>
        <source>Stopping… the files being copied are removed, the copies already verified stay recorded.</source>
        <translation>Deteniendo… los archivos que se estaban copiando se eliminan; las copias ya verificadas siguen registradas.</translation>
    </message>
    <message>
        <source>The offload couldn’t start.</source>
        <translation>No se pudo iniciar el volcado.</translation>
    </message>
    <message>
        <source>waiting for its turn on the drive.</source>
        <translation>esperando su turno en la unidad.</translation>
    </message>
    <message>
        <source>Stopping… the backups still to be made from the first copies are made the next time Stowly runs.</source>
        <translation>Deteniendo… las copias de seguridad pendientes a partir de las primeras copias se harán la próxima vez que se ejecute Stowly.</translation>
    </message>
    <message>
        <source>Stopping… the file being copied is removed, the copies already verified stay recorded.</source>
        <translation>Deteniendo… el archivo que se estaba copiando se elimina; las copias ya verificadas siguen registradas.</translation>
    </message>
</context>
<context>
    <name>OffloadFormatting</name>
    <message>
        <source>%1 copied</source>
        <translation>%1 copiados</translation>
    </message>
    <message>
        <source>No new files</source>
        <translation>Ningún archivo nuevo</translation>
    </message>
    <message>
        <source>1 new file</source>
        <translation>1 archivo nuevo</translation>
    </message>
    <message>
        <source> · %1 ignored</source>
        <translation> · %1 ignorados</translation>
    </message>
    <message>
        <source> · cancelled</source>
        <translation> · cancelado</translation>
    </message>
    <message>
        <source> · %1 failed</source>
        <translation> · %1 fallidos</translation>
    </message>
    <message>
        <source> · ready to erase</source>
        <translation> · lista para borrar</translation>
    </message>
    <message>
        <source>Couldn’t save the history: %1. The copies are made and verified, but Stowly won’t remember them: the card is not ready to erase.</source>
        <translation>No se pudo guardar el historial: %1. Las copias están hechas y verificadas, pero Stowly no las recordará: la tarjeta no está lista para borrarse.</translation>
    </message>
    <message>
        <source>“%1” can be taken out — 1 backup is still being made</source>
        <translation>«%1» ya se puede sacar — aún se está haciendo 1 copia de seguridad</translation>
    </message>
    <message>
        <source>1 file left</source>
        <translation>Queda 1 archivo</translation>
    </message>
    <message>
        <source>Backups from the first copy: %1 · %2 of %3</source>
        <translation>Copias de seguridad desde la primera copia: %1 · %2 de %3</translation>
    </message>
    <message>
        <source>Estimating time…</source>
        <translation>Calculando el tiempo…</translation>
    </message>
    <message>
        <source>Almost done</source>
        <translation>Casi listo</translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>Queda menos de un minuto</translation>
    </message>
    <message>
        <source>About %1 min left</source>
        <translation>Quedan aprox. %1 min</translation>
    </message>
    <message>
        <source>About %1 hr left</source>
        <translation>Quedan aprox. %1 h</translation>
    </message>
    <message>
        <source>About %1 hr %2 min left</source>
        <translation>Quedan aprox. %1 h %2 min</translation>
    </message>
    <message>
        <source>%1 copied · %2 skipped · %3 failed</source>
        <translation>%1 copiados · %2 omitidos · %3 fallidos</translation>
    </message>
    <message>
        <source> · %1 of %2 copies verified at %3 destinations</source>
        <translation> · %1 de %2 copias verificadas en %3 destinos</translation>
    </message>
    <message>
        <source>Offload Cancelled</source>
        <translation>Volcado cancelado</translation>
    </message>
    <message>
        <source>Finished with Problems</source>
        <translation>Terminado con problemas</translation>
    </message>
    <message>
        <source>Offload Complete</source>
        <translation>Volcado completado</translation>
    </message>
    <message>
        <source> — card ejected, safe to remove</source>
        <translation> — tarjeta expulsada, ya se puede retirar</translation>
    </message>
    <message>
        <source>“%1” was removed before 1 file was copied. Put it back in to copy the rest.</source>
        <translation>«%1» se retiró antes de copiar 1 archivo. Vuelve a insertarla para copiar el resto.</translation>
    </message>
    <message>
        <source>The copies on “%1” could only be read back through a cache; they are not proved against the drive itself.</source>
        <translation>Las copias en «%1» solo se pudieron releer a través de una caché; no están comprobadas contra la propia unidad.</translation>
    </message>
    <message>
        <source>The program run after the offload failed: %1</source>
        <translation>Falló el programa que se ejecuta tras el volcado: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n new files</source>
        <translation>
            <numerusform>%n archivo nuevo</numerusform>
            <numerusform>%n archivos nuevos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” can be taken out — %n backups are still being made</source>
        <translation>
            <numerusform>«%1» ya se puede sacar — aún se está haciendo %n copia de seguridad</numerusform>
            <numerusform>«%1» ya se puede sacar — aún se están haciendo %n copias de seguridad</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files left</source>
        <translation>
            <numerusform>Queda %n archivo</numerusform>
            <numerusform>Quedan %n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” was removed before %n files were copied. Put it back in to copy the rest.</source>
        <translation>
            <numerusform>«%1» se retiró antes de copiar %n archivo. Vuelve a insertarla para copiar el resto.</numerusform>
            <numerusform>«%1» se retiró antes de copiar %n archivos. Vuelve a insertarla para copiar el resto.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OffloadManifests</name>
    <message>
        <source>The ASC MHL history in %1 wasn’t written: %2</source>
        <translation>No se escribió el historial ASC MHL de %1: %2</translation>
    </message>
</context>
<context>
    <name>OffloadPreset</name>
    <message>
        <source>No folders</source>
        <translation>Sin carpetas</translation>
    </message>
    <message>
        <source>Quick dump</source>
        <translation>Volcado rápido</translation>
    </message>
    <message>
        <source>Skips &lt; %1 s</source>
        <translation>Omite &lt; %1 s</translation>
    </message>
    <message>
        <source>Keeps short clips</source>
        <translation>Incluye clips cortos</translation>
    </message>
    <message>
        <source>“shortClipSeconds” of %1 is too large</source>
        <translation>«shortClipSeconds» de %1 es demasiado grande</translation>
    </message>
    <message>
        <source>“fileRules” of %1 lacks one of its three lists</source>
        <translation>A «fileRules» de %1 le falta una de sus tres listas</translation>
    </message>
</context>
<context>
    <name>OffloadRule</name>
    <message>
        <source>“match” of %1 isn’t one Stowly knows</source>
        <translation>Stowly no reconoce el «match» de %1</translation>
    </message>
</context>
<context>
    <name>Offloader</name>
    <message>
        <source>Couldn’t open the destination folder %1</source>
        <translation>No se pudo abrir la carpeta de destino %1</translation>
    </message>
    <message>
        <source>Couldn’t create the folder %1 in the destination: %2.</source>
        <translation>No se pudo crear la carpeta %1 en el destino: %2.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>The share “%1” on %2 stopped answering. What was being copied there is not recorded; offload the card again once the share is back.</source>
        <translation>El recurso compartido «%1» de %2 dejó de responder. Lo que se estaba copiando allí no queda registrado; vuelve a volcar la tarjeta cuando el recurso vuelva a estar disponible.</translation>
    </message>
</context>
<context>
    <name>OnboardingDrive</name>
    <message>
        <source>Internal</source>
        <translation>Interna</translation>
    </message>
    <message>
        <source>External</source>
        <translation>Externa</translation>
    </message>
</context>
<context>
    <name>OnboardingStarter</name>
    <message>
        <source>Film Shoot</source>
        <translation>Rodaje</translation>
    </message>
    <message>
        <source>Photo Session</source>
        <translation>Sesión de fotos</translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation>Podcast</translation>
    </message>
    <message>
        <source>Daily Archive</source>
        <translation>Archivo diario</translation>
    </message>
    <message>
        <source>My Preset</source>
        <translation>Mi preajuste</translation>
    </message>
</context>
<context>
    <name>PresetOperations</name>
    <message>
        <source>New Preset</source>
        <translation>Nuevo preajuste</translation>
    </message>
</context>
<context>
    <name>PresetsCommand</name>
    <message>
        <source>  Destination:  </source>
        <translation>  Destino:         </translation>
    </message>
    <message>
        <source>(unchanged)</source>
        <translation>(sin cambios)</translation>
    </message>
    <message>
        <source>  Folders:      </source>
        <translation>  Carpetas:        </translation>
    </message>
    <message>
        <source>  Files:        </source>
        <translation>  Archivos:        </translation>
    </message>
    <message>
        <source>  Camera:       </source>
        <translation>  Cámara:          </translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>  Short clips:  </source>
        <translation>  Clips cortos:    </translation>
    </message>
    <message>
        <source>skipped under %1 s</source>
        <translation>omitidos por debajo de %1 s</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>incluidos</translation>
    </message>
    <message>
        <source>  Quick dump:   </source>
        <translation>  Volcado rápido:  </translation>
    </message>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>No presets yet. Save the current settings as one with “stowly-cli presets save NAME”.</source>
        <translation>Aún no hay preajustes. Guarda los ajustes actuales como uno con «stowly-cli presets save NAME».</translation>
    </message>
    <message>
        <source> (in use)</source>
        <translation> (en uso)</translation>
    </message>
    <message>
        <source>presets takes show, save, update or delete, not %1.</source>
        <translation>presets admite show, save, update o delete, no %1.</translation>
    </message>
    <message>
        <source>presets %1 needs the preset’s name.</source>
        <translation>presets %1 necesita el nombre del preajuste.</translation>
    </message>
    <message>
        <source>Saved the current settings as %1.</source>
        <translation>Ajustes actuales guardados como %1.</translation>
    </message>
    <message>
        <source>There’s no preset named %1. Run “stowly-cli presets” to list them.</source>
        <translation>No hay ningún preajuste llamado %1. Ejecuta «stowly-cli presets» para verlos.</translation>
    </message>
    <message>
        <source>%1 now holds the current settings.</source>
        <translation>%1 contiene ahora los ajustes actuales.</translation>
    </message>
    <message>
        <source>Rule %1 offloads cards with %2: remove the rule first.</source>
        <translation>La regla %1 vuelca tarjetas con %2: quita primero la regla.</translation>
    </message>
    <message>
        <source>Deleted %1.</source>
        <translation>Se ha eliminado %1.</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The program “%1” wasn’t found.</source>
        <translation>No se encontró el programa «%1».</translation>
    </message>
    <message>
        <source>It didn’t finish within a second.</source>
        <translation>No terminó en un segundo.</translation>
    </message>
    <message>
        <source>It stopped unexpectedly.</source>
        <translation>Se detuvo inesperadamente.</translation>
    </message>
    <message numerus="yes">
        <source>It didn’t finish within %n seconds.</source>
        <translation>
            <numerusform>No terminó en %n segundos.</numerusform>
            <numerusform>No terminó en %n segundos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <source>%1/%2 files · %3 of %4</source>
        <translation>%1/%2 archivos · %3 de %4</translation>
    </message>
    <message>
        <source>verifying source</source>
        <translation>verificando el origen</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>verificando</translation>
    </message>
    <message>
        <source>%1: failed</source>
        <translation>%1: error</translation>
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
        <translation>Stowly se cerró inesperadamente la última vez. ¿Enviar un informe de fallo?</translation>
    </message>
    <message>
        <source>This opens a new email to %1 with the crash report and Stowly’s recent log attached. File, card and drive names are left out. You can read it over before sending.</source>
        <translation>Se abrirá un correo nuevo para %1 con el informe de fallo y el registro reciente de Stowly adjuntos. No se incluyen nombres de archivos, tarjetas ni unidades. Puedes revisarlo antes de enviarlo.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Enviar informe</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ahora no</translation>
    </message>
</context>
<context>
    <name>QueueLines</name>
    <message>
        <source>%1 · %2 of %3 files · %4 of %5 · %6</source>
        <translation>%1 · %2 de %3 archivos · %4 de %5 · %6</translation>
    </message>
    <message>
        <source>%1 · waiting · %2 · %3</source>
        <translation>%1 · en espera · %2 · %3</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message>
        <source>%1 copying</source>
        <translation>%1 copiando</translation>
    </message>
    <message>
        <source>%1 waiting</source>
        <translation>%1 en espera</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Waiting for “%1” to finish on %2</source>
        <translation>Esperando a que «%1» termine en %2</translation>
    </message>
    <message>
        <source>Waiting for its turn</source>
        <translation>Esperando su turno</translation>
    </message>
    <message>
        <source>Waiting · next in line</source>
        <translation>En espera · siguiente en la cola</translation>
    </message>
    <message>
        <source>Waiting · %1 ahead</source>
        <translation>En espera · %1 delante</translation>
    </message>
    <message>
        <source>Copying · %1 of %2 files</source>
        <translation>Copiando · %1 de %2 archivos</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Quoted</name>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
</context>
<context>
    <name>ReadBack</name>
    <message>
        <source>Read back from the drive around its cache</source>
        <translation>Releído desde la unidad, sin pasar por su caché</translation>
    </message>
    <message>
        <source>Read back from the share after the local cache was dropped</source>
        <translation>Releído desde el recurso compartido tras vaciar la caché local</translation>
    </message>
    <message>
        <source>Read back through a cache: the copies could not be read from the drive itself</source>
        <translation>Releído a través de una caché: no se pudieron leer las copias desde la propia unidad</translation>
    </message>
</context>
<context>
    <name>ReoffloadAlert</name>
    <message>
        <source>The 1 file</source>
        <translation>el archivo</translation>
    </message>
    <message>
        <source>Re-offload everything on “%1”?</source>
        <translation>¿Volver a volcar todo lo de «%1»?</translation>
    </message>
    <message>
        <source>%1 will be copied and verified again as new copies, including ones already offloaded. Existing copies are never overwritten: the usual naming rules apply, so new copies get the next sequence number, or “_2” at the end of the name.</source>
        <translation>Stowly copiará y verificará de nuevo %1 en copias nuevas, incluido lo que ya estaba volcado. Las copias existentes nunca se sobrescriben: se aplican las reglas de nombres habituales, así que las copias nuevas reciben el siguiente número de secuencia, o «_2» al final del nombre.</translation>
    </message>
    <message>
        <source>Re-offload Everything</source>
        <translation>Volver a volcar todo</translation>
    </message>
    <message>
        <source>the 1 file</source>
        <translation>el archivo</translation>
    </message>
    <message>
        <source>Forget the offload history of “%1”?</source>
        <translation>¿Olvidar el historial de volcados de «%1»?</translation>
    </message>
    <message>
        <source>Stowly will forget %1 it offloaded from this card%2, so they show as new and are copied again next time. The copies already at the destination aren’t touched.

Until this card is offloaded again, it won’t be ready to format.</source>
        <translation>Stowly olvidará %1 que volcó de esta tarjeta%2; la próxima vez todo ello aparecerá como nuevo y se volverá a copiar. Las copias que ya están en el destino no se tocan.

Hasta que esta tarjeta se vuelva a volcar, no estará lista para formatear.</translation>
    </message>
    <message>
        <source>Forget History</source>
        <translation>Olvidar historial</translation>
    </message>
    <message>
        <source>Stowly forgot %1 it offloaded from %2%3. The copies already at the destination aren’t touched.</source>
        <translation>Stowly ha olvidado %1 que volcó de %2%3. Las copias que ya están en el destino no se tocan.</translation>
    </message>
    <message numerus="yes">
        <source>All %n files</source>
        <translation>
            <numerusform>los %n archivos</numerusform>
            <numerusform>los %n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the %n files</source>
        <translation>
            <numerusform>los %n archivos</numerusform>
            <numerusform>los %n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n copies)</source>
        <translation>
            <numerusform> (%n copias)</numerusform>
            <numerusform> (%n copias)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportBuilder</name>
    <message>
        <source>Offload of “%1”</source>
        <translation>Volcado de «%1»</translation>
    </message>
    <message>
        <source>Offload History of “%1”</source>
        <translation>Historial de volcados de «%1»</translation>
    </message>
    <message>
        <source>Offloads of %1</source>
        <translation>Volcados del %1</translation>
    </message>
    <message>
        <source>Offloads for “%1”</source>
        <translation>Volcados para «%1»</translation>
    </message>
    <message>
        <source>No offload has the id “%1”.</source>
        <translation>Ningún volcado tiene el id «%1».</translation>
    </message>
    <message>
        <source>Stowly has no verified copies from a card named “%1”.</source>
        <translation>Stowly no tiene copias verificadas de ninguna tarjeta llamada «%1».</translation>
    </message>
    <message>
        <source>Nothing was offloaded on %1.</source>
        <translation>No se volcó nada el %1.</translation>
    </message>
    <message>
        <source>No offload was made for the project “%1”.</source>
        <translation>No se hizo ningún volcado para el proyecto «%1».</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>Stowly has no offload to report yet.</source>
        <translation>Stowly aún no tiene ningún volcado del que informar.</translation>
    </message>
    <message>
        <source>No offload has an id starting with “%1”.</source>
        <translation>Ningún volcado tiene un id que empiece por «%1».</translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>1 file, %1</source>
        <translation>1 archivo, %1</translation>
    </message>
    <message>
        <source>Read back after a flush</source>
        <translation>Releído tras vaciar la caché</translation>
    </message>
    <message>
        <source>source read twice</source>
        <translation>origen leído dos veces</translation>
    </message>
    <message>
        <source>ASC MHL</source>
        <translation>ASC MHL</translation>
    </message>
    <message>
        <source>copied from the first copy</source>
        <translation>copiado desde la primera copia</translation>
    </message>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Stowly</source>
        <translation>Stowly</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source> (cancelled)</source>
        <translation> (cancelado)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Volcado</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Verification</source>
        <translation>Verificación</translation>
    </message>
    <message>
        <source>May be damaged: %1</source>
        <translation>Puede estar dañado: %1</translation>
    </message>
    <message>
        <source>proved %1</source>
        <translation>comprobado con %1</translation>
    </message>
    <message>
        <source>· every copy proved</source>
        <translation>· todas las copias comprobadas</translation>
    </message>
    <message>
        <source>· finished with problems</source>
        <translation>· terminado con problemas</translation>
    </message>
    <message>
        <source>Offloads</source>
        <translation>Volcados</translation>
    </message>
    <message>
        <source>Destinations</source>
        <translation>Destinos</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Digests</source>
        <translation>Sumas de comprobación</translation>
    </message>
    <message>
        <source>Verified copies</source>
        <translation>Copias verificadas</translation>
    </message>
    <message numerus="yes">
        <source>%n files, %1</source>
        <translation>
            <numerusform>%n archivo, %1</numerusform>
            <numerusform>%n archivos, %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Couldn’t write the PDF at %1.</source>
        <translation>No se pudo escribir el PDF en %1.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Made by Stowly. Every copy is proved with SHA-256.</source>
        <translation>Creado con Stowly. Cada copia se comprueba con SHA-256.</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>“%1” isn’t a report format. Use pdf, html, csv or json.</source>
        <translation>«%1» no es un formato de informe. Usa pdf, html, csv o json.</translation>
    </message>
    <message>
        <source>Name at least one report format: pdf, html, csv or json.</source>
        <translation>Indica al menos un formato de informe: pdf, html, csv o json.</translation>
    </message>
    <message>
        <source>Offload %1 %2</source>
        <translation>Volcado %1 %2</translation>
    </message>
    <message>
        <source>Offload History %1</source>
        <translation>Historial de volcados %1</translation>
    </message>
    <message>
        <source>Offloads %1</source>
        <translation>Volcados %1</translation>
    </message>
    <message>
        <source>Project %1</source>
        <translation>Proyecto %1</translation>
    </message>
    <message>
        <source>No room for a temporary file.</source>
        <translation>No hay espacio para un archivo temporal.</translation>
    </message>
    <message>
        <source>Couldn’t make the folder %1: %2</source>
        <translation>No se pudo crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Couldn’t write the report %1: %2</source>
        <translation>No se pudo escribir el informe %1: %2</translation>
    </message>
</context>
<context>
    <name>RulesCommand</name>
    <message>
        <source>rules add needs --match: any, name:PATTERN, identity:ID or camera:NAME.</source>
        <translation>rules add necesita --match: any, name:PATTERN, identity:ID o camera:NAME.</translation>
    </message>
    <message>
        <source>--match takes any, name:PATTERN, identity:ID or camera:NAME, not %1.</source>
        <translation>--match admite any, name:PATTERN, identity:ID o camera:NAME, no %1.</translation>
    </message>
    <message>
        <source>There’s no camera named %1.</source>
        <translation>No hay ninguna cámara llamada %1.</translation>
    </message>
    <message>
        <source>There’s no preset named %1. Run “stowly-cli presets” to list them.</source>
        <translation>No hay ningún preajuste llamado %1. Ejecuta «stowly-cli presets» para verlos.</translation>
    </message>
    <message>
        <source>No rules yet: inserted cards wait for you. Add one with “stowly-cli rules add --match any --preset NAME”.</source>
        <translation>Aún no hay reglas: las tarjetas insertadas esperan a que decidas. Añade una con «stowly-cli rules add --match any --preset NAME».</translation>
    </message>
    <message>
        <source>Added rule %1: </source>
        <translation>Regla %1 añadida: </translation>
    </message>
    <message>
        <source>There’s no rule %1. Run “stowly-cli rules” to list them.</source>
        <translation>No existe la regla %1. Ejecuta «stowly-cli rules» para verlas.</translation>
    </message>
    <message>
        <source>Removed the rule </source>
        <translation>Regla quitada: </translation>
    </message>
    <message>
        <source>rules takes add with its options, or remove with the rule’s number.</source>
        <translation>rules admite add con sus opciones, o remove con el número de la regla.</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message>
        <source>The record of an offload couldn’t be read (%1); its report is left out.</source>
        <translation>No se pudieron leer los datos de un volcado (%1); su informe queda fuera.</translation>
    </message>
</context>
<context>
    <name>ScanFailure</name>
    <message>
        <source>Stowly couldn’t read this card (%1).</source>
        <translation>Stowly no pudo leer esta tarjeta (%1).</translation>
    </message>
    <message>
        <source>Stowly couldn’t read “%1” on this card (%2).</source>
        <translation>Stowly no pudo leer «%1» en esta tarjeta (%2).</translation>
    </message>
</context>
<context>
    <name>ServerAddress</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 isn’t of the form keyword=value.</source>
        <translation>%1 no tiene la forma palabra=valor.</translation>
    </message>
    <message>
        <source>A quoted value has no closing quote.</source>
        <translation>A un valor entre comillas le falta la comilla de cierre.</translation>
    </message>
    <message>
        <source>%1 isn’t a server address.</source>
        <translation>%1 no es una dirección de servidor.</translation>
    </message>
    <message>
        <source>The history server’s password can’t be kept in the settings, where anyone who reads them sees it. Put it in ~/.pgpass, or in a file named by passfile=, or in the desktop’s keyring.</source>
        <translation>La contraseña del servidor de historial no puede guardarse en los ajustes, donde la ve cualquiera que los lea. Ponla en ~/.pgpass, en un archivo indicado con passfile= o en el llavero del escritorio.</translation>
    </message>
    <message>
        <source>%1 isn’t a port number.</source>
        <translation>%1 no es un número de puerto.</translation>
    </message>
    <message>
        <source>%1 can’t hold a semicolon.</source>
        <translation>%1 no puede contener punto y coma.</translation>
    </message>
    <message>
        <source>The history server’s address names no host (host=…).</source>
        <translation>La dirección del servidor de historial no indica ningún host (host=…).</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>este ordenador</translation>
    </message>
</context>
<context>
    <name>ServerHistory</name>
    <message>
        <source>Couldn’t reach the history server %1 (%2).</source>
        <translation>No se pudo contactar con el servidor de historial %1 (%2).</translation>
    </message>
    <message>
        <source>Qt’s PostgreSQL driver isn’t installed (Debian’s libqt6sql6-psql).</source>
        <translation>El controlador PostgreSQL de Qt no está instalado (libqt6sql6-psql de Debian).</translation>
    </message>
    <message>
        <source>Couldn’t prepare the history server’s tables: %1</source>
        <translation>No se pudieron preparar las tablas del servidor de historial: %1</translation>
    </message>
    <message>
        <source>The history server’s tables were made by a newer Stowly (version %1); this one reads version %2. Update Stowly on this station.</source>
        <translation>Las tablas del servidor de historial las creó un Stowly más reciente (versión %1); este lee la versión %2. Actualiza Stowly en esta estación.</translation>
    </message>
    <message>
        <source>it didn’t answer a moment ago</source>
        <translation>no respondió hace un momento</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>There’s no setting %1. Run “stowly-cli settings” to list them.</source>
        <translation>No existe el ajuste %1. Ejecuta «stowly-cli settings» para verlos.</translation>
    </message>
    <message>
        <source>%1 is kept by Stowly itself.</source>
        <translation>%1 lo gestiona el propio Stowly.</translation>
    </message>
    <message>
        <source>Couldn’t save the preferences to %1.</source>
        <translation>No se pudieron guardar las preferencias en %1.</translation>
    </message>
</context>
<context>
    <name>SettingsTable</name>
    <message>
        <source>%1 takes %2.</source>
        <translation>%1 admite %2.</translation>
    </message>
    <message>
        <source>%1 takes a whole number of %2 from %3 to %4.</source>
        <translation>%1 admite un número entero de %2 entre %3 y %4.</translation>
    </message>
    <message>
        <source>There’s no folder at %1.</source>
        <translation>No hay ninguna carpeta en %1.</translation>
    </message>
    <message>
        <source>%1 takes a JSON array of folders.</source>
        <translation>%1 admite un array JSON de carpetas.</translation>
    </message>
    <message>
        <source>%1 takes a JSON array of names.</source>
        <translation>%1 admite un array JSON de nombres.</translation>
    </message>
    <message>
        <source>“excludedCategories” takes the names video, photo, audio and other, not %1.</source>
        <translation>«excludedCategories» admite los nombres video, photo, audio y other, no %1.</translation>
    </message>
    <message>
        <source>“dateFilter” takes any, today, last7days, two dates like 2024-05-01..2024-05-03, or its JSON form.</source>
        <translation>«dateFilter» admite any, today, last7days, dos fechas como 2024-05-01..2024-05-03, o su forma JSON.</translation>
    </message>
    <message>
        <source>“fileRules” takes a JSON object with the lists “proxyExtensions”, “sidecarExtensions” and “ignorePatterns”.</source>
        <translation>«fileRules» admite un objeto JSON con las listas «proxyExtensions», «sidecarExtensions» e «ignorePatterns».</translation>
    </message>
    <message>
        <source>“ignoredImportCards” takes a JSON array of objects with “identity” and “name”.</source>
        <translation>«ignoredImportCards» admite un array JSON de objetos con «identity» y «name».</translation>
    </message>
    <message>
        <source>xxh128 is always taken; it needn’t be listed.</source>
        <translation>xxh128 se calcula siempre; no hace falta indicarlo.</translation>
    </message>
    <message>
        <source>%1 takes the formats %2, not %3.</source>
        <translation>%1 admite los formatos %2, no %3.</translation>
    </message>
    <message>
        <source>The folder the copies go into.</source>
        <translation>La carpeta en la que se guardan las copias.</translation>
    </message>
    <message>
        <source>Further folders, usually on other drives, that get a copy too.</source>
        <translation>Otras carpetas, normalmente en otras unidades, que también reciben una copia.</translation>
    </message>
    <message>
        <source>The backup folders that copy from the first copy once it is proved rather than from the card, so the card is free sooner.</source>
        <translation>Las carpetas de copia de seguridad que copian desde la primera copia, una vez comprobada, en lugar de desde la tarjeta, para que la tarjeta quede libre antes.</translation>
    </message>
    <message>
        <source>Read each file from the card again after its copies are verified, to catch a failing card or reader.</source>
        <translation>Volver a leer cada archivo de la tarjeta después de verificar sus copias, para detectar una tarjeta o un lector que fallan.</translation>
    </message>
    <message>
        <source>Keep an ASC MHL history (xxh128) at the top of every destination.</source>
        <translation>Mantener un historial ASC MHL (xxh128) en la raíz de cada destino.</translation>
    </message>
    <message>
        <source>The formats the ASC MHL histories take besides xxh128, from the same read of the card as the copy.</source>
        <translation>Los formatos que incluyen los historiales ASC MHL además de xxh128, calculados en la misma lectura de la tarjeta que la copia.</translation>
    </message>
    <message>
        <source>Copy to one drive from several cards at once.</source>
        <translation>Copiar a una unidad desde varias tarjetas a la vez.</translation>
    </message>
    <message>
        <source>Eject the card when its offload is done.</source>
        <translation>Expulsar la tarjeta cuando termine su volcado.</translation>
    </message>
    <message>
        <source>A program run after each card&apos;s offload, with the offload as JSON on its standard input; empty for none.</source>
        <translation>Un programa que se ejecuta tras el volcado de cada tarjeta, con el volcado en JSON por su entrada estándar; vacío para ninguno.</translation>
    </message>
    <message>
        <source>The person who offloads, named in every offload&apos;s report.</source>
        <translation>La persona que hace el volcado, que figura en el informe de cada volcado.</translation>
    </message>
    <message>
        <source>Write each offload&apos;s report (PDF and CSV) into every destination, in a folder named Stowly Reports.</source>
        <translation>Escribir el informe de cada volcado (PDF y CSV) en cada destino, en una carpeta llamada Stowly Reports.</translation>
    </message>
    <message>
        <source>How the folders the copies go into are named.</source>
        <translation>Cómo se nombran las carpetas en las que se guardan las copias.</translation>
    </message>
    <message>
        <source>How the copied files are named.</source>
        <translation>Cómo se nombran los archivos copiados.</translation>
    </message>
    <message>
        <source>The project of the last offload, offered for the next.</source>
        <translation>El proyecto del último volcado, que se propone para el siguiente.</translation>
    </message>
    <message>
        <source>The projects offered again, the most recent first.</source>
        <translation>Los proyectos que se vuelven a proponer, primero el más reciente.</translation>
    </message>
    <message>
        <source>The kinds of files left on the card.</source>
        <translation>Los tipos de archivo que se dejan en la tarjeta.</translation>
    </message>
    <message>
        <source>Play a sound when an offload succeeds.</source>
        <translation>Reproducir un sonido cuando un volcado sale bien.</translation>
    </message>
    <message>
        <source>Leave clips shorter than a few seconds behind.</source>
        <translation>Dejar en la tarjeta los clips de pocos segundos.</translation>
    </message>
    <message>
        <source>How many seconds a clip must last not to be left behind.</source>
        <translation>Cuántos segundos debe durar un clip para no dejarlo en la tarjeta.</translation>
    </message>
    <message>
        <source>The colours of the windows.</source>
        <translation>Los colores de las ventanas.</translation>
    </message>
    <message>
        <source>Light or dark windows, or as the desktop has them.</source>
        <translation>Ventanas claras u oscuras, o como las tenga el escritorio.</translation>
    </message>
    <message>
        <source>A card’s files as a list or a grid.</source>
        <translation>Los archivos de una tarjeta en lista o en cuadrícula.</translation>
    </message>
    <message>
        <source>Show thumbnails in the list of files.</source>
        <translation>Mostrar miniaturas en la lista de archivos.</translation>
    </message>
    <message>
        <source>Offload without a project in the names.</source>
        <translation>Volcar sin proyecto en los nombres.</translation>
    </message>
    <message>
        <source>Which days’ files an offload takes.</source>
        <translation>De qué días son los archivos que toma un volcado.</translation>
    </message>
    <message>
        <source>Keep running in the background when the window closes.</source>
        <translation>Seguir ejecutándose en segundo plano al cerrar la ventana.</translation>
    </message>
    <message>
        <source>Ask to offload a card when it is inserted.</source>
        <translation>Preguntar si volcar una tarjeta al insertarla.</translation>
    </message>
    <message>
        <source>Mount cards when they are inserted.</source>
        <translation>Montar las tarjetas al insertarlas.</translation>
    </message>
    <message>
        <source>Show Stowly’s icon while it runs in the background.</source>
        <translation>Mostrar el icono de Stowly mientras se ejecuta en segundo plano.</translation>
    </message>
    <message>
        <source>Ask to offload in a notification or a panel.</source>
        <translation>Preguntar si volcar mediante una notificación o un panel.</translation>
    </message>
    <message>
        <source>The cards Stowly no longer asks to offload.</source>
        <translation>Las tarjetas por las que Stowly ya no pregunta si volcarlas.</translation>
    </message>
    <message>
        <source>Which files are proxies or sidecars, and which are ignored.</source>
        <translation>Qué archivos son proxies o archivos complementarios, y cuáles se ignoran.</translation>
    </message>
    <message>
        <source>Whether the one destination of older versions is now among the favourites.</source>
        <translation>Si el destino único de versiones anteriores ya está entre los favoritos.</translation>
    </message>
    <message>
        <source>The tab the settings window shows.</source>
        <translation>La pestaña que muestra la ventana de ajustes.</translation>
    </message>
    <message>
        <source>The language Stowly speaks, or “system” for the desktop’s; it takes effect when Stowly next starts.</source>
        <translation>El idioma de Stowly, o «system» para el del escritorio; se aplica la próxima vez que se inicie Stowly.</translation>
    </message>
    <message>
        <source>A PostgreSQL server that keeps one history of verified copies for several stations, in libpq’s form; empty to keep the history on this computer only. The password comes from ~/.pgpass, a passfile=, or the desktop’s keyring.</source>
        <translation>Un servidor PostgreSQL que lleva un historial de copias verificadas para varias estaciones, en el formato de libpq; vacío para guardar el historial solo en este ordenador. La contraseña viene de ~/.pgpass, de un passfile= o del llavero del escritorio.</translation>
    </message>
    <message>
        <source>This station’s name in the shared history; empty for the computer’s host name.</source>
        <translation>El nombre de esta estación en el historial compartido; vacío para el nombre de host del ordenador.</translation>
    </message>
    <message>
        <source>Trust copies verified by other stations: a card may be erased when its copies are where only another station can check them.</source>
        <translation>Confiar en las copias verificadas por otras estaciones: una tarjeta puede borrarse cuando sus copias están donde solo otra estación puede comprobarlas.</translation>
    </message>
</context>
<context>
    <name>SpaceInfo</name>
    <message>
        <source>%1 available</source>
        <translation>%1 disponibles</translation>
    </message>
    <message>
        <source>Free space unknown</source>
        <translation>Espacio libre desconocido</translation>
    </message>
    <message>
        <source>needs %1</source>
        <translation>necesita %1</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
</context>
<context>
    <name>StageState</name>
    <message>
        <source>Card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medios</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
</context>
<context>
    <name>StageTexts</name>
    <message>
        <source>Insert an SD Card</source>
        <translation>Inserta una tarjeta SD</translation>
    </message>
    <message>
        <source>Stowly fills in the rest as soon as a card is mounted.</source>
        <translation>Stowly completa el resto en cuanto se monta una tarjeta.</translation>
    </message>
    <message>
        <source>Ignored items (system files and your ignore list in Settings ▸ Files) aren’t copied and don’t stop the card being ready to format.</source>
        <translation>Los elementos ignorados (archivos del sistema y tu lista de ignorados en Ajustes ▸ Archivos) no se copian y no impiden que la tarjeta esté lista para formatear.</translation>
    </message>
    <message>
        <source>Card actions</source>
        <translation>Acciones de la tarjeta</translation>
    </message>
    <message>
        <source>Eject Card</source>
        <translation>Expulsar tarjeta</translation>
    </message>
    <message>
        <source>Forget This Card’s History…</source>
        <translation>Olvidar el historial de esta tarjeta…</translation>
    </message>
    <message>
        <source>Every file on this card has a verified copy at the destination.</source>
        <translation>Cada archivo de esta tarjeta tiene una copia verificada en el destino.</translation>
    </message>
    <message>
        <source>Reading the offload history…</source>
        <translation>Leyendo el historial de volcados…</translation>
    </message>
    <message>
        <source>Media appears here once a card is inserted.</source>
        <translation>El material aparece aquí cuando se inserta una tarjeta.</translation>
    </message>
    <message>
        <source>Looking for media…</source>
        <translation>Buscando material…</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Used in file and folder names when the naming template includes it</source>
        <translation>Se usa en los nombres de archivos y carpetas cuando la plantilla de nombres lo incluye</translation>
    </message>
    <message>
        <source>Clear the project name</source>
        <translation>Borrar el nombre del proyecto</translation>
    </message>
    <message>
        <source>Recent projects</source>
        <translation>Proyectos recientes</translation>
    </message>
    <message>
        <source>Clear Recent Projects</source>
        <translation>Borrar proyectos recientes</translation>
    </message>
    <message>
        <source>Not needed for a quick dump</source>
        <translation>No hace falta para un volcado rápido</translation>
    </message>
    <message>
        <source>Optional, not in the template</source>
        <translation>Opcional, no está en la plantilla</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>The camera these files came from. Fills the {camera} token.</source>
        <translation>La cámara de la que proceden estos archivos. Rellena el marcador {camera}.</translation>
    </message>
    <message>
        <source>Choose a camera…</source>
        <translation>Elegir cámara…</translation>
    </message>
    <message>
        <source>Quick dump</source>
        <translation>Volcado rápido</translation>
    </message>
    <message>
        <source>Skips the project name and dumps all the footage straight into a dated folder.</source>
        <translation>Prescinde del nombre del proyecto y vuelca todo el material directamente en una carpeta con la fecha.</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Fechas</translation>
    </message>
    <message>
        <source>Copies only files from these days, by the date each file was created (or last changed, if the card doesn’t record that). Sidecars and proxies go with their clip. Everything else stays on the card.</source>
        <translation>Copia solo los archivos de estos días, según la fecha en que se creó cada archivo (o en que se modificó por última vez, si la tarjeta no la registra). Los archivos complementarios y los proxies van con su clip. Todo lo demás se queda en la tarjeta.</translation>
    </message>
    <message>
        <source>Switch between the files to copy, files offloaded before and skipped short clips</source>
        <translation>Cambiar entre los archivos que se copiarán, los ya volcados y los clips cortos omitidos</translation>
    </message>
    <message>
        <source>Name Preview</source>
        <translation>Vista previa del nombre</translation>
    </message>
    <message>
        <source>Already Offloaded (%1)</source>
        <translation>Ya volcados (%1)</translation>
    </message>
    <message>
        <source>Short Clips Skipped (%1)</source>
        <translation>Clips cortos omitidos (%1)</translation>
    </message>
    <message>
        <source>These files were offloaded before, but their copies are gone or changed size. They aren’t copied again unless you choose Re-offload.</source>
        <translation>Estos archivos ya se volcaron, pero sus copias han desaparecido o han cambiado de tamaño. No se vuelven a copiar a menos que elijas «Volver a volcar».</translation>
    </message>
    <message>
        <source>Videos shorter than %1 stay on the card with their sidecars. Change this in Settings ▸ General.</source>
        <translation>Los vídeos de menos de %1 se quedan en la tarjeta con sus archivos complementarios. Puedes cambiarlo en Ajustes ▸ General.</translation>
    </message>
    <message>
        <source>These new files are from other days, so they stay on the card. Choose Any date under Dates to copy them too.</source>
        <translation>Estos archivos nuevos son de otros días, así que se quedan en la tarjeta. Elige «Cualquier fecha» en «Fechas» para copiarlos también.</translation>
    </message>
    <message>
        <source>Re-offload</source>
        <translation>Volver a volcar</translation>
    </message>
    <message>
        <source>Copy files again that were offloaded before. New copies never overwrite old ones.</source>
        <translation>Volver a copiar archivos ya volcados. Las copias nuevas nunca sobrescriben las antiguas.</translation>
    </message>
    <message>
        <source>Re-offload Missing Copies</source>
        <translation>Volver a volcar las copias que faltan</translation>
    </message>
    <message>
        <source>Re-offload Everything on This Card…</source>
        <translation>Volver a volcar toda la tarjeta…</translation>
    </message>
    <message>
        <source>Don’t Re-offload</source>
        <translation>No volver a volcar</translation>
    </message>
    <message>
        <source>Re-offload This File</source>
        <translation>Volver a volcar este archivo</translation>
    </message>
    <message>
        <source>Don’t Re-offload This File</source>
        <translation>No volver a volcar este archivo</translation>
    </message>
    <message>
        <source>Show Copy in %1</source>
        <translation>Mostrar copia en %1</translation>
    </message>
    <message>
        <source>Skip This Short Clip</source>
        <translation>Omitir este clip corto</translation>
    </message>
    <message>
        <source>Offload this clip anyway</source>
        <translation>Volcar este clip de todos modos</translation>
    </message>
    <message>
        <source>Include All Short Clips</source>
        <translation>Incluir todos los clips cortos</translation>
    </message>
    <message>
        <source>Offload every short clip on this card</source>
        <translation>Volcar todos los clips cortos de esta tarjeta</translation>
    </message>
    <message>
        <source>Press Space to preview the selected file%1</source>
        <translation>Pulsa Espacio para previsualizar el archivo seleccionado%1</translation>
    </message>
    <message>
        <source>Choose the folder your media is copied into, or drop one here from %1.</source>
        <translation>Elige la carpeta en la que se copia tu material, o suelta una aquí desde %1.</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Elegir carpeta…</translation>
    </message>
    <message>
        <source>Drop a folder from %1 here to copy into it</source>
        <translation>Suelta aquí una carpeta desde %1 para copiar en ella</translation>
    </message>
    <message>
        <source>Show the destination folder in %1</source>
        <translation>Mostrar la carpeta de destino en %1</translation>
    </message>
    <message>
        <source>Choose a folder that isn’t one of your favorites</source>
        <translation>Elegir una carpeta que no está entre tus favoritos</translation>
    </message>
    <message>
        <source>Choose where files are copied</source>
        <translation>Elegir adónde se copian los archivos</translation>
    </message>
    <message>
        <source>Choose Other Folder…</source>
        <translation>Elegir otra carpeta…</translation>
    </message>
    <message>
        <source>Edit Favorites…</source>
        <translation>Editar favoritos…</translation>
    </message>
    <message>
        <source>Add “%1” to Favorites</source>
        <translation>Añadir «%1» a favoritos</translation>
    </message>
    <message>
        <source>%1 isn’t connected</source>
        <translation>%1 no está conectado</translation>
    </message>
    <message>
        <source>Offload</source>
        <translation>Volcar</translation>
    </message>
    <message>
        <source>Offload 1 File</source>
        <translation>Volcar 1 archivo</translation>
    </message>
    <message numerus="yes">
        <source>Offload %n Files</source>
        <translation>
            <numerusform>Volcar %n archivo</numerusform>
            <numerusform>Volcar %n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy and verify the new files</source>
        <translation>Copiar y verificar los archivos nuevos</translation>
    </message>
    <message>
        <source>Ready. Every file is verified with SHA-256 after copying.</source>
        <translation>Listo. Cada archivo se verifica con SHA-256 después de copiarlo.</translation>
    </message>
    <message>
        <source>Offload progress</source>
        <translation>Progreso del volcado</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verificando</translation>
    </message>
    <message>
        <source>Verifying source</source>
        <translation>Verificando el origen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Files you offload will be listed here.</source>
        <translation>Aquí aparecerán los archivos que vuelques.</translation>
    </message>
    <message>
        <source>Remove from the history. The copy itself isn’t touched; the file shows as new on its card again.</source>
        <translation>Quitar del historial. La copia en sí no se toca; el archivo vuelve a aparecer como nuevo en su tarjeta.</translation>
    </message>
</context>
<context>
    <name>StationCommand</name>
    <message>
        <source>There’s no preset named %1. Run “stowly-cli presets” to list them.</source>
        <translation>No hay ningún preajuste llamado %1. Ejecuta «stowly-cli presets» para verlos.</translation>
    </message>
    <message>
        <source>There are no rules to offload cards by. Add one with “stowly-cli rules add”, or give every card one preset with --preset.</source>
        <translation>No hay reglas con las que volcar tarjetas. Añade una con «stowly-cli rules add», o asigna un mismo preajuste a todas las tarjetas con --preset.</translation>
    </message>
    <message>
        <source>%1 inserted at %2.</source>
        <translation>%1 insertada en %2.</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 retirada.</translation>
    </message>
    <message>
        <source>%1 left alone: %2</source>
        <translation>%1 se deja sin tocar: %2</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 falló: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: copying %n files (%2).</source>
        <translation>
            <numerusform>%1: copiando %n archivo (%2).</numerusform>
            <numerusform>%1: copiando %n archivos (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 queued: waiting for its turn on the drive.</source>
        <translation>%1 en cola: esperando su turno en la unidad.</translation>
    </message>
    <message>
        <source>%1 queued.</source>
        <translation>%1 en cola.</translation>
    </message>
    <message>
        <source>%1: the backups from the first copies are made.</source>
        <translation>%1: las copias de seguridad desde las primeras copias están hechas.</translation>
    </message>
    <message>
        <source>%1 couldn’t be ejected: %2</source>
        <translation>No se pudo expulsar %1: %2</translation>
    </message>
    <message>
        <source>%1 ejected; it can be taken out.</source>
        <translation>%1 expulsada; ya se puede sacar.</translation>
    </message>
    <message>
        <source>Watching for cards; each is offloaded with the preset %1.</source>
        <translation>Esperando tarjetas; cada una se vuelca con el preajuste %1.</translation>
    </message>
    <message numerus="yes">
        <source>Watching for cards; each is offloaded by the first of %n rule(s) it matches.</source>
        <translation>
            <numerusform>Esperando tarjetas; cada una se vuelca con %n regla, si coincide con ella.</numerusform>
            <numerusform>Esperando tarjetas; cada una se vuelca con la primera de las %n reglas con la que coincida.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping… the files being copied are removed, the copies already verified stay recorded.</source>
        <translation>Deteniendo… los archivos que se estaban copiando se eliminan; las copias ya verificadas siguen registradas.</translation>
    </message>
    <message>
        <source>The backups still to be made from the first copies are made the next time Stowly runs.</source>
        <translation>Las copias de seguridad pendientes a partir de las primeras copias se harán la próxima vez que se ejecute Stowly.</translation>
    </message>
    <message>
        <source>Station stopped: %1 offloaded, %2 failed.</source>
        <translation>Estación detenida: %1 volcadas, %2 fallidas.</translation>
    </message>
</context>
<context>
    <name>StoreFile</name>
    <message>
        <source>the file isn’t valid JSON (%1 at byte %2)</source>
        <translation>el archivo no es JSON válido (%1 en el byte %2)</translation>
    </message>
    <message>
        <source>the file doesn’t hold a JSON object</source>
        <translation>el archivo no contiene un objeto JSON</translation>
    </message>
    <message>
        <source>%1. The old file was kept as %2.</source>
        <translation>%1. El archivo anterior se conservó como %2.</translation>
    </message>
    <message>
        <source>%1. It couldn’t be set aside (%2), so Stowly won’t save over it.</source>
        <translation>%1. No se pudo apartar (%2), así que Stowly no guardará encima.</translation>
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
        <translation>%1 en %2 (identidad %3)</translation>
    </message>
    <message>
        <source>%1 on %2, not mounted</source>
        <translation>%1 en %2, sin montar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevos</translation>
    </message>
    <message>
        <source>Offloaded before</source>
        <translation>Ya volcados</translation>
    </message>
    <message>
        <source>Copy missing at the destination</source>
        <translation>Falta la copia en el destino</translation>
    </message>
    <message>
        <source>Ignored (%1):</source>
        <translation>Ignorados (%1):</translation>
    </message>
    <message>
        <source>To copy: %1</source>
        <translation>Para copiar: %1</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message>
        <source>1 short clip left on the card</source>
        <translation>1 clip corto se queda en la tarjeta</translation>
    </message>
    <message>
        <source>1 file from other days</source>
        <translation>1 archivo de otros días</translation>
    </message>
    <message>
        <source>%1 already offloaded</source>
        <translation>%1 ya volcados</translation>
    </message>
    <message>
        <source>1 copy missing, not copied again</source>
        <translation>1 copia ausente, no se vuelve a copiar</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Excluidos: %1</translation>
    </message>
    <message>
        <source>May be damaged: %1: %2</source>
        <translation>Puede estar dañado: %1: %2</translation>
    </message>
    <message>
        <source>Ready. Every file is verified with SHA-256 after copying.</source>
        <translation>Listo. Cada archivo se verifica con SHA-256 después de copiarlo.</translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation>En %1</translation>
    </message>
    <message>
        <source>(with %1)</source>
        <translation>(con %1)</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n short clips left on the card</source>
        <translation>
            <numerusform>%n clip corto se queda en la tarjeta</numerusform>
            <numerusform>%n clips cortos se quedan en la tarjeta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files from other days</source>
        <translation>
            <numerusform>%n archivo de otros días</numerusform>
            <numerusform>%n archivos de otros días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n copies missing, not copied again</source>
        <translation>
            <numerusform>%n copia ausente, no se vuelve a copiar</numerusform>
            <numerusform>%n copias ausentes, no se vuelven a copiar</numerusform>
        </translation>
    </message>
    <message>
        <source>video</source>
        <translation>vídeo</translation>
    </message>
    <message>
        <source>photo</source>
        <translation>foto</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>audio</translation>
    </message>
    <message>
        <source>other</source>
        <translation>otro</translation>
    </message>
    <message>
        <source>1 file offloaded by another station to a place this one can’t see</source>
        <translation>1 archivo volcado por otra estación a un lugar que esta no ve</translation>
    </message>
    <message numerus="yes">
        <source>%n files offloaded by another station to places this one can’t see</source>
        <translation>
            <numerusform>%n archivo volcado por otra estación a un lugar que esta no ve</numerusform>
            <numerusform>%n archivos volcados por otra estación a lugares que esta no ve</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>Same as the desktop</source>
        <translation>Igual que el escritorio</translation>
    </message>
    <message>
        <source>Layout check (lengthened texts)</source>
        <translation>Comprobación de diseño (textos alargados)</translation>
    </message>
</context>
<context>
    <name>VerifyCommand</name>
    <message>
        <source>Missing: %1</source>
        <translation>Falta: %1</translation>
    </message>
    <message>
        <source>Changed: %1 is %2 bytes; the history says %3.</source>
        <translation>Modificado: %1 tiene %2 bytes; el historial indica %3.</translation>
    </message>
    <message>
        <source>Changed: %1 doesn’t match its %2 in the history.</source>
        <translation>Modificado: %1 no coincide con su %2 del historial.</translation>
    </message>
    <message>
        <source>Unreadable: %1: %2</source>
        <translation>Ilegible: %1: %2</translation>
    </message>
    <message>
        <source>Not in the history: %1</source>
        <translation>No está en el historial: %1</translation>
    </message>
    <message>
        <source>%1 of %2 recorded files match; %3 missing, %4 changed, %5 unreadable, %6 not in the history.</source>
        <translation>%1 de %2 archivos registrados coinciden; %3 ausentes, %4 modificados, %5 ilegibles, %6 fuera del historial.</translation>
    </message>
    <message>
        <source>There’s no folder %1.</source>
        <translation>No existe la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 has no ASC MHL history (no “ascmhl” folder).</source>
        <translation>%1 no tiene historial ASC MHL (no hay carpeta «ascmhl»).</translation>
    </message>
    <message>
        <source>The ASC MHL history of %1 is empty.</source>
        <translation>El historial ASC MHL de %1 está vacío.</translation>
    </message>
    <message>
        <source>Couldn’t add the result to the history: %1</source>
        <translation>No se pudo añadir el resultado al historial: %1</translation>
    </message>
    <message>
        <source>Recorded as %1.</source>
        <translation>Registrado como %1.</translation>
    </message>
    <message numerus="yes">
        <source>All %n recorded files match.</source>
        <translation>
            <numerusform>Los %n archivos registrados coinciden.</numerusform>
            <numerusform>Los %n archivos registrados coinciden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VolumeInfo</name>
    <message>
        <source>This drive is read-only, so Stowly can’t write to it — choose another</source>
        <translation>Esta unidad es de solo lectura, así que Stowly no puede escribir en ella — elige otra</translation>
    </message>
    <message>
        <source>This drive is read-only (NTFS). %1 can’t write to it.</source>
        <translation>Esta unidad es de solo lectura (NTFS). %1 no puede escribir en ella.</translation>
    </message>
    <message>
        <source>This drive is read-only (%1), so Stowly can’t write to it — choose another</source>
        <translation>Esta unidad es de solo lectura (%1), así que Stowly no puede escribir en ella — elige otra</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Run “stowly-cli --help” for the usage.</source>
        <translation>Ejecuta «stowly-cli --help» para ver el uso.</translation>
    </message>
</context>
<context>
    <name>platformWords</name>
    <message>
        <source>computer</source>
        <translation>equipo</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Unknown computer</source>
        <translation>Equipo desconocido</translation>
    </message>
    <message>
        <source>Unknown chip</source>
        <translation>Chip desconocido</translation>
    </message>
    <message>
        <source>(The crash report couldn’t be attached. It’s in the folder %1.)</source>
        <translation>(No se pudo adjuntar el informe de fallo. Está en la carpeta %1.)</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>el gestor de archivos</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Gestor de archivos</translation>
    </message>
    <message>
        <source>If you don’t see a prompt when you plug in a card (for example while Do Not Disturb is on), switch to Floating panel. The desktop keeps notifications quiet during Do Not Disturb; the floating panel always shows.</source>
        <translation>Si no ves ningún aviso al conectar una tarjeta (por ejemplo, con «No molestar» activado), cambia a «Panel flotante». El escritorio silencia las notificaciones durante «No molestar»; el panel flotante siempre aparece.</translation>
    </message>
    <message>
        <source>system tray</source>
        <translation>bandeja del sistema</translation>
    </message>
    <message>
        <source>System Tray</source>
        <translation>Bandeja del sistema</translation>
    </message>
    <message>
        <source>With the icon hidden, Stowly keeps running in the background and still asks to import. Open Stowly from the file manager or the application launcher to show its window, and quit it from there with Ctrl+Q.</source>
        <translation>Con el icono oculto, Stowly sigue ejecutándose en segundo plano y sigue preguntando si importar. Abre Stowly desde el gestor de archivos o el lanzador de aplicaciones para mostrar su ventana, y ciérralo desde ahí con Ctrl+Q.</translation>
    </message>
    <message>
        <source>Allow Stowly in your desktop’s settings for startup applications.</source>
        <translation>Permite Stowly en los ajustes de aplicaciones de inicio de tu escritorio.</translation>
    </message>
    <message>
        <source>Stowly is updated by your system’s package manager, together with the rest of your software, so these settings have no effect here.</source>
        <translation>Stowly se actualiza con el gestor de paquetes de tu sistema, junto con el resto de tu software, así que estos ajustes no tienen efecto aquí.</translation>
    </message>
</context>
<context>
    <name>stowly::AfterOffloadProgram</name>
    <message>
        <source>“%1” couldn’t be started: %2</source>
        <translation>No se pudo iniciar «%1»: %2</translation>
    </message>
    <message>
        <source>“%1” ended abnormally.</source>
        <translation>«%1» terminó de forma anómala.</translation>
    </message>
    <message>
        <source>“%1” ended with status %2.</source>
        <translation>«%1» terminó con el estado %2.</translation>
    </message>
    <message>
        <source>“%1” was still running after %2 seconds and was stopped.</source>
        <translation>«%1» seguía en ejecución tras %2 segundos y se detuvo.</translation>
    </message>
</context>
<context>
    <name>stowly::AppMenu</name>
    <message>
        <source>Settings…</source>
        <translation>Ajustes…</translation>
    </message>
    <message>
        <source>About Stowly</source>
        <translation>Acerca de Stowly</translation>
    </message>
    <message>
        <source>Report a Bug…</source>
        <translation>Informar de un error…</translation>
    </message>
    <message>
        <source>Contact Support…</source>
        <translation>Contactar con soporte…</translation>
    </message>
    <message>
        <source>Tip Jar…</source>
        <translation>Bote de propinas…</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Agradecimientos</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Quit Stowly</source>
        <translation>Salir de Stowly</translation>
    </message>
    <message>
        <source>Stowly %1</source>
        <translation>Stowly %1</translation>
    </message>
    <message>
        <source>Offloads camera cards into one organised folder structure and proves every copy with SHA-256.</source>
        <translation>Vuelca tarjetas de cámara en una estructura de carpetas organizada y comprueba cada copia con SHA-256.</translation>
    </message>
    <message>
        <source>Stowly support</source>
        <translation>Soporte de Stowly</translation>
    </message>
    <message>
        <source>Stowly could not load Acknowledgements.txt.</source>
        <translation>Stowly no pudo cargar Acknowledgements.txt.</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Stowly is updated by your system’s package manager, together with the rest of your software.</source>
        <translation>Stowly se actualiza con el gestor de paquetes de tu sistema, junto con el resto de tu software.</translation>
    </message>
</context>
<context>
    <name>stowly::AppModel</name>
    <message>
        <source>Making backups</source>
        <translation>Haciendo copias de seguridad</translation>
    </message>
    <message>
        <source>Copying “%1”</source>
        <translation>Copiando «%1»</translation>
    </message>
    <message>
        <source>Erasing “%1”</source>
        <translation>Borrando «%1»</translation>
    </message>
    <message>
        <source> · can be taken out</source>
        <translation> · ya se puede sacar</translation>
    </message>
</context>
<context>
    <name>stowly::AppSettings</name>
    <message>
        <source>Choose the folder Stowly should copy your media into.</source>
        <translation>Elige la carpeta en la que Stowly debe copiar tu material.</translation>
    </message>
</context>
<context>
    <name>stowly::AppearanceSettingsTab</name>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>Océano</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crepúsculo</translation>
    </message>
    <message>
        <source>Ember</source>
        <translation>Brasa</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>Bosque</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Offload 12 Files</source>
        <translation>Volcar 12 archivos</translation>
    </message>
    <message>
        <source>Sample start button</source>
        <translation>Botón de inicio de ejemplo</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Show files as</source>
        <translation>Mostrar archivos como</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Show thumbnails in the list</source>
        <translation>Mostrar miniaturas en la lista</translation>
    </message>
    <message>
        <source>Select files and press Space to preview them%1. Thumbnails are only read from the card, never written to it.</source>
        <translation>Selecciona archivos y pulsa Espacio para previsualizarlos%1. Las miniaturas solo se leen de la tarjeta, nunca se escriben en ella.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>%1 theme</source>
        <translation>Tema %1</translation>
    </message>
    <message>
        <source>Default is neutral black and white. The colour themes tint the buttons, progress, highlights and the window’s background.</source>
        <translation>El tema Predeterminado es blanco y negro neutro. Los temas de color tiñen los botones, el progreso, los resaltados y el fondo de la ventana.</translation>
    </message>
    <message>
        <source>Increase Contrast or Reduce Transparency is on, so Stowly uses solid colours from the theme instead of gradients.</source>
        <translation>«Aumentar contraste» o «Reducir transparencia» está activado, así que Stowly usa colores sólidos del tema en lugar de degradados.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Stowly speaks the chosen language the next time it opens.</source>
        <translation>Stowly usará el idioma elegido la próxima vez que se abra.</translation>
    </message>
</context>
<context>
    <name>stowly::AutomaticOffload</name>
    <message>
        <source>No rule matches this card.</source>
        <translation>Ninguna regla coincide con esta tarjeta.</translation>
    </message>
    <message>
        <source>The preset its rule names is gone.</source>
        <translation>El preajuste que indica su regla ya no existe.</translation>
    </message>
    <message>
        <source>The preset’s destination %1 isn’t there.</source>
        <translation>El destino del preajuste, %1, no está disponible.</translation>
    </message>
    <message>
        <source>Its preset’s file rules kept changing while it was read.</source>
        <translation>Las reglas de archivos de su preajuste cambiaban mientras se leían.</translation>
    </message>
    <message>
        <source>Its rule asks before offloading.</source>
        <translation>Su regla pregunta antes de volcar.</translation>
    </message>
    <message>
        <source>The offload couldn’t start.</source>
        <translation>No se pudo iniciar el volcado.</translation>
    </message>
    <message>
        <source>Give the card name to match.</source>
        <translation>Indica el nombre de tarjeta que debe coincidir.</translation>
    </message>
    <message>
        <source>Choose the camera whose cards this rule takes.</source>
        <translation>Elige la cámara cuyas tarjetas toma esta regla.</translation>
    </message>
    <message>
        <source>Give the card’s volume identity.</source>
        <translation>Indica la identidad del volumen de la tarjeta.</translation>
    </message>
    <message>
        <source>The camera this rule names isn’t in your cameras.</source>
        <translation>La cámara que indica esta regla no está entre tus cámaras.</translation>
    </message>
    <message>
        <source>The preset this rule names isn’t in your presets.</source>
        <translation>El preajuste que indica esta regla no está entre tus preajustes.</translation>
    </message>
    <message>
        <source>The preset %1</source>
        <translation>El preajuste %1</translation>
    </message>
    <message>
        <source>The current setup</source>
        <translation>La configuración actual</translation>
    </message>
    <message>
        <source>%1 has an error in its naming.</source>
        <translation>%1 tiene un error en sus nombres.</translation>
    </message>
    <message>
        <source>%1 names folders or files after the project: give the rule a project.</source>
        <translation>%1 usa el proyecto en los nombres de carpetas o archivos: asigna un proyecto a la regla.</translation>
    </message>
    <message>
        <source>Any card</source>
        <translation>Cualquier tarjeta</translation>
    </message>
    <message>
        <source>The card %1</source>
        <translation>La tarjeta %1</translation>
    </message>
    <message>
        <source>Cards named %1</source>
        <translation>Tarjetas llamadas %1</translation>
    </message>
    <message>
        <source>Cards from %1</source>
        <translation>Tarjetas de %1</translation>
    </message>
    <message>
        <source>a camera that’s gone</source>
        <translation>una cámara que ya no existe</translation>
    </message>
    <message>
        <source>Preset %1</source>
        <translation>Preajuste %1</translation>
    </message>
    <message>
        <source>A preset that’s gone</source>
        <translation>Un preajuste que ya no existe</translation>
    </message>
    <message>
        <source>Project %1</source>
        <translation>Proyecto %1</translation>
    </message>
    <message>
        <source>Starts without asking</source>
        <translation>Empieza sin preguntar</translation>
    </message>
    <message>
        <source>Asks first</source>
        <translation>Pregunta antes</translation>
    </message>
    <message>
        <source>Ejects when verified</source>
        <translation>Expulsa tras verificar</translation>
    </message>
</context>
<context>
    <name>stowly::BackupDestinationsEditor</name>
    <message>
        <source>Backup destinations</source>
        <translation>Destinos de copia de seguridad</translation>
    </message>
    <message>
        <source>Add a backup folder</source>
        <translation>Añadir una carpeta de copia de seguridad</translation>
    </message>
    <message>
        <source>Remove the selected backup folder</source>
        <translation>Quitar la carpeta de copia de seguridad seleccionada</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>No conectado</translation>
    </message>
    <message>
        <source>From the card</source>
        <translation>Desde la tarjeta</translation>
    </message>
    <message>
        <source>From the first copy</source>
        <translation>Desde la primera copia</translation>
    </message>
    <message>
        <source>Copy to %1 from</source>
        <translation>Copiar a %1 desde</translation>
    </message>
    <message>
        <source>No backups: every file gets one copy.</source>
        <translation>Sin copias de seguridad: cada archivo recibe una sola copia.</translation>
    </message>
    <message>
        <source>Choose a folder for backup copies.</source>
        <translation>Elige una carpeta para las copias de seguridad.</translation>
    </message>
</context>
<context>
    <name>stowly::CameraStore</name>
    <message>
        <source>Couldn’t read the camera list: %1</source>
        <translation>No se pudo leer la lista de cámaras: %1</translation>
    </message>
    <message>
        <source>Couldn’t save the camera list: %1.</source>
        <translation>No se pudo guardar la lista de cámaras: %1.</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>el archivo</translation>
    </message>
    <message>
        <source>the camera recorded for the card “%1” isn’t a UUID</source>
        <translation>la cámara registrada para la tarjeta «%1» no es un UUID</translation>
    </message>
</context>
<context>
    <name>stowly::CamerasSettingsTab</name>
    <message>
        <source>Cameras</source>
        <translation>Cámaras</translation>
    </message>
    <message>
        <source>Camera name</source>
        <translation>Nombre de la cámara</translation>
    </message>
    <message>
        <source>Short Code</source>
        <translation>Código corto</translation>
    </message>
    <message>
        <source>No Cameras</source>
        <translation>No hay cámaras</translation>
    </message>
    <message>
        <source>Click + to add the cameras you shoot with.</source>
        <translation>Haz clic en + para añadir las cámaras con las que grabas.</translation>
    </message>
    <message>
        <source>Add a camera</source>
        <translation>Añadir una cámara</translation>
    </message>
    <message>
        <source>Remove the selected camera</source>
        <translation>Quitar la cámara seleccionada</translation>
    </message>
    <message>
        <source>Pick one in the Media stage for each card. The short code (or the name) fills the {camera} token.</source>
        <translation>Elige una en el paso Medios para cada tarjeta. El código corto (o el nombre) rellena el marcador {camera}.</translation>
    </message>
    <message>
        <source>Stowly remembers the camera you pick for each card and selects it the next time that card is inserted.</source>
        <translation>Stowly recuerda la cámara que eliges para cada tarjeta y la selecciona la próxima vez que se inserta esa tarjeta.</translation>
    </message>
    <message>
        <source>New Camera</source>
        <translation>Nueva cámara</translation>
    </message>
</context>
<context>
    <name>stowly::CardStageView</name>
    <message>
        <source>Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Ejecting…</source>
        <translation>Expulsando…</translation>
    </message>
</context>
<context>
    <name>stowly::DateRangeDialog</name>
    <message>
        <source>Choose Dates</source>
        <translation>Elegir fechas</translation>
    </message>
    <message>
        <source>Copy only the files from these days, both days included. Everything else stays on the card.</source>
        <translation>Copiar solo los archivos de estos días, ambos incluidos. Todo lo demás se queda en la tarjeta.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Use These Dates</source>
        <translation>Usar estas fechas</translation>
    </message>
</context>
<context>
    <name>stowly::DesktopApp</name>
    <message>
        <source>Offload complete</source>
        <translation>Volcado completado</translation>
    </message>
    <message>
        <source>Stop the offload and quit?</source>
        <translation>¿Detener el volcado y salir?</translation>
    </message>
    <message>
        <source>Closing the window quits Stowly and stops the offload. Files copied so far keep their verified copies; the rest stay on the card.</source>
        <translation>Al cerrar la ventana, Stowly se cierra y detiene el volcado. Los archivos copiados hasta ahora conservan sus copias verificadas; el resto se queda en la tarjeta.</translation>
    </message>
    <message>
        <source>Quitting stops the offload. Files copied so far keep their verified copies; the rest stay on the card.</source>
        <translation>Al salir se detiene el volcado. Los archivos copiados hasta ahora conservan sus copias verificadas; el resto se queda en la tarjeta.</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Detener y salir</translation>
    </message>
    <message>
        <source>Keep Copying</source>
        <translation>Seguir copiando</translation>
    </message>
</context>
<context>
    <name>stowly::DestinationStageView</name>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Quick dump</source>
        <translation>Volcado rápido</translation>
    </message>
    <message>
        <source>Edit Folders</source>
        <translation>Editar carpetas</translation>
    </message>
    <message>
        <source>Edit the folder levels</source>
        <translation>Editar los niveles de carpeta</translation>
    </message>
    <message>
        <source>The folders this offload fills show here once it can start.</source>
        <translation>Las carpetas que llenará este volcado aparecen aquí cuando pueda empezar.</translation>
    </message>
</context>
<context>
    <name>stowly::DestinationStore</name>
    <message>
        <source>Couldn’t read your favorite destinations: %1</source>
        <translation>No se pudieron leer tus destinos favoritos: %1</translation>
    </message>
    <message>
        <source>Couldn’t save your favorite destinations: %1.</source>
        <translation>No se pudieron guardar tus destinos favoritos: %1.</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>el archivo</translation>
    </message>
    <message>
        <source>“%1” already points at %2. Two favorites can’t share a folder, so “%3” wasn’t changed.</source>
        <translation>«%1» ya apunta a %2. Dos favoritos no pueden compartir carpeta, así que «%3» no se ha cambiado.</translation>
    </message>
</context>
<context>
    <name>stowly::DestinationsSettingsTab</name>
    <message>
        <source>Not Connected</source>
        <translation>No conectado</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Make Default</source>
        <translation>Hacer predeterminado</translation>
    </message>
    <message>
        <source>Change Folder…</source>
        <translation>Cambiar carpeta…</translation>
    </message>
    <message>
        <source>Favorite Destinations</source>
        <translation>Destinos favoritos</translation>
    </message>
    <message>
        <source>Switch between these in the Destination stage. A favorite on a drive that isn’t plugged in shows as Not Connected.</source>
        <translation>Cambia entre ellos en el paso Destino. Un favorito en una unidad que no está conectada aparece como «No conectado».</translation>
    </message>
    <message>
        <source>Stowly starts in the default favorite. If its drive isn’t connected, it uses the one you used last. Drag favorites to put them in another order.</source>
        <translation>Stowly empieza con el favorito predeterminado. Si su unidad no está conectada, usa el último que usaste. Arrastra los favoritos para cambiar su orden.</translation>
    </message>
    <message>
        <source>No Favorites</source>
        <translation>No hay favoritos</translation>
    </message>
    <message>
        <source>Click + to add a folder you offload to often.</source>
        <translation>Haz clic en + para añadir una carpeta a la que vuelques a menudo.</translation>
    </message>
    <message>
        <source>Add a favorite folder</source>
        <translation>Añadir una carpeta favorita</translation>
    </message>
    <message>
        <source>Remove the selected favorite</source>
        <translation>Quitar el favorito seleccionado</translation>
    </message>
    <message>
        <source>Favorite name</source>
        <translation>Nombre del favorito</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Choose a folder to add to your favorite destinations.</source>
        <translation>Elige una carpeta para añadirla a tus destinos favoritos.</translation>
    </message>
    <message>
        <source>Choose the new folder for “%1”</source>
        <translation>Elige la nueva carpeta para «%1»</translation>
    </message>
    <message>
        <source>Backup Destinations</source>
        <translation>Destinos de copia de seguridad</translation>
    </message>
    <message>
        <source>Every file is also copied to these folders, under the same name as in the destination. A card is ready to erase only when each of them has its copies.</source>
        <translation>Cada archivo se copia también en estas carpetas, con el mismo nombre que en el destino. Una tarjeta solo está lista para borrar cuando todas ellas tienen sus copias.</translation>
    </message>
    <message>
        <source>Backups from the card are written in the same read as the destination. Backups from the first copy are made from the destination once its copy is proved, so a slow backup drive doesn’t hold up the card.</source>
        <translation>Las copias de seguridad desde la tarjeta se escriben en la misma lectura que el destino. Las copias de seguridad desde la primera copia se hacen a partir del destino una vez comprobada su copia, para que una unidad de copia de seguridad lenta no retenga la tarjeta.</translation>
    </message>
    <message>
        <source>Read each file from the card again to check it</source>
        <translation>Volver a leer cada archivo de la tarjeta para comprobarlo</translation>
    </message>
    <message>
        <source>After a file’s copies are verified, Stowly reads it from the card a second time and compares. Slower, but it catches a card or reader that gives different bytes.</source>
        <translation>Después de verificar las copias de un archivo, Stowly lo lee de la tarjeta una segunda vez y compara. Es más lento, pero detecta una tarjeta o un lector que devuelven bytes distintos.</translation>
    </message>
    <message>
        <source>Keep an ASC MHL history at every destination</source>
        <translation>Mantener un historial ASC MHL en cada destino</translation>
    </message>
    <message>
        <source>Each offload adds a manifest with an xxh128 value for every copied file to the “ascmhl” folder at the top of the destination, so anyone can check the drive later, with Stowly (stowly-cli verify) or another ASC MHL tool.</source>
        <translation>Cada volcado añade a la carpeta «ascmhl», en la raíz del destino, un manifiesto con un valor xxh128 por cada archivo copiado, para que cualquiera pueda comprobar la unidad más adelante, con Stowly (stowly-cli verify) u otra herramienta ASC MHL.</translation>
    </message>
    <message>
        <source>Copy to one drive from several cards at once</source>
        <translation>Copiar a una unidad desde varias tarjetas a la vez</translation>
    </message>
    <message>
        <source>Off, cards whose copies go to the same drive take turns, which keeps a spinning drive from seeking between them; cards that go to different drives always copy side by side. On, every card starts at once.</source>
        <translation>Desactivado: las tarjetas cuyas copias van a la misma unidad se turnan, lo que evita que un disco mecánico salte de una a otra; las tarjetas que van a unidades distintas siempre se copian en paralelo. Activado: todas las tarjetas empiezan a la vez.</translation>
    </message>
    <message>
        <source>Also take:</source>
        <translation>Incluir también:</translation>
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
        <translation>Incluir también %1 en el historial ASC MHL</translation>
    </message>
    <message>
        <source>Formats a production asks for besides xxh128, taken from the same read of the card as the copy, for backups from the first copy too. MD5 and SHA-1 slow a fast card’s copy a little.</source>
        <translation>Formatos que pide una producción además de xxh128, calculados en la misma lectura de la tarjeta que la copia, también para las copias de seguridad desde la primera copia. MD5 y SHA-1 ralentizan un poco la copia de una tarjeta rápida.</translation>
    </message>
</context>
<context>
    <name>stowly::FileRuleList</name>
    <message>
        <source>Add an extension, e.g. lrv</source>
        <translation>Añadir una extensión, p. ej. lrv</translation>
    </message>
    <message>
        <source>Add an extension, e.g. thm</source>
        <translation>Añadir una extensión, p. ej. thm</translation>
    </message>
    <message>
        <source>Add a name or pattern, e.g. *.tmp</source>
        <translation>Añadir un nombre o patrón, p. ej. *.tmp</translation>
    </message>
    <message>
        <source>That can’t be used here.</source>
        <translation>Eso no se puede usar aquí.</translation>
    </message>
    <message>
        <source>would hide footage</source>
        <translation>ocultaría material</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source> matches photos or videos. Those files won’t be offloaded, and formatting the card erases them.</source>
        <translation> coincide con fotos o vídeos. Esos archivos no se volcarán, y al formatear la tarjeta se borrarán.</translation>
    </message>
</context>
<context>
    <name>stowly::FilesSettingsTab</name>
    <message>
        <source>Proxies</source>
        <translation>Proxies</translation>
    </message>
    <message>
        <source>Proxy extensions</source>
        <translation>Extensiones de proxy</translation>
    </message>
    <message>
        <source>Low-res copies like GoPro .LRV and DJI .LRF go into a Proxies folder inside the shoot folder, named after their clip. They’re never treated as footage and never skipped on their own: they follow their clip.</source>
        <translation>Las copias de baja resolución, como .LRV de GoPro y .LRF de DJI, van a una carpeta Proxies dentro de la carpeta de la grabación, con el nombre de su clip. Nunca se tratan como material ni se omiten por sí solas: siguen a su clip.</translation>
    </message>
    <message>
        <source>Sidecars</source>
        <translation>Archivos complementarios</translation>
    </message>
    <message>
        <source>Sidecar extensions</source>
        <translation>Extensiones de archivos complementarios</translation>
    </message>
    <message>
        <source>Thumbnails, metadata and telemetry (.THM, .XML, .SRT) go into a Sidecars folder. Audio recorded with a clip (.WAV) goes in the WAV folder with the clip’s name.</source>
        <translation>Las miniaturas, los metadatos y la telemetría (.THM, .XML, .SRT) van a una carpeta Sidecars. El audio grabado con un clip (.WAV) va a la carpeta WAV con el nombre del clip.</translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation>Ignorados</translation>
    </message>
    <message>
        <source>Ignored names</source>
        <translation>Nombres ignorados</translation>
    </message>
    <message>
        <source>Ignored files are never copied and don’t stop a card being ready to format. The card shows how many there are. Use * and ? as wildcards, or .ext for an extension.</source>
        <translation>Los archivos ignorados nunca se copian y no impiden que una tarjeta esté lista para formatear. La tarjeta muestra cuántos hay. Usa * y ? como comodines, o .ext para una extensión.</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restablecer valores</translation>
    </message>
</context>
<context>
    <name>stowly::FolderLevelsEditor</name>
    <message>
        <source>Folder levels</source>
        <translation>Niveles de carpeta</translation>
    </message>
    <message>
        <source>Drag to move this level; drop a token on the side of a name to combine them.</source>
        <translation>Arrastra para mover este nivel; suelta un marcador junto a un nombre para combinarlos.</translation>
    </message>
    <message>
        <source>Move “%1” to Its Own Level</source>
        <translation>Mover «%1» a su propio nivel</translation>
    </message>
    <message>
        <source>What goes between the names side by side</source>
        <translation>Lo que va entre los nombres contiguos</translation>
    </message>
    <message>
        <source>Remove Folder Level</source>
        <translation>Quitar nivel de carpeta</translation>
    </message>
</context>
<context>
    <name>stowly::FolderTreePreview</name>
    <message>
        <source>Folders the offload creates</source>
        <translation>Carpetas que crea el volcado</translation>
    </message>
    <message>
        <source>%1 is already at the destination; new files join it</source>
        <translation>%1 ya está en el destino; los archivos nuevos se añaden a ella</translation>
    </message>
    <message>
        <source>%1 will be created</source>
        <translation>Se creará %1</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stowly::GeneralSettingsTab</name>
    <message>
        <source>Files to Offload</source>
        <translation>Archivos que volcar</translation>
    </message>
    <message>
        <source>Video (MP4, MOV, MXF, BRAW, R3D…)</source>
        <translation>Vídeo (MP4, MOV, MXF, BRAW, R3D…)</translation>
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
        <translation>Otros archivos (proxies, XML, metadatos…)</translation>
    </message>
    <message>
        <source>Sidecars (like C0001M01.XML) and proxies (like GoPro .LRV) get their clip’s name and their own folders when Other is on. Change the lists and the ignore list in the Files tab.</source>
        <translation>Los archivos complementarios (como C0001M01.XML) y los proxies (como .LRV de GoPro) reciben el nombre de su clip y sus propias carpetas cuando «Otros archivos» está activado. Cambia las listas y la lista de ignorados en la pestaña Archivos.</translation>
    </message>
    <message>
        <source>Skip videos shorter than</source>
        <translation>Omitir vídeos de menos de</translation>
    </message>
    <message>
        <source>Skip videos shorter than, in seconds</source>
        <translation>Omitir vídeos de menos de (en segundos)</translation>
    </message>
    <message>
        <source>Off keeps every clip. Accidental takes stay on the card, with their sidecars and proxies. Include them from the Media list any time. Clips whose length can’t be read (like BRAW or R3D) are always offloaded.</source>
        <translation>Con «Desactivado» se vuelcan todos los clips. Las tomas accidentales se quedan en la tarjeta, con sus archivos complementarios y proxies. Puedes incluirlas desde la lista de Medios cuando quieras. Los clips cuya duración no se puede leer (como BRAW o R3D) siempre se vuelcan.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>After Offload</source>
        <translation>Después del volcado</translation>
    </message>
    <message>
        <source>Play a sound when an offload finishes</source>
        <translation>Reproducir un sonido al terminar un volcado</translation>
    </message>
    <message>
        <source>Eject card after offload</source>
        <translation>Expulsar la tarjeta tras el volcado</translation>
    </message>
    <message>
        <source>Only when every file was copied and verified.</source>
        <translation>Solo si todos los archivos se copiaron y verificaron.</translation>
    </message>
    <message>
        <source>Then run this program:</source>
        <translation>Después, ejecutar este programa:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>After each card, with the offload as JSON on its standard input. It has a minute; whatever it does, the copies and the history stay as they are.</source>
        <translation>Tras cada tarjeta, con el volcado en JSON por su entrada estándar. Dispone de un minuto; haga lo que haga, las copias y el historial no cambian.</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Operador:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Named in every offload’s report, with the card, the camera and the project.</source>
        <translation>Figura en el informe de cada volcado, con la tarjeta, la cámara y el proyecto.</translation>
    </message>
    <message>
        <source>Write each offload’s report into every destination</source>
        <translation>Escribir el informe de cada volcado en cada destino</translation>
    </message>
    <message>
        <source>A PDF and a CSV table of every file and its checksums, in the folder “Stowly Reports” at the top of each destination. Any offload’s report is also under Show Report in Recent Offloads.</source>
        <translation>Un PDF y una tabla CSV con cada archivo y sus sumas de comprobación, en la carpeta «Stowly Reports» en la raíz de cada destino. El informe de cualquier volcado también está en «Ver informe», en «Volcados recientes».</translation>
    </message>
    <message>
        <source>Keep Stowly running in the %1</source>
        <translation>Mantener Stowly abierto en la %1</translation>
    </message>
    <message>
        <source>Closing the window leaves Stowly running, so it can notice cards and drives as they’re plugged in.</source>
        <translation>Al cerrar la ventana, Stowly sigue en ejecución para detectar tarjetas y unidades en cuanto se conectan.</translation>
    </message>
    <message>
        <source>Ask to import when a card or drive is plugged in</source>
        <translation>Preguntar si importar al conectar una tarjeta o unidad</translation>
    </message>
    <message>
        <source>Whenever Stowly is running. Only for cards and drives with camera folders or media; a card an Automatic Offload rule takes is offloaded without asking.</source>
        <translation>Siempre que Stowly esté en ejecución. Solo para tarjetas y unidades con carpetas de cámara o material; una tarjeta que toma una regla de «Volcado automático» se vuelca sin preguntar.</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Notificación</translation>
    </message>
    <message>
        <source>Floating panel</source>
        <translation>Panel flotante</translation>
    </message>
    <message>
        <source>Show %1 icon</source>
        <translation>Mostrar icono de %1</translation>
    </message>
    <message>
        <source>This desktop shows no tray icons, so the %1 icon can’t appear here.</source>
        <translation>Este escritorio no muestra iconos en la bandeja, así que el icono de %1 no puede aparecer aquí.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Mount cards when they are inserted</source>
        <translation>Montar las tarjetas al insertarlas</translation>
    </message>
    <message>
        <source>Don’t ask for these cards</source>
        <translation>No preguntar por estas tarjetas</translation>
    </message>
    <message>
        <source>Ask Again</source>
        <translation>Volver a preguntar</translation>
    </message>
    <message>
        <source>Ask again for </source>
        <translation>Volver a preguntar por </translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Buscar actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>Automatically download and install updates</source>
        <translation>Descargar e instalar actualizaciones automáticamente</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Shared History</source>
        <translation>Historial compartido</translation>
    </message>
    <message>
        <source>History server:</source>
        <translation>Servidor de historial:</translation>
    </message>
    <message>
        <source>None: the history stays on this computer</source>
        <translation>Ninguno: el historial se queda en este ordenador</translation>
    </message>
    <message>
        <source>This station:</source>
        <translation>Esta estación:</translation>
    </message>
    <message>
        <source>Trust copies verified by other stations</source>
        <translation>Confiar en las copias verificadas por otras estaciones</translation>
    </message>
    <message>
        <source>A card may then be erased when its only copies are on another station’s drives, which this one can’t check.</source>
        <translation>Una tarjeta podrá borrarse cuando sus únicas copias estén en las unidades de otra estación, que esta no puede comprobar.</translation>
    </message>
    <message>
        <source>Stations that name the same PostgreSQL server (host=… dbname=… user=…) see each other’s copies. The password comes from ~/.pgpass or the desktop’s keyring, never from here.</source>
        <translation>Las estaciones que indican el mismo servidor PostgreSQL (host=… dbname=… user=…) ven las copias de las demás. La contraseña viene de ~/.pgpass o del llavero del escritorio, nunca de aquí.</translation>
    </message>
</context>
<context>
    <name>stowly::History</name>
    <message>
        <source>Couldn’t read the ledger (%1). Stowly won’t overwrite it.</source>
        <translation>No se pudo leer el archivo del historial (%1). Stowly no lo sobrescribirá.</translation>
    </message>
    <message>
        <source>Couldn’t read the ledger’s journal (%1). Stowly won’t overwrite it.</source>
        <translation>No se pudo leer el diario del archivo del historial (%1). Stowly no lo sobrescribirá.</translation>
    </message>
    <message>
        <source>Couldn’t read part of the ledger’s journal. The old file was kept as %1; everything readable in it is in the history.</source>
        <translation>No se pudo leer parte del diario del archivo del historial. El archivo anterior se conservó como %1; todo lo que se podía leer de él está en el historial.</translation>
    </message>
    <message>
        <source>Couldn’t read the ledger’s journal, and couldn’t set it aside. Stowly won’t overwrite it.</source>
        <translation>No se pudo leer el diario del archivo del historial ni apartarlo. Stowly no lo sobrescribirá.</translation>
    </message>
    <message>
        <source>Couldn’t read the ledger (%1). The old file was kept as %2.</source>
        <translation>No se pudo leer el archivo del historial (%1). El archivo anterior se conservó como %2.</translation>
    </message>
    <message>
        <source>Couldn’t read the ledger, and couldn’t set it aside. Stowly won’t overwrite it.</source>
        <translation>No se pudo leer el archivo del historial ni apartarlo. Stowly no lo sobrescribirá.</translation>
    </message>
    <message>
        <source>Couldn’t save the ledger: %1.</source>
        <translation>No se pudo guardar el archivo del historial: %1.</translation>
    </message>
</context>
<context>
    <name>stowly::ImportPrompter</name>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Don’t ask for this card</source>
        <translation>No preguntar por esta tarjeta</translation>
    </message>
    <message>
        <source>Don’t Ask for This Card</source>
        <translation>No preguntar por esta tarjeta</translation>
    </message>
</context>
<context>
    <name>stowly::LoginItem</name>
    <message>
        <source>Stowly couldn’t add itself to the programs that start at login: %1</source>
        <translation>Stowly no pudo añadirse a los programas que se abren al iniciar sesión: %1</translation>
    </message>
    <message>
        <source>Stowly couldn’t remove itself from the programs that start at login: %1 can’t be deleted.</source>
        <translation>Stowly no pudo quitarse de los programas que se abren al iniciar sesión: no se puede eliminar %1.</translation>
    </message>
</context>
<context>
    <name>stowly::MainWindow</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Show the files offloaded so far</source>
        <translation>Mostrar los archivos volcados hasta ahora</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>About, help and support</source>
        <translation>Acerca de, ayuda y soporte</translation>
    </message>
    <message>
        <source>Shared history</source>
        <translation>Historial compartido</translation>
    </message>
    <message>
        <source>New copies are recorded on this station and go to the shared history once it answers; other stations’ copies aren’t seen meanwhile.</source>
        <translation>Las copias nuevas se registran en esta estación y pasarán al historial compartido en cuanto responda; mientras tanto no se ven las copias de otras estaciones.</translation>
    </message>
</context>
<context>
    <name>stowly::MediaFields</name>
    <message>
        <source>Any date</source>
        <translation>Cualquier fecha</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Últimos 7 días</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>Del %1 al %2</translation>
    </message>
    <message>
        <source>Choose Dates…</source>
        <translation>Elegir fechas…</translation>
    </message>
</context>
<context>
    <name>stowly::MediaStageView</name>
    <message>
        <source>Show files as</source>
        <translation>Mostrar archivos como</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
</context>
<context>
    <name>stowly::NamingSettingsTab</name>
    <message>
        <source>Templates</source>
        <translation>Plantillas</translation>
    </message>
    <message>
        <source>Folder structure</source>
        <translation>Estructura de carpetas</translation>
    </message>
    <message>
        <source>Files go straight into the destination</source>
        <translation>Los archivos van directamente al destino</translation>
    </message>
    <message>
        <source>“/” makes a subfolder. Inside it, each extension gets its own folder (MP4, ARW, WAV…). Leave empty to put those right in the destination.</source>
        <translation>«/» crea una subcarpeta. Dentro, cada extensión tiene su propia carpeta (MP4, ARW, WAV…). Déjalo vacío para guardar los archivos directamente en el destino.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>The extension (.mp4, .arw…) is always added, in lower case.</source>
        <translation>La extensión (.mp4, .arw…) se añade siempre, en minúsculas.</translation>
    </message>
    <message>
        <source>Insert Token</source>
        <translation>Insertar marcador</translation>
    </message>
    <message>
        <source>Naming Presets</source>
        <translation>Preajustes de nombres</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Ejemplo</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Click a token to add it to the </source>
        <translation>Haz clic en un marcador para insertarlo en </translation>
    </message>
    <message>
        <source>folder structure</source>
        <translation>la estructura de carpetas</translation>
    </message>
    <message>
        <source>file name</source>
        <translation>el nombre de archivo</translation>
    </message>
</context>
<context>
    <name>stowly::OffloadBar</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Show Report</source>
        <translation>Ver informe</translation>
    </message>
    <message>
        <source>Cancel waiting offload</source>
        <translation>Cancelar el volcado en espera</translation>
    </message>
    <message>
        <source>Files that failed</source>
        <translation>Archivos con errores</translation>
    </message>
    <message>
        <source>The offload&apos;s report: every file, its copies and their checksums, to print or save</source>
        <translation>El informe del volcado: cada archivo, sus copias y sus sumas de comprobación, para imprimir o guardar</translation>
    </message>
    <message>
        <source>Backups from the first copy</source>
        <translation>Copias de seguridad desde la primera copia</translation>
    </message>
    <message>
        <source>%1 of %2 files · %3 of %4</source>
        <translation>%1 de %2 archivos · %3 de %4</translation>
    </message>
    <message numerus="yes">
        <source> · to %n destinations</source>
        <translation>
            <numerusform> · a %n destinos</numerusform>
            <numerusform> · a %n destinos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stowly::OffloadNotice</name>
    <message>
        <source>“%1”: %2</source>
        <translation>«%1»: %2</translation>
    </message>
</context>
<context>
    <name>stowly::OffloadQueueView</name>
    <message>
        <source>Offloads</source>
        <translation>Volcados</translation>
    </message>
    <message>
        <source>Drag a waiting offload, or press Ctrl+Up or Ctrl+Down, to change its turn. Delete cancels the selected offload.</source>
        <translation>Arrastra un volcado en espera, o pulsa Ctrl+Flecha arriba o Ctrl+Flecha abajo, para cambiar su turno. Supr cancela el volcado seleccionado.</translation>
    </message>
    <message>
        <source>Take “%1” Out of the Queue</source>
        <translation>Sacar «%1» de la cola</translation>
    </message>
    <message>
        <source>Cancel the Offload of “%1”</source>
        <translation>Cancelar el volcado de «%1»</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
</context>
<context>
    <name>stowly::PresetEditor</name>
    <message>
        <source>Short clips</source>
        <translation>Clips cortos</translation>
    </message>
    <message>
        <source>Quick dump</source>
        <translation>Volcado rápido</translation>
    </message>
    <message>
        <source>Use Current File Rules</source>
        <translation>Usar las reglas de archivos actuales</translation>
    </message>
    <message>
        <source>Update from Current Setup</source>
        <translation>Actualizar con la configuración actual</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Nombre del preajuste</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Folder structure</source>
        <translation>Estructura de carpetas</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>None: straight into the destination</source>
        <translation>Ninguna: directamente al destino</translation>
    </message>
    <message>
        <source>These templates aren’t valid. Check them in the Naming tab.</source>
        <translation>Estas plantillas no son válidas. Revísalas en la pestaña Nombres.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nombres de archivo</translation>
    </message>
    <message>
        <source>Skips the project name and dumps all the footage straight into a dated folder.</source>
        <translation>Prescinde del nombre del proyecto y vuelca todo el material directamente en una carpeta con la fecha.</translation>
    </message>
    <message>
        <source>File rules</source>
        <translation>Reglas de archivos</translation>
    </message>
    <message>
        <source>Replace this preset’s settings with what the main window uses now</source>
        <translation>Sustituir los ajustes de este preajuste por los que usa ahora la ventana principal</translation>
    </message>
    <message>
        <source>The same as in the Files tab.</source>
        <translation>Iguales que en la pestaña Archivos.</translation>
    </message>
    <message>
        <source>Not the same as in the Files tab.</source>
        <translation>Distintas de las de la pestaña Archivos.</translation>
    </message>
    <message>
        <source>Keep current folder</source>
        <translation>Mantener la carpeta actual</translation>
    </message>
    <message>
        <source>Suggested for the card</source>
        <translation>Sugerida para la tarjeta</translation>
    </message>
</context>
<context>
    <name>stowly::PresetStore</name>
    <message>
        <source>Couldn’t read your presets: %1</source>
        <translation>No se pudieron leer tus preajustes: %1</translation>
    </message>
    <message>
        <source>Couldn’t save your presets: %1.</source>
        <translation>No se pudieron guardar tus preajustes: %1.</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>el archivo</translation>
    </message>
</context>
<context>
    <name>stowly::PresetSwitcher</name>
    <message>
        <source>Switch to a saved setup: destination, naming, camera and file rules</source>
        <translation>Cambiar a una configuración guardada: destino, nombres, cámara y reglas de archivos</translation>
    </message>
    <message>
        <source>Preset: %1</source>
        <translation>Preajuste: %1</translation>
    </message>
    <message>
        <source>No Preset</source>
        <translation>Sin preajuste</translation>
    </message>
    <message>
        <source>Save Current Setup as Preset…</source>
        <translation>Guardar configuración actual como preajuste…</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Guardar preajuste</translation>
    </message>
    <message>
        <source>Preset name:</source>
        <translation>Nombre del preajuste:</translation>
    </message>
</context>
<context>
    <name>stowly::PresetsSettingsTab</name>
    <message>
        <source>Presets</source>
        <translation>Preajustes</translation>
    </message>
    <message>
        <source>No Presets</source>
        <translation>No hay preajustes</translation>
    </message>
    <message>
        <source>Click + to save the current setup as a preset.</source>
        <translation>Haz clic en + para guardar la configuración actual como preajuste.</translation>
    </message>
    <message>
        <source>Save the current setup as a new preset</source>
        <translation>Guardar la configuración actual como un preajuste nuevo</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>Añadir preajuste</translation>
    </message>
    <message>
        <source>Delete the selected preset</source>
        <translation>Eliminar el preajuste seleccionado</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>Eliminar preajuste</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Duplicate the selected preset</source>
        <translation>Duplicar el preajuste seleccionado</translation>
    </message>
    <message>
        <source>Duplicate preset</source>
        <translation>Duplicar preajuste</translation>
    </message>
    <message>
        <source>A preset saves where files go, how they’re named, the camera, short-clip skipping, quick dump and the file rules. Switch presets from the menu at the top right of the main window, where they’re listed in this order; drag them to change it.</source>
        <translation>Un preajuste guarda adónde van los archivos, cómo se nombran, la cámara, la omisión de clips cortos, el volcado rápido y las reglas de archivos. Cambia de preajuste desde el menú de la parte superior derecha de la ventana principal, donde aparecen en este orden; arrástralos para cambiarlo.</translation>
    </message>
    <message>
        <source>Selected Preset</source>
        <translation>Preajuste seleccionado</translation>
    </message>
    <message>
        <source>No Preset Selected</source>
        <translation>Ningún preajuste seleccionado</translation>
    </message>
    <message>
        <source>Select a preset to edit it.</source>
        <translation>Selecciona un preajuste para editarlo.</translation>
    </message>
    <message>
        <source>In use · edited</source>
        <translation>En uso · modificado</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>En uso</translation>
    </message>
</context>
<context>
    <name>stowly::PreviewWindow</name>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>No hay vista previa de este archivo</translation>
    </message>
</context>
<context>
    <name>stowly::RecentOffloadsView</name>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Show Report</source>
        <translation>Ver informe</translation>
    </message>
    <message>
        <source>Recent Offloads</source>
        <translation>Volcados recientes</translation>
    </message>
    <message>
        <source>Recent offloads</source>
        <translation>Volcados recientes</translation>
    </message>
    <message>
        <source>The report of the offload that made this copy</source>
        <translation>El informe del volcado que hizo esta copia</translation>
    </message>
</context>
<context>
    <name>stowly::ReportWindow</name>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Drawing the report’s pictures…</source>
        <translation>Dibujando las imágenes del informe…</translation>
    </message>
    <message>
        <source>Save the report as a PDF, a web page, a CSV table or JSON</source>
        <translation>Guardar el informe como PDF, página web, tabla CSV o JSON</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation>Página web (*.html)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabla CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>The report wasn’t saved</source>
        <translation>No se ha guardado el informe</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stowly::RuleEditor</name>
    <message>
        <source>Use Inserted Card</source>
        <translation>Usar la tarjeta insertada</translation>
    </message>
    <message>
        <source>Start without asking</source>
        <translation>Empezar sin preguntar</translation>
    </message>
    <message>
        <source>Eject when verified</source>
        <translation>Expulsar tras verificar</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Coincidencia</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Nombre de la tarjeta</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preajuste</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Any card</source>
        <translation>Cualquier tarjeta</translation>
    </message>
    <message>
        <source>Cards named</source>
        <translation>Tarjetas llamadas</translation>
    </message>
    <message>
        <source>Cards from camera</source>
        <translation>Tarjetas de la cámara</translation>
    </message>
    <message>
        <source>This card’s identity</source>
        <translation>Identidad de esta tarjeta</translation>
    </message>
    <message>
        <source>Use the identity of a card that is in now</source>
        <translation>Usar la identidad de una tarjeta insertada ahora</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Match:</source>
        <translation>Coincidencia:</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Preajuste:</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Proyecto:</translation>
    </message>
    <message>
        <source>Off, the card is shown with the preset applied, for you to start.</source>
        <translation>Desactivado: la tarjeta se muestra con el preajuste aplicado para que inicies tú el volcado.</translation>
    </message>
    <message>
        <source>Only when every file was copied and verified.</source>
        <translation>Solo si todos los archivos se copiaron y verificaron.</translation>
    </message>
    <message>
        <source>Volume UUID</source>
        <translation>UUID del volumen</translation>
    </message>
    <message>
        <source>Card identity</source>
        <translation>Identidad de la tarjeta</translation>
    </message>
    <message>
        <source>Takes every card, so the rules after it are never tried.</source>
        <translation>Toma todas las tarjetas, así que las reglas posteriores nunca se prueban.</translation>
    </message>
    <message>
        <source>* stands for any characters and ? for one; capitals don’t matter.</source>
        <translation>* equivale a cualquier secuencia de caracteres y ? a uno solo; no se distingue entre mayúsculas y minúsculas.</translation>
    </message>
    <message>
        <source>Cards you chose this camera for in the Media stage.</source>
        <translation>Tarjetas para las que elegiste esta cámara en el paso Medios.</translation>
    </message>
    <message>
        <source>The card’s volume UUID, or its name where it has none. Formatting the card may change it.</source>
        <translation>El UUID del volumen de la tarjeta, o su nombre si no tiene. Formatear la tarjeta puede cambiarlo.</translation>
    </message>
    <message>
        <source>Add cameras in the Cameras tab</source>
        <translation>Añade cámaras en la pestaña Cámaras</translation>
    </message>
    <message>
        <source>Choose a camera</source>
        <translation>Elige una cámara</translation>
    </message>
    <message>
        <source>Current setup</source>
        <translation>Configuración actual</translation>
    </message>
    <message>
        <source>A preset that’s gone</source>
        <translation>Un preajuste que ya no existe</translation>
    </message>
    <message>
        <source>No card is inserted</source>
        <translation>No hay ninguna tarjeta insertada</translation>
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
        <translation>No se pudieron leer tus reglas de volcado automático: %1</translation>
    </message>
    <message>
        <source>Couldn’t save your automatic offload rules: %1.</source>
        <translation>No se pudieron guardar tus reglas de volcado automático: %1.</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>el archivo</translation>
    </message>
</context>
<context>
    <name>stowly::RulesSettingsTab</name>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>When a card like this is inserted, Stowly offloads it with the preset you choose. Stowly never erases a card on its own.</source>
        <translation>Cuando se inserta una tarjeta como esta, Stowly la vuelca con el preajuste que elijas. Stowly nunca borra una tarjeta por su cuenta.</translation>
    </message>
    <message>
        <source>No Rules</source>
        <translation>No hay reglas</translation>
    </message>
    <message>
        <source>Click + to have cards offloaded as soon as they’re inserted.</source>
        <translation>Haz clic en + para que las tarjetas se vuelquen en cuanto se inserten.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Añadir una regla</translation>
    </message>
    <message>
        <source>Remove the selected rule</source>
        <translation>Quitar la regla seleccionada</translation>
    </message>
    <message>
        <source>A card is offloaded by the first rule it matches, from the top. Drag rules to change the order.</source>
        <translation>Una tarjeta se vuelca con la primera regla con la que coincide, empezando por arriba. Arrastra las reglas para cambiar el orden.</translation>
    </message>
    <message>
        <source>Selected Rule</source>
        <translation>Regla seleccionada</translation>
    </message>
    <message>
        <source>No Rule Selected</source>
        <translation>Ninguna regla seleccionada</translation>
    </message>
    <message>
        <source>Select a rule to edit it.</source>
        <translation>Selecciona una regla para editarla.</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Sin guardar</translation>
    </message>
    <message>
        <source>Can’t Be Followed</source>
        <translation>No se puede aplicar</translation>
    </message>
    <message>
        <source>%1 Until then the new rule isn’t saved.</source>
        <translation>%1 Hasta entonces, la regla nueva no se guarda.</translation>
    </message>
    <message>
        <source>%1 Until then the rule stays as it was saved.</source>
        <translation>%1 Hasta entonces, la regla se mantiene como se guardó.</translation>
    </message>
    <message>
        <source>%1 Until then the cards it matches aren’t offloaded.</source>
        <translation>%1 Hasta entonces, las tarjetas que coinciden con ella no se vuelcan.</translation>
    </message>
</context>
<context>
    <name>stowly::SettingsPage</name>
    <message>
        <source>Email a bug report with Stowly’s recent log attached</source>
        <translation>Enviar por correo un informe de error con el registro reciente de Stowly adjunto</translation>
    </message>
    <message>
        <source>Leave an optional tip for Stowly on Ko-fi</source>
        <translation>Dejar una propina opcional para Stowly en Ko-fi</translation>
    </message>
</context>
<context>
    <name>stowly::SettingsWindow</name>
    <message>
        <source>Stowly Settings</source>
        <translation>Ajustes de Stowly</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Preajustes</translation>
    </message>
    <message>
        <source>Automatic Offload</source>
        <translation>Volcado automático</translation>
    </message>
    <message>
        <source>Destinations</source>
        <translation>Destinos</translation>
    </message>
    <message>
        <source>Naming</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Cámaras</translation>
    </message>
</context>
<context>
    <name>stowly::ShortClipSlider</name>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stowly::StagePanel</name>
    <message>
        <source>needs your attention</source>
        <translation>requiere tu atención</translation>
    </message>
    <message>
        <source>Stage %1, %2</source>
        <translation>Paso %1, %2</translation>
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
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>stowly::WelcomeDestinationStep</name>
    <message>
        <source>%1 free of %2</source>
        <translation>%1 libres de %2</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 libres</translation>
    </message>
    <message>
        <source>Where should your media go?</source>
        <translation>¿Dónde quieres guardar tu material?</translation>
    </message>
    <message>
        <source>Pick a drive or any folder. Stowly builds its folders inside it.</source>
        <translation>Elige una unidad o cualquier carpeta. Stowly crea sus carpetas dentro.</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Elegir carpeta…</translation>
    </message>
    <message>
        <source>As your first favorite, it’s also your default destination. Add more and pick another default in Settings ▸ Destinations.</source>
        <translation>Como es tu primer favorito, también es tu destino predeterminado. Añade más y elige otro predeterminado en Ajustes ▸ Destinos.</translation>
    </message>
    <message>
        <source>Make it my default destination</source>
        <translation>Usarlo como mi destino predeterminado</translation>
    </message>
    <message>
        <source>No folder chosen yet</source>
        <translation>Aún no has elegido ninguna carpeta</translation>
    </message>
    <message>
        <source>Choose a Destination Folder</source>
        <translation>Elige una carpeta de destino</translation>
    </message>
</context>
<context>
    <name>stowly::WelcomeWindow</name>
    <message>
        <source>Film Shoot</source>
        <translation>Rodaje</translation>
    </message>
    <message>
        <source>Photo Session</source>
        <translation>Sesión de fotos</translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation>Podcast</translation>
    </message>
    <message>
        <source>Daily Archive</source>
        <translation>Archivo diario</translation>
    </message>
    <message>
        <source>Start from Scratch</source>
        <translation>Empezar desde cero</translation>
    </message>
    <message>
        <source>Starter</source>
        <translation>Punto de partida</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>File Names</source>
        <translation>Nombres de archivo</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Revisión</translation>
    </message>
    <message>
        <source>Welcome to Stowly</source>
        <translation>Te damos la bienvenida a Stowly</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Stowly copies your camera cards into tidy folders, checks every copy with SHA-256 and never overwrites a file. Tell it how you like your media organised; it takes about a minute.</source>
        <translation>Stowly copia tus tarjetas de cámara en carpetas ordenadas, comprueba cada copia con SHA-256 y nunca sobrescribe un archivo. Indícale cómo quieres organizar tu material; se tarda un minuto, más o menos.</translation>
    </message>
    <message>
        <source>Set up your first preset</source>
        <translation>Configura tu primer preajuste</translation>
    </message>
    <message>
        <source>Skip Setup</source>
        <translation>Omitir configuración</translation>
    </message>
    <message>
        <source>What do you shoot?</source>
        <translation>¿Qué grabas o fotografías?</translation>
    </message>
    <message>
        <source>Pick the closest starting point. It sets how folders and files are named; you can change both in the next steps.</source>
        <translation>Elige el punto de partida más parecido. Define cómo se nombran las carpetas y los archivos; puedes cambiar ambos en los siguientes pasos.</translation>
    </message>
    <message>
        <source>How should folders be built?</source>
        <translation>¿Cómo se deben organizar las carpetas?</translation>
    </message>
    <message>
        <source>Each “/” starts a folder inside the one before. Words in braces are filled in per file, such as {date}, {project} or {camera}.</source>
        <translation>Cada «/» abre una carpeta dentro de la anterior. Las palabras entre llaves se rellenan para cada archivo, como {date}, {project} o {camera}.</translation>
    </message>
    <message>
        <source>Folder template</source>
        <translation>Plantilla de carpetas</translation>
    </message>
    <message>
        <source>How should files be named?</source>
        <translation>¿Cómo se deben nombrar los archivos?</translation>
    </message>
    <message>
        <source>Renamed files sort well and say where they came from. {seq} numbers them; {original} keeps the camera’s name.</source>
        <translation>Los archivos renombrados se ordenan bien e indican de dónde vienen. {seq} los numera; {original} conserva el nombre que les dio la cámara.</translation>
    </message>
    <message>
        <source>Rename files</source>
        <translation>Renombrar archivos</translation>
    </message>
    <message>
        <source>File name template</source>
        <translation>Plantilla de nombre de archivo</translation>
    </message>
    <message>
        <source>Review your preset</source>
        <translation>Revisa tu preajuste</translation>
    </message>
    <message>
        <source>Give it a name and choose what happens around each offload.</source>
        <translation>Ponle un nombre y elige qué ocurre antes y después de cada volcado.</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Nombre del preajuste</translation>
    </message>
    <message>
        <source>Skip clips shorter than</source>
        <translation>Omitir clips de menos de</translation>
    </message>
    <message>
        <source>Shortest clip to copy, in seconds</source>
        <translation>Duración mínima del clip que se copia, en segundos</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Eject the card when the offload is done</source>
        <translation>Expulsar la tarjeta cuando termine el volcado</translation>
    </message>
    <message>
        <source>Play a sound when an offload succeeds</source>
        <translation>Reproducir un sonido cuando un volcado salga bien</translation>
    </message>
    <message>
        <source>Ask to import when a card is inserted</source>
        <translation>Preguntar si importar al insertar una tarjeta</translation>
    </message>
    <message>
        <source>Use this preset now</source>
        <translation>Usar este preajuste ahora</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Todo listo</translation>
    </message>
    <message>
        <source>Waiting for a card</source>
        <translation>Esperando una tarjeta</translation>
    </message>
    <message>
        <source>Open Stowly</source>
        <translation>Abrir Stowly</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Abrir Ajustes</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Guardar preajuste</translation>
    </message>
    <message>
        <source>Files keep the names the camera gave them.</source>
        <translation>Los archivos conservan los nombres que les dio la cámara.</translation>
    </message>
    <message>
        <source>Destination: %1
Folders: %2
File names: %3</source>
        <translation>Destino: %1
Carpetas: %2
Nombres de archivo: %3</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>ninguno elegido</translation>
    </message>
    <message>
        <source>“%1” is saved and ready. Put in a card to start your first offload.</source>
        <translation>«%1» está guardado y listo. Inserta una tarjeta para empezar tu primer volcado.</translation>
    </message>
    <message>
        <source>“%1” is saved and ready.</source>
        <translation>«%1» está guardado y listo.</translation>
    </message>
    <message>
        <source>Offload “%1”</source>
        <translation>Volcar «%1»</translation>
    </message>
    <message>
        <source>Choose a drive or a folder to continue.</source>
        <translation>Elige una unidad o una carpeta para continuar.</translation>
    </message>
    <message>
        <source>Choose a destination before saving.</source>
        <translation>Elige un destino antes de guardar.</translation>
    </message>
    <message>
        <source>Give your preset a name.</source>
        <translation>Ponle un nombre a tu preajuste.</translation>
    </message>
    <message>
        <source>These folder and file names can’t be used together. Go back and change one of them.</source>
        <translation>Estos nombres de carpeta y de archivo no se pueden usar juntos. Vuelve atrás y cambia uno de ellos.</translation>
    </message>
</context>
<context>
    <name>templateToken</name>
    <message>
        <source>Project name</source>
        <translation>Nombre del proyecto</translation>
    </message>
    <message>
        <source>Selected camera</source>
        <translation>Cámara seleccionada</translation>
    </message>
    <message>
        <source>Capture date (2026-10-25)</source>
        <translation>Fecha de captura (2026-10-25)</translation>
    </message>
    <message>
        <source>Year (2026)</source>
        <translation>Año (2026)</translation>
    </message>
    <message>
        <source>Month (10)</source>
        <translation>Mes (10)</translation>
    </message>
    <message>
        <source>Day (25)</source>
        <translation>Día (25)</translation>
    </message>
    <message>
        <source>Capture time (143005)</source>
        <translation>Hora de captura (143005)</translation>
    </message>
    <message>
        <source>Video, Photo, Audio or Other</source>
        <translation>Vídeo, Foto, Audio u Otro</translation>
    </message>
    <message>
        <source>Card (volume) name</source>
        <translation>Nombre de la tarjeta (volumen)</translation>
    </message>
    <message>
        <source>Original file name, no extension</source>
        <translation>Nombre de archivo original, sin extensión</translation>
    </message>
    <message>
        <source>Sequence number (0001); {seq:3} for 001</source>
        <translation>Número de secuencia (0001); {seq:3} para 001</translation>
    </message>
    <message>
        <source>File extension (mp4)</source>
        <translation>Extensión del archivo (mp4)</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Seq</source>
        <translation>Sec.</translation>
    </message>
    <message>
        <source>Ext</source>
        <translation>Ext.</translation>
    </message>
</context>
</TS>
