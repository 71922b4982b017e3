<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>Arguments</name>
    <message>
        <source>use one of: %1</source>
        <translation>次のいずれかを指定してください：%1</translation>
    </message>
    <message>
        <source>use one of: %1 (kbit/s)</source>
        <translation>次のいずれかを指定してください：%1（kbit/s）</translation>
    </message>
    <message>
        <source>use one of: %1 (Hz)</source>
        <translation>次のいずれかを指定してください：%1（Hz）</translation>
    </message>
    <message>
        <source>use a number of files from 1 to %1 (the number of cores)</source>
        <translation>1〜%1（コア数）のファイル数を指定してください</translation>
    </message>
    <message>
        <source>use an existing folder</source>
        <translation>既存のフォルダーを指定してください</translation>
    </message>
    <message>
        <source>see qelvanto --help</source>
        <translation>qelvanto --help を参照してください</translation>
    </message>
    <message>
        <source>Converts batches of audio files.
Without --convert it opens its window and starts a batch of the given files and
folders, as if they had been dropped on the door.
With --convert it converts them without a window. Options not given take the
window&apos;s last choices. Exit status: 0 every audio file converted, 1 a file failed,
was stopped or was left out, 2 a usage error, 130 or 143 interrupted.</source>
        <translation>オーディオファイルを一括変換します。
--convert を付けない場合は、ウィンドウを開き、指定したファイルとフォルダーを
ドアにドロップしたときと同じように一括変換を始めます。
--convert を付けた場合は、ウィンドウを開かずに変換します。指定しなかった
オプションには、ウィンドウで最後に選んだ設定が使われます。
終了ステータス：0 すべてのオーディオファイルを変換した、
1 失敗・停止・除外されたファイルがある、2 使い方の誤り、
130 または 143 中断された。</translation>
    </message>
    <message>
        <source>Convert without a window; a summary follows on standard output.</source>
        <translation>ウィンドウを開かずに変換し、標準出力に結果の概要を表示します。</translation>
    </message>
    <message>
        <source>Output format: %1.</source>
        <translation>出力形式：%1。</translation>
    </message>
    <message>
        <source>Bitrate in kbit/s: %1.</source>
        <translation>ビットレート（kbit/s）：%1。</translation>
    </message>
    <message>
        <source>Sample rate in Hz: %1.</source>
        <translation>サンプルレート（Hz）：%1。</translation>
    </message>
    <message>
        <source>mono or stereo.</source>
        <translation>mono または stereo。</translation>
    </message>
    <message>
        <source>Files converted at once, 1 to %1 (the number of cores).</source>
        <translation>同時に変換するファイル数。1〜%1（コア数）。</translation>
    </message>
    <message>
        <source>Write every result into this existing folder, not into Converted/ beside each input.</source>
        <translation>各入力と同じ場所の Converted/ ではなく、この既存のフォルダーにすべての結果を書き込みます。</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>With --output: the files of a given folder keep its tree of folders inside the output folder.</source>
        <translation>--output と併用：指定したフォルダー内のファイルを、出力先フォルダーの中に元のフォルダー構成のまま保存します。</translation>
    </message>
    <message>
        <source>When a result is there already: rename (a new name, &quot;a 1.mp3&quot;) or skip (the file is left as it is).</source>
        <translation>結果がすでにある場合：rename（新しい名前 "a 1.mp3" で変換）または skip（そのファイルはそのまま）。</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says.</source>
        <translation>同じ場所にキューシートがあるアルバムイメージを、トラックごとのファイルに分け、キューシートのとおりに名前とタグを付けます。</translation>
    </message>
    <message>
        <source>No progress and no line per file on standard error.</source>
        <translation>標準エラー出力に進行状況もファイルごとの行も表示しません。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Audio files and folders to convert.</source>
        <translation>変換するオーディオファイルとフォルダー。</translation>
    </message>
    <message>
        <source>--%1 needs a value; %2</source>
        <translation>--%1 には値が必要です。%2</translation>
    </message>
    <message>
        <source>%1 The options are --convert, --format, --bitrate, --rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help and --version.</source>
        <translation>%1 使用できるオプションは --convert、--format、--bitrate、--rate、--channels、--jobs、--output、--keep-folders、--existing、--split-cue、--quiet、--help、--version です。</translation>
    </message>
    <message>
        <source>--%1 goes with --convert: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--%1 は --convert と併用します：qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>--convert needs at least one file or folder: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--convert には1つ以上のファイルまたはフォルダーが必要です：qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>the format &quot;%1&quot; is not offered; %2</source>
        <translation>形式 "%1" は指定できません。%2</translation>
    </message>
    <message>
        <source>the bitrate &quot;%1&quot; is not offered; %2</source>
        <translation>ビットレート "%1" は指定できません。%2</translation>
    </message>
    <message>
        <source>the sample rate &quot;%1&quot; is not offered; %2</source>
        <translation>サンプルレート "%1" は指定できません。%2</translation>
    </message>
    <message>
        <source>the channels &quot;%1&quot; is not offered; %2</source>
        <translation>チャンネル "%1" は指定できません。%2</translation>
    </message>
    <message>
        <source>--jobs &quot;%1&quot; is not offered; %2</source>
        <translation>--jobs "%1" は指定できません。%2</translation>
    </message>
    <message>
        <source>--output: the folder&apos;s name is not valid UTF-8; use another folder</source>
        <translation>--output：フォルダー名が有効な UTF-8 ではありません。別のフォルダーを指定してください</translation>
    </message>
    <message>
        <source>--output &quot;%1&quot; is not an existing folder; use an existing folder</source>
        <translation>--output "%1" は既存のフォルダーではありません。既存のフォルダーを指定してください</translation>
    </message>
    <message>
        <source>--keep-folders goes with --output: qelvanto --convert --output DIR --keep-folders PATH…</source>
        <translation>--keep-folders は --output と併用します：qelvanto --convert --output DIR --keep-folders PATH…</translation>
    </message>
    <message>
        <source>--existing &quot;%1&quot; is not offered; %2</source>
        <translation>--existing "%1" は指定できません。%2</translation>
    </message>
    <message>
        <source>qelvanto: see qelvanto --help</source>
        <translation>qelvanto: qelvanto --help を参照してください</translation>
    </message>
