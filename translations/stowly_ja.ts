<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AppModelReports</name>
    <message>
        <source>The record of this offload for its reports couldn’t be saved: %1</source>
        <translation>この取り込みのレポート用の記録を保存できませんでした：%1</translation>
    </message>
</context>
<context>
    <name>BugReport</name>
    <message>
        <source>Please e-mail this report and the files beside it to %1.</source>
        <translation>このレポートと同じ場所にあるファイルを%1宛てにメールで送ってください。</translation>
    </message>
    <message>
        <source>What happened?</source>
        <translation>何が起きましたか？</translation>
    </message>
    <message>
        <source>(Stowly quit unexpectedly. What were you doing just before?)</source>
        <translation>（Stowlyが予期せず終了しました。直前に何をしていましたか？）</translation>
    </message>
    <message>
        <source>(What were you doing, and what went wrong? Steps to make it happen again help a lot.)</source>
        <translation>（何をしていて、何がうまくいきませんでしたか？再現手順があると非常に助かります。）</translation>
    </message>
    <message>
        <source>Stowly’s recent log:</source>
        <translation>Stowlyの最近のログ：</translation>
    </message>
    <message>
        <source>(nothing logged recently)</source>
        <translation>（最近のログはありません）</translation>
    </message>
</context>
<context>
    <name>CardAtPath</name>
    <message>
        <source>That’s your startup disk.</source>
        <translation>それは起動ディスクです。</translation>
    </message>
    <message>
        <source>There’s no folder at “%1”.</source>
        <translation>「%1」にフォルダーがありません。</translation>
    </message>
    <message>
        <source>“%1” isn’t a folder.</source>
        <translation>「%1」はフォルダーではありません。</translation>
    </message>
</context>
<context>
    <name>CardCommands</name>
    <message>
        <source>No card is mounted.</source>
        <translation>マウントされているカードがありません。</translation>
    </message>
    <message>
        <source>Stowly has no offloads of %1 to forget.</source>
        <translation>Stowlyには、消去できる%1の取り込み履歴がありません。</translation>
    </message>
    <message>
        <source>Stowly only formats memory cards.</source>
        <translation>Stowlyがフォーマットするのはメモリーカードだけです。</translation>
    </message>
    <message>
        <source>This card is empty</source>
        <translation>このカードは空です</translation>
    </message>
    <message>
        <source>Add --discard-short-clips to format anyway; the skipped short clips have no copy and are lost.</source>
        <translation>それでもフォーマットするには--discard-short-clipsを付けてください。スキップした短いクリップにはコピーがないため、失われます。</translation>
    </message>
    <message>
        <source>The card is being formatted; Stowly finishes first.</source>
        <translation>カードをフォーマット中です。Stowlyはフォーマットを完了してから終了します。</translation>
    </message>
    <message>
        <source>%1 ejected, safe to remove.</source>
        <translation>%1を取り出しました。安全に取り外せます。</translation>
    </message>
    <message>
        <source>%1 is already mounted at %2.</source>
        <translation>%1はすでに%2にマウントされています。</translation>
    </message>
    <message>
        <source>Stowly found no card %1 that isn’t mounted. “stowly-cli cards” lists them.</source>
        <translation>マウントされていないカード%1が見つかりません。「stowly-cli cards」でカードの一覧を表示できます。</translation>
    </message>
    <message>
        <source>Couldn’t mount %1: %2</source>
        <translation>%1をマウントできませんでした：%2</translation>
    </message>
    <message>
        <source>%1 mounted at %2.</source>
        <translation>%1を%2にマウントしました。</translation>
    </message>
</context>
<context>
    <name>CardFormatter</name>
    <message>
        <source>Stowly couldn’t read information about %1.</source>
        <translation>Stowlyは%1の情報を読み取れませんでした。</translation>
    </message>
    <message>
        <source>Stowly couldn’t check your startup disk, so it won’t format anything.</source>
        <translation>起動ディスクを確認できなかったため、Stowlyは何もフォーマットしません。</translation>
    </message>
    <message>
        <source>this format</source>
        <translation>この形式</translation>
    </message>
    <message>
        <source>%1 uses %2. Stowly formats exFAT and FAT32 cards only — format it in your camera instead.</source>
        <translation>%1は%2を使用しています。StowlyがフォーマットできるのはexFATとFAT32のカードだけです。代わりにカメラでフォーマットしてください。</translation>
    </message>
    <message>
        <source>Something on %1 changed and isn’t offloaded yet, so it wasn’t formatted.</source>
        <translation>%1の内容が変更され、まだ取り込まれていないため、フォーマットしませんでした。</translation>
    </message>
</context>
<context>
    <name>CascadeCopy</name>
    <message>
        <source>The copy of “%1” at “%2” no longer matches what the card gave; copy it from the card again.</source>
        <translation>「%2」にある「%1」のコピーが、カードから読み取った内容と一致しなくなりました。カードからもう一度コピーしてください。</translation>
    </message>
    <message>
        <source>Another file is already at “%1”.</source>
        <translation>「%1」には別のファイルがすでにあります。</translation>
    </message>
</context>
<context>
    <name>CascadeQueue</name>
    <message>
        <source>The ASC MHL history in %1 wasn’t written: %2</source>
        <translation>%1のASC MHL履歴を書き込めませんでした：%2</translation>
    </message>
</context>
<context>
    <name>ClipFactsReader</name>
    <message>
        <source>The clip’s index is missing: a camera that lost power while recording leaves clips like this.</source>
        <translation>クリップのインデックスがありません。録画中に電源が切れたカメラは、このようなクリップを残します。</translation>
    </message>
    <message>
        <source>The clip ends before its index says: it was cut off while it was being written.</source>
        <translation>クリップが、インデックスの示す位置より前で終わっています。書き込み中に途切れました。</translation>
    </message>
    <message>
        <source>Most of the clip isn’t in its index: a camera that lost power while recording leaves clips like this.</source>
        <translation>クリップの大部分がインデックスに含まれていません。録画中に電源が切れたカメラは、このようなクリップを残します。</translation>
    </message>
</context>
<context>
    <name>ClipsStageContent</name>
    <message>
        <source>This Card Couldn’t Be Read</source>
        <translation>このカードを読み取れませんでした</translation>
    </message>
    <message>
        <source>Nothing in These Dates</source>
        <translation>この期間のファイルはありません</translation>
    </message>
    <message>
        <source>The only new file is from another day.</source>
        <translation>新しいファイルは1個だけで、別の日のものです。</translation>
    </message>
    <message>
        <source>Show Any Date</source>
        <translation>すべての日付を表示</translation>
    </message>
    <message>
        <source>Only Short Clips</source>
        <translation>短いクリップのみ</translation>
    </message>
    <message>
        <source>The only new video is shorter than %1.</source>
        <translation>新しい動画は1本だけで、%1より短いものです。</translation>
    </message>
    <message>
        <source>All Caught Up</source>
        <translation>すべて取り込み済み</translation>
    </message>
    <message>
        <source>The new files on this card are types you turned off in Settings.</source>
        <translation>このカードの新しいファイルは、設定でオフにした種類のものです。</translation>
    </message>
    <message>
        <source>Everything on this card has already been offloaded.</source>
        <translation>このカードの内容はすべて取り込み済みです。</translation>
    </message>
    <message>
        <source>Copies Missing</source>
        <translation>コピーが見つかりません</translation>
    </message>
    <message>
        <source>1 file was offloaded before, but its copy is no longer at the destination.</source>
        <translation>1個のファイルは以前に取り込まれましたが、そのコピーが保存先にありません。</translation>
    </message>
    <message>
        <source>Whatever it couldn’t read isn’t offloaded, and the card won’t count as offloaded until all of it can be read. Check the card and the reader, then insert it again.</source>
        <translation>読み取れなかったものは取り込まれていません。すべてを読み取れるまで、このカードは取り込み済みになりません。カードとカードリーダーを確認してから、もう一度挿入してください。</translation>
    </message>
    <message numerus="yes">
        <source>The %n new files are all from other days.</source>
        <translation>
            <numerusform>%n個の新しいファイルはすべて別の日のものです。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n new videos are all shorter than %1.</source>
        <translation>
            <numerusform>%n本の新しい動画はすべて%1より短いものです。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were offloaded before, but their copies are no longer at the destination.</source>
        <translation>
            <numerusform>%n個のファイルは以前に取り込まれましたが、それらのコピーが保存先にありません。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--to needs a folder.</source>
        <translation>--toにはフォルダーを指定してください。</translation>
    </message>
    <message>
        <source>--also needs a folder.</source>
        <translation>--alsoにはフォルダーを指定してください。</translation>
    </message>
    <message>
        <source>--cascade needs a folder.</source>
        <translation>--cascadeにはフォルダーを指定してください。</translation>
    </message>
    <message>
        <source>--camera needs the name of one of your cameras.</source>
        <translation>--cameraには登録済みのカメラの名前を指定してください。</translation>
    </message>
    <message>
        <source>--reoffload takes off, missing or everything, not %1.</source>
        <translation>--reoffloadに指定できるのはoff、missing、everythingのいずれかです（%1は指定できません）。</translation>
    </message>
    <message>
        <source>--dates takes any, today, last7days or two dates like 2024-05-01..2024-05-03, not %1.</source>
        <translation>--datesに指定できるのはany、today、last7days、または2024-05-01..2024-05-03のような2つの日付です（%1は指定できません）。</translation>
    </message>
    <message>
        <source>--card needs a card.</source>
        <translation>--cardにはカードを指定してください。</translation>
    </message>
    <message>
        <source>--preset needs the name of one of your presets.</source>
        <translation>--presetには登録済みのプリセットの名前を指定してください。</translation>
    </message>
    <message>
        <source>--hook needs a program.</source>
        <translation>--hookにはプログラムを指定してください。</translation>
    </message>
    <message>
        <source>--run needs the id of an offload, or last.</source>
        <translation>--runには取り込みのID、またはlastを指定してください。</translation>
    </message>
    <message>
        <source>--day takes today, yesterday or a date like 2024-05-01, not %1.</source>
        <translation>--dayに指定できるのはtoday、yesterday、または2024-05-01のような日付です（%1は指定できません）。</translation>
    </message>
    <message>
        <source>--out needs a folder.</source>
        <translation>--outにはフォルダーを指定してください。</translation>
    </message>
    <message>
        <source>Name a command.</source>
        <translation>コマンドを指定してください。</translation>
    </message>
    <message>
        <source>There’s no command %1.</source>
        <translation>%1というコマンドはありません。</translation>
    </message>
    <message>
        <source>%1 has no option %2.</source>
        <translation>%1には%2というオプションはありません。</translation>
    </message>
    <message>
        <source>--%1 needs a value.</source>
        <translation>--%1には値を指定してください。</translation>
    </message>
    <message>
        <source>--%1 takes no value.</source>
        <translation>--%1には値を指定できません。</translation>
    </message>
    <message>
        <source>mount needs a card that isn’t mounted: its device or its name.</source>
        <translation>mountには、マウントされていないカードのデバイスまたは名前を指定してください。</translation>
    </message>
    <message>
        <source>verify needs a folder with an ASC MHL history.</source>
        <translation>verifyには、ASC MHL履歴のあるフォルダーを指定してください。</translation>
    </message>
    <message>
        <source>%1 needs a card: the mount point of a card, or a folder.</source>
        <translation>%1にはカード（カードのマウントポイント、またはフォルダー）を指定してください。</translation>
    </message>
    <message>
        <source>%1 doesn’t take %2.</source>
        <translation>%1には%2を指定できません。</translation>
    </message>
    <message>
        <source>report covers one of --run, --card, --day or --project, not several.</source>
        <translation>reportで指定できるのは--run、--card、--day、--projectのうち1つだけです。</translation>
    </message>
    <message>
        <source>format erases everything on the card; add --yes to confirm.</source>
        <translation>formatはカードの内容をすべて消去します。確認のため--yesを付けてください。</translation>
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
        <translation>使い方：
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

CARDは、「cards」が一覧表示するカードのマウントポイント、または任意のフォルダーです。
offloadは複数のカードを一度に取り込めます。コピーが同じドライブに入るカードは順番に、
それ以外のカードは並行してコピーします。カードごとに概要が表示され、終了ステータスは
その中で最も悪いものになります。
mountには、「cards」でマウントされていないと表示されるカードを、デバイスまたは名前で
指定します。
--allow-password-promptを付けると、消去・取り出し・マウントにパスワードが必要な場合に、
システムが端末でパスワードを尋ねます。付けない場合、Stowlyがパスワードを待つことは
ありません。
presetsはプリセットを一覧表示します。saveは現在の設定をNAMEという名前で保存し、
updateはプリセットNAMEを現在の設定で更新します。
rulesは、挿入されたカードを自動で取り込むルールを、試す順に一覧表示します。
WHATはany、name:PATTERN（例：name:A*_CARD）、identity:ID、camera:NAMEのいずれかです。
RULE OPTIONSは--preset NAME、--project NAME、--ask（カードを表示し、開始はしない）、
--eject（検証が済んだらカードを取り出す）です。removeにはルールの番号を指定します。
stationは、挿入されたすべてのカード（およびすでに挿入されているカード）をルールに従って
取り込みます。--preset（と--project）を指定した場合は、すべてのカードをその設定で
取り込みます。停止されるまで（Ctrl-CまたはSIGTERM）、イベントごとに1行ずつ出力します。
--mountはまだマウントされていないカードを読み取り専用でマウントし、--ejectは検証済みの
各カードを取り出し、--hookは各カードの後に、そのJSONを標準入力に渡してPROGRAMを実行
します。--allow-password-promptは上記と同じです。
verifyは、DIRのASC MHL履歴に記録されているすべてのファイルを読み取り、欠けている
ファイルや変更されたファイル、履歴に記録されていないファイルを報告します。--recordを
付けると結果を履歴に追加します。
reportは、1回の取り込み（指定しない場合は最後の取り込み）、カードの履歴全体、
1日（today、yesterday、または2024-05-01のような日付）、またはプロジェクトの取り込み
についてのレポートを、--formatで指定した形式（指定しない場合はpdf,csv）で、
DIR（指定しない場合は現在のフォルダー）に書き出します。レポートのJSON形式には
各取り込みのIDが含まれます。

RUN OPTIONS（今回の実行にのみ適用され、設定は変わりません）：
  --to DIR             DIRにコピーします
  --also DIR           DIRにも同じ名前でコピーします（繰り返し指定可。設定にある
                       バックアップ先の代わりに使われます）
  --cascade DIR        --alsoと同様ですが、保存先にある各ファイルの検証済みのコピー
                       からコピーするため、カードが早く空きます
  --verify-source      コピーの検証後に、各ファイルをカードからもう一度読み取ります
  --mhl                各保存先のASC MHL履歴に世代を追加します
  --project NAME       命名テンプレートに使うプロジェクト名を指定します
  --camera NAME        登録済みのカメラを名前または短縮コードで指定します
  --quick-dump         プロジェクトなしで、すべてを日付のフォルダーに入れます
                       （クイックダンプ）
  --reoffload off|missing|everything
                       以前に取り込んだファイルをもう一度コピーします
  --include-short      短いクリップもコピーします
  --dates any|today|last7days|FROM..TO
                       これらの日付のファイルだけをコピーします
                       （FROMとTOは2024-05-01の形式）

終了ステータス：0は完了、1はファイルの失敗か履歴との不一致、Stowlyの履歴の保存失敗、
またはフォーマットや取り出しの拒否・失敗、2は使い方の誤り、3は取り込みを開始できない
場合（理由は標準エラー出力に表示されます）、130は中断です。
</translation>
    </message>
    <message>
        <source>--station needs a station’s name.</source>
        <translation>--station にはステーション名が必要です。</translation>
    </message>
    <message>
        <source>history lists one of --card or --station, not both.</source>
        <translation>history には --card か --station のどちらか一方を指定します。</translation>
    </message>
    <message>
        <source>history-server takes status, import or export, not %1.</source>
        <translation>history-server には status、import、export のいずれかを指定します（%1 は使えません）。</translation>
    </message>
    <message>
        <source>history-server export needs --out FILE, a history file to write.</source>
        <translation>history-server export には書き出す履歴ファイル --out FILE が必要です。</translation>
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
        <translation>複数のステーションで共有する履歴（設定 historyServer）:
  stowly-cli history  --station NAME [--json]
  stowly-cli history-server status|import [--json]
  stowly-cli history-server export --out FILE [--station NAME]
history は各コピーのステーションを示します。--station は1つのステーションのコピーを一覧します。
history-server status はサーバーが応答するか、各ステーションが何を持っているかを示します。
import はこのステーションの履歴すべてをサーバーに送ります（既にあるコピーは二重に保存されません）。
export はステーションのコピー（指定がなければこのステーション）を ledger.json の形式で FILE に書き出します。
</translation>
    </message>
</context>
<context>
    <name>Copier</name>
    <message>
        <source>Couldn’t open %1 for reading</source>
        <translation>%1を読み取り用に開けませんでした</translation>
    </message>
    <message>
        <source>Couldn’t read %1</source>
        <translation>%1を読み取れませんでした</translation>
    </message>
    <message>
        <source>Couldn’t verify %1</source>
        <translation>%1を検証できませんでした</translation>
    </message>
    <message>
        <source>Couldn’t write %1</source>
        <translation>%1を書き込めませんでした</translation>
    </message>
    <message>
        <source>Couldn’t flush %1 to the disk</source>
        <translation>%1をディスクにフラッシュできませんでした</translation>
    </message>
    <message>
        <source>Couldn’t close %1</source>
        <translation>%1を閉じられませんでした</translation>
    </message>
    <message>
        <source>Couldn’t read back %1</source>
        <translation>%1を読み戻せませんでした</translation>
    </message>
    <message>
        <source>%1: another file took its place.</source>
        <translation>%1：別のファイルに置き換わっています。</translation>
    </message>
    <message>
        <source>Couldn’t rename %1 to %2</source>
        <translation>%1の名前を%2に変更できませんでした</translation>
    </message>
    <message>
        <source>Couldn’t flush the folder of %1 to the disk</source>
        <translation>%1のフォルダーをディスクにフラッシュできませんでした</translation>
    </message>
</context>
<context>
    <name>CopierError</name>
    <message>
        <source>the destination is full</source>
        <translation>保存先がいっぱいです</translation>
    </message>
    <message>
        <source>the destination is read-only</source>
        <translation>保存先は読み取り専用です</translation>
    </message>
    <message>
        <source>Stowly isn’t allowed to write to the destination</source>
        <translation>Stowlyには保存先への書き込みが許可されていません</translation>
    </message>
    <message>
        <source>%1 already exists — not overwriting it.</source>
        <translation>%1はすでに存在します。上書きはしません。</translation>
    </message>
    <message>
        <source>Couldn’t create %1 in the destination: %2.</source>
        <translation>保存先に%1を作成できませんでした：%2。</translation>
    </message>
    <message>
        <source>Couldn’t create %1 in the destination.</source>
        <translation>保存先に%1を作成できませんでした。</translation>
    </message>
    <message>
        <source>Checksum mismatch for %1. The copy was deleted.</source>
        <translation>%1のチェックサムが一致しません。コピーは削除されました。</translation>
    </message>
    <message>
        <source>%1 changed while it was being copied.</source>
        <translation>%1がコピー中に変更されました。</translation>
    </message>
    <message>
        <source>%1 read differently from the card the second time. The card or its reader may be failing, so the copies were deleted.</source>
        <translation>%1をカードから2回目に読み取った内容が、1回目と異なっていました。カードまたはカードリーダーが故障しかけている可能性があるため、コピーは削除されました。</translation>
    </message>
</context>
<context>
    <name>CopyFailure</name>
    <message>
        <source>The copy of %1 was cancelled.</source>
        <translation>%1のコピーはキャンセルされました。</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1：%2。</translation>
    </message>
</context>
<context>
    <name>CrashReports</name>
    <message>
        <source>Stowly quit unexpectedly last time. Send a crash report?</source>
        <translation>前回、Stowlyは予期せず終了しました。クラッシュレポートを送信しますか？</translation>
    </message>
    <message>
        <source>This opens a new email to %1 with the crash report and Stowly’s recent log attached. File, card and drive names are left out. You can read it over before sending.</source>
        <translation>クラッシュレポートとStowlyの最近のログを添付した、%1宛ての新しいメールが開きます。ファイル、カード、ドライブの名前は含まれません。送信前に内容を確認できます。</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>レポートを送信</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>今はしない</translation>
    </message>
