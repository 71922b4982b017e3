<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Arguments</name>
    <message>
        <source>use one of: %1</source>
        <translation>einen dieser Werte verwenden: %1</translation>
    </message>
    <message>
        <source>use one of: %1 (kbit/s)</source>
        <translation>einen dieser Werte verwenden: %1 (kbit/s)</translation>
    </message>
    <message>
        <source>use one of: %1 (Hz)</source>
        <translation>einen dieser Werte verwenden: %1 (Hz)</translation>
    </message>
    <message>
        <source>use a number of files from 1 to %1 (the number of cores)</source>
        <translation>eine Anzahl von 1 bis %1 Dateien verwenden (die Zahl der Kerne)</translation>
    </message>
    <message>
        <source>use an existing folder</source>
        <translation>einen vorhandenen Ordner verwenden</translation>
    </message>
    <message>
        <source>see qelvanto --help</source>
        <translation>siehe qelvanto --help</translation>
    </message>
    <message>
        <source>Converts batches of audio files.
Without --convert it opens its window and starts a batch of the given files and
folders, as if they had been dropped on the door.
With --convert it converts them without a window. Options not given take the
window&apos;s last choices. Exit status: 0 every audio file converted, 1 a file failed,
was stopped or was left out, 2 a usage error, 130 or 143 interrupted.</source>
        <translation>Konvertiert Audiodateien stapelweise.
Ohne --convert öffnet Qelvanto sein Fenster und startet einen Stapel aus den
angegebenen Dateien und Ordnern, als wären sie auf der Tür abgelegt worden.
Mit --convert konvertiert es sie ohne Fenster. Nicht angegebene Optionen
übernehmen die letzte Auswahl im Fenster. Exit-Status: 0 jede Audiodatei
konvertiert, 1 eine Datei ist fehlgeschlagen, wurde gestoppt oder ausgelassen,
2 ein Aufruffehler, 130 oder 143 unterbrochen.</translation>
    </message>
    <message>
        <source>Convert without a window; a summary follows on standard output.</source>
        <translation>Ohne Fenster konvertieren; eine Zusammenfassung folgt auf der Standardausgabe.</translation>
    </message>
    <message>
        <source>Output format: %1.</source>
        <translation>Ausgabeformat: %1.</translation>
    </message>
    <message>
        <source>Bitrate in kbit/s: %1.</source>
        <translation>Bitrate in kbit/s: %1.</translation>
    </message>
    <message>
        <source>Sample rate in Hz: %1.</source>
        <translation>Abtastrate in Hz: %1.</translation>
    </message>
    <message>
        <source>mono or stereo.</source>
        <translation>mono oder stereo.</translation>
    </message>
    <message>
        <source>Files converted at once, 1 to %1 (the number of cores).</source>
        <translation>Gleichzeitig konvertierte Dateien, 1 bis %1 (die Zahl der Kerne).</translation>
    </message>
    <message>
        <source>Write every result into this existing folder, not into Converted/ beside each input.</source>
        <translation>Jedes Ergebnis in diesen vorhandenen Ordner schreiben, nicht in Converted/ neben der jeweiligen Eingabedatei.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>With --output: the files of a given folder keep its tree of folders inside the output folder.</source>
        <translation>Mit --output: Die Dateien eines angegebenen Ordners behalten dessen Ordnerstruktur im Ausgabeordner.</translation>
    </message>
    <message>
        <source>When a result is there already: rename (a new name, &quot;a 1.mp3&quot;) or skip (the file is left as it is).</source>
        <translation>Wenn ein Ergebnis schon vorhanden ist: rename (ein neuer Name, "a 1.mp3") oder skip (die Datei bleibt, wie sie ist).</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says.</source>
        <translation>Ein Album-Image mit einem Cue-Sheet daneben ergibt eine Datei pro Titel, benannt und getaggt nach den Angaben des Cue-Sheets.</translation>
    </message>
    <message>
        <source>No progress and no line per file on standard error.</source>
        <translation>Kein Fortschritt und keine Zeile pro Datei auf der Standardfehlerausgabe.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Audio files and folders to convert.</source>
        <translation>Zu konvertierende Audiodateien und Ordner.</translation>
    </message>
    <message>
        <source>--%1 needs a value; %2</source>
        <translation>--%1 braucht einen Wert; %2</translation>
    </message>
    <message>
        <source>%1 The options are --convert, --format, --bitrate, --rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help and --version.</source>
        <translation>%1 Die Optionen sind --convert, --format, --bitrate, --rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help und --version.</translation>
    </message>
    <message>
        <source>--%1 goes with --convert: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--%1 gehört zu --convert: qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>--convert needs at least one file or folder: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--convert braucht mindestens eine Datei oder einen Ordner: qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>the format &quot;%1&quot; is not offered; %2</source>
        <translation>das Format "%1" wird nicht angeboten; %2</translation>
    </message>
    <message>
        <source>the bitrate &quot;%1&quot; is not offered; %2</source>
        <translation>die Bitrate "%1" wird nicht angeboten; %2</translation>
    </message>
    <message>
        <source>the sample rate &quot;%1&quot; is not offered; %2</source>
        <translation>die Abtastrate "%1" wird nicht angeboten; %2</translation>
    </message>
    <message>
        <source>the channels &quot;%1&quot; is not offered; %2</source>
        <translation>die Kanalangabe "%1" wird nicht angeboten; %2</translation>
    </message>
    <message>
        <source>--jobs &quot;%1&quot; is not offered; %2</source>
        <translation>--jobs "%1" wird nicht angeboten; %2</translation>
    </message>
    <message>
        <source>--output: the folder&apos;s name is not valid UTF-8; use another folder</source>
        <translation>--output: Der Name des Ordners ist kein gültiges UTF-8; einen anderen Ordner verwenden</translation>
    </message>
    <message>
        <source>--output &quot;%1&quot; is not an existing folder; use an existing folder</source>
        <translation>--output "%1" ist kein vorhandener Ordner; einen vorhandenen Ordner verwenden</translation>
    </message>
    <message>
        <source>--keep-folders goes with --output: qelvanto --convert --output DIR --keep-folders PATH…</source>
        <translation>--keep-folders gehört zu --output: qelvanto --convert --output DIR --keep-folders PATH…</translation>
    </message>
    <message>
        <source>--existing &quot;%1&quot; is not offered; %2</source>
        <translation>--existing "%1" wird nicht angeboten; %2</translation>
    </message>
    <message>
        <source>qelvanto: see qelvanto --help</source>
        <translation>qelvanto: siehe qelvanto --help</translation>
    </message>