</context>
<context>
    <name>BannerController</name>
    <message>
        <source>Select File(s)</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>Convert these files?</source>
        <translation>これらのファイルを変換しますか？</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>Now please select a folder to save the output media files.
(For example: Desktop)</source>
        <translation>続いて、出力ファイルを保存するフォルダーを選択してください。
（例：デスクトップ）</translation>
    </message>
    <message>
        <source>Don&apos;t Show This Message Again</source>
        <translation>今後このメッセージを表示しない</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Output the File to</source>
        <translation>ファイルの出力先</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a file&apos;s share done</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>about %1 s left</source>
        <translation>残り約%1秒</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>残り約%1分</translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>残り約%1時間%2分</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation>残り約%1時間</translation>
    </message>
    <message>
        <source>it is not executable</source>
        <translation>実行可能ファイルではありません</translation>
    </message>
</context>
<context>
    <name>BatchListModel</name>
    <message>
        <source>%1, converted to %2</source>
        <translation>%1、%2 に変換済み</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Saved as</source>
        <translation>保存先</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz: every file would fail.</source>
        <translation>エンコーダーは %2 Hz・モノラルの %1 に対応していません。このままではすべてのファイルが失敗します。</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz: every file would fail.</source>
        <translation>エンコーダーは %2 Hz・ステレオの %1 に対応していません。このままではすべてのファイルが失敗します。</translation>
    </message>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>エンコーダーは %2 Hz・モノラルで %3 kbit/s を超える %1 に対応していません。このままではすべてのファイルが失敗します。</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>エンコーダーは %2 Hz・ステレオで %3 kbit/s を超える %1 に対応していません。このままではすべてのファイルが失敗します。</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>it is not a cue sheet (it holds a zero byte)</source>
        <translation>キューシートではありません（NUL バイトを含んでいます）</translation>
    </message>
    <message>
        <source>it names more than %1 tracks</source>
        <translation>%1を超える数のトラックが記載されています</translation>
    </message>
    <message>
        <source>it is not a cue sheet the reader understands</source>
        <translation>読み取れる形式のキューシートではありません</translation>
    </message>
    <message>
        <source>it names no track</source>
        <translation>トラックが1つも記載されていません</translation>
    </message>
    <message>
        <source>its track %1 cannot be read</source>
        <translation>トラック %1 を読み取れません</translation>
    </message>
    <message>
        <source>its track %1 has no start</source>
        <translation>トラック %1 に開始位置がありません</translation>
    </message>
    <message>
        <source>its track %1 names no file</source>
        <translation>トラック %1 にファイルが指定されていません</translation>
    </message>
    <message>
        <source>its track %1 starts before track %2 ends</source>
        <translation>トラック %1 がトラック %2 の終了前に始まっています</translation>
    </message>
    <message>
        <source>%1 track %2 of %3</source>
        <translation>%1 トラック %2/%3</translation>
    </message>