</context>
<context>
    <name>DurationFormatting</name>
    <message>
        <source>1 second</source>
        <translation>1秒</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n秒</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExamplePaths</name>
    <message>
        <source>Fix the problems above to see an example.</source>
        <translation>例を表示するには、上記の問題を修正してください。</translation>
    </message>
</context>
<context>
    <name>FolderLevelsEditor</name>
    <message>
        <source>Drag between folders for a new level, or onto the side of a folder’s name to combine them. Click to add it as the last folder.</source>
        <translation>フォルダーの間にドラッグすると新しい階層になり、フォルダー名の横にドラッグすると結合されます。クリックすると最後のフォルダーとして追加されます。</translation>
    </message>
</context>
<context>
    <name>FormatAlert</name>
    <message>
        <source>Format</source>
        <translation>フォーマット</translation>
    </message>
    <message>
        <source>Format and Discard 1 Short Clip</source>
        <translation>フォーマットして短いクリップ1本を破棄</translation>
    </message>
    <message numerus="yes">
        <source>Format and Discard %n Short Clips</source>
        <translation>
            <numerusform>フォーマットして短いクリップ%n本を破棄</numerusform>
        </translation>
    </message>
    <message>
        <source>Erase this card. The skipped short clips weren’t offloaded and will be lost</source>
        <translation>このカードを消去します。スキップした短いクリップは取り込まれていないため、失われます</translation>
    </message>
    <message>
        <source>Erase this card so it’s ready for new footage</source>
        <translation>このカードを消去して、新しい撮影に使えるようにします</translation>
    </message>
    <message>
        <source>Available once Stowly can read the whole card and every file on it has a verified copy</source>
        <translation>Stowlyがカード全体を読み取れ、カード上のすべてのファイルに検証済みのコピーがあると使用できます</translation>
    </message>
    <message>
        <source>Offload the other files first. Include or remove short clips first, or format and discard them</source>
        <translation>先に他のファイルを取り込んでください。短いクリップを先に含めるか除外するか、フォーマットして破棄してください</translation>
    </message>
    <message>
        <source>Available once every file on the card has a verified copy</source>
        <translation>カード上のすべてのファイルに検証済みのコピーがあると使用できます</translation>
    </message>
    <message>
        <source>The 1 other file</source>
        <translation>残りの1個のファイル</translation>
    </message>
    <message>
        <source>The 1 file</source>
        <translation>1個のファイル</translation>
    </message>
    <message>
        <source> (%1) on this card were copied and verified</source>
        <translation>（%1）は、このカードからコピーされ、検証されました</translation>
    </message>
    <message>
        <source> to %1</source>
        <translation>。コピー先：%1</translation>
    </message>
    <message>
        <source>.

1 short clip (skipped by “Skip videos shorter than”) has no copy and will be lost</source>
        <translation>。

短いクリップ1本（「次より短い動画をスキップ」によりスキップ）はコピーがないため、失われます</translation>
    </message>
    <message>
        <source>.

1 ignored item (system files and your ignore list) weren’t copied and will be erased too</source>
        <translation>。

無視された項目1件（システムファイルと無視リスト）はコピーされておらず、一緒に消去されます</translation>
    </message>
    <message>
        <source>.

Formatting erases everything on “%1”. This can’t be undone.

Tip: formatting in your camera is usually best, because it sets the card up exactly the way the camera expects.</source>
        <translation>。

フォーマットすると「%1」の内容はすべて消去されます。この操作は取り消せません。

ヒント：通常はカメラでフォーマットするのが最適です。カメラが想定するとおりにカードが設定されるためです。</translation>
    </message>
    <message>
        <source>Format “%1”?</source>
        <translation>「%1」をフォーマットしますか？</translation>
    </message>
    <message>
        <source>“%1” wasn’t formatted. %2</source>
        <translation>「%1」はフォーマットされませんでした。%2</translation>
    </message>
    <message>
        <source>Formatting “%1”…</source>
        <translation>「%1」をフォーマット中…</translation>
    </message>
    <message>
        <source>“%1” was formatted and is ready for your camera.</source>
        <translation>「%1」をフォーマットしました。カメラで使用できます。</translation>
    </message>
    <message numerus="yes">
        <source>The other %n files</source>
        <translation>
            <numerusform>残りの%n個のファイル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n files</source>
        <translation>
            <numerusform>%n個のファイルすべて</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>.

%n short clips (skipped by “Skip videos shorter than”) have no copy and will be lost</source>
        <translation>
            <numerusform>。

短いクリップ%n本（「次より短い動画をスキップ」によりスキップ）はコピーがないため、失われます</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>.

%n ignored items (system files and your ignore list) weren’t copied and will be erased too</source>
        <translation>
            <numerusform>。

無視された項目%n件（システムファイルと無視リスト）はコピーされておらず、一緒に消去されます</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FormatGuard</name>
    <message>
        <source>The card’s location changed. Reinsert it and try again.</source>
        <translation>カードの場所が変わりました。挿入し直してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Stowly only formats memory cards.</source>
        <translation>Stowlyがフォーマットするのはメモリーカードだけです。</translation>
    </message>
    <message>
        <source>This card is mounted in more than one place, so Stowly won’t format it.</source>
        <translation>このカードは複数の場所にマウントされているため、Stowlyはフォーマットしません。</translation>
    </message>
    <message>
        <source>The system gives conflicting answers about this card, so Stowly won’t format it.</source>
        <translation>このカードについてシステムの応答が食い違っているため、Stowlyはフォーマットしません。</translation>
    </message>
    <message>
        <source>That’s your startup disk.</source>
        <translation>それは起動ディスクです。</translation>
    </message>
    <message>
        <source>This drive is part of your %1, so Stowly won’t format it.</source>
        <translation>このドライブは%1の一部であるため、Stowlyはフォーマットしません。</translation>
    </message>
    <message>
        <source>Stowly only formats removable cards.</source>
        <translation>Stowlyがフォーマットするのはリムーバブルカードだけです。</translation>
    </message>
    <message>
        <source>Your destination folder is on this card.</source>
        <translation>保存先フォルダーがこのカード上にあります。</translation>
    </message>
    <message>
        <source>Your destination folder is on the same drive as this card.</source>
        <translation>保存先フォルダーがこのカードと同じドライブ上にあります。</translation>
    </message>
</context>
<context>
    <name>FormatReadiness</name>
    <message>
        <source>1 file not yet offloaded</source>
        <translation>未取り込みのファイル1個</translation>
    </message>
    <message>
        <source>1 copy missing at the destination</source>
        <translation>保存先にないコピー1個</translation>
    </message>
    <message>
        <source>1 short clip not offloaded</source>
        <translation>未取り込みの短いクリップ1本</translation>
    </message>
    <message numerus="yes">
        <source>%n files not yet offloaded</source>
        <translation>
            <numerusform>未取り込みのファイル%n個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n copies missing at the destination</source>
        <translation>
            <numerusform>保存先にないコピー%n個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n short clips not offloaded</source>
        <translation>
            <numerusform>未取り込みの短いクリップ%n本</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file copied only where another station can check it</source>
        <translation>1個のファイルは他のステーションでしか確認できない場所にコピーされています</translation>
    </message>
    <message numerus="yes">
        <source>%n files copied only where another station can check them</source>
        <translation>
            <numerusform>%n個のファイルは他のステーションでしか確認できない場所にコピーされています</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GenerationWriter</name>
    <message>
        <source>“%1” can’t be recorded in the ASC MHL history: the path is recorded twice or leaves the folder.</source>
        <translation>「%1」をASC MHL履歴に記録できません：パスが重複しているか、フォルダーの外を指しています。</translation>
    </message>
    <message>
        <source>“%1” can’t be recorded in the ASC MHL history: its XXH3-128 value isn’t one.</source>
        <translation>「%1」をASC MHL履歴に記録できません：XXH3-128の値が正しくありません。</translation>
    </message>
    <message>
        <source>“%1” can’t be recorded in the ASC MHL history: its %2 value isn’t one.</source>
        <translation>「%1」をASC MHL履歴に記録できません：%2の値が正しくありません。</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>読み取り中にファイルが変更されました</translation>
    </message>
</context>
<context>
    <name>HistoryJsonReader</name>
    <message>
        <source>the file isn’t valid JSON</source>
        <translation>ファイルが有効なJSONではありません</translation>
    </message>
    <message>
        <source>the file doesn’t hold a list of entries</source>
        <translation>ファイルにエントリのリストが含まれていません</translation>
    </message>
    <message>
        <source>entry %1</source>
        <translation>エントリ%1</translation>
    </message>
    <message>
        <source>%1 isn’t an object</source>
        <translation>%1はオブジェクトではありません</translation>
    </message>
    <message>
        <source>%1 has a “%2” of the wrong kind</source>
        <translation>%1の「%2」の型が正しくありません</translation>
    </message>
    <message>
        <source>%1 has a date in another form</source>
        <translation>%1の日付の形式が異なります</translation>
    </message>
    <message>
        <source>%1 has no “%2”</source>
        <translation>%1に「%2」がありません</translation>
    </message>
</context>
<context>
    <name>HistoryServerCommand</name>
    <message>
        <source>at %1</source>
        <translation>%1 にて</translation>
    </message>
    <message>
        <source>This station has no shared history: name its server in the setting historyServer (stowly-cli settings historyServer &quot;host=… dbname=… user=…&quot;).</source>
        <translation>このステーションには共有履歴がありません。設定 historyServer にサーバーを指定してください（stowly-cli settings historyServer &quot;host=… dbname=… user=…&quot;）。</translation>
    </message>
    <message>
        <source>The history server %1 answers; this station is %2.</source>
        <translation>履歴サーバー %1 は応答しています。このステーションは %2 です。</translation>
    </message>
    <message numerus="yes">
        <source>%n copies</source>
        <translation>
            <numerusform>%n件のコピー</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The history server holds this station’s %n copies; %1 of them were new to it.</source>
        <translation>
            <numerusform>履歴サーバーはこのステーションの%n件のコピーを保持しています。そのうち%1件は新しいものでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is there already; Stowly doesn’t overwrite it.</source>
        <translation>%1 は既に存在します。Stowly は上書きしません。</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n copies of %1 into %2.</source>
        <translation>
            <numerusform>%1 の%n件のコピーを %2 に書き出しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Listed are this station’s own copies.</source>
        <translation>このステーション自身のコピーを表示しています。</translation>
    </message>
</context>
<context>
    <name>InlineLevel</name>
    <message>
        <source>Underscore</source>
        <translation>アンダースコア</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>ハイフン</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>JsonFields</name>
    <message>
        <source>%1 lacks “%2”</source>
        <translation>%1に「%2」がありません</translation>
    </message>
    <message>
        <source>“%1” of %2 isn’t %3</source>
        <translation>%2の「%1」が%3ではありません</translation>
    </message>
    <message>
        <source>text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>trueまたはfalse</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>整数</translation>
    </message>
    <message>
        <source>a UUID</source>
        <translation>UUID</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>オブジェクト</translation>
    </message>
    <message>
        <source>%1 isn’t an object</source>
        <translation>%1はオブジェクトではありません</translation>
    </message>
</context>
<context>
    <name>LinuxDiskTool</name>
    <message>
        <source>Stowly wasn’t allowed to erase %1.</source>
        <translation>Stowlyには%1を消去する権限がありませんでした。</translation>
    </message>
    <message>
        <source>Stowly wasn’t allowed to mount %1.</source>
        <translation>Stowlyには%1をマウントする権限がありませんでした。</translation>
    </message>
    <message>
        <source>Stowly wasn’t allowed to unmount it.</source>
        <translation>Stowlyにはアンマウントする権限がありませんでした。</translation>
    </message>
    <message>
        <source>%1 was formatted but couldn’t be mounted again. Take it out and put it back in to use it.</source>
        <translation>%1はフォーマットされましたが、再マウントできませんでした。使用するには、一度取り外してから挿入し直してください。</translation>
    </message>
    <message>
        <source>Couldn’t create the folder %1.</source>
        <translation>フォルダー%1を作成できませんでした。</translation>
    </message>
    <message>
        <source>Couldn’t mount %1.</source>
        <translation>%1をマウントできませんでした。</translation>
    </message>
    <message>
        <source>udisks2 doesn’t know %1.</source>
        <translation>udisks2は%1を認識していません。</translation>
    </message>
    <message>
        <source>Stowly couldn’t find %1.</source>
        <translation>Stowlyは%1を見つけられませんでした。</translation>
    </message>
    <message>
        <source>Stowly only mounts memory cards.</source>
        <translation>Stowlyがマウントするのはメモリーカードだけです。</translation>
    </message>
    <message>
        <source>Couldn’t unmount %1.</source>
        <translation>%1をアンマウントできませんでした。</translation>
    </message>
    <message>
        <source>udisks2 didn’t answer, so %1 wasn’t erased.</source>
        <translation>udisks2が応答しなかったため、%1は消去されませんでした。</translation>
    </message>
    <message>
        <source>Couldn’t unmount %1: %2</source>
        <translation>%1をアンマウントできませんでした：%2</translation>
    </message>
    <message>
        <source>udisks2 doesn’t know it.</source>
        <translation>udisks2はこれを認識していません。</translation>
    </message>
    <message>
        <source>udisks2 couldn’t format %1.</source>
        <translation>udisks2は%1をフォーマットできませんでした。</translation>
    </message>
    <message>
        <source>Couldn’t run %1: %2</source>
        <translation>%1を実行できませんでした：%2</translation>
    </message>
    <message>
        <source>%1 couldn’t format %2.</source>
        <translation>%1は%2をフォーマットできませんでした。</translation>
    </message>
    <message>
        <source>Stowly couldn’t read the list of disks.</source>
        <translation>Stowlyはディスクの一覧を読み取れませんでした。</translation>
    </message>
    <message>
        <source>It isn’t mounted any more.</source>
        <translation>マウントが解除されています。</translation>
    </message>
    <message>
        <source>Stowly couldn’t tell which disk it is on.</source>
        <translation>Stowlyは、どのディスク上にあるかを特定できませんでした。</translation>
    </message>
    <message>
        <source>It’s on your startup disk.</source>
        <translation>起動ディスク上にあります。</translation>
    </message>
    <message>
        <source>udisks2 didn’t answer.</source>
        <translation>udisks2が応答しませんでした。</translation>
    </message>
</context>
<context>
    <name>MailDelivery</name>
    <message>
        <source>No mail program took the report</source>
        <translation>レポートを受け付けるメールプログラムがありません</translation>
    </message>
    <message>
        <source>Stowly couldn’t open your mail program or keep the report. To report the problem, write to %1.</source>
        <translation>Stowlyはメールプログラムを開けず、レポートを保存することもできませんでした。問題を報告するには、%1宛てにメールを送ってください。</translation>
    </message>
    <message>
        <source>Stowly couldn’t open your mail program, so the report was kept in “%1”. Please e-mail the files in that folder to %2.</source>
        <translation>Stowlyはメールプログラムを開けなかったため、レポートを「%1」に保存しました。このフォルダー内のファイルを%2宛てにメールで送ってください。</translation>
    </message>
    <message>
        <source>No mail program is set up</source>
        <translation>メールプログラムが設定されていません</translation>
    </message>
    <message>
        <source>Write to %1 from any mail program.</source>
        <translation>任意のメールプログラムから%1宛てにメールを送ってください。</translation>
    </message>
    <message>
        <source>No web browser is set up</source>
        <translation>Webブラウザーが設定されていません</translation>
    </message>
    <message>
        <source>The page is %1.</source>
        <translation>ページのアドレスは%1です。</translation>
    </message>
</context>
<context>
    <name>ManifestXml</name>
    <message>
        <source>%1 isn’t a valid ASC MHL manifest (line %2: %3).</source>
        <translation>%1は有効なASC MHLマニフェストではありません（%2行目：%3）。</translation>
    </message>
    <message>
        <source>unexpected element “%1”</source>
        <translation>予期しない要素「%1」</translation>
    </message>
    <message>
        <source>“%1” is no date</source>
        <translation>「%1」は日付ではありません</translation>
    </message>
    <message>
        <source>creatorinfo lacks its creation date, host name or tool</source>
        <translation>creatorinfoに作成日時、ホスト名、またはツールがありません</translation>
    </message>
    <message>
        <source>no process “%1”</source>
        <translation>「%1」というプロセスはありません</translation>
    </message>
    <message>
        <source>processinfo lacks its process</source>
        <translation>processinfoにプロセスがありません</translation>
    </message>
    <message>
        <source>no action “%1”</source>
        <translation>「%1」というアクションはありません</translation>
    </message>
    <message>
        <source>a file’s hash has no action</source>
        <translation>ファイルのハッシュにアクションがありません</translation>
    </message>
    <message>
        <source>“%1” is no %2 value</source>
        <translation>「%1」は%2の値ではありません</translation>
    </message>
    <message>
        <source>%1 appears twice</source>
        <translation>%1が2回出現しています</translation>
    </message>
    <message>
        <source>a hash holds no value</source>
        <translation>ハッシュに値がありません</translation>
    </message>
    <message>
        <source>the %1 path “%2” leaves the folder</source>
        <translation>%1のパス「%2」がフォルダーの外を指しています</translation>
    </message>
    <message>
        <source>“%1” is recorded twice</source>
        <translation>「%1」が二重に記録されています</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>a folder hash lacks its path, content or structure</source>
        <translation>フォルダーのハッシュにパス、内容、または構造がありません</translation>
    </message>
    <message>
        <source>a size is no number</source>
        <translation>サイズが数値ではありません</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>a file is recorded without a hash</source>
        <translation>ハッシュなしで記録されたファイルがあります</translation>
    </message>
    <message>
        <source>a reference lacks a safe path or its C4 id</source>
        <translation>参照に安全なパスまたはC4 IDがありません</translation>
    </message>
    <message>
        <source>it is no ASC MHL hashlist</source>
        <translation>ASC MHLハッシュリストではありません</translation>
    </message>
    <message>
        <source>it is not of version 2.0</source>
        <translation>バージョン2.0ではありません</translation>
    </message>
    <message>
        <source>creatorinfo or processinfo is missing</source>
        <translation>creatorinfoまたはprocessinfoがありません</translation>
    </message>
</context>
<context>
    <name>MediaFactsText</name>
    <message>
        <source>%1 s</source>
        <translation>%1秒</translation>
    </message>
    <message>
        <source>1/%1 s</source>
        <translation>1/%1秒</translation>
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
        <translation>%1 ch</translation>
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
        <translation>このクリップは破損している可能性があります：%1録画したカメラで修復できる場合があるため、修復を試すまではカードを消去しないでください。</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1、ほか%2個</translation>
    </message>
    <message>
        <source>%1 may be damaged. The camera that recorded it may be able to repair it before the card is erased, never after</source>
        <translation>%1は破損している可能性があります。録画したカメラで修復できる場合がありますが、それができるのはカードを消去する前だけです</translation>
    </message>
    <message>
        <source>%1 may be damaged. The camera that recorded them may be able to repair them before the card is erased, never after</source>
        <translation>%1は破損している可能性があります。録画したカメラで修復できる場合がありますが、それができるのはカードを消去する前だけです</translation>
    </message>
