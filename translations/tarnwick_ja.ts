<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AcceptedWarnings</name>
    <message>
        <source>expected an object with the text &quot;check&quot;</source>
        <translation>テキスト「check」を持つオブジェクトが必要です</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Not Found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>No appropriate files found</source>
        <translation>該当するファイルが見つかりません</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>別名で保存</translation>
    </message>
    <message>
        <source>XLIFF files (*.xliff)</source>
        <translation>XLIFF ファイル (*.xliff)</translation>
    </message>
    <message>
        <source>%1[*] — %2</source>
        <translation>%1[*] — %2</translation>
    </message>
    <message>
        <source>Replacement Dictionary</source>
        <translation>置換辞書</translation>
    </message>
    <message>
        <source>Replace With Replacement Dictionary</source>
        <translation>置換辞書で置き換える</translation>
    </message>
    <message>
        <source>Copy Source to Target</source>
        <translation>原文を訳文にコピー</translation>
    </message>
    <message>
        <source>Clear Target</source>
        <translation>訳文を消去</translation>
    </message>
    <message>
        <source>Nothing Replaced</source>
        <translation>置き換えませんでした</translation>
        <source>A Key Is Written Twice</source>
        <translation>同じキーが 2 回書かれています</translation>
    </message>
    <message>
        <source>String Catalogs (*.xcstrings)</source>
        <translation>文字列カタログ (*.xcstrings)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>BlankCheck</name>
    <message>
        <source>The blanks at the start and at the end differ from the source&apos;s.</source>
        <translation>先頭と末尾の空白が原文と異なります。</translation>
    </message>
    <message>
        <source>The blanks at the start differ from the source&apos;s.</source>
        <translation>先頭の空白が原文と異なります。</translation>
    </message>
    <message>
        <source>The blanks at the end differ from the source&apos;s.</source>
        <translation>末尾の空白が原文と異なります。</translation>
    </message>
</context>
<context>
    <name>CarryCommand</name>
    <message>
        <source>carry takes EARLIER and PATH</source>
        <translation>carry には EARLIER と PATH を指定します</translation>
    </message>
    <message>
        <source>%1 exact, %2 to review, %3 not found</source>
        <translation>完全一致 %1 件、要レビュー %2 件、見つからず %3 件</translation>
    </message>
    <message numerus="yes">
        <source>%n suggestion(s) chosen as the most frequent of differing targets</source>
        <translation>
            <numerusform>%n 件の候補は、異なる訳文のうち最も多いものを選びました</numerusform>
        </translation>
    </message>
    <message>
        <source>--json lists the filled units on standard output; write the file with -o FILE</source>
        <translation>--json は埋めたユニットを標準出力に一覧表示します。ファイルは -o FILE で書き出してください</translation>
    </message>
</context>
<context>
    <name>CarryOver</name>
    <message>
        <source>The earlier translation holds no &lt;file&gt; element: it is not an XLIFF export.</source>
        <translation>以前の翻訳には &lt;file&gt; 要素がありません。XLIFF の書き出しではありません。</translation>
    </message>
    <message>
        <source>The earlier translation&apos;s file &quot;%1&quot; names no target language: only a translation into this file&apos;s language can be carried over.</source>
        <translation>以前の翻訳のファイル「%1」には翻訳先の言語がありません。このファイルと同じ言語の翻訳しか引き継げません。</translation>
    </message>
    <message>
        <source>The earlier translation is into &quot;%1&quot; and &quot;%2&quot;: only a translation into one language can be carried over.</source>
        <translation>以前の翻訳は「%1」と「%2」向けです。1 つの言語の翻訳しか引き継げません。</translation>
    </message>
    <message>
        <source>The earlier translation is into &quot;%1&quot;, this file into &quot;%2&quot;: only a translation into the same language can be carried over.</source>
        <translation>以前の翻訳は「%1」向け、このファイルは「%2」向けです。同じ言語の翻訳しか引き継げません。</translation>
    </message>
</context>
<context>
    <name>CarryOverDialog</name>
    <message>
        <source>Fill From Earlier Translation</source>
        <translation>以前の翻訳から埋める</translation>
    </message>
    <message>
        <source>Choose last release&apos;s translated XLIFF file, its .xcloc package or the folder Xcode exported it to. Units with the same file, id and source take its target; units whose source text only matches elsewhere get a suggestion marked for review.</source>
        <translation>前のリリースの翻訳済み XLIFF ファイル、その .xcloc パッケージ、または Xcode が書き出したフォルダを選んでください。ファイル・ID・原文が同じユニットにはその訳文が入り、原文だけがほかの箇所と一致するユニットには要レビューの印が付いた候補が入ります。</translation>
    </message>
    <message>
        <source>File…</source>
        <translation>ファイル…</translation>
    </message>
    <message>
        <source>Folder…</source>
        <translation>フォルダ…</translation>
    </message>
    <message>
        <source>Also replace targets that are already translated</source>
        <translation>翻訳済みの訳文も置き換える</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>埋める</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>フォルダを選択</translation>
    </message>
    <message>
        <source>Choose a File</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>XLIFF files (*.xliff)</source>
        <translation>XLIFF ファイル (*.xliff)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>CarryOverFlow</name>
    <message>
        <source>Nothing was filled.</source>
        <translation>何も埋めませんでした。</translation>
    </message>
    <message>
        <source>Suggestions to review show &quot;Needs Review&quot; in the State column; editing or confirming a unit clears its mark.</source>
        <translation>確認が必要な候補は状態の列に「要レビュー」と表示されます。ユニットを編集または確定すると印は消えます。</translation>
    </message>
    <message numerus="yes">
        <source>%n suggestion(s) were chosen as the most frequent of differing targets.</source>
        <translation>
            <numerusform>%n 件の候補は、異なる訳文のうち最も多いものを選びました。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 exact, %2 to review, %3 not found.</source>
        <translation>完全一致 %1 件、要レビュー %2 件、見つからず %3 件。</translation>
    </message>
    <message>
        <source>Fill From Earlier Translation</source>
        <translation>以前の翻訳から埋める</translation>
    </message>
    <message>
        <source>Fill From Earlier &amp;Translation…</source>
        <translation>以前の翻訳から埋める(&amp;T)…</translation>
    </message>
</context>
<context>
    <name>CatalogCli</name>
    <message>
        <source>--language needs a language, such as de or pt-BR</source>
        <translation>--language には de や pt-BR のような言語を指定してください</translation>
    </message>
    <message>
        <source>--language is given twice</source>
        <translation>--language が 2 回指定されています</translation>
    </message>
    <message>
        <source>a String Catalog holds every language: name one with --language L (it has %1)</source>
        <translation>文字列カタログにはすべての言語が入っています。--language L で 1 つ指定してください (含まれる言語: %1)</translation>
    </message>
    <message>
        <source>differs outside %1 at %2</source>
        <translation>%1 以外の場所 (%2) が異なります</translation>
    </message>
</context>
<context>
    <name>CatalogDocument</name>
    <message>
        <source>not a String Catalog (no &quot;sourceLanguage&quot; and &quot;strings&quot;)</source>
        <translation>文字列カタログではありません (&quot;sourceLanguage&quot; と &quot;strings&quot; がありません)</translation>
    </message>
</context>
<context>
    <name>CatalogLanguageSheet</name>
    <message>
        <source>Choose a Language</source>
        <translation>言語を選択</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds every language of the project. Which one do you want to translate?</source>
        <translation>「%1」にはプロジェクトのすべての言語が入っています。どの言語を翻訳しますか?</translation>
    </message>
    <message>
        <source>%1 (source): %2 of %3 translated</source>
        <translation>%1 (ソース): %3 件中 %2 件翻訳済み</translation>
    </message>
    <message>
        <source>%1: %2 of %3 translated</source>
        <translation>%1: %3 件中 %2 件翻訳済み</translation>
    </message>
