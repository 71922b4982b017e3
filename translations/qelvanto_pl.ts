<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>Arguments</name>
    <message>
        <source>use one of: %1</source>
        <translation>użyj jednej z wartości: %1</translation>
    </message>
    <message>
        <source>use one of: %1 (kbit/s)</source>
        <translation>użyj jednej z wartości: %1 (kbit/s)</translation>
    </message>
    <message>
        <source>use one of: %1 (Hz)</source>
        <translation>użyj jednej z wartości: %1 (Hz)</translation>
    </message>
    <message>
        <source>use a number of files from 1 to %1 (the number of cores)</source>
        <translation>podaj liczbę plików od 1 do %1 (liczba rdzeni)</translation>
    </message>
    <message>
        <source>use an existing folder</source>
        <translation>podaj istniejący folder</translation>
    </message>
    <message>
        <source>see qelvanto --help</source>
        <translation>zobacz qelvanto --help</translation>
    </message>
    <message>
        <source>Converts batches of audio files.
Without --convert it opens its window and starts a batch of the given files and
folders, as if they had been dropped on the door.
With --convert it converts them without a window. Options not given take the
window&apos;s last choices. Exit status: 0 every audio file converted, 1 a file failed,
was stopped or was left out, 2 a usage error, 130 or 143 interrupted.</source>
        <translation>Wsadowa konwersja plików audio.
Bez --convert otwiera okno i rozpoczyna konwersję podanych plików i folderów,
tak jakby upuszczono je na drzwi.
Z --convert konwertuje je bez okna. Opcje, których nie podano, przyjmują
ostatnie ustawienia z okna. Kod wyjścia: 0 – przekonwertowano każdy plik audio,
1 – konwersja pliku nie powiodła się, została zatrzymana lub plik odrzucono,
2 – błędne wywołanie, 130 lub 143 – przerwano.</translation>
    </message>
    <message>
        <source>Convert without a window; a summary follows on standard output.</source>
        <translation>Konwertuj bez okna; podsumowanie trafia na standardowe wyjście.</translation>
    </message>
    <message>
        <source>Output format: %1.</source>
        <translation>Format wyjściowy: %1.</translation>
    </message>
    <message>
        <source>Bitrate in kbit/s: %1.</source>
        <translation>Przepływność w kbit/s: %1.</translation>
    </message>
    <message>
        <source>Sample rate in Hz: %1.</source>
        <translation>Częstotliwość próbkowania w Hz: %1.</translation>
    </message>
    <message>
        <source>mono or stereo.</source>
        <translation>mono lub stereo.</translation>
    </message>
    <message>
        <source>Files converted at once, 1 to %1 (the number of cores).</source>
        <translation>Liczba plików konwertowanych jednocześnie, od 1 do %1 (liczba rdzeni).</translation>
    </message>
    <message>
        <source>Write every result into this existing folder, not into Converted/ beside each input.</source>
        <translation>Zapisuj wszystkie wyniki w tym istniejącym folderze, a nie w Converted/ obok każdego pliku wejściowego.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>With --output: the files of a given folder keep its tree of folders inside the output folder.</source>
        <translation>Z --output: pliki z podanego folderu zachowują jego strukturę podfolderów w folderze wyjściowym.</translation>
    </message>
    <message>
        <source>When a result is there already: rename (a new name, &quot;a 1.mp3&quot;) or skip (the file is left as it is).</source>
        <translation>Gdy plik wynikowy już istnieje: rename (nowa nazwa, "a 1.mp3") lub skip (plik zostaje bez zmian).</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says.</source>
        <translation>Obraz albumu z plikiem CUE obok daje jeden plik na każdy utwór, z nazwą i tagami według pliku CUE.</translation>
    </message>
    <message>
        <source>No progress and no line per file on standard error.</source>
        <translation>Nie wypisuj postępu ani wierszy dla plików na standardowe wyjście błędów.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Pokaż tę pomoc i zakończ.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Pokaż wersję i zakończ.</translation>
    </message>
    <message>
        <source>Audio files and folders to convert.</source>
        <translation>Pliki audio i foldery do konwersji.</translation>
    </message>
    <message>
        <source>--%1 needs a value; %2</source>
        <translation>--%1 wymaga wartości; %2</translation>
    </message>
    <message>
        <source>%1 The options are --convert, --format, --bitrate, --rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help and --version.</source>
        <translation>%1 Dostępne opcje: --convert, --format, --bitrate, --rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help i --version.</translation>
    </message>
    <message>
        <source>--%1 goes with --convert: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--%1 działa tylko razem z --convert: qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>--convert needs at least one file or folder: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--convert wymaga co najmniej jednego pliku lub folderu: qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>the format &quot;%1&quot; is not offered; %2</source>
        <translation>format "%1" nie jest dostępny; %2</translation>
    </message>
    <message>
        <source>the bitrate &quot;%1&quot; is not offered; %2</source>
        <translation>przepływność "%1" nie jest dostępna; %2</translation>
    </message>
    <message>
        <source>the sample rate &quot;%1&quot; is not offered; %2</source>
        <translation>częstotliwość próbkowania "%1" nie jest dostępna; %2</translation>
    </message>
    <message>
        <source>the channels &quot;%1&quot; is not offered; %2</source>
        <translation>wartość kanałów "%1" nie jest dostępna; %2</translation>
    </message>
    <message>
        <source>--jobs &quot;%1&quot; is not offered; %2</source>
        <translation>wartość --jobs "%1" nie jest dostępna; %2</translation>
    </message>
    <message>
        <source>--output: the folder&apos;s name is not valid UTF-8; use another folder</source>
        <translation>--output: nazwa folderu nie jest poprawnym tekstem UTF-8; podaj inny folder</translation>
    </message>
    <message>
        <source>--output &quot;%1&quot; is not an existing folder; use an existing folder</source>
        <translation>--output: "%1" nie jest istniejącym folderem; podaj istniejący folder</translation>
    </message>
    <message>
        <source>--keep-folders goes with --output: qelvanto --convert --output DIR --keep-folders PATH…</source>
        <translation>--keep-folders działa tylko razem z --output: qelvanto --convert --output DIR --keep-folders PATH…</translation>
    </message>
    <message>
        <source>--existing &quot;%1&quot; is not offered; %2</source>
        <translation>wartość --existing "%1" nie jest dostępna; %2</translation>
    </message>
    <message>
        <source>qelvanto: see qelvanto --help</source>
        <translation>qelvanto: zobacz qelvanto --help</translation>
    </message>