</context>
<context>
    <name>MediaTileInfo</name>
    <message>
        <source>Video</source>
        <translation>動画</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>, from %1</source>
        <translation>、%1から</translation>
    </message>
    <message>
        <source>, %1 long</source>
        <translation>、長さ%1</translation>
    </message>
    <message>
        <source>, with 1 sidecar</source>
        <translation>、サイドカーファイル1個付き</translation>
    </message>
    <message>
        <source>, copying now</source>
        <translation>、コピー中</translation>
    </message>
    <message>
        <source>, copied and verified</source>
        <translation>、コピー・検証済み</translation>
    </message>
    <message>
        <source>, already offloaded</source>
        <translation>、取り込み済み</translation>
    </message>
    <message>
        <source>, copy missing at the destination</source>
        <translation>、保存先にコピーなし</translation>
    </message>
    <message>
        <source>, short clip, skipped</source>
        <translation>、短いクリップ、スキップ</translation>
    </message>
    <message>
        <source>, short clip included anyway</source>
        <translation>、短いクリップ、それでも含める</translation>
    </message>
    <message>
        <source>, will be re-offloaded</source>
        <translation>、再取り込み予定</translation>
    </message>
    <message>
        <source>, may be damaged</source>
        <translation>、破損の可能性あり</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>%1から</translation>
    </message>
    <message>
        <source>1 sidecar</source>
        <translation>サイドカーファイル1個</translation>
    </message>
    <message>
        <source>Copy missing at the destination</source>
        <translation>保存先にコピーがありません</translation>
    </message>
    <message>
        <source>Will be copied again as a new copy</source>
        <translation>新しいコピーとして再度コピーされます</translation>
    </message>
    <message>
        <source>Shorter than the “Skip videos shorter than” limit, included anyway</source>
        <translation>「次より短い動画をスキップ」の設定より短いですが、含めます</translation>
    </message>
    <message>
        <source>Has 1 sidecar file, copied with it</source>
        <translation>サイドカーファイルが1個あり、一緒にコピーされます</translation>
    </message>
    <message numerus="yes">
        <source>, with %n sidecars</source>
        <translation>
            <numerusform>、サイドカーファイル%n個付き</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sidecars</source>
        <translation>
            <numerusform>サイドカーファイル%n個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sidecar files, copied with it</source>
        <translation>
            <numerusform>サイドカーファイルが%n個あり、一緒にコピーされます</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuBarItem</name>
    <message>
        <source>No Cards Connected</source>
        <translation>カードが接続されていません</translation>
    </message>
    <message>
        <source>Cards &amp; Drives</source>
        <translation>カードとドライブ</translation>
    </message>
    <message>
        <source>Import from %1…</source>
        <translation>%1からインポート…</translation>
    </message>
    <message>
        <source>Resume Detection</source>
        <translation>検出を再開</translation>
    </message>
    <message>
        <source>Pause Detection</source>
        <translation>検出を一時停止</translation>
    </message>
    <message>
        <source>Open Stowly</source>
        <translation>Stowlyを開く</translation>
    </message>
    <message>
        <source>Offloading… (imports wait until it’s done)</source>
        <translation>取り込み中…（インポートは完了まで待機します）</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Quit Stowly</source>
        <translation>Stowlyを終了</translation>
    </message>
</context>
<context>
    <name>MhlChain</name>
    <message>
        <source>%1 isn’t a valid ASC MHL chain (line %2: %3).</source>
        <translation>%1は有効なASC MHLチェーンではありません（%2行目：%3）。</translation>
    </message>
    <message>
        <source>unexpected element “%1”</source>
        <translation>予期しない要素「%1」</translation>
    </message>
    <message>
        <source>it is no ASC MHL chain</source>
        <translation>ASC MHLチェーンではありません</translation>
    </message>
    <message>
        <source>the generations don’t run 1, 2, 3…</source>
        <translation>世代が1、2、3…の順になっていません</translation>
    </message>
    <message>
        <source>generation %1 lacks its file name or its C4 id</source>
        <translation>世代%1にファイル名またはC4 IDがありません</translation>
    </message>
</context>
<context>
    <name>MhlHistory</name>
    <message>
        <source>Couldn’t read %1: %2.</source>
        <translation>%1を読み取れませんでした：%2。</translation>
    </message>
    <message>
        <source>The ASC MHL history in %1 has manifests but no %2.</source>
        <translation>%1のASC MHL履歴にはマニフェストがありますが、%2がありません。</translation>
    </message>
    <message>
        <source>%1 was changed after it was written: its C4 id isn’t the one %2 holds.</source>
        <translation>%1は書き込み後に変更されています：C4 IDが%2に記録されたものと一致しません。</translation>
    </message>
    <message>
        <source>The ASC MHL history in %1 holds %2, which its chain doesn’t list and which isn’t a manifest Stowly can read, so it adds no generation beside it.</source>
        <translation>%1のASC MHL履歴には%2が含まれていますが、これはチェーンに記載されておらず、Stowlyが読み取れるマニフェストでもないため、Stowlyはこれと並ぶ世代を追加しません。</translation>
    </message>
</context>
<context>
    <name>ModelHost</name>
    <message>
        <source>The copies are recorded on this station, and go to the shared history once its server answers.</source>
        <translation>コピーはこのステーションに記録され、サーバーが応答ししだい共有履歴に送られます。</translation>
    </message>
</context>
<context>
    <name>NamingPreset</name>
    <message>
        <source>Date / Project</source>
        <translation>日付 / プロジェクト</translation>
    </message>
    <message>
        <source>Project / Date / Camera</source>
        <translation>プロジェクト / 日付 / カメラ</translation>
    </message>
    <message>
        <source>Project / Type / Date</source>
        <translation>プロジェクト / 種類 / 日付</translation>
    </message>
    <message>
        <source>Year / Month / Day</source>
        <translation>年 / 月 / 日</translation>
    </message>
    <message>
        <source>Date / Project, Original Names</source>
        <translation>日付 / プロジェクト、元の名前</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>フラット</translation>
    </message>
</context>
<context>
    <name>NamingTemplate</name>
    <message>
        <source>A “{” is missing its closing “}”.</source>
        <translation>「{」に対応する閉じ「}」がありません。</translation>
    </message>
    <message>
        <source>There’s a “}” without a matching “{”.</source>
        <translation>対応する「{」のない「}」があります。</translation>
    </message>
    <message>
        <source>“/” isn’t allowed in the file name. Use the folder structure for folders.</source>
        <translation>ファイル名に「/」は使用できません。フォルダーはフォルダー構成で指定してください。</translation>
    </message>
    <message>
        <source>“%1” isn’t allowed in file or folder names.</source>
        <translation>ファイル名やフォルダー名に「%1」は使用できません。</translation>
    </message>
    <message>
        <source>Names can’t contain tabs or line breaks.</source>
        <translation>名前にタブや改行は使用できません。</translation>
    </message>
    <message>
        <source>“{}” is an empty token. Pick one from the list below.</source>
        <translation>「{}」は空のトークンです。下のリストから選んでください。</translation>
    </message>
    <message>
        <source>{%1} isn’t a known token.</source>
        <translation>{%1}は不明なトークンです。</translation>
    </message>
    <message>
        <source>Only {seq} can take a number, like {seq:3}.</source>
        <translation>数値を指定できるのは{seq}だけです（例：{seq:3}）。</translation>
    </message>
    <message>
        <source>{seq:…} needs a number from 1 to 9, like {seq:3}.</source>
        <translation>{seq:…}には1〜9の数値を指定してください（例：{seq:3}）。</translation>
    </message>
    <message>
        <source>{seq} only works in the file name.</source>
        <translation>{seq}はファイル名でのみ使用できます。</translation>
    </message>
    <message>
        <source>The file name can’t be empty.</source>
        <translation>ファイル名を空にすることはできません。</translation>
    </message>
    <message>
        <source>A folder level is empty. Check for “//” or a “/” at the start or end.</source>
        <translation>空のフォルダー階層があります。「//」や、先頭または末尾の「/」がないか確認してください。</translation>
    </message>
    <message>
        <source>Use {seq} only once.</source>
        <translation>{seq}は1回だけ使用してください。</translation>
    </message>
    <message>
        <source>Without {seq} or {original}, files that would get the same name get “_2”, “_3”… added.</source>
        <translation>{seq}または{original}がない場合、同じ名前になるファイルには「_2」「_3」…が付加されます。</translation>
    </message>
</context>
<context>
    <name>OffloadBlocker</name>
    <message>
        <source>1 copy is missing at the destination — choose Re-offload</source>
        <translation>保存先にコピーが1個ありません。「再取り込み」を選んでください</translation>
    </message>
    <message>
        <source>Only a short clip is left — choose Include Anyway to offload it</source>
        <translation>残っているのは短いクリップ1本だけです。取り込むには「それでも含める」を選んでください</translation>
    </message>
    <message>
        <source>Only short clips are left — choose Include All Short Clips to offload them</source>
        <translation>残っているのは短いクリップだけです。取り込むには「短いクリップをすべて含める」を選んでください</translation>
    </message>
    <message>
        <source>Nothing new in the chosen dates — choose Any date to see everything</source>
        <translation>選択した期間に新しいファイルはありません。すべて表示するには「すべての日付」を選んでください</translation>
    </message>
    <message>
        <source>Everything on this card is already offloaded</source>
        <translation>このカードの内容はすべて取り込み済みです</translation>
    </message>
    <message>
        <source>Scanning card…</source>
        <translation>カードをスキャン中…</translation>
    </message>
    <message>
        <source>Insert a card to begin</source>
        <translation>カードを挿入して開始してください</translation>
    </message>
    <message>
        <source>This card is empty</source>
        <translation>このカードは空です</translation>
    </message>
    <message>
        <source>Fix the naming template in Settings</source>
        <translation>設定で命名テンプレートを修正してください</translation>
    </message>
    <message>
        <source>Enter a project name</source>
        <translation>プロジェクト名を入力してください</translation>
    </message>
    <message>
        <source>Choose a camera</source>
        <translation>カメラを選んでください</translation>
    </message>
    <message>
        <source>Choose a destination folder</source>
        <translation>保存先フォルダーを選んでください</translation>
    </message>
    <message>
        <source>The share “%1” on %2 isn’t answering</source>
        <translation>%2の共有「%1」が応答しません</translation>
    </message>
    <message>
        <source>The destination folder isn’t answering</source>
        <translation>保存先フォルダーが応答しません</translation>
    </message>
    <message>
        <source>The backup destination %1 isn’t connected — connect it or remove it from the backups</source>
        <translation>バックアップ先%1が接続されていません。接続するか、バックアップから削除してください</translation>
    </message>
    <message>
        <source>The destination folder isn’t connected — choose another</source>
        <translation>保存先フォルダーが接続されていません。別のフォルダーを選んでください</translation>
    </message>
    <message>
        <source>The backup destination %1 is on this card.</source>
        <translation>バックアップ先%1がこのカード上にあります。</translation>
    </message>
    <message>
        <source>Your destination folder is on this card.</source>
        <translation>保存先フォルダーがこのカード上にあります。</translation>
    </message>
    <message>
        <source>Not enough space: needs %1, %2 free</source>
        <translation>空き容量が不足しています：必要な容量%1、空き容量%2</translation>
    </message>
    <message>
        <source>The backup destination %1 is the destination itself — remove it from the backups</source>
        <translation>バックアップ先%1は保存先そのものです。バックアップから削除してください</translation>
    </message>
    <message numerus="yes">
        <source>%n copies are missing at the destination — choose Re-offload</source>
        <translation>
            <numerusform>保存先にコピーが%n個ありません。「再取り込み」を選んでください</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OffloadCommands</name>
    <message>
        <source>There’s no camera named %1. Add your cameras in Stowly’s settings first.</source>
        <translation>%1という名前のカメラはありません。先にStowlyの設定でカメラを追加してください。</translation>
    </message>
    <message>
        <source>There’s no camera named %1. Your cameras: %2.</source>
        <translation>%1という名前のカメラはありません。登録済みのカメラ：%2。</translation>
    </message>
    <message>
        <source>Making the backups of “%1” left from its last offload…</source>
        <translation>前回の取り込みで残っていた「%1」のバックアップを作成中…</translation>
    </message>
    <message>
        <source>%1 is named twice.</source>
        <translation>%1が2回指定されています。</translation>
    </message>
    <message>
        <source>Stopping… the files being copied are removed, the copies already verified stay recorded.</source>
        <translation>停止中…コピー中のファイルは削除され、検証済みのコピーは記録されたまま残ります。</translation>
    </message>
    <message>
        <source>The offload couldn’t start.</source>
        <translation>取り込みを開始できませんでした。</translation>
    </message>
    <message>
        <source>waiting for its turn on the drive.</source>
        <translation>ドライブの順番を待っています。</translation>
    </message>
    <message>
        <source>Stopping… the backups still to be made from the first copies are made the next time Stowly runs.</source>
        <translation>停止中…最初のコピーからまだ作成されていないバックアップは、次回Stowlyの実行時に作成されます。</translation>
    </message>
    <message>
        <source>Stopping… the file being copied is removed, the copies already verified stay recorded.</source>
        <translation>停止中…コピー中のファイルは削除され、検証済みのコピーは記録されたまま残ります。</translation>
    </message>
</context>
<context>
    <name>OffloadFormatting</name>
    <message>
        <source>%1 copied</source>
        <translation>%1コピー済み</translation>
    </message>
    <message>
        <source>No new files</source>
        <translation>新しいファイルはありません</translation>
    </message>
    <message>
        <source>1 new file</source>
        <translation>新しいファイル1個</translation>
    </message>
    <message>
        <source> · %1 ignored</source>
        <translation> · %1件を無視</translation>
    </message>
    <message>
        <source> · cancelled</source>
        <translation> · キャンセル</translation>
    </message>
    <message>
        <source> · %1 failed</source>
        <translation> · %1件失敗</translation>
    </message>
    <message>
        <source> · ready to erase</source>
        <translation> · 消去可能</translation>
    </message>
    <message>
        <source>Couldn’t save the history: %1. The copies are made and verified, but Stowly won’t remember them: the card is not ready to erase.</source>
        <translation>履歴を保存できませんでした：%1。コピーは作成・検証されましたが、Stowlyはそれを記録できません。このカードはまだ消去できる状態ではありません。</translation>
    </message>
    <message>
        <source>“%1” can be taken out — 1 backup is still being made</source>
        <translation>「%1」は取り外せます。バックアップ1件を作成中です</translation>
    </message>
    <message>
        <source>1 file left</source>
        <translation>残りファイル1個</translation>
    </message>
    <message>
        <source>Backups from the first copy: %1 · %2 of %3</source>
        <translation>最初のコピーからのバックアップ：%1 · %2 / %3</translation>
    </message>
    <message>
        <source>Estimating time…</source>
        <translation>残り時間を計算中…</translation>
    </message>
    <message>
        <source>Almost done</source>
        <translation>まもなく完了</translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>残り1分未満</translation>
    </message>
    <message>
        <source>About %1 min left</source>
        <translation>残り約%1分</translation>
    </message>
    <message>
        <source>About %1 hr left</source>
        <translation>残り約%1時間</translation>
    </message>
    <message>
        <source>About %1 hr %2 min left</source>
        <translation>残り約%1時間%2分</translation>
    </message>
    <message>
        <source>%1 copied · %2 skipped · %3 failed</source>
        <translation>コピー%1件 · スキップ%2件 · 失敗%3件</translation>
    </message>
    <message>
        <source> · %1 of %2 copies verified at %3 destinations</source>
        <translation> · %3か所の保存先でコピー%2個中%1個を検証済み</translation>
    </message>
    <message>
        <source>Offload Cancelled</source>
        <translation>取り込みをキャンセルしました</translation>
    </message>
    <message>
        <source>Finished with Problems</source>
        <translation>完了（問題あり）</translation>
    </message>
    <message>
        <source>Offload Complete</source>
        <translation>取り込み完了</translation>
    </message>
    <message>
        <source> — card ejected, safe to remove</source>
        <translation> — カードを取り出しました。安全に取り外せます</translation>
    </message>
    <message>
        <source>“%1” was removed before 1 file was copied. Put it back in to copy the rest.</source>
        <translation>「%1」は、1個のファイルのコピーが終わる前に取り外されました。残りをコピーするには、もう一度挿入してください。</translation>
    </message>
    <message>
        <source>The copies on “%1” could only be read back through a cache; they are not proved against the drive itself.</source>
        <translation>「%1」上のコピーはキャッシュ経由でしか読み戻せませんでした。ドライブ自体に対しては検証されていません。</translation>
    </message>
    <message>
        <source>The program run after the offload failed: %1</source>
        <translation>取り込み後に実行したプログラムが失敗しました：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n new files</source>
        <translation>
            <numerusform>新しいファイル%n個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” can be taken out — %n backups are still being made</source>
        <translation>
            <numerusform>「%1」は取り外せます。バックアップ%n件を作成中です</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files left</source>
        <translation>
            <numerusform>残りファイル%n個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” was removed before %n files were copied. Put it back in to copy the rest.</source>
        <translation>
            <numerusform>「%1」は、%n個のファイルのコピーが終わる前に取り外されました。残りをコピーするには、もう一度挿入してください。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OffloadManifests</name>
    <message>
        <source>The ASC MHL history in %1 wasn’t written: %2</source>
        <translation>%1のASC MHL履歴を書き込めませんでした：%2</translation>
    </message>
</context>
<context>
    <name>OffloadPreset</name>
    <message>
        <source>No folders</source>
        <translation>フォルダーなし</translation>
    </message>
    <message>
        <source>Quick dump</source>
        <translation>クイックダンプ</translation>
    </message>
    <message>
        <source>Skips &lt; %1 s</source>
        <translation>%1秒未満をスキップ</translation>
    </message>
    <message>
        <source>Keeps short clips</source>
        <translation>短いクリップも取り込む</translation>
    </message>
    <message>
        <source>“shortClipSeconds” of %1 is too large</source>
        <translation>%1の「shortClipSeconds」が大きすぎます</translation>
    </message>
    <message>
        <source>“fileRules” of %1 lacks one of its three lists</source>
        <translation>%1の「fileRules」に3つのリストのいずれかがありません</translation>
    </message>
</context>
<context>
    <name>OffloadRule</name>
    <message>
        <source>“match” of %1 isn’t one Stowly knows</source>
        <translation>%1の「match」はStowlyが認識できない値です</translation>
    </message>
</context>
<context>
    <name>Offloader</name>
    <message>
        <source>Couldn’t open the destination folder %1</source>
        <translation>保存先フォルダー%1を開けませんでした</translation>
    </message>
    <message>
        <source>Couldn’t create the folder %1 in the destination: %2.</source>
        <translation>保存先にフォルダー%1を作成できませんでした：%2。</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%2の%1</translation>
    </message>
    <message>
        <source>The share “%1” on %2 stopped answering. What was being copied there is not recorded; offload the card again once the share is back.</source>
        <translation>%2の共有「%1」が応答しなくなりました。そこにコピー中だったものは記録されていません。共有が復旧したら、カードをもう一度取り込んでください。</translation>
    </message>
</context>
<context>
    <name>OnboardingDrive</name>
    <message>
        <source>Internal</source>
        <translation>内蔵</translation>
    </message>
    <message>
        <source>External</source>
        <translation>外付け</translation>
    </message>
</context>
<context>
    <name>OnboardingStarter</name>
    <message>
        <source>Film Shoot</source>
        <translation>映像撮影</translation>
    </message>
    <message>
        <source>Photo Session</source>
        <translation>写真撮影</translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation>ポッドキャスト</translation>
    </message>
    <message>
        <source>Daily Archive</source>
        <translation>日別アーカイブ</translation>
    </message>
    <message>
        <source>My Preset</source>
        <translation>マイプリセット</translation>
    </message>
</context>
<context>
    <name>PresetOperations</name>
    <message>
        <source>New Preset</source>
        <translation>新規プリセット</translation>
    </message>
</context>
<context>
    <name>PresetsCommand</name>
    <message>
        <source>  Destination:  </source>
        <translation>  保存先：          </translation>
    </message>
    <message>
        <source>(unchanged)</source>
        <translation>（変更なし）</translation>
    </message>
    <message>
        <source>  Folders:      </source>
        <translation>  フォルダー：      </translation>
    </message>
    <message>
        <source>  Files:        </source>
        <translation>  ファイル：        </translation>
    </message>
    <message>
        <source>  Camera:       </source>
        <translation>  カメラ：          </translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>  Short clips:  </source>
        <translation>  短いクリップ：    </translation>
    </message>
    <message>
        <source>skipped under %1 s</source>
        <translation>%1秒未満はスキップ</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>取り込む</translation>
    </message>
    <message>
        <source>  Quick dump:   </source>
        <translation>  クイックダンプ：  </translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>No presets yet. Save the current settings as one with “stowly-cli presets save NAME”.</source>
        <translation>プリセットはまだありません。「stowly-cli presets save NAME」で現在の設定をプリセットとして保存できます。</translation>
    </message>
    <message>
        <source> (in use)</source>
        <translation>（使用中）</translation>
    </message>
    <message>
        <source>presets takes show, save, update or delete, not %1.</source>
        <translation>presetsに指定できるのはshow、save、update、deleteのいずれかです（%1は指定できません）。</translation>
    </message>
    <message>
        <source>presets %1 needs the preset’s name.</source>
        <translation>presets %1にはプリセットの名前を指定してください。</translation>
    </message>
    <message>
        <source>Saved the current settings as %1.</source>
        <translation>現在の設定を%1として保存しました。</translation>
    </message>
    <message>
        <source>There’s no preset named %1. Run “stowly-cli presets” to list them.</source>
        <translation>%1という名前のプリセットはありません。「stowly-cli presets」を実行すると一覧を表示できます。</translation>
    </message>
    <message>
        <source>%1 now holds the current settings.</source>
        <translation>%1を現在の設定で更新しました。</translation>
    </message>
    <message>
        <source>Rule %1 offloads cards with %2: remove the rule first.</source>
        <translation>ルール%1は%2でカードを取り込みます。先にこのルールを削除してください。</translation>
    </message>
    <message>
        <source>Deleted %1.</source>
        <translation>%1を削除しました。</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <source>The program “%1” wasn’t found.</source>
        <translation>プログラム「%1」が見つかりませんでした。</translation>
    </message>
    <message>
        <source>It didn’t finish within a second.</source>
        <translation>1秒以内に終了しませんでした。</translation>
    </message>
    <message>
        <source>It stopped unexpectedly.</source>
        <translation>予期せず停止しました。</translation>
    </message>
    <message numerus="yes">
        <source>It didn’t finish within %n seconds.</source>
        <translation>
            <numerusform>%n秒以内に終了しませんでした。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <source>%1/%2 files · %3 of %4</source>
        <translation>%1/%2ファイル · %3 / %4</translation>
    </message>
    <message>
        <source>verifying source</source>
        <translation>ソースを検証中</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>検証中</translation>
    </message>
    <message>
        <source>%1: failed</source>
        <translation>%1：失敗</translation>
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
        <translation>前回、Stowlyは予期せず終了しました。クラッシュレポートを送信しますか？</translation>
    </message>
    <message>
        <source>This opens a new email to %1 with the crash report and Stowly’s recent log attached. File, card and drive names are left out. You can read it over before sending.</source>
        <translation>クラッシュレポートとStowlyの最近のログを添付した、%1宛ての新しいメールが開きます。ファイル、カード、ドライブの名前は含まれません。送信前に内容を確認できます。</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>レポートを送信</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>今はしない</translation>
    </message>
</context>
<context>
    <name>QueueLines</name>
    <message>
        <source>%1 · %2 of %3 files · %4 of %5 · %6</source>
        <translation>%1 · %3個中%2個のファイル · %4 / %5 · %6</translation>
    </message>
    <message>
        <source>%1 · waiting · %2 · %3</source>
        <translation>%1 · 待機中 · %2 · %3</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1個のファイル</translation>
    </message>
    <message>
        <source>%1 copying</source>
        <translation>%1件をコピー中</translation>
    </message>
    <message>
        <source>%1 waiting</source>
        <translation>%1件が待機中</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Waiting for “%1” to finish on %2</source>
        <translation>%2で「%1」の完了を待っています</translation>
    </message>
    <message>
        <source>Waiting for its turn</source>
        <translation>順番を待っています</translation>
    </message>
    <message>
        <source>Waiting · next in line</source>
        <translation>待機中 · 次の順番</translation>
    </message>
    <message>
        <source>Waiting · %1 ahead</source>
        <translation>待機中 · 前に%1件</translation>
    </message>
    <message>
        <source>Copying · %1 of %2 files</source>
        <translation>コピー中 · %2個中%1個のファイル</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n個のファイル</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Quoted</name>
    <message>
        <source>“%1”</source>
        <translation>「%1」</translation>
    </message>
</context>
<context>
    <name>ReadBack</name>
    <message>
        <source>Read back from the drive around its cache</source>
        <translation>キャッシュを回避してドライブから読み戻し</translation>
    </message>
    <message>
        <source>Read back from the share after the local cache was dropped</source>
        <translation>ローカルキャッシュを破棄した後に共有から読み戻し</translation>
    </message>
    <message>
        <source>Read back through a cache: the copies could not be read from the drive itself</source>
        <translation>キャッシュ経由で読み戻し：ドライブ自体からコピーを読み取れませんでした</translation>
    </message>
</context>
<context>
    <name>ReoffloadAlert</name>
    <message>
        <source>The 1 file</source>
        <translation>1個のファイル</translation>
    </message>
    <message>
        <source>Re-offload everything on “%1”?</source>
        <translation>「%1」のすべてを再取り込みしますか？</translation>
    </message>
    <message>
        <source>%1 will be copied and verified again as new copies, including ones already offloaded. Existing copies are never overwritten: the usual naming rules apply, so new copies get the next sequence number, or “_2” at the end of the name.</source>
        <translation>取り込み済みのものも含め、%1が新しいコピーとして再度コピー・検証されます。既存のコピーが上書きされることはありません。通常の命名規則が適用されるため、新しいコピーには次の連番、または名前の末尾に「_2」が付きます。</translation>
    </message>
    <message>
        <source>Re-offload Everything</source>
        <translation>すべてを再取り込み</translation>
    </message>
    <message>
        <source>the 1 file</source>
        <translation>1個のファイル</translation>
    </message>
    <message>
        <source>Forget the offload history of “%1”?</source>
        <translation>「%1」の取り込み履歴を消去しますか？</translation>
    </message>
    <message>
        <source>Stowly will forget %1 it offloaded from this card%2, so they show as new and are copied again next time. The copies already at the destination aren’t touched.

Until this card is offloaded again, it won’t be ready to format.</source>
        <translation>このカードから取り込んだ%1%2の記録をStowlyから消去します。これらは新しいファイルとして表示され、次回もう一度コピーされます。保存先にあるコピーには手を加えません。

このカードをもう一度取り込むまで、フォーマットできる状態にはなりません。</translation>
    </message>
    <message>
        <source>Forget History</source>
        <translation>履歴を消去</translation>
    </message>
    <message>
        <source>Stowly forgot %1 it offloaded from %2%3. The copies already at the destination aren’t touched.</source>
        <translation>%2から取り込んだ%1%3の記録をStowlyから消去しました。保存先にあるコピーには手を加えていません。</translation>
    </message>
    <message numerus="yes">
        <source>All %n files</source>
        <translation>
            <numerusform>%n個のファイルすべて</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the %n files</source>
        <translation>
            <numerusform>%n個のファイル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n copies)</source>
        <translation>
            <numerusform>（コピー%n個）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportBuilder</name>
    <message>
        <source>Offload of “%1”</source>
        <translation>「%1」の取り込み</translation>
    </message>
    <message>
        <source>Offload History of “%1”</source>
        <translation>「%1」の取り込み履歴</translation>
    </message>
    <message>
        <source>Offloads of %1</source>
        <translation>%1の取り込み</translation>
    </message>
    <message>
        <source>Offloads for “%1”</source>
        <translation>「%1」の取り込み</translation>
    </message>
    <message>
        <source>No offload has the id “%1”.</source>
        <translation>ID「%1」の取り込みはありません。</translation>
    </message>
    <message>
        <source>Stowly has no verified copies from a card named “%1”.</source>
        <translation>Stowlyには、「%1」という名前のカードからの検証済みのコピーはありません。</translation>
    </message>
    <message>
        <source>Nothing was offloaded on %1.</source>
        <translation>%1には何も取り込まれていません。</translation>
    </message>
    <message>
        <source>No offload was made for the project “%1”.</source>
        <translation>プロジェクト「%1」の取り込みはありません。</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>Stowly has no offload to report yet.</source>
        <translation>レポートできる取り込みはまだありません。</translation>
    </message>
    <message>
        <source>No offload has an id starting with “%1”.</source>
        <translation>「%1」で始まるIDの取り込みはありません。</translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>1 file, %1</source>
        <translation>1個のファイル、%1</translation>
    </message>
    <message>
        <source>Read back after a flush</source>
        <translation>フラッシュ後に読み戻し</translation>
    </message>
    <message>
        <source>source read twice</source>
        <translation>ソースを2回読み取り</translation>
    </message>
    <message>
        <source>ASC MHL</source>
        <translation>ASC MHL</translation>
    </message>
    <message>
        <source>copied from the first copy</source>
        <translation>最初のコピーからコピー</translation>
    </message>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>カード</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>プロジェクト</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>オペレーター</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Stowly</source>
        <translation>Stowly</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>終了</translation>
    </message>
    <message>
        <source> (cancelled)</source>
        <translation>（キャンセル）</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>コピー済み</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Verification</source>
        <translation>検証</translation>
    </message>
    <message>
        <source>May be damaged: %1</source>
        <translation>破損の可能性あり：%1</translation>
    </message>
    <message>
        <source>proved %1</source>
        <translation>検証済み %1</translation>
    </message>
    <message>
        <source>· every copy proved</source>
        <translation>· すべてのコピーを検証済み</translation>
    </message>
    <message>
        <source>· finished with problems</source>
        <translation>· 完了（問題あり）</translation>
    </message>
    <message>
        <source>Offloads</source>
        <translation>取り込み</translation>
    </message>
    <message>
        <source>Destinations</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Digests</source>
        <translation>ダイジェスト</translation>
    </message>
    <message>
        <source>Verified copies</source>
        <translation>検証済みのコピー</translation>
    </message>
    <message numerus="yes">
        <source>%n files, %1</source>
        <translation>
            <numerusform>%n個のファイル、%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Couldn’t write the PDF at %1.</source>
        <translation>%1にPDFを書き込めませんでした。</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 / %2ページ</translation>
    </message>
    <message>
        <source>Made by Stowly. Every copy is proved with SHA-256.</source>
        <translation>Stowlyで作成。すべてのコピーはSHA-256で検証されています。</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>“%1” isn’t a report format. Use pdf, html, csv or json.</source>
        <translation>「%1」はレポート形式ではありません。pdf、html、csv、jsonのいずれかを使用してください。</translation>
    </message>
    <message>
        <source>Name at least one report format: pdf, html, csv or json.</source>
        <translation>レポート形式を1つ以上指定してください：pdf、html、csv、json。</translation>
    </message>
    <message>
        <source>Offload %1 %2</source>
        <translation>取り込み %1 %2</translation>
    </message>
    <message>
        <source>Offload History %1</source>
        <translation>取り込み履歴 %1</translation>
    </message>
    <message>
        <source>Offloads %1</source>
        <translation>取り込み %1</translation>
    </message>
    <message>
        <source>Project %1</source>
        <translation>プロジェクト %1</translation>
    </message>
    <message>
        <source>No room for a temporary file.</source>
        <translation>一時ファイル用の空き容量がありません。</translation>
    </message>
    <message>
        <source>Couldn’t make the folder %1: %2</source>
        <translation>フォルダー%1を作成できませんでした：%2</translation>
    </message>
    <message>
        <source>Couldn’t write the report %1: %2</source>
        <translation>レポート%1を書き込めませんでした：%2</translation>
    </message>