</context>
<context>
    <name>CatalogReader</name>
    <message>
        <source>no language was chosen</source>
        <translation>言語が選ばれていません</translation>
    </message>
    <message>
        <source>The key &quot;%1&quot; is written twice. Tarnwick shows and edits the first copy and keeps the second as it is.</source>
        <translation>キー「%1」が 2 回書かれています。Tarnwick は 1 つ目を表示して編集し、2 つ目はそのまま残します。</translation>
    </message>
</context>
<context>
    <name>CatalogSave</name>
    <message>
        <source>the saved catalog would not read back: %1</source>
        <translation>保存後のカタログを読み戻せません: %1</translation>
    </message>
    <message>
        <source>the save would change the catalog outside %1 (at %2)</source>
        <translation>保存するとカタログの %1 以外の場所 (%2) が変わってしまいます</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>%1: %2 error(s), %3 warning(s)</source>
        <translation>%1: エラー %2 件、警告 %3 件</translation>
    </message>
    <message>
        <source>--only needs a list of check ids</source>
        <translation>--only にはチェック ID の一覧が必要です</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>不明なオプション「%1」</translation>
    </message>
    <message>
        <source>check takes one PATH</source>
        <translation>check には PATH を 1 つ指定します</translation>
    </message>
    <message>
        <source>unknown check &quot;%1&quot;; the checks are %2</source>
        <translation>不明なチェック「%1」。チェックは次のとおりです: %2</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos;.</source>
        <translation>&apos;tarnwick-cli --help&apos; を試してください。</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>, %1 accepted</source>
        <translation>、承認済み %1 件</translation>
    </message>
    <message>
        <source>%1 needs a FILE</source>
        <translation>%1 には FILE を指定します</translation>
    </message>
</context>
<context>
    <name>CliTool</name>
    <message>
        <source>no command given</source>
        <translation>コマンドが指定されていません</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>不明なコマンド「%1」</translation>
    </message>
    <message>
        <source>units takes one PATH</source>
        <translation>units には PATH を 1 つ指定します</translation>
    </message>
    <message>
        <source>apply takes PATH and EDITS</source>
        <translation>apply には PATH と EDITS を指定します</translation>
    </message>
    <message>
        <source>stats takes one PATH</source>
        <translation>stats には PATH を 1 つ指定します</translation>
    </message>
    <message>
        <source>(total)</source>
        <translation>（合計）</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos;.</source>
        <translation>&apos;tarnwick-cli --help&apos; を試してください。</translation>
    </message>
    <message>
        <source>No appropriate files found</source>
        <translation>該当するファイルが見つかりません</translation>
    </message>
    <message>
        <source>%1 holds several XLIFF files; name one of them:
  %2</source>
        <translation>%1 には複数の XLIFF ファイルがあります。どれか 1 つを指定してください:
  %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n target(s) could not be placed:</source>
        <translation>
            <numerusform>%1: %n 件の訳文を書き込めませんでした:</numerusform>
        </translation>
    </message>
    <message>
        <source>unit %1</source>
        <translation>ユニット %1</translation>
    </message>
    <message>
        <source>verify takes EDITED and ORIGINAL</source>
        <translation>verify には EDITED と ORIGINAL を指定します</translation>
    </message>
    <message>
        <source>cannot compare %1 with %2: %3</source>
        <translation>%1 と %2 を比較できません: %3</translation>
    </message>
    <message>
        <source>%1:%2:%3: differs from %4 outside the target elements</source>
        <translation>%1:%2:%3: target 要素の外側が %4 と異なります</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 にはファイル名が必要です</translation>
    </message>
    <message>
        <source>fill takes one PATH</source>
        <translation>fill には PATH を 1 つ指定します</translation>
    </message>
    <message>
        <source>dictionary takes only --builtin</source>
        <translation>dictionary に指定できるのは --builtin だけです</translation>
    </message>
    <message>
        <source>could not write the output: %1</source>
        <translation>出力を書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>the stream refused it</source>
        <translation>ストリームが受け付けませんでした</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
</context>
<context>
    <name>ConflictSheet</name>
    <message>
        <source>Changed on Disk Too</source>
        <translation>ディスク上でも変更されています</translation>
    </message>
    <message numerus="yes">
        <source>Another program changed these units of “%1” since it was read, and you changed them too (%n):</source>
        <translation>
            <numerusform>“%1” のこれらのユニットは、読み込み後に別のプログラムによって変更され、あなたも変更しています（%n 件）:</numerusform>
        </translation>
    </message>
    <message>
        <source>Every other unit is saved as the file has it now.</source>
        <translation>その他のユニットは現在のファイルの内容のまま保存されます。</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>自分の変更を残す</translation>
    </message>
    <message>
        <source>Keep the File&apos;s</source>
        <translation>ファイルの内容を残す</translation>
        <source>verify of String Catalogs takes --language L</source>
        <translation>文字列カタログの verify には --language L が必要です</translation>
    </message>
    <message>
        <source>%1: %2 (compared with %3)</source>
        <translation>%1: %2 (%3 との比較)</translation>
    </message>
</context>
<context>
    <name>DetailPane</name>
    <message>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>原文:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>訳文:</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>問題:</translation>
    </message>
    <message>
        <source>Accept Warnings</source>
        <translation>警告を承認</translation>
    </message>
    <message>
        <source>Keep this unit&apos;s warnings as they are: they are no longer counted and ask again only when the source changes.</source>
        <translation>このユニットの警告をそのまま認めます。数えられなくなり、原文が変わったときだけ再び表示されます。</translation>
    </message>
</context>
<context>
    <name>DictionaryController</name>
    <message>
        <source>The saved replacement dictionary could not be read (%1). It was kept as %2, and the built-in dictionary is used instead.</source>
        <translation>保存されている置換辞書を読み込めませんでした（%1）。そのファイルは %2 として残し、代わりに内蔵の辞書を使います。</translation>
    </message>
    <message>
        <source>The saved replacement dictionary %1 could not be read (%2), nor moved aside. The built-in dictionary is used, and changes to it are not saved, so that the file stays as it is.</source>
        <translation>保存されている置換辞書 %1 を読み込めず（%2）、別の場所に移すこともできませんでした。内蔵の辞書を使いますが、ファイルをそのまま残すため、辞書への変更は保存されません。</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>名称未設定</translation>
    </message>
</context>
<context>
    <name>DictionaryFormat</name>
    <message>
        <source>not valid JSON (%1 at byte %2)</source>
        <translation>有効な JSON ではありません（%2 バイト目で %1）</translation>
    </message>
    <message>
        <source>not a Tarnwick dictionary</source>
        <translation>Tarnwick の辞書ではありません</translation>
    </message>
    <message>
        <source>dictionary version %1 is not supported</source>
        <translation>辞書のバージョン %1 には対応していません</translation>
    </message>
    <message>
        <source>the dictionary holds no list of entries</source>
        <translation>辞書に項目のリストがありません</translation>
    </message>
    <message>
        <source>entry %1 lacks a text &quot;srcs&quot; or &quot;tget&quot;</source>
        <translation>項目 %1 にテキストの &quot;srcs&quot; または &quot;tget&quot; がありません</translation>
    </message>
    <message>
        <source>line %1: not valid JSON (%2)</source>
        <translation>%1 行目: 有効な JSON ではありません（%2）</translation>
    </message>
    <message>
        <source>line %1: expected an object with the texts &quot;srcs&quot; and &quot;tget&quot;</source>
        <translation>%1 行目: テキスト &quot;srcs&quot; と &quot;tget&quot; を持つオブジェクトが必要です</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