</context>
<context>
    <name>BannerController</name>
    <message>
        <source>Select File(s)</source>
        <translation>Wybierz pliki</translation>
    </message>
    <message>
        <source>Convert these files?</source>
        <translation>Przekonwertować te pliki?</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konwertuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Now please select a folder to save the output media files.
(For example: Desktop)</source>
        <translation>Teraz wybierz folder, w którym zostaną zapisane pliki wyjściowe.
(Na przykład: Pulpit)</translation>
    </message>
    <message>
        <source>Don&apos;t Show This Message Again</source>
        <translation>Nie pokazuj ponownie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Output the File to</source>
        <translation>Zapisz pliki w</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a file&apos;s share done</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Wykonaj</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Gotowe</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>about %1 s left</source>
        <translation>pozostało około %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>pozostało około %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>pozostało około %1 h %2 min</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation>pozostało około %1 h</translation>
    </message>
    <message>
        <source>it is not executable</source>
        <translation>plik nie jest wykonywalny</translation>
    </message>
</context>
<context>
    <name>BatchListModel</name>
    <message>
        <source>%1, converted to %2</source>
        <translation>%1, przekonwertowany do %2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Saved as</source>
        <translation>Zapisano jako</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz: every file would fail.</source>
        <translation>Koder nie przyjmuje %1 mono przy %2 Hz: żaden plik nie zostałby przekonwertowany.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz: every file would fail.</source>
        <translation>Koder nie przyjmuje %1 stereo przy %2 Hz: żaden plik nie zostałby przekonwertowany.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>Koder nie przyjmuje %1 mono przy %2 Hz powyżej %3 kbit/s: żaden plik nie zostałby przekonwertowany.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>Koder nie przyjmuje %1 stereo przy %2 Hz powyżej %3 kbit/s: żaden plik nie zostałby przekonwertowany.</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>it is not a cue sheet (it holds a zero byte)</source>
        <translation>to nie jest plik CUE (zawiera bajt zerowy)</translation>
    </message>
    <message>
        <source>it names more than %1 tracks</source>
        <translation>zawiera więcej niż %1 utworów</translation>
    </message>
    <message>
        <source>it is not a cue sheet the reader understands</source>
        <translation>to nie jest plik CUE zrozumiały dla programu</translation>
    </message>
    <message>
        <source>it names no track</source>
        <translation>nie zawiera żadnego utworu</translation>
    </message>
    <message>
        <source>its track %1 cannot be read</source>
        <translation>nie można odczytać jego utworu %1</translation>
    </message>
    <message>
        <source>its track %1 has no start</source>
        <translation>jego utwór %1 nie ma określonego początku</translation>
    </message>
    <message>
        <source>its track %1 names no file</source>
        <translation>jego utwór %1 nie wskazuje żadnego pliku</translation>
    </message>
    <message>
        <source>its track %1 starts before track %2 ends</source>
        <translation>jego utwór %1 zaczyna się przed końcem utworu %2</translation>
    </message>
    <message>
        <source>%1 track %2 of %3</source>
        <translation>%1, utwór %2 z %3</translation>
    </message>