</context>
<context>
    <name>RulesCommand</name>
    <message>
        <source>rules add needs --match: any, name:PATTERN, identity:ID or camera:NAME.</source>
        <translation>rules addには--matchを指定してください：any、name:PATTERN、identity:ID、camera:NAMEのいずれか。</translation>
    </message>
    <message>
        <source>--match takes any, name:PATTERN, identity:ID or camera:NAME, not %1.</source>
        <translation>--matchに指定できるのはany、name:PATTERN、identity:ID、camera:NAMEのいずれかです（%1は指定できません）。</translation>
    </message>
    <message>
        <source>There’s no camera named %1.</source>
        <translation>%1という名前のカメラはありません。</translation>
    </message>
    <message>
        <source>There’s no preset named %1. Run “stowly-cli presets” to list them.</source>
        <translation>%1という名前のプリセットはありません。「stowly-cli presets」を実行すると一覧を表示できます。</translation>
    </message>
    <message>
        <source>No rules yet: inserted cards wait for you. Add one with “stowly-cli rules add --match any --preset NAME”.</source>
        <translation>ルールはまだありません。挿入されたカードは操作を待ちます。「stowly-cli rules add --match any --preset NAME」でルールを追加できます。</translation>
    </message>
    <message>
        <source>Added rule %1: </source>
        <translation>ルール%1を追加しました：</translation>
    </message>
    <message>
        <source>There’s no rule %1. Run “stowly-cli rules” to list them.</source>
        <translation>ルール%1はありません。「stowly-cli rules」を実行すると一覧を表示できます。</translation>
    </message>
    <message>
        <source>Removed the rule </source>
        <translation>ルールを削除しました：</translation>
    </message>
    <message>
        <source>rules takes add with its options, or remove with the rule’s number.</source>
        <translation>rulesには、オプション付きのadd、またはルール番号付きのremoveを指定してください。</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message>
        <source>The record of an offload couldn’t be read (%1); its report is left out.</source>
        <translation>取り込みの記録を読み取れませんでした（%1）。そのレポートは省略されます。</translation>
    </message>
</context>
<context>
    <name>ScanFailure</name>
    <message>
        <source>Stowly couldn’t read this card (%1).</source>
        <translation>Stowlyはこのカードを読み取れませんでした（%1）。</translation>
    </message>
    <message>
        <source>Stowly couldn’t read “%1” on this card (%2).</source>
        <translation>Stowlyはこのカード上の「%1」を読み取れませんでした（%2）。</translation>
    </message>
</context>
<context>
    <name>ServerAddress</name>
    <message>
        <source>%1 on %2</source>
        <translation>%2 の %1</translation>
    </message>
    <message>
        <source>%1 isn’t of the form keyword=value.</source>
        <translation>%1 は keyword=value の形式ではありません。</translation>
    </message>
    <message>
        <source>A quoted value has no closing quote.</source>
        <translation>引用符で囲んだ値に閉じ引用符がありません。</translation>
    </message>
    <message>
        <source>%1 isn’t a server address.</source>
        <translation>%1 はサーバーのアドレスではありません。</translation>
    </message>
    <message>
        <source>The history server’s password can’t be kept in the settings, where anyone who reads them sees it. Put it in ~/.pgpass, or in a file named by passfile=, or in the desktop’s keyring.</source>
        <translation>履歴サーバーのパスワードは、読めば誰にでも見える設定には保存できません。~/.pgpass、passfile= で指定したファイル、またはデスクトップのキーリングに保存してください。</translation>
    </message>
    <message>
        <source>%1 isn’t a port number.</source>
        <translation>%1 はポート番号ではありません。</translation>
    </message>
    <message>
        <source>%1 can’t hold a semicolon.</source>
        <translation>%1 にセミコロンは使えません。</translation>
    </message>
    <message>
        <source>The history server’s address names no host (host=…).</source>
        <translation>履歴サーバーのアドレスにホスト（host=…）がありません。</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>このコンピューター</translation>
    </message>
</context>
<context>
    <name>ServerHistory</name>
    <message>
        <source>Couldn’t reach the history server %1 (%2).</source>
        <translation>履歴サーバー %1 に接続できませんでした（%2）。</translation>
    </message>
    <message>
        <source>Qt’s PostgreSQL driver isn’t installed (Debian’s libqt6sql6-psql).</source>
        <translation>Qt の PostgreSQL ドライバーがインストールされていません（Debian の libqt6sql6-psql）。</translation>
    </message>
    <message>
        <source>Couldn’t prepare the history server’s tables: %1</source>
        <translation>履歴サーバーのテーブルを準備できませんでした: %1</translation>
    </message>
    <message>
        <source>The history server’s tables were made by a newer Stowly (version %1); this one reads version %2. Update Stowly on this station.</source>
        <translation>履歴サーバーのテーブルは新しい Stowly（バージョン %1）で作られています。この Stowly が読めるのはバージョン %2 です。このステーションの Stowly を更新してください。</translation>
    </message>
    <message>
        <source>it didn’t answer a moment ago</source>
        <translation>少し前に応答がありませんでした</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>There’s no setting %1. Run “stowly-cli settings” to list them.</source>
        <translation>%1という設定はありません。「stowly-cli settings」を実行すると一覧を表示できます。</translation>
    </message>
    <message>
        <source>%1 is kept by Stowly itself.</source>
        <translation>%1はStowly自身が管理する設定です。</translation>
    </message>
    <message>
        <source>Couldn’t save the preferences to %1.</source>
        <translation>設定を%1に保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>SettingsTable</name>
    <message>
        <source>%1 takes %2.</source>
        <translation>%1には%2を指定してください。</translation>
    </message>
    <message>
        <source>%1 takes a whole number of %2 from %3 to %4.</source>
        <translation>%1には%3から%4までの整数（単位：%2）を指定してください。</translation>
    </message>
    <message>
        <source>There’s no folder at %1.</source>
        <translation>%1にフォルダーがありません。</translation>
    </message>
    <message>
        <source>%1 takes a JSON array of folders.</source>
        <translation>%1にはフォルダーのJSON配列を指定してください。</translation>
    </message>
    <message>
        <source>%1 takes a JSON array of names.</source>
        <translation>%1には名前のJSON配列を指定してください。</translation>
    </message>
    <message>
        <source>“excludedCategories” takes the names video, photo, audio and other, not %1.</source>
        <translation>「excludedCategories」に指定できる名前はvideo、photo、audio、otherです（%1は指定できません）。</translation>
    </message>
    <message>
        <source>“dateFilter” takes any, today, last7days, two dates like 2024-05-01..2024-05-03, or its JSON form.</source>
        <translation>「dateFilter」に指定できるのはany、today、last7days、2024-05-01..2024-05-03のような2つの日付、またはそのJSON形式です。</translation>
    </message>
    <message>
        <source>“fileRules” takes a JSON object with the lists “proxyExtensions”, “sidecarExtensions” and “ignorePatterns”.</source>
        <translation>「fileRules」には、リスト「proxyExtensions」「sidecarExtensions」「ignorePatterns」を持つJSONオブジェクトを指定してください。</translation>
    </message>
    <message>
        <source>“ignoredImportCards” takes a JSON array of objects with “identity” and “name”.</source>
        <translation>「ignoredImportCards」には、「identity」と「name」を持つオブジェクトのJSON配列を指定してください。</translation>
    </message>
    <message>
        <source>xxh128 is always taken; it needn’t be listed.</source>
        <translation>xxh128は常に計算されるため、指定する必要はありません。</translation>
    </message>
    <message>
        <source>%1 takes the formats %2, not %3.</source>
        <translation>%1に指定できる形式は%2です（%3は指定できません）。</translation>
    </message>
    <message>
        <source>The folder the copies go into.</source>
        <translation>コピーを保存するフォルダーです。</translation>
    </message>
    <message>
        <source>Further folders, usually on other drives, that get a copy too.</source>
        <translation>同じくコピーを受け取る追加のフォルダーです。通常は別のドライブ上にあります。</translation>
    </message>
    <message>
        <source>The backup folders that copy from the first copy once it is proved rather than from the card, so the card is free sooner.</source>
        <translation>カードからではなく、検証済みの最初のコピーからコピーするバックアップフォルダーです。これによりカードを早く解放できます。</translation>
    </message>
    <message>
        <source>Read each file from the card again after its copies are verified, to catch a failing card or reader.</source>
        <translation>コピーの検証後に各ファイルをカードからもう一度読み取り、故障しかけているカードやカードリーダーを検出します。</translation>
    </message>
    <message>
        <source>Keep an ASC MHL history (xxh128) at the top of every destination.</source>
        <translation>すべての保存先の最上位にASC MHL履歴（xxh128）を保持します。</translation>
    </message>
    <message>
        <source>The formats the ASC MHL histories take besides xxh128, from the same read of the card as the copy.</source>
        <translation>ASC MHL履歴にxxh128以外に記録する形式です。コピーと同じカードの読み取りから計算します。</translation>
    </message>
    <message>
        <source>Copy to one drive from several cards at once.</source>
        <translation>複数のカードから1台のドライブに同時にコピーします。</translation>
    </message>
    <message>
        <source>Eject the card when its offload is done.</source>
        <translation>取り込みが完了したらカードを取り出します。</translation>
    </message>
    <message>
        <source>A program run after each card&apos;s offload, with the offload as JSON on its standard input; empty for none.</source>
        <translation>各カードの取り込み後に実行するプログラムです。取り込みの内容がJSONとして標準入力に渡されます。空欄の場合は実行しません。</translation>
    </message>
    <message>
        <source>The person who offloads, named in every offload&apos;s report.</source>
        <translation>取り込みを行う人の名前です。すべての取り込みのレポートに記載されます。</translation>
    </message>
    <message>
        <source>Write each offload&apos;s report (PDF and CSV) into every destination, in a folder named Stowly Reports.</source>
        <translation>各取り込みのレポート（PDFとCSV）を、すべての保存先の「Stowly Reports」という名前のフォルダーに書き込みます。</translation>
    </message>
    <message>
        <source>How the folders the copies go into are named.</source>
        <translation>コピーを保存するフォルダーの名前の付け方です。</translation>
    </message>
    <message>
        <source>How the copied files are named.</source>
        <translation>コピーしたファイルの名前の付け方です。</translation>
    </message>
    <message>
        <source>The project of the last offload, offered for the next.</source>
        <translation>前回の取り込みのプロジェクトです。次回の候補として表示されます。</translation>
    </message>
    <message>
        <source>The projects offered again, the most recent first.</source>
        <translation>再度候補として表示するプロジェクトです。新しいものから順に並びます。</translation>
    </message>
    <message>
        <source>The kinds of files left on the card.</source>
        <translation>カードに残すファイルの種類です。</translation>
    </message>
    <message>
        <source>Play a sound when an offload succeeds.</source>
        <translation>取り込みが成功したらサウンドを鳴らします。</translation>
    </message>
    <message>
        <source>Leave clips shorter than a few seconds behind.</source>
        <translation>数秒より短いクリップをカードに残します。</translation>
    </message>
    <message>
        <source>How many seconds a clip must last not to be left behind.</source>
        <translation>カードに残されないためにクリップに必要な長さ（秒）です。</translation>
    </message>
    <message>
        <source>The colours of the windows.</source>
        <translation>ウィンドウの配色です。</translation>
    </message>
    <message>
        <source>Light or dark windows, or as the desktop has them.</source>
        <translation>ウィンドウをライトにするかダークにするか、またはデスクトップの設定に合わせます。</translation>
    </message>
    <message>
        <source>A card’s files as a list or a grid.</source>
        <translation>カードのファイルをリストまたはグリッドで表示します。</translation>
    </message>
    <message>
        <source>Show thumbnails in the list of files.</source>
        <translation>ファイルのリストにサムネイルを表示します。</translation>
    </message>
    <message>
        <source>Offload without a project in the names.</source>
        <translation>名前にプロジェクトを含めずに取り込みます。</translation>
    </message>
    <message>
        <source>Which days’ files an offload takes.</source>
        <translation>取り込みの対象とするファイルの日付です。</translation>
    </message>
    <message>
        <source>Keep running in the background when the window closes.</source>
        <translation>ウィンドウを閉じてもバックグラウンドで実行し続けます。</translation>
    </message>
    <message>
        <source>Ask to offload a card when it is inserted.</source>
        <translation>カードが挿入されたときに、取り込むかどうかを確認します。</translation>
    </message>
    <message>
        <source>Mount cards when they are inserted.</source>
        <translation>カードが挿入されたときにマウントします。</translation>
    </message>
    <message>
        <source>Show Stowly’s icon while it runs in the background.</source>
        <translation>バックグラウンドで実行中にStowlyのアイコンを表示します。</translation>
    </message>
    <message>
        <source>Ask to offload in a notification or a panel.</source>
        <translation>取り込むかどうかを通知またはパネルで確認します。</translation>
    </message>
    <message>
        <source>The cards Stowly no longer asks to offload.</source>
        <translation>Stowlyが取り込みを確認しなくなったカードです。</translation>
    </message>
    <message>
        <source>Which files are proxies or sidecars, and which are ignored.</source>
        <translation>どのファイルをプロキシまたはサイドカーファイルとして扱い、どのファイルを無視するかです。</translation>
    </message>
    <message>
        <source>Whether the one destination of older versions is now among the favourites.</source>
        <translation>以前のバージョンの単一の保存先が、すでにお気に入りに含まれているかどうかです。</translation>
    </message>
    <message>
        <source>The tab the settings window shows.</source>
        <translation>設定ウィンドウに表示するタブです。</translation>
    </message>
    <message>
        <source>The language Stowly speaks, or “system” for the desktop’s; it takes effect when Stowly next starts.</source>
        <translation>Stowlyの表示言語。「system」はデスクトップの言語に従います。次回Stowlyを起動したときに反映されます。</translation>
    </message>
    <message>
        <source>A PostgreSQL server that keeps one history of verified copies for several stations, in libpq’s form; empty to keep the history on this computer only. The password comes from ~/.pgpass, a passfile=, or the desktop’s keyring.</source>
        <translation>複数のステーションで検証済みコピーの履歴を共有する PostgreSQL サーバー（libpq の形式）。空にすると履歴はこのコンピューターだけに保存されます。パスワードは ~/.pgpass、passfile=、またはデスクトップのキーリングから取得します。</translation>
    </message>
    <message>
        <source>This station’s name in the shared history; empty for the computer’s host name.</source>
        <translation>共有履歴でのこのステーションの名前。空にするとコンピューターのホスト名になります。</translation>
    </message>
    <message>
        <source>Trust copies verified by other stations: a card may be erased when its copies are where only another station can check them.</source>
        <translation>他のステーションが検証したコピーを信頼する: コピーが他のステーションでしか確認できない場所にあっても、カードを消去できます。</translation>
    </message>