</context>
<context>
    <name>DictionaryModel</name>
    <message>
        <source>Source</source>
        <translation>原文</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>訳文</translation>
    </message>
</context>
<context>
    <name>DictionaryStore</name>
    <message>
        <source>The dictionary is not saved, so that the unreadable file %1 is not overwritten. Move it away and restart to save changes again.</source>
        <translation>読み込めないファイル %1 を上書きしないよう、辞書は保存されていません。このファイルを別の場所に移して再起動すると、変更を再び保存できます。</translation>
    </message>
    <message>
        <source>No folder for application data is known on this system.</source>
        <translation>このシステムにはアプリケーションデータ用のフォルダがありません。</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>フォルダ %1 を作成できません。</translation>
    </message>
    <message>
        <source>Cannot save the dictionary to %1: %2</source>
        <translation>辞書を %1 に保存できません: %2</translation>
    </message>
</context>
<context>
    <name>DocumentAlerts</name>
    <message>
        <source>%1 (in %2)</source>
        <translation>%1（%2 内）</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗しました</translation>
    </message>
    <message>
        <source>Could not save.</source>
        <translation>保存できませんでした。</translation>
    </message>
    <message>
        <source>The file was saved, but the targets of these units could not be written into it:</source>
        <translation>ファイルは保存されましたが、次のユニットの訳文は書き込めませんでした:</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Some Targets Not Saved</source>
        <translation>一部の訳文が保存されていません</translation>
    </message>
    <message>
        <source>%1: line %2, column %3: %4</source>
        <translation>%1: %2 行 %3 列: %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Could Not Open</source>
        <translation>開けませんでした</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>it is a folder</source>
        <translation>フォルダです</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>the file is larger than 256 MB</source>
        <translation>ファイルが 256 MB を超えています</translation>
    </message>
    <message>
        <source>a folder stands where the file should be</source>
        <translation>ファイルがあるべき場所にフォルダがあります</translation>
    </message>
    <message>
        <source>no program is reading from the pipe</source>
        <translation>パイプを読み取っているプログラムがありません</translation>
    </message>
</context>
<context>
    <name>DocumentQuestions</name>
    <message>
        <source>Open Another Document?</source>
        <translation>ほかの書類を開きますか?</translation>
    </message>
    <message>
        <source>The table already shows a document. Opening another one replaces it.</source>
        <translation>表にはすでに書類が表示されています。ほかの書類を開くと置き換わります。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save Changes Before Opening Another Document?</source>
        <translation>ほかの書類を開く前に変更を保存しますか?</translation>
    </message>
    <message>
        <source>The document has changes that have not been saved. If you don&apos;t save them, they are lost when the other document opens.</source>
        <translation>この書類には保存されていない変更があります。保存しないと、ほかの書類を開いたときに失われます。</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>保存しない</translation>
    </message>
    <message>
        <source>Save Changes Before Quitting?</source>
        <translation>終了する前に変更を保存しますか?</translation>
    </message>
    <message>
        <source>The document has changes that have not been saved. If you don&apos;t save them, they are lost.</source>
        <translation>この書類には保存されていない変更があります。保存しないと失われます。</translation>
    </message>
</context>
<context>
    <name>EarlierTranslation</name>
    <message>
        <source>No appropriate files found</source>
        <translation>該当するファイルが見つかりません</translation>
    </message>
    <message>
        <source>%1 holds several XLIFF files; name one of them.</source>
        <translation>%1 には複数の XLIFF ファイルがあります。どれか 1 つを指定してください。</translation>
    </message>
    <message>
        <source>%1 holds several XLIFF files into &quot;%2&quot;; name one of them.</source>
        <translation>%1 には「%2」向けの XLIFF ファイルが複数あります。どれか 1 つを指定してください。</translation>
    </message>
    <message>
        <source>%1 holds no XLIFF file into &quot;%2&quot;.</source>
        <translation>%1 には「%2」向けの XLIFF ファイルがありません。</translation>
    </message>
    <message>
        <source>%1 holds no readable XLIFF file into &quot;%2&quot;; one is malformed: %3</source>
        <translation>%1 には読める「%2」向けの XLIFF ファイルがありません。壊れているファイルがあります: %3</translation>
    </message>
</context>
<context>
    <name>EditList</name>
    <message>
        <source>not a JSON object</source>
        <translation>JSON オブジェクトではありません</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>line %1: no such unit in the file</source>
        <translation>%1 行目: そのユニットはファイルにありません</translation>
    </message>
    <message>
        <source>line %1: &quot;port&quot; and &quot;name&quot; name different units</source>
        <translation>%1 行目: &quot;port&quot; と &quot;name&quot; が別のユニットを指しています</translation>
    </message>
    <message>
        <source>line %1: the unit was already edited on line %2</source>
        <translation>%1 行目: そのユニットは %2 行目ですでに編集されています</translation>
    </message>
    <message>
        <source>&quot;tget&quot; must be a string</source>
        <translation>&quot;tget&quot; は文字列でなければなりません</translation>
    </message>
    <message>
        <source>&quot;tget&quot; holds U+%1, which an XML file cannot hold</source>
        <translation>&quot;tget&quot; に XML ファイルに書けない U+%1 が含まれています</translation>
    </message>
    <message>
        <source>&quot;port&quot; must be a whole number from 0 on</source>
        <translation>&quot;port&quot; は 0 以上の整数でなければなりません</translation>
    </message>
    <message>
        <source>an edit needs &quot;port&quot;, or &quot;name&quot; (and &quot;from&quot;) as strings</source>
        <translation>編集には &quot;port&quot;、または文字列の &quot;name&quot;（と &quot;from&quot;）が必要です</translation>
    </message>
    <message>
        <source>not JSON: %1 at column %2</source>
        <translation>JSON ではありません: %2 桁目で%1</translation>
    </message>
</context>
<context>
    <name>EllipsisCheck</name>
    <message>
        <source>The source ends with an ellipsis; the target does not.</source>
        <translation>原文は省略記号で終わっていますが、訳文は終わっていません。</translation>
    </message>
</context>
<context>
    <name>ExpatParser</name>
    <message>
        <source>out of memory</source>
        <translation>メモリが足りません</translation>
    </message>
    <message>
        <source>the document is UTF-16, not UTF-8</source>
        <translation>書類が UTF-8 ではなく UTF-16 です</translation>
    </message>
    <message>
        <source>a document type with declarations is not accepted</source>
        <translation>宣言を含む文書型宣言は受け付けません</translation>
    </message>
    <message>
        <source>entity declarations are not accepted</source>
        <translation>実体宣言は受け付けません</translation>
    </message>
    <message>
        <source>undefined entity &quot;%1&quot;</source>
        <translation>未定義の実体「%1」</translation>
    </message>
    <message>
        <source>the document holds a NUL character</source>
        <translation>書類に NUL 文字が含まれています</translation>
    </message>
    <message>
        <source>the file declares the encoding %1; only UTF-8 files are read</source>
        <translation>ファイルはエンコーディング %1 を宣言しています。読み込めるのは UTF-8 のファイルだけです</translation>
    </message>
</context>
<context>
    <name>ExportBackup</name>
    <message>
        <source>No backup of %1 was made before saving over it: %2</source>
        <translation>上書き保存の前に %1 のバックアップを作成できませんでした: %2</translation>
    </message>
    <message>
        <source>no folder for application data is known on this system</source>
        <translation>このシステムではアプリケーションデータのフォルダが分かりません</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>フォルダ %1 を作成できません</translation>
    </message>
    <message>
        <source>a copy of this name is already there</source>
        <translation>この名前のコピーがすでにあります</translation>
    </message>