</context>
<context>
    <name>BannerController</name>
    <message>
        <source>Select File(s)</source>
        <translation>Dateien auswählen</translation>
    </message>
    <message>
        <source>Convert these files?</source>
        <translation>Diese Dateien konvertieren?</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Einen Ordner wählen</translation>
    </message>
    <message>
        <source>Now please select a folder to save the output media files.
(For example: Desktop)</source>
        <translation>Bitte jetzt einen Ordner wählen, in dem die fertigen Mediendateien gespeichert werden.
(Zum Beispiel: Schreibtisch)</translation>
    </message>
    <message>
        <source>Don&apos;t Show This Message Again</source>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Output the File to</source>
        <translation>Ausgabe speichern in</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a file&apos;s share done</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>about %1 s left</source>
        <translation>noch etwa %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>noch etwa %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>noch etwa %1 h %2 min</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation>noch etwa %1 h</translation>
    </message>
    <message>
        <source>it is not executable</source>
        <translation>es ist nicht ausführbar</translation>
    </message>
</context>
<context>
    <name>BatchListModel</name>
    <message>
        <source>%1, converted to %2</source>
        <translation>%1, konvertiert zu %2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Saved as</source>
        <translation>Gespeichert als</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz: every file would fail.</source>
        <translation>Der Encoder unterstützt %1 in Mono mit %2 Hz nicht: Jede Datei würde fehlschlagen.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz: every file would fail.</source>
        <translation>Der Encoder unterstützt %1 in Stereo mit %2 Hz nicht: Jede Datei würde fehlschlagen.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>Der Encoder unterstützt %1 in Mono mit %2 Hz nur bis %3 kbit/s: Jede Datei würde fehlschlagen.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>Der Encoder unterstützt %1 in Stereo mit %2 Hz nur bis %3 kbit/s: Jede Datei würde fehlschlagen.</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>it is not a cue sheet (it holds a zero byte)</source>
        <translation>es ist kein Cue-Sheet (es enthält ein Null-Byte)</translation>
    </message>
    <message>
        <source>it names more than %1 tracks</source>
        <translation>es nennt mehr als %1 Titel</translation>
    </message>
    <message>
        <source>it is not a cue sheet the reader understands</source>
        <translation>es ist kein Cue-Sheet, das sich lesen lässt</translation>
    </message>
    <message>
        <source>it names no track</source>
        <translation>es nennt keinen Titel</translation>
    </message>
    <message>
        <source>its track %1 cannot be read</source>
        <translation>der Titel %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its track %1 has no start</source>
        <translation>der Titel %1 hat keinen Startpunkt</translation>
    </message>
    <message>
        <source>its track %1 names no file</source>
        <translation>der Titel %1 nennt keine Datei</translation>
    </message>
    <message>
        <source>its track %1 starts before track %2 ends</source>
        <translation>der Titel %1 beginnt, bevor Titel %2 endet</translation>
    </message>
    <message>
        <source>%1 track %2 of %3</source>
        <translation>%1 Titel %2 von %3</translation>
    </message>