</context>
<context>
    <name>SpaceInfo</name>
    <message>
        <source>%1 available</source>
        <translation>空き%1</translation>
    </message>
    <message>
        <source>Free space unknown</source>
        <translation>空き容量不明</translation>
    </message>
    <message>
        <source>needs %1</source>
        <translation>%1必要</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1バイト</translation>
    </message>
</context>
<context>
    <name>StageState</name>
    <message>
        <source>Card</source>
        <translation>カード</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>メディア</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>保存先</translation>
    </message>
</context>
<context>
    <name>StageTexts</name>
    <message>
        <source>Insert an SD Card</source>
        <translation>SDカードを挿入してください</translation>
    </message>
    <message>
        <source>Stowly fills in the rest as soon as a card is mounted.</source>
        <translation>カードがマウントされると、Stowlyが残りを自動で入力します。</translation>
    </message>
    <message>
        <source>Ignored items (system files and your ignore list in Settings ▸ Files) aren’t copied and don’t stop the card being ready to format.</source>
        <translation>無視された項目（システムファイルと、設定 ▸ ファイルの無視リスト）はコピーされず、カードをフォーマットできる状態になるのを妨げません。</translation>
    </message>
    <message>
        <source>Card actions</source>
        <translation>カードの操作</translation>
    </message>
    <message>
        <source>Eject Card</source>
        <translation>カードを取り出す</translation>
    </message>
    <message>
        <source>Forget This Card’s History…</source>
        <translation>このカードの履歴を消去…</translation>
    </message>
    <message>
        <source>Every file on this card has a verified copy at the destination.</source>
        <translation>このカードのすべてのファイルに、保存先の検証済みのコピーがあります。</translation>
    </message>
    <message>
        <source>Reading the offload history…</source>
        <translation>取り込み履歴を読み取り中…</translation>
    </message>
    <message>
        <source>Media appears here once a card is inserted.</source>
        <translation>カードを挿入すると、ここにメディアが表示されます。</translation>
    </message>
    <message>
        <source>Looking for media…</source>
        <translation>メディアを検索中…</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>プロジェクト</translation>
    </message>
    <message>
        <source>Used in file and folder names when the naming template includes it</source>
        <translation>命名テンプレートに含まれている場合、ファイル名とフォルダー名に使用されます</translation>
    </message>
    <message>
        <source>Clear the project name</source>
        <translation>プロジェクト名を消去</translation>
    </message>
    <message>
        <source>Recent projects</source>
        <translation>最近のプロジェクト</translation>
    </message>
    <message>
        <source>Clear Recent Projects</source>
        <translation>最近のプロジェクトを消去</translation>
    </message>
    <message>
        <source>Not needed for a quick dump</source>
        <translation>クイックダンプでは不要です</translation>
    </message>
    <message>
        <source>Optional, not in the template</source>
        <translation>任意（テンプレートに含まれていません）</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>The camera these files came from. Fills the {camera} token.</source>
        <translation>これらのファイルを撮影したカメラです。{camera}トークンに入ります。</translation>
    </message>
    <message>
        <source>Choose a camera…</source>
        <translation>カメラを選択…</translation>
    </message>
    <message>
        <source>Quick dump</source>
        <translation>クイックダンプ</translation>
    </message>
    <message>
        <source>Skips the project name and dumps all the footage straight into a dated folder.</source>
        <translation>プロジェクト名を省略し、すべての素材を日付のフォルダーに直接コピーします。</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Copies only files from these days, by the date each file was created (or last changed, if the card doesn’t record that). Sidecars and proxies go with their clip. Everything else stays on the card.</source>
        <translation>各ファイルの作成日（カードに記録されていない場合は最終更新日）で判断し、これらの日のファイルだけをコピーします。サイドカーファイルとプロキシはクリップと一緒にコピーされます。それ以外はカードに残ります。</translation>
    </message>
    <message>
        <source>Switch between the files to copy, files offloaded before and skipped short clips</source>
        <translation>コピーするファイル、以前に取り込んだファイル、スキップした短いクリップを切り替えます</translation>
    </message>
    <message>
        <source>Name Preview</source>
        <translation>名前のプレビュー</translation>
    </message>
    <message>
        <source>Already Offloaded (%1)</source>
        <translation>取り込み済み（%1）</translation>
    </message>
    <message>
        <source>Short Clips Skipped (%1)</source>
        <translation>スキップした短いクリップ（%1）</translation>
    </message>
    <message>
        <source>These files were offloaded before, but their copies are gone or changed size. They aren’t copied again unless you choose Re-offload.</source>
        <translation>これらのファイルは以前に取り込まれましたが、コピーがなくなったか、サイズが変わっています。「再取り込み」を選ばない限り、再度コピーされることはありません。</translation>
    </message>
    <message>
        <source>Videos shorter than %1 stay on the card with their sidecars. Change this in Settings ▸ General.</source>
        <translation>%1より短い動画は、サイドカーファイルと一緒にカードに残ります。これは設定 ▸ 一般で変更できます。</translation>
    </message>
    <message>
        <source>These new files are from other days, so they stay on the card. Choose Any date under Dates to copy them too.</source>
        <translation>これらの新しいファイルは別の日のものなので、カードに残ります。これらもコピーするには、「日付」で「すべての日付」を選んでください。</translation>
    </message>
    <message>
        <source>Re-offload</source>
        <translation>再取り込み</translation>
    </message>
    <message>
        <source>Copy files again that were offloaded before. New copies never overwrite old ones.</source>
        <translation>以前に取り込んだファイルをもう一度コピーします。新しいコピーが古いコピーを上書きすることはありません。</translation>
    </message>
    <message>
        <source>Re-offload Missing Copies</source>
        <translation>見つからないコピーを再取り込み</translation>
    </message>
    <message>
        <source>Re-offload Everything on This Card…</source>
        <translation>このカードのすべてを再取り込み…</translation>
    </message>
    <message>
        <source>Don’t Re-offload</source>
        <translation>再取り込みしない</translation>
    </message>
    <message>
        <source>Re-offload This File</source>
        <translation>このファイルを再取り込み</translation>
    </message>
    <message>
        <source>Don’t Re-offload This File</source>
        <translation>このファイルを再取り込みしない</translation>
    </message>
    <message>
        <source>Show Copy in %1</source>
        <translation>%1でコピーを表示</translation>
    </message>
    <message>
        <source>Skip This Short Clip</source>
        <translation>この短いクリップをスキップ</translation>
    </message>
    <message>
        <source>Offload this clip anyway</source>
        <translation>それでもこのクリップを取り込みます</translation>
    </message>
    <message>
        <source>Include All Short Clips</source>
        <translation>短いクリップをすべて含める</translation>
    </message>
    <message>
        <source>Offload every short clip on this card</source>
        <translation>このカードの短いクリップをすべて取り込みます</translation>
    </message>
    <message>
        <source>Press Space to preview the selected file%1</source>
        <translation>スペースキーを押すと、選択したファイルをプレビューできます%1</translation>
    </message>
    <message>
        <source>Choose the folder your media is copied into, or drop one here from %1.</source>
        <translation>メディアのコピー先フォルダーを選ぶか、%1からここにフォルダーをドロップしてください。</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>フォルダーを選択…</translation>
    </message>
    <message>
        <source>Drop a folder from %1 here to copy into it</source>
        <translation>%1からフォルダーをここにドロップすると、そこにコピーします</translation>
    </message>
    <message>
        <source>Show the destination folder in %1</source>
        <translation>%1で保存先フォルダーを表示</translation>
    </message>
    <message>
        <source>Choose a folder that isn’t one of your favorites</source>
        <translation>お気に入り以外のフォルダーを選択</translation>
    </message>
    <message>
        <source>Choose where files are copied</source>
        <translation>ファイルのコピー先を選択</translation>
    </message>
    <message>
        <source>Choose Other Folder…</source>
        <translation>ほかのフォルダーを選択…</translation>
    </message>
    <message>
        <source>Edit Favorites…</source>
        <translation>お気に入りを編集…</translation>
    </message>
    <message>
        <source>Add “%1” to Favorites</source>
        <translation>「%1」をお気に入りに追加</translation>
    </message>
    <message>
        <source>%1 isn’t connected</source>
        <translation>%1は接続されていません</translation>
    </message>
    <message>
        <source>Offload</source>
        <translation>取り込む</translation>
    </message>
    <message>
        <source>Offload 1 File</source>
        <translation>1個のファイルを取り込む</translation>
    </message>
    <message numerus="yes">
        <source>Offload %n Files</source>
        <translation>
            <numerusform>%n個のファイルを取り込む</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy and verify the new files</source>
        <translation>新しいファイルをコピーして検証します</translation>
    </message>
    <message>
        <source>Ready. Every file is verified with SHA-256 after copying.</source>
        <translation>準備完了。すべてのファイルはコピー後にSHA-256で検証されます。</translation>
    </message>
    <message>
        <source>Offload progress</source>
        <translation>取り込みの進行状況</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>検証中</translation>
    </message>
    <message>
        <source>Verifying source</source>
        <translation>ソースを検証中</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Files you offload will be listed here.</source>
        <translation>取り込んだファイルがここに表示されます。</translation>
    </message>
    <message>
        <source>Remove from the history. The copy itself isn’t touched; the file shows as new on its card again.</source>
        <translation>履歴から削除します。コピー自体には手を加えません。このファイルは、カード上で再び新しいファイルとして表示されます。</translation>
    </message>
</context>
<context>
    <name>StationCommand</name>
    <message>
        <source>There’s no preset named %1. Run “stowly-cli presets” to list them.</source>
        <translation>%1という名前のプリセットはありません。「stowly-cli presets」を実行すると一覧を表示できます。</translation>
    </message>
    <message>
        <source>There are no rules to offload cards by. Add one with “stowly-cli rules add”, or give every card one preset with --preset.</source>
        <translation>カードを取り込むためのルールがありません。「stowly-cli rules add」でルールを追加するか、--presetですべてのカードに使うプリセットを1つ指定してください。</translation>
    </message>
    <message>
        <source>%1 inserted at %2.</source>
        <translation>%1が%2に挿入されました。</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1が取り外されました。</translation>
    </message>
    <message>
        <source>%1 left alone: %2</source>
        <translation>%1はそのままにします：%2</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1は失敗しました：%2</translation>
    </message>
    <message numerus="yes">
        <source>%1: copying %n files (%2).</source>
        <translation>
            <numerusform>%1：%n個のファイルをコピー中（%2）。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 queued: waiting for its turn on the drive.</source>
        <translation>%1をキューに追加しました：ドライブの順番を待っています。</translation>
    </message>
    <message>
        <source>%1 queued.</source>
        <translation>%1をキューに追加しました。</translation>
    </message>
    <message>
        <source>%1: the backups from the first copies are made.</source>
        <translation>%1：最初のコピーからのバックアップを作成しました。</translation>
    </message>
    <message>
        <source>%1 couldn’t be ejected: %2</source>
        <translation>%1を取り出せませんでした：%2</translation>
    </message>
    <message>
        <source>%1 ejected; it can be taken out.</source>
        <translation>%1を取り出しました。取り外せます。</translation>
    </message>
    <message>
        <source>Watching for cards; each is offloaded with the preset %1.</source>
        <translation>カードを監視しています。各カードはプリセット%1で取り込まれます。</translation>
    </message>
    <message numerus="yes">
        <source>Watching for cards; each is offloaded by the first of %n rule(s) it matches.</source>
        <translation>
            <numerusform>カードを監視しています。各カードは、%n件のルールのうち最初に一致したルールで取り込まれます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping… the files being copied are removed, the copies already verified stay recorded.</source>
        <translation>停止中…コピー中のファイルは削除され、検証済みのコピーは記録されたまま残ります。</translation>
    </message>
    <message>
        <source>The backups still to be made from the first copies are made the next time Stowly runs.</source>
        <translation>最初のコピーからまだ作成されていないバックアップは、次回Stowlyの実行時に作成されます。</translation>
    </message>
    <message>
        <source>Station stopped: %1 offloaded, %2 failed.</source>
        <translation>ステーションを停止しました：取り込み%1件、失敗%2件。</translation>
    </message>
</context>
<context>
    <name>StoreFile</name>
    <message>
        <source>the file isn’t valid JSON (%1 at byte %2)</source>
        <translation>ファイルが有効なJSONではありません（%2バイト目：%1）</translation>
    </message>
    <message>
        <source>the file doesn’t hold a JSON object</source>
        <translation>ファイルにJSONオブジェクトが含まれていません</translation>
    </message>
    <message>
        <source>%1. The old file was kept as %2.</source>
        <translation>%1。古いファイルは%2として保存しました。</translation>
    </message>
    <message>
        <source>%1. It couldn’t be set aside (%2), so Stowly won’t save over it.</source>
        <translation>%1。このファイルを退避できなかったため（%2）、Stowlyは上書き保存しません。</translation>
    </message>
</context>
<context>
    <name>TextOutput</name>
    <message>
        <source>%1 (%2):</source>
        <translation>%1（%2）：</translation>
    </message>
    <message>
        <source>%1 at %2 (identity %3)</source>
        <translation>%2の%1（識別子%3）</translation>
    </message>
    <message>
        <source>%1 on %2, not mounted</source>
        <translation>%2の%1（未マウント）</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Offloaded before</source>
        <translation>以前に取り込み済み</translation>
    </message>
    <message>
        <source>Copy missing at the destination</source>
        <translation>保存先にコピーがありません</translation>
    </message>
    <message>
        <source>Ignored (%1):</source>
        <translation>無視（%1）：</translation>
    </message>
    <message>
        <source>To copy: %1</source>
        <translation>コピー対象：%1</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1個のファイル</translation>
    </message>
    <message>
        <source>1 short clip left on the card</source>
        <translation>カードに残す短いクリップ1本</translation>
    </message>
    <message>
        <source>1 file from other days</source>
        <translation>別の日のファイル1個</translation>
    </message>
    <message>
        <source>%1 already offloaded</source>
        <translation>%1個は取り込み済み</translation>
    </message>
    <message>
        <source>1 copy missing, not copied again</source>
        <translation>見つからないコピー1個（再コピーしません）</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>対象外：%1</translation>
    </message>
    <message>
        <source>May be damaged: %1: %2</source>
        <translation>破損の可能性あり：%1：%2</translation>
    </message>
    <message>
        <source>Ready. Every file is verified with SHA-256 after copying.</source>
        <translation>準備完了。すべてのファイルはコピー後にSHA-256で検証されます。</translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation>コピー先：%1</translation>
    </message>
    <message>
        <source>(with %1)</source>
        <translation>（%1にも）</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n個のファイル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n short clips left on the card</source>
        <translation>
            <numerusform>カードに残す短いクリップ%n本</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files from other days</source>
        <translation>
            <numerusform>別の日のファイル%n個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n copies missing, not copied again</source>
        <translation>
            <numerusform>見つからないコピー%n個（再コピーしません）</numerusform>
        </translation>
    </message>
    <message>
        <source>video</source>
        <translation>動画</translation>
    </message>
    <message>
        <source>photo</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>1 file offloaded by another station to a place this one can’t see</source>
        <translation>1個のファイルは、このステーションからは見えない場所に他のステーションがオフロードしました</translation>
    </message>
    <message numerus="yes">
        <source>%n files offloaded by another station to places this one can’t see</source>
        <translation>
            <numerusform>%n個のファイルは、このステーションからは見えない場所に他のステーションがオフロードしました</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>Same as the desktop</source>
        <translation>デスクトップと同じ</translation>
    </message>
    <message>
        <source>Layout check (lengthened texts)</source>
        <translation>レイアウト確認（長めのテキスト）</translation>
    </message>