</context>
<context>
    <name>FastSplicer</name>
    <message>
        <source>matching the unit &quot;%1&quot; took too long</source>
        <translation>ユニット「%1」の照合に時間がかかりすぎました</translation>
    </message>
    <message>
        <source>not valid UTF-8</source>
        <translation>有効な UTF-8 ではありません</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>Find in source, target, ID and note</source>
        <translation>原文・訳文・ID・メモを検索</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Untranslated</source>
        <translation>未翻訳</translation>
    </message>
    <message>
        <source>Translated</source>
        <translation>翻訳済み</translation>
    </message>
    <message>
        <source>Needs Review</source>
        <translation>要レビュー</translation>
    </message>
    <message>
        <source>Not to Translate</source>
        <translation>翻訳しない</translation>
    </message>
    <message>
        <source>With problems</source>
        <translation>問題あり</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>表示:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>（名前なし）</translation>
    </message>
</context>
<context>
    <name>FormatCheck</name>
    <message>
        <source>The target changes the order of the format specifiers without numbering them; write them with positions, such as %1$@ and %2$d.</source>
        <translation>訳文は書式指定子の順序を番号なしで入れ替えています。%1$@ や %2$d のように位置を付けて書いてください。</translation>
    </message>
    <message>
        <source>The target lacks %1, which the source has.</source>
        <translation>原文にある %1 が訳文にありません。</translation>
    </message>
    <message>
        <source>The target has %1, which the source lacks.</source>
        <translation>訳文に原文にない %1 があります。</translation>
    </message>
    <message>
        <source>The target has %1 where the source has %2.</source>
        <translation>原文の %2 が訳文では %1 になっています。</translation>
    </message>
    <message>
        <source>The target ends with a lone %; write %% for a percent sign in a format string.</source>
        <translation>訳文が単独の % で終わっています。書式文字列ではパーセント記号を %% と書いてください。</translation>
    </message>
    <message>
        <source>The target has a lone % where the source writes %%; write %% for a percent sign in a format string.</source>
        <translation>原文が %% と書くところで訳文は単独の % になっています。書式文字列ではパーセント記号を %% と書いてください。</translation>
    </message>
    <message>
        <source>The target writes %1 where the source has %2; both print alike.</source>
        <translation>原文の %2 を訳文は %1 と書いています。どちらも同じように表示されます。</translation>
    </message>
</context>
<context>
    <name>FoundFilesModel</name>
    <message>
        <source>%1  —  %2</source>
        <translation>%1  —  %2</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>%1 of %2 translated</source>
        <translation>%2 件中 %1 件翻訳済み</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
</context>
<context>
    <name>HalfWidthKanaCheck</name>
    <message>
        <source>The target uses half-width katakana (%1).</source>
        <translation>訳文に半角カタカナ（%1）が使われています。</translation>
    </message>
</context>
<context>
    <name>HelpView</name>
    <message>
        <source>Tarnwick Help</source>
        <translation>Tarnwick ヘルプ</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>XLIFF Editor to help localizing languages in Xcode. Preconfigured dictionary for Japanese language is included.</source>
        <translation>Xcode での言語のローカライズを助ける XLIFF エディタです。日本語の辞書があらかじめ用意されています。</translation>
    </message>
    <message>
        <source>Exporting from Xcode</source>
        <translation>Xcode からの書き出し</translation>
    </message>
    <message>
        <source>First, export localization files from Xcode. Select root item in the left pane&gt; Select Project&gt; select Info&gt; Add localization.</source>
        <translation>まず、Xcode からローカリゼーションファイルを書き出します。左のペインでルート項目を選択&gt; Project を選択&gt; Info を選択&gt; ローカリゼーションを追加。</translation>
    </message>
    <message>
        <source>Then, Menu&gt; Editor&gt; Export For Localization…&gt; Save. There you will find xcloc or xliff file.</source>
        <translation>次に、メニュー&gt; Editor&gt; Export For Localization…&gt; 保存。そこに xcloc または xliff ファイルができます。</translation>
    </message>
    <message>
        <source>Working on this app</source>
        <translation>このアプリでの作業</translation>
    </message>
    <message>
        <source>Drag exported file onto this app&apos;s icon to open.</source>
        <translation>書き出したファイルをこのアプリのアイコンにドラッグすると開きます。</translation>
    </message>
    <message>
        <source>This app includes Japanese Dictionary for Xcode-generated standard MainMenu items. To replace with it, Menu&gt; Edit&gt; Replace With Replacement Dictionary. You can also add keys and values on your own, in preferences.</source>
        <translation>このアプリには、Xcode が生成する標準の MainMenu 項目のための日本語辞書が入っています。辞書で置き換えるには、メニュー&gt; 編集&gt; 置換辞書で置き換える。キーと値は環境設定で自分で追加することもできます。</translation>
    </message>
    <message>
        <source>To edit each item on the table, double click or hit return to edit &quot;Target&quot;, one by one.</source>
        <translation>表の各項目を編集するには、ダブルクリックするか return キーを押して「訳文」を一つずつ編集します。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Menu&gt; File&gt; Save lets you overwrite the original XLIFF file.</source>
        <translation>メニュー&gt; ファイル&gt; 保存 で、元の XLIFF ファイルを上書きできます。</translation>
    </message>
    <message>
        <source>Saved xcloc or xliff can be imported into Xcode through Import Localizations… found under the export menu item.</source>
        <translation>保存した xcloc または xliff は、書き出しのメニュー項目の下にある Import Localizations… から Xcode に読み込めます。</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tarnwick Help</source>
        <translation>Tarnwick ヘルプ</translation>
    </message>
</context>
<context>
    <name>JsonScanner</name>
    <message>
        <source>the file is not UTF-8</source>
        <translation>ファイルが UTF-8 ではありません</translation>
    </message>
    <message>
        <source>text after the end of the JSON</source>
        <translation>JSON の終わりの後にテキストがあります</translation>
    </message>
    <message>
        <source>values nested too deeply</source>
        <translation>値の入れ子が深すぎます</translation>
    </message>
    <message>
        <source>a key was expected</source>
        <translation>キーがありません</translation>
    </message>
    <message>
        <source>&quot;:&quot; was expected</source>
        <translation>&quot;:&quot; がありません</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;}&quot; was expected</source>
        <translation>&quot;,&quot; または &quot;}&quot; がありません</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;]&quot; was expected</source>
        <translation>&quot;,&quot; または &quot;]&quot; がありません</translation>
    </message>
    <message>
        <source>a control character inside a string</source>
        <translation>文字列の中に制御文字があります</translation>
    </message>
    <message>
        <source>a string is not closed</source>
        <translation>文字列が閉じられていません</translation>
    </message>
    <message>
        <source>an unknown escape</source>
        <translation>不明なエスケープです</translation>
    </message>
    <message>
        <source>a \u escape needs 4 hex digits</source>
        <translation>\u エスケープには 16 進数 4 桁が必要です</translation>
    </message>
    <message>
        <source>a value was expected</source>
        <translation>値がありません</translation>
    </message>
    <message>
        <source>a digit was expected</source>
        <translation>数字がありません</translation>
    </message>
</context>
<context>
    <name>JsonTextEdits</name>
    <message>
        <source>two changes of the catalog overlap</source>
        <translation>カタログへの 2 つの変更が重なっています</translation>
    </message>
</context>
<context>
    <name>LineBreakCheck</name>
    <message>
        <source>Line breaks differ: %1 in the target, %2 in the source.</source>
        <translation>改行の数が異なります（訳文 %1、原文 %2）。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Target Not Changed</source>
        <translation>訳文は変更されていません</translation>
    </message>
</context>
<context>
    <name>MarkupCheck</name>
    <message>
        <source>The target lacks the tag %1 of the source.</source>
        <translation>原文のタグ %1 が訳文にありません。</translation>
    </message>
    <message>
        <source>The target has the tag %1, which the source lacks.</source>
        <translation>訳文に原文にないタグ %1 があります。</translation>
    </message>
    <message>
        <source>The target&apos;s tags are not closed in the order they were opened.</source>
        <translation>訳文のタグが開いた順に閉じられていません。</translation>
    </message>