</context>
<context>
    <name>Decisions</name>
    <message>
        <source>its name is not valid UTF-8, so it cannot be handed to the encoder unchanged</source>
        <translation>der Name ist kein gültiges UTF-8, daher kann er dem Encoder nicht unverändert übergeben werden</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>es kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it is a playlist, which would make the encoder open the files it names</source>
        <translation>es ist eine Wiedergabeliste, die den Encoder die darin genannten Dateien öffnen ließe</translation>
    </message>
    <message>
        <source>it could not be examined: the system would not start the encoder (%1)</source>
        <translation>es konnte nicht untersucht werden: das System hat den Encoder nicht gestartet (%1)</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>der Encoder endete sofort mit Code %1</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>der Encoder hat die Datei nicht binnen %1 Sekunden zu Ende gelesen</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the encoder reported success but wrote nothing</source>
        <translation>der Encoder meldete Erfolg, hat aber nichts geschrieben</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>es ist ein FIFO, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es ist ein Socket, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>es ist ein Gerät, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>InputCollection</name>
    <message>
        <source>it is a folder that cannot be opened (%1)</source>
        <translation>es ist ein Ordner, der sich nicht öffnen lässt (%1)</translation>
    </message>
    <message>
        <source>Left out %1: it holds the results of earlier runs.</source>
        <translation>%1 ausgelassen: Der Ordner enthält die Ergebnisse früherer Durchläufe.</translation>
    </message>
    <message>
        <source>Left out %1: it is the output folder, which holds results.</source>
        <translation>%1 ausgelassen: Das ist der Ausgabeordner, der die Ergebnisse enthält.</translation>
    </message>
    <message>
        <source>its FILE %1 is not beside it</source>
        <translation>FILE %1 liegt nicht im selben Ordner</translation>
    </message>
    <message>
        <source>its FILE %1 is not there</source>
        <translation>FILE %1 ist nicht vorhanden</translation>
    </message>
    <message>
        <source>its FILE %1 is a link, which is not followed</source>
        <translation>FILE %1 ist ein Link und wird nicht verfolgt</translation>
    </message>
    <message>
        <source>its FILE %1 is not a regular file</source>
        <translation>FILE %1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is larger than an album&apos;s cue sheet can be</source>
        <translation>es ist größer, als das Cue-Sheet eines Albums sein kann</translation>
    </message>