</context>
<context>
    <name>VerifyCommand</name>
    <message>
        <source>Missing: %1</source>
        <translation>見つかりません：%1</translation>
    </message>
    <message>
        <source>Changed: %1 is %2 bytes; the history says %3.</source>
        <translation>変更あり：%1は%2バイトですが、履歴では%3です。</translation>
    </message>
    <message>
        <source>Changed: %1 doesn’t match its %2 in the history.</source>
        <translation>変更あり：%1が履歴の%2と一致しません。</translation>
    </message>
    <message>
        <source>Unreadable: %1: %2</source>
        <translation>読み取り不可：%1：%2</translation>
    </message>
    <message>
        <source>Not in the history: %1</source>
        <translation>履歴にありません：%1</translation>
    </message>
    <message>
        <source>%1 of %2 recorded files match; %3 missing, %4 changed, %5 unreadable, %6 not in the history.</source>
        <translation>記録された%2個のファイルのうち%1個が一致しています。見つからない：%3個、変更あり：%4個、読み取り不可：%5個、履歴にない：%6個。</translation>
    </message>
    <message>
        <source>There’s no folder %1.</source>
        <translation>フォルダー%1はありません。</translation>
    </message>
    <message>
        <source>%1 has no ASC MHL history (no “ascmhl” folder).</source>
        <translation>%1にはASC MHL履歴がありません（「ascmhl」フォルダーがありません）。</translation>
    </message>
    <message>
        <source>The ASC MHL history of %1 is empty.</source>
        <translation>%1のASC MHL履歴は空です。</translation>
    </message>
    <message>
        <source>Couldn’t add the result to the history: %1</source>
        <translation>結果を履歴に追加できませんでした：%1</translation>
    </message>
    <message>
        <source>Recorded as %1.</source>
        <translation>%1として記録しました。</translation>
    </message>
    <message numerus="yes">
        <source>All %n recorded files match.</source>
        <translation>
            <numerusform>記録された%n個のファイルはすべて一致しています。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VolumeInfo</name>
    <message>
        <source>This drive is read-only, so Stowly can’t write to it — choose another</source>
        <translation>このドライブは読み取り専用のため、Stowlyは書き込めません。別のドライブを選んでください</translation>
    </message>
    <message>
        <source>This drive is read-only (NTFS). %1 can’t write to it.</source>
        <translation>このドライブは読み取り専用です（NTFS）。%1は書き込めません。</translation>
    </message>
    <message>
        <source>This drive is read-only (%1), so Stowly can’t write to it — choose another</source>
        <translation>このドライブは読み取り専用（%1）のため、Stowlyは書き込めません。別のドライブを選んでください</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Run “stowly-cli --help” for the usage.</source>
        <translation>使い方は「stowly-cli --help」で確認できます。</translation>
    </message>
</context>
<context>
    <name>platformWords</name>
    <message>
        <source>computer</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Unknown computer</source>
        <translation>不明なコンピューター</translation>
    </message>
    <message>
        <source>Unknown chip</source>
        <translation>不明なチップ</translation>
    </message>
    <message>
        <source>(The crash report couldn’t be attached. It’s in the folder %1.)</source>
        <translation>（クラッシュレポートを添付できませんでした。レポートはフォルダー%1にあります。）</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>ファイルマネージャー</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>ファイルマネージャー</translation>
    </message>
    <message>
        <source>If you don’t see a prompt when you plug in a card (for example while Do Not Disturb is on), switch to Floating panel. The desktop keeps notifications quiet during Do Not Disturb; the floating panel always shows.</source>
        <translation>カードを接続しても確認が表示されない場合（おやすみモードがオンのときなど）は、「フローティングパネル」に切り替えてください。おやすみモード中はデスクトップが通知を表示しませんが、フローティングパネルは常に表示されます。</translation>
    </message>
    <message>
        <source>system tray</source>
        <translation>システムトレイ</translation>
    </message>
    <message>
        <source>System Tray</source>
        <translation>システムトレイ</translation>
    </message>
    <message>
        <source>With the icon hidden, Stowly keeps running in the background and still asks to import. Open Stowly from the file manager or the application launcher to show its window, and quit it from there with Ctrl+Q.</source>
        <translation>アイコンを非表示にしても、Stowlyはバックグラウンドで実行を続け、インポートの確認も行います。ウィンドウを表示するにはファイルマネージャーまたはアプリケーションランチャーからStowlyを開き、終了するにはそのウィンドウでCtrl+Qを押してください。</translation>
    </message>
    <message>
        <source>Allow Stowly in your desktop’s settings for startup applications.</source>
        <translation>デスクトップの自動起動アプリケーションの設定でStowlyを許可してください。</translation>
    </message>
    <message>
        <source>Stowly is updated by your system’s package manager, together with the rest of your software, so these settings have no effect here.</source>
        <translation>Stowlyはほかのソフトウェアと一緒にシステムのパッケージマネージャーで更新されるため、これらの設定はこの環境では効果がありません。</translation>
    </message>
</context>
<context>
    <name>stowly::AfterOffloadProgram</name>
    <message>
        <source>“%1” couldn’t be started: %2</source>
        <translation>「%1」を起動できませんでした：%2</translation>
    </message>
    <message>
        <source>“%1” ended abnormally.</source>
        <translation>「%1」が異常終了しました。</translation>
    </message>
    <message>
        <source>“%1” ended with status %2.</source>
        <translation>「%1」がステータス%2で終了しました。</translation>
    </message>
    <message>
        <source>“%1” was still running after %2 seconds and was stopped.</source>
        <translation>「%1」は%2秒経っても実行中だったため、停止しました。</translation>
    </message>
</context>
<context>
    <name>stowly::AppMenu</name>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>About Stowly</source>
        <translation>Stowlyについて</translation>
    </message>
    <message>
        <source>Report a Bug…</source>
        <translation>バグを報告…</translation>
    </message>
    <message>
        <source>Contact Support…</source>
        <translation>サポートに問い合わせ…</translation>
    </message>
    <message>
        <source>Tip Jar…</source>
        <translation>チップを贈る…</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>謝辞</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>Quit Stowly</source>
        <translation>Stowlyを終了</translation>
    </message>
    <message>
        <source>Stowly %1</source>
        <translation>Stowly %1</translation>
    </message>
    <message>
        <source>Offloads camera cards into one organised folder structure and proves every copy with SHA-256.</source>
        <translation>カメラのカードを整理されたフォルダー構成に取り込み、すべてのコピーをSHA-256で検証します。</translation>
    </message>
    <message>
        <source>Stowly support</source>
        <translation>Stowlyサポート</translation>
    </message>
    <message>
        <source>Stowly could not load Acknowledgements.txt.</source>
        <translation>StowlyはAcknowledgements.txtを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>Stowly is updated by your system’s package manager, together with the rest of your software.</source>
        <translation>Stowlyはほかのソフトウェアと一緒に、システムのパッケージマネージャーで更新されます。</translation>
    </message>
</context>
<context>
    <name>stowly::AppModel</name>
    <message>
        <source>Making backups</source>
        <translation>バックアップを作成中</translation>
    </message>
    <message>
        <source>Copying “%1”</source>
        <translation>「%1」をコピー中</translation>
    </message>
    <message>
        <source>Erasing “%1”</source>
        <translation>「%1」を消去中</translation>
    </message>
    <message>
        <source> · can be taken out</source>
        <translation> · 取り外し可能</translation>
    </message>
</context>
<context>
    <name>stowly::AppSettings</name>
    <message>
        <source>Choose the folder Stowly should copy your media into.</source>
        <translation>Stowlyがメディアをコピーするフォルダーを選んでください。</translation>
    </message>
</context>
<context>
    <name>stowly::AppearanceSettingsTab</name>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>オーロラ</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>オーシャン</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>トワイライト</translation>
    </message>
    <message>
        <source>Ember</source>
        <translation>エンバー</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>フォレスト</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Offload 12 Files</source>
        <translation>12個のファイルを取り込む</translation>
    </message>
    <message>
        <source>Sample start button</source>
        <translation>開始ボタンの見本</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Show files as</source>
        <translation>ファイルの表示</translation>
    </message>
    <message>
        <source>List</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>グリッド</translation>
    </message>
    <message>
        <source>Show thumbnails in the list</source>
        <translation>リストにサムネイルを表示</translation>
    </message>
    <message>
        <source>Select files and press Space to preview them%1. Thumbnails are only read from the card, never written to it.</source>
        <translation>ファイルを選択してスペースキーを押すとプレビューできます%1。サムネイルはカードから読み取るだけで、カードに書き込むことはありません。</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>%1 theme</source>
        <translation>%1テーマ</translation>
    </message>
    <message>
        <source>Default is neutral black and white. The colour themes tint the buttons, progress, highlights and the window’s background.</source>
        <translation>「デフォルト」はニュートラルな白黒です。カラーテーマでは、ボタン、進行状況、ハイライト、ウィンドウの背景に色が付きます。</translation>
    </message>
    <message>
        <source>Increase Contrast or Reduce Transparency is on, so Stowly uses solid colours from the theme instead of gradients.</source>
        <translation>「コントラストを上げる」または「透明度を下げる」がオンのため、Stowlyはグラデーションの代わりにテーマの単色を使用します。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Stowly speaks the chosen language the next time it opens.</source>
        <translation>選んだ言語は、次回Stowlyを開いたときに反映されます。</translation>
    </message>
</context>
<context>
    <name>stowly::AutomaticOffload</name>
    <message>
        <source>No rule matches this card.</source>
        <translation>このカードに一致するルールはありません。</translation>
    </message>
    <message>
        <source>The preset its rule names is gone.</source>
        <translation>ルールで指定されたプリセットがなくなっています。</translation>
    </message>
    <message>
        <source>The preset’s destination %1 isn’t there.</source>
        <translation>プリセットの保存先%1が見つかりません。</translation>
    </message>
    <message>
        <source>Its preset’s file rules kept changing while it was read.</source>
        <translation>読み取り中に、プリセットのファイルルールが変更され続けました。</translation>
    </message>
    <message>
        <source>Its rule asks before offloading.</source>
        <translation>このルールは取り込む前に確認します。</translation>
    </message>
    <message>
        <source>The offload couldn’t start.</source>
        <translation>取り込みを開始できませんでした。</translation>
    </message>
    <message>
        <source>Give the card name to match.</source>
        <translation>一致させるカード名を入力してください。</translation>
    </message>
    <message>
        <source>Choose the camera whose cards this rule takes.</source>
        <translation>このルールの対象とするカードのカメラを選んでください。</translation>
    </message>
    <message>
        <source>Give the card’s volume identity.</source>
        <translation>カードのボリューム識別子を入力してください。</translation>
    </message>
    <message>
        <source>The camera this rule names isn’t in your cameras.</source>
        <translation>このルールで指定されたカメラは、登録済みのカメラにありません。</translation>
    </message>
    <message>
        <source>The preset this rule names isn’t in your presets.</source>
        <translation>このルールで指定されたプリセットは、登録済みのプリセットにありません。</translation>
    </message>
    <message>
        <source>The preset %1</source>
        <translation>プリセット%1</translation>
    </message>
    <message>
        <source>The current setup</source>
        <translation>現在の設定</translation>
    </message>
    <message>
        <source>%1 has an error in its naming.</source>
        <translation>%1の命名にエラーがあります。</translation>
    </message>
    <message>
        <source>%1 names folders or files after the project: give the rule a project.</source>
        <translation>%1はフォルダー名やファイル名にプロジェクトを使用します。ルールにプロジェクトを指定してください。</translation>
    </message>
    <message>
        <source>Any card</source>
        <translation>すべてのカード</translation>
    </message>
    <message>
        <source>The card %1</source>
        <translation>カード%1</translation>
    </message>
    <message>
        <source>Cards named %1</source>
        <translation>名前が%1のカード</translation>
    </message>
    <message>
        <source>Cards from %1</source>
        <translation>%1のカード</translation>
    </message>
    <message>
        <source>a camera that’s gone</source>
        <translation>削除されたカメラ</translation>
    </message>
    <message>
        <source>Preset %1</source>
        <translation>プリセット%1</translation>
    </message>
    <message>
        <source>A preset that’s gone</source>
        <translation>削除されたプリセット</translation>
    </message>
    <message>
        <source>Project %1</source>
        <translation>プロジェクト%1</translation>
    </message>
    <message>
        <source>Starts without asking</source>
        <translation>確認せずに開始</translation>
    </message>
    <message>
        <source>Asks first</source>
        <translation>先に確認</translation>
    </message>
    <message>
        <source>Ejects when verified</source>
        <translation>検証後に取り出す</translation>
    </message>
</context>
<context>
    <name>stowly::BackupDestinationsEditor</name>
    <message>
        <source>Backup destinations</source>
        <translation>バックアップ先</translation>
    </message>
    <message>
        <source>Add a backup folder</source>
        <translation>バックアップフォルダーを追加</translation>
    </message>
    <message>
        <source>Remove the selected backup folder</source>
        <translation>選択したバックアップフォルダーを削除</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>From the card</source>
        <translation>カードから</translation>
    </message>
    <message>
        <source>From the first copy</source>
        <translation>最初のコピーから</translation>
    </message>
    <message>
        <source>Copy to %1 from</source>
        <translation>%1へのコピー元</translation>
    </message>
    <message>
        <source>No backups: every file gets one copy.</source>
        <translation>バックアップなし：各ファイルのコピーは1つです。</translation>
    </message>
    <message>
        <source>Choose a folder for backup copies.</source>
        <translation>バックアップコピー用のフォルダーを選んでください。</translation>
    </message>
</context>
<context>
    <name>stowly::CameraStore</name>
    <message>
        <source>Couldn’t read the camera list: %1</source>
        <translation>カメラの一覧を読み取れませんでした：%1</translation>
    </message>
    <message>
        <source>Couldn’t save the camera list: %1.</source>
        <translation>カメラの一覧を保存できませんでした：%1。</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>the camera recorded for the card “%1” isn’t a UUID</source>
        <translation>カード「%1」に記録されたカメラがUUIDではありません</translation>
    </message>
</context>
<context>
    <name>stowly::CamerasSettingsTab</name>
    <message>
        <source>Cameras</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Camera name</source>
        <translation>カメラ名</translation>
    </message>
    <message>
        <source>Short Code</source>
        <translation>短縮コード</translation>
    </message>
    <message>
        <source>No Cameras</source>
        <translation>カメラなし</translation>
    </message>
    <message>
        <source>Click + to add the cameras you shoot with.</source>
        <translation>+をクリックして、撮影に使うカメラを追加します。</translation>
    </message>
    <message>
        <source>Add a camera</source>
        <translation>カメラを追加</translation>
    </message>
    <message>
        <source>Remove the selected camera</source>
        <translation>選択したカメラを削除</translation>
    </message>
    <message>
        <source>Pick one in the Media stage for each card. The short code (or the name) fills the {camera} token.</source>
        <translation>「メディア」ステージでカードごとに1つ選びます。{camera}トークンには短縮コード（または名前）が入ります。</translation>
    </message>
    <message>
        <source>Stowly remembers the camera you pick for each card and selects it the next time that card is inserted.</source>
        <translation>Stowlyはカードごとに選んだカメラを記憶し、次にそのカードが挿入されたときに自動で選択します。</translation>
    </message>
    <message>
        <source>New Camera</source>
        <translation>新しいカメラ</translation>
    </message>
</context>
<context>
    <name>stowly::CardStageView</name>
    <message>
        <source>Cards</source>
        <translation>カード</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Ejecting…</source>
        <translation>取り出し中…</translation>
    </message>
</context>
<context>
    <name>stowly::DateRangeDialog</name>
    <message>
        <source>Choose Dates</source>
        <translation>日付を選択</translation>
    </message>
    <message>
        <source>Copy only the files from these days, both days included. Everything else stays on the card.</source>
        <translation>この期間（両日を含む）のファイルだけをコピーします。それ以外はカードに残ります。</translation>
    </message>
    <message>
        <source>From</source>
        <translation>開始日</translation>
    </message>
    <message>
        <source>To</source>
        <translation>終了日</translation>
    </message>
    <message>
        <source>Use These Dates</source>
        <translation>この日付を使用</translation>
    </message>
</context>
<context>
    <name>stowly::DesktopApp</name>
    <message>
        <source>Offload complete</source>
        <translation>取り込み完了</translation>
    </message>
    <message>
        <source>Stop the offload and quit?</source>
        <translation>取り込みを停止して終了しますか？</translation>
    </message>
    <message>
        <source>Closing the window quits Stowly and stops the offload. Files copied so far keep their verified copies; the rest stay on the card.</source>
        <translation>ウィンドウを閉じるとStowlyが終了し、取り込みが停止します。ここまでにコピーされたファイルの検証済みのコピーは残り、残りのファイルはカードに残ります。</translation>
    </message>
    <message>
        <source>Quitting stops the offload. Files copied so far keep their verified copies; the rest stay on the card.</source>
        <translation>終了すると取り込みが停止します。ここまでにコピーされたファイルの検証済みのコピーは残り、残りのファイルはカードに残ります。</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>停止して終了</translation>
    </message>
    <message>
        <source>Keep Copying</source>
        <translation>コピーを続ける</translation>
    </message>
</context>
<context>
    <name>stowly::DestinationStageView</name>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Quick dump</source>
        <translation>クイックダンプ</translation>
    </message>
    <message>
        <source>Edit Folders</source>
        <translation>フォルダーを編集</translation>
    </message>
    <message>
        <source>Edit the folder levels</source>
        <translation>フォルダー階層を編集</translation>
    </message>
    <message>
        <source>The folders this offload fills show here once it can start.</source>
        <translation>取り込みを開始できる状態になると、この取り込みで使われるフォルダーがここに表示されます。</translation>
    </message>
</context>
<context>
    <name>stowly::DestinationStore</name>
    <message>
        <source>Couldn’t read your favorite destinations: %1</source>
        <translation>お気に入りの保存先を読み取れませんでした：%1</translation>
    </message>
    <message>
        <source>Couldn’t save your favorite destinations: %1.</source>
        <translation>お気に入りの保存先を保存できませんでした：%1。</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>“%1” already points at %2. Two favorites can’t share a folder, so “%3” wasn’t changed.</source>
        <translation>「%1」はすでに%2を指しています。2つのお気に入りで同じフォルダーは使えないため、「%3」は変更されませんでした。</translation>
    </message>
</context>
<context>
    <name>stowly::DestinationsSettingsTab</name>
    <message>
        <source>Not Connected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Make Default</source>
        <translation>デフォルトに設定</translation>
    </message>
    <message>
        <source>Change Folder…</source>
        <translation>フォルダーを変更…</translation>
    </message>
    <message>
        <source>Favorite Destinations</source>
        <translation>お気に入りの保存先</translation>
    </message>
    <message>
        <source>Switch between these in the Destination stage. A favorite on a drive that isn’t plugged in shows as Not Connected.</source>
        <translation>「保存先」ステージでこれらを切り替えられます。接続されていないドライブ上のお気に入りは「未接続」と表示されます。</translation>
    </message>
    <message>
        <source>Stowly starts in the default favorite. If its drive isn’t connected, it uses the one you used last. Drag favorites to put them in another order.</source>
        <translation>Stowlyはデフォルトのお気に入りで起動します。そのドライブが接続されていない場合は、最後に使用したものを使います。ドラッグしてお気に入りの順序を変更できます。</translation>
    </message>
    <message>
        <source>No Favorites</source>
        <translation>お気に入りなし</translation>
    </message>
    <message>
        <source>Click + to add a folder you offload to often.</source>
        <translation>+をクリックして、よく取り込み先にするフォルダーを追加します。</translation>
    </message>
    <message>
        <source>Add a favorite folder</source>
        <translation>お気に入りのフォルダーを追加</translation>
    </message>
    <message>
        <source>Remove the selected favorite</source>
        <translation>選択したお気に入りを削除</translation>
    </message>
    <message>
        <source>Favorite name</source>
        <translation>お気に入りの名前</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Choose a folder to add to your favorite destinations.</source>
        <translation>お気に入りの保存先に追加するフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>Choose the new folder for “%1”</source>
        <translation>「%1」の新しいフォルダーを選択</translation>
    </message>
    <message>
        <source>Backup Destinations</source>
        <translation>バックアップ先</translation>
    </message>
    <message>
        <source>Every file is also copied to these folders, under the same name as in the destination. A card is ready to erase only when each of them has its copies.</source>
        <translation>すべてのファイルは、保存先と同じ名前でこれらのフォルダーにもコピーされます。カードを消去できるのは、これらすべてにコピーがそろったときだけです。</translation>
    </message>
    <message>
        <source>Backups from the card are written in the same read as the destination. Backups from the first copy are made from the destination once its copy is proved, so a slow backup drive doesn’t hold up the card.</source>
        <translation>「カードから」のバックアップは、保存先と同じ読み取りで書き込まれます。「最初のコピーから」のバックアップは、保存先のコピーが検証された後にそこから作成されるため、遅いバックアップドライブがカードを待たせることはありません。</translation>
    </message>
    <message>
        <source>Read each file from the card again to check it</source>
        <translation>各ファイルをカードから再度読み取って確認</translation>
    </message>
    <message>
        <source>After a file’s copies are verified, Stowly reads it from the card a second time and compares. Slower, but it catches a card or reader that gives different bytes.</source>
        <translation>ファイルのコピーを検証した後、Stowlyはカードからもう一度読み取って比較します。時間はかかりますが、異なるデータを返すカードやカードリーダーを検出できます。</translation>
    </message>
    <message>
        <source>Keep an ASC MHL history at every destination</source>
        <translation>すべての保存先にASC MHL履歴を保持</translation>
    </message>
    <message>
        <source>Each offload adds a manifest with an xxh128 value for every copied file to the “ascmhl” folder at the top of the destination, so anyone can check the drive later, with Stowly (stowly-cli verify) or another ASC MHL tool.</source>
        <translation>取り込みのたびに、コピーした各ファイルのxxh128値を含むマニフェストが、保存先の最上位にある「ascmhl」フォルダーに追加されます。これにより、後からStowly（stowly-cli verify）やほかのASC MHLツールで誰でもドライブを確認できます。</translation>
    </message>
    <message>
        <source>Copy to one drive from several cards at once</source>
        <translation>複数のカードから1台のドライブに同時にコピー</translation>
    </message>
    <message>
        <source>Off, cards whose copies go to the same drive take turns, which keeps a spinning drive from seeking between them; cards that go to different drives always copy side by side. On, every card starts at once.</source>
        <translation>オフの場合、同じドライブにコピーするカードは順番にコピーされるため、回転式ドライブでシークが繰り返されるのを防げます。別々のドライブにコピーするカードは常に並行してコピーされます。オンの場合、すべてのカードが同時に開始されます。</translation>
    </message>
    <message>
        <source>Also take:</source>
        <translation>追加で計算：</translation>
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
        <translation>ASC MHL履歴に%1も記録</translation>
    </message>
    <message>
        <source>Formats a production asks for besides xxh128, taken from the same read of the card as the copy, for backups from the first copy too. MD5 and SHA-1 slow a fast card’s copy a little.</source>
        <translation>制作側がxxh128以外に求める形式です。コピーと同じカードの読み取りから計算され、最初のコピーからのバックアップにも使われます。MD5とSHA-1を使うと、高速なカードのコピーが少し遅くなります。</translation>
    </message>