</context>
<context>
    <name>MemoryAssistant</name>
    <message>
        <source>this document · %1</source>
        <translation>この書類 · %1</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>Use Match %1</source>
        <translation>候補 %1 を使用</translation>
    </message>
    <message>
        <source>Use for Units With This Source</source>
        <translation>同じ原文のユニットに使用</translation>
    </message>
    <message>
        <source>Translation Memory</source>
        <translation>翻訳メモリ</translation>
    </message>
    <message>
        <source>Search Memory…</source>
        <translation>メモリを検索…</translation>
    </message>
</context>
<context>
    <name>MemoryBrowser</name>
    <message>
        <source>Search Memory</source>
        <translation>メモリを検索</translation>
    </message>
    <message>
        <source>Find in the memory's sources and targets</source>
        <translation>メモリの原文と訳文を検索</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>原文</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>訳文</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>From</source>
        <translation>出典</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>追加日時</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) deleted</source>
        <translation>
            <numerusform>%n 件を削除しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) found</source>
        <translation>
            <numerusform>%n 件見つかりました</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MemoryCommand</name>
    <message>
        <source>memory needs one of import, export, lookup, stats, delete</source>
        <translation>memory には import、export、lookup、stats、delete のいずれかが必要です</translation>
    </message>
    <message>
        <source>unknown memory command &quot;%1&quot;</source>
        <translation>不明な memory コマンド「%1」</translation>
    </message>
    <message>
        <source>memory export takes -o FILE and no other file</source>
        <translation>memory export には -o FILE を指定し、他のファイルは指定しません</translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) exported</source>
        <translation>
            <numerusform>%n 件を書き出しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) left out: they hold control characters XML cannot carry</source>
        <translation>
            <numerusform>%n 件を除外しました: XML に書けない制御文字を含みます</numerusform>
        </translation>
    </message>
    <message>
        <source>memory stats takes no file</source>
        <translation>memory stats にファイルは指定できません</translation>
    </message>
    <message>
        <source>total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>memory delete takes no file</source>
        <translation>memory delete にファイルは指定できません</translation>
    </message>
    <message>
        <source>memory delete needs --source-language, --target-language, --project or --source, or else --all alone</source>
        <translation>memory delete には --source-language、--target-language、--project、--source のいずれか、または --all のみが必要です</translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) deleted</source>
        <translation>
            <numerusform>%n 件を削除しました</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MemoryImportCommand</name>
    <message>
        <source>memory import needs at least one FILE</source>
        <translation>memory import には FILE が 1 つ以上必要です</translation>
    </message>
    <message>
        <source>units without a variant in their source language</source>
        <translation>原文の言語の版がないユニット</translation>
    </message>
    <message>
        <source>units without a variant in another language</source>
        <translation>他の言語の版がないユニット</translation>
    </message>
    <message>
        <source>variants without a language</source>
        <translation>言語のない版</translation>
    </message>
    <message>
        <source>empty segments</source>
        <translation>空のセグメント</translation>
    </message>
    <message>
        <source>untranslated</source>
        <translation>未翻訳</translation>
    </message>
    <message>
        <source>still to review</source>
        <translation>要確認</translation>
    </message>
    <message>
        <source>not to translate</source>
        <translation>翻訳対象外</translation>
    </message>
    <message>
        <source>in a &lt;file&gt; without source or target language</source>
        <translation>原文または訳文の言語がない &lt;file&gt; 内</translation>
    </message>
    <message>
        <source>%1: %2 added, %3 updated, %4 already in the memory</source>
        <translation>%1: %2 件追加、%3 件更新、%4 件は登録済み</translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>除外: %1</translation>
    </message>
</context>
<context>
    <name>MemoryLookupCommand</name>
    <message>
        <source>memory lookup needs --target-language and reads standard input</source>
        <translation>memory lookup には --target-language が必要で、標準入力を読みます</translation>
    </message>
    <message>
        <source>--min takes 0 to 100, --limit a number from 1</source>
        <translation>--min は 0〜100、--limit は 1 以上の数です</translation>
    </message>
    <message>
        <source>could not read standard input: %1</source>
        <translation>標準入力を読めませんでした: %1</translation>
    </message>
    <message>
        <source>standard input, line %1: not an object with a &quot;srcs&quot; string</source>
        <translation>標準入力 %1 行目: 文字列 &quot;srcs&quot; を持つオブジェクトではありません</translation>
    </message>
</context>
<context>
    <name>MemoryPanel</name>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>一致率</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>原文</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>訳文</translation>
    </message>
    <message>
        <source>From</source>
        <translation>出典</translation>
    </message>
    <message>
        <source>Ctrl+%1</source>
        <translation>Ctrl+%1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message numerus="yes">
        <source>Use for %n other unit(s) with this source (Ctrl+Shift+U)</source>
        <translation>
            <numerusform>同じ原文の他の %n 件のユニットにも使用 (Ctrl+Shift+U)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MemoryService</name>
    <message>
        <source>The translation memory %1 could not be opened: %2</source>
        <translation>翻訳メモリ %1 を開けませんでした: %2</translation>
    </message>
    <message>
        <source>The translation memory could not be read: %1</source>
        <translation>翻訳メモリを読めませんでした: %1</translation>
    </message>
    <message>
        <source>The translations could not be added to the memory: %1</source>
        <translation>翻訳をメモリに追加できませんでした: %1</translation>
    </message>
    <message>
        <source>The entries could not be deleted: %1</source>
        <translation>エントリを削除できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>MemoryStore</name>
    <message>
        <source>there is no data folder for the memory</source>
        <translation>メモリを置くデータフォルダがありません</translation>
    </message>
    <message>
        <source>could not make the folder %1</source>
        <translation>フォルダ %1 を作成できませんでした</translation>
    </message>
    <message>
        <source>the memory %1 is damaged (%2) and could not be moved aside</source>
        <translation>メモリ %1 は壊れていて (%2)、退避できませんでした</translation>
    </message>
    <message>
        <source>The memory %1 was damaged (%2); it was moved to %3 and a new one started.</source>
        <translation>メモリ %1 は壊れていました (%2)。%3 に移動し、新しいメモリを作成しました。</translation>
    </message>
</context>
<context>
    <name>MenuPeriodCheck</name>
    <message>
        <source>A menu item title ends with “。”.</source>
        <translation>メニュー項目のタイトルが「。」で終わっています。</translation>
    </message>
</context>
<context>
    <name>MergedSave</name>
    <message>
        <source>%1 (in %2)</source>
        <translation>%1（%2 内）</translation>
    </message>
</context>
<context>
    <name>PickerSheet</name>
    <message>
        <source>Choose a File</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>This folder holds several XLIFF files. Choose one to open.</source>
        <translation>このフォルダには複数の XLIFF ファイルがあります。開くファイルを 1 つ選んでください。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
</context>
<context>
    <name>PluralCheck</name>
    <message>
        <source>The target language</source>
        <translation>訳文の言語</translation>
    </message>
    <message>
        <source>The plural forms lack %1; %2 needs %3.</source>
        <translation>複数形に %1 がありません（%2 には %3 が必要です）。</translation>
    </message>
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Check for updates at launch</source>
        <translation>起動時にアップデートを確認</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>+</source>
        <extracomment>Button that appends an entry to the replacement dictionary</extracomment>
        <translation>+</translation>
    </message>
    <message>
        <source>Add an entry</source>
        <translation>項目を追加</translation>
    </message>
    <message>
        <source>−</source>
        <extracomment>Button that removes the selected dictionary entries (a minus sign)</extracomment>
        <translation>−</translation>
    </message>
    <message>
        <source>Remove the selected entries</source>
        <translation>選択した項目を削除</translation>
    </message>
    <message>
        <source>The setting could not be saved to %1.</source>
        <translation>設定を %1 に保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>PretranslateCommand</name>
    <message>
        <source>pretranslate takes one PATH</source>
        <translation>pretranslate には PATH を 1 つ指定します</translation>
    </message>
    <message>
        <source>--min takes 1 to 100</source>
        <translation>--min は 1〜100 です</translation>
    </message>
    <message>
        <source>%1 exact, %2 fuzzy, %3 not found</source>
        <translation>完全一致 %1 件、類似 %2 件、該当なし %3 件</translation>
    </message>