</context>
<context>
    <name>Journey</name>
    <message>
        <source>the system would not start the encoder (%1)</source>
        <translation>das System hat den Encoder nicht gestartet (%1)</translation>
    </message>
    <message>
        <source>its image states no sample rate</source>
        <translation>das Album-Image nennt keine Abtastrate</translation>
    </message>
    <message>
        <source>it starts at %1, after the end of its image (%2)</source>
        <translation>der Titel beginnt bei %1, nach dem Ende des Album-Images (%2)</translation>
    </message>
    <message>
        <source>its Converted folder %1 is a link, which is not followed</source>
        <translation>der zugehörige Converted-Ordner %1 ist ein Link und wird nicht verfolgt</translation>
    </message>
    <message>
        <source>%1, where its Converted folder goes, is not a folder</source>
        <translation>%1, wo der Converted-Ordner hingehört, ist kein Ordner</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>der Encoder endete sofort mit Code %1</translation>
    </message>
    <message>
        <source>Removed %1, which an interrupted run had left unfinished.</source>
        <translation>%1 entfernt (unfertiger Rest eines unterbrochenen Durchlaufs).</translation>
    </message>
    <message>
        <source>its output %1 could not be created (%2)</source>
        <translation>die Ausgabedatei %1 konnte nicht angelegt werden (%2)</translation>
    </message>
    <message>
        <source>a name or setting holds the text %1, which would split the encoder&apos;s arguments</source>
        <translation>ein Name oder eine Einstellung enthält den Text %1, der die Argumente des Encoders aufteilen würde</translation>
    </message>
    <message>
        <source>the encoder could not be started</source>
        <translation>der Encoder konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the encoder could not be started (%1)</source>
        <translation>der Encoder konnte nicht gestartet werden (%1)</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>der Encoder hat die Datei nicht binnen %1 Sekunden zu Ende gelesen</translation>
    </message>
    <message>
        <source>it could not be saved (%1)</source>
        <translation>es konnte nicht gespeichert werden (%1)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or press Enter or Space to pick files</source>
        <translation>Audiodateien oder Ordner hier ablegen oder Eingabe- bzw. Leertaste drücken, um Dateien auszuwählen</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or click to pick files (Ctrl+O)</source>
        <translation>Audiodateien oder Ordner hier ablegen oder klicken, um Dateien auszuwählen (Strg+O)</translation>
    </message>
    <message>
        <source>How to add files</source>
        <translation>So werden Dateien hinzugefügt</translation>
    </message>
    <message>
        <source>Drop audio files or folders on the door, or click it to choose files.</source>
        <translation>Audiodateien oder Ordner auf der Tür ablegen oder sie anklicken, um Dateien auszuwählen.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Output format, which is also the new file&apos;s extension</source>
        <translation>Ausgabeformat, zugleich die Endung der neuen Datei</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Audio bitrate in kilobits per second, used by the lossy formats</source>
        <translation>Audio-Bitrate in Kilobit pro Sekunde, für die verlustbehafteten Formate</translation>
    </message>
    <message>
        <source>Audio bitrate in kbit/s (used by the lossy formats)</source>
        <translation>Audio-Bitrate in kbit/s (für die verlustbehafteten Formate)</translation>
    </message>
    <message>
        <source>kbit/s</source>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Sample rate in hertz</source>
        <translation>Abtastrate in Hertz</translation>
    </message>
    <message>
        <source>Sample rate in Hz</source>
        <translation>Abtastrate in Hz</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Mono or stereo</source>
        <translation>Mono oder Stereo</translation>
    </message>
    <message>
        <source>Number of channels</source>
        <translation>Anzahl der Kanäle</translation>
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
        <translation>Gleichzeitig</translation>
    </message>
    <message>
        <source>How many files convert at the same time</source>
        <translation>Wie viele Dateien gleichzeitig konvertiert werden</translation>
    </message>
    <message>
        <source>How many files convert at the same time; each uses one processor core</source>
        <translation>Wie viele Dateien gleichzeitig konvertiert werden; jede belegt einen Prozessorkern</translation>
    </message>
    <message>
        <source>What the chosen format does with the sample rate</source>
        <translation>Was das gewählte Format mit der Abtastrate macht</translation>
    </message>
    <message>
        <source>Whether the encoder takes the chosen format, bitrate, sample rate and channels</source>
        <translation>Ob der Encoder das gewählte Format, die Bitrate, die Abtastrate und die Kanäle unterstützt</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Speichern in</translation>
    </message>
    <message>
        <source>Original Folder puts the results in a Converted folder beside each file; otherwise you pick one folder when the batch starts</source>
        <translation>Originalordner legt die Ergebnisse in einen Ordner Converted neben jeder Datei; sonst wird beim Start des Stapels ein Ordner gewählt</translation>
    </message>
    <message>
        <source>Original Folder: a Converted folder beside each file. Otherwise you pick one folder when the batch starts.</source>
        <translation>Originalordner: ein Ordner Converted neben jeder Datei. Sonst wird beim Start des Stapels ein Ordner gewählt.</translation>
    </message>
    <message>
        <source>Original Folder</source>
        <translation>Originalordner</translation>
    </message>
    <message>
        <source>Choose a Folder…</source>
        <translation>Ordner wählen…</translation>
    </message>
    <message>
        <source>Keep folders</source>
        <translation>Ordner beibehalten</translation>
    </message>
    <message>
        <source>With a chosen folder, the files of a dropped folder keep its tree of folders inside it</source>
        <translation>Bei einem gewählten Ordner behalten die Dateien eines abgelegten Ordners dort dessen Ordnerstruktur</translation>
    </message>
    <message>
        <source>If it exists</source>
        <translation>Falls vorhanden</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: convert it again under a new name, or skip the file</source>
        <translation>Wenn das Ergebnis einer Datei schon vorhanden ist: erneut unter neuem Namen konvertieren oder die Datei überspringen</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: New name converts it again as &quot;NAME 1&quot;, Skip leaves it as it is</source>
        <translation>Wenn das Ergebnis einer Datei schon vorhanden ist: Neuer Name konvertiert sie erneut als "NAME 1", Überspringen lässt sie, wie sie ist</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Split by cue sheet</source>
        <translation>Nach Cue-Sheet teilen</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says</source>
        <translation>Ein Album-Image mit einem Cue-Sheet daneben ergibt eine Datei pro Titel, benannt und getaggt nach den Angaben des Cue-Sheets</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>The folder chosen for the results</source>
        <translation>Der für die Ergebnisse gewählte Ordner</translation>
    </message>
    <message>
        <source>Converted/ beside each file</source>
        <translation>Converted/ neben jeder Datei</translation>
    </message>
    <message>
        <source>What is being done and how many files are left</source>
        <translation>Was gerade geschieht und wie viele Dateien noch übrig sind</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>How far the current file has got</source>
        <translation>Wie weit die aktuelle Datei ist</translation>
    </message>
    <message>
        <source>How far the current file has got, in percent</source>
        <translation>Wie weit die aktuelle Datei ist, in Prozent</translation>
    </message>
    <message>
        <source>How long the whole batch will still take</source>
        <translation>Wie lange der ganze Stapel noch dauert</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Vorbereitung</translation>
    </message>
    <message>
        <source>The current file is being examined</source>
        <translation>Die aktuelle Datei wird untersucht</translation>
    </message>
    <message>
        <source>Opens the guide</source>
        <translation>Öffnet die Anleitung</translation>
    </message>
    <message>
        <source>Qelvanto help</source>
        <translation>Qelvanto-Hilfe</translation>
    </message>
    <message>
        <source>While files convert it reads Stop and stops every conversion that runs; otherwise it only shows the door picture again</source>
        <translation>Während Dateien konvertiert werden, heißt die Schaltfläche Stoppen und stoppt jede laufende Konvertierung; sonst zeigt sie nur wieder das Bild der Tür</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Konsole</translation>
    </message>
    <message>
        <source>What the encoder did, file by file</source>
        <translation>Was der Encoder getan hat, Datei für Datei</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>Encoder-Status</translation>
    </message>
    <message>
        <source>The encoder&apos;s latest status line</source>
        <translation>Die letzte Statuszeile des Encoders</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%Ln Datei</numerusform>
            <numerusform>%Ln Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Files of the batch</source>
        <translation>Dateien des Stapels</translation>
    </message>
    <message>
        <source>Each file of the batch, what became of it and where it was saved; Enter shows a converted file in the file manager</source>
        <translation>Jede Datei des Stapels, was aus ihr wurde und wo sie gespeichert wurde; die Eingabetaste zeigt eine konvertierte Datei im Dateimanager</translation>
    </message>
    <message>
        <source>Asked for when the batch starts</source>
        <translation>Wird beim Start des Stapels abgefragt</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>converted with problems to %1: %2</source>
        <translation>mit Problemen konvertiert zu %1: %2</translation>
    </message>
    <message>
        <source>converted to %1</source>
        <translation>konvertiert zu %1</translation>
    </message>
    <message>
        <source>already converted as %1, left as it is</source>
        <translation>bereits konvertiert als %1, unverändert gelassen</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>failed with result code %1</source>
        <translation>fehlgeschlagen mit Ergebniscode %1</translation>
    </message>
    <message>
        <source>failed with result code %1: %2</source>
        <translation>fehlgeschlagen mit Ergebniscode %1: %2</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>gestoppt</translation>
    </message>
    <message>
        <source>not audio, skipped</source>
        <translation>kein Audio, übersprungen</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>ausgelassen: %1</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Conversion Completed.</source>
        <translation>Konvertierung abgeschlossen.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed; the console has the details.</source>
        <translation>
            <numerusform>%Ln von %1 Dateien ist fehlgeschlagen; Details stehen in der Konsole.</numerusform>
            <numerusform>%Ln von %1 Dateien sind fehlgeschlagen; Details stehen in der Konsole.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed.</source>
        <translation>
            <numerusform>%Ln von %1 Dateien ist fehlgeschlagen.</numerusform>
            <numerusform>%Ln von %1 Dateien sind fehlgeschlagen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were stopped.</source>
        <translation>
            <numerusform>%Ln von %1 Dateien wurde gestoppt.</numerusform>
            <numerusform>%Ln von %1 Dateien wurden gestoppt.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not audio and was skipped.</source>
        <translation>1 Datei war kein Audio und wurde übersprungen.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not audio and were skipped.</source>
        <translation>
            <numerusform>%Ln Datei war kein Audio und wurde übersprungen.</numerusform>
            <numerusform>%Ln Dateien waren kein Audio und wurden übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was converted with problems; the console has the details.</source>
        <translation>1 Datei wurde mit Problemen konvertiert; Details stehen in der Konsole.</translation>
    </message>
    <message>
        <source>1 file was converted with problems.</source>
        <translation>1 Datei wurde mit Problemen konvertiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems; the console has the details.</source>
        <translation>
            <numerusform>%Ln Datei wurde mit Problemen konvertiert; Details stehen in der Konsole.</numerusform>
            <numerusform>%Ln Dateien wurden mit Problemen konvertiert; Details stehen in der Konsole.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems.</source>
        <translation>
            <numerusform>%Ln Datei wurde mit Problemen konvertiert.</numerusform>
            <numerusform>%Ln Dateien wurden mit Problemen konvertiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was already converted and was left as it is.</source>
        <translation>1 Datei war bereits konvertiert und blieb unverändert.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were already converted and were left as they are.</source>
        <translation>
            <numerusform>%Ln Datei war bereits konvertiert und blieb unverändert.</numerusform>
            <numerusform>%Ln Dateien waren bereits konvertiert und blieben unverändert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %Ln weitere</numerusform>
            <numerusform>und %Ln weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Presenter</name>
    <message>
        <source>Stopped %1: its unfinished output %2 was removed.</source>
        <translation>%1 gestoppt: Die unfertige Ausgabe %2 wurde entfernt.</translation>
    </message>
    <message>
        <source>Not converted %1: its unfinished output %2 was removed.</source>
        <translation>%1 nicht konvertiert: Die unfertige Ausgabe %2 wurde entfernt.</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Examining</source>
        <translation>Wird untersucht</translation>
    </message>
    <message>
        <source>Converting %1%</source>
        <translation>Wird konvertiert, %1 %</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Wird konvertiert</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Konvertiert</translation>
    </message>
    <message>
        <source>Converted with problems: %1</source>
        <translation>Mit Problemen konvertiert: %1</translation>
    </message>
    <message>
        <source>Already converted</source>
        <translation>Bereits konvertiert</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>result code %1</source>
        <translation>Ergebniscode %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Not audio</source>
        <translation>Kein Audio</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Ausgelassen: %1</translation>
    </message>
    <message numerus="yes">
        <source>Preparing the File - %n File(s) Left</source>
        <translation>
            <numerusform>Datei wird vorbereitet – noch %Ln Datei</numerusform>
            <numerusform>Datei wird vorbereitet – noch %Ln Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Converting - %n File(s) Left</source>
        <translation>
            <numerusform>Konvertierung – noch %Ln Datei</numerusform>
            <numerusform>Konvertierung – noch %Ln Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Qelvanto — %1 of %2 — %3</source>
        <translation>Qelvanto — %1 von %2 — %3</translation>
    </message>
    <message>
        <source>Not converted %1: %2.</source>
        <translation>%1 nicht konvertiert: %2.</translation>
    </message>
    <message>
        <source>Converted with problems %1: %2.</source>
        <translation>%1 mit Problemen konvertiert: %2.</translation>
    </message>
    <message>
        <source>Left out %1: %2.</source>
        <translation>%1 ausgelassen: %2.</translation>
    </message>
    <message>
        <source>Stopped %1 before its conversion.</source>
        <translation>%1 vor der Konvertierung gestoppt.</translation>
    </message>
    <message>
        <source>Already converted %1: %2 is there.</source>
        <translation>%1 bereits konvertiert: %2 ist vorhanden.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were not started.</source>
        <translation>
            <numerusform>%Ln von %1 Dateien wurde nicht gestartet.</numerusform>
            <numerusform>%Ln von %1 Dateien wurden nicht gestartet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Qelvanto: %n of %1 files converted</source>
        <translation>
            <numerusform>Qelvanto: %Ln von %1 Dateien konvertiert</numerusform>
            <numerusform>Qelvanto: %Ln von %1 Dateien konvertiert</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoder is missing</source>
        <translation>Der Encoder fehlt</translation>
    </message>
    <message>
        <source>The program &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>Das Programm "ffmpeg" wurde in %1 nicht gefunden. Qelvanto neu installieren oder das Paket ffmpeg installieren und neu erstellen.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>The encoder cannot be run</source>
        <translation>Der Encoder kann nicht ausgeführt werden</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be run: %2. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>Das Programm "%1" konnte nicht ausgeführt werden: %2. Qelvanto neu installieren oder das Paket ffmpeg installieren und neu erstellen.</translation>
    </message>
    <message>
        <source>qelvanto: the encoder is missing: &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: der Encoder fehlt: "ffmpeg" wurde in %1 nicht gefunden. Qelvanto neu installieren oder das Paket ffmpeg installieren.</translation>
    </message>
    <message>
        <source>qelvanto: the encoder &quot;%1&quot; cannot be run: %2. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: der Encoder "%1" kann nicht ausgeführt werden: %2. Qelvanto neu installieren oder das Paket ffmpeg installieren.</translation>
    </message>
    <message>
        <source>opus converts at %1 Hz, whatever the sample rate box says</source>
        <translation>opus konvertiert immer mit %1 Hz, unabhängig von der eingestellten Abtastrate</translation>
    </message>
    <message>
        <source>%1, %2 kbit/s</source>
        <translation>%1, %2 kbit/s</translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into Converted/ beside each file?</source>
        <translation>1 Datei in %1 konvertieren und in Converted/ daneben speichern?</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into Converted/ beside each file?</source>
        <translation>
            <numerusform>%Ln Datei in %1 konvertieren und in Converted/ daneben speichern?</numerusform>
            <numerusform>%Ln Dateien in %1 konvertieren und jeweils in Converted/ daneben speichern?</numerusform>
        </translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into a folder you choose next?</source>
        <translation>1 Datei in %1 konvertieren und in einem Ordner speichern, der als Nächstes gewählt wird?</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into a folder you choose next?</source>
        <translation>
            <numerusform>%Ln Datei in %1 konvertieren und in einem Ordner speichern, der als Nächstes gewählt wird?</numerusform>
            <numerusform>%Ln Dateien in %1 konvertieren und in einem Ordner speichern, der als Nächstes gewählt wird?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProbeText</name>
    <message>
        <source>only %1 of %2 could be read</source>
        <translation>nur %1 von %2 ließen sich lesen</translation>
    </message>
    <message>
        <source>1 error while decoding</source>
        <translation>1 Fehler beim Dekodieren</translation>
    </message>
    <message numerus="yes">
        <source>%n errors while decoding</source>
        <translation>
            <numerusform>%Ln Fehler beim Dekodieren</numerusform>
            <numerusform>%Ln Fehler beim Dekodieren</numerusform>
        </translation>
    </message>
    <message>
        <source>its timestamps ran backwards once</source>
        <translation>die Zeitstempel liefen einmal rückwärts</translation>
    </message>
    <message numerus="yes">
        <source>its timestamps ran backwards %n times</source>
        <translation>
            <numerusform>die Zeitstempel liefen %Ln-mal rückwärts</numerusform>
            <numerusform>die Zeitstempel liefen %Ln-mal rückwärts</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
</TS>