</context>
<context>
    <name>stowly::FileRuleList</name>
    <message>
        <source>Add an extension, e.g. lrv</source>
        <translation>拡張子を追加（例：lrv）</translation>
    </message>
    <message>
        <source>Add an extension, e.g. thm</source>
        <translation>拡張子を追加（例：thm）</translation>
    </message>
    <message>
        <source>Add a name or pattern, e.g. *.tmp</source>
        <translation>名前またはパターンを追加（例：*.tmp）</translation>
    </message>
    <message>
        <source>That can’t be used here.</source>
        <translation>これはここでは使用できません。</translation>
    </message>
    <message>
        <source>would hide footage</source>
        <translation>素材が隠れます</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1を削除</translation>
    </message>
    <message>
        <source> matches photos or videos. Those files won’t be offloaded, and formatting the card erases them.</source>
        <translation>は写真または動画に一致します。これらのファイルは取り込まれず、カードをフォーマットすると消去されます。</translation>
    </message>
</context>
<context>
    <name>stowly::FilesSettingsTab</name>
    <message>
        <source>Proxies</source>
        <translation>プロキシ</translation>
    </message>
    <message>
        <source>Proxy extensions</source>
        <translation>プロキシの拡張子</translation>
    </message>
    <message>
        <source>Low-res copies like GoPro .LRV and DJI .LRF go into a Proxies folder inside the shoot folder, named after their clip. They’re never treated as footage and never skipped on their own: they follow their clip.</source>
        <translation>GoProの.LRVやDJIの.LRFなどの低解像度コピーは、撮影フォルダー内の「Proxies」フォルダーに、クリップの名前で保存されます。素材として扱われることはなく、単独でスキップされることもありません。常にクリップに従います。</translation>
    </message>
    <message>
        <source>Sidecars</source>
        <translation>サイドカーファイル</translation>
    </message>
    <message>
        <source>Sidecar extensions</source>
        <translation>サイドカーファイルの拡張子</translation>
    </message>
    <message>
        <source>Thumbnails, metadata and telemetry (.THM, .XML, .SRT) go into a Sidecars folder. Audio recorded with a clip (.WAV) goes in the WAV folder with the clip’s name.</source>
        <translation>サムネイル、メタデータ、テレメトリー（.THM、.XML、.SRT）は「Sidecars」フォルダーに保存されます。クリップと一緒に録音されたオーディオ（.WAV）は、クリップの名前で「WAV」フォルダーに保存されます。</translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation>無視</translation>
    </message>
    <message>
        <source>Ignored names</source>
        <translation>無視する名前</translation>
    </message>
    <message>
        <source>Ignored files are never copied and don’t stop a card being ready to format. The card shows how many there are. Use * and ? as wildcards, or .ext for an extension.</source>
        <translation>無視するファイルはコピーされず、カードをフォーマットできる状態になるのを妨げません。カードにはその数が表示されます。ワイルドカードには*と?を、拡張子には.extの形式を使用します。</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>デフォルトに戻す</translation>
    </message>
</context>
<context>
    <name>stowly::FolderLevelsEditor</name>
    <message>
        <source>Folder levels</source>
        <translation>フォルダー階層</translation>
    </message>
    <message>
        <source>Drag to move this level; drop a token on the side of a name to combine them.</source>
        <translation>ドラッグしてこの階層を移動します。名前の横にトークンをドロップすると結合されます。</translation>
    </message>
    <message>
        <source>Move “%1” to Its Own Level</source>
        <translation>「%1」を独立した階層に移動</translation>
    </message>
    <message>
        <source>What goes between the names side by side</source>
        <translation>並んだ名前の間に入れる文字</translation>
    </message>
    <message>
        <source>Remove Folder Level</source>
        <translation>フォルダー階層を削除</translation>
    </message>
</context>
<context>
    <name>stowly::FolderTreePreview</name>
    <message>
        <source>Folders the offload creates</source>
        <translation>取り込みで作成されるフォルダー</translation>
    </message>
    <message>
        <source>%1 is already at the destination; new files join it</source>
        <translation>%1はすでに保存先にあります。新しいファイルはそこに追加されます</translation>
    </message>
    <message>
        <source>%1 will be created</source>
        <translation>%1が作成されます</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1個のファイル</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n個のファイル</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stowly::GeneralSettingsTab</name>
    <message>
        <source>Files to Offload</source>
        <translation>取り込むファイル</translation>
    </message>
    <message>
        <source>Video (MP4, MOV, MXF, BRAW, R3D…)</source>
        <translation>動画（MP4、MOV、MXF、BRAW、R3D…）</translation>
    </message>
    <message>
        <source>Photos (JPG, HEIC, RAW, DNG…)</source>
        <translation>写真（JPG、HEIC、RAW、DNG…）</translation>
    </message>
    <message>
        <source>Audio (WAV, MP3, M4A…)</source>
        <translation>オーディオ（WAV、MP3、M4A…）</translation>
    </message>
    <message>
        <source>Other files (proxies, XML, metadata…)</source>
        <translation>その他のファイル（プロキシ、XML、メタデータ…）</translation>
    </message>
    <message>
        <source>Sidecars (like C0001M01.XML) and proxies (like GoPro .LRV) get their clip’s name and their own folders when Other is on. Change the lists and the ignore list in the Files tab.</source>
        <translation>「その他のファイル」がオンの場合、サイドカーファイル（C0001M01.XMLなど）とプロキシ（GoProの.LRVなど）には、クリップの名前と専用のフォルダーが付きます。リストと無視リストは「ファイル」タブで変更できます。</translation>
    </message>
    <message>
        <source>Skip videos shorter than</source>
        <translation>次より短い動画をスキップ</translation>
    </message>
    <message>
        <source>Skip videos shorter than, in seconds</source>
        <translation>次より短い動画をスキップ（秒）</translation>
    </message>
    <message>
        <source>Off keeps every clip. Accidental takes stay on the card, with their sidecars and proxies. Include them from the Media list any time. Clips whose length can’t be read (like BRAW or R3D) are always offloaded.</source>
        <translation>「オフ」にするとすべてのクリップを取り込みます。オンの場合、誤って撮影したテイクは、サイドカーファイルやプロキシと一緒にカードに残ります。これらは「メディア」のリストからいつでも含めることができます。長さを読み取れないクリップ（BRAWやR3Dなど）は常に取り込まれます。</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n秒</numerusform>
        </translation>
    </message>
    <message>
        <source>After Offload</source>
        <translation>取り込み後</translation>
    </message>
    <message>
        <source>Play a sound when an offload finishes</source>
        <translation>取り込みが完了したらサウンドを鳴らす</translation>
    </message>
    <message>
        <source>Eject card after offload</source>
        <translation>取り込み後にカードを取り出す</translation>
    </message>
    <message>
        <source>Only when every file was copied and verified.</source>
        <translation>すべてのファイルがコピーされ、検証された場合のみです。</translation>
    </message>
    <message>
        <source>Then run this program:</source>
        <translation>続けて実行するプログラム：</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>After each card, with the offload as JSON on its standard input. It has a minute; whatever it does, the copies and the history stay as they are.</source>
        <translation>各カードの取り込み後に、取り込みの内容をJSONとして標準入力に渡して実行します。制限時間は1分です。プログラムが何をしても、コピーと履歴はそのまま保たれます。</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>オペレーター：</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>あなたの名前</translation>
    </message>
    <message>
        <source>Named in every offload’s report, with the card, the camera and the project.</source>
        <translation>すべての取り込みのレポートに、カード、カメラ、プロジェクトとともに記載されます。</translation>
    </message>
    <message>
        <source>Write each offload’s report into every destination</source>
        <translation>各取り込みのレポートをすべての保存先に書き込む</translation>
    </message>
    <message>
        <source>A PDF and a CSV table of every file and its checksums, in the folder “Stowly Reports” at the top of each destination. Any offload’s report is also under Show Report in Recent Offloads.</source>
        <translation>すべてのファイルとそのチェックサムを記載したPDFとCSV表が、各保存先の最上位にある「Stowly Reports」フォルダーに書き込まれます。どの取り込みのレポートも、「最近の取り込み」の「レポートを表示」から確認できます。</translation>
    </message>
    <message>
        <source>Keep Stowly running in the %1</source>
        <translation>%1でStowlyを実行し続ける</translation>
    </message>
    <message>
        <source>Closing the window leaves Stowly running, so it can notice cards and drives as they’re plugged in.</source>
        <translation>ウィンドウを閉じてもStowlyは実行を続けるため、カードやドライブが接続されたときに検出できます。</translation>
    </message>
    <message>
        <source>Ask to import when a card or drive is plugged in</source>
        <translation>カードやドライブが接続されたらインポートを確認</translation>
    </message>
    <message>
        <source>Whenever Stowly is running. Only for cards and drives with camera folders or media; a card an Automatic Offload rule takes is offloaded without asking.</source>
        <translation>Stowlyの実行中は常に確認します。対象は、カメラのフォルダーやメディアがあるカードとドライブだけです。「自動取り込み」のルールの対象となるカードは、確認なしで取り込まれます。</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>Floating panel</source>
        <translation>フローティングパネル</translation>
    </message>
    <message>
        <source>Show %1 icon</source>
        <translation>%1アイコンを表示</translation>
    </message>
    <message>
        <source>This desktop shows no tray icons, so the %1 icon can’t appear here.</source>
        <translation>このデスクトップはトレイアイコンを表示しないため、%1アイコンはここに表示できません。</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>ログイン時に開く</translation>
    </message>
    <message>
        <source>Mount cards when they are inserted</source>
        <translation>カードの挿入時にマウント</translation>
    </message>
    <message>
        <source>Don’t ask for these cards</source>
        <translation>確認しないカード</translation>
    </message>
    <message>
        <source>Ask Again</source>
        <translation>再度確認する</translation>
    </message>
    <message>
        <source>Ask again for </source>
        <translation>再度確認する：</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>アップデートを自動的に確認</translation>
    </message>
    <message>
        <source>Automatically download and install updates</source>
        <translation>アップデートを自動的にダウンロードしてインストール</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n秒</numerusform>
        </translation>
    </message>
    <message>
        <source>Shared History</source>
        <translation>共有履歴</translation>
    </message>
    <message>
        <source>History server:</source>
        <translation>履歴サーバー:</translation>
    </message>
    <message>
        <source>None: the history stays on this computer</source>
        <translation>なし: 履歴はこのコンピューターに保存されます</translation>
    </message>
    <message>
        <source>This station:</source>
        <translation>このステーション:</translation>
    </message>
    <message>
        <source>Trust copies verified by other stations</source>
        <translation>他のステーションが検証したコピーを信頼する</translation>
    </message>
    <message>
        <source>A card may then be erased when its only copies are on another station’s drives, which this one can’t check.</source>
        <translation>カードの唯一のコピーが、このステーションでは確認できない他のステーションのドライブにある場合でも、消去できるようになります。</translation>
    </message>
    <message>
        <source>Stations that name the same PostgreSQL server (host=… dbname=… user=…) see each other’s copies. The password comes from ~/.pgpass or the desktop’s keyring, never from here.</source>
        <translation>同じ PostgreSQL サーバー（host=… dbname=… user=…）を指定したステーション同士は、互いのコピーを参照できます。パスワードは ~/.pgpass またはデスクトップのキーリングから取得し、ここには保存しません。</translation>
    </message>
</context>
<context>
    <name>stowly::History</name>
    <message>
        <source>Couldn’t read the ledger (%1). Stowly won’t overwrite it.</source>
        <translation>台帳を読み取れませんでした（%1）。Stowlyは台帳を上書きしません。</translation>
    </message>
    <message>
        <source>Couldn’t read the ledger’s journal (%1). Stowly won’t overwrite it.</source>
        <translation>台帳のジャーナルを読み取れませんでした（%1）。Stowlyはジャーナルを上書きしません。</translation>
    </message>
    <message>
        <source>Couldn’t read part of the ledger’s journal. The old file was kept as %1; everything readable in it is in the history.</source>
        <translation>台帳のジャーナルの一部を読み取れませんでした。古いファイルは%1として保存しました。読み取れた内容はすべて履歴に含まれています。</translation>
    </message>
    <message>
        <source>Couldn’t read the ledger’s journal, and couldn’t set it aside. Stowly won’t overwrite it.</source>
        <translation>台帳のジャーナルを読み取れず、退避することもできませんでした。Stowlyはジャーナルを上書きしません。</translation>
    </message>
    <message>
        <source>Couldn’t read the ledger (%1). The old file was kept as %2.</source>
        <translation>台帳を読み取れませんでした（%1）。古いファイルは%2として保存しました。</translation>
    </message>
    <message>
        <source>Couldn’t read the ledger, and couldn’t set it aside. Stowly won’t overwrite it.</source>
        <translation>台帳を読み取れず、退避することもできませんでした。Stowlyは台帳を上書きしません。</translation>
    </message>
    <message>
        <source>Couldn’t save the ledger: %1.</source>
        <translation>台帳を保存できませんでした：%1。</translation>
    </message>
</context>
<context>
    <name>stowly::ImportPrompter</name>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>無視</translation>
    </message>
    <message>
        <source>Don’t ask for this card</source>
        <translation>このカードについては確認しない</translation>
    </message>
    <message>
        <source>Don’t Ask for This Card</source>
        <translation>このカードについては確認しない</translation>
    </message>
</context>
<context>
    <name>stowly::LoginItem</name>
    <message>
        <source>Stowly couldn’t add itself to the programs that start at login: %1</source>
        <translation>Stowlyをログイン時に起動するプログラムに追加できませんでした：%1</translation>
    </message>
    <message>
        <source>Stowly couldn’t remove itself from the programs that start at login: %1 can’t be deleted.</source>
        <translation>Stowlyをログイン時に起動するプログラムから削除できませんでした：%1を削除できません。</translation>
    </message>
</context>
<context>
    <name>stowly::MainWindow</name>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Show the files offloaded so far</source>
        <translation>これまでに取り込んだファイルを表示</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>メインメニュー</translation>
    </message>
    <message>
        <source>About, help and support</source>
        <translation>情報、ヘルプ、サポート</translation>
    </message>
    <message>
        <source>Shared history</source>
        <translation>共有履歴</translation>
    </message>
    <message>
        <source>New copies are recorded on this station and go to the shared history once it answers; other stations’ copies aren’t seen meanwhile.</source>
        <translation>新しいコピーはこのステーションに記録され、共有履歴が応答ししだい送られます。それまでは他のステーションのコピーは見えません。</translation>
    </message>
</context>
<context>
    <name>stowly::MediaFields</name>
    <message>
        <source>Any date</source>
        <translation>すべての日付</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>過去7日間</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1〜%2</translation>
    </message>
    <message>
        <source>Choose Dates…</source>
        <translation>日付を選択…</translation>
    </message>
</context>
<context>
    <name>stowly::MediaStageView</name>
    <message>
        <source>Show files as</source>
        <translation>ファイルの表示</translation>
    </message>
    <message>
        <source>List</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>グリッド</translation>
    </message>
</context>
<context>
    <name>stowly::NamingSettingsTab</name>
    <message>
        <source>Templates</source>
        <translation>テンプレート</translation>
    </message>
    <message>
        <source>Folder structure</source>
        <translation>フォルダー構成</translation>
    </message>
    <message>
        <source>Files go straight into the destination</source>
        <translation>ファイルは保存先に直接保存されます</translation>
    </message>
    <message>
        <source>“/” makes a subfolder. Inside it, each extension gets its own folder (MP4, ARW, WAV…). Leave empty to put those right in the destination.</source>
        <translation>「/」でサブフォルダーを作成します。その中では、拡張子ごとに専用のフォルダー（MP4、ARW、WAV…）が作られます。空欄にすると、それらは保存先に直接保存されます。</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>The extension (.mp4, .arw…) is always added, in lower case.</source>
        <translation>拡張子（.mp4、.arw…）は常に小文字で付加されます。</translation>
    </message>
    <message>
        <source>Insert Token</source>
        <translation>トークンを挿入</translation>
    </message>
    <message>
        <source>Naming Presets</source>
        <translation>命名プリセット</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>例</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>デフォルトにリセット</translation>
    </message>
    <message>
        <source>Click a token to add it to the </source>
        <translation>クリックしたトークンの追加先：</translation>
    </message>
    <message>
        <source>folder structure</source>
        <translation>フォルダー構成</translation>
    </message>
    <message>
        <source>file name</source>
        <translation>ファイル名</translation>
    </message>
</context>
<context>
    <name>stowly::OffloadBar</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Show Report</source>
        <translation>レポートを表示</translation>
    </message>
    <message>
        <source>Cancel waiting offload</source>
        <translation>待機中の取り込みをキャンセル</translation>
    </message>
    <message>
        <source>Files that failed</source>
        <translation>失敗したファイル</translation>
    </message>
    <message>
        <source>The offload&apos;s report: every file, its copies and their checksums, to print or save</source>
        <translation>取り込みのレポート：すべてのファイル、そのコピー、チェックサムを印刷または保存できます</translation>
    </message>
    <message>
        <source>Backups from the first copy</source>
        <translation>最初のコピーからのバックアップ</translation>
    </message>
    <message>
        <source>%1 of %2 files · %3 of %4</source>
        <translation>%2個中%1個のファイル · %3 / %4</translation>
    </message>
    <message numerus="yes">
        <source> · to %n destinations</source>
        <translation>
            <numerusform> · %nか所の保存先へ</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stowly::OffloadNotice</name>
    <message>
        <source>“%1”: %2</source>
        <translation>「%1」：%2</translation>
    </message>
</context>
<context>
    <name>stowly::OffloadQueueView</name>
    <message>
        <source>Offloads</source>
        <translation>取り込み</translation>
    </message>
    <message>
        <source>Drag a waiting offload, or press Ctrl+Up or Ctrl+Down, to change its turn. Delete cancels the selected offload.</source>
        <translation>待機中の取り込みをドラッグするか、Ctrl+↑またはCtrl+↓を押すと、順番を変更できます。Deleteキーを押すと、選択した取り込みをキャンセルします。</translation>
    </message>
    <message>
        <source>Take “%1” Out of the Queue</source>
        <translation>「%1」をキューから外す</translation>
    </message>
    <message>
        <source>Cancel the Offload of “%1”</source>
        <translation>「%1」の取り込みをキャンセル</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ移動</translation>
    </message>