</context>
<context>
    <name>Decisions</name>
    <message>
        <source>its name is not valid UTF-8, so it cannot be handed to the encoder unchanged</source>
        <translation>jego nazwa nie jest poprawnym tekstem UTF-8, więc nie można jej przekazać koderowi bez zmian</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>nie można go odczytać (%1)</translation>
    </message>
    <message>
        <source>it is a playlist, which would make the encoder open the files it names</source>
        <translation>to lista odtwarzania, przez którą koder otworzyłby wymienione w niej pliki</translation>
    </message>
    <message>
        <source>it could not be examined: the system would not start the encoder (%1)</source>
        <translation>nie można go sprawdzić: system nie uruchomił kodera (%1)</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>koder od razu zakończył działanie z kodem %1</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>koder nie skończył go odczytywać w ciągu %1 s</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>the encoder reported success but wrote nothing</source>
        <translation>koder zgłosił powodzenie, ale nic nie zapisał</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>it is a folder</source>
        <translation>to folder</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>to FIFO, a nie zwykły plik</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>to gniazdo, a nie zwykły plik</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>to urządzenie, a nie zwykły plik</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
</context>
<context>
    <name>InputCollection</name>
    <message>
        <source>it is a folder that cannot be opened (%1)</source>
        <translation>to folder, którego nie można otworzyć (%1)</translation>
    </message>
    <message>
        <source>Left out %1: it holds the results of earlier runs.</source>
        <translation>Odrzucono %1: zawiera wyniki wcześniejszych konwersji.</translation>
    </message>
    <message>
        <source>Left out %1: it is the output folder, which holds results.</source>
        <translation>Odrzucono %1: to folder wyjściowy, w którym są wyniki.</translation>
    </message>
    <message>
        <source>its FILE %1 is not beside it</source>
        <translation>plik %1 z jego wpisu FILE nie leży obok niego</translation>
    </message>
    <message>
        <source>its FILE %1 is not there</source>
        <translation>plik %1 z jego wpisu FILE nie istnieje</translation>
    </message>
    <message>
        <source>its FILE %1 is a link, which is not followed</source>
        <translation>plik %1 z jego wpisu FILE jest dowiązaniem, a dowiązania nie są śledzone</translation>
    </message>
    <message>
        <source>its FILE %1 is not a regular file</source>
        <translation>plik %1 z jego wpisu FILE nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>it is larger than an album&apos;s cue sheet can be</source>
        <translation>jest większy, niż może być plik CUE albumu</translation>
    </message>