</context>
<context>
    <name>PretranslateFlow</name>
    <message>
        <source>Pre-translate From Memory…</source>
        <translation>メモリから事前翻訳…</translation>
    </message>
    <message>
        <source>Pre-translate From Memory</source>
        <translation>メモリから事前翻訳</translation>
    </message>
    <message>
        <source>Fill untranslated units from matches scoring at least (%):</source>
        <translation>一致率がこの値 (%) 以上の候補で未翻訳のユニットを埋めます:</translation>
    </message>
    <message>
        <source>Nothing Pre-translated</source>
        <translation>事前翻訳されませんでした</translation>
    </message>
    <message>
        <source>Pre-translated From Memory</source>
        <translation>メモリから事前翻訳しました</translation>
    </message>
    <message>
        <source>%1 exact, %2 fuzzy, %3 not found. The filled units are marked Needs Review.</source>
        <translation>完全一致 %1 件、類似 %2 件、該当なし %3 件。埋めたユニットは「要確認」になっています。</translation>
    </message>
</context>
<context>
    <name>Pretranslation</name>
    <message>
        <source>the document names no target language</source>
        <translation>書類に訳文の言語がありません</translation>
    </message>
    <message>
        <source>the memory could not be read</source>
        <translation>メモリを読めませんでした</translation>
    </message>
</context>
<context>
    <name>ProblemIndex</name>
    <message>
        <source>%1 (accepted)</source>
        <translation>%1（承認済み）</translation>
    </message>
</context>
<context>
    <name>ProblemStatus</name>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>エラー %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>警告 %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved. %n error(s) remain.</source>
        <translation>
            <numerusform>保存しました。エラーが %n 件残っています。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressStatus</name>
    <message>
        <source>%1 of %2 translated</source>
        <translation>%2 件中 %1 件翻訳済み</translation>
    </message>
    <message>
        <source>%1 of %2 units</source>
        <translation>%2 件中 %1 件のユニット</translation>
    </message>
    <message>
        <source>Shown: %1 of %2 translated</source>
        <translation>表示中: %2 件中 %1 件翻訳済み</translation>
    </message>
    <message>
        <source>, %1 to review</source>
        <translation>、要レビュー %1 件</translation>
    </message>
    <message>
        <source>Source words, counted at the word boundaries of the Unicode standard (ICU), so Japanese and Chinese text counts by its words. Units marked not to be translated are left out.</source>
        <translation>原文の語数です。Unicode の単語境界(ICU)で数えるため、日本語や中国語の文も単語ごとに数えます。翻訳しないよう指定されたユニットは含みません。</translation>
    </message>
    <message>
        <source>Words: %1 translated, %2 to translate</source>
        <translation>語数: 翻訳済み %1、未翻訳 %2</translation>
    </message>
</context>
<context>
    <name>PunctuationCheck</name>
    <message>
        <source>The source ends with “%1”; the target drops it.</source>
        <translation>原文は「%1」で終わっていますが、訳文にはありません。</translation>
    </message>
    <message>
        <source>The target ends with “%1”; the source has no ending punctuation.</source>
        <translation>訳文は「%1」で終わっていますが、原文の末尾に句読点はありません。</translation>
    </message>
</context>
<context>
    <name>QORVNews</name>
    <message>
        <source>Update Available</source>
        <translation>アップデートがあります</translation>
    </message>
    <message>
        <source>A newer version of %1 is available.</source>
        <translation>%1 の新しいバージョンがあります。</translation>
    </message>
    <message>
        <source>Visit the product page to download it.</source>
        <translation>製品ページからダウンロードできます。</translation>
    </message>
    <message>
        <source>Open Product Page</source>
        <translation>製品ページを開く</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>QSaveFile</name>
    <message>
        <source>Existing file %1 is not writable</source>
        <translation>既存のファイル %1 は書き込めません</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Meta</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>←</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>F%1</source>
        <translation>F%1</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>PgDown</translation>
    </message>
</context>
<context>
    <name>RecoveryController</name>
    <message>
        <source>Edits Not Protected</source>
        <translation>編集内容が保護されていません</translation>
    </message>
    <message>
        <source>Your edits are kept in the window, but they could not be written to the recovery journal, so a crash would lose them. Save to keep them on disk.</source>
        <translation>編集内容はウインドウに残っていますが、復元用の記録に書き込めなかったため、クラッシュすると失われます。ディスクに残すには保存してください。</translation>
    </message>
    <message>
        <source>%1 (in %2)</source>
        <translation>%1（%2 内）</translation>
    </message>
    <message>
        <source>Restore Unsaved Changes</source>
        <translation>保存されていない変更の復元</translation>
    </message>
    <message>
        <source>Recovery Journal Kept</source>
        <translation>復元用の記録が残っています</translation>
    </message>
    <message>
        <source>No Backup Made</source>
        <translation>バックアップが作成されませんでした</translation>
    </message>
    <message>
        <source>File Changed on Disk</source>
        <translation>ディスク上のファイルが変更されました</translation>
    </message>
    <message>
        <source>“%1” was changed by another program. Your unsaved edits are kept; saving writes them into the file as it is now and lists any unit they can no longer be placed in.</source>
        <translation>“%1” が別のプログラムによって変更されました。保存されていない編集内容はそのまま残ります。保存すると現在のファイルに書き込まれ、書き込めなかったユニットは一覧で示されます。</translation>
    </message>
    <message>
        <source>“%1” was changed by another program. Reload it to see the file as it is now?</source>
        <translation>“%1” が別のプログラムによって変更されました。再読み込みして現在のファイルを表示しますか?</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>“%1” is no longer on disk. Your unsaved edits are kept; use Save As to write them to a file.</source>
        <translation>“%1” はディスク上にありません。保存されていない編集内容はそのまま残ります。「別名で保存」でファイルに書き出してください。</translation>
    </message>
    <message>
        <source>“%1” is no longer on disk. The table still shows it as it was read.</source>
        <translation>“%1” はディスク上にありません。表には読み込んだときの内容が表示されています。</translation>
    </message>
    <message>
        <source>File Moved or Deleted</source>
        <translation>ファイルが移動または削除されました</translation>
    </message>
    <message>
        <source>Unsaved Edits of a Moved File</source>
        <translation>移動されたファイルの保存されていない編集</translation>
    </message>
    <message>
        <source>Edits to “%1” were not saved, and the file is no longer at %2. Choose the file where it is now to have the edits offered back. Until then they are kept.</source>
        <translation>“%1” への編集は保存されておらず、ファイルはもう %2 にありません。現在の場所にあるファイルを選ぶと、編集内容の復元を提案します。それまで編集内容は保管されます。</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>ファイルを選択…</translation>
    </message>
    <message>
        <source>Choose the Moved File</source>
        <translation>移動したファイルを選択</translation>
    </message>
    <message>
        <source>XLIFF files (*.xliff)</source>
        <translation>XLIFF ファイル (*.xliff)</translation>
    </message>
    <message>
        <source>Edits Not Offered</source>
        <translation>編集内容を提案できません</translation>
    </message>
    <message>
        <source>no line of it could be read</source>
        <translation>どの行も読み取れませんでした</translation>
    </message>
    <message>
        <source>Recovery Journal Unreadable</source>
        <translation>復元用の記録を読み取れません</translation>
    </message>
    <message>
        <source>The recovery journal of “%1” could not be read: %2. Nothing was restored.</source>
        <translation>“%1” の復元用の記録を読み取れませんでした: %2。何も復元されていません。</translation>
    </message>
    <message>
        <source>The recovery journal of “%1” could not be read: %2. Nothing was restored; the journal is kept as %3.</source>
        <translation>“%1” の復元用の記録を読み取れませんでした: %2。何も復元されていません。記録は %3 として保管されています。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>“%1” is no longer on disk. Your unsaved edits are kept: Save writes the file back where it was, as last read and with your edits; Save As writes it anywhere.</source>
        <translation>“%1” はディスク上にありません。保存されていない編集内容はそのまま残ります。「保存」は最後に読み込んだ内容に編集を加えて元の場所に書き戻し、「別名で保存」は任意の場所に書き出します。</translation>
    </message>