</context>
<context>
    <name>Decisions</name>
    <message>
        <source>its name is not valid UTF-8, so it cannot be handed to the encoder unchanged</source>
        <translation>名前が有効な UTF-8 ではないため、そのままではエンコーダーに渡せません</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>読み取れません（%1）</translation>
    </message>
    <message>
        <source>it is a playlist, which would make the encoder open the files it names</source>
        <translation>プレイリストのため、エンコーダーがそこに記載されたファイルを開いてしまいます</translation>
    </message>
    <message>
        <source>it could not be examined: the system would not start the encoder (%1)</source>
        <translation>解析できませんでした：システムがエンコーダーを起動しませんでした（%1）</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>すぐにコード %1 で終了しました</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>エンコーダーが%1秒以内に読み取りを終えませんでした</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the encoder reported success but wrote nothing</source>
        <translation>エンコーダーは成功を報告しましたが、何も書き込みませんでした</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>通常のファイルではなく FIFO です</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>通常のファイルではなくソケットです</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>通常のファイルではなくデバイスです</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
</context>
<context>
    <name>InputCollection</name>
    <message>
        <source>it is a folder that cannot be opened (%1)</source>
        <translation>開けないフォルダーです（%1）</translation>
    </message>
    <message>
        <source>Left out %1: it holds the results of earlier runs.</source>
        <translation>%1 を除外しました：以前の変換結果が入っています。</translation>
    </message>
    <message>
        <source>Left out %1: it is the output folder, which holds results.</source>
        <translation>%1 を除外しました：変換結果を保存する出力先フォルダーです。</translation>
    </message>
    <message>
        <source>its FILE %1 is not beside it</source>
        <translation>FILE で指定された %1 が同じフォルダーにありません</translation>
    </message>
    <message>
        <source>its FILE %1 is not there</source>
        <translation>FILE で指定された %1 が見つかりません</translation>
    </message>
    <message>
        <source>its FILE %1 is a link, which is not followed</source>
        <translation>FILE で指定された %1 はリンクのため、たどりません</translation>
    </message>
    <message>
        <source>its FILE %1 is not a regular file</source>
        <translation>FILE で指定された %1 は通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is larger than an album&apos;s cue sheet can be</source>
        <translation>アルバムのキューシートとしては大きすぎます</translation>
    </message>