</context>
<context>
    <name>stowly::PresetEditor</name>
    <message>
        <source>Short clips</source>
        <translation>短いクリップ</translation>
    </message>
    <message>
        <source>Quick dump</source>
        <translation>クイックダンプ</translation>
    </message>
    <message>
        <source>Use Current File Rules</source>
        <translation>現在のファイルルールを使用</translation>
    </message>
    <message>
        <source>Update from Current Setup</source>
        <translation>現在の設定から更新</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>プリセット名</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Folder structure</source>
        <translation>フォルダー構成</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>None: straight into the destination</source>
        <translation>なし：保存先に直接保存</translation>
    </message>
    <message>
        <source>These templates aren’t valid. Check them in the Naming tab.</source>
        <translation>これらのテンプレートは無効です。「命名」タブで確認してください。</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Skips the project name and dumps all the footage straight into a dated folder.</source>
        <translation>プロジェクト名を省略し、すべての素材を日付のフォルダーに直接コピーします。</translation>
    </message>
    <message>
        <source>File rules</source>
        <translation>ファイルルール</translation>
    </message>
    <message>
        <source>Replace this preset’s settings with what the main window uses now</source>
        <translation>このプリセットの設定を、メインウィンドウで現在使用している設定に置き換えます</translation>
    </message>
    <message>
        <source>The same as in the Files tab.</source>
        <translation>「ファイル」タブと同じです。</translation>
    </message>
    <message>
        <source>Not the same as in the Files tab.</source>
        <translation>「ファイル」タブとは異なります。</translation>
    </message>
    <message>
        <source>Keep current folder</source>
        <translation>現在のフォルダーを維持</translation>
    </message>
    <message>
        <source>Suggested for the card</source>
        <translation>このカードへの推奨</translation>
    </message>
</context>
<context>
    <name>stowly::PresetStore</name>
    <message>
        <source>Couldn’t read your presets: %1</source>
        <translation>プリセットを読み取れませんでした：%1</translation>
    </message>
    <message>
        <source>Couldn’t save your presets: %1.</source>
        <translation>プリセットを保存できませんでした：%1。</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>ファイル</translation>
    </message>
</context>
<context>
    <name>stowly::PresetSwitcher</name>
    <message>
        <source>Switch to a saved setup: destination, naming, camera and file rules</source>
        <translation>保存した設定（保存先、命名、カメラ、ファイルルール）に切り替えます</translation>
    </message>
    <message>
        <source>Preset: %1</source>
        <translation>プリセット：%1</translation>
    </message>
    <message>
        <source>No Preset</source>
        <translation>プリセットなし</translation>
    </message>
    <message>
        <source>Save Current Setup as Preset…</source>
        <translation>現在の設定をプリセットとして保存…</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>プリセットを保存</translation>
    </message>
    <message>
        <source>Preset name:</source>
        <translation>プリセット名：</translation>
    </message>
</context>
<context>
    <name>stowly::PresetsSettingsTab</name>
    <message>
        <source>Presets</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>No Presets</source>
        <translation>プリセットなし</translation>
    </message>
    <message>
        <source>Click + to save the current setup as a preset.</source>
        <translation>+をクリックして、現在の設定をプリセットとして保存します。</translation>
    </message>
    <message>
        <source>Save the current setup as a new preset</source>
        <translation>現在の設定を新しいプリセットとして保存</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>プリセットを追加</translation>
    </message>
    <message>
        <source>Delete the selected preset</source>
        <translation>選択したプリセットを削除</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>プリセットを削除</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Duplicate the selected preset</source>
        <translation>選択したプリセットを複製</translation>
    </message>
    <message>
        <source>Duplicate preset</source>
        <translation>プリセットを複製</translation>
    </message>
    <message>
        <source>A preset saves where files go, how they’re named, the camera, short-clip skipping, quick dump and the file rules. Switch presets from the menu at the top right of the main window, where they’re listed in this order; drag them to change it.</source>
        <translation>プリセットには、ファイルの保存先、名前の付け方、カメラ、短いクリップのスキップ、クイックダンプ、ファイルルールが保存されます。プリセットはメインウィンドウ右上のメニューで切り替えられ、そこではこの順序で表示されます。順序を変えるにはドラッグしてください。</translation>
    </message>
    <message>
        <source>Selected Preset</source>
        <translation>選択したプリセット</translation>
    </message>
    <message>
        <source>No Preset Selected</source>
        <translation>プリセットが選択されていません</translation>
    </message>
    <message>
        <source>Select a preset to edit it.</source>
        <translation>編集するプリセットを選択してください。</translation>
    </message>
    <message>
        <source>In use · edited</source>
        <translation>使用中 · 編集済み</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>使用中</translation>
    </message>
</context>
<context>
    <name>stowly::PreviewWindow</name>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>読み込み中…</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>このファイルのプレビューはありません</translation>
    </message>
</context>
<context>
    <name>stowly::RecentOffloadsView</name>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Show Report</source>
        <translation>レポートを表示</translation>
    </message>
    <message>
        <source>Recent Offloads</source>
        <translation>最近の取り込み</translation>
    </message>
    <message>
        <source>Recent offloads</source>
        <translation>最近の取り込み</translation>
    </message>
    <message>
        <source>The report of the offload that made this copy</source>
        <translation>このコピーを作成した取り込みのレポート</translation>
    </message>
</context>
<context>
    <name>stowly::ReportWindow</name>
    <message>
        <source>Save As…</source>
        <translation>別名で保存…</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Drawing the report’s pictures…</source>
        <translation>レポートの画像を描画中…</translation>
    </message>
    <message>
        <source>Save the report as a PDF, a web page, a CSV table or JSON</source>
        <translation>レポートをPDF、Webページ、CSV表、またはJSONとして保存</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1個のファイル</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation>Webページ (*.html)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV表 (*.csv)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>レポートを保存</translation>
    </message>
    <message>
        <source>The report wasn’t saved</source>
        <translation>レポートは保存されませんでした</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n個のファイル</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stowly::RuleEditor</name>
    <message>
        <source>Use Inserted Card</source>
        <translation>挿入中のカードを使用</translation>
    </message>
    <message>
        <source>Start without asking</source>
        <translation>確認せずに開始</translation>
    </message>
    <message>
        <source>Eject when verified</source>
        <translation>検証後に取り出す</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>一致条件</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>カード名</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>プロジェクト</translation>
    </message>
    <message>
        <source>Any card</source>
        <translation>すべてのカード</translation>
    </message>
    <message>
        <source>Cards named</source>
        <translation>名前が一致するカード</translation>
    </message>
    <message>
        <source>Cards from camera</source>
        <translation>特定のカメラのカード</translation>
    </message>
    <message>
        <source>This card’s identity</source>
        <translation>このカードの識別子</translation>
    </message>
    <message>
        <source>Use the identity of a card that is in now</source>
        <translation>現在挿入されているカードの識別子を使用</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Match:</source>
        <translation>一致条件：</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>プリセット：</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>プロジェクト：</translation>
    </message>
    <message>
        <source>Off, the card is shown with the preset applied, for you to start.</source>
        <translation>オフの場合、プリセットを適用した状態でカードが表示され、開始は手動で行います。</translation>
    </message>
    <message>
        <source>Only when every file was copied and verified.</source>
        <translation>すべてのファイルがコピーされ、検証された場合のみです。</translation>
    </message>
    <message>
        <source>Volume UUID</source>
        <translation>ボリュームUUID</translation>
    </message>
    <message>
        <source>Card identity</source>
        <translation>カードの識別子</translation>
    </message>
    <message>
        <source>Takes every card, so the rules after it are never tried.</source>
        <translation>すべてのカードが対象になるため、これより後のルールは使われません。</translation>
    </message>
    <message>
        <source>* stands for any characters and ? for one; capitals don’t matter.</source>
        <translation>*は任意の文字列、?は任意の1文字を表します。大文字と小文字は区別されません。</translation>
    </message>
    <message>
        <source>Cards you chose this camera for in the Media stage.</source>
        <translation>「メディア」ステージでこのカメラを選んだカードです。</translation>
    </message>
    <message>
        <source>The card’s volume UUID, or its name where it has none. Formatting the card may change it.</source>
        <translation>カードのボリュームUUID（ない場合はカード名）です。カードをフォーマットすると変わることがあります。</translation>
    </message>
    <message>
        <source>Add cameras in the Cameras tab</source>
        <translation>「カメラ」タブでカメラを追加してください</translation>
    </message>
    <message>
        <source>Choose a camera</source>
        <translation>カメラを選択</translation>
    </message>
    <message>
        <source>Current setup</source>
        <translation>現在の設定</translation>
    </message>
    <message>
        <source>A preset that’s gone</source>
        <translation>削除されたプリセット</translation>
    </message>
    <message>
        <source>No card is inserted</source>
        <translation>カードが挿入されていません</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
</context>
<context>
    <name>stowly::RuleStore</name>
    <message>
        <source>Couldn’t read your automatic offload rules: %1</source>
        <translation>自動取り込みのルールを読み取れませんでした：%1</translation>
    </message>
    <message>
        <source>Couldn’t save your automatic offload rules: %1.</source>
        <translation>自動取り込みのルールを保存できませんでした：%1。</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>ファイル</translation>
    </message>
</context>
<context>
    <name>stowly::RulesSettingsTab</name>
    <message>
        <source>Rules</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>When a card like this is inserted, Stowly offloads it with the preset you choose. Stowly never erases a card on its own.</source>
        <translation>このようなカードが挿入されると、Stowlyは選択したプリセットで取り込みます。Stowlyが自動でカードを消去することはありません。</translation>
    </message>
    <message>
        <source>No Rules</source>
        <translation>ルールなし</translation>
    </message>
    <message>
        <source>Click + to have cards offloaded as soon as they’re inserted.</source>
        <translation>+をクリックすると、カードを挿入してすぐに取り込むルールを追加できます。</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>ルールを追加</translation>
    </message>
    <message>
        <source>Remove the selected rule</source>
        <translation>選択したルールを削除</translation>
    </message>
    <message>
        <source>A card is offloaded by the first rule it matches, from the top. Drag rules to change the order.</source>
        <translation>カードは、上から順に見て最初に一致したルールで取り込まれます。ドラッグしてルールの順序を変更できます。</translation>
    </message>
    <message>
        <source>Selected Rule</source>
        <translation>選択したルール</translation>
    </message>
    <message>
        <source>No Rule Selected</source>
        <translation>ルールが選択されていません</translation>
    </message>
    <message>
        <source>Select a rule to edit it.</source>
        <translation>編集するルールを選択してください。</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>未保存</translation>
    </message>
    <message>
        <source>Can’t Be Followed</source>
        <translation>適用できません</translation>
    </message>
    <message>
        <source>%1 Until then the new rule isn’t saved.</source>
        <translation>%1それまで新しいルールは保存されません。</translation>
    </message>
    <message>
        <source>%1 Until then the rule stays as it was saved.</source>
        <translation>%1それまでルールは保存時のままです。</translation>
    </message>
    <message>
        <source>%1 Until then the cards it matches aren’t offloaded.</source>
        <translation>%1それまで、このルールに一致するカードは取り込まれません。</translation>
    </message>
</context>
<context>
    <name>stowly::SettingsPage</name>
    <message>
        <source>Email a bug report with Stowly’s recent log attached</source>
        <translation>Stowlyの最近のログを添付してバグレポートをメールで送信</translation>
    </message>
    <message>
        <source>Leave an optional tip for Stowly on Ko-fi</source>
        <translation>Ko-fiでStowlyに任意のチップを贈る</translation>
    </message>
</context>
<context>
    <name>stowly::SettingsWindow</name>
    <message>
        <source>Stowly Settings</source>
        <translation>Stowlyの設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Automatic Offload</source>
        <translation>自動取り込み</translation>
    </message>
    <message>
        <source>Destinations</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Naming</source>
        <translation>命名</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>カメラ</translation>
    </message>
</context>
<context>
    <name>stowly::ShortClipSlider</name>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1秒</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n秒</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stowly::StagePanel</name>
    <message>
        <source>needs your attention</source>
        <translation>確認が必要です</translation>
    </message>
    <message>
        <source>Stage %1, %2</source>
        <translation>ステージ%1：%2</translation>
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
        <translation>エラー</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>stowly::WelcomeDestinationStep</name>
    <message>
        <source>%1 free of %2</source>
        <translation>空き%1 / %2</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>空き%1</translation>
    </message>
    <message>
        <source>Where should your media go?</source>
        <translation>メディアの保存先はどこにしますか？</translation>
    </message>
    <message>
        <source>Pick a drive or any folder. Stowly builds its folders inside it.</source>
        <translation>ドライブまたは任意のフォルダーを選んでください。Stowlyはその中にフォルダーを作成します。</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>保存先フォルダー</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>フォルダーを選択…</translation>
    </message>
    <message>
        <source>As your first favorite, it’s also your default destination. Add more and pick another default in Settings ▸ Destinations.</source>
        <translation>最初のお気に入りとして、デフォルトの保存先にもなります。お気に入りの追加やデフォルトの変更は、設定 ▸ 保存先で行えます。</translation>
    </message>
    <message>
        <source>Make it my default destination</source>
        <translation>デフォルトの保存先にする</translation>
    </message>
    <message>
        <source>No folder chosen yet</source>
        <translation>フォルダーがまだ選択されていません</translation>
    </message>
    <message>
        <source>Choose a Destination Folder</source>
        <translation>保存先フォルダーを選択</translation>
    </message>
</context>
<context>
    <name>stowly::WelcomeWindow</name>
    <message>
        <source>Film Shoot</source>
        <translation>映像撮影</translation>
    </message>
    <message>
        <source>Photo Session</source>
        <translation>写真撮影</translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation>ポッドキャスト</translation>
    </message>
    <message>
        <source>Daily Archive</source>
        <translation>日別アーカイブ</translation>
    </message>
    <message>
        <source>Start from Scratch</source>
        <translation>一から作成</translation>
    </message>
    <message>
        <source>Starter</source>
        <translation>ひな形</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>File Names</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Welcome to Stowly</source>
        <translation>Stowlyへようこそ</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>Stowly copies your camera cards into tidy folders, checks every copy with SHA-256 and never overwrites a file. Tell it how you like your media organised; it takes about a minute.</source>
        <translation>Stowlyはカメラのカードを整理されたフォルダーにコピーし、すべてのコピーをSHA-256で確認します。ファイルを上書きすることはありません。メディアの整理方法を設定しましょう。1分ほどで完了します。</translation>
    </message>
    <message>
        <source>Set up your first preset</source>
        <translation>最初のプリセットを設定</translation>
    </message>
    <message>
        <source>Skip Setup</source>
        <translation>設定をスキップ</translation>
    </message>
    <message>
        <source>What do you shoot?</source>
        <translation>何を撮影しますか？</translation>
    </message>
    <message>
        <source>Pick the closest starting point. It sets how folders and files are named; you can change both in the next steps.</source>
        <translation>いちばん近いひな形を選んでください。フォルダーとファイルの名前の付け方が決まります。どちらも次のステップで変更できます。</translation>
    </message>
    <message>
        <source>How should folders be built?</source>
        <translation>フォルダーをどのように構成しますか？</translation>
    </message>
    <message>
        <source>Each “/” starts a folder inside the one before. Words in braces are filled in per file, such as {date}, {project} or {camera}.</source>
        <translation>「/」ごとに、前のフォルダーの中に新しいフォルダーが作られます。{date}、{project}、{camera}など、波かっこ内の語はファイルごとに置き換えられます。</translation>
    </message>
    <message>
        <source>Folder template</source>
        <translation>フォルダーのテンプレート</translation>
    </message>
    <message>
        <source>How should files be named?</source>
        <translation>ファイルにどのように名前を付けますか？</translation>
    </message>
    <message>
        <source>Renamed files sort well and say where they came from. {seq} numbers them; {original} keeps the camera’s name.</source>
        <translation>名前を変更したファイルは並べ替えやすく、出どころもわかります。{seq}は連番を付け、{original}はカメラが付けた名前を残します。</translation>
    </message>
    <message>
        <source>Rename files</source>
        <translation>ファイル名を変更</translation>
    </message>
    <message>
        <source>File name template</source>
        <translation>ファイル名のテンプレート</translation>
    </message>
    <message>
        <source>Review your preset</source>
        <translation>プリセットを確認</translation>
    </message>
    <message>
        <source>Give it a name and choose what happens around each offload.</source>
        <translation>名前を付けて、各取り込みの前後の動作を選んでください。</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>プリセット名</translation>
    </message>
    <message>
        <source>Skip clips shorter than</source>
        <translation>次より短いクリップをスキップ</translation>
    </message>
    <message>
        <source>Shortest clip to copy, in seconds</source>
        <translation>コピーするクリップの最短の長さ（秒）</translation>
    </message>
    <message>
        <source> s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Eject the card when the offload is done</source>
        <translation>取り込みが完了したらカードを取り出す</translation>
    </message>
    <message>
        <source>Play a sound when an offload succeeds</source>
        <translation>取り込みが成功したらサウンドを鳴らす</translation>
    </message>
    <message>
        <source>Ask to import when a card is inserted</source>
        <translation>カードが挿入されたらインポートを確認</translation>
    </message>
    <message>
        <source>Use this preset now</source>
        <translation>このプリセットを今すぐ使用</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>準備が整いました</translation>
    </message>
    <message>
        <source>Waiting for a card</source>
        <translation>カードを待っています</translation>
    </message>
    <message>
        <source>Open Stowly</source>
        <translation>Stowlyを開く</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>設定を開く</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>プリセットを保存</translation>
    </message>
    <message>
        <source>Files keep the names the camera gave them.</source>
        <translation>ファイルはカメラが付けた名前のままです。</translation>
    </message>
    <message>
        <source>Destination: %1
Folders: %2
File names: %3</source>
        <translation>保存先：%1
フォルダー：%2
ファイル名：%3</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>未選択</translation>
    </message>
    <message>
        <source>“%1” is saved and ready. Put in a card to start your first offload.</source>
        <translation>「%1」を保存しました。すぐに使用できます。カードを挿入して、最初の取り込みを始めましょう。</translation>
    </message>
    <message>
        <source>“%1” is saved and ready.</source>
        <translation>「%1」を保存しました。すぐに使用できます。</translation>
    </message>
    <message>
        <source>Offload “%1”</source>
        <translation>「%1」を取り込む</translation>
    </message>
    <message>
        <source>Choose a drive or a folder to continue.</source>
        <translation>続けるには、ドライブまたはフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>Choose a destination before saving.</source>
        <translation>保存する前に保存先を選んでください。</translation>
    </message>
    <message>
        <source>Give your preset a name.</source>
        <translation>プリセットに名前を付けてください。</translation>
    </message>
    <message>
        <source>These folder and file names can’t be used together. Go back and change one of them.</source>
        <translation>このフォルダー名とファイル名は一緒に使用できません。前に戻ってどちらかを変更してください。</translation>
    </message>
</context>
<context>
    <name>templateToken</name>
    <message>
        <source>Project name</source>
        <translation>プロジェクト名</translation>
    </message>
    <message>
        <source>Selected camera</source>
        <translation>選択したカメラ</translation>
    </message>
    <message>
        <source>Capture date (2026-10-25)</source>
        <translation>撮影日（2026-10-25）</translation>
    </message>
    <message>
        <source>Year (2026)</source>
        <translation>年（2026）</translation>
    </message>
    <message>
        <source>Month (10)</source>
        <translation>月（10）</translation>
    </message>
    <message>
        <source>Day (25)</source>
        <translation>日（25）</translation>
    </message>
    <message>
        <source>Capture time (143005)</source>
        <translation>撮影時刻（143005）</translation>
    </message>
    <message>
        <source>Video, Photo, Audio or Other</source>
        <translation>動画、写真、オーディオ、またはその他</translation>
    </message>
    <message>
        <source>Card (volume) name</source>
        <translation>カード（ボリューム）名</translation>
    </message>
    <message>
        <source>Original file name, no extension</source>
        <translation>元のファイル名（拡張子なし）</translation>
    </message>
    <message>
        <source>Sequence number (0001); {seq:3} for 001</source>
        <translation>連番（0001）。001にするには{seq:3}</translation>
    </message>
    <message>
        <source>File extension (mp4)</source>
        <translation>拡張子（mp4）</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>プロジェクト</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>カード</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>元の名前</translation>
    </message>
    <message>
        <source>Seq</source>
        <translation>連番</translation>
    </message>
    <message>
        <source>Ext</source>
        <translation>拡張子</translation>
    </message>
</context>
</TS>