</context>
<context>
    <name>RecoveryJournal</name>
    <message>
        <source>No folder for application data is known on this system.</source>
        <translation>このシステムではアプリケーションデータのフォルダが分かりません。</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>フォルダ %1 を作成できません。</translation>
    </message>
    <message>
        <source>Cannot write the recovery journal %1: %2</source>
        <translation>復元用の記録 %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot remove the recovery journal %1: %2</source>
        <translation>復元用の記録 %1 を削除できません: %2</translation>
    </message>
    <message>
        <source>Cannot move the recovery journal %1 aside: %2</source>
        <translation>復元用の記録 %1 を退避できません: %2</translation>
    </message>
    <message>
        <source>Cannot move the recovery journal %1 aside.</source>
        <translation>復元用の記録 %1 を退避できません。</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>%1 MB を超えています</translation>
    </message>
    <message>
        <source>“%1” has unsaved edits of its own in the recovery journal %2.</source>
        <translation>“%1” には復元用の記録 %2 に独自の保存されていない編集があります。</translation>
    </message>
    <message>
        <source>Cannot move the recovery journal %1: %2</source>
        <translation>復元用の記録 %1 を移動できません: %2</translation>
    </message>
</context>
<context>
    <name>RecoveryMatch</name>
    <message>
        <source>the target holds the character %1, which an XLIFF file cannot hold</source>
        <translation>訳文に XLIFF ファイルが保持できない文字 %1 が含まれています</translation>
    </message>
    <message>
        <source>the state holds the character %1, which an XLIFF file cannot hold</source>
        <translation>状態に XLIFF ファイルが保持できない文字 %1 が含まれています</translation>
    </message>
</context>
<context>
    <name>RecoverySheet</name>
    <message>
        <source>Restore Unsaved Changes?</source>
        <translation>保存されていない変更を復元しますか?</translation>
    </message>
    <message numerus="yes">
        <source>Unsaved edits to “%1”: %n. The last was made on %2.</source>
        <translation>
            <numerusform>“%1” への保存されていない編集: %n 件。最後の編集は %2 です。</numerusform>
        </translation>
    </message>
    <message>
        <source>The file has changed since; every edit still matches its unit by ID and source.</source>
        <translation>その後ファイルは変更されましたが、すべての編集が ID と原文で対応するユニットに一致します。</translation>
    </message>
    <message numerus="yes">
        <source>The file has changed since. These edits no longer match a unit by ID and source and will not be restored (%n):</source>
        <translation>
            <numerusform>その後ファイルが変更されました。次の編集は ID と原文で一致するユニットがないため、復元されません（%n 件）:</numerusform>
        </translation>
    </message>
    <message>
        <source>Restoring applies them as one step you can undo. If you don&apos;t restore them, they are kept aside until you next save.</source>
        <translation>復元した編集はまとめて 1 回で取り消せます。復元しない場合は、次に保存するまで別に保管されます。</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Don&apos;t Restore</source>
        <translation>復元しない</translation>
    </message>
    <message numerus="yes">
        <source>These edits hold what no XLIFF file can take and will not be restored (%n):</source>
        <translation>
            <numerusform>これらの編集には XLIFF ファイルが保持できない内容が含まれるため、復元されません（%n 件）:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReferenceSplicer</name>
    <message>
        <source>matching the unit &quot;%1&quot; took too long</source>
        <translation>ユニット「%1」の照合に時間がかかりすぎました</translation>
    </message>