</context>
<context>
    <name>Journey</name>
    <message>
        <source>the system would not start the encoder (%1)</source>
        <translation>システムがエンコーダーを起動しませんでした（%1）</translation>
    </message>
    <message>
        <source>its image states no sample rate</source>
        <translation>イメージにサンプルレートの情報がありません</translation>
    </message>
    <message>
        <source>it starts at %1, after the end of its image (%2)</source>
        <translation>開始位置 %1 がイメージの終わり（%2）より後です</translation>
    </message>
    <message>
        <source>its Converted folder %1 is a link, which is not followed</source>
        <translation>Converted フォルダー %1 はリンクのため、たどりません</translation>
    </message>
    <message>
        <source>%1, where its Converted folder goes, is not a folder</source>
        <translation>Converted フォルダーを置く場所 %1 がフォルダーではありません</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>すぐにコード %1 で終了しました</translation>
    </message>
    <message>
        <source>Removed %1, which an interrupted run had left unfinished.</source>
        <translation>中断された変換で未完成のまま残っていた %1 を削除しました。</translation>
    </message>
    <message>
        <source>its output %1 could not be created (%2)</source>
        <translation>出力 %1 を作成できませんでした（%2）</translation>
    </message>
    <message>
        <source>a name or setting holds the text %1, which would split the encoder&apos;s arguments</source>
        <translation>名前または設定に文字列 %1 が含まれていて、エンコーダーの引数が分割されてしまいます</translation>
    </message>
    <message>
        <source>the encoder could not be started</source>
        <translation>エンコーダーを起動できませんでした</translation>
    </message>
    <message>
        <source>the encoder could not be started (%1)</source>
        <translation>エンコーダーを起動できませんでした（%1）</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>エンコーダーが%1秒以内に読み取りを終えませんでした</translation>
    </message>
    <message>
        <source>it could not be saved (%1)</source>
        <translation>保存できませんでした（%1）</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add files</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or press Enter or Space to pick files</source>
        <translation>ここにオーディオファイルやフォルダーをドロップするか、Enter キーまたは Space キーを押してファイルを選択します</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or click to pick files (Ctrl+O)</source>
        <translation>ここにオーディオファイルやフォルダーをドロップするか、クリックしてファイルを選択します（Ctrl+O）</translation>
    </message>
    <message>
        <source>How to add files</source>
        <translation>ファイルの追加方法</translation>
    </message>
    <message>
        <source>Drop audio files or folders on the door, or click it to choose files.</source>
        <translation>オーディオファイルやフォルダーをドアにドロップするか、ドアをクリックしてファイルを選択します。</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Output format, which is also the new file&apos;s extension</source>
        <translation>出力形式（新しいファイルの拡張子にもなります）</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>ビットレート</translation>
    </message>
    <message>
        <source>Audio bitrate in kilobits per second, used by the lossy formats</source>
        <translation>非可逆形式で使われるオーディオのビットレート（キロビット毎秒）</translation>
    </message>
    <message>
        <source>Audio bitrate in kbit/s (used by the lossy formats)</source>
        <translation>オーディオのビットレート（kbit/s、非可逆形式で使用）</translation>
    </message>
    <message>
        <source>kbit/s</source>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>サンプルレート</translation>
    </message>
    <message>
        <source>Sample rate in hertz</source>
        <translation>サンプルレート（ヘルツ）</translation>
    </message>
    <message>
        <source>Sample rate in Hz</source>
        <translation>サンプルレート（Hz）</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Mono or stereo</source>
        <translation>モノラルまたはステレオ</translation>
    </message>
    <message>
        <source>Number of channels</source>
        <translation>チャンネル数</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>ステレオ</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>同時変換</translation>
    </message>
    <message>
        <source>How many files convert at the same time</source>
        <translation>同時に変換するファイルの数</translation>
    </message>
    <message>
        <source>How many files convert at the same time; each uses one processor core</source>
        <translation>同時に変換するファイルの数（1ファイルにつきプロセッサーのコアを1つ使用）</translation>
    </message>
    <message>
        <source>What the chosen format does with the sample rate</source>
        <translation>選択した形式でのサンプルレートの扱い</translation>
    </message>
    <message>
        <source>Whether the encoder takes the chosen format, bitrate, sample rate and channels</source>
        <translation>選択した形式、ビットレート、サンプルレート、チャンネルにエンコーダーが対応しているかどうか</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Original Folder puts the results in a Converted folder beside each file; otherwise you pick one folder when the batch starts</source>
        <translation>「元のフォルダー」では各ファイルと同じ場所の Converted フォルダーに結果を保存します。それ以外では、変換の開始時に保存先のフォルダーを1つ選びます</translation>
    </message>
    <message>
        <source>Original Folder: a Converted folder beside each file. Otherwise you pick one folder when the batch starts.</source>
        <translation>「元のフォルダー」：各ファイルと同じ場所の Converted フォルダー。それ以外では、変換の開始時にフォルダーを1つ選びます。</translation>
    </message>
    <message>
        <source>Original Folder</source>
        <translation>元のフォルダー</translation>
    </message>
    <message>
        <source>Choose a Folder…</source>
        <translation>フォルダーを選択…</translation>
    </message>
    <message>
        <source>Keep folders</source>
        <translation>フォルダー構成を維持</translation>
    </message>
    <message>
        <source>With a chosen folder, the files of a dropped folder keep its tree of folders inside it</source>
        <translation>保存先のフォルダーを選んだ場合、ドロップしたフォルダーのファイルを、その中に元のフォルダー構成のまま保存します</translation>
    </message>
    <message>
        <source>If it exists</source>
        <translation>既にある場合</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: convert it again under a new name, or skip the file</source>
        <translation>変換結果が既にある場合：新しい名前でもう一度変換するか、ファイルをスキップします</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: New name converts it again as &quot;NAME 1&quot;, Skip leaves it as it is</source>
        <translation>変換結果が既にある場合：「新しい名前」は "NAME 1" としてもう一度変換し、「スキップ」は何もせずそのままにします</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>新しい名前</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Split by cue sheet</source>
        <translation>キューシートで分割</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says</source>
        <translation>同じ場所にキューシートがあるアルバムイメージを、トラックごとのファイルに分け、キューシートのとおりに名前とタグを付けます</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>出力先フォルダー</translation>
    </message>
    <message>
        <source>The folder chosen for the results</source>
        <translation>変換結果の保存先として選んだフォルダー</translation>
    </message>
    <message>
        <source>Converted/ beside each file</source>
        <translation>各ファイルと同じ場所の Converted/</translation>
    </message>
    <message>
        <source>What is being done and how many files are left</source>
        <translation>実行中の処理と残りのファイル数</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>How far the current file has got</source>
        <translation>現在のファイルの進行状況</translation>
    </message>
    <message>
        <source>How far the current file has got, in percent</source>
        <translation>現在のファイルの進行状況（パーセント）</translation>
    </message>
    <message>
        <source>How long the whole batch will still take</source>
        <translation>全体の残り時間</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>準備中</translation>
    </message>
    <message>
        <source>The current file is being examined</source>
        <translation>現在のファイルを解析しています</translation>
    </message>
    <message>
        <source>Opens the guide</source>
        <translation>ガイドを開きます</translation>
    </message>
    <message>
        <source>Qelvanto help</source>
        <translation>Qelvanto ヘルプ</translation>
    </message>
    <message>
        <source>While files convert it reads Stop and stops every conversion that runs; otherwise it only shows the door picture again</source>
        <translation>変換中は「停止」と表示され、実行中のすべての変換を停止します。それ以外のときは、ドアの画像を再び表示するだけです</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>コンソール</translation>
    </message>
    <message>
        <source>What the encoder did, file by file</source>
        <translation>ファイルごとのエンコーダーの処理内容</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>エンコーダーの状態</translation>
    </message>
    <message>
        <source>The encoder&apos;s latest status line</source>
        <translation>エンコーダーの最新の状態行</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1ファイル</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%Lnファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>Files of the batch</source>
        <translation>変換するファイル</translation>
    </message>
    <message>
        <source>Each file of the batch, what became of it and where it was saved; Enter shows a converted file in the file manager</source>
        <translation>変換する各ファイルとその結果、保存先。Enter キーで変換済みのファイルをファイルマネージャーに表示します</translation>
    </message>
    <message>
        <source>Asked for when the batch starts</source>
        <translation>変換の開始時に選択します</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>converted with problems to %1: %2</source>
        <translation>%1 に変換しましたが問題があります：%2</translation>
    </message>
    <message>
        <source>converted to %1</source>
        <translation>%1 に変換しました</translation>
    </message>
    <message>
        <source>already converted as %1, left as it is</source>
        <translation>%1 として変換済みのため、そのままにしました</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>失敗しました：%1</translation>
    </message>
    <message>
        <source>failed with result code %1</source>
        <translation>失敗しました（結果コード %1）</translation>
    </message>
    <message>
        <source>failed with result code %1: %2</source>
        <translation>失敗しました（結果コード %1）：%2</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>停止しました</translation>
    </message>
    <message>
        <source>not audio, skipped</source>
        <translation>オーディオではないため、スキップしました</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>除外しました：%1</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>読み取れませんでした：%1</translation>
    </message>
    <message>
        <source>Conversion Completed.</source>
        <translation>変換が完了しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed; the console has the details.</source>
        <translation>
            <numerusform>%1個のファイルのうち%Ln個が失敗しました。詳しくはコンソールをご覧ください。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed.</source>
        <translation>
            <numerusform>%1個のファイルのうち%Ln個が失敗しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were stopped.</source>
        <translation>
            <numerusform>%1個のファイルのうち%Ln個を停止しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not audio and was skipped.</source>
        <translation>1個のファイルはオーディオではないため、スキップしました。</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not audio and were skipped.</source>
        <translation>
            <numerusform>%Ln個のファイルはオーディオではないため、スキップしました。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was converted with problems; the console has the details.</source>
        <translation>1個のファイルは変換しましたが問題がありました。詳しくはコンソールをご覧ください。</translation>
    </message>
    <message>
        <source>1 file was converted with problems.</source>
        <translation>1個のファイルは変換しましたが問題がありました。</translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems; the console has the details.</source>
        <translation>
            <numerusform>%Ln個のファイルは変換しましたが問題がありました。詳しくはコンソールをご覧ください。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems.</source>
        <translation>
            <numerusform>%Ln個のファイルは変換しましたが問題がありました。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was already converted and was left as it is.</source>
        <translation>1個のファイルは変換済みのため、そのままにしました。</translation>
    </message>
    <message numerus="yes">
        <source>%n files were already converted and were left as they are.</source>
        <translation>
            <numerusform>%Ln個のファイルは変換済みのため、そのままにしました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ほか%Ln件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Presenter</name>
    <message>
        <source>Stopped %1: its unfinished output %2 was removed.</source>
        <translation>%1 を停止しました：未完成の出力 %2 を削除しました。</translation>
    </message>
    <message>
        <source>Not converted %1: its unfinished output %2 was removed.</source>
        <translation>%1 は変換されませんでした：未完成の出力 %2 を削除しました。</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Examining</source>
        <translation>解析中</translation>
    </message>
    <message>
        <source>Converting %1%</source>
        <translation>変換中 %1%</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>変換中</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>変換完了</translation>
    </message>
    <message>
        <source>Converted with problems: %1</source>
        <translation>変換完了（問題あり）：%1</translation>
    </message>
    <message>
        <source>Already converted</source>
        <translation>変換済み</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失敗：%1</translation>
    </message>
    <message>
        <source>result code %1</source>
        <translation>結果コード %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止済み</translation>
    </message>
    <message>
        <source>Not audio</source>
        <translation>オーディオ以外</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>除外：%1</translation>
    </message>
    <message numerus="yes">
        <source>Preparing the File - %n File(s) Left</source>
        <translation>
            <numerusform>ファイルを準備中 - 残り%Ln個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Converting - %n File(s) Left</source>
        <translation>
            <numerusform>変換中 - 残り%Ln個</numerusform>
        </translation>
    </message>
    <message>
        <source>Qelvanto — %1 of %2 — %3</source>
        <translation>Qelvanto — %1/%2 — %3</translation>
    </message>
    <message>
        <source>Not converted %1: %2.</source>
        <translation>%1 は変換されませんでした：%2。</translation>
    </message>
    <message>
        <source>Converted with problems %1: %2.</source>
        <translation>%1 は変換しましたが問題があります：%2。</translation>
    </message>
    <message>
        <source>Left out %1: %2.</source>
        <translation>%1 を除外しました：%2。</translation>
    </message>
    <message>
        <source>Stopped %1 before its conversion.</source>
        <translation>%1 を変換前に停止しました。</translation>
    </message>
    <message>
        <source>Already converted %1: %2 is there.</source>
        <translation>%1 は変換済みです：%2 があります。</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were not started.</source>
        <translation>
            <numerusform>%1個のファイルのうち%Ln個は開始されませんでした。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Qelvanto: %n of %1 files converted</source>
        <translation>
            <numerusform>Qelvanto：%1個のファイルのうち%Ln個を変換</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoder is missing</source>
        <translation>エンコーダーが見つかりません</translation>
    </message>
    <message>
        <source>The program &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>プログラム "ffmpeg" が %1 に見つかりませんでした。Qelvanto を再インストールするか、ffmpeg パッケージをインストールしてビルドし直してください。</translation>
    </message>
    <message>
        <source> or </source>
        <translation> または </translation>
    </message>
    <message>
        <source>The encoder cannot be run</source>
        <translation>エンコーダーを実行できません</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be run: %2. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>プログラム "%1" を実行できませんでした：%2。Qelvanto を再インストールするか、ffmpeg パッケージをインストールしてビルドし直してください。</translation>
    </message>
    <message>
        <source>qelvanto: the encoder is missing: &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: エンコーダーが見つかりません：%1 に "ffmpeg" が見つかりませんでした。Qelvanto を再インストールするか、ffmpeg パッケージをインストールしてください。</translation>
    </message>
    <message>
        <source>qelvanto: the encoder &quot;%1&quot; cannot be run: %2. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: エンコーダー "%1" を実行できません：%2。Qelvanto を再インストールするか、ffmpeg パッケージをインストールしてください。</translation>
    </message>
    <message>
        <source>opus converts at %1 Hz, whatever the sample rate box says</source>
        <translation>opus は、サンプルレートの設定にかかわらず %1 Hz で変換されます</translation>
    </message>
    <message>
        <source>%1, %2 kbit/s</source>
        <translation>%1、%2 kbit/s</translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into Converted/ beside each file?</source>
        <translation>1個のファイルを %1 に変換し、各ファイルと同じ場所の Converted/ に保存しますか？</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into Converted/ beside each file?</source>
        <translation>
            <numerusform>%Ln個のファイルを %1 に変換し、各ファイルと同じ場所の Converted/ に保存しますか？</numerusform>
        </translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into a folder you choose next?</source>
        <translation>1個のファイルを %1 に変換し、このあと選ぶフォルダーに保存しますか？</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into a folder you choose next?</source>
        <translation>
            <numerusform>%Ln個のファイルを %1 に変換し、このあと選ぶフォルダーに保存しますか？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProbeText</name>
    <message>
        <source>only %1 of %2 could be read</source>
        <translation>%2 のうち %1 までしか読み取れませんでした</translation>
    </message>
    <message>
        <source>1 error while decoding</source>
        <translation>デコード中にエラーが1件発生しました</translation>
    </message>
    <message numerus="yes">
        <source>%n errors while decoding</source>
        <translation>
            <numerusform>デコード中にエラーが%Ln件発生しました</numerusform>
        </translation>
    </message>
    <message>
        <source>its timestamps ran backwards once</source>
        <translation>タイムスタンプが1回逆行しました</translation>
    </message>
    <message numerus="yes">
        <source>its timestamps ran backwards %n times</source>
        <translation>
            <numerusform>タイムスタンプが%Ln回逆行しました</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>、</translation>
    </message>
</context>
</TS>