</context>
<context>
    <name>Journey</name>
    <message>
        <source>the system would not start the encoder (%1)</source>
        <translation>system nie uruchomił kodera (%1)</translation>
    </message>
    <message>
        <source>its image states no sample rate</source>
        <translation>obraz albumu nie podaje częstotliwości próbkowania</translation>
    </message>
    <message>
        <source>it starts at %1, after the end of its image (%2)</source>
        <translation>zaczyna się w %1, już po końcu obrazu albumu (%2)</translation>
    </message>
    <message>
        <source>its Converted folder %1 is a link, which is not followed</source>
        <translation>jego folder Converted %1 jest dowiązaniem, a dowiązania nie są śledzone</translation>
    </message>
    <message>
        <source>%1, where its Converted folder goes, is not a folder</source>
        <translation>%1, gdzie ma się znaleźć jego folder Converted, nie jest folderem</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>koder od razu zakończył działanie z kodem %1</translation>
    </message>
    <message>
        <source>Removed %1, which an interrupted run had left unfinished.</source>
        <translation>Usunięto niedokończony plik %1, pozostawiony przez przerwaną konwersję.</translation>
    </message>
    <message>
        <source>its output %1 could not be created (%2)</source>
        <translation>nie można utworzyć jego pliku wyjściowego %1 (%2)</translation>
    </message>
    <message>
        <source>a name or setting holds the text %1, which would split the encoder&apos;s arguments</source>
        <translation>nazwa lub ustawienie zawiera tekst %1, który rozdzieliłby argumenty kodera</translation>
    </message>
    <message>
        <source>the encoder could not be started</source>
        <translation>nie można uruchomić kodera</translation>
    </message>
    <message>
        <source>the encoder could not be started (%1)</source>
        <translation>nie można uruchomić kodera (%1)</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>koder nie skończył go odczytywać w ciągu %1 s</translation>
    </message>
    <message>
        <source>it could not be saved (%1)</source>
        <translation>nie można go zapisać (%1)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add files</source>
        <translation>Dodaj pliki</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or press Enter or Space to pick files</source>
        <translation>Upuść tutaj pliki audio lub foldery albo naciśnij Enter lub spację, aby wybrać pliki</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or click to pick files (Ctrl+O)</source>
        <translation>Upuść tutaj pliki audio lub foldery albo kliknij, aby wybrać pliki (Ctrl+O)</translation>
    </message>
    <message>
        <source>How to add files</source>
        <translation>Jak dodać pliki</translation>
    </message>
    <message>
        <source>Drop audio files or folders on the door, or click it to choose files.</source>
        <translation>Upuść pliki audio lub foldery na drzwi albo kliknij drzwi, aby wybrać pliki.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Output format, which is also the new file&apos;s extension</source>
        <translation>Format wyjściowy, który jest też rozszerzeniem nowego pliku</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Przepływność</translation>
    </message>
    <message>
        <source>Audio bitrate in kilobits per second, used by the lossy formats</source>
        <translation>Przepływność dźwięku w kilobitach na sekundę, używana przez formaty stratne</translation>
    </message>
    <message>
        <source>Audio bitrate in kbit/s (used by the lossy formats)</source>
        <translation>Przepływność dźwięku w kbit/s (dla formatów stratnych)</translation>
    </message>
    <message>
        <source>kbit/s</source>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Próbkowanie</translation>
    </message>
    <message>
        <source>Sample rate in hertz</source>
        <translation>Częstotliwość próbkowania w hercach</translation>
    </message>
    <message>
        <source>Sample rate in Hz</source>
        <translation>Częstotliwość próbkowania w Hz</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Mono or stereo</source>
        <translation>Mono lub stereo</translation>
    </message>
    <message>
        <source>Number of channels</source>
        <translation>Liczba kanałów</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>Jednocześnie</translation>
    </message>
    <message>
        <source>How many files convert at the same time</source>
        <translation>Ile plików jest konwertowanych jednocześnie</translation>
    </message>
    <message>
        <source>How many files convert at the same time; each uses one processor core</source>
        <translation>Ile plików jest konwertowanych jednocześnie; każdy używa jednego rdzenia procesora</translation>
    </message>
    <message>
        <source>What the chosen format does with the sample rate</source>
        <translation>Co wybrany format robi z częstotliwością próbkowania</translation>
    </message>
    <message>
        <source>Whether the encoder takes the chosen format, bitrate, sample rate and channels</source>
        <translation>Czy koder przyjmuje wybrany format, przepływność, częstotliwość próbkowania i kanały</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Zapisz w</translation>
    </message>
    <message>
        <source>Original Folder puts the results in a Converted folder beside each file; otherwise you pick one folder when the batch starts</source>
        <translation>"Folder źródłowy" zapisuje wyniki w folderze Converted obok każdego pliku; w przeciwnym razie wybierasz jeden folder przy rozpoczęciu konwersji</translation>
    </message>
    <message>
        <source>Original Folder: a Converted folder beside each file. Otherwise you pick one folder when the batch starts.</source>
        <translation>Folder źródłowy: folder Converted obok każdego pliku. W przeciwnym razie wybierasz jeden folder przy rozpoczęciu konwersji.</translation>
    </message>
    <message>
        <source>Original Folder</source>
        <translation>Folder źródłowy</translation>
    </message>
    <message>
        <source>Choose a Folder…</source>
        <translation>Wybierz folder…</translation>
    </message>
    <message>
        <source>Keep folders</source>
        <translation>Zachowaj foldery</translation>
    </message>
    <message>
        <source>With a chosen folder, the files of a dropped folder keep its tree of folders inside it</source>
        <translation>Przy wybranym folderze pliki z upuszczonego folderu zachowują w nim jego strukturę podfolderów</translation>
    </message>
    <message>
        <source>If it exists</source>
        <translation>Gdy istnieje</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: convert it again under a new name, or skip the file</source>
        <translation>Gdy plik wynikowy już istnieje: przekonwertuj plik ponownie pod nową nazwą albo go pomiń</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: New name converts it again as &quot;NAME 1&quot;, Skip leaves it as it is</source>
        <translation>Gdy plik wynikowy już istnieje: "Nowa nazwa" konwertuje plik ponownie jako "NAME 1", "Pomiń" zostawia go bez zmian</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nowa nazwa</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń</translation>
    </message>
    <message>
        <source>Split by cue sheet</source>
        <translation>Podziel według CUE</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says</source>
        <translation>Obraz albumu z plikiem CUE obok daje jeden plik na każdy utwór, z nazwą i tagami według pliku CUE</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Folder wyjściowy</translation>
    </message>
    <message>
        <source>The folder chosen for the results</source>
        <translation>Folder wybrany na wyniki</translation>
    </message>
    <message>
        <source>Converted/ beside each file</source>
        <translation>Converted/ obok każdego pliku</translation>
    </message>
    <message>
        <source>What is being done and how many files are left</source>
        <translation>Co jest wykonywane i ile plików zostało</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>How far the current file has got</source>
        <translation>Postęp bieżącego pliku</translation>
    </message>
    <message>
        <source>How far the current file has got, in percent</source>
        <translation>Postęp bieżącego pliku w procentach</translation>
    </message>
    <message>
        <source>How long the whole batch will still take</source>
        <translation>Ile jeszcze potrwa konwersja wszystkich plików</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Przygotowanie</translation>
    </message>
    <message>
        <source>The current file is being examined</source>
        <translation>Bieżący plik jest sprawdzany</translation>
    </message>
    <message>
        <source>Opens the guide</source>
        <translation>Otwiera przewodnik</translation>
    </message>
    <message>
        <source>Qelvanto help</source>
        <translation>Pomoc Qelvanto</translation>
    </message>
    <message>
        <source>While files convert it reads Stop and stops every conversion that runs; otherwise it only shows the door picture again</source>
        <translation>Podczas konwersji ma napis "Zatrzymaj" i zatrzymuje wszystkie trwające konwersje; w przeciwnym razie tylko ponownie pokazuje obraz drzwi</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Wykonaj</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Konsola</translation>
    </message>
    <message>
        <source>What the encoder did, file by file</source>
        <translation>Co zrobił koder, plik po pliku</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>Stan kodera</translation>
    </message>
    <message>
        <source>The encoder&apos;s latest status line</source>
        <translation>Ostatni wiersz stanu kodera</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 plik</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%Ln plik</numerusform>
            <numerusform>%Ln pliki</numerusform>
            <numerusform>%Ln plików</numerusform>
        </translation>
    </message>
    <message>
        <source>Files of the batch</source>
        <translation>Pliki do konwersji</translation>
    </message>
    <message>
        <source>Each file of the batch, what became of it and where it was saved; Enter shows a converted file in the file manager</source>
        <translation>Każdy plik do konwersji, co się z nim stało i gdzie go zapisano; Enter pokazuje przekonwertowany plik w menedżerze plików</translation>
    </message>
    <message>
        <source>Asked for when the batch starts</source>
        <translation>Wybierany przy rozpoczęciu konwersji</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>converted with problems to %1: %2</source>
        <translation>przekonwertowany z problemami do %1: %2</translation>
    </message>
    <message>
        <source>converted to %1</source>
        <translation>przekonwertowany do %1</translation>
    </message>
    <message>
        <source>already converted as %1, left as it is</source>
        <translation>już przekonwertowany jako %1, pozostawiony bez zmian</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>błąd: %1</translation>
    </message>
    <message>
        <source>failed with result code %1</source>
        <translation>błąd, kod wyniku %1</translation>
    </message>
    <message>
        <source>failed with result code %1: %2</source>
        <translation>błąd, kod wyniku %1: %2</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>zatrzymany</translation>
    </message>
    <message>
        <source>not audio, skipped</source>
        <translation>to nie audio, pominięty</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>odrzucony: %1</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>nie można odczytać: %1</translation>
    </message>
    <message>
        <source>Conversion Completed.</source>
        <translation>Konwersja zakończona.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed; the console has the details.</source>
        <translation>
            <numerusform>Nie udało się przekonwertować %Ln pliku z %1; szczegóły są w konsoli.</numerusform>
            <numerusform>Nie udało się przekonwertować %Ln plików z %1; szczegóły są w konsoli.</numerusform>
            <numerusform>Nie udało się przekonwertować %Ln plików z %1; szczegóły są w konsoli.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed.</source>
        <translation>
            <numerusform>Nie udało się przekonwertować %Ln pliku z %1.</numerusform>
            <numerusform>Nie udało się przekonwertować %Ln plików z %1.</numerusform>
            <numerusform>Nie udało się przekonwertować %Ln plików z %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were stopped.</source>
        <translation>
            <numerusform>Zatrzymano %Ln plik z %1.</numerusform>
            <numerusform>Zatrzymano %Ln pliki z %1.</numerusform>
            <numerusform>Zatrzymano %Ln plików z %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not audio and was skipped.</source>
        <translation>Pominięto 1 plik, który nie jest plikiem audio.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not audio and were skipped.</source>
        <translation>
            <numerusform>Pominięto %Ln plik, który nie jest plikiem audio.</numerusform>
            <numerusform>Pominięto %Ln pliki, które nie są plikami audio.</numerusform>
            <numerusform>Pominięto %Ln plików, które nie są plikami audio.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was converted with problems; the console has the details.</source>
        <translation>Przekonwertowano z problemami 1 plik; szczegóły są w konsoli.</translation>
    </message>
    <message>
        <source>1 file was converted with problems.</source>
        <translation>Przekonwertowano z problemami 1 plik.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems; the console has the details.</source>
        <translation>
            <numerusform>Przekonwertowano z problemami %Ln plik; szczegóły są w konsoli.</numerusform>
            <numerusform>Przekonwertowano z problemami %Ln pliki; szczegóły są w konsoli.</numerusform>
            <numerusform>Przekonwertowano z problemami %Ln plików; szczegóły są w konsoli.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems.</source>
        <translation>
            <numerusform>Przekonwertowano z problemami %Ln plik.</numerusform>
            <numerusform>Przekonwertowano z problemami %Ln pliki.</numerusform>
            <numerusform>Przekonwertowano z problemami %Ln plików.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was already converted and was left as it is.</source>
        <translation>1 plik był już przekonwertowany i pozostawiono go bez zmian.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were already converted and were left as they are.</source>
        <translation>
            <numerusform>%Ln plik był już przekonwertowany i pozostawiono go bez zmian.</numerusform>
            <numerusform>%Ln pliki były już przekonwertowane i pozostawiono je bez zmian.</numerusform>
            <numerusform>%Ln plików było już przekonwertowanych i pozostawiono je bez zmian.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i jeszcze %Ln plik</numerusform>
            <numerusform>i jeszcze %Ln pliki</numerusform>
            <numerusform>i jeszcze %Ln plików</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Presenter</name>
    <message>
        <source>Stopped %1: its unfinished output %2 was removed.</source>
        <translation>Zatrzymano %1: usunięto jego niedokończony plik wyjściowy %2.</translation>
    </message>
    <message>
        <source>Not converted %1: its unfinished output %2 was removed.</source>
        <translation>Nie przekonwertowano %1: usunięto jego niedokończony plik wyjściowy %2.</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Oczekiwanie</translation>
    </message>
    <message>
        <source>Examining</source>
        <translation>Sprawdzanie</translation>
    </message>
    <message>
        <source>Converting %1%</source>
        <translation>Konwersja %1%</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Konwersja</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Przekonwertowany</translation>
    </message>
    <message>
        <source>Converted with problems: %1</source>
        <translation>Przekonwertowany z problemami: %1</translation>
    </message>
    <message>
        <source>Already converted</source>
        <translation>Już przekonwertowany</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Błąd: %1</translation>
    </message>
    <message>
        <source>result code %1</source>
        <translation>kod wyniku %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zatrzymany</translation>
    </message>
    <message>
        <source>Not audio</source>
        <translation>To nie audio</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Odrzucony: %1</translation>
    </message>
    <message numerus="yes">
        <source>Preparing the File - %n File(s) Left</source>
        <translation>
            <numerusform>Przygotowanie pliku – został %Ln plik</numerusform>
            <numerusform>Przygotowanie pliku – zostały %Ln pliki</numerusform>
            <numerusform>Przygotowanie pliku – zostało %Ln plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Converting - %n File(s) Left</source>
        <translation>
            <numerusform>Konwersja – został %Ln plik</numerusform>
            <numerusform>Konwersja – zostały %Ln pliki</numerusform>
            <numerusform>Konwersja – zostało %Ln plików</numerusform>
        </translation>
    </message>
    <message>
        <source>Qelvanto — %1 of %2 — %3</source>
        <translation>Qelvanto — %1 z %2 — %3</translation>
    </message>
    <message>
        <source>Not converted %1: %2.</source>
        <translation>Nie przekonwertowano %1: %2.</translation>
    </message>
    <message>
        <source>Converted with problems %1: %2.</source>
        <translation>Przekonwertowano z problemami %1: %2.</translation>
    </message>
    <message>
        <source>Left out %1: %2.</source>
        <translation>Odrzucono %1: %2.</translation>
    </message>
    <message>
        <source>Stopped %1 before its conversion.</source>
        <translation>Zatrzymano %1 przed konwersją.</translation>
    </message>
    <message>
        <source>Already converted %1: %2 is there.</source>
        <translation>Plik %1 był już przekonwertowany: %2 istnieje.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were not started.</source>
        <translation>
            <numerusform>Nie rozpoczęto konwersji %Ln pliku z %1.</numerusform>
            <numerusform>Nie rozpoczęto konwersji %Ln plików z %1.</numerusform>
            <numerusform>Nie rozpoczęto konwersji %Ln plików z %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Qelvanto: %n of %1 files converted</source>
        <translation>
            <numerusform>Qelvanto: przekonwertowano %Ln plik z %1</numerusform>
            <numerusform>Qelvanto: przekonwertowano %Ln pliki z %1</numerusform>
            <numerusform>Qelvanto: przekonwertowano %Ln plików z %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoder is missing</source>
        <translation>Brak kodera</translation>
    </message>
    <message>
        <source>The program &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>Nie znaleziono programu "ffmpeg" w %1. Zainstaluj ponownie Qelvanto albo zainstaluj pakiet ffmpeg i zbuduj program ponownie.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> lub </translation>
    </message>
    <message>
        <source>The encoder cannot be run</source>
        <translation>Nie można uruchomić kodera</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be run: %2. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>Nie można uruchomić programu "%1": %2. Zainstaluj ponownie Qelvanto albo zainstaluj pakiet ffmpeg i zbuduj program ponownie.</translation>
    </message>
    <message>
        <source>qelvanto: the encoder is missing: &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: brak kodera: nie znaleziono "ffmpeg" w %1. Zainstaluj ponownie Qelvanto albo zainstaluj pakiet ffmpeg.</translation>
    </message>
    <message>
        <source>qelvanto: the encoder &quot;%1&quot; cannot be run: %2. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: nie można uruchomić kodera "%1": %2. Zainstaluj ponownie Qelvanto albo zainstaluj pakiet ffmpeg.</translation>
    </message>
    <message>
        <source>opus converts at %1 Hz, whatever the sample rate box says</source>
        <translation>opus koduje zawsze z częstotliwością %1 Hz, niezależnie od wyboru w polu "Próbkowanie"</translation>
    </message>
    <message>
        <source>%1, %2 kbit/s</source>
        <translation>%1, %2 kbit/s</translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into Converted/ beside each file?</source>
        <translation>Przekonwertować 1 plik do %1 i zapisać w Converted/ obok niego?</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into Converted/ beside each file?</source>
        <translation>
            <numerusform>Przekonwertować %Ln plik do %1 i zapisać w Converted/ obok każdego pliku?</numerusform>
            <numerusform>Przekonwertować %Ln pliki do %1 i zapisać w Converted/ obok każdego pliku?</numerusform>
            <numerusform>Przekonwertować %Ln plików do %1 i zapisać w Converted/ obok każdego pliku?</numerusform>
        </translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into a folder you choose next?</source>
        <translation>Przekonwertować 1 plik do %1 i zapisać w folderze, który wybierzesz za chwilę?</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into a folder you choose next?</source>
        <translation>
            <numerusform>Przekonwertować %Ln plik do %1 i zapisać w folderze, który wybierzesz za chwilę?</numerusform>
            <numerusform>Przekonwertować %Ln pliki do %1 i zapisać w folderze, który wybierzesz za chwilę?</numerusform>
            <numerusform>Przekonwertować %Ln plików do %1 i zapisać w folderze, który wybierzesz za chwilę?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProbeText</name>
    <message>
        <source>only %1 of %2 could be read</source>
        <translation>udało się odczytać tylko %1 z %2</translation>
    </message>
    <message>
        <source>1 error while decoding</source>
        <translation>1 błąd podczas dekodowania</translation>
    </message>
    <message numerus="yes">
        <source>%n errors while decoding</source>
        <translation>
            <numerusform>%Ln błąd podczas dekodowania</numerusform>
            <numerusform>%Ln błędy podczas dekodowania</numerusform>
            <numerusform>%Ln błędów podczas dekodowania</numerusform>
        </translation>
    </message>
    <message>
        <source>its timestamps ran backwards once</source>
        <translation>jego znaczniki czasu raz się cofnęły</translation>
    </message>
    <message numerus="yes">
        <source>its timestamps ran backwards %n times</source>
        <translation>
            <numerusform>jego znaczniki czasu cofnęły się %Ln raz</numerusform>
            <numerusform>jego znaczniki czasu cofnęły się %Ln razy</numerusform>
            <numerusform>jego znaczniki czasu cofnęły się %Ln razy</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
</TS>