</context>
<context>
    <name>ReplaceInTargets</name>
    <message>
        <source>Replace in Targets</source>
        <translation>訳文の置換</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>すべて置換(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find in targets:</source>
        <translation>訳文から検索(&amp;F):</translation>
    </message>
    <message>
        <source>Replace &amp;with:</source>
        <translation>置換後の文字列(&amp;W):</translation>
    </message>
    <message>
        <source>R&amp;eplace…</source>
        <translation>置換(&amp;E)…</translation>
    </message>
    <message numerus="yes">
        <source>Replaced in %n target(s).</source>
        <translation>
            <numerusform>%n 件の訳文で置き換えました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReplacementPass</name>
    <message>
        <source>The replacement dictionary gives Japanese titles, and this document is translated into &quot;%1&quot;: nothing was replaced.</source>
        <translation>置換辞書は日本語の項目名を入れますが、この書類の翻訳先は「%1」です。何も置き換えていません。</translation>
    </message>
    <message>
        <source>The replacement dictionary gives Japanese titles, and this document names no target language: nothing was replaced.</source>
        <translation>置換辞書は日本語の項目名を入れますが、この書類には翻訳先の言語が書かれていません。何も置き換えていません。</translation>
    </message>
    <message>
        <source>Nothing was replaced: every target the dictionary covers already has its entry.</source>
        <translation>置き換えるものはありませんでした。辞書にある訳文はすべて入っています。</translation>
    </message>
    <message numerus="yes">
        <source>Replaced %n target(s).</source>
        <translation>
            <numerusform>%n 件の訳文を置き換えました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replaced %n target(s); %1 of them had another translation.</source>
        <translation>
            <numerusform>%n 件の訳文を置き換えました。うち %1 件には別の訳がありました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaveFlow</name>
    <message>
        <source>Save As</source>
        <translation>別名で保存</translation>
    </message>
    <message>
        <source>XLIFF files (*.xliff)</source>
        <translation>XLIFF ファイル (*.xliff)</translation>
    </message>
    <message>
        <source>String Catalogs (*.xcstrings)</source>
        <translation>文字列カタログ (*.xcstrings)</translation>
    </message>
</context>
<context>
    <name>SaveMerge</name>
    <message>
        <source>the file was changed on disk and is no longer a well-formed XLIFF file</source>
        <translation>ディスク上のファイルが変更され、整形式の XLIFF ファイルではなくなりました</translation>
    </message>
    <message>
        <source>the file as it was read no longer matches the window&apos;s units</source>
        <translation>読み込んだときのファイルがウインドウのユニットと一致しません</translation>
    </message>
</context>
<context>
    <name>SaveRunner</name>
    <message>
        <source>Saving…</source>
        <translation>保存中…</translation>
    </message>
</context>
<context>
    <name>SpliceVerifier</name>
    <message>
        <source>the new text would not be well-formed XML (line %1, column %2: %3)</source>
        <translation>新しいテキストは整形式の XML になりません（%1 行 %2 列: %3）</translation>
    </message>
    <message>
        <source>the saved file would be larger than %1 MB, and a file that large is refused when opened</source>
        <translation>保存するファイルが %1 MB を超えます。その大きさのファイルは開くときに拒否されます</translation>
    </message>
</context>
<context>
    <name>StrictJson</name>
    <message>
        <source>text after the value</source>
        <translation>値のあとに余分な文字があります</translation>
    </message>
    <message>
        <source>a value is missing</source>
        <translation>値がありません</translation>
    </message>
    <message>
        <source>values nested too deeply</source>
        <translation>値の入れ子が深すぎます</translation>
    </message>
    <message>
        <source>a member name must be a string</source>
        <translation>メンバー名は文字列でなければなりません</translation>
    </message>
    <message>
        <source>a colon is missing after a member name</source>
        <translation>メンバー名のあとにコロンがありません</translation>
    </message>
    <message>
        <source>a comma or closing brace is missing</source>
        <translation>コンマまたは閉じ波括弧がありません</translation>
    </message>
    <message>
        <source>a comma or closing bracket is missing</source>
        <translation>コンマまたは閉じ角括弧がありません</translation>
    </message>
    <message>
        <source>an unknown word</source>
        <translation>不明な語です</translation>
    </message>
    <message>
        <source>not a value</source>
        <translation>値ではありません</translation>
    </message>
    <message>
        <source>a number is cut short</source>
        <translation>数値が途中で終わっています</translation>
    </message>
    <message>
        <source>a control character inside a string</source>
        <translation>文字列内に制御文字があります</translation>
    </message>
    <message>
        <source>bytes that are not UTF-8</source>
        <translation>UTF-8 ではないバイトがあります</translation>
    </message>
    <message>
        <source>a string is not closed</source>
        <translation>文字列が閉じられていません</translation>
    </message>
    <message>
        <source>an escape JSON does not have</source>
        <translation>JSON にないエスケープです</translation>
    </message>
</context>
<context>
    <name>TargetDiff</name>
    <message>
        <source>the files hold different numbers of units</source>
        <translation>ファイルのユニット数が異なります</translation>
    </message>
    <message>
        <source>not valid UTF-8</source>
        <translation>有効な UTF-8 ではありません</translation>
    </message>
    <message>
        <source>units stand inside other units</source>
        <translation>ユニットがほかのユニットの内側にあります</translation>
    </message>
</context>
<context>
    <name>TargetEdits</name>
    <message numerus="yes">
        <source>%1 (%n Units)</source>
        <translation>
            <numerusform>%1(%n 件のユニット)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UnchangedCheck</name>
    <message>
        <source>The target is the same as the source.</source>
        <translation>訳文が原文と同じです。</translation>
    </message>
</context>
<context>
    <name>UnitNavigator</name>
    <message>
        <source>No untranslated units are shown.</source>
        <translation>表示中のユニットに未翻訳のものはありません。</translation>
    </message>
    <message>
        <source>No units to review are shown.</source>
        <translation>表示中のユニットにレビューが必要なものはありません。</translation>
    </message>
    <message>
        <source>No units with problems are shown.</source>
        <translation>表示中のユニットに問題のあるものはありません。</translation>
    </message>
    <message>
        <source>“%1” is not found in the units shown.</source>
        <translation>表示中のユニットに「%1」は見つかりません。</translation>
    </message>
</context>
<context>
    <name>UnitTableModel</name>
    <message>
        <source>This unit is marked not to be translated.</source>
        <translation>このユニットは翻訳しないよう指定されています。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>原文</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>訳文</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>%1 (state=&quot;%2&quot;)</source>
        <translation>%1（state=&quot;%2&quot;）</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Translated</source>
        <translation>翻訳済み</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Signed Off</source>
        <translation>承認済み</translation>
    </message>
    <message>
        <source>Needs Translation</source>
        <translation>要翻訳</translation>
    </message>
    <message>
        <source>Needs Localisation</source>
        <translation>要ローカライズ</translation>
    </message>
    <message>
        <source>Needs Adaptation</source>
        <translation>要調整</translation>
    </message>
    <message>
        <source>Needs Review</source>
        <translation>要レビュー</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>The target was not changed: it holds the character U+%1, which an XLIFF file cannot hold.</source>
        <translation>訳文は変更されていません。XLIFF ファイルに書けない文字 U+%1 が含まれています。</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>開く(&amp;O)…</translation>
    </message>
    <message>
        <source>Open &amp;Folder…</source>
        <translation>フォルダを開く(&amp;F)…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近使った項目を開く(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>別名で保存(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべてを選択(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Tarnwick Help</source>
        <translation>Tarnwick ヘルプ</translation>
    </message>
    <message>
        <source>About Tarnwick</source>
        <translation>Tarnwick について</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>メニューを消去</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダを開く</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Tarnwick %1</source>
        <translation>Tarnwick %1</translation>
    </message>
    <message>
        <source>An editor for the XLIFF files that Xcode exports.</source>
        <translation>Xcode が書き出す XLIFF ファイルのためのエディタです。</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>取り消す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>検索(&amp;F)…</translation>
    </message>
    <message>
        <source>Copy &amp;Source to Target</source>
        <translation>原文を訳文にコピー(&amp;S)</translation>
    </message>
    <message>
        <source>C&amp;lear Target</source>
        <translation>訳文を消去(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Sort in &amp;File Order</source>
        <translation>ファイルの順に並べる(&amp;F)</translation>
    </message>
    <message>
        <source>Show &amp;All Units</source>
        <translation>すべてのユニットを表示(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>移動(&amp;G)</translation>
    </message>
    <message>
        <source>Replace With Replacement &amp;Dictionary</source>
        <translation>置換辞書で置き換える(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>環境設定(&amp;P)…</translation>
    </message>
    <message>
        <source>Next &amp;Untranslated</source>
        <translation>次の未翻訳(&amp;U)</translation>
    </message>
    <message>
        <source>Pre&amp;vious Untranslated</source>
        <translation>前の未翻訳(&amp;V)</translation>
    </message>
    <message>
        <source>Next Needs &amp;Review</source>
        <translation>次の要レビュー(&amp;R)</translation>
    </message>
    <message>
        <source>Previous Needs Revie&amp;w</source>
        <translation>前の要レビュー(&amp;W)</translation>
    </message>
</context>
<context>
    <name>WorkbenchCommands</name>
    <message>
        <source>&amp;Confirm and Next Untranslated</source>
        <translation>確定して次の未翻訳へ(&amp;C)</translation>
    </message>
    <message>
        <source>Next U&amp;nit</source>
        <translation>次のユニット(&amp;N)</translation>
    </message>
    <message>
        <source>Previous Uni&amp;t</source>
        <translation>前のユニット(&amp;T)</translation>
    </message>
    <message>
        <source>Next &amp;Problem</source>
        <translation>次の問題(&amp;P)</translation>
    </message>
    <message>
        <source>Previous Pro&amp;blem</source>
        <translation>前の問題(&amp;B)</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>次を検索(&amp;N)</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>前を検索(&amp;V)</translation>
    </message>
    <message>
        <source>Switch Between &amp;Table and Target</source>
        <translation>表と訳文を切り替える(&amp;T)</translation>
    </message>
    <message>
        <source>XLIFF files and String Catalogs (*.xliff *.xcstrings)</source>
        <translation>XLIFF ファイルと文字列カタログ (*.xliff *.xcstrings)</translation>
    </message>
</context>
<context>
    <name>Workbench</name>
    <message>
        <source>The accepted warnings could not be stored: %1</source>
        <translation>承認した警告を保存できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>XliffWriter</name>
    <message>
        <source>not valid UTF-8</source>
        <translation>有効な UTF-8 ではありません</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Edit the XLIFF files that Xcode exports.</source>
        <translation>Xcode が書き出す XLIFF ファイルを編集します。</translation>
    </message>
    <message>
        <source>Files or folders to open.</source>
        <translation>開くファイルまたはフォルダ。</translation>
    </message>
</context>
</TS>
