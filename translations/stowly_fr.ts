<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AppModelReports</name>
    <message>
        <source>The record of this offload for its reports couldn’t be saved: %1</source>
        <translation>La trace de ce déchargement destinée à ses rapports n’a pas pu être enregistrée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>BugReport</name>
    <message>
        <source>Please e-mail this report and the files beside it to %1.</source>
        <translation>Veuillez envoyer par e-mail ce rapport et les fichiers qui l’accompagnent à %1.</translation>
    </message>
    <message>
        <source>What happened?</source>
        <translation>Que s’est-il passé&#xa0;?</translation>
    </message>
    <message>
        <source>(Stowly quit unexpectedly. What were you doing just before?)</source>
        <translation>(Stowly s’est fermé de manière inattendue. Que faisiez-vous juste avant&#xa0;?)</translation>
    </message>
    <message>
        <source>(What were you doing, and what went wrong? Steps to make it happen again help a lot.)</source>
        <translation>(Que faisiez-vous, et qu’est-ce qui n’a pas fonctionné&#xa0;? Les étapes pour reproduire le problème sont très utiles.)</translation>
    </message>
    <message>
        <source>Stowly’s recent log:</source>
        <translation>Journal récent de Stowly&#xa0;:</translation>
    </message>
    <message>
        <source>(nothing logged recently)</source>
        <translation>(rien n’a été journalisé récemment)</translation>
    </message>
</context>
<context>
    <name>CardAtPath</name>
    <message>
        <source>That’s your startup disk.</source>
        <translation>C’est votre disque de démarrage.</translation>
    </message>
    <message>
        <source>There’s no folder at “%1”.</source>
        <translation>Il n’y a aucun dossier à l’emplacement «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>“%1” isn’t a folder.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un dossier.</translation>
    </message>
</context>
<context>
    <name>CardCommands</name>
    <message>
        <source>No card is mounted.</source>
        <translation>Aucune carte n’est montée.</translation>
    </message>
    <message>
        <source>Stowly has no offloads of %1 to forget.</source>
        <translation>Stowly n’a aucun déchargement de %1 à oublier.</translation>
    </message>
    <message>
        <source>Stowly only formats memory cards.</source>
        <translation>Stowly ne formate que des cartes mémoire.</translation>
    </message>
    <message>
        <source>This card is empty</source>
        <translation>Cette carte est vide</translation>
    </message>
    <message>
        <source>Add --discard-short-clips to format anyway; the skipped short clips have no copy and are lost.</source>
        <translation>Ajoutez --discard-short-clips pour formater malgré tout&#xa0;; les clips courts omis n’ont pas de copie et seront perdus.</translation>
    </message>
    <message>
        <source>The card is being formatted; Stowly finishes first.</source>
        <translation>La carte est en cours de formatage&#xa0;; Stowly termine d’abord cette opération.</translation>
    </message>
    <message>
        <source>%1 ejected, safe to remove.</source>
        <translation>Carte %1 éjectée, vous pouvez la retirer.</translation>
    </message>
    <message>
        <source>%1 is already mounted at %2.</source>
        <translation>La carte %1 est déjà montée sur %2.</translation>
    </message>
    <message>
        <source>Stowly found no card %1 that isn’t mounted. “stowly-cli cards” lists them.</source>
        <translation>Stowly n’a trouvé aucune carte %1 non montée. La commande «&#xa0;stowly-cli cards&#xa0;» les affiche.</translation>
    </message>
    <message>
        <source>Couldn’t mount %1: %2</source>
        <translation>Impossible de monter %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 mounted at %2.</source>
        <translation>Carte %1 montée sur %2.</translation>
    </message>
</context>
<context>
    <name>CardFormatter</name>
    <message>
        <source>Stowly couldn’t read information about %1.</source>
        <translation>Stowly n’a pas pu lire les informations sur %1.</translation>
    </message>
    <message>
        <source>Stowly couldn’t check your startup disk, so it won’t format anything.</source>
        <translation>Stowly n’a pas pu vérifier votre disque de démarrage&#xa0;; il ne formatera donc rien.</translation>
    </message>
    <message>
        <source>this format</source>
        <translation>ce format</translation>
    </message>
    <message>
        <source>%1 uses %2. Stowly formats exFAT and FAT32 cards only — format it in your camera instead.</source>
        <translation>%1 utilise %2. Stowly ne formate que les cartes exFAT et FAT32&#xa0;; formatez-la plutôt dans votre caméra.</translation>
    </message>
    <message>
        <source>Something on %1 changed and isn’t offloaded yet, so it wasn’t formatted.</source>
        <translation>Un élément de %1 a changé et n’est pas encore déchargé&#xa0;; la carte n’a donc pas été formatée.</translation>
    </message>
</context>
<context>
    <name>CascadeCopy</name>
    <message>
        <source>The copy of “%1” at “%2” no longer matches what the card gave; copy it from the card again.</source>
        <translation>La copie de «&#xa0;%1&#xa0;» à l’emplacement «&#xa0;%2&#xa0;» ne correspond plus à ce qu’a fourni la carte&#xa0;; copiez-la de nouveau depuis la carte.</translation>
    </message>
    <message>
        <source>Another file is already at “%1”.</source>
        <translation>Un autre fichier se trouve déjà à l’emplacement «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>CascadeQueue</name>
    <message>
        <source>The ASC MHL history in %1 wasn’t written: %2</source>
        <translation>L’historique ASC MHL de %1 n’a pas été écrit&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ClipFactsReader</name>
    <message>
        <source>The clip’s index is missing: a camera that lost power while recording leaves clips like this.</source>
        <translation>L’index du clip est manquant&#xa0;: c’est ce que laisse une caméra qui a perdu son alimentation pendant l’enregistrement.</translation>
    </message>
    <message>
        <source>The clip ends before its index says: it was cut off while it was being written.</source>
        <translation>Le clip s’arrête avant ce qu’indique son index&#xa0;: il a été interrompu pendant son écriture.</translation>
    </message>
    <message>
        <source>Most of the clip isn’t in its index: a camera that lost power while recording leaves clips like this.</source>
        <translation>La majeure partie du clip est absente de son index&#xa0;: c’est ce que laisse une caméra qui a perdu son alimentation pendant l’enregistrement.</translation>
    </message>
</context>
<context>
    <name>ClipsStageContent</name>
    <message>
        <source>This Card Couldn’t Be Read</source>
        <translation>Impossible de lire cette carte</translation>
    </message>
    <message>
        <source>Nothing in These Dates</source>
        <translation>Rien à ces dates</translation>
    </message>
    <message>
        <source>The only new file is from another day.</source>
        <translation>Le seul nouveau fichier date d’un autre jour.</translation>
    </message>
    <message>
        <source>Show Any Date</source>
        <translation>Afficher toutes les dates</translation>
    </message>
    <message>
        <source>Only Short Clips</source>
        <translation>Uniquement des clips courts</translation>
    </message>
    <message>
        <source>The only new video is shorter than %1.</source>
        <translation>La seule nouvelle vidéo dure moins de %1.</translation>
    </message>
    <message>
        <source>All Caught Up</source>
        <translation>Tout est à jour</translation>
    </message>
    <message>
        <source>The new files on this card are types you turned off in Settings.</source>
        <translation>Les nouveaux fichiers de cette carte sont de types que vous avez désactivés dans les Paramètres.</translation>
    </message>
    <message>
        <source>Everything on this card has already been offloaded.</source>
        <translation>Tout le contenu de cette carte a déjà été déchargé.</translation>
    </message>
    <message>
        <source>Copies Missing</source>
        <translation>Copies manquantes</translation>
    </message>
    <message>
        <source>1 file was offloaded before, but its copy is no longer at the destination.</source>
        <translation>1 fichier a déjà été déchargé, mais sa copie ne se trouve plus dans la destination.</translation>
    </message>
    <message>
        <source>Whatever it couldn’t read isn’t offloaded, and the card won’t count as offloaded until all of it can be read. Check the card and the reader, then insert it again.</source>
        <translation>Ce qui n’a pas pu être lu n’est pas déchargé, et la carte ne comptera comme déchargée que lorsque tout pourra être lu. Vérifiez la carte et le lecteur, puis réinsérez-la.</translation>
    </message>
    <message numerus="yes">
        <source>The %n new files are all from other days.</source>
        <translation>
            <numerusform>Les %n nouveaux fichiers datent tous d’autres jours.</numerusform>
            <numerusform>Les %n nouveaux fichiers datent tous d’autres jours.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n new videos are all shorter than %1.</source>
        <translation>
            <numerusform>Les %n nouvelles vidéos durent toutes moins de %1.</numerusform>
            <numerusform>Les %n nouvelles vidéos durent toutes moins de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were offloaded before, but their copies are no longer at the destination.</source>
        <translation>
            <numerusform>%n fichier a déjà été déchargé, mais sa copie ne se trouve plus dans la destination.</numerusform>
            <numerusform>%n fichiers ont déjà été déchargés, mais leurs copies ne se trouvent plus dans la destination.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--to needs a folder.</source>
        <translation>--to attend un dossier.</translation>
    </message>
    <message>
        <source>--also needs a folder.</source>
        <translation>--also attend un dossier.</translation>
    </message>
    <message>
        <source>--cascade needs a folder.</source>
        <translation>--cascade attend un dossier.</translation>
    </message>
    <message>
        <source>--camera needs the name of one of your cameras.</source>
        <translation>--camera attend le nom de l’une de vos caméras.</translation>
    </message>
    <message>
        <source>--reoffload takes off, missing or everything, not %1.</source>
        <translation>--reoffload accepte off, missing ou everything, pas %1.</translation>
    </message>
    <message>
        <source>--dates takes any, today, last7days or two dates like 2024-05-01..2024-05-03, not %1.</source>
        <translation>--dates accepte any, today, last7days ou deux dates comme 2024-05-01..2024-05-03, pas %1.</translation>
    </message>
    <message>
        <source>--card needs a card.</source>
        <translation>--card attend une carte.</translation>
    </message>
    <message>
        <source>--preset needs the name of one of your presets.</source>
        <translation>--preset attend le nom de l’un de vos préréglages.</translation>
    </message>
    <message>
        <source>--hook needs a program.</source>
        <translation>--hook attend un programme.</translation>
    </message>
    <message>
        <source>--run needs the id of an offload, or last.</source>
        <translation>--run attend l’identifiant d’un déchargement, ou last.</translation>
    </message>
    <message>
        <source>--day takes today, yesterday or a date like 2024-05-01, not %1.</source>
        <translation>--day accepte today, yesterday ou une date comme 2024-05-01, pas %1.</translation>
    </message>
    <message>
        <source>--out needs a folder.</source>
        <translation>--out attend un dossier.</translation>
    </message>
    <message>
        <source>Name a command.</source>
        <translation>Indiquez une commande.</translation>
    </message>
    <message>
        <source>There’s no command %1.</source>
        <translation>La commande %1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1 has no option %2.</source>
        <translation>%1 n’a pas d’option %2.</translation>
    </message>
    <message>
        <source>--%1 needs a value.</source>
        <translation>--%1 attend une valeur.</translation>
    </message>
    <message>
        <source>--%1 takes no value.</source>
        <translation>--%1 n’accepte pas de valeur.</translation>
    </message>
    <message>
        <source>mount needs a card that isn’t mounted: its device or its name.</source>
        <translation>mount attend une carte non montée&#xa0;: son périphérique ou son nom.</translation>
    </message>
    <message>
        <source>verify needs a folder with an ASC MHL history.</source>
        <translation>verify attend un dossier contenant un historique ASC MHL.</translation>
    </message>
    <message>
        <source>%1 needs a card: the mount point of a card, or a folder.</source>
        <translation>%1 attend une carte&#xa0;: le point de montage d’une carte, ou un dossier.</translation>
    </message>
    <message>
        <source>%1 doesn’t take %2.</source>
        <translation>%1 n’accepte pas %2.</translation>
    </message>
    <message>
        <source>report covers one of --run, --card, --day or --project, not several.</source>
        <translation>report porte sur une seule option parmi --run, --card, --day ou --project, pas sur plusieurs.</translation>
    </message>
    <message>
        <source>format erases everything on the card; add --yes to confirm.</source>
        <translation>format efface tout le contenu de la carte&#xa0;; ajoutez --yes pour confirmer.</translation>
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
        <translation>Utilisation&#xa0;:
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

CARD est le point de montage d’une carte listée par «&#xa0;cards&#xa0;», ou n’importe quel dossier.
offload accepte plusieurs cartes à la fois&#xa0;: celles dont les copies vont sur un même
disque passent chacune à leur tour, les autres copient en parallèle&#xa0;; chacune reçoit son
résumé, et le code de sortie est le pire d’entre eux.
mount accepte une carte que «&#xa0;cards&#xa0;» liste comme non montée, par son périphérique ou son
nom.
--allow-password-prompt laisse le système vous demander votre mot de passe dans le
terminal quand l’effacement, l’éjection ou le montage l’exige&#xa0;; sans cette option, Stowly
n’en attend jamais.
presets liste vos préréglages&#xa0;; save enregistre les paramètres actuels sous NAME, update
donne au préréglage NAME les paramètres actuels.
rules liste les règles qui déchargent d’elles-mêmes les cartes insérées, dans l’ordre où
elles sont essayées&#xa0;; WHAT vaut any, name:PATTERN (comme name:A*_CARD), identity:ID ou
camera:NAME.
Les RULE OPTIONS sont --preset NAME, --project NAME, --ask (afficher la carte, sans
démarrer) et --eject (éjecter la carte une fois vérifiée)&#xa0;; remove accepte le numéro de la
règle.
station décharge chaque carte insérée (et celles déjà présentes) selon les règles, ou
chaque carte avec --preset (et --project), en signalant chaque événement sur une ligne
jusqu’à son arrêt (Ctrl-C ou SIGTERM). --mount monte en lecture seule les cartes que rien
n’a montées, --eject éjecte chaque carte vérifiée, --hook exécute PROGRAM après chaque
carte avec son JSON sur l’entrée standard&#xa0;; --allow-password-prompt comme ci-dessus.
verify lit chaque fichier que l’historique ASC MHL de DIR enregistre et signale ceux qui
manquent ou ont changé ainsi que ceux qu’il n’enregistre pas&#xa0;; --record ajoute le résultat
à l’historique.
report écrit le rapport d’un déchargement (le dernier si aucun n’est choisi), de tout
l’historique d’une carte, d’un jour (today, yesterday ou 2024-05-01) ou des déchargements
d’un projet, dans les formats que nomme --format (pdf,csv par défaut), dans DIR (le
dossier actuel par défaut)&#xa0;; la forme JSON d’un rapport indique l’identifiant de chaque
déchargement.

RUN OPTIONS – pour cette exécution seulement (les paramètres restent inchangés)&#xa0;:
  --to DIR             copier dans DIR
  --also DIR           copier aussi dans DIR, sous les mêmes noms (répétable&#xa0;; remplace les
                       destinations de sauvegarde des paramètres)
  --cascade DIR        comme --also, mais copié depuis la copie prouvée de chaque fichier
                       dans la destination, pour libérer la carte plus tôt
  --verify-source      relire chaque fichier sur la carte une fois ses copies vérifiées
  --mhl                ajouter une génération à l’historique ASC MHL de chaque destination
  --project NAME       le nom du projet pour les modèles de nommage
  --camera NAME        l’une de vos caméras, par son nom ou son code
  --quick-dump         sans projet&#xa0;: tout dans des dossiers datés (copie rapide)
  --reoffload off|missing|everything
                       recopier les fichiers déjà déchargés
  --include-short      copier aussi les clips courts
  --dates any|today|last7days|FROM..TO
                       seulement les fichiers de ces jours (FROM et TO comme 2024-05-01)

Code de sortie&#xa0;: 0 terminé, 1 un fichier a échoué ou ne correspondait pas à son
historique, l’historique de Stowly n’a pas pu être enregistré, ou une demande de formatage
ou d’éjection a été refusée ou a échoué, 2 erreur d’utilisation, 3 le déchargement ne peut
pas démarrer (la raison figure sur la sortie d’erreur standard), 130 interrompu.
</translation>
    </message>
    <message>
        <source>--station needs a station’s name.</source>
        <translation>--station attend le nom d’une station.</translation>
    </message>
    <message>
        <source>history lists one of --card or --station, not both.</source>
        <translation>history liste soit --card, soit --station, pas les deux.</translation>
    </message>
    <message>
        <source>history-server takes status, import or export, not %1.</source>
        <translation>history-server prend status, import ou export, pas %1.</translation>
    </message>
    <message>
        <source>history-server export needs --out FILE, a history file to write.</source>
        <translation>history-server export attend --out FICHIER, le fichier d’historique à écrire.</translation>
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
        <translation>Un historique partagé par plusieurs stations (réglage historyServer) :
  stowly-cli history  --station NAME [--json]
  stowly-cli history-server status|import [--json]
  stowly-cli history-server export --out FILE [--station NAME]
history nomme la station de chaque copie ; --station liste les copies d’une station.
history-server status dit si le serveur répond et ce que chaque station y a ;
import envoie tout l’historique de cette station au serveur (les copies qu’il a
déjà ne sont pas gardées deux fois) ; export écrit les copies d’une station (celle-ci
si aucune n’est nommée) dans FICHIER, au format de ledger.json.
</translation>
    </message>
</context>
<context>
    <name>Copier</name>
    <message>
        <source>Couldn’t open %1 for reading</source>
        <translation>Impossible d’ouvrir %1 en lecture</translation>
    </message>
    <message>
        <source>Couldn’t read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>Couldn’t verify %1</source>
        <translation>Impossible de vérifier %1</translation>
    </message>
    <message>
        <source>Couldn’t write %1</source>
        <translation>Impossible d’écrire %1</translation>
    </message>
    <message>
        <source>Couldn’t flush %1 to the disk</source>
        <translation>Impossible de forcer l’écriture de %1 sur le disque</translation>
    </message>
    <message>
        <source>Couldn’t close %1</source>
        <translation>Impossible de fermer %1</translation>
    </message>
    <message>
        <source>Couldn’t read back %1</source>
        <translation>Impossible de relire %1</translation>
    </message>
    <message>
        <source>%1: another file took its place.</source>
        <translation>%1&#xa0;: un autre fichier a pris sa place.</translation>
    </message>
    <message>
        <source>Couldn’t rename %1 to %2</source>
        <translation>Impossible de renommer %1 en %2</translation>
    </message>
    <message>
        <source>Couldn’t flush the folder of %1 to the disk</source>
        <translation>Impossible de forcer l’écriture du dossier de %1 sur le disque</translation>
    </message>
</context>
<context>
    <name>CopierError</name>
    <message>
        <source>the destination is full</source>
        <translation>la destination est pleine</translation>
    </message>
    <message>
        <source>the destination is read-only</source>
        <translation>la destination est en lecture seule</translation>
    </message>
    <message>
        <source>Stowly isn’t allowed to write to the destination</source>
        <translation>Stowly n’est pas autorisé à écrire dans la destination</translation>
    </message>
    <message>
        <source>%1 already exists — not overwriting it.</source>
        <translation>%1 existe déjà&#xa0;; Stowly ne l’écrase pas.</translation>
    </message>
    <message>
        <source>Couldn’t create %1 in the destination: %2.</source>
        <translation>Impossible de créer %1 dans la destination&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Couldn’t create %1 in the destination.</source>
        <translation>Impossible de créer %1 dans la destination.</translation>
    </message>
    <message>
        <source>Checksum mismatch for %1. The copy was deleted.</source>
        <translation>Les sommes de contrôle de %1 ne correspondent pas. La copie a été supprimée.</translation>
    </message>
    <message>
        <source>%1 changed while it was being copied.</source>
        <translation>%1 a changé pendant sa copie.</translation>
    </message>
    <message>
        <source>%1 read differently from the card the second time. The card or its reader may be failing, so the copies were deleted.</source>
        <translation>%1 a été lu différemment sur la carte la seconde fois. La carte ou son lecteur est peut-être défaillant&#xa0;; les copies ont donc été supprimées.</translation>
    </message>
</context>
<context>
    <name>CopyFailure</name>
    <message>
        <source>The copy of %1 was cancelled.</source>
        <translation>La copie de %1 a été annulée.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>CrashReports</name>
    <message>
        <source>Stowly quit unexpectedly last time. Send a crash report?</source>
        <translation>Stowly s’est fermé de manière inattendue la dernière fois. Envoyer un rapport de plantage&#xa0;?</translation>
    </message>
    <message>
        <source>This opens a new email to %1 with the crash report and Stowly’s recent log attached. File, card and drive names are left out. You can read it over before sending.</source>
        <translation>Un nouvel e-mail à %1 va s’ouvrir, avec le rapport de plantage et le journal récent de Stowly en pièces jointes. Les noms des fichiers, des cartes et des disques en sont exclus. Vous pouvez le relire avant de l’envoyer.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Envoyer le rapport</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Plus tard</translation>
    </message>
</context>
<context>
    <name>DurationFormatting</name>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExamplePaths</name>
    <message>
        <source>Fix the problems above to see an example.</source>
        <translation>Corrigez les problèmes ci-dessus pour voir un exemple.</translation>
    </message>
</context>
<context>
    <name>FolderLevelsEditor</name>
    <message>
        <source>Drag between folders for a new level, or onto the side of a folder’s name to combine them. Click to add it as the last folder.</source>
        <translation>Faites glisser entre deux dossiers pour créer un niveau, ou sur le côté du nom d’un dossier pour les combiner. Cliquez pour l’ajouter comme dernier dossier.</translation>
    </message>
</context>
<context>
    <name>FormatAlert</name>
    <message>
        <source>Format</source>
        <translation>Formater</translation>
    </message>
    <message>
        <source>Format and Discard 1 Short Clip</source>
        <translation>Formater et supprimer 1 clip court</translation>
    </message>
    <message numerus="yes">
        <source>Format and Discard %n Short Clips</source>
        <translation>
            <numerusform>Formater et supprimer %n clip court</numerusform>
            <numerusform>Formater et supprimer %n clips courts</numerusform>
        </translation>
    </message>
    <message>
        <source>Erase this card. The skipped short clips weren’t offloaded and will be lost</source>
        <translation>Effacer cette carte. Les clips courts omis n’ont pas été déchargés et seront perdus</translation>
    </message>
    <message>
        <source>Erase this card so it’s ready for new footage</source>
        <translation>Effacer cette carte pour la préparer à de nouvelles prises de vue</translation>
    </message>
    <message>
        <source>Available once Stowly can read the whole card and every file on it has a verified copy</source>
        <translation>Disponible dès que Stowly peut lire toute la carte et que chaque fichier qu’elle contient a une copie vérifiée</translation>
    </message>
    <message>
        <source>Offload the other files first. Include or remove short clips first, or format and discard them</source>
        <translation>Déchargez d’abord les autres fichiers. Incluez ou retirez d’abord les clips courts, ou formatez en les supprimant</translation>
    </message>
    <message>
        <source>Available once every file on the card has a verified copy</source>
        <translation>Disponible dès que chaque fichier de la carte a une copie vérifiée</translation>
    </message>
    <message>
        <source>The 1 other file</source>
        <translation>Copie et vérification terminées pour l’autre fichier</translation>
    </message>
    <message>
        <source>The 1 file</source>
        <translation>Copie et vérification terminées pour le fichier</translation>
    </message>
    <message>
        <source> (%1) on this card were copied and verified</source>
        <translation> (%1) de cette carte</translation>
    </message>
    <message>
        <source> to %1</source>
        <translation> vers %1</translation>
    </message>
    <message>
        <source>.

1 short clip (skipped by “Skip videos shorter than”) has no copy and will be lost</source>
        <translation>.

1 clip court (omis par «&#xa0;Omettre les vidéos de moins de&#xa0;») n’a pas de copie et sera perdu</translation>
    </message>
    <message>
        <source>.

1 ignored item (system files and your ignore list) weren’t copied and will be erased too</source>
        <translation>.

1 élément ignoré (fichiers système et votre liste des noms ignorés) n’a pas été copié et sera également effacé</translation>
    </message>
    <message>
        <source>.

Formatting erases everything on “%1”. This can’t be undone.

Tip: formatting in your camera is usually best, because it sets the card up exactly the way the camera expects.</source>
        <translation>.

Le formatage efface tout le contenu de «&#xa0;%1&#xa0;». Cette opération est irréversible.

Conseil&#xa0;: il vaut généralement mieux formater dans votre caméra, car elle prépare alors la carte exactement comme elle l’attend.</translation>
    </message>
    <message>
        <source>Format “%1”?</source>
        <translation>Formater «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>“%1” wasn’t formatted. %2</source>
        <translation>La carte «&#xa0;%1&#xa0;» n’a pas été formatée. %2</translation>
    </message>
    <message>
        <source>Formatting “%1”…</source>
        <translation>Formatage de «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <source>“%1” was formatted and is ready for your camera.</source>
        <translation>La carte «&#xa0;%1&#xa0;» a été formatée et est prête pour votre caméra.</translation>
    </message>
    <message numerus="yes">
        <source>The other %n files</source>
        <translation>
            <numerusform>Copie et vérification terminées pour les %n autres fichiers</numerusform>
            <numerusform>Copie et vérification terminées pour les %n autres fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n files</source>
        <translation>
            <numerusform>Copie et vérification terminées pour les %n fichiers</numerusform>
            <numerusform>Copie et vérification terminées pour les %n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>.

%n short clips (skipped by “Skip videos shorter than”) have no copy and will be lost</source>
        <translation>
            <numerusform>.

%n clip court (omis par «&#xa0;Omettre les vidéos de moins de&#xa0;») n’a pas de copie et sera perdu</numerusform>
            <numerusform>.

%n clips courts (omis par «&#xa0;Omettre les vidéos de moins de&#xa0;») n’ont pas de copie et seront perdus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>.

%n ignored items (system files and your ignore list) weren’t copied and will be erased too</source>
        <translation>
            <numerusform>.

%n élément ignoré (fichiers système et votre liste des noms ignorés) n’a pas été copié et sera également effacé</numerusform>
            <numerusform>.

%n éléments ignorés (fichiers système et votre liste des noms ignorés) n’ont pas été copiés et seront également effacés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FormatGuard</name>
    <message>
        <source>The card’s location changed. Reinsert it and try again.</source>
        <translation>L’emplacement de la carte a changé. Réinsérez-la et réessayez.</translation>
    </message>
    <message>
        <source>Stowly only formats memory cards.</source>
        <translation>Stowly ne formate que des cartes mémoire.</translation>
    </message>
    <message>
        <source>This card is mounted in more than one place, so Stowly won’t format it.</source>
        <translation>Cette carte est montée à plusieurs endroits&#xa0;; Stowly ne la formatera donc pas.</translation>
    </message>
    <message>
        <source>The system gives conflicting answers about this card, so Stowly won’t format it.</source>
        <translation>Le système donne des réponses contradictoires sur cette carte&#xa0;; Stowly ne la formatera donc pas.</translation>
    </message>
    <message>
        <source>That’s your startup disk.</source>
        <translation>C’est votre disque de démarrage.</translation>
    </message>
    <message>
        <source>This drive is part of your %1, so Stowly won’t format it.</source>
        <translation>Ce disque fait partie de votre %1&#xa0;; Stowly ne le formatera donc pas.</translation>
    </message>
    <message>
        <source>Stowly only formats removable cards.</source>
        <translation>Stowly ne formate que des cartes amovibles.</translation>
    </message>
    <message>
        <source>Your destination folder is on this card.</source>
        <translation>Votre dossier de destination se trouve sur cette carte.</translation>
    </message>
    <message>
        <source>Your destination folder is on the same drive as this card.</source>
        <translation>Votre dossier de destination se trouve sur le même disque que cette carte.</translation>
    </message>
</context>
<context>
    <name>FormatReadiness</name>
    <message>
        <source>1 file not yet offloaded</source>
        <translation>1 fichier pas encore déchargé</translation>
    </message>
    <message>
        <source>1 copy missing at the destination</source>
        <translation>1 copie manquante dans la destination</translation>
    </message>
    <message>
        <source>1 short clip not offloaded</source>
        <translation>1 clip court non déchargé</translation>
    </message>
    <message numerus="yes">
        <source>%n files not yet offloaded</source>
        <translation>
            <numerusform>%n fichier pas encore déchargé</numerusform>
            <numerusform>%n fichiers pas encore déchargés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n copies missing at the destination</source>
        <translation>
            <numerusform>%n copie manquante dans la destination</numerusform>
            <numerusform>%n copies manquantes dans la destination</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n short clips not offloaded</source>
        <translation>
            <numerusform>%n clip court non déchargé</numerusform>
            <numerusform>%n clips courts non déchargés</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file copied only where another station can check it</source>
        <translation>1 fichier copié seulement là où une autre station peut le vérifier</translation>
    </message>
    <message numerus="yes">
        <source>%n files copied only where another station can check them</source>
        <translation>
            <numerusform>%n fichier copié seulement là où une autre station peut le vérifier</numerusform>
            <numerusform>%n fichiers copiés seulement là où une autre station peut les vérifier</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GenerationWriter</name>
    <message>
        <source>“%1” can’t be recorded in the ASC MHL history: the path is recorded twice or leaves the folder.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être enregistré dans l’historique ASC MHL&#xa0;: le chemin est enregistré deux fois ou sort du dossier.</translation>
    </message>
    <message>
        <source>“%1” can’t be recorded in the ASC MHL history: its XXH3-128 value isn’t one.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être enregistré dans l’historique ASC MHL&#xa0;: sa valeur XXH3-128 n’est pas valide.</translation>
    </message>
    <message>
        <source>“%1” can’t be recorded in the ASC MHL history: its %2 value isn’t one.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être enregistré dans l’historique ASC MHL&#xa0;: sa valeur %2 n’est pas valide.</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>le fichier a changé pendant sa lecture</translation>
    </message>
</context>
<context>
    <name>HistoryJsonReader</name>
    <message>
        <source>the file isn’t valid JSON</source>
        <translation>le fichier n’est pas un JSON valide</translation>
    </message>
    <message>
        <source>the file doesn’t hold a list of entries</source>
        <translation>le fichier ne contient pas de liste d’entrées</translation>
    </message>
    <message>
        <source>entry %1</source>
        <translation>entrée %1</translation>
    </message>
    <message>
        <source>%1 isn’t an object</source>
        <translation>%1 n’est pas un objet</translation>
    </message>
    <message>
        <source>%1 has a “%2” of the wrong kind</source>
        <translation>%1 a un champ «&#xa0;%2&#xa0;» du mauvais type</translation>
    </message>
    <message>
        <source>%1 has a date in another form</source>
        <translation>%1 a une date dans un autre format</translation>
    </message>
    <message>
        <source>%1 has no “%2”</source>
        <translation>%1 n’a pas de champ «&#xa0;%2&#xa0;»</translation>
    </message>
</context>
<context>
    <name>HistoryServerCommand</name>
    <message>
        <source>at %1</source>
        <translation>à %1</translation>
    </message>
    <message>
        <source>This station has no shared history: name its server in the setting historyServer (stowly-cli settings historyServer &quot;host=… dbname=… user=…&quot;).</source>
        <translation>Cette station n’a pas d’historique partagé : nommez son serveur dans le réglage historyServer (stowly-cli settings historyServer &quot;host=… dbname=… user=…&quot;).</translation>
    </message>
    <message>
        <source>The history server %1 answers; this station is %2.</source>
        <translation>Le serveur d’historique %1 répond ; cette station est %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n copies</source>
        <translation>
            <numerusform>%n copie</numerusform>
            <numerusform>%n copies</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The history server holds this station’s %n copies; %1 of them were new to it.</source>
        <translation>
            <numerusform>Le serveur d’historique a la %n copie de cette station ; %1 était nouvelle pour lui.</numerusform>
            <numerusform>Le serveur d’historique a les %n copies de cette station ; %1 étaient nouvelles pour lui.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is there already; Stowly doesn’t overwrite it.</source>
        <translation>%1 existe déjà ; Stowly ne l’écrase pas.</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n copies of %1 into %2.</source>
        <translation>
            <numerusform>%n copie de %1 écrite dans %2.</numerusform>
            <numerusform>%n copies de %1 écrites dans %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Listed are this station’s own copies.</source>
        <translation>Voici les copies de cette station seulement.</translation>
    </message>
</context>
<context>
    <name>InlineLevel</name>
    <message>
        <source>Underscore</source>
        <translation>Tiret bas</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>Trait d’union</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>JsonFields</name>
    <message>
        <source>%1 lacks “%2”</source>
        <translation>%1 n’a pas de champ «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>“%1” of %2 isn’t %3</source>
        <translation>Le champ «&#xa0;%1&#xa0;» de %2 n’est pas %3</translation>
    </message>
    <message>
        <source>text</source>
        <translation>du texte</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un nombre entier</translation>
    </message>
    <message>
        <source>a UUID</source>
        <translation>un UUID</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>une liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objet</translation>
    </message>
    <message>
        <source>%1 isn’t an object</source>
        <translation>%1 n’est pas un objet</translation>
    </message>
</context>
<context>
    <name>LinuxDiskTool</name>
    <message>
        <source>Stowly wasn’t allowed to erase %1.</source>
        <translation>Stowly n’a pas été autorisé à effacer %1.</translation>
    </message>
    <message>
        <source>Stowly wasn’t allowed to mount %1.</source>
        <translation>Stowly n’a pas été autorisé à monter %1.</translation>
    </message>
    <message>
        <source>Stowly wasn’t allowed to unmount it.</source>
        <translation>Stowly n’a pas été autorisé à démonter le volume.</translation>
    </message>
    <message>
        <source>%1 was formatted but couldn’t be mounted again. Take it out and put it back in to use it.</source>
        <translation>La carte %1 a été formatée mais n’a pas pu être remontée. Retirez-la puis réinsérez-la pour l’utiliser.</translation>
    </message>
    <message>
        <source>Couldn’t create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Couldn’t mount %1.</source>
        <translation>Impossible de monter %1.</translation>
    </message>
    <message>
        <source>udisks2 doesn’t know %1.</source>
        <translation>udisks2 ne connaît pas %1.</translation>
    </message>
    <message>
        <source>Stowly couldn’t find %1.</source>
        <translation>Stowly n’a pas trouvé %1.</translation>
    </message>
    <message>
        <source>Stowly only mounts memory cards.</source>
        <translation>Stowly ne monte que des cartes mémoire.</translation>
    </message>
    <message>
        <source>Couldn’t unmount %1.</source>
        <translation>Impossible de démonter %1.</translation>
    </message>
    <message>
        <source>udisks2 didn’t answer, so %1 wasn’t erased.</source>
        <translation>udisks2 n’a pas répondu&#xa0;; la carte %1 n’a donc pas été effacée.</translation>
    </message>
    <message>
        <source>Couldn’t unmount %1: %2</source>
        <translation>Impossible de démonter %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>udisks2 doesn’t know it.</source>
        <translation>udisks2 ne connaît pas ce volume.</translation>
    </message>
    <message>
        <source>udisks2 couldn’t format %1.</source>
        <translation>udisks2 n’a pas pu formater %1.</translation>
    </message>
    <message>
        <source>Couldn’t run %1: %2</source>
        <translation>Impossible d’exécuter %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 couldn’t format %2.</source>
        <translation>%1 n’a pas pu formater %2.</translation>
    </message>
    <message>
        <source>Stowly couldn’t read the list of disks.</source>
        <translation>Stowly n’a pas pu lire la liste des disques.</translation>
    </message>
    <message>
        <source>It isn’t mounted any more.</source>
        <translation>Le volume n’est plus monté.</translation>
    </message>
    <message>
        <source>Stowly couldn’t tell which disk it is on.</source>
        <translation>Stowly n’a pas pu déterminer sur quel disque se trouve le volume.</translation>
    </message>
    <message>
        <source>It’s on your startup disk.</source>
        <translation>Le volume se trouve sur votre disque de démarrage.</translation>
    </message>
    <message>
        <source>udisks2 didn’t answer.</source>
        <translation>udisks2 n’a pas répondu.</translation>
    </message>
</context>
<context>
    <name>MailDelivery</name>
    <message>
        <source>No mail program took the report</source>
        <translation>Aucun programme de messagerie n’a pris en charge le rapport</translation>
    </message>
    <message>
        <source>Stowly couldn’t open your mail program or keep the report. To report the problem, write to %1.</source>
        <translation>Stowly n’a pu ni ouvrir votre programme de messagerie ni conserver le rapport. Pour signaler le problème, écrivez à %1.</translation>
    </message>
    <message>
        <source>Stowly couldn’t open your mail program, so the report was kept in “%1”. Please e-mail the files in that folder to %2.</source>
        <translation>Stowly n’a pas pu ouvrir votre programme de messagerie&#xa0;; le rapport a donc été conservé dans «&#xa0;%1&#xa0;». Veuillez envoyer par e-mail les fichiers de ce dossier à %2.</translation>
    </message>
    <message>
        <source>No mail program is set up</source>
        <translation>Aucun programme de messagerie n’est configuré</translation>
    </message>
    <message>
        <source>Write to %1 from any mail program.</source>
        <translation>Écrivez à %1 depuis n’importe quel programme de messagerie.</translation>
    </message>
    <message>
        <source>No web browser is set up</source>
        <translation>Aucun navigateur web n’est configuré</translation>
    </message>
    <message>
        <source>The page is %1.</source>
        <translation>La page se trouve à l’adresse %1.</translation>
    </message>
</context>
<context>
    <name>ManifestXml</name>
    <message>
        <source>%1 isn’t a valid ASC MHL manifest (line %2: %3).</source>
        <translation>%1 n’est pas un manifeste ASC MHL valide (ligne %2&#xa0;: %3).</translation>
    </message>
    <message>
        <source>unexpected element “%1”</source>
        <translation>élément inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>“%1” is no date</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une date</translation>
    </message>
    <message>
        <source>creatorinfo lacks its creation date, host name or tool</source>
        <translation>creatorinfo n’indique pas sa date de création, son nom d’hôte ou son outil</translation>
    </message>
    <message>
        <source>no process “%1”</source>
        <translation>aucun processus «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>processinfo lacks its process</source>
        <translation>processinfo n’indique pas son processus</translation>
    </message>
    <message>
        <source>no action “%1”</source>
        <translation>aucune action «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>a file’s hash has no action</source>
        <translation>l’empreinte d’un fichier n’a pas d’action</translation>
    </message>
    <message>
        <source>“%1” is no %2 value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une valeur %2</translation>
    </message>
    <message>
        <source>%1 appears twice</source>
        <translation>%1 apparaît deux fois</translation>
    </message>
    <message>
        <source>a hash holds no value</source>
        <translation>une empreinte ne contient aucune valeur</translation>
    </message>
    <message>
        <source>the %1 path “%2” leaves the folder</source>
        <translation>le chemin de %1 «&#xa0;%2&#xa0;» sort du dossier</translation>
    </message>
    <message>
        <source>“%1” is recorded twice</source>
        <translation>«&#xa0;%1&#xa0;» est enregistré deux fois</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>a folder hash lacks its path, content or structure</source>
        <translation>une empreinte de dossier n’indique pas son chemin, son contenu ou sa structure</translation>
    </message>
    <message>
        <source>a size is no number</source>
        <translation>une taille n’est pas un nombre</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>a file is recorded without a hash</source>
        <translation>un fichier est enregistré sans empreinte</translation>
    </message>
    <message>
        <source>a reference lacks a safe path or its C4 id</source>
        <translation>une référence n’indique pas de chemin sûr ou son identifiant C4</translation>
    </message>
    <message>
        <source>it is no ASC MHL hashlist</source>
        <translation>ce n’est pas une liste d’empreintes ASC MHL</translation>
    </message>
    <message>
        <source>it is not of version 2.0</source>
        <translation>ce n’est pas la version 2.0</translation>
    </message>
    <message>
        <source>creatorinfo or processinfo is missing</source>
        <translation>creatorinfo ou processinfo est manquant</translation>
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
        <translation>%1 i/s</translation>
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
        <translation>Ce clip est peut-être endommagé&#xa0;: %1 La caméra qui l’a enregistré pourra peut-être le réparer&#xa0;; n’effacez donc pas la carte avant d’avoir essayé.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 autres</translation>
    </message>
    <message>
        <source>%1 may be damaged. The camera that recorded it may be able to repair it before the card is erased, never after</source>
        <translation>%1 est peut-être endommagé. La caméra qui l’a enregistré pourra peut-être le réparer avant l’effacement de la carte, jamais après</translation>
    </message>
    <message>
        <source>%1 may be damaged. The camera that recorded them may be able to repair them before the card is erased, never after</source>
        <translation>%1 sont peut-être endommagés. La caméra qui les a enregistrés pourra peut-être les réparer avant l’effacement de la carte, jamais après</translation>
    </message>
</context>
<context>
    <name>MediaTileInfo</name>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>, from %1</source>
        <translation>, du %1</translation>
    </message>
    <message>
        <source>, %1 long</source>
        <translation>, durée %1</translation>
    </message>
    <message>
        <source>, with 1 sidecar</source>
        <translation>, avec 1 fichier annexe</translation>
    </message>
    <message>
        <source>, copying now</source>
        <translation>, copie en cours</translation>
    </message>
    <message>
        <source>, copied and verified</source>
        <translation>, copié et vérifié</translation>
    </message>
    <message>
        <source>, already offloaded</source>
        <translation>, déjà déchargé</translation>
    </message>
    <message>
        <source>, copy missing at the destination</source>
        <translation>, copie manquante dans la destination</translation>
    </message>
    <message>
        <source>, short clip, skipped</source>
        <translation>, clip court, omis</translation>
    </message>
    <message>
        <source>, short clip included anyway</source>
        <translation>, clip court inclus quand même</translation>
    </message>
    <message>
        <source>, will be re-offloaded</source>
        <translation>, sera redéchargé</translation>
    </message>
    <message>
        <source>, may be damaged</source>
        <translation>, peut-être endommagé</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>du %1</translation>
    </message>
    <message>
        <source>1 sidecar</source>
        <translation>1 fichier annexe</translation>
    </message>
    <message>
        <source>Copy missing at the destination</source>
        <translation>Copie manquante dans la destination</translation>
    </message>
    <message>
        <source>Will be copied again as a new copy</source>
        <translation>Sera recopié sous forme de nouvelle copie</translation>
    </message>
    <message>
        <source>Shorter than the “Skip videos shorter than” limit, included anyway</source>
        <translation>Plus court que la limite «&#xa0;Omettre les vidéos de moins de&#xa0;», inclus quand même</translation>
    </message>
    <message>
        <source>Has 1 sidecar file, copied with it</source>
        <translation>A 1 fichier annexe, copié avec lui</translation>
    </message>
    <message numerus="yes">
        <source>, with %n sidecars</source>
        <translation>
            <numerusform>, avec %n fichier annexe</numerusform>
            <numerusform>, avec %n fichiers annexes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sidecars</source>
        <translation>
            <numerusform>%n fichier annexe</numerusform>
            <numerusform>%n fichiers annexes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sidecar files, copied with it</source>
        <translation>
            <numerusform>A %n fichier annexe, copié avec lui</numerusform>
            <numerusform>%n fichiers annexes, copiés avec lui</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuBarItem</name>
    <message>
        <source>No Cards Connected</source>
        <translation>Aucune carte connectée</translation>
    </message>
    <message>
        <source>Cards &amp; Drives</source>
        <translation>Cartes et disques</translation>
    </message>
    <message>
        <source>Import from %1…</source>
        <translation>Importer depuis %1…</translation>
    </message>
    <message>
        <source>Resume Detection</source>
        <translation>Reprendre la détection</translation>
    </message>
    <message>
        <source>Pause Detection</source>
        <translation>Suspendre la détection</translation>
    </message>
    <message>
        <source>Open Stowly</source>
        <translation>Ouvrir Stowly</translation>
    </message>
    <message>
        <source>Offloading… (imports wait until it’s done)</source>
        <translation>Déchargement… (les importations attendent la fin)</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Quit Stowly</source>
        <translation>Quitter Stowly</translation>
    </message>
</context>
<context>
    <name>MhlChain</name>
    <message>
        <source>%1 isn’t a valid ASC MHL chain (line %2: %3).</source>
        <translation>%1 n’est pas une chaîne ASC MHL valide (ligne %2&#xa0;: %3).</translation>
    </message>
    <message>
        <source>unexpected element “%1”</source>
        <translation>élément inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>it is no ASC MHL chain</source>
        <translation>ce n’est pas une chaîne ASC MHL</translation>
    </message>
    <message>
        <source>the generations don’t run 1, 2, 3…</source>
        <translation>les générations ne se suivent pas dans l’ordre 1, 2, 3…</translation>
    </message>
    <message>
        <source>generation %1 lacks its file name or its C4 id</source>
        <translation>la génération %1 n’indique pas son nom de fichier ou son identifiant C4</translation>
    </message>
</context>
<context>
    <name>MhlHistory</name>
    <message>
        <source>Couldn’t read %1: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The ASC MHL history in %1 has manifests but no %2.</source>
        <translation>L’historique ASC MHL de %1 contient des manifestes mais pas de %2.</translation>
    </message>
    <message>
        <source>%1 was changed after it was written: its C4 id isn’t the one %2 holds.</source>
        <translation>%1 a été modifié après son écriture&#xa0;: son identifiant C4 n’est pas celui que contient %2.</translation>
    </message>
    <message>
        <source>The ASC MHL history in %1 holds %2, which its chain doesn’t list and which isn’t a manifest Stowly can read, so it adds no generation beside it.</source>
        <translation>L’historique ASC MHL de %1 contient %2, que sa chaîne ne répertorie pas et qui n’est pas un manifeste que Stowly sait lire&#xa0;; Stowly n’y ajoute donc aucune génération à côté.</translation>
    </message>
</context>
<context>
    <name>ModelHost</name>
    <message>
        <source>The copies are recorded on this station, and go to the shared history once its server answers.</source>
        <translation>Les copies sont notées sur cette station et iront dans l’historique partagé dès que son serveur répondra.</translation>
    </message>
</context>
<context>
    <name>NamingPreset</name>
    <message>
        <source>Date / Project</source>
        <translation>Date / Projet</translation>
    </message>
    <message>
        <source>Project / Date / Camera</source>
        <translation>Projet / Date / Caméra</translation>
    </message>
    <message>
        <source>Project / Type / Date</source>
        <translation>Projet / Type / Date</translation>
    </message>
    <message>
        <source>Year / Month / Day</source>
        <translation>Année / Mois / Jour</translation>
    </message>
    <message>
        <source>Date / Project, Original Names</source>
        <translation>Date / Projet, noms d’origine</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>À plat</translation>
    </message>
</context>
<context>
    <name>NamingTemplate</name>
    <message>
        <source>A “{” is missing its closing “}”.</source>
        <translation>Une «&#xa0;{&#xa0;» n’a pas de «&#xa0;}&#xa0;» fermante.</translation>
    </message>
    <message>
        <source>There’s a “}” without a matching “{”.</source>
        <translation>Il y a une «&#xa0;}&#xa0;» sans «&#xa0;{&#xa0;» correspondante.</translation>
    </message>
    <message>
        <source>“/” isn’t allowed in the file name. Use the folder structure for folders.</source>
        <translation>«&#xa0;/&#xa0;» n’est pas autorisé dans le nom de fichier. Utilisez la structure des dossiers pour les dossiers.</translation>
    </message>
    <message>
        <source>“%1” isn’t allowed in file or folder names.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas autorisé dans les noms de fichiers ou de dossiers.</translation>
    </message>
    <message>
        <source>Names can’t contain tabs or line breaks.</source>
        <translation>Les noms ne peuvent contenir ni tabulations ni sauts de ligne.</translation>
    </message>
    <message>
        <source>“{}” is an empty token. Pick one from the list below.</source>
        <translation>«&#xa0;{}&#xa0;» est une balise vide. Choisissez-en une dans la liste ci-dessous.</translation>
    </message>
    <message>
        <source>{%1} isn’t a known token.</source>
        <translation>{%1} n’est pas une balise connue.</translation>
    </message>
    <message>
        <source>Only {seq} can take a number, like {seq:3}.</source>
        <translation>Seule {seq} accepte un nombre, comme {seq:3}.</translation>
    </message>
    <message>
        <source>{seq:…} needs a number from 1 to 9, like {seq:3}.</source>
        <translation>{seq:…} attend un nombre de 1 à 9, comme {seq:3}.</translation>
    </message>
    <message>
        <source>{seq} only works in the file name.</source>
        <translation>{seq} ne fonctionne que dans le nom de fichier.</translation>
    </message>
    <message>
        <source>The file name can’t be empty.</source>
        <translation>Le nom de fichier ne peut pas être vide.</translation>
    </message>
    <message>
        <source>A folder level is empty. Check for “//” or a “/” at the start or end.</source>
        <translation>Un niveau de dossier est vide. Vérifiez la présence de «&#xa0;//&#xa0;» ou d’un «&#xa0;/&#xa0;» au début ou à la fin.</translation>
    </message>
    <message>
        <source>Use {seq} only once.</source>
        <translation>N’utilisez {seq} qu’une seule fois.</translation>
    </message>
    <message>
        <source>Without {seq} or {original}, files that would get the same name get “_2”, “_3”… added.</source>
        <translation>Sans {seq} ni {original}, les fichiers qui recevraient le même nom reçoivent «&#xa0;_2&#xa0;», «&#xa0;_3&#xa0;»… en suffixe.</translation>
    </message>
</context>
<context>
    <name>OffloadBlocker</name>
    <message>
        <source>1 copy is missing at the destination — choose Re-offload</source>
        <translation>1 copie manque dans la destination — choisissez Redécharger</translation>
    </message>
    <message>
        <source>Only a short clip is left — choose Include Anyway to offload it</source>
        <translation>Il ne reste qu’un clip court — choisissez Inclure quand même pour le décharger</translation>
    </message>
    <message>
        <source>Only short clips are left — choose Include All Short Clips to offload them</source>
        <translation>Il ne reste que des clips courts — choisissez Inclure tous les clips courts pour les décharger</translation>
    </message>
    <message>
        <source>Nothing new in the chosen dates — choose Any date to see everything</source>
        <translation>Rien de nouveau aux dates choisies — choisissez Toutes les dates pour tout voir</translation>
    </message>
    <message>
        <source>Everything on this card is already offloaded</source>
        <translation>Tout le contenu de cette carte est déjà déchargé</translation>
    </message>
    <message>
        <source>Scanning card…</source>
        <translation>Analyse de la carte…</translation>
    </message>
    <message>
        <source>Insert a card to begin</source>
        <translation>Insérez une carte pour commencer</translation>
    </message>
    <message>
        <source>This card is empty</source>
        <translation>Cette carte est vide</translation>
    </message>
    <message>
        <source>Fix the naming template in Settings</source>
        <translation>Corrigez le modèle de nommage dans les Paramètres</translation>
    </message>
    <message>
        <source>Enter a project name</source>
        <translation>Saisissez un nom de projet</translation>
    </message>
    <message>
        <source>Choose a camera</source>
        <translation>Choisissez une caméra</translation>
    </message>
    <message>
        <source>Choose a destination folder</source>
        <translation>Choisissez un dossier de destination</translation>
    </message>
    <message>
        <source>The share “%1” on %2 isn’t answering</source>
        <translation>Le partage «&#xa0;%1&#xa0;» sur %2 ne répond pas</translation>
    </message>
    <message>
        <source>The destination folder isn’t answering</source>
        <translation>Le dossier de destination ne répond pas</translation>
    </message>
    <message>
        <source>The backup destination %1 isn’t connected — connect it or remove it from the backups</source>
        <translation>La destination de sauvegarde %1 n’est pas connectée — connectez-la ou retirez-la des sauvegardes</translation>
    </message>
    <message>
        <source>The destination folder isn’t connected — choose another</source>
        <translation>Le dossier de destination n’est pas connecté — choisissez-en un autre</translation>
    </message>
    <message>
        <source>The backup destination %1 is on this card.</source>
        <translation>La destination de sauvegarde %1 se trouve sur cette carte.</translation>
    </message>
    <message>
        <source>Your destination folder is on this card.</source>
        <translation>Votre dossier de destination se trouve sur cette carte.</translation>
    </message>
    <message>
        <source>Not enough space: needs %1, %2 free</source>
        <translation>Espace insuffisant&#xa0;: %1 nécessaires, %2 libres</translation>
    </message>
    <message>
        <source>The backup destination %1 is the destination itself — remove it from the backups</source>
        <translation>La destination de sauvegarde %1 est la destination elle-même — retirez-la des sauvegardes</translation>
    </message>
    <message numerus="yes">
        <source>%n copies are missing at the destination — choose Re-offload</source>
        <translation>
            <numerusform>%n copie manque dans la destination — choisissez Redécharger</numerusform>
            <numerusform>%n copies manquent dans la destination — choisissez Redécharger</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OffloadCommands</name>
    <message>
        <source>There’s no camera named %1. Add your cameras in Stowly’s settings first.</source>
        <translation>Aucune caméra ne s’appelle %1. Ajoutez d’abord vos caméras dans les paramètres de Stowly.</translation>
    </message>
    <message>
        <source>There’s no camera named %1. Your cameras: %2.</source>
        <translation>Aucune caméra ne s’appelle %1. Vos caméras&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Making the backups of “%1” left from its last offload…</source>
        <translation>Création des sauvegardes de «&#xa0;%1&#xa0;» restées en attente depuis son dernier déchargement…</translation>
    </message>
    <message>
        <source>%1 is named twice.</source>
        <translation>%1 est indiqué deux fois.</translation>
    </message>
    <message>
        <source>Stopping… the files being copied are removed, the copies already verified stay recorded.</source>
        <translation>Arrêt… les fichiers en cours de copie sont supprimés, les copies déjà vérifiées restent enregistrées.</translation>
    </message>
    <message>
        <source>The offload couldn’t start.</source>
        <translation>Le déchargement n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>waiting for its turn on the drive.</source>
        <translation>en attente de son tour sur le disque.</translation>
    </message>
    <message>
        <source>Stopping… the backups still to be made from the first copies are made the next time Stowly runs.</source>
        <translation>Arrêt… les sauvegardes restant à faire à partir des premières copies seront faites au prochain lancement de Stowly.</translation>
    </message>
    <message>
        <source>Stopping… the file being copied is removed, the copies already verified stay recorded.</source>
        <translation>Arrêt… le fichier en cours de copie est supprimé, les copies déjà vérifiées restent enregistrées.</translation>
    </message>
</context>
<context>
    <name>OffloadFormatting</name>
    <message>
        <source>%1 copied</source>
        <translation>Copiés&#xa0;: %1</translation>
    </message>
    <message>
        <source>No new files</source>
        <translation>Aucun nouveau fichier</translation>
    </message>
    <message>
        <source>1 new file</source>
        <translation>1 nouveau fichier</translation>
    </message>
    <message>
        <source> · %1 ignored</source>
        <translation> · ignorés&#xa0;: %1</translation>
    </message>
    <message>
        <source> · cancelled</source>
        <translation> · annulé</translation>
    </message>
    <message>
        <source> · %1 failed</source>
        <translation> · %1 en échec</translation>
    </message>
    <message>
        <source> · ready to erase</source>
        <translation> · effacement possible</translation>
    </message>
    <message>
        <source>Couldn’t save the history: %1. The copies are made and verified, but Stowly won’t remember them: the card is not ready to erase.</source>
        <translation>Impossible d’enregistrer l’historique&#xa0;: %1. Les copies sont faites et vérifiées, mais Stowly ne s’en souviendra pas&#xa0;: la carte n’est pas prête à être effacée.</translation>
    </message>
    <message>
        <source>“%1” can be taken out — 1 backup is still being made</source>
        <translation>La carte «&#xa0;%1&#xa0;» peut être retirée — 1 sauvegarde est encore en cours</translation>
    </message>
    <message>
        <source>1 file left</source>
        <translation>1 fichier restant</translation>
    </message>
    <message>
        <source>Backups from the first copy: %1 · %2 of %3</source>
        <translation>Sauvegardes depuis la première copie&#xa0;: %1 · %2 sur %3</translation>
    </message>
    <message>
        <source>Estimating time…</source>
        <translation>Estimation du temps…</translation>
    </message>
    <message>
        <source>Almost done</source>
        <translation>Presque terminé</translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>Moins d’une minute restante</translation>
    </message>
    <message>
        <source>About %1 min left</source>
        <translation>Encore environ %1 min</translation>
    </message>
    <message>
        <source>About %1 hr left</source>
        <translation>Encore environ %1 h</translation>
    </message>
    <message>
        <source>About %1 hr %2 min left</source>
        <translation>Encore environ %1 h %2 min</translation>
    </message>
    <message>
        <source>%1 copied · %2 skipped · %3 failed</source>
        <translation>Copiés&#xa0;: %1 · omis&#xa0;: %2 · en échec&#xa0;: %3</translation>
    </message>
    <message>
        <source> · %1 of %2 copies verified at %3 destinations</source>
        <translation> · copies vérifiées&#xa0;: %1 sur %2, dans %3 destinations</translation>
    </message>
    <message>
        <source>Offload Cancelled</source>
        <translation>Déchargement annulé</translation>
    </message>
    <message>
        <source>Finished with Problems</source>
        <translation>Terminé avec des problèmes</translation>
    </message>
    <message>
        <source>Offload Complete</source>
        <translation>Déchargement terminé</translation>
    </message>
    <message>
        <source> — card ejected, safe to remove</source>
        <translation> — carte éjectée, vous pouvez la retirer</translation>
    </message>
    <message>
        <source>“%1” was removed before 1 file was copied. Put it back in to copy the rest.</source>
        <translation>La carte «&#xa0;%1&#xa0;» a été retirée alors qu’il restait 1 fichier à copier. Réinsérez-la pour copier le reste.</translation>
    </message>
    <message>
        <source>The copies on “%1” could only be read back through a cache; they are not proved against the drive itself.</source>
        <translation>Les copies sur «&#xa0;%1&#xa0;» n’ont pu être relues qu’à travers un cache&#xa0;; elles ne sont pas prouvées par rapport au disque lui-même.</translation>
    </message>
    <message>
        <source>The program run after the offload failed: %1</source>
        <translation>Le programme exécuté après le déchargement a échoué&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n new files</source>
        <translation>
            <numerusform>%n nouveau fichier</numerusform>
            <numerusform>%n nouveaux fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” can be taken out — %n backups are still being made</source>
        <translation>
            <numerusform>La carte «&#xa0;%1&#xa0;» peut être retirée — %n sauvegarde est encore en cours</numerusform>
            <numerusform>La carte «&#xa0;%1&#xa0;» peut être retirée — %n sauvegardes sont encore en cours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files left</source>
        <translation>
            <numerusform>%n fichier restant</numerusform>
            <numerusform>%n fichiers restants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” was removed before %n files were copied. Put it back in to copy the rest.</source>
        <translation>
            <numerusform>La carte «&#xa0;%1&#xa0;» a été retirée alors qu’il restait %n fichier à copier. Réinsérez-la pour copier le reste.</numerusform>
            <numerusform>La carte «&#xa0;%1&#xa0;» a été retirée alors qu’il restait %n fichiers à copier. Réinsérez-la pour copier le reste.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OffloadManifests</name>
    <message>
        <source>The ASC MHL history in %1 wasn’t written: %2</source>
        <translation>L’historique ASC MHL de %1 n’a pas été écrit&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>OffloadPreset</name>
    <message>
        <source>No folders</source>
        <translation>Aucun dossier</translation>
    </message>
    <message>
        <source>Quick dump</source>
        <translation>Copie rapide</translation>
    </message>
    <message>
        <source>Skips &lt; %1 s</source>
        <translation>Omet &lt; %1 s</translation>
    </message>
    <message>
        <source>Keeps short clips</source>
        <translation>Garde les clips courts</translation>
    </message>
    <message>
        <source>“shortClipSeconds” of %1 is too large</source>
        <translation>«&#xa0;shortClipSeconds&#xa0;» de %1 est trop grand</translation>
    </message>
    <message>
        <source>“fileRules” of %1 lacks one of its three lists</source>
        <translation>Il manque à «&#xa0;fileRules&#xa0;» de %1 l’une de ses trois listes</translation>
    </message>
</context>
<context>
    <name>OffloadRule</name>
    <message>
        <source>“match” of %1 isn’t one Stowly knows</source>
        <translation>«&#xa0;match&#xa0;» de %1 n’est pas une valeur connue de Stowly</translation>
    </message>
</context>
<context>
    <name>Offloader</name>
    <message>
        <source>Couldn’t open the destination folder %1</source>
        <translation>Impossible d’ouvrir le dossier de destination %1</translation>
    </message>
    <message>
        <source>Couldn’t create the folder %1 in the destination: %2.</source>
        <translation>Impossible de créer le dossier %1 dans la destination&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>The share “%1” on %2 stopped answering. What was being copied there is not recorded; offload the card again once the share is back.</source>
        <translation>Le partage «&#xa0;%1&#xa0;» sur %2 ne répond plus. Ce qui y était en cours de copie n’est pas enregistré&#xa0;; déchargez de nouveau la carte une fois le partage revenu.</translation>
    </message>
</context>
<context>
    <name>OnboardingDrive</name>
    <message>
        <source>Internal</source>
        <translation>Interne</translation>
    </message>
    <message>
        <source>External</source>
        <translation>Externe</translation>
    </message>
</context>
<context>
    <name>OnboardingStarter</name>
    <message>
        <source>Film Shoot</source>
        <translation>Tournage</translation>
    </message>
    <message>
        <source>Photo Session</source>
        <translation>Séance photo</translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation>Podcast</translation>
    </message>
    <message>
        <source>Daily Archive</source>
        <translation>Archive quotidienne</translation>
    </message>
    <message>
        <source>My Preset</source>
        <translation>Mon préréglage</translation>
    </message>
</context>
<context>
    <name>PresetOperations</name>
    <message>
        <source>New Preset</source>
        <translation>Nouveau préréglage</translation>
    </message>
</context>
<context>
    <name>PresetsCommand</name>
    <message>
        <source>  Destination:  </source>
        <translation>  Destination&#xa0;:   </translation>
    </message>
    <message>
        <source>(unchanged)</source>
        <translation>(sans changement)</translation>
    </message>
    <message>
        <source>  Folders:      </source>
        <translation>  Dossiers&#xa0;:      </translation>
    </message>
    <message>
        <source>  Files:        </source>
        <translation>  Fichiers&#xa0;:      </translation>
    </message>
    <message>
        <source>  Camera:       </source>
        <translation>  Caméra&#xa0;:        </translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(néant)</translation>
    </message>
    <message>
        <source>  Short clips:  </source>
        <translation>  Clips courts&#xa0;:  </translation>
    </message>
    <message>
        <source>skipped under %1 s</source>
        <translation>omis en dessous de %1 s</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>conservés</translation>
    </message>
    <message>
        <source>  Quick dump:   </source>
        <translation>  Copie rapide&#xa0;:  </translation>
    </message>
    <message>
        <source>on</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>off</source>
        <translation>non</translation>
    </message>
    <message>
        <source>No presets yet. Save the current settings as one with “stowly-cli presets save NAME”.</source>
        <translation>Aucun préréglage pour l’instant. Enregistrez les paramètres actuels comme préréglage avec «&#xa0;stowly-cli presets save NAME&#xa0;».</translation>
    </message>
    <message>
        <source> (in use)</source>
        <translation> (utilisé)</translation>
    </message>
    <message>
        <source>presets takes show, save, update or delete, not %1.</source>
        <translation>presets accepte show, save, update ou delete, pas %1.</translation>
    </message>
    <message>
        <source>presets %1 needs the preset’s name.</source>
        <translation>presets %1 attend le nom du préréglage.</translation>
    </message>
    <message>
        <source>Saved the current settings as %1.</source>
        <translation>Paramètres actuels enregistrés sous le nom %1.</translation>
    </message>
    <message>
        <source>There’s no preset named %1. Run “stowly-cli presets” to list them.</source>
        <translation>Aucun préréglage ne s’appelle %1. Exécutez «&#xa0;stowly-cli presets&#xa0;» pour les lister.</translation>
    </message>
    <message>
        <source>%1 now holds the current settings.</source>
        <translation>%1 contient maintenant les paramètres actuels.</translation>
    </message>
    <message>
        <source>Rule %1 offloads cards with %2: remove the rule first.</source>
        <translation>La règle %1 décharge les cartes avec %2&#xa0;: supprimez d’abord la règle.</translation>
    </message>
    <message>
        <source>Deleted %1.</source>
        <translation>Préréglage %1 supprimé.</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The program “%1” wasn’t found.</source>
        <translation>Le programme «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>It didn’t finish within a second.</source>
        <translation>Il ne s’est pas terminé en moins d’une seconde.</translation>
    </message>
    <message>
        <source>It stopped unexpectedly.</source>
        <translation>Il s’est arrêté de manière inattendue.</translation>
    </message>
    <message numerus="yes">
        <source>It didn’t finish within %n seconds.</source>
        <translation>
            <numerusform>Il ne s’est pas terminé en moins de %n secondes.</numerusform>
            <numerusform>Il ne s’est pas terminé en moins de %n secondes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <source>%1/%2 files · %3 of %4</source>
        <translation>%1/%2 fichiers · %3 sur %4</translation>
    </message>
    <message>
        <source>verifying source</source>
        <translation>vérification de la source</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>vérification</translation>
    </message>
    <message>
        <source>%1: failed</source>
        <translation>%1&#xa0;: échec</translation>
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
        <translation>Stowly s’est fermé de manière inattendue la dernière fois. Envoyer un rapport de plantage&#xa0;?</translation>
    </message>
    <message>
        <source>This opens a new email to %1 with the crash report and Stowly’s recent log attached. File, card and drive names are left out. You can read it over before sending.</source>
        <translation>Un nouvel e-mail à %1 va s’ouvrir, avec le rapport de plantage et le journal récent de Stowly en pièces jointes. Les noms des fichiers, des cartes et des disques en sont exclus. Vous pouvez le relire avant de l’envoyer.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Envoyer le rapport</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Plus tard</translation>
    </message>
</context>
<context>
    <name>QueueLines</name>
    <message>
        <source>%1 · %2 of %3 files · %4 of %5 · %6</source>
        <translation>%1 · fichiers&#xa0;: %2 sur %3 · %4 sur %5 · %6</translation>
    </message>
    <message>
        <source>%1 · waiting · %2 · %3</source>
        <translation>%1 · en attente · %2 · %3</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message>
        <source>%1 copying</source>
        <translation>%1 en copie</translation>
    </message>
    <message>
        <source>%1 waiting</source>
        <translation>%1 en attente</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Waiting for “%1” to finish on %2</source>
        <translation>En attente de la fin de «&#xa0;%1&#xa0;» sur %2</translation>
    </message>
    <message>
        <source>Waiting for its turn</source>
        <translation>En attente de son tour</translation>
    </message>
    <message>
        <source>Waiting · next in line</source>
        <translation>En attente · prochain</translation>
    </message>
    <message>
        <source>Waiting · %1 ahead</source>
        <translation>En attente · %1 devant</translation>
    </message>
    <message>
        <source>Copying · %1 of %2 files</source>
        <translation>Copie en cours · fichiers&#xa0;: %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Quoted</name>
    <message>
        <source>“%1”</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>ReadBack</name>
    <message>
        <source>Read back from the drive around its cache</source>
        <translation>Relu depuis le disque en contournant son cache</translation>
    </message>
    <message>
        <source>Read back from the share after the local cache was dropped</source>
        <translation>Relu depuis le partage après vidage du cache local</translation>
    </message>
    <message>
        <source>Read back through a cache: the copies could not be read from the drive itself</source>
        <translation>Relu à travers un cache&#xa0;: les copies n’ont pas pu être lues depuis le disque lui-même</translation>
    </message>
</context>
<context>
    <name>ReoffloadAlert</name>
    <message>
        <source>The 1 file</source>
        <translation>le fichier</translation>
    </message>
    <message>
        <source>Re-offload everything on “%1”?</source>
        <translation>Redécharger tout le contenu de «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>%1 will be copied and verified again as new copies, including ones already offloaded. Existing copies are never overwritten: the usual naming rules apply, so new copies get the next sequence number, or “_2” at the end of the name.</source>
        <translation>Stowly va de nouveau copier et vérifier %1 sous forme de nouvelles copies, y compris ce qui a déjà été déchargé. Les copies existantes ne sont jamais écrasées&#xa0;: les règles de nommage habituelles s’appliquent, les nouvelles copies reçoivent donc le numéro de séquence suivant, ou «&#xa0;_2&#xa0;» à la fin du nom.</translation>
    </message>
    <message>
        <source>Re-offload Everything</source>
        <translation>Tout redécharger</translation>
    </message>
    <message>
        <source>the 1 file</source>
        <translation>le fichier déchargé</translation>
    </message>
    <message>
        <source>Forget the offload history of “%1”?</source>
        <translation>Oublier l’historique de déchargement de «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Stowly will forget %1 it offloaded from this card%2, so they show as new and are copied again next time. The copies already at the destination aren’t touched.

Until this card is offloaded again, it won’t be ready to format.</source>
        <translation>Stowly va oublier %1 depuis cette carte%2&#xa0;: la prochaine fois, ce contenu apparaîtra comme nouveau et sera recopié. Les copies déjà présentes dans la destination ne sont pas modifiées.

Tant que cette carte n’aura pas été de nouveau déchargée, elle ne sera pas prête à être formatée.</translation>
    </message>
    <message>
        <source>Forget History</source>
        <translation>Oublier l’historique</translation>
    </message>
    <message>
        <source>Stowly forgot %1 it offloaded from %2%3. The copies already at the destination aren’t touched.</source>
        <translation>Stowly a oublié %1 depuis %2%3. Les copies déjà présentes dans la destination ne sont pas modifiées.</translation>
    </message>
    <message numerus="yes">
        <source>All %n files</source>
        <translation>
            <numerusform>les %n fichiers</numerusform>
            <numerusform>les %n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the %n files</source>
        <translation>
            <numerusform>les %n fichiers déchargés</numerusform>
            <numerusform>les %n fichiers déchargés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n copies)</source>
        <translation>
            <numerusform> (%n copies)</numerusform>
            <numerusform> (%n copies)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportBuilder</name>
    <message>
        <source>Offload of “%1”</source>
        <translation>Déchargement de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Offload History of “%1”</source>
        <translation>Historique des déchargements de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Offloads of %1</source>
        <translation>Déchargements du %1</translation>
    </message>
    <message>
        <source>Offloads for “%1”</source>
        <translation>Déchargements pour «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>No offload has the id “%1”.</source>
        <translation>Aucun déchargement n’a l’identifiant «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Stowly has no verified copies from a card named “%1”.</source>
        <translation>Stowly n’a aucune copie vérifiée d’une carte nommée «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Nothing was offloaded on %1.</source>
        <translation>Rien n’a été déchargé le %1.</translation>
    </message>
    <message>
        <source>No offload was made for the project “%1”.</source>
        <translation>Aucun déchargement n’a été effectué pour le projet «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>Stowly has no offload to report yet.</source>
        <translation>Stowly n’a encore aucun déchargement sur lequel établir un rapport.</translation>
    </message>
    <message>
        <source>No offload has an id starting with “%1”.</source>
        <translation>Aucun déchargement n’a d’identifiant commençant par «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>1 file, %1</source>
        <translation>1 fichier, %1</translation>
    </message>
    <message>
        <source>Read back after a flush</source>
        <translation>Relu après écriture forcée sur le disque</translation>
    </message>
    <message>
        <source>source read twice</source>
        <translation>source lue deux fois</translation>
    </message>
    <message>
        <source>ASC MHL</source>
        <translation>ASC MHL</translation>
    </message>
    <message>
        <source>copied from the first copy</source>
        <translation>copié depuis la première copie</translation>
    </message>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 Mo/s</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Stowly</source>
        <translation>Stowly</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source> (cancelled)</source>
        <translation> (annulé)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécution</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Verification</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>May be damaged: %1</source>
        <translation>Peut-être endommagé&#xa0;: %1</translation>
    </message>
    <message>
        <source>proved %1</source>
        <translation>prouvé %1</translation>
    </message>
    <message>
        <source>· every copy proved</source>
        <translation>· chaque copie prouvée</translation>
    </message>
    <message>
        <source>· finished with problems</source>
        <translation>· terminé avec des problèmes</translation>
    </message>
    <message>
        <source>Offloads</source>
        <translation>Déchargements</translation>
    </message>
    <message>
        <source>Destinations</source>
        <translation>Destinations</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Digests</source>
        <translation>Empreintes</translation>
    </message>
    <message>
        <source>Verified copies</source>
        <translation>Copies vérifiées</translation>
    </message>
    <message numerus="yes">
        <source>%n files, %1</source>
        <translation>
            <numerusform>%n fichier, %1</numerusform>
            <numerusform>%n fichiers, %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Couldn’t write the PDF at %1.</source>
        <translation>Impossible d’écrire le PDF à l’emplacement %1.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Made by Stowly. Every copy is proved with SHA-256.</source>
        <translation>Établi par Stowly. Chaque copie est prouvée par SHA-256.</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>“%1” isn’t a report format. Use pdf, html, csv or json.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un format de rapport. Utilisez pdf, html, csv ou json.</translation>
    </message>
    <message>
        <source>Name at least one report format: pdf, html, csv or json.</source>
        <translation>Indiquez au moins un format de rapport&#xa0;: pdf, html, csv ou json.</translation>
    </message>
    <message>
        <source>Offload %1 %2</source>
        <translation>Déchargement %1 %2</translation>
    </message>
    <message>
        <source>Offload History %1</source>
        <translation>Historique des déchargements %1</translation>
    </message>
    <message>
        <source>Offloads %1</source>
        <translation>Déchargements %1</translation>
    </message>
    <message>
        <source>Project %1</source>
        <translation>Projet %1</translation>
    </message>
    <message>
        <source>No room for a temporary file.</source>
        <translation>Pas de place pour un fichier temporaire.</translation>
    </message>
    <message>
        <source>Couldn’t make the folder %1: %2</source>
        <translation>Impossible de créer le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Couldn’t write the report %1: %2</source>
        <translation>Impossible d’écrire le rapport %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RulesCommand</name>
    <message>
        <source>rules add needs --match: any, name:PATTERN, identity:ID or camera:NAME.</source>
        <translation>rules add attend --match&#xa0;: any, name:PATTERN, identity:ID ou camera:NAME.</translation>
    </message>
    <message>
        <source>--match takes any, name:PATTERN, identity:ID or camera:NAME, not %1.</source>
        <translation>--match accepte any, name:PATTERN, identity:ID ou camera:NAME, pas %1.</translation>
    </message>
    <message>
        <source>There’s no camera named %1.</source>
        <translation>Aucune caméra ne s’appelle %1.</translation>
    </message>
    <message>
        <source>There’s no preset named %1. Run “stowly-cli presets” to list them.</source>
        <translation>Aucun préréglage ne s’appelle %1. Exécutez «&#xa0;stowly-cli presets&#xa0;» pour les lister.</translation>
    </message>
    <message>
        <source>No rules yet: inserted cards wait for you. Add one with “stowly-cli rules add --match any --preset NAME”.</source>
        <translation>Aucune règle pour l’instant&#xa0;: les cartes insérées vous attendent. Ajoutez-en une avec «&#xa0;stowly-cli rules add --match any --preset NAME&#xa0;».</translation>
    </message>
    <message>
        <source>Added rule %1: </source>
        <translation>Règle %1 ajoutée&#xa0;: </translation>
    </message>
    <message>
        <source>There’s no rule %1. Run “stowly-cli rules” to list them.</source>
        <translation>La règle %1 n’existe pas. Exécutez «&#xa0;stowly-cli rules&#xa0;» pour les lister.</translation>
    </message>
    <message>
        <source>Removed the rule </source>
        <translation>Règle supprimée&#xa0;: </translation>
    </message>
    <message>
        <source>rules takes add with its options, or remove with the rule’s number.</source>
        <translation>rules accepte add avec ses options, ou remove avec le numéro de la règle.</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message>
        <source>The record of an offload couldn’t be read (%1); its report is left out.</source>
        <translation>La trace d’un déchargement n’a pas pu être lue (%1)&#xa0;; son rapport est omis.</translation>
    </message>
</context>
<context>
    <name>ScanFailure</name>
    <message>
        <source>Stowly couldn’t read this card (%1).</source>
        <translation>Stowly n’a pas pu lire cette carte (%1).</translation>
    </message>
    <message>
        <source>Stowly couldn’t read “%1” on this card (%2).</source>
        <translation>Stowly n’a pas pu lire «&#xa0;%1&#xa0;» sur cette carte (%2).</translation>
    </message>
</context>
<context>
    <name>ServerAddress</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 isn’t of the form keyword=value.</source>
        <translation>%1 n’est pas de la forme mot-clé=valeur.</translation>
    </message>
    <message>
        <source>A quoted value has no closing quote.</source>
        <translation>Une valeur entre apostrophes n’est pas refermée.</translation>
    </message>
    <message>
        <source>%1 isn’t a server address.</source>
        <translation>%1 n’est pas une adresse de serveur.</translation>
    </message>
    <message>
        <source>The history server’s password can’t be kept in the settings, where anyone who reads them sees it. Put it in ~/.pgpass, or in a file named by passfile=, or in the desktop’s keyring.</source>
        <translation>Le mot de passe du serveur d’historique ne peut pas rester dans les réglages, où quiconque les lit le voit. Mettez-le dans ~/.pgpass, dans un fichier nommé par passfile= ou dans le trousseau du bureau.</translation>
    </message>
    <message>
        <source>%1 isn’t a port number.</source>
        <translation>%1 n’est pas un numéro de port.</translation>
    </message>
    <message>
        <source>%1 can’t hold a semicolon.</source>
        <translation>%1 ne peut pas contenir de point-virgule.</translation>
    </message>
    <message>
        <source>The history server’s address names no host (host=…).</source>
        <translation>L’adresse du serveur d’historique ne nomme aucun hôte (host=…).</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>cet ordinateur</translation>
    </message>
</context>
<context>
    <name>ServerHistory</name>
    <message>
        <source>Couldn’t reach the history server %1 (%2).</source>
        <translation>Impossible de joindre le serveur d’historique %1 (%2).</translation>
    </message>
    <message>
        <source>Qt’s PostgreSQL driver isn’t installed (Debian’s libqt6sql6-psql).</source>
        <translation>Le pilote PostgreSQL de Qt n’est pas installé (libqt6sql6-psql de Debian).</translation>
    </message>
    <message>
        <source>Couldn’t prepare the history server’s tables: %1</source>
        <translation>Impossible de préparer les tables du serveur d’historique : %1</translation>
    </message>
    <message>
        <source>The history server’s tables were made by a newer Stowly (version %1); this one reads version %2. Update Stowly on this station.</source>
        <translation>Les tables du serveur d’historique viennent d’un Stowly plus récent (version %1) ; celui-ci lit la version %2. Mettez Stowly à jour sur cette station.</translation>
    </message>
    <message>
        <source>it didn’t answer a moment ago</source>
        <translation>il n’a pas répondu il y a un instant</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>There’s no setting %1. Run “stowly-cli settings” to list them.</source>
        <translation>Le paramètre %1 n’existe pas. Exécutez «&#xa0;stowly-cli settings&#xa0;» pour les lister.</translation>
    </message>
    <message>
        <source>%1 is kept by Stowly itself.</source>
        <translation>%1 est géré par Stowly lui-même.</translation>
    </message>
    <message>
        <source>Couldn’t save the preferences to %1.</source>
        <translation>Impossible d’enregistrer les préférences dans %1.</translation>
    </message>
</context>
<context>
    <name>SettingsTable</name>
    <message>
        <source>%1 takes %2.</source>
        <translation>%1 accepte %2.</translation>
    </message>
    <message>
        <source>%1 takes a whole number of %2 from %3 to %4.</source>
        <translation>%1 accepte un nombre entier de %2 compris entre %3 et %4.</translation>
    </message>
    <message>
        <source>There’s no folder at %1.</source>
        <translation>Il n’y a aucun dossier à l’emplacement %1.</translation>
    </message>
    <message>
        <source>%1 takes a JSON array of folders.</source>
        <translation>%1 attend un tableau JSON de dossiers.</translation>
    </message>
    <message>
        <source>%1 takes a JSON array of names.</source>
        <translation>%1 attend un tableau JSON de noms.</translation>
    </message>
    <message>
        <source>“excludedCategories” takes the names video, photo, audio and other, not %1.</source>
        <translation>«&#xa0;excludedCategories&#xa0;» accepte les noms video, photo, audio et other, pas %1.</translation>
    </message>
    <message>
        <source>“dateFilter” takes any, today, last7days, two dates like 2024-05-01..2024-05-03, or its JSON form.</source>
        <translation>«&#xa0;dateFilter&#xa0;» accepte any, today, last7days, deux dates comme 2024-05-01..2024-05-03, ou sa forme JSON.</translation>
    </message>
    <message>
        <source>“fileRules” takes a JSON object with the lists “proxyExtensions”, “sidecarExtensions” and “ignorePatterns”.</source>
        <translation>«&#xa0;fileRules&#xa0;» attend un objet JSON avec les listes «&#xa0;proxyExtensions&#xa0;», «&#xa0;sidecarExtensions&#xa0;» et «&#xa0;ignorePatterns&#xa0;».</translation>
    </message>
    <message>
        <source>“ignoredImportCards” takes a JSON array of objects with “identity” and “name”.</source>
        <translation>«&#xa0;ignoredImportCards&#xa0;» attend un tableau JSON d’objets avec «&#xa0;identity&#xa0;» et «&#xa0;name&#xa0;».</translation>
    </message>
    <message>
        <source>xxh128 is always taken; it needn’t be listed.</source>
        <translation>xxh128 est toujours calculé&#xa0;; inutile de l’indiquer.</translation>
    </message>
    <message>
        <source>%1 takes the formats %2, not %3.</source>
        <translation>%1 accepte les formats %2, pas %3.</translation>
    </message>
    <message>
        <source>The folder the copies go into.</source>
        <translation>Le dossier dans lequel vont les copies.</translation>
    </message>
    <message>
        <source>Further folders, usually on other drives, that get a copy too.</source>
        <translation>D’autres dossiers, généralement sur d’autres disques, qui reçoivent aussi une copie.</translation>
    </message>
    <message>
        <source>The backup folders that copy from the first copy once it is proved rather than from the card, so the card is free sooner.</source>
        <translation>Les dossiers de sauvegarde alimentés depuis la première copie, une fois celle-ci prouvée, plutôt que depuis la carte, pour que la carte soit libérée plus tôt.</translation>
    </message>
    <message>
        <source>Read each file from the card again after its copies are verified, to catch a failing card or reader.</source>
        <translation>Relire chaque fichier depuis la carte après la vérification de ses copies, pour détecter une carte ou un lecteur défaillant.</translation>
    </message>
    <message>
        <source>Keep an ASC MHL history (xxh128) at the top of every destination.</source>
        <translation>Tenir un historique ASC MHL (xxh128) à la racine de chaque destination.</translation>
    </message>
    <message>
        <source>The formats the ASC MHL histories take besides xxh128, from the same read of the card as the copy.</source>
        <translation>Les formats que les historiques ASC MHL reçoivent en plus de xxh128, calculés lors de la même lecture de la carte que la copie.</translation>
    </message>
    <message>
        <source>Copy to one drive from several cards at once.</source>
        <translation>Copier vers un même disque depuis plusieurs cartes à la fois.</translation>
    </message>
    <message>
        <source>Eject the card when its offload is done.</source>
        <translation>Éjecter la carte à la fin de son déchargement.</translation>
    </message>
    <message>
        <source>A program run after each card&apos;s offload, with the offload as JSON on its standard input; empty for none.</source>
        <translation>Un programme exécuté après le déchargement de chaque carte, qui reçoit le déchargement en JSON sur son entrée standard&#xa0;; vide pour aucun.</translation>
    </message>
    <message>
        <source>The person who offloads, named in every offload&apos;s report.</source>
        <translation>La personne qui effectue le déchargement, nommée dans le rapport de chaque déchargement.</translation>
    </message>
    <message>
        <source>Write each offload&apos;s report (PDF and CSV) into every destination, in a folder named Stowly Reports.</source>
        <translation>Écrire le rapport de chaque déchargement (PDF et CSV) dans chaque destination, dans un dossier nommé Stowly Reports.</translation>
    </message>
    <message>
        <source>How the folders the copies go into are named.</source>
        <translation>Comment sont nommés les dossiers dans lesquels vont les copies.</translation>
    </message>
    <message>
        <source>How the copied files are named.</source>
        <translation>Comment sont nommés les fichiers copiés.</translation>
    </message>
    <message>
        <source>The project of the last offload, offered for the next.</source>
        <translation>Le projet du dernier déchargement, proposé pour le suivant.</translation>
    </message>
    <message>
        <source>The projects offered again, the most recent first.</source>
        <translation>Les projets proposés de nouveau, du plus récent au plus ancien.</translation>
    </message>
    <message>
        <source>The kinds of files left on the card.</source>
        <translation>Les types de fichiers laissés sur la carte.</translation>
    </message>
    <message>
        <source>Play a sound when an offload succeeds.</source>
        <translation>Émettre un son quand un déchargement réussit.</translation>
    </message>
    <message>
        <source>Leave clips shorter than a few seconds behind.</source>
        <translation>Laisser sur la carte les clips de moins de quelques secondes.</translation>
    </message>
    <message>
        <source>How many seconds a clip must last not to be left behind.</source>
        <translation>Durée minimale d’un clip, en secondes, pour ne pas être laissé sur la carte.</translation>
    </message>
    <message>
        <source>The colours of the windows.</source>
        <translation>Les couleurs des fenêtres.</translation>
    </message>
    <message>
        <source>Light or dark windows, or as the desktop has them.</source>
        <translation>Fenêtres claires ou sombres, ou comme celles du bureau.</translation>
    </message>
    <message>
        <source>A card’s files as a list or a grid.</source>
        <translation>Les fichiers d’une carte sous forme de liste ou de grille.</translation>
    </message>
    <message>
        <source>Show thumbnails in the list of files.</source>
        <translation>Afficher des vignettes dans la liste des fichiers.</translation>
    </message>
    <message>
        <source>Offload without a project in the names.</source>
        <translation>Décharger sans projet dans les noms.</translation>
    </message>
    <message>
        <source>Which days’ files an offload takes.</source>
        <translation>Les jours dont un déchargement prend les fichiers.</translation>
    </message>
    <message>
        <source>Keep running in the background when the window closes.</source>
        <translation>Continuer à fonctionner en arrière-plan quand la fenêtre est fermée.</translation>
    </message>
    <message>
        <source>Ask to offload a card when it is inserted.</source>
        <translation>Proposer de décharger une carte à son insertion.</translation>
    </message>
    <message>
        <source>Mount cards when they are inserted.</source>
        <translation>Monter les cartes à leur insertion.</translation>
    </message>
    <message>
        <source>Show Stowly’s icon while it runs in the background.</source>
        <translation>Afficher l’icône de Stowly pendant qu’il fonctionne en arrière-plan.</translation>
    </message>
    <message>
        <source>Ask to offload in a notification or a panel.</source>
        <translation>Proposer le déchargement par une notification ou un panneau.</translation>
    </message>
    <message>
        <source>The cards Stowly no longer asks to offload.</source>
        <translation>Les cartes pour lesquelles Stowly ne propose plus de déchargement.</translation>
    </message>
    <message>
        <source>Which files are proxies or sidecars, and which are ignored.</source>
        <translation>Les fichiers qui sont des proxys ou des fichiers annexes, et ceux qui sont ignorés.</translation>
    </message>
    <message>
        <source>Whether the one destination of older versions is now among the favourites.</source>
        <translation>Indique si l’unique destination des anciennes versions figure désormais parmi les favoris.</translation>
    </message>
    <message>
        <source>The tab the settings window shows.</source>
        <translation>L’onglet affiché par la fenêtre des paramètres.</translation>
    </message>
    <message>
        <source>The language Stowly speaks, or “system” for the desktop’s; it takes effect when Stowly next starts.</source>
        <translation>La langue de Stowly, ou «&#xa0;system&#xa0;» pour celle du bureau&#xa0;; elle s’applique au prochain démarrage de Stowly.</translation>
    </message>
    <message>
        <source>A PostgreSQL server that keeps one history of verified copies for several stations, in libpq’s form; empty to keep the history on this computer only. The password comes from ~/.pgpass, a passfile=, or the desktop’s keyring.</source>
        <translation>Un serveur PostgreSQL qui tient un historique des copies vérifiées pour plusieurs stations, au format de libpq ; vide pour garder l’historique sur cet ordinateur seulement. Le mot de passe vient de ~/.pgpass, d’un passfile= ou du trousseau du bureau.</translation>
    </message>
    <message>
        <source>This station’s name in the shared history; empty for the computer’s host name.</source>
        <translation>Le nom de cette station dans l’historique partagé ; vide pour le nom d’hôte de l’ordinateur.</translation>
    </message>
    <message>
        <source>Trust copies verified by other stations: a card may be erased when its copies are where only another station can check them.</source>
        <translation>Faire confiance aux copies vérifiées par d’autres stations : une carte peut être effacée quand ses copies sont là où seule une autre station peut les vérifier.</translation>
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
        <translation>Espace libre inconnu</translation>
    </message>
    <message>
        <source>needs %1</source>
        <translation>%1 nécessaires</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 octet</translation>
    </message>
</context>
<context>
    <name>StageState</name>
    <message>
        <source>Card</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Médias</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
</context>
<context>
    <name>StageTexts</name>
    <message>
        <source>Insert an SD Card</source>
        <translation>Insérez une carte SD</translation>
    </message>
    <message>
        <source>Stowly fills in the rest as soon as a card is mounted.</source>
        <translation>Stowly complète le reste dès qu’une carte est montée.</translation>
    </message>
    <message>
        <source>Ignored items (system files and your ignore list in Settings ▸ Files) aren’t copied and don’t stop the card being ready to format.</source>
        <translation>Les éléments ignorés (fichiers système et votre liste des noms ignorés dans Paramètres ▸ Fichiers) ne sont pas copiés et n’empêchent pas la carte d’être prête à formater.</translation>
    </message>
    <message>
        <source>Card actions</source>
        <translation>Actions sur la carte</translation>
    </message>
    <message>
        <source>Eject Card</source>
        <translation>Éjecter la carte</translation>
    </message>
    <message>
        <source>Forget This Card’s History…</source>
        <translation>Oublier l’historique de cette carte…</translation>
    </message>
    <message>
        <source>Every file on this card has a verified copy at the destination.</source>
        <translation>Chaque fichier de cette carte a une copie vérifiée dans la destination.</translation>
    </message>
    <message>
        <source>Reading the offload history…</source>
        <translation>Lecture de l’historique de déchargement…</translation>
    </message>
    <message>
        <source>Media appears here once a card is inserted.</source>
        <translation>Les médias apparaissent ici dès qu’une carte est insérée.</translation>
    </message>
    <message>
        <source>Looking for media…</source>
        <translation>Recherche de médias…</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Used in file and folder names when the naming template includes it</source>
        <translation>Utilisé dans les noms de fichiers et de dossiers quand le modèle de nommage l’inclut</translation>
    </message>
    <message>
        <source>Clear the project name</source>
        <translation>Effacer le nom du projet</translation>
    </message>
    <message>
        <source>Recent projects</source>
        <translation>Projets récents</translation>
    </message>
    <message>
        <source>Clear Recent Projects</source>
        <translation>Effacer les projets récents</translation>
    </message>
    <message>
        <source>Not needed for a quick dump</source>
        <translation>Inutile pour une copie rapide</translation>
    </message>
    <message>
        <source>Optional, not in the template</source>
        <translation>Facultatif, absent du modèle</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>The camera these files came from. Fills the {camera} token.</source>
        <translation>La caméra d’où viennent ces fichiers. Remplit la balise {camera}.</translation>
    </message>
    <message>
        <source>Choose a camera…</source>
        <translation>Choisir une caméra…</translation>
    </message>
    <message>
        <source>Quick dump</source>
        <translation>Copie rapide</translation>
    </message>
    <message>
        <source>Skips the project name and dumps all the footage straight into a dated folder.</source>
        <translation>Se passe du nom de projet et copie tous les médias directement dans un dossier daté.</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>Copies only files from these days, by the date each file was created (or last changed, if the card doesn’t record that). Sidecars and proxies go with their clip. Everything else stays on the card.</source>
        <translation>Ne copie que les fichiers de ces jours, d’après la date de création de chaque fichier (ou de dernière modification, si la carte ne l’enregistre pas). Les fichiers annexes et les proxys suivent leur clip. Tout le reste demeure sur la carte.</translation>
    </message>
    <message>
        <source>Switch between the files to copy, files offloaded before and skipped short clips</source>
        <translation>Basculer entre les fichiers à copier, les fichiers déjà déchargés et les clips courts omis</translation>
    </message>
    <message>
        <source>Name Preview</source>
        <translation>Aperçu des noms</translation>
    </message>
    <message>
        <source>Already Offloaded (%1)</source>
        <translation>Déjà déchargés (%1)</translation>
    </message>
    <message>
        <source>Short Clips Skipped (%1)</source>
        <translation>Clips courts omis (%1)</translation>
    </message>
    <message>
        <source>These files were offloaded before, but their copies are gone or changed size. They aren’t copied again unless you choose Re-offload.</source>
        <translation>Ces fichiers ont déjà été déchargés, mais leurs copies ont disparu ou changé de taille. Ils ne sont recopiés que si vous choisissez Redécharger.</translation>
    </message>
    <message>
        <source>Videos shorter than %1 stay on the card with their sidecars. Change this in Settings ▸ General.</source>
        <translation>Les vidéos de moins de %1 restent sur la carte avec leurs fichiers annexes. Modifiez ce réglage dans Paramètres ▸ Général.</translation>
    </message>
    <message>
        <source>These new files are from other days, so they stay on the card. Choose Any date under Dates to copy them too.</source>
        <translation>Ces nouveaux fichiers datent d’autres jours&#xa0;; ils restent donc sur la carte. Choisissez Toutes les dates sous Dates pour les copier aussi.</translation>
    </message>
    <message>
        <source>Re-offload</source>
        <translation>Redécharger</translation>
    </message>
    <message>
        <source>Copy files again that were offloaded before. New copies never overwrite old ones.</source>
        <translation>Recopier des fichiers déjà déchargés. Les nouvelles copies n’écrasent jamais les anciennes.</translation>
    </message>
    <message>
        <source>Re-offload Missing Copies</source>
        <translation>Redécharger les copies manquantes</translation>
    </message>
    <message>
        <source>Re-offload Everything on This Card…</source>
        <translation>Tout redécharger sur cette carte…</translation>
    </message>
    <message>
        <source>Don’t Re-offload</source>
        <translation>Ne pas redécharger</translation>
    </message>
    <message>
        <source>Re-offload This File</source>
        <translation>Redécharger ce fichier</translation>
    </message>
    <message>
        <source>Don’t Re-offload This File</source>
        <translation>Ne pas redécharger ce fichier</translation>
    </message>
    <message>
        <source>Show Copy in %1</source>
        <translation>Afficher la copie dans %1</translation>
    </message>
    <message>
        <source>Skip This Short Clip</source>
        <translation>Omettre ce clip court</translation>
    </message>
    <message>
        <source>Offload this clip anyway</source>
        <translation>Décharger ce clip quand même</translation>
    </message>
    <message>
        <source>Include All Short Clips</source>
        <translation>Inclure tous les clips courts</translation>
    </message>
    <message>
        <source>Offload every short clip on this card</source>
        <translation>Décharger tous les clips courts de cette carte</translation>
    </message>
    <message>
        <source>Press Space to preview the selected file%1</source>
        <translation>Appuyez sur Espace pour prévisualiser le fichier sélectionné%1</translation>
    </message>
    <message>
        <source>Choose the folder your media is copied into, or drop one here from %1.</source>
        <translation>Choisissez le dossier dans lequel vos médias sont copiés, ou déposez-en un ici depuis %1.</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Choisir un dossier…</translation>
    </message>
    <message>
        <source>Drop a folder from %1 here to copy into it</source>
        <translation>Déposez ici un dossier depuis %1 pour y copier</translation>
    </message>
    <message>
        <source>Show the destination folder in %1</source>
        <translation>Afficher le dossier de destination dans %1</translation>
    </message>
    <message>
        <source>Choose a folder that isn’t one of your favorites</source>
        <translation>Choisir un dossier qui ne fait pas partie de vos favoris</translation>
    </message>
    <message>
        <source>Choose where files are copied</source>
        <translation>Choisir où les fichiers sont copiés</translation>
    </message>
    <message>
        <source>Choose Other Folder…</source>
        <translation>Choisir un autre dossier…</translation>
    </message>
    <message>
        <source>Edit Favorites…</source>
        <translation>Modifier les favoris…</translation>
    </message>
    <message>
        <source>Add “%1” to Favorites</source>
        <translation>Ajouter «&#xa0;%1&#xa0;» aux favoris</translation>
    </message>
    <message>
        <source>%1 isn’t connected</source>
        <translation>%1 n’est pas connecté</translation>
    </message>
    <message>
        <source>Offload</source>
        <translation>Décharger</translation>
    </message>
    <message>
        <source>Offload 1 File</source>
        <translation>Décharger 1 fichier</translation>
    </message>
    <message numerus="yes">
        <source>Offload %n Files</source>
        <translation>
            <numerusform>Décharger %n fichier</numerusform>
            <numerusform>Décharger %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy and verify the new files</source>
        <translation>Copier et vérifier les nouveaux fichiers</translation>
    </message>
    <message>
        <source>Ready. Every file is verified with SHA-256 after copying.</source>
        <translation>Prêt. Chaque fichier est vérifié avec SHA-256 après la copie.</translation>
    </message>
    <message>
        <source>Offload progress</source>
        <translation>Progression du déchargement</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Verifying source</source>
        <translation>Vérification de la source</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Files you offload will be listed here.</source>
        <translation>Les fichiers que vous déchargez apparaîtront ici.</translation>
    </message>
    <message>
        <source>Remove from the history. The copy itself isn’t touched; the file shows as new on its card again.</source>
        <translation>Retirer de l’historique. La copie elle-même n’est pas touchée&#xa0;; le fichier réapparaît comme nouveau sur sa carte.</translation>
    </message>
</context>
<context>
    <name>StationCommand</name>
    <message>
        <source>There’s no preset named %1. Run “stowly-cli presets” to list them.</source>
        <translation>Aucun préréglage ne s’appelle %1. Exécutez «&#xa0;stowly-cli presets&#xa0;» pour les lister.</translation>
    </message>
    <message>
        <source>There are no rules to offload cards by. Add one with “stowly-cli rules add”, or give every card one preset with --preset.</source>
        <translation>Il n’y a aucune règle selon laquelle décharger les cartes. Ajoutez-en une avec «&#xa0;stowly-cli rules add&#xa0;», ou appliquez un même préréglage à toutes les cartes avec --preset.</translation>
    </message>
    <message>
        <source>%1 inserted at %2.</source>
        <translation>Carte %1 insérée à %2.</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>Carte %1 retirée.</translation>
    </message>
    <message>
        <source>%1 left alone: %2</source>
        <translation>Carte %1 laissée de côté&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>Carte %1 en échec&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: copying %n files (%2).</source>
        <translation>
            <numerusform>%1&#xa0;: copie de %n fichier (%2).</numerusform>
            <numerusform>%1&#xa0;: copie de %n fichiers (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 queued: waiting for its turn on the drive.</source>
        <translation>Carte %1 en file d’attente&#xa0;: en attente de son tour sur le disque.</translation>
    </message>
    <message>
        <source>%1 queued.</source>
        <translation>Carte %1 en file d’attente.</translation>
    </message>
    <message>
        <source>%1: the backups from the first copies are made.</source>
        <translation>%1&#xa0;: les sauvegardes depuis les premières copies sont faites.</translation>
    </message>
    <message>
        <source>%1 couldn’t be ejected: %2</source>
        <translation>La carte %1 n’a pas pu être éjectée&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 ejected; it can be taken out.</source>
        <translation>Carte %1 éjectée&#xa0;; elle peut être retirée.</translation>
    </message>
    <message>
        <source>Watching for cards; each is offloaded with the preset %1.</source>
        <translation>En attente de cartes&#xa0;; chacune est déchargée avec le préréglage %1.</translation>
    </message>
    <message numerus="yes">
        <source>Watching for cards; each is offloaded by the first of %n rule(s) it matches.</source>
        <translation>
            <numerusform>En attente de cartes&#xa0;; chacune est déchargée selon %n règle, si elle y correspond.</numerusform>
            <numerusform>En attente de cartes&#xa0;; chacune est déchargée selon la première des %n règles à laquelle elle correspond.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping… the files being copied are removed, the copies already verified stay recorded.</source>
        <translation>Arrêt… les fichiers en cours de copie sont supprimés, les copies déjà vérifiées restent enregistrées.</translation>
    </message>
    <message>
        <source>The backups still to be made from the first copies are made the next time Stowly runs.</source>
        <translation>Les sauvegardes restant à faire à partir des premières copies seront faites au prochain lancement de Stowly.</translation>
    </message>
    <message>
        <source>Station stopped: %1 offloaded, %2 failed.</source>
        <translation>Station arrêtée. Cartes déchargées&#xa0;: %1&#xa0;; en échec&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>StoreFile</name>
    <message>
        <source>the file isn’t valid JSON (%1 at byte %2)</source>
        <translation>le fichier n’est pas un JSON valide (%1 à l’octet %2)</translation>
    </message>
    <message>
        <source>the file doesn’t hold a JSON object</source>
        <translation>le fichier ne contient pas d’objet JSON</translation>
    </message>
    <message>
        <source>%1. The old file was kept as %2.</source>
        <translation>%1. L’ancien fichier a été conservé sous le nom %2.</translation>
    </message>
    <message>
        <source>%1. It couldn’t be set aside (%2), so Stowly won’t save over it.</source>
        <translation>%1. Il n’a pas pu être mis de côté (%2)&#xa0;; Stowly ne l’écrasera donc pas.</translation>
    </message>
</context>
<context>
    <name>TextOutput</name>
    <message>
        <source>%1 (%2):</source>
        <translation>%1 (%2)&#xa0;:</translation>
    </message>
    <message>
        <source>%1 at %2 (identity %3)</source>
        <translation>%1 sur %2 (identité %3)</translation>
    </message>
    <message>
        <source>%1 on %2, not mounted</source>
        <translation>%1 sur %2, non monté</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Offloaded before</source>
        <translation>Déjà déchargé</translation>
    </message>
    <message>
        <source>Copy missing at the destination</source>
        <translation>Copie manquante dans la destination</translation>
    </message>
    <message>
        <source>Ignored (%1):</source>
        <translation>Ignorés (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>To copy: %1</source>
        <translation>À copier&#xa0;: %1</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message>
        <source>1 short clip left on the card</source>
        <translation>1 clip court laissé sur la carte</translation>
    </message>
    <message>
        <source>1 file from other days</source>
        <translation>1 fichier d’un autre jour</translation>
    </message>
    <message>
        <source>%1 already offloaded</source>
        <translation>Déjà déchargés&#xa0;: %1</translation>
    </message>
    <message>
        <source>1 copy missing, not copied again</source>
        <translation>1 copie manquante, non recopiée</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Laissés de côté&#xa0;: %1</translation>
    </message>
    <message>
        <source>May be damaged: %1: %2</source>
        <translation>Peut-être endommagé&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Ready. Every file is verified with SHA-256 after copying.</source>
        <translation>Prêt. Chaque fichier est vérifié avec SHA-256 après la copie.</translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation>Vers %1</translation>
    </message>
    <message>
        <source>(with %1)</source>
        <translation>(avec %1)</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n short clips left on the card</source>
        <translation>
            <numerusform>%n clip court laissé sur la carte</numerusform>
            <numerusform>%n clips courts laissés sur la carte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files from other days</source>
        <translation>
            <numerusform>%n fichier d’un autre jour</numerusform>
            <numerusform>%n fichiers d’autres jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n copies missing, not copied again</source>
        <translation>
            <numerusform>%n copie manquante, non recopiée</numerusform>
            <numerusform>%n copies manquantes, non recopiées</numerusform>
        </translation>
    </message>
    <message>
        <source>video</source>
        <translation>vidéo</translation>
    </message>
    <message>
        <source>photo</source>
        <translation>photo</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>audio</translation>
    </message>
    <message>
        <source>other</source>
        <translation>autre</translation>
    </message>
    <message>
        <source>1 file offloaded by another station to a place this one can’t see</source>
        <translation>1 fichier déchargé par une autre station à un endroit que celle-ci ne voit pas</translation>
    </message>
    <message numerus="yes">
        <source>%n files offloaded by another station to places this one can’t see</source>
        <translation>
            <numerusform>%n fichier déchargé par une autre station à un endroit que celle-ci ne voit pas</numerusform>
            <numerusform>%n fichiers déchargés par une autre station à des endroits que celle-ci ne voit pas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>Same as the desktop</source>
        <translation>Comme le bureau</translation>
    </message>
    <message>
        <source>Layout check (lengthened texts)</source>
        <translation>Contrôle de mise en page (textes allongés)</translation>
    </message>
</context>
<context>
    <name>VerifyCommand</name>
    <message>
        <source>Missing: %1</source>
        <translation>Manquant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Changed: %1 is %2 bytes; the history says %3.</source>
        <translation>Modifié&#xa0;: %1 fait %2 octets&#xa0;; l’historique indique %3.</translation>
    </message>
    <message>
        <source>Changed: %1 doesn’t match its %2 in the history.</source>
        <translation>Modifié&#xa0;: %1 ne correspond pas à sa valeur %2 dans l’historique.</translation>
    </message>
    <message>
        <source>Unreadable: %1: %2</source>
        <translation>Illisible&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Not in the history: %1</source>
        <translation>Absent de l’historique&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 of %2 recorded files match; %3 missing, %4 changed, %5 unreadable, %6 not in the history.</source>
        <translation>Fichiers enregistrés conformes&#xa0;: %1 sur %2&#xa0;; manquants&#xa0;: %3, modifiés&#xa0;: %4, illisibles&#xa0;: %5, absents de l’historique&#xa0;: %6.</translation>
    </message>
    <message>
        <source>There’s no folder %1.</source>
        <translation>Il n’y a pas de dossier %1.</translation>
    </message>
    <message>
        <source>%1 has no ASC MHL history (no “ascmhl” folder).</source>
        <translation>%1 n’a pas d’historique ASC MHL (pas de dossier «&#xa0;ascmhl&#xa0;»).</translation>
    </message>
    <message>
        <source>The ASC MHL history of %1 is empty.</source>
        <translation>L’historique ASC MHL de %1 est vide.</translation>
    </message>
    <message>
        <source>Couldn’t add the result to the history: %1</source>
        <translation>Impossible d’ajouter le résultat à l’historique&#xa0;: %1</translation>
    </message>
    <message>
        <source>Recorded as %1.</source>
        <translation>Enregistré sous %1.</translation>
    </message>
    <message numerus="yes">
        <source>All %n recorded files match.</source>
        <translation>
            <numerusform>Les %n fichiers enregistrés sont tous conformes.</numerusform>
            <numerusform>Les %n fichiers enregistrés sont tous conformes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VolumeInfo</name>
    <message>
        <source>This drive is read-only, so Stowly can’t write to it — choose another</source>
        <translation>Ce disque est en lecture seule, Stowly ne peut donc pas y écrire — choisissez-en un autre</translation>
    </message>
    <message>
        <source>This drive is read-only (NTFS). %1 can’t write to it.</source>
        <translation>Ce disque est en lecture seule (NTFS). %1 ne peut pas y écrire.</translation>
    </message>
    <message>
        <source>This drive is read-only (%1), so Stowly can’t write to it — choose another</source>
        <translation>Ce disque est en lecture seule (%1), Stowly ne peut donc pas y écrire — choisissez-en un autre</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Run “stowly-cli --help” for the usage.</source>
        <translation>Exécutez «&#xa0;stowly-cli --help&#xa0;» pour connaître l’utilisation.</translation>
    </message>
</context>
<context>
    <name>platformWords</name>
    <message>
        <source>computer</source>
        <translation>ordinateur</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Unknown computer</source>
        <translation>Ordinateur inconnu</translation>
    </message>
    <message>
        <source>Unknown chip</source>
        <translation>Puce inconnue</translation>
    </message>
    <message>
        <source>(The crash report couldn’t be attached. It’s in the folder %1.)</source>
        <translation>(Le rapport de plantage n’a pas pu être joint. Il se trouve dans le dossier %1.)</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>If you don’t see a prompt when you plug in a card (for example while Do Not Disturb is on), switch to Floating panel. The desktop keeps notifications quiet during Do Not Disturb; the floating panel always shows.</source>
        <translation>Si aucune invite n’apparaît quand vous branchez une carte (par exemple quand Ne pas déranger est activé), passez à l’option Panneau flottant. Le bureau rend les notifications silencieuses en mode Ne pas déranger&#xa0;; le panneau flottant s’affiche toujours.</translation>
    </message>
    <message>
        <source>system tray</source>
        <translation>zone de notification</translation>
    </message>
    <message>
        <source>System Tray</source>
        <translation>Zone de notification</translation>
    </message>
    <message>
        <source>With the icon hidden, Stowly keeps running in the background and still asks to import. Open Stowly from the file manager or the application launcher to show its window, and quit it from there with Ctrl+Q.</source>
        <translation>Quand l’icône est masquée, Stowly continue de fonctionner en arrière-plan et propose toujours l’importation. Ouvrez Stowly depuis le gestionnaire de fichiers ou le lanceur d’applications pour afficher sa fenêtre, et quittez-le depuis celle-ci avec Ctrl+Q.</translation>
    </message>
    <message>
        <source>Allow Stowly in your desktop’s settings for startup applications.</source>
        <translation>Autorisez Stowly dans les paramètres de votre bureau consacrés aux applications de démarrage.</translation>
    </message>
    <message>
        <source>Stowly is updated by your system’s package manager, together with the rest of your software, so these settings have no effect here.</source>
        <translation>Stowly est mis à jour par le gestionnaire de paquets de votre système, avec le reste de vos logiciels&#xa0;; ces réglages n’ont donc aucun effet ici.</translation>
    </message>
</context>
<context>
    <name>stowly::AfterOffloadProgram</name>
    <message>
        <source>“%1” couldn’t be started: %2</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être lancé&#xa0;: %2</translation>
    </message>
    <message>
        <source>“%1” ended abnormally.</source>
        <translation>«&#xa0;%1&#xa0;» s’est terminé anormalement.</translation>
    </message>
    <message>
        <source>“%1” ended with status %2.</source>
        <translation>«&#xa0;%1&#xa0;» s’est terminé avec le code %2.</translation>
    </message>
    <message>
        <source>“%1” was still running after %2 seconds and was stopped.</source>
        <translation>«&#xa0;%1&#xa0;» était encore en cours d’exécution après %2 secondes et a été arrêté.</translation>
    </message>
</context>
<context>
    <name>stowly::AppMenu</name>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>About Stowly</source>
        <translation>À propos de Stowly</translation>
    </message>
    <message>
        <source>Report a Bug…</source>
        <translation>Signaler un bug…</translation>
    </message>
    <message>
        <source>Contact Support…</source>
        <translation>Contacter l’assistance…</translation>
    </message>
    <message>
        <source>Tip Jar…</source>
        <translation>Pourboire…</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Remerciements</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Quit Stowly</source>
        <translation>Quitter Stowly</translation>
    </message>
    <message>
        <source>Stowly %1</source>
        <translation>Stowly %1</translation>
    </message>
    <message>
        <source>Offloads camera cards into one organised folder structure and proves every copy with SHA-256.</source>
        <translation>Décharge les cartes de vos caméras dans une structure de dossiers organisée et prouve chaque copie avec SHA-256.</translation>
    </message>
    <message>
        <source>Stowly support</source>
        <translation>Assistance Stowly</translation>
    </message>
    <message>
        <source>Stowly could not load Acknowledgements.txt.</source>
        <translation>Stowly n’a pas pu charger Acknowledgements.txt.</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Stowly is updated by your system’s package manager, together with the rest of your software.</source>
        <translation>Stowly est mis à jour par le gestionnaire de paquets de votre système, avec le reste de vos logiciels.</translation>
    </message>
</context>
<context>
    <name>stowly::AppModel</name>
    <message>
        <source>Making backups</source>
        <translation>Création des sauvegardes</translation>
    </message>
    <message>
        <source>Copying “%1”</source>
        <translation>Copie de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Erasing “%1”</source>
        <translation>Effacement de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source> · can be taken out</source>
        <translation> · peut être retirée</translation>
    </message>
</context>
<context>
    <name>stowly::AppSettings</name>
    <message>
        <source>Choose the folder Stowly should copy your media into.</source>
        <translation>Choisissez le dossier dans lequel Stowly doit copier vos médias.</translation>
    </message>
</context>
<context>
    <name>stowly::AppearanceSettingsTab</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurore</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>Océan</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crépuscule</translation>
    </message>
    <message>
        <source>Ember</source>
        <translation>Braise</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>Forêt</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Offload 12 Files</source>
        <translation>Décharger 12 fichiers</translation>
    </message>
    <message>
        <source>Sample start button</source>
        <translation>Exemple de bouton de démarrage</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Show files as</source>
        <translation>Afficher les fichiers en</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Show thumbnails in the list</source>
        <translation>Afficher des vignettes dans la liste</translation>
    </message>
    <message>
        <source>Select files and press Space to preview them%1. Thumbnails are only read from the card, never written to it.</source>
        <translation>Sélectionnez des fichiers et appuyez sur Espace pour les prévisualiser%1. Les vignettes sont uniquement lues depuis la carte, jamais écrites dessus.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>%1 theme</source>
        <translation>Thème %1</translation>
    </message>
    <message>
        <source>Default is neutral black and white. The colour themes tint the buttons, progress, highlights and the window’s background.</source>
        <translation>Le thème Par défaut est en noir et blanc neutre. Les thèmes de couleur teintent les boutons, la progression, les surlignages et le fond de la fenêtre.</translation>
    </message>
    <message>
        <source>Increase Contrast or Reduce Transparency is on, so Stowly uses solid colours from the theme instead of gradients.</source>
        <translation>Augmenter le contraste ou Réduire la transparence est activé&#xa0;; Stowly utilise donc des couleurs unies du thème au lieu de dégradés.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Stowly speaks the chosen language the next time it opens.</source>
        <translation>Stowly utilisera la langue choisie à sa prochaine ouverture.</translation>
    </message>
</context>
<context>
    <name>stowly::AutomaticOffload</name>
    <message>
        <source>No rule matches this card.</source>
        <translation>Aucune règle ne correspond à cette carte.</translation>
    </message>
    <message>
        <source>The preset its rule names is gone.</source>
        <translation>Le préréglage indiqué par sa règle n’existe plus.</translation>
    </message>
    <message>
        <source>The preset’s destination %1 isn’t there.</source>
        <translation>La destination %1 du préréglage est introuvable.</translation>
    </message>
    <message>
        <source>Its preset’s file rules kept changing while it was read.</source>
        <translation>Les règles de fichiers de son préréglage n’ont cessé de changer pendant leur lecture.</translation>
    </message>
    <message>
        <source>Its rule asks before offloading.</source>
        <translation>Sa règle demande confirmation avant de décharger.</translation>
    </message>
    <message>
        <source>The offload couldn’t start.</source>
        <translation>Le déchargement n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Give the card name to match.</source>
        <translation>Indiquez le nom de carte à reconnaître.</translation>
    </message>
    <message>
        <source>Choose the camera whose cards this rule takes.</source>
        <translation>Choisissez la caméra dont cette règle prend les cartes.</translation>
    </message>
    <message>
        <source>Give the card’s volume identity.</source>
        <translation>Indiquez l’identité du volume de la carte.</translation>
    </message>
    <message>
        <source>The camera this rule names isn’t in your cameras.</source>
        <translation>La caméra indiquée par cette règle ne fait pas partie de vos caméras.</translation>
    </message>
    <message>
        <source>The preset this rule names isn’t in your presets.</source>
        <translation>Le préréglage indiqué par cette règle ne fait pas partie de vos préréglages.</translation>
    </message>
    <message>
        <source>The preset %1</source>
        <translation>Le préréglage %1</translation>
    </message>
    <message>
        <source>The current setup</source>
        <translation>La configuration actuelle</translation>
    </message>
    <message>
        <source>%1 has an error in its naming.</source>
        <translation>%1 comporte une erreur de nommage.</translation>
    </message>
    <message>
        <source>%1 names folders or files after the project: give the rule a project.</source>
        <translation>%1 nomme des dossiers ou des fichiers d’après le projet&#xa0;: indiquez un projet pour la règle.</translation>
    </message>
    <message>
        <source>Any card</source>
        <translation>N’importe quelle carte</translation>
    </message>
    <message>
        <source>The card %1</source>
        <translation>La carte %1</translation>
    </message>
    <message>
        <source>Cards named %1</source>
        <translation>Cartes nommées %1</translation>
    </message>
    <message>
        <source>Cards from %1</source>
        <translation>Cartes de %1</translation>
    </message>
    <message>
        <source>a camera that’s gone</source>
        <translation>une caméra qui n’existe plus</translation>
    </message>
    <message>
        <source>Preset %1</source>
        <translation>Préréglage %1</translation>
    </message>
    <message>
        <source>A preset that’s gone</source>
        <translation>Un préréglage qui n’existe plus</translation>
    </message>
    <message>
        <source>Project %1</source>
        <translation>Projet %1</translation>
    </message>
    <message>
        <source>Starts without asking</source>
        <translation>Démarre sans demander</translation>
    </message>
    <message>
        <source>Asks first</source>
        <translation>Demande d’abord</translation>
    </message>
    <message>
        <source>Ejects when verified</source>
        <translation>Éjecte une fois vérifiée</translation>
    </message>
</context>
<context>
    <name>stowly::BackupDestinationsEditor</name>
    <message>
        <source>Backup destinations</source>
        <translation>Destinations de sauvegarde</translation>
    </message>
    <message>
        <source>Add a backup folder</source>
        <translation>Ajouter un dossier de sauvegarde</translation>
    </message>
    <message>
        <source>Remove the selected backup folder</source>
        <translation>Retirer le dossier de sauvegarde sélectionné</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>From the card</source>
        <translation>Depuis la carte</translation>
    </message>
    <message>
        <source>From the first copy</source>
        <translation>Depuis la première copie</translation>
    </message>
    <message>
        <source>Copy to %1 from</source>
        <translation>Copier vers %1 depuis</translation>
    </message>
    <message>
        <source>No backups: every file gets one copy.</source>
        <translation>Aucune sauvegarde&#xa0;: chaque fichier reçoit une seule copie.</translation>
    </message>
    <message>
        <source>Choose a folder for backup copies.</source>
        <translation>Choisissez un dossier pour les copies de sauvegarde.</translation>
    </message>
</context>
<context>
    <name>stowly::CameraStore</name>
    <message>
        <source>Couldn’t read the camera list: %1</source>
        <translation>Impossible de lire la liste des caméras&#xa0;: %1</translation>
    </message>
    <message>
        <source>Couldn’t save the camera list: %1.</source>
        <translation>Impossible d’enregistrer la liste des caméras&#xa0;: %1.</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>le fichier</translation>
    </message>
    <message>
        <source>the camera recorded for the card “%1” isn’t a UUID</source>
        <translation>la caméra enregistrée pour la carte «&#xa0;%1&#xa0;» n’est pas un UUID</translation>
    </message>
</context>
<context>
    <name>stowly::CamerasSettingsTab</name>
    <message>
        <source>Cameras</source>
        <translation>Caméras</translation>
    </message>
    <message>
        <source>Camera name</source>
        <translation>Nom de la caméra</translation>
    </message>
    <message>
        <source>Short Code</source>
        <translation>Code court</translation>
    </message>
    <message>
        <source>No Cameras</source>
        <translation>Aucune caméra</translation>
    </message>
    <message>
        <source>Click + to add the cameras you shoot with.</source>
        <translation>Cliquez sur + pour ajouter les caméras que vous utilisez.</translation>
    </message>
    <message>
        <source>Add a camera</source>
        <translation>Ajouter une caméra</translation>
    </message>
    <message>
        <source>Remove the selected camera</source>
        <translation>Retirer la caméra sélectionnée</translation>
    </message>
    <message>
        <source>Pick one in the Media stage for each card. The short code (or the name) fills the {camera} token.</source>
        <translation>Choisissez-en une pour chaque carte à l’étape Médias. Le code court (ou le nom) remplit la balise {camera}.</translation>
    </message>
    <message>
        <source>Stowly remembers the camera you pick for each card and selects it the next time that card is inserted.</source>
        <translation>Stowly retient la caméra choisie pour chaque carte et la sélectionne à la prochaine insertion de cette carte.</translation>
    </message>
    <message>
        <source>New Camera</source>
        <translation>Nouvelle caméra</translation>
    </message>
</context>
<context>
    <name>stowly::CardStageView</name>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Ejecting…</source>
        <translation>Éjection…</translation>
    </message>
</context>
<context>
    <name>stowly::DateRangeDialog</name>
    <message>
        <source>Choose Dates</source>
        <translation>Choisir les dates</translation>
    </message>
    <message>
        <source>Copy only the files from these days, both days included. Everything else stays on the card.</source>
        <translation>Ne copier que les fichiers de ces jours, premier et dernier jour inclus. Tout le reste demeure sur la carte.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Use These Dates</source>
        <translation>Utiliser ces dates</translation>
    </message>
</context>
<context>
    <name>stowly::DesktopApp</name>
    <message>
        <source>Offload complete</source>
        <translation>Déchargement terminé</translation>
    </message>
    <message>
        <source>Stop the offload and quit?</source>
        <translation>Arrêter le déchargement et quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Closing the window quits Stowly and stops the offload. Files copied so far keep their verified copies; the rest stay on the card.</source>
        <translation>Fermer la fenêtre quitte Stowly et arrête le déchargement. Les fichiers déjà copiés gardent leurs copies vérifiées&#xa0;; les autres restent sur la carte.</translation>
    </message>
    <message>
        <source>Quitting stops the offload. Files copied so far keep their verified copies; the rest stay on the card.</source>
        <translation>Quitter arrête le déchargement. Les fichiers déjà copiés gardent leurs copies vérifiées&#xa0;; les autres restent sur la carte.</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Arrêter et quitter</translation>
    </message>
    <message>
        <source>Keep Copying</source>
        <translation>Continuer la copie</translation>
    </message>
</context>
<context>
    <name>stowly::DestinationStageView</name>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Quick dump</source>
        <translation>Copie rapide</translation>
    </message>
    <message>
        <source>Edit Folders</source>
        <translation>Modifier les dossiers</translation>
    </message>
    <message>
        <source>Edit the folder levels</source>
        <translation>Modifier les niveaux de dossiers</translation>
    </message>
    <message>
        <source>The folders this offload fills show here once it can start.</source>
        <translation>Les dossiers que ce déchargement remplira s’affichent ici dès qu’il peut démarrer.</translation>
    </message>
</context>
<context>
    <name>stowly::DestinationStore</name>
    <message>
        <source>Couldn’t read your favorite destinations: %1</source>
        <translation>Impossible de lire vos destinations favorites&#xa0;: %1</translation>
    </message>
    <message>
        <source>Couldn’t save your favorite destinations: %1.</source>
        <translation>Impossible d’enregistrer vos destinations favorites&#xa0;: %1.</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>le fichier</translation>
    </message>
    <message>
        <source>“%1” already points at %2. Two favorites can’t share a folder, so “%3” wasn’t changed.</source>
        <translation>«&#xa0;%1&#xa0;» pointe déjà vers %2. Deux favoris ne peuvent pas partager un dossier&#xa0;; «&#xa0;%3&#xa0;» n’a donc pas été modifié.</translation>
    </message>
</context>
<context>
    <name>stowly::DestinationsSettingsTab</name>
    <message>
        <source>Not Connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Make Default</source>
        <translation>Définir par défaut</translation>
    </message>
    <message>
        <source>Change Folder…</source>
        <translation>Changer de dossier…</translation>
    </message>
    <message>
        <source>Favorite Destinations</source>
        <translation>Destinations favorites</translation>
    </message>
    <message>
        <source>Switch between these in the Destination stage. A favorite on a drive that isn’t plugged in shows as Not Connected.</source>
        <translation>Passez de l’une à l’autre à l’étape Destination. Un favori situé sur un disque non branché apparaît comme Non connecté.</translation>
    </message>
    <message>
        <source>Stowly starts in the default favorite. If its drive isn’t connected, it uses the one you used last. Drag favorites to put them in another order.</source>
        <translation>Stowly démarre sur le favori par défaut. Si son disque n’est pas connecté, il utilise le dernier employé. Faites glisser les favoris pour changer leur ordre.</translation>
    </message>
    <message>
        <source>No Favorites</source>
        <translation>Aucun favori</translation>
    </message>
    <message>
        <source>Click + to add a folder you offload to often.</source>
        <translation>Cliquez sur + pour ajouter un dossier vers lequel vous déchargez souvent.</translation>
    </message>
    <message>
        <source>Add a favorite folder</source>
        <translation>Ajouter un dossier favori</translation>
    </message>
    <message>
        <source>Remove the selected favorite</source>
        <translation>Retirer le favori sélectionné</translation>
    </message>
    <message>
        <source>Favorite name</source>
        <translation>Nom du favori</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Choose a folder to add to your favorite destinations.</source>
        <translation>Choisissez un dossier à ajouter à vos destinations favorites.</translation>
    </message>
    <message>
        <source>Choose the new folder for “%1”</source>
        <translation>Choisissez le nouveau dossier de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Backup Destinations</source>
        <translation>Destinations de sauvegarde</translation>
    </message>
    <message>
        <source>Every file is also copied to these folders, under the same name as in the destination. A card is ready to erase only when each of them has its copies.</source>
        <translation>Chaque fichier est aussi copié dans ces dossiers, sous le même nom que dans la destination. Une carte n’est prête à être effacée que lorsque chacun d’eux a ses copies.</translation>
    </message>
    <message>
        <source>Backups from the card are written in the same read as the destination. Backups from the first copy are made from the destination once its copy is proved, so a slow backup drive doesn’t hold up the card.</source>
        <translation>Les sauvegardes depuis la carte sont écrites lors de la même lecture que la destination. Les sauvegardes depuis la première copie sont faites à partir de la destination une fois sa copie prouvée&#xa0;; un disque de sauvegarde lent ne retient donc pas la carte.</translation>
    </message>
    <message>
        <source>Read each file from the card again to check it</source>
        <translation>Relire chaque fichier depuis la carte pour le contrôler</translation>
    </message>
    <message>
        <source>After a file’s copies are verified, Stowly reads it from the card a second time and compares. Slower, but it catches a card or reader that gives different bytes.</source>
        <translation>Une fois les copies d’un fichier vérifiées, Stowly le relit une seconde fois depuis la carte et compare. C’est plus lent, mais cela détecte une carte ou un lecteur qui renvoie des octets différents.</translation>
    </message>
    <message>
        <source>Keep an ASC MHL history at every destination</source>
        <translation>Tenir un historique ASC MHL dans chaque destination</translation>
    </message>
    <message>
        <source>Each offload adds a manifest with an xxh128 value for every copied file to the “ascmhl” folder at the top of the destination, so anyone can check the drive later, with Stowly (stowly-cli verify) or another ASC MHL tool.</source>
        <translation>Chaque déchargement ajoute au dossier «&#xa0;ascmhl&#xa0;», à la racine de la destination, un manifeste avec une valeur xxh128 pour chaque fichier copié&#xa0;; chacun peut ainsi contrôler le disque plus tard, avec Stowly (stowly-cli verify) ou un autre outil ASC MHL.</translation>
    </message>
    <message>
        <source>Copy to one drive from several cards at once</source>
        <translation>Copier vers un même disque depuis plusieurs cartes à la fois</translation>
    </message>
    <message>
        <source>Off, cards whose copies go to the same drive take turns, which keeps a spinning drive from seeking between them; cards that go to different drives always copy side by side. On, every card starts at once.</source>
        <translation>Désactivé&#xa0;: les cartes dont les copies vont sur le même disque passent chacune à leur tour, ce qui évite à un disque dur de faire des allers-retours entre elles&#xa0;; les cartes qui vont sur des disques différents copient toujours en parallèle. Activé&#xa0;: chaque carte démarre immédiatement.</translation>
    </message>
    <message>
        <source>Also take:</source>
        <translation>Inclure aussi&#xa0;:</translation>
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
        <translation>Inclure aussi %1 dans l’historique ASC MHL</translation>
    </message>
    <message>
        <source>Formats a production asks for besides xxh128, taken from the same read of the card as the copy, for backups from the first copy too. MD5 and SHA-1 slow a fast card’s copy a little.</source>
        <translation>Formats demandés par une production en plus de xxh128, calculés lors de la même lecture de la carte que la copie, y compris pour les sauvegardes depuis la première copie. MD5 et SHA-1 ralentissent un peu la copie d’une carte rapide.</translation>
    </message>
</context>
<context>
    <name>stowly::FileRuleList</name>
    <message>
        <source>Add an extension, e.g. lrv</source>
        <translation>Ajouter une extension, p. ex. lrv</translation>
    </message>
    <message>
        <source>Add an extension, e.g. thm</source>
        <translation>Ajouter une extension, p. ex. thm</translation>
    </message>
    <message>
        <source>Add a name or pattern, e.g. *.tmp</source>
        <translation>Ajouter un nom ou un motif, p. ex. *.tmp</translation>
    </message>
    <message>
        <source>That can’t be used here.</source>
        <translation>Impossible d’utiliser cela ici.</translation>
    </message>
    <message>
        <source>would hide footage</source>
        <translation>masquerait des médias</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source> matches photos or videos. Those files won’t be offloaded, and formatting the card erases them.</source>
        <translation> correspond à des photos ou des vidéos. Ces fichiers ne seront pas déchargés, et le formatage de la carte les effacera.</translation>
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
        <translation>Extensions de proxy</translation>
    </message>
    <message>
        <source>Low-res copies like GoPro .LRV and DJI .LRF go into a Proxies folder inside the shoot folder, named after their clip. They’re never treated as footage and never skipped on their own: they follow their clip.</source>
        <translation>Les copies basse résolution comme les .LRV de GoPro et les .LRF de DJI vont dans un dossier Proxies à l’intérieur du dossier de tournage, sous le nom de leur clip. Elles ne sont jamais traitées comme des médias ni omises seules&#xa0;: elles suivent leur clip.</translation>
    </message>
    <message>
        <source>Sidecars</source>
        <translation>Fichiers annexes</translation>
    </message>
    <message>
        <source>Sidecar extensions</source>
        <translation>Extensions de fichiers annexes</translation>
    </message>
    <message>
        <source>Thumbnails, metadata and telemetry (.THM, .XML, .SRT) go into a Sidecars folder. Audio recorded with a clip (.WAV) goes in the WAV folder with the clip’s name.</source>
        <translation>Les vignettes, métadonnées et télémétries (.THM, .XML, .SRT) vont dans un dossier Sidecars. L’audio enregistré avec un clip (.WAV) va dans le dossier WAV, sous le nom du clip.</translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation>Ignorés</translation>
    </message>
    <message>
        <source>Ignored names</source>
        <translation>Noms ignorés</translation>
    </message>
    <message>
        <source>Ignored files are never copied and don’t stop a card being ready to format. The card shows how many there are. Use * and ? as wildcards, or .ext for an extension.</source>
        <translation>Les fichiers ignorés ne sont jamais copiés et n’empêchent pas une carte d’être prête à formater. La carte indique leur nombre. Utilisez «&#xa0;*&#xa0;» et «&#xa0;?&#xa0;» comme jokers, ou .ext pour une extension.</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
</context>
<context>
    <name>stowly::FolderLevelsEditor</name>
    <message>
        <source>Folder levels</source>
        <translation>Niveaux de dossiers</translation>
    </message>
    <message>
        <source>Drag to move this level; drop a token on the side of a name to combine them.</source>
        <translation>Faites glisser pour déplacer ce niveau&#xa0;; déposez une balise sur le côté d’un nom pour les combiner.</translation>
    </message>
    <message>
        <source>Move “%1” to Its Own Level</source>
        <translation>Placer «&#xa0;%1&#xa0;» à son propre niveau</translation>
    </message>
    <message>
        <source>What goes between the names side by side</source>
        <translation>Ce qui sépare les noms côte à côte</translation>
    </message>
    <message>
        <source>Remove Folder Level</source>
        <translation>Supprimer le niveau de dossier</translation>
    </message>
</context>
<context>
    <name>stowly::FolderTreePreview</name>
    <message>
        <source>Folders the offload creates</source>
        <translation>Dossiers créés par le déchargement</translation>
    </message>
    <message>
        <source>%1 is already at the destination; new files join it</source>
        <translation>%1 existe déjà dans la destination&#xa0;; les nouveaux fichiers s’y ajoutent</translation>
    </message>
    <message>
        <source>%1 will be created</source>
        <translation>%1 sera créé</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stowly::GeneralSettingsTab</name>
    <message>
        <source>Files to Offload</source>
        <translation>Fichiers à décharger</translation>
    </message>
    <message>
        <source>Video (MP4, MOV, MXF, BRAW, R3D…)</source>
        <translation>Vidéo (MP4, MOV, MXF, BRAW, R3D…)</translation>
    </message>
    <message>
        <source>Photos (JPG, HEIC, RAW, DNG…)</source>
        <translation>Photos (JPG, HEIC, RAW, DNG…)</translation>
    </message>
    <message>
        <source>Audio (WAV, MP3, M4A…)</source>
        <translation>Audio (WAV, MP3, M4A…)</translation>
    </message>
    <message>
        <source>Other files (proxies, XML, metadata…)</source>
        <translation>Autres fichiers (proxys, XML, métadonnées…)</translation>
    </message>
    <message>
        <source>Sidecars (like C0001M01.XML) and proxies (like GoPro .LRV) get their clip’s name and their own folders when Other is on. Change the lists and the ignore list in the Files tab.</source>
        <translation>Les fichiers annexes (comme C0001M01.XML) et les proxys (comme les .LRV de GoPro) prennent le nom de leur clip et ont leurs propres dossiers quand Autres fichiers est coché. Modifiez ces listes et la liste des noms ignorés dans l’onglet Fichiers.</translation>
    </message>
    <message>
        <source>Skip videos shorter than</source>
        <translation>Omettre les vidéos de moins de</translation>
    </message>
    <message>
        <source>Skip videos shorter than, in seconds</source>
        <translation>Omettre les vidéos de moins de, en secondes</translation>
    </message>
    <message>
        <source>Off keeps every clip. Accidental takes stay on the card, with their sidecars and proxies. Include them from the Media list any time. Clips whose length can’t be read (like BRAW or R3D) are always offloaded.</source>
        <translation>Sur Désactivé, tous les clips sont conservés. Les prises accidentelles restent sur la carte, avec leurs fichiers annexes et leurs proxys. Vous pouvez les inclure à tout moment depuis la liste Médias. Les clips dont la durée est illisible (comme BRAW ou R3D) sont toujours déchargés.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>After Offload</source>
        <translation>Après le déchargement</translation>
    </message>
    <message>
        <source>Play a sound when an offload finishes</source>
        <translation>Émettre un son à la fin d’un déchargement</translation>
    </message>
    <message>
        <source>Eject card after offload</source>
        <translation>Éjecter la carte après le déchargement</translation>
    </message>
    <message>
        <source>Only when every file was copied and verified.</source>
        <translation>Uniquement si chaque fichier a été copié et vérifié.</translation>
    </message>
    <message>
        <source>Then run this program:</source>
        <translation>Puis exécuter ce programme&#xa0;:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>After each card, with the offload as JSON on its standard input. It has a minute; whatever it does, the copies and the history stay as they are.</source>
        <translation>Après chaque carte, avec le déchargement en JSON sur son entrée standard. Il dispose d’une minute&#xa0;; quoi qu’il fasse, les copies et l’historique restent tels quels.</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Opérateur&#xa0;:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Named in every offload’s report, with the card, the camera and the project.</source>
        <translation>Nommé dans le rapport de chaque déchargement, avec la carte, la caméra et le projet.</translation>
    </message>
    <message>
        <source>Write each offload’s report into every destination</source>
        <translation>Écrire le rapport de chaque déchargement dans chaque destination</translation>
    </message>
    <message>
        <source>A PDF and a CSV table of every file and its checksums, in the folder “Stowly Reports” at the top of each destination. Any offload’s report is also under Show Report in Recent Offloads.</source>
        <translation>Un PDF et un tableau CSV de chaque fichier et de ses sommes de contrôle, dans le dossier «&#xa0;Stowly Reports&#xa0;» à la racine de chaque destination. Le rapport de tout déchargement est aussi accessible via Voir le rapport dans Déchargements récents.</translation>
    </message>
    <message>
        <source>Keep Stowly running in the %1</source>
        <translation>Garder Stowly actif dans la %1</translation>
    </message>
    <message>
        <source>Closing the window leaves Stowly running, so it can notice cards and drives as they’re plugged in.</source>
        <translation>Fermer la fenêtre laisse Stowly actif&#xa0;; il peut ainsi détecter les cartes et les disques dès qu’ils sont branchés.</translation>
    </message>
    <message>
        <source>Ask to import when a card or drive is plugged in</source>
        <translation>Proposer l’importation quand une carte ou un disque est branché</translation>
    </message>
    <message>
        <source>Whenever Stowly is running. Only for cards and drives with camera folders or media; a card an Automatic Offload rule takes is offloaded without asking.</source>
        <translation>Chaque fois que Stowly est actif. Uniquement pour les cartes et disques qui contiennent des dossiers de caméra ou des médias&#xa0;; une carte prise en charge par une règle d’automatisation est déchargée sans demander.</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Notification</translation>
    </message>
    <message>
        <source>Floating panel</source>
        <translation>Panneau flottant</translation>
    </message>
    <message>
        <source>Show %1 icon</source>
        <translation>Afficher l’icône de %1</translation>
    </message>
    <message>
        <source>This desktop shows no tray icons, so the %1 icon can’t appear here.</source>
        <translation>Ce bureau n’affiche pas d’icônes dans une zone de notification&#xa0;; l’icône de %1 ne peut donc pas apparaître ici.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Ouvrir à la connexion</translation>
    </message>
    <message>
        <source>Mount cards when they are inserted</source>
        <translation>Monter les cartes à leur insertion</translation>
    </message>
    <message>
        <source>Don’t ask for these cards</source>
        <translation>Ne pas demander pour ces cartes</translation>
    </message>
    <message>
        <source>Ask Again</source>
        <translation>Redemander</translation>
    </message>
    <message>
        <source>Ask again for </source>
        <translation>Redemander pour </translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Rechercher automatiquement les mises à jour</translation>
    </message>
    <message>
        <source>Automatically download and install updates</source>
        <translation>Télécharger et installer automatiquement les mises à jour</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Shared History</source>
        <translation>Historique partagé</translation>
    </message>
    <message>
        <source>History server:</source>
        <translation>Serveur d’historique :</translation>
    </message>
    <message>
        <source>None: the history stays on this computer</source>
        <translation>Aucun : l’historique reste sur cet ordinateur</translation>
    </message>
    <message>
        <source>This station:</source>
        <translation>Cette station :</translation>
    </message>
    <message>
        <source>Trust copies verified by other stations</source>
        <translation>Faire confiance aux copies vérifiées par d’autres stations</translation>
    </message>
    <message>
        <source>A card may then be erased when its only copies are on another station’s drives, which this one can’t check.</source>
        <translation>Une carte peut alors être effacée quand ses seules copies sont sur les disques d’une autre station, que celle-ci ne peut pas vérifier.</translation>
    </message>
    <message>
        <source>Stations that name the same PostgreSQL server (host=… dbname=… user=…) see each other’s copies. The password comes from ~/.pgpass or the desktop’s keyring, never from here.</source>
        <translation>Les stations qui nomment le même serveur PostgreSQL (host=… dbname=… user=…) voient les copies les unes des autres. Le mot de passe vient de ~/.pgpass ou du trousseau du bureau, jamais d’ici.</translation>
    </message>
</context>
<context>
    <name>stowly::History</name>
    <message>
        <source>Couldn’t read the ledger (%1). Stowly won’t overwrite it.</source>
        <translation>Impossible de lire le registre (%1). Stowly ne l’écrasera pas.</translation>
    </message>
    <message>
        <source>Couldn’t read the ledger’s journal (%1). Stowly won’t overwrite it.</source>
        <translation>Impossible de lire le journal du registre (%1). Stowly ne l’écrasera pas.</translation>
    </message>
    <message>
        <source>Couldn’t read part of the ledger’s journal. The old file was kept as %1; everything readable in it is in the history.</source>
        <translation>Impossible de lire une partie du journal du registre. L’ancien fichier a été conservé sous le nom %1&#xa0;; tout ce qui y était lisible se trouve dans l’historique.</translation>
    </message>
    <message>
        <source>Couldn’t read the ledger’s journal, and couldn’t set it aside. Stowly won’t overwrite it.</source>
        <translation>Impossible de lire le journal du registre ou de le mettre de côté. Stowly ne l’écrasera pas.</translation>
    </message>
    <message>
        <source>Couldn’t read the ledger (%1). The old file was kept as %2.</source>
        <translation>Impossible de lire le registre (%1). L’ancien fichier a été conservé sous le nom %2.</translation>
    </message>
    <message>
        <source>Couldn’t read the ledger, and couldn’t set it aside. Stowly won’t overwrite it.</source>
        <translation>Impossible de lire le registre ou de le mettre de côté. Stowly ne l’écrasera pas.</translation>
    </message>
    <message>
        <source>Couldn’t save the ledger: %1.</source>
        <translation>Impossible d’enregistrer le registre&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>stowly::ImportPrompter</name>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Don’t ask for this card</source>
        <translation>Ne pas demander pour cette carte</translation>
    </message>
    <message>
        <source>Don’t Ask for This Card</source>
        <translation>Ne pas demander pour cette carte</translation>
    </message>
</context>
<context>
    <name>stowly::LoginItem</name>
    <message>
        <source>Stowly couldn’t add itself to the programs that start at login: %1</source>
        <translation>Stowly n’a pas pu s’ajouter aux programmes lancés à la connexion&#xa0;: %1</translation>
    </message>
    <message>
        <source>Stowly couldn’t remove itself from the programs that start at login: %1 can’t be deleted.</source>
        <translation>Stowly n’a pas pu se retirer des programmes lancés à la connexion&#xa0;: impossible de supprimer %1.</translation>
    </message>
</context>
<context>
    <name>stowly::MainWindow</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Show the files offloaded so far</source>
        <translation>Afficher les fichiers déchargés jusqu’ici</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>About, help and support</source>
        <translation>À propos, aide et assistance</translation>
    </message>
    <message>
        <source>Shared history</source>
        <translation>Historique partagé</translation>
    </message>
    <message>
        <source>New copies are recorded on this station and go to the shared history once it answers; other stations’ copies aren’t seen meanwhile.</source>
        <translation>Les nouvelles copies sont notées sur cette station et iront dans l’historique partagé dès qu’il répondra ; d’ici là, les copies des autres stations ne sont pas visibles.</translation>
    </message>
</context>
<context>
    <name>stowly::MediaFields</name>
    <message>
        <source>Any date</source>
        <translation>Toutes les dates</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>Du %1 au %2</translation>
    </message>
    <message>
        <source>Choose Dates…</source>
        <translation>Choisir les dates…</translation>
    </message>
</context>
<context>
    <name>stowly::MediaStageView</name>
    <message>
        <source>Show files as</source>
        <translation>Afficher les fichiers en</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
</context>
<context>
    <name>stowly::NamingSettingsTab</name>
    <message>
        <source>Templates</source>
        <translation>Modèles</translation>
    </message>
    <message>
        <source>Folder structure</source>
        <translation>Structure des dossiers</translation>
    </message>
    <message>
        <source>Files go straight into the destination</source>
        <translation>Les fichiers vont directement dans la destination</translation>
    </message>
    <message>
        <source>“/” makes a subfolder. Inside it, each extension gets its own folder (MP4, ARW, WAV…). Leave empty to put those right in the destination.</source>
        <translation>«&#xa0;/&#xa0;» crée un sous-dossier. À l’intérieur, chaque extension a son propre dossier (MP4, ARW, WAV…). Laissez vide pour les placer directement dans la destination.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>The extension (.mp4, .arw…) is always added, in lower case.</source>
        <translation>L’extension (.mp4, .arw…) est toujours ajoutée, en minuscules.</translation>
    </message>
    <message>
        <source>Insert Token</source>
        <translation>Insérer une balise</translation>
    </message>
    <message>
        <source>Naming Presets</source>
        <translation>Préréglages de nommage</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Click a token to add it to the </source>
        <translation>Cliquez sur une balise pour l’ajouter dans </translation>
    </message>
    <message>
        <source>folder structure</source>
        <translation>la structure des dossiers</translation>
    </message>
    <message>
        <source>file name</source>
        <translation>le nom de fichier</translation>
    </message>
</context>
<context>
    <name>stowly::OffloadBar</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Show Report</source>
        <translation>Voir le rapport</translation>
    </message>
    <message>
        <source>Cancel waiting offload</source>
        <translation>Annuler le déchargement en attente</translation>
    </message>
    <message>
        <source>Files that failed</source>
        <translation>Fichiers en échec</translation>
    </message>
    <message>
        <source>The offload&apos;s report: every file, its copies and their checksums, to print or save</source>
        <translation>Le rapport du déchargement&#xa0;: chaque fichier, ses copies et leurs sommes de contrôle, à imprimer ou enregistrer</translation>
    </message>
    <message>
        <source>Backups from the first copy</source>
        <translation>Sauvegardes depuis la première copie</translation>
    </message>
    <message>
        <source>%1 of %2 files · %3 of %4</source>
        <translation>Fichiers&#xa0;: %1 sur %2 · %3 sur %4</translation>
    </message>
    <message numerus="yes">
        <source> · to %n destinations</source>
        <translation>
            <numerusform> · vers %n destinations</numerusform>
            <numerusform> · vers %n destinations</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stowly::OffloadNotice</name>
    <message>
        <source>“%1”: %2</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>stowly::OffloadQueueView</name>
    <message>
        <source>Offloads</source>
        <translation>Déchargements</translation>
    </message>
    <message>
        <source>Drag a waiting offload, or press Ctrl+Up or Ctrl+Down, to change its turn. Delete cancels the selected offload.</source>
        <translation>Faites glisser un déchargement en attente, ou appuyez sur Ctrl+Haut ou Ctrl+Bas, pour changer son tour. Suppr annule le déchargement sélectionné.</translation>
    </message>
    <message>
        <source>Take “%1” Out of the Queue</source>
        <translation>Retirer «&#xa0;%1&#xa0;» de la file d’attente</translation>
    </message>
    <message>
        <source>Cancel the Offload of “%1”</source>
        <translation>Annuler le déchargement de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Reculer</translation>
    </message>
</context>
<context>
    <name>stowly::PresetEditor</name>
    <message>
        <source>Short clips</source>
        <translation>Clips courts</translation>
    </message>
    <message>
        <source>Quick dump</source>
        <translation>Copie rapide</translation>
    </message>
    <message>
        <source>Use Current File Rules</source>
        <translation>Utiliser les règles de fichiers actuelles</translation>
    </message>
    <message>
        <source>Update from Current Setup</source>
        <translation>Reprendre la configuration actuelle</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Nom du préréglage</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Folder structure</source>
        <translation>Structure des dossiers</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>None: straight into the destination</source>
        <translation>Aucune&#xa0;: directement dans la destination</translation>
    </message>
    <message>
        <source>These templates aren’t valid. Check them in the Naming tab.</source>
        <translation>Ces modèles ne sont pas valides. Vérifiez-les dans l’onglet Nommage.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Noms de fichiers</translation>
    </message>
    <message>
        <source>Skips the project name and dumps all the footage straight into a dated folder.</source>
        <translation>Se passe du nom de projet et copie tous les médias directement dans un dossier daté.</translation>
    </message>
    <message>
        <source>File rules</source>
        <translation>Règles de fichiers</translation>
    </message>
    <message>
        <source>Replace this preset’s settings with what the main window uses now</source>
        <translation>Remplacer les réglages de ce préréglage par ceux qu’utilise actuellement la fenêtre principale</translation>
    </message>
    <message>
        <source>The same as in the Files tab.</source>
        <translation>Identiques à celles de l’onglet Fichiers.</translation>
    </message>
    <message>
        <source>Not the same as in the Files tab.</source>
        <translation>Différentes de celles de l’onglet Fichiers.</translation>
    </message>
    <message>
        <source>Keep current folder</source>
        <translation>Garder le dossier actuel</translation>
    </message>
    <message>
        <source>Suggested for the card</source>
        <translation>Suggéré pour la carte</translation>
    </message>
</context>
<context>
    <name>stowly::PresetStore</name>
    <message>
        <source>Couldn’t read your presets: %1</source>
        <translation>Impossible de lire vos préréglages&#xa0;: %1</translation>
    </message>
    <message>
        <source>Couldn’t save your presets: %1.</source>
        <translation>Impossible d’enregistrer vos préréglages&#xa0;: %1.</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>le fichier</translation>
    </message>
</context>
<context>
    <name>stowly::PresetSwitcher</name>
    <message>
        <source>Switch to a saved setup: destination, naming, camera and file rules</source>
        <translation>Passer à une configuration enregistrée&#xa0;: destination, nommage, caméra et règles de fichiers</translation>
    </message>
    <message>
        <source>Preset: %1</source>
        <translation>Préréglage&#xa0;: %1</translation>
    </message>
    <message>
        <source>No Preset</source>
        <translation>Aucun préréglage</translation>
    </message>
    <message>
        <source>Save Current Setup as Preset…</source>
        <translation>Enregistrer la configuration comme préréglage…</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Enregistrer le préréglage</translation>
    </message>
    <message>
        <source>Preset name:</source>
        <translation>Nom du préréglage&#xa0;:</translation>
    </message>
</context>
<context>
    <name>stowly::PresetsSettingsTab</name>
    <message>
        <source>Presets</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>No Presets</source>
        <translation>Aucun préréglage</translation>
    </message>
    <message>
        <source>Click + to save the current setup as a preset.</source>
        <translation>Cliquez sur + pour enregistrer la configuration actuelle comme préréglage.</translation>
    </message>
    <message>
        <source>Save the current setup as a new preset</source>
        <translation>Enregistrer la configuration actuelle comme nouveau préréglage</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>Ajouter un préréglage</translation>
    </message>
    <message>
        <source>Delete the selected preset</source>
        <translation>Supprimer le préréglage sélectionné</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>Supprimer le préréglage</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Duplicate the selected preset</source>
        <translation>Dupliquer le préréglage sélectionné</translation>
    </message>
    <message>
        <source>Duplicate preset</source>
        <translation>Dupliquer le préréglage</translation>
    </message>
    <message>
        <source>A preset saves where files go, how they’re named, the camera, short-clip skipping, quick dump and the file rules. Switch presets from the menu at the top right of the main window, where they’re listed in this order; drag them to change it.</source>
        <translation>Un préréglage enregistre où vont les fichiers, comment ils sont nommés, la caméra, l’omission des clips courts, la copie rapide et les règles de fichiers. Changez de préréglage depuis le menu en haut à droite de la fenêtre principale, où ils apparaissent dans cet ordre&#xa0;; faites-les glisser pour le modifier.</translation>
    </message>
    <message>
        <source>Selected Preset</source>
        <translation>Préréglage sélectionné</translation>
    </message>
    <message>
        <source>No Preset Selected</source>
        <translation>Aucun préréglage sélectionné</translation>
    </message>
    <message>
        <source>Select a preset to edit it.</source>
        <translation>Sélectionnez un préréglage pour le modifier.</translation>
    </message>
    <message>
        <source>In use · edited</source>
        <translation>Utilisé · modifié</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>Utilisé</translation>
    </message>
</context>
<context>
    <name>stowly::PreviewWindow</name>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>Aucun aperçu pour ce fichier</translation>
    </message>
</context>
<context>
    <name>stowly::RecentOffloadsView</name>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Show Report</source>
        <translation>Voir le rapport</translation>
    </message>
    <message>
        <source>Recent Offloads</source>
        <translation>Déchargements récents</translation>
    </message>
    <message>
        <source>Recent offloads</source>
        <translation>Déchargements récents</translation>
    </message>
    <message>
        <source>The report of the offload that made this copy</source>
        <translation>Le rapport du déchargement qui a créé cette copie</translation>
    </message>
</context>
<context>
    <name>stowly::ReportWindow</name>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Drawing the report’s pictures…</source>
        <translation>Dessin des images du rapport…</translation>
    </message>
    <message>
        <source>Save the report as a PDF, a web page, a CSV table or JSON</source>
        <translation>Enregistrer le rapport en PDF, page web, tableau CSV ou JSON</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation>Page web (*.html)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>The report wasn’t saved</source>
        <translation>Le rapport n’a pas été enregistré</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stowly::RuleEditor</name>
    <message>
        <source>Use Inserted Card</source>
        <translation>Utiliser la carte insérée</translation>
    </message>
    <message>
        <source>Start without asking</source>
        <translation>Démarrer sans demander</translation>
    </message>
    <message>
        <source>Eject when verified</source>
        <translation>Éjecter une fois vérifiée</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Critère</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Nom de la carte</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Préréglage</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Any card</source>
        <translation>N’importe quelle carte</translation>
    </message>
    <message>
        <source>Cards named</source>
        <translation>Cartes nommées</translation>
    </message>
    <message>
        <source>Cards from camera</source>
        <translation>Cartes de la caméra</translation>
    </message>
    <message>
        <source>This card’s identity</source>
        <translation>Identité de cette carte</translation>
    </message>
    <message>
        <source>Use the identity of a card that is in now</source>
        <translation>Utiliser l’identité d’une carte actuellement insérée</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Match:</source>
        <translation>Critère&#xa0;:</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Préréglage&#xa0;:</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Projet&#xa0;:</translation>
    </message>
    <message>
        <source>Off, the card is shown with the preset applied, for you to start.</source>
        <translation>Désactivé&#xa0;: la carte s’affiche avec le préréglage appliqué, et c’est vous qui lancez le déchargement.</translation>
    </message>
    <message>
        <source>Only when every file was copied and verified.</source>
        <translation>Uniquement si chaque fichier a été copié et vérifié.</translation>
    </message>
    <message>
        <source>Volume UUID</source>
        <translation>UUID du volume</translation>
    </message>
    <message>
        <source>Card identity</source>
        <translation>Identité de la carte</translation>
    </message>
    <message>
        <source>Takes every card, so the rules after it are never tried.</source>
        <translation>Prend toutes les cartes&#xa0;; les règles suivantes ne sont donc jamais essayées.</translation>
    </message>
    <message>
        <source>* stands for any characters and ? for one; capitals don’t matter.</source>
        <translation>«&#xa0;*&#xa0;» remplace n’importe quelle suite de caractères et «&#xa0;?&#xa0;» un seul caractère&#xa0;; la casse n’a pas d’importance.</translation>
    </message>
    <message>
        <source>Cards you chose this camera for in the Media stage.</source>
        <translation>Les cartes pour lesquelles vous avez choisi cette caméra à l’étape Médias.</translation>
    </message>
    <message>
        <source>The card’s volume UUID, or its name where it has none. Formatting the card may change it.</source>
        <translation>L’UUID du volume de la carte, ou son nom s’il n’en a pas. Formater la carte peut le modifier.</translation>
    </message>
    <message>
        <source>Add cameras in the Cameras tab</source>
        <translation>Ajoutez des caméras dans l’onglet Caméras</translation>
    </message>
    <message>
        <source>Choose a camera</source>
        <translation>Choisissez une caméra</translation>
    </message>
    <message>
        <source>Current setup</source>
        <translation>Configuration actuelle</translation>
    </message>
    <message>
        <source>A preset that’s gone</source>
        <translation>Un préréglage qui n’existe plus</translation>
    </message>
    <message>
        <source>No card is inserted</source>
        <translation>Aucune carte n’est insérée</translation>
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
        <translation>Impossible de lire vos règles de déchargement automatique&#xa0;: %1</translation>
    </message>
    <message>
        <source>Couldn’t save your automatic offload rules: %1.</source>
        <translation>Impossible d’enregistrer vos règles de déchargement automatique&#xa0;: %1.</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>le fichier</translation>
    </message>
</context>
<context>
    <name>stowly::RulesSettingsTab</name>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>When a card like this is inserted, Stowly offloads it with the preset you choose. Stowly never erases a card on its own.</source>
        <translation>Quand une carte de ce type est insérée, Stowly la décharge avec le préréglage choisi. Stowly n’efface jamais une carte de lui-même.</translation>
    </message>
    <message>
        <source>No Rules</source>
        <translation>Aucune règle</translation>
    </message>
    <message>
        <source>Click + to have cards offloaded as soon as they’re inserted.</source>
        <translation>Cliquez sur + pour que les cartes soient déchargées dès leur insertion.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Ajouter une règle</translation>
    </message>
    <message>
        <source>Remove the selected rule</source>
        <translation>Retirer la règle sélectionnée</translation>
    </message>
    <message>
        <source>A card is offloaded by the first rule it matches, from the top. Drag rules to change the order.</source>
        <translation>Une carte est déchargée par la première règle à laquelle elle correspond, en partant du haut. Faites glisser les règles pour changer leur ordre.</translation>
    </message>
    <message>
        <source>Selected Rule</source>
        <translation>Règle sélectionnée</translation>
    </message>
    <message>
        <source>No Rule Selected</source>
        <translation>Aucune règle sélectionnée</translation>
    </message>
    <message>
        <source>Select a rule to edit it.</source>
        <translation>Sélectionnez une règle pour la modifier.</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Non enregistrée</translation>
    </message>
    <message>
        <source>Can’t Be Followed</source>
        <translation>Inapplicable</translation>
    </message>
    <message>
        <source>%1 Until then the new rule isn’t saved.</source>
        <translation>%1 D’ici là, la nouvelle règle n’est pas enregistrée.</translation>
    </message>
    <message>
        <source>%1 Until then the rule stays as it was saved.</source>
        <translation>%1 D’ici là, la règle reste telle qu’elle a été enregistrée.</translation>
    </message>
    <message>
        <source>%1 Until then the cards it matches aren’t offloaded.</source>
        <translation>%1 D’ici là, les cartes qui y correspondent ne sont pas déchargées.</translation>
    </message>
</context>
<context>
    <name>stowly::SettingsPage</name>
    <message>
        <source>Email a bug report with Stowly’s recent log attached</source>
        <translation>Envoyer par e-mail un rapport de bug avec le journal récent de Stowly en pièce jointe</translation>
    </message>
    <message>
        <source>Leave an optional tip for Stowly on Ko-fi</source>
        <translation>Laisser un pourboire facultatif à Stowly sur Ko-fi</translation>
    </message>
</context>
<context>
    <name>stowly::SettingsWindow</name>
    <message>
        <source>Stowly Settings</source>
        <translation>Paramètres de Stowly</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>Automatic Offload</source>
        <translation>Automatisation</translation>
    </message>
    <message>
        <source>Destinations</source>
        <translation>Destinations</translation>
    </message>
    <message>
        <source>Naming</source>
        <translation>Nommage</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Caméras</translation>
    </message>
</context>
<context>
    <name>stowly::ShortClipSlider</name>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stowly::StagePanel</name>
    <message>
        <source>needs your attention</source>
        <translation>requiert votre attention</translation>
    </message>
    <message>
        <source>Stage %1, %2</source>
        <translation>Étape %1, %2</translation>
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
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>stowly::WelcomeDestinationStep</name>
    <message>
        <source>%1 free of %2</source>
        <translation>%1 libres sur %2</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 libres</translation>
    </message>
    <message>
        <source>Where should your media go?</source>
        <translation>Où vos médias doivent-ils aller&#xa0;?</translation>
    </message>
    <message>
        <source>Pick a drive or any folder. Stowly builds its folders inside it.</source>
        <translation>Choisissez un disque ou n’importe quel dossier. Stowly y crée ses dossiers.</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Disques</translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Choisir un dossier…</translation>
    </message>
    <message>
        <source>As your first favorite, it’s also your default destination. Add more and pick another default in Settings ▸ Destinations.</source>
        <translation>En tant que premier favori, c’est aussi votre destination par défaut. Ajoutez-en d’autres et choisissez une autre destination par défaut dans Paramètres ▸ Destinations.</translation>
    </message>
    <message>
        <source>Make it my default destination</source>
        <translation>En faire ma destination par défaut</translation>
    </message>
    <message>
        <source>No folder chosen yet</source>
        <translation>Aucun dossier choisi pour l’instant</translation>
    </message>
    <message>
        <source>Choose a Destination Folder</source>
        <translation>Choisir un dossier de destination</translation>
    </message>
</context>
<context>
    <name>stowly::WelcomeWindow</name>
    <message>
        <source>Film Shoot</source>
        <translation>Tournage</translation>
    </message>
    <message>
        <source>Photo Session</source>
        <translation>Séance photo</translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation>Podcast</translation>
    </message>
    <message>
        <source>Daily Archive</source>
        <translation>Archive quotidienne</translation>
    </message>
    <message>
        <source>Start from Scratch</source>
        <translation>Partir de zéro</translation>
    </message>
    <message>
        <source>Starter</source>
        <translation>Point de départ</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>File Names</source>
        <translation>Noms de fichiers</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Récapitulatif</translation>
    </message>
    <message>
        <source>Welcome to Stowly</source>
        <translation>Bienvenue dans Stowly</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Stowly copies your camera cards into tidy folders, checks every copy with SHA-256 and never overwrites a file. Tell it how you like your media organised; it takes about a minute.</source>
        <translation>Stowly copie vos cartes de caméra dans des dossiers bien rangés, contrôle chaque copie avec SHA-256 et n’écrase jamais un fichier. Indiquez-lui comment vous aimez organiser vos médias&#xa0;; cela prend environ une minute.</translation>
    </message>
    <message>
        <source>Set up your first preset</source>
        <translation>Configurez votre premier préréglage</translation>
    </message>
    <message>
        <source>Skip Setup</source>
        <translation>Passer la configuration</translation>
    </message>
    <message>
        <source>What do you shoot?</source>
        <translation>Quelles prises de vue faites-vous&#xa0;?</translation>
    </message>
    <message>
        <source>Pick the closest starting point. It sets how folders and files are named; you can change both in the next steps.</source>
        <translation>Choisissez le point de départ le plus proche. Il détermine comment les dossiers et les fichiers sont nommés&#xa0;; vous pourrez modifier les deux aux étapes suivantes.</translation>
    </message>
    <message>
        <source>How should folders be built?</source>
        <translation>Comment construire les dossiers&#xa0;?</translation>
    </message>
    <message>
        <source>Each “/” starts a folder inside the one before. Words in braces are filled in per file, such as {date}, {project} or {camera}.</source>
        <translation>Chaque «&#xa0;/&#xa0;» crée un dossier dans le précédent. Les mots entre accolades sont remplis pour chaque fichier, comme {date}, {project} ou {camera}.</translation>
    </message>
    <message>
        <source>Folder template</source>
        <translation>Modèle de dossiers</translation>
    </message>
    <message>
        <source>How should files be named?</source>
        <translation>Comment nommer les fichiers&#xa0;?</translation>
    </message>
    <message>
        <source>Renamed files sort well and say where they came from. {seq} numbers them; {original} keeps the camera’s name.</source>
        <translation>Les fichiers renommés se trient bien et indiquent leur provenance. {seq} les numérote&#xa0;; {original} conserve le nom donné par la caméra.</translation>
    </message>
    <message>
        <source>Rename files</source>
        <translation>Renommer les fichiers</translation>
    </message>
    <message>
        <source>File name template</source>
        <translation>Modèle de nom de fichier</translation>
    </message>
    <message>
        <source>Review your preset</source>
        <translation>Vérifiez votre préréglage</translation>
    </message>
    <message>
        <source>Give it a name and choose what happens around each offload.</source>
        <translation>Donnez-lui un nom et choisissez ce qui se passe autour de chaque déchargement.</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Nom du préréglage</translation>
    </message>
    <message>
        <source>Skip clips shorter than</source>
        <translation>Omettre les clips de moins de</translation>
    </message>
    <message>
        <source>Shortest clip to copy, in seconds</source>
        <translation>Durée minimale des clips à copier, en secondes</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Eject the card when the offload is done</source>
        <translation>Éjecter la carte à la fin du déchargement</translation>
    </message>
    <message>
        <source>Play a sound when an offload succeeds</source>
        <translation>Émettre un son quand un déchargement réussit</translation>
    </message>
    <message>
        <source>Ask to import when a card is inserted</source>
        <translation>Proposer l’importation à l’insertion d’une carte</translation>
    </message>
    <message>
        <source>Use this preset now</source>
        <translation>Utiliser ce préréglage maintenant</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Tout est prêt</translation>
    </message>
    <message>
        <source>Waiting for a card</source>
        <translation>En attente d’une carte</translation>
    </message>
    <message>
        <source>Open Stowly</source>
        <translation>Ouvrir Stowly</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Ouvrir les Paramètres</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Enregistrer le préréglage</translation>
    </message>
    <message>
        <source>Files keep the names the camera gave them.</source>
        <translation>Les fichiers gardent les noms donnés par la caméra.</translation>
    </message>
    <message>
        <source>Destination: %1
Folders: %2
File names: %3</source>
        <translation>Destination&#xa0;: %1
Dossiers&#xa0;: %2
Noms de fichiers&#xa0;: %3</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>aucune choisie</translation>
    </message>
    <message>
        <source>“%1” is saved and ready. Put in a card to start your first offload.</source>
        <translation>«&#xa0;%1&#xa0;» est enregistré et prêt. Insérez une carte pour lancer votre premier déchargement.</translation>
    </message>
    <message>
        <source>“%1” is saved and ready.</source>
        <translation>«&#xa0;%1&#xa0;» est enregistré et prêt.</translation>
    </message>
    <message>
        <source>Offload “%1”</source>
        <translation>Décharger «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Choose a drive or a folder to continue.</source>
        <translation>Choisissez un disque ou un dossier pour continuer.</translation>
    </message>
    <message>
        <source>Choose a destination before saving.</source>
        <translation>Choisissez une destination avant d’enregistrer.</translation>
    </message>
    <message>
        <source>Give your preset a name.</source>
        <translation>Donnez un nom à votre préréglage.</translation>
    </message>
    <message>
        <source>These folder and file names can’t be used together. Go back and change one of them.</source>
        <translation>Ces noms de dossiers et de fichiers ne peuvent pas être utilisés ensemble. Revenez en arrière et modifiez l’un d’eux.</translation>
    </message>
</context>
<context>
    <name>templateToken</name>
    <message>
        <source>Project name</source>
        <translation>Nom du projet</translation>
    </message>
    <message>
        <source>Selected camera</source>
        <translation>Caméra sélectionnée</translation>
    </message>
    <message>
        <source>Capture date (2026-10-25)</source>
        <translation>Date de prise de vue (2026-10-25)</translation>
    </message>
    <message>
        <source>Year (2026)</source>
        <translation>Année (2026)</translation>
    </message>
    <message>
        <source>Month (10)</source>
        <translation>Mois (10)</translation>
    </message>
    <message>
        <source>Day (25)</source>
        <translation>Jour (25)</translation>
    </message>
    <message>
        <source>Capture time (143005)</source>
        <translation>Heure de prise de vue (143005)</translation>
    </message>
    <message>
        <source>Video, Photo, Audio or Other</source>
        <translation>Vidéo, Photo, Audio ou Autre</translation>
    </message>
    <message>
        <source>Card (volume) name</source>
        <translation>Nom de la carte (volume)</translation>
    </message>
    <message>
        <source>Original file name, no extension</source>
        <translation>Nom de fichier d’origine, sans extension</translation>
    </message>
    <message>
        <source>Sequence number (0001); {seq:3} for 001</source>
        <translation>Numéro de séquence (0001)&#xa0;; {seq:3} pour 001</translation>
    </message>
    <message>
        <source>File extension (mp4)</source>
        <translation>Extension de fichier (mp4)</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Seq</source>
        <translation>Séq.</translation>
    </message>
    <message>
        <source>Ext</source>
        <translation>Ext.</translation>
    </message>
</context>
</TS>
